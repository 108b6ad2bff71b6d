// quarvex-cli: the Comprehensive Overview without a window. Reads the data
// entry fields as "Name=text" lines and writes the export file.

#include "analytes/findings.h"
#include "analytes/hints.h"
#include "batchcommand.h"
#include "calc/derivation.h"
#include "cases/casefile.h"
#include "overview/export.h"
#include "overview/json.h"
#include "overview/overview.h"
#include "overview/reportdate.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSet>

#include <csignal>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

using namespace quarvex;

namespace {

enum Exit { Written = 0, NotWritten = 1, BadInput = 2 };

void printErr(const QString& text)
{
    const QByteArray bytes = (QStringLiteral("quarvex-cli: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

QString helpText()
{
    QString text = QStringLiteral(
        "Usage: quarvex-cli [-o PATH] [--steps | --json] [--] [FILE]\n"
        "       quarvex-cli --batch [FILE|-] [-o PATH] [--json] [--locale NAME]\n"
        "                           [--threads N]\n"
        "\n"
        "Computes every test item of the Comprehensive Overview that the given values\n"
        "allow and writes the results in the tab-delimited export format.\n"
        "\n"
        "Input (FILE, or standard input when no FILE or \"-\" is given): one field a\n"
        "line as Name=text, with the field names of the Data Entry screen. The text\n"
        "after \"=\" is taken as typed, exactly as if it were typed into the field:\n"
        "numbers in the number format of the locale (LC_ALL, LC_NUMERIC, LANG), units\n"
        "exactly as in the unit lists (\"mg/dL\", not \"MG/DL\"), Gender as Male or\n"
        "Female; blanks and tabs at the end of a unit or Gender are dropped. Lines end\n"
        "in LF, CR LF or CR. Blank lines and lines starting with # are ignored; a\n"
        "field not given is empty. An unknown name, a line without \"=\", a name given\n"
        "twice, a line over 4096 bytes or an input over 1 MiB stops the program with\n"
        "an error naming the line, before anything is computed, and so does a line\n"
        "that is not UTF-8. A line Locale=NAME (\"en_US\", \"de_DE\", \"C\") says which\n"
        "number format the file's values are written in: they are then read in it,\n"
        "whatever the environment's. A case saved by Quarvex is such a file.\n"
        "\n"
        "Example:\n"
        "  Age=40\n"
        "  Weight=70\n"
        "  UnitWeight=kg\n"
        "  Gender=Male\n"
        "  SerumCreatinine=1.0\n"
        "  UnitSerumCreatinine=mg/dL\n"
        "\n"
        "Options:\n"
        "  -o PATH    write the results to PATH instead of standard output; a regular\n"
        "             file is replaced only once fully written, a device or pipe is\n"
        "             written in place, and the program's own standard output or\n"
        "             error (/dev/stdout, /dev/fd/1, ...) is written as it was opened,\n"
        "             so \">>\" appends. \"-o -\" is standard output.\n"
        "  --         ends the options: a FILE starting with \"-\" follows\n"
        "  --steps    write the worked steps of every computed item as plain text\n"
        "             instead of the results\n"
        "  --json     write one JSON document with the inputs, every item's rows,\n"
        "             bands and sources instead of the results\n"
        "  --help     show this text\n"
        "\n"
        "A value that is not a number is reported on standard error, naming the\n"
        "field; items that need it are left out, as on the screen. A unit or Gender\n"
        "text that is none of its choices, an item whose result is not a finite\n"
        "number and an input without fields are reported as warnings. A value that\n"
        "looks like a typing or unit slip (outside the values seen in patients,\n"
        "or a part above its whole, such as HDL above total cholesterol) gets a\n"
        "line \"quarvex-cli: warning: <field>: <text>\" on standard error; the\n"
        "results and the exit status stay as they are.\n"
        "\n"
        "Exit status: 0 results written, 1 the output could not be written,\n"
        "2 bad command line or input, 3 (batch mode) rows skipped or a quote left open.\n"
        "\n");
    text += batchHelpText() + QStringLiteral("\nField names:\n");
    QString line = QStringLiteral(" ");
    for (const QString& name : inputFieldNames()) {
        if (line.size() + 1 + name.size() > 78) {
            text += line + QLatin1Char('\n');
            line = QStringLiteral(" ");
        }
        line += QLatin1Char(' ') + name;
    }
    return text + line + QLatin1Char('\n');
}

// What the pass found, on standard error: one line per field whose value
// cannot be read (in the order the screen would show their boxes), naming the
// input line; a warning for a unit or Gender text that is none of its choices,
// which leaves out every item that needs it; and a warning for each item
// whose result is not a finite number.
void reportFindings(const QList<ItemEvaluation>& evaluations, const CaseInput& input)
{
    QSet<int> reported; // analytes already reported
    for (const ItemEvaluation& evaluation : evaluations) {
        for (const Finding& finding : evaluation.findings) {
            if (!finding.analyte) {
                printErr(QStringLiteral("warning: ") + finding.text);
                continue;
            }
            const AnalyteId id = *finding.analyte;
            if (reported.contains(int(id)))
                continue;
            const Analyte& a = analyte(id);
            if (finding.kind == FindingKind::UnknownUnit) {
                reported.insert(int(id));
                printErr(QStringLiteral("warning: ") + a.unitFieldName() + QStringLiteral(": ") +
                         notOneOfText(input.fields.unit(id), a.listItems()));
            } else if (finding.kind == FindingKind::NoGender && !input.fields.value(id).isEmpty()) {
                reported.insert(int(id));
                printErr(QStringLiteral("warning: ") + a.fieldName() + QStringLiteral(": ") +
                         notOneOfText(input.fields.value(id), a.listItems()));
            } else if (alertFor(finding).box) {
                reported.insert(int(id));
                const QString field = a.fieldName();
                printErr(QStringLiteral("line ") + QString::number(input.lines.value(field)) +
                         QStringLiteral(": ") + field + QStringLiteral(": ") + finding.text);
            }
        }
    }
    if (input.lines.isEmpty())
        printErr(QStringLiteral("warning: no fields given"));
}

// The hints of the case, one warning line on standard error for each field
// a hint is on. They change neither the results nor the exit status.
void reportHints(const Inputs& inputs)
{
    for (const FieldHint& hint : caseHints(inputs))
        printErr(QStringLiteral("warning: ") + analyte(hint.analyte).fieldName() +
                 QStringLiteral(": ") + hint.text);
}

struct Options {
    QString inputPath = QStringLiteral("-");  // "-": standard input
    QString outputPath = QStringLiteral("-"); // "-": standard output
    bool help = false;
    enum class Output { Export, Steps, Json } output = Output::Export;
};

QString inputName(const QString& path)
{
    return path == QLatin1String("-") ? QStringLiteral("standard input") : path;
}

// The command line; on an error, says why on standard error and returns nothing.
std::optional<Options> parseArguments(const QStringList& args)
{
    Options options;
    bool haveInput = false;
    bool haveOutput = false;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        const bool option =
            !optionsEnded && arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-");
        if (option && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (option && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            options.help = true;
            return options;
        } else if (option && arg == QLatin1String("-o")) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                printErr(QStringLiteral("-o needs a file name (see --help)"));
                return std::nullopt;
            }
            if (haveOutput) {
                printErr(QStringLiteral("only one -o can be given (see --help)"));
                return std::nullopt;
            }
            options.outputPath = args.at(++i);
            haveOutput = true;
        } else if (arg == QLatin1String("--steps") || arg == QLatin1String("--json")) {
            const auto wanted =
                arg == QLatin1String("--json") ? Options::Output::Json : Options::Output::Steps;
            if (options.output != Options::Output::Export && options.output != wanted) {
                printErr(QStringLiteral("--steps and --json cannot be used together (see --help)"));
                return std::nullopt;
            }
            options.output = wanted;
        } else if (option) {
            printErr(QStringLiteral("unknown option ") + shownText(arg) +
                     QStringLiteral(" (see --help)"));
            return std::nullopt;
        } else if (haveInput) {
            printErr(QStringLiteral("only one input file can be given (see --help)"));
            return std::nullopt;
        } else {
            options.inputPath = arg;
            haveInput = true;
        }
    }
    return options;
}

// Reads and parses the input; on an error, says why on standard error.
bool readInput(const QString& path, CaseInput& input)
{
    QFile file;
    const bool ok =
        path == QLatin1String("-")
            ? file.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered)
            : (file.setFileName(path), file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    if (!ok) {
        printErr(inputName(path) + QStringLiteral(": ") + file.errorString());
        return false;
    }
    if (const auto bad = readCaseInput(file, input)) {
        printErr(
            inputName(path) +
            (bad->line > 0 ? QStringLiteral(": line ") + QString::number(bad->line) : QString()) +
            QStringLiteral(": ") + bad->message);
        return false;
    }
    return true;
}

// The standard descriptor (1 or 2) that already has the file at path open,
// if any: "/dev/stdout", "/dev/fd/1" and "/proc/self/fd/1" name the program's
// own output, which the shell may have opened for appending.
std::optional<int> ownDescriptor(const QString& path)
{
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0)
        return std::nullopt;
    for (int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        struct stat held {};
        if (::fstat(fd, &held) == 0 && held.st_dev == target.st_dev && held.st_ino == target.st_ino)
            return fd;
    }
    return std::nullopt;
}

// Writes bytes through an open descriptor (standard output or error).
Exit writeDescriptor(int fd, const QString& name, const QByteArray& bytes)
{
    QFile out;
    if (!out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(out, bytes) ||
        !out.flush()) {
        printErr(name + QStringLiteral(": ") + out.errorString());
        return NotWritten;
    }
    return Written;
}

// Writes bytes to the output: standard output, the program's own standard
// output or error named by a path, a device or FIFO in place, or a regular
// file replaced only once fully written. On an error, says why on standard
// error.
Exit writeBytes(const QString& outputPath, const QByteArray& bytes)
{
    if (outputPath == QLatin1String("-"))
        return writeDescriptor(STDOUT_FILENO, QStringLiteral("standard output"), bytes);
    if (const std::optional<int> fd = ownDescriptor(outputPath))
        return writeDescriptor(*fd, outputPath, bytes);
    if (const auto failure = saveBytes(outputPath, bytes)) {
        printErr(outputPath + QStringLiteral(": ") + *failure);
        return NotWritten;
    }
    return Written;
}

// Writes the export of the rows to the output.
Exit writeResults(const QString& outputPath, const QList<ResultRow>& rows)
{
    return writeBytes(outputPath, exportBytes(reportDate(), rows));
}

// The worked steps of every computed item, one after another.
QByteArray stepsOutput(const Inputs& inputs, const QList<ItemEvaluation>& evaluations)
{
    QString text;
    const QList<FieldHint> hints = caseHints(inputs);
    for (const ItemEvaluation& evaluation : evaluations) {
        if (!evaluation.computable())
            continue;
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += stepsText(derive(*evaluation.item, inputs, *evaluation.outcome, hints),
                          inputs.locale());
    }
    return text.toUtf8();
}

} // namespace

