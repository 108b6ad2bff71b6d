#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct csv_parser;

namespace quarvex {

// The delimiter of a CSV text, taken from its header line: whichever of
// comma, semicolon and tab occurs most often (comma when none does, and on a
// tie in that order). A UTF-8 byte order mark is not part of the line.
char detectDelimiter(QByteArrayView headerLine);

// True when the bytes start with the UTF-8 byte order mark.
bool startsWithBom(QByteArrayView bytes);

// One record as the reader hands it over: its fields as bytes (valid only
// during the call) and the line of the text where the record starts.
struct CsvRecord {
    const std::vector<QByteArrayView>& fields;
    int line;
    // The last record of a text that ends without a line end after it and
    // without a closing quote: the text may have been cut inside it.
    bool cut = false;
};

// An RFC 4180 reader on libcsv, fed with bytes as they arrive: fields in
// double quotes may hold the delimiter, doubled quotes and line breaks; lines
// end with LF or CR LF; blank lines are no records. Fields are kept exactly as
// written (blanks around them are part of the field). Line numbers count from 1.
class CsvReader
{
public:
    using Sink = std::function<void(const CsvRecord& record)>;
    // A quote inside an unquoted field, or anything but a delimiter or a line
    // end after a closing quote: the record is dropped and reading goes on
    // with the next line.
    using BadQuoteSink = std::function<void(int line)>;
    // A record longer than the most allowed, by the line where it starts,
    // told as soon as it grows too long: the rest of it is dropped unread
    // and reading goes on with the record after it.
    using TooLongSink = std::function<void(int line)>;

    // The longest record read, so that memory stays bounded whatever the
    // input: the bytes of a longer one are dropped as they come.
    static constexpr size_t DefaultMaxRecord = 1024 * 1024;

    CsvReader(char delimiter, Sink sink, BadQuoteSink badQuote, TooLongSink tooLong = {},
              size_t maxRecord = DefaultMaxRecord);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Parses the bytes, handing every record completed in them to the sink.
    void feed(QByteArrayView bytes);

    // Ends the text: hands over a last record without a line end (marked cut
    // unless a closing quote ends it). Returns the line where a quoted field
    // was opened and never closed, if one was: only there does the reader
    // find no record after a bad one.
    std::optional<int> finish();

private:
    static void fieldDone(void* data, size_t size, void* self);
    static void recordDone(int terminator, void* self);
    void feedPiece(QByteArrayView piece);
    void restart();

    std::unique_ptr<csv_parser> m_parser;
    char m_delimiter;
    size_t m_maxRecord;
    Sink m_sink;
    BadQuoteSink m_badQuote;
    TooLongSink m_tooLong;
    std::string m_data;                  // the fields of the record being read, end to end
    std::vector<size_t> m_ends;          // where each of its fields ends in m_data
    std::vector<QByteArrayView> m_views; // handed to the sink
    int m_line = 1;                      // the line being fed
    int m_recordLine = 1;                // where the record being read started
    int m_fieldLine = 1;                 // where its last complete field ended
    bool m_inRecord = false;
    bool m_skipLine = false;   // dropping the rest of a line with a misplaced quote
    bool m_discarding = false; // dropping the rest of a record that is too long
    char m_lastByte = '\n';    // the last byte fed
};

} // namespace quarvex
