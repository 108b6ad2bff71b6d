#pragma once

#include "analytes/analyte.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QIODevice;

namespace quarvex {

struct CaseEvaluation;

// Where each column of a batch input goes: the case identifier, or an
// analyte's value or unit field.
struct BatchColumns {
    enum class Target { Case, Value, Unit };
    struct Column {
        Target target;
        AnalyteId analyte;
    };
    std::vector<Column> columns;
    QStringList unknown;  // names that are no input field, in header order
    QStringList repeated; // names given more than once, each named once

    bool valid() const { return unknown.isEmpty() && repeated.isEmpty(); }
    bool hasCase() const;
};

// The column name of the case identifier.
inline constexpr char CaseColumn[] = "Case";

// Maps the names of a header row (the field names of --help and "Case";
// blanks around a name are ignored) to columns.
BatchColumns mapBatchHeader(const std::vector<QByteArrayView>& names);

// The header of the output: "Case", the result and interpretation columns of
// every grid row, "findings" and "hints".
QStringList batchOutputColumns();

// Appends one output record: the case, its cells, its findings and hints.
void appendBatchRecord(QByteArray& out, QByteArrayView caseId, const CaseEvaluation& evaluation,
                       char delimiter);

// How far a run has come, for a progress line.
struct BatchProgress {
    qint64 cases = 0;      // cases written
    qint64 bytesRead = 0;  // input bytes read
    qint64 inputSize = -1; // input size in bytes, when it is known
    double seconds = 0.0;  // since the run started
    bool finished = false; // the last call of the run
};

// "12000 cases, 48000 cases/s, 0:21 left" (the time left only when the input
// size is known and some of it was read).
QString progressText(const BatchProgress& progress);

// What a run writes: CSV with a header row, or JSON Lines, one document per
// case and no header: lean lines that refer to quarvex-cli --items-json, or
// full ones that stand alone (overview/json.h).
enum class BatchFormat { Csv, JsonLines, FullJsonLines };

struct BatchOptions {
    QLocale locale = QLocale::c(); // how numbers are read and written
    BatchFormat format = BatchFormat::Csv;
    int threads = 0; // threads that evaluate cases; 0: one per core
    // A problem with the input (a bad header, a skipped row, a quote left
    // open), one line without a line end, starting with "line N: " when it
    // concerns a line. Text from the input in it is cut short and escaped.
    std::function<void(const QString& problem)> report;
    // Called now and then, on the calling thread, while cases are written.
    std::function<void(const BatchProgress& progress)> progress;
    double progressInterval = 0.2; // seconds between calls
};

struct BatchSummary {
    enum class Status {
        Done,        // every case written
        BadHeader,   // unknown or repeated columns: nothing written
        BadRows,     // rows skipped (a wrong number of fields, a misplaced quote, text
                     // that is not UTF-8, a record of over 1 MB, a last row without
                     // its line end), or the input ended inside quotes; the rest
                     // written
        ReadFailed,  // the input could not be read
        WriteFailed, // the output refused a write
        NoHeader,    // an empty input (no row at all): nothing written
        OutOfMemory, // memory ran out: the output is incomplete
        Refused,     // the input as a whole cannot be used (more rows than a run
                     // takes): nothing written
    };
    Status status = Status::Done;
    qint64 cases = 0;   // cases written
    qint64 skipped = 0; // rows skipped
    std::optional<int> openQuoteLine;
    QString error; // for ReadFailed and WriteFailed: the device's description
};

// Reads cases from a CSV input and writes one output record for each, in
// input order. The delimiter (comma, semicolon or tab) is taken from the
// header line and used for CSV output too. Cases are evaluated on several
// threads; the input is read and the output written as the run goes, so
// memory does not grow with the input.
// A run that runs out of memory stops with OutOfMemory rather than throwing.
BatchSummary runBatch(QIODevice& input, QIODevice& output, const BatchOptions& options = {});

// quarvex-cli's exit status for a run that ended so: 0 every case written,
// 3 rows skipped (the rest written), 2 input that cannot be used, 1 output
// not written (a failed write, or memory ran out).
int exitStatus(BatchSummary::Status status);

} // namespace quarvex