int main(int argc, char* argv[])
{
    // Over a file-size limit a write then fails with "File too large" and the
    // output is left as it was, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarvex-cli"));

    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.contains(QLatin1String("--batch")) && !args.contains(QLatin1String("--help")) &&
        !args.contains(QLatin1String("-h")))
        return runBatchCommand(args);
    const std::optional<Options> options = parseArguments(args);
    if (!options)
        return BadInput;
    if (options->help) {
        const QByteArray help = helpText().toUtf8();
        std::fwrite(help.constData(), 1, size_t(help.size()), stdout);
        return Written;
    }
    CaseInput input;
    if (!readInput(options->inputPath, input))
        return BadInput;
    // A file that names its number format is read in it, whatever the environment's.
    takeNumbersInto(input, QLocale());
    const Inputs inputs(input.fields);
    const QList<ItemEvaluation> evaluations = evaluateItems(inputs);
    reportFindings(evaluations, input);
    reportHints(inputs);
    switch (options->output) {
    case Options::Output::Steps:
        return writeBytes(options->outputPath, stepsOutput(inputs, evaluations));
    case Options::Output::Json:
        return writeBytes(
            options->outputPath,
            QJsonDocument(caseJson(inputs, evaluations)).toJson(QJsonDocument::Indented));
    case Options::Output::Export:
        break;
    }
    return writeResults(options->outputPath, resultRows(evaluations));
}
