// quarvex-cli: the Comprehensive Overview without a window. Reads the data
// entry fields as "Name=text" lines and writes the export file.

#include "analytes/checks.h"
#include "cases/cliinput.h"
#include "overview/export.h"
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
        "2 bad command line or input.\n"
        "\n"
        "Field names:\n");
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

// What the screen shows in message boxes goes to standard error, one line per
// field; beeps are silent.
class CliDialogs final : public Dialogs
{
public:
    explicit CliDialogs(const CliInput& input)
        : m_input(input)
    {}

    void beep() override {}

    void message(const QString& text, MessageIcon, const QString&) override
    {
        const QString field = fieldReported(text);
        const QString key = field.isEmpty() ? text : field;
        if (m_reported.contains(key))
            return;
        m_reported.insert(key);
        if (field.isEmpty()) {
            printErr(text);
            return;
        }
        printErr(
            QStringLiteral("line %1: %2: %3").arg(m_input.lines.value(field)).arg(field, text));
    }

    QString input(const QString&, const QString&, const QString&) override { return {}; }

private:
    // The input field whose value gives this conversion-failure text.
    QString fieldReported(const QString& text) const
    {
        for (const Analyte& a : analytes()) {
            const QString value = m_input.fields.value(a.id);
            if (!value.isEmpty() && conversionFailure(a.id, value) == text)
                return a.fieldName();
        }
        return {};
    }

    const CliInput& m_input;
    QSet<QString> m_reported;
};

bool readAll(const QString& path, QByteArray& bytes, QString& error)
{
    QFile file;
    const bool ok = path == QLatin1String("-")
                        ? file.open(stdin, QIODevice::ReadOnly)
                        : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!ok) {
        error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarvex-cli"));

    QString inputPath;
    QString outputPath;
    bool haveInput = false;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            const QByteArray help = helpText().toUtf8();
            std::fwrite(help.constData(), 1, size_t(help.size()), stdout);
            return Written;
        }
        if (arg == QLatin1String("-o")) {
            if (i + 1 >= args.size() || args.at(i + 1).isEmpty()) {
                printErr(QStringLiteral("-o needs a file name (see --help)"));
                return BadInput;
            }
            outputPath = args.at(++i);
        } else if (arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) {
            printErr(QStringLiteral("unknown option %1 (see --help)").arg(arg));
            return BadInput;
        } else if (haveInput) {
            printErr(QStringLiteral("only one input file can be given (see --help)"));
            return BadInput;
        } else {
            inputPath = arg;
            haveInput = true;
        }
    }
    if (!haveInput)
        inputPath = QStringLiteral("-");

    QByteArray bytes;
    QString error;
    if (!readAll(inputPath, bytes, error)) {
        printErr(QStringLiteral("%1: %2").arg(
            inputPath == QLatin1String("-") ? QStringLiteral("standard input") : inputPath, error));
        return BadInput;
    }

    CliInput input;
    if (const auto bad = parseCase(bytes, input)) {
        const QString where =
            inputPath == QLatin1String("-") ? QStringLiteral("standard input") : inputPath;
        printErr(QStringLiteral("%1: line %2: %3").arg(where).arg(bad->line).arg(bad->message));
        return BadInput;
    }

    CliDialogs dialogs(input);
    const QDate today = reportDate();
    if (outputPath.isEmpty()) {
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly)) {
            printErr(out.errorString());
            return NotWritten;
        }
        const QList<ResultRow> rows = overviewRows(input.fields, dialogs);
        if (!writeExport(out, today, rows) || !out.flush()) {
            printErr(QStringLiteral("standard output: %1").arg(out.errorString()));
            return NotWritten;
        }
        return Written;
    }
    if (const auto failure = saveExport(outputPath, today, input.fields, dialogs)) {
        printErr(QStringLiteral("%1: %2").arg(outputPath, *failure));
        return NotWritten;
    }
    return Written;
}
