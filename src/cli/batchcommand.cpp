#include "batchcommand.h"

#include "batch/batchrun.h"
#include "overview/export.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <memory>
#include <optional>

#include <unistd.h>

namespace quarvex {

namespace {

enum Exit { Written = 0, NotWritten = 1, BadInput = 2, RowsSkipped = 3 };

void printErr(const QString& text)
{
    const QByteArray bytes = (QStringLiteral("quarvex-cli: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

} // namespace

QString batchHelpText()
{
    return QStringLiteral(
        "Batch mode: quarvex-cli --batch [FILE|-] [-o PATH] [--json] [--locale NAME]\n"
        "                        [--threads N]\n"
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
        "  --json       write JSON Lines instead: for each case one line holding the\n"
        "               document of --json with \"case\", the identifier, added\n"
        "  --threads N  evaluate on N threads (default: one per core)\n"
        "A row with the wrong number of fields is reported with its line and\n"
        "skipped; a quote left open is reported with the line where it opened and\n"
        "ends the input, as does a record of over 1 MB. Each gives exit status 3;\n"
        "the other cases are written.\n");
}

namespace {

struct BatchArguments {
    QString inputPath = QStringLiteral("-");
    QString outputPath;
    QLocale locale = QLocale::c();
    BatchFormat format = BatchFormat::Csv;
    int threads = 0;
};

QString inputName(const QString& path)
{
    return path == QLatin1String("-") ? QStringLiteral("standard input") : path;
}

bool knownLocale(const QString& name, QLocale& locale)
{
    locale = QLocale(name);
    if (locale.language() != QLocale::C)
        return true;
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

std::optional<BatchArguments> parseBatchArguments(const QStringList& args)
{
    BatchArguments out;
    bool haveInput = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const auto needsValue = [&](const QString& what) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                printErr(arg + QStringLiteral(" needs ") + what + QStringLiteral(" (see --help)"));
                return false;
            }
            ++i;
            return true;
        };
        if (arg == QLatin1String("--batch"))
            continue;
        if (arg == QLatin1String("-o")) {
            if (!needsValue(QStringLiteral("a file name")))
                return std::nullopt;
            out.outputPath = args.at(i);
        } else if (arg == QLatin1String("--locale")) {
            if (!needsValue(QStringLiteral("a locale name such as de_DE")))
                return std::nullopt;
            if (!knownLocale(args.at(i), out.locale)) {
                printErr(QStringLiteral("unknown locale ") + args.at(i) +
                         QStringLiteral(" (a name such as en_US or de_DE)"));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--threads")) {
            if (!needsValue(QStringLiteral("a number of threads")))
                return std::nullopt;
            bool ok = false;
            out.threads = args.at(i).toInt(&ok);
            if (!ok || out.threads < 1 || out.threads > 256) {
                printErr(QStringLiteral("--threads needs a number from 1 to 256"));
                return std::nullopt;
            }
        } else if (arg == QLatin1String("--json")) {
            out.format = BatchFormat::JsonLines;
        } else if (arg == QLatin1String("--steps")) {
            printErr(QStringLiteral("--steps cannot be used with --batch (see --help)"));
            return std::nullopt;
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            printErr(QStringLiteral("unknown option ") + arg + QStringLiteral(" (see --help)"));
            return std::nullopt;
        } else if (haveInput) {
            printErr(QStringLiteral("only one input file can be given (see --help)"));
            return std::nullopt;
        } else {
            out.inputPath = arg;
            haveInput = true;
        }
    }
    return out;
}

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

int runBatchCommand(const QStringList& args)
{
    const std::optional<BatchArguments> arguments = parseBatchArguments(args);
    if (!arguments)
        return BadInput;
    const QString where = inputName(arguments->inputPath);

    QFile input;
    const bool opened =
        arguments->inputPath == QLatin1String("-")
            ? input.open(STDIN_FILENO, QIODevice::ReadOnly)
            : (input.setFileName(arguments->inputPath), input.open(QIODevice::ReadOnly));
    if (!opened) {
        printErr(where + QStringLiteral(": ") + input.errorString());
        return BadInput;
    }

    std::unique_ptr<QFileDevice> output;
    QSaveFile* saveFile = nullptr;
    const QString& outputPath = arguments->outputPath;
    if (outputPath.isEmpty()) {
        auto file = std::make_unique<QFile>();
        if (!file->open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            printErr(QStringLiteral("standard output: ") + file->errorString());
            return NotWritten;
        }
        output = std::move(file);
    } else if (isDevice(outputPath)) {
        auto file = std::make_unique<QFile>(outputPath);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            printErr(outputPath + QStringLiteral(": ") + file->errorString());
            return NotWritten;
        }
        output = std::move(file);
    } else {
        auto file = std::make_unique<QSaveFile>(outputPath);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            printErr(outputPath + QStringLiteral(": ") + file->errorString());
            return NotWritten;
        }
        saveFile = file.get();
        output = std::move(file);
    }

    ProgressLine progress(isatty(STDERR_FILENO) != 0);
    BatchOptions options;
    options.locale = arguments->locale;
    options.format = arguments->format;
    options.threads = arguments->threads;
    options.report = [&](const QString& problem) {
        progress.clear();
        printErr(where + QStringLiteral(": ") + problem);
    };
    options.progress = [&](const BatchProgress& p) { progress.show(p); };

    const BatchSummary summary = runBatch(input, *output, options);
    using Status = BatchSummary::Status;
    const QString outputName =
        outputPath.isEmpty() ? QStringLiteral("standard output") : outputPath;
    switch (summary.status) {
    case Status::BadHeader:
        printErr(where + QStringLiteral(": the header row names the columns: Case and the field "
                                        "names of --help"));
        if (saveFile)
            saveFile->cancelWriting();
        return BadInput;
    case Status::ReadFailed:
        printErr(where + QStringLiteral(": ") + summary.error);
        if (saveFile)
            saveFile->cancelWriting();
        return BadInput;
    case Status::WriteFailed:
        printErr(outputName + QStringLiteral(": ") + summary.error);
        if (saveFile)
            saveFile->cancelWriting();
        return NotWritten;
    case Status::Done:
    case Status::BadRows:
        break;
    }
    if (saveFile ? !saveFile->commit() : !output->flush()) {
        printErr(outputName + QStringLiteral(": ") + output->errorString());
        return NotWritten;
    }
    return summary.status == Status::BadRows ? RowsSkipped : Written;
}

} // namespace quarvex
