#include "batchcommand.h"

#include "batch/batchrun.h"
#include "climessages.h"
#include "clioutput.h"

#include <QFile>

#include <cstdio>
#include <optional>

#include <unistd.h>

namespace quarvex {

QString batchHelpText()
{
    return Cli::tr("Batch mode: quarvex-cli --batch [-o PATH] [--json [--full]] [--locale NAME]\n"
                   "                        [--threads N] [--] [FILE]\n"
                   "\n"
                   "Evaluates many cases from one CSV file (RFC 4180; UTF-8, with or without a\n"
                   "byte order mark). Its header row names the columns: the field names below,\n"
                   "and optionally Case, an identifier for each case. The delimiter, comma,\n"
                   "semicolon or tab, is taken from the header row. Each further row is one\n"
                   "case. The output is CSV with the same delimiter: Case (the identifier, or\n"
                   "the data row's number from 1), a result and an interpretation column for\n"
                   "every row of the results grid, then findings (why items could not be\n"
                   "computed) and hints. Numbers are read and written in the C locale (1.5)\n"
                   "unless --locale names another (--locale de_DE reads and writes 1,5).\n"
                   "Unit and Gender cells lose blanks and tabs at their end, as above.\n"
                   "  --json       write JSON Lines instead: for each case one line with what\n"
                   "               belongs to the case alone, in the order of --items-json:\n"
                   "               {\"case\", \"inputs\": [[text, unit, value] or null],\n"
                   "               \"findings\": [[item, field, kind, text]], \"hints\":\n"
                   "               [[field, text]], \"rows\": [[result, value, band] or\n"
                   "               null], \"notes\": [[row, note id, argument...]]}; unit,\n"
                   "               item, field, band, row and note id refer to --items-json,\n"
                   "               which holds the texts every case shares (see docs/guide.md)\n"
                   "  --full       with --json: every text written out, lines that stand\n"
                   "               alone: inputs and rows by name, interpretations,\n"
                   "               substituted formulas, reference intervals and notes\n"
                   "  --threads N  evaluate on N threads (default: one per core)\n"
                   "A row with the wrong number of fields, a misplaced quote or a cell that is\n"
                   "not UTF-8 is reported with its line and skipped, and so is a last row\n"
                   "without its line end (the input may have been cut inside it) unless a\n"
                   "closing quote ends it, and so is a record of over 1 MB; a quote left open\n"
                   "is reported with the line where it opened and ends the input. Each gives\n"
                   "exit status 3; the other cases are written. An empty input has no header\n"
                   "row: exit status 2.\n");
}

namespace {

// The progress line on a terminal: shown once a run has lasted a second,
// rewritten in place, ended by a line end when the run is over.
class ProgressLine
{
public:
    explicit ProgressLine(bool terminal)
        : m_terminal(terminal)
    {}

    void show(const BatchProgress& progress)
    {
        if (!m_terminal || (!m_shown && progress.seconds < 1.0))
            return;
        m_shown = true;
        put(QStringLiteral("\r") + progressText(progress) + QStringLiteral("\x1b[K") +
            (progress.finished ? QStringLiteral("\n") : QString()));
    }

    // Before another message: the line is cleared so the message stands alone.
    void clear()
    {
        if (m_shown)
            put(QStringLiteral("\r\x1b[K"));
    }

private:
    static void put(const QString& text)
    {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
        std::fflush(stderr);
    }

    bool m_terminal;
    bool m_shown = false;
};

} // namespace

Exit runBatchCommand(const CliOptions& arguments)
{
    const QString where = inputName(arguments.inputPath);
    QFile input;
    if (!openRowsInput(arguments.inputPath, where, input))
        return Exit::BadInput;

    CliOutput output(arguments.outputPath);
    if (const std::optional<QString> failure = output.open()) {
        printErr(output.name() + QStringLiteral(": ") + *failure);
        return Exit::NotWritten;
    }

    ProgressLine progress(isatty(STDERR_FILENO) != 0);
    BatchOptions options;
    options.locale = arguments.locale.value_or(QLocale::c());
    options.format = arguments.format != CliOptions::Format::Json ? BatchFormat::Csv
                     : arguments.full                             ? BatchFormat::FullJsonLines
                                                                  : BatchFormat::JsonLines;
    options.threads = arguments.threads;
    options.report = [&](const QString& problem) {
        progress.clear();
        printErr(where + QStringLiteral(": ") + problem);
    };
    options.progress = [&](const BatchProgress& p) { progress.show(p); };

    const BatchSummary summary = runBatch(input, output.device(), options);
    return finishRowsRun(summary.status, summary.error, where,
                         Cli::tr("the header row names the columns: Case and the field "
                                 "names of --help"),
                         Cli::tr("Case and the field names of --help"), output);
}

bool openRowsInput(const QString& path, const QString& where, QFile& input)
{
    const bool opened = path == QLatin1String("-")
                            ? input.open(STDIN_FILENO, QIODevice::ReadOnly)
                            : (input.setFileName(path), input.open(QIODevice::ReadOnly));
    if (!opened)
        printErr(where + QStringLiteral(": ") + input.errorString());
    return opened;
}

Exit finishRowsRun(BatchSummary::Status status, const QString& error, const QString& where,
                   const std::optional<QString>& badHeader, const QString& columns,
                   CliOutput& output, const std::function<void()>& done)
{
    using Status = BatchSummary::Status;
    switch (status) {
    case Status::Refused: // said as it was found
        break;
    case Status::BadHeader:
        if (badHeader)
            printErr(where + QStringLiteral(": ") + *badHeader);
        break;
    case Status::NoHeader:
        printErr(
            Cli::tr("%1: no header row; the first row names the columns: %2").arg(where, columns));
        break;
    case Status::ReadFailed:
        printErr(where + QStringLiteral(": ") + error);
        break;
    case Status::WriteFailed:
        printErr(output.name() + QStringLiteral(": ") + error);
        break;
    case Status::OutOfMemory:
        printErr(Cli::tr("out of memory; the output was not written"));
        break;
    case Status::Done:
    case Status::BadRows:
        if (const std::optional<QString> failure = output.commit()) {
            printErr(output.name() + QStringLiteral(": ") + *failure);
            return Exit::NotWritten;
        }
        if (done)
            done();
        break;
    }
    // An output file not committed is left as it was.
    output.cancel();
    return Exit(exitStatus(status));
}

} // namespace quarvex
