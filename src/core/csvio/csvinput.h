#pragma once

#include "csvio/csvreader.h"

#include <QIODevice>
#include <QString>

#include <exception>
#include <optional>

namespace quarvex {

// What a CSV input reader is told, row by row. Each call that returns false
// stops the reading.
class CsvRows
{
public:
    virtual ~CsvRows() = default;
    // The first record, which names the columns, with the text's delimiter.
    virtual bool header(const CsvRecord& record, char delimiter) = 0;
    // A data record with as many fields as the header, all UTF-8, and not
    // cut off by the end of the input.
    virtual bool row(const CsvRecord& record) = 0;
    // A record that is read no further, one line without a line end
    // starting with "line N: " and ending in "; row skipped". When
    // `beforeHeader`, the record was to be the header.
    virtual void skipped(int line, const QString& why, bool beforeHeader) = 0;
    // Bytes read so far, after each block.
    virtual void bytesRead(qint64 bytes) { Q_UNUSED(bytes) }
};

// How a CSV input ended.
struct CsvInputEnd {
    enum class Status {
        Done,       // read to its end, or stopped by a call that returned false
        NoHeader,   // not even a header record
        BadHeader,  // the first record could not be read (a misplaced quote, over 1 MB)
        ReadFailed, // the device failed
    };
    Status status = Status::Done;
    qint64 rows = 0;    // data records met, skipped ones included
    qint64 skipped = 0; // data records skipped here (not those the rows skip themselves)
    std::optional<int> openQuoteLine; // a quote opened there is never closed
    QString error;                    // for ReadFailed: the device's description
};

// Reads a CSV input, as batch mode and class grading read theirs: RFC 4180
// records (csvreader.h) after an optional UTF-8 byte order mark, with the
// delimiter taken from the header line. A data record with the wrong number
// of fields, text that is not UTF-8, a misplaced quote, over 1 MB, or last
// and without its line end is reported and skipped, and reading goes on with
// the next record; a quote left open ends the input, as nothing after it can
// be told apart from the quoted text. Anything the calls throw (memory
// running out) is thrown on from here, once the parser is out of the way.
CsvInputEnd readCsvInput(QIODevice& input, CsvRows& rows);

} // namespace quarvex
