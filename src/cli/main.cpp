// quarvex-cli: the Comprehensive Overview without a window. Reads the data
// entry fields as "Name=text" lines and writes the export file.

#include "batchcommand.h"
#include "cases/cliinput.h"
#include "overview/export.h"
#include "overview/overview.h"
#include "overview/reportdate.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

#include <cstdio>

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
        "Usage: quarvex-cli [FILE] [-o PATH]\n"
        "       quarvex-cli --batch [FILE|-] [-o PATH] [--locale NAME] [--threads N]\n"
        "\n"
        "Computes every test item of the Comprehensive Overview that the given values\n"
        "allow and writes the results in the tab-delimited export format.\n"
        "\n"
        "Input (FILE, or standard input when no FILE or \"-\" is given): one field a\n"
        "line as Name=text, with the field names of the Data Entry screen. The text\n"
        "after \"=\" is taken as typed, exactly as if it were typed into the field:\n"
        "numbers in the number format of the locale (LC_ALL, LANG), units exactly as\n"
        "in the unit lists (\"mg/dL\", not \"MG/DL\"), Gender as Male or Female.\n"
        "Blank lines and lines starting with # are ignored; a field not given is\n"
        "empty. An unknown name, a line without \"=\" or a name given twice stops the\n"
        "program with an error naming the line, and so does a line that is not UTF-8.\n"
        "Lines may end in LF, CR LF or CR. A case saved by Quarvex is such a file.\n"
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
        "  -o PATH    write the results to PATH (replaced only once fully written)\n"
        "             instead of standard output\n"
        "  --help     show this text\n"
        "\n"
        "A value that is not a number is reported on standard error, naming the\n"
        "field; items that need it are left out, as on the screen.\n"
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

// The conversion failures of the pass, one line per field on standard error
// (in the order the screen would show their boxes), naming the input line.
void reportConversionFailures(const QList<ItemEvaluation>& evaluations, const CliInput& input)
{
    QSet<AnalyteId> reported;
    for (const ItemEvaluation& evaluation : evaluations) {
        for (const Finding& finding : evaluation.findings) {
            if (!alertFor(finding).box || !finding.analyte || reported.contains(*finding.analyte))
                continue;
            reported.insert(*finding.analyte);
            const QString field = analyte(*finding.analyte).fieldName();
            printErr(QStringLiteral("line ") + QString::number(input.lines.value(field)) +
                     QStringLiteral(": ") + field + QStringLiteral(": ") + finding.text);
        }
    }
}

struct Options {
    QString inputPath = QStringLiteral("-"); // "-": standard input
    QString outputPath;                      // empty: standard output
    bool help = false;
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
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
            return options;
        }
        if (arg == QLatin1String("-o")) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                printErr(QStringLiteral("-o needs a file name (see --help)"));
                return std::nullopt;
            }
            options.outputPath = args.at(++i);
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            printErr(QStringLiteral("unknown option ") + arg + QStringLiteral(" (see --help)"));
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
bool readInput(const QString& path, CliInput& input)
{
    QFile file;
    const bool ok = path == QLatin1String("-")
                        ? file.open(stdin, QIODevice::ReadOnly)
                        : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    const QByteArray bytes = ok ? file.readAll() : QByteArray();
    if (!ok || file.error() != QFileDevice::NoError) {
        printErr(inputName(path) + QStringLiteral(": ") + file.errorString());
        return false;
    }
    if (const auto bad = parseCase(bytes, input)) {
        printErr(inputName(path) + QStringLiteral(": line ") + QString::number(bad->line) +
                 QStringLiteral(": ") + bad->message);
        return false;
    }
    return true;
}

// Writes the export of the rows to the output; on an error, says why on standard error.
Exit writeResults(const QString& outputPath, const QList<ResultRow>& rows)
{
    const QDate today = reportDate();
    if (outputPath.isEmpty()) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly)) {
            printErr(out.errorString());
            return NotWritten;
        }
        if (!writeExport(out, today, rows) || !out.flush()) {
            printErr(QStringLiteral("standard output: ") + out.errorString());
            return NotWritten;
        }
        return Written;
    }
    if (const auto failure = saveExport(outputPath, today, rows)) {
        printErr(outputPath + QStringLiteral(": ") + *failure);
        return NotWritten;
    }
    return Written;
}

} // namespace

int main(int argc, char* argv[])
{
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
    CliInput input;
    if (!readInput(options->inputPath, input))
        return BadInput;
    const QList<ItemEvaluation> evaluations = evaluateItems(Inputs(input.fields));
    reportConversionFailures(evaluations, input);
    return writeResults(options->outputPath, resultRows(evaluations));
}
