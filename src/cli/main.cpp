// quarvex-cli: the Comprehensive Overview without a window. Reads the data
// entry fields as "Name=text" lines and writes the export file.

#include "analytes/findings.h"
#include "analytes/hints.h"
#include "batchcommand.h"
#include "calc/derivation.h"
#include "cases/casefile.h"
#include "climessages.h"
#include "clioptions.h"
#include "clioutput.h"
#include "i18n/language.h"
#include "overview/export.h"
#include "overview/json.h"
#include "overview/overview.h"
#include "overview/reportdate.h"
#include "practicecommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSet>

#include <csignal>
#include <cstdio>
#include <exception>
#include <memory>
#include <new>
#include <system_error>

#include <sys/resource.h>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace quarvex;

namespace {

QString helpText()
{
    QString text =
        Cli::tr("Usage: quarvex-cli [-o PATH] [--steps | --json] [--locale NAME] [--] [FILE]\n"
                "       quarvex-cli --batch [-o PATH] [--json] [--locale NAME] [--threads N]\n"
                "                           [--] [FILE]\n"
                "       quarvex-cli --items-json [-o PATH] [--locale NAME]\n"
                "\n"
                "Computes every test item of the Comprehensive Overview that the given values\n"
                "allow and writes the results in the tab-delimited export format.\n"
                "\n"
                "Input (FILE, or standard input when no FILE or \"-\" is given): one field a\n"
                "line as Name=text, with the field names of the Data Entry screen. The text\n"
                "after \"=\" is taken as typed, exactly as if it were typed into the field:\n"
                "numbers in the number format of the locale (--locale, else LC_ALL,\n"
                "LC_NUMERIC, LANG), units exactly as in the unit lists (\"mg/dL\", not\n"
                "\"MG/DL\"), Gender as Male or Female; blanks and tabs at the end of a unit\n"
                "or Gender are dropped. Lines end in LF, CR LF or CR. Blank lines and lines\n"
                "starting with # are ignored; a field not given is empty. An unknown name,\n"
                "a line without \"=\", a name given twice, a line over 4096 bytes or an input\n"
                "over 1 MiB stops the program with an error naming the line, before anything\n"
                "is computed, and so does a line that is not UTF-8. A line Locale=NAME\n"
                "(\"en_US\", \"de_DE\", \"C\") says which number format the file's values are\n"
                "written in: they are then read in it, whatever the environment's. A case\n"
                "saved by Quarvex is such a file.\n"
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
                "  -o PATH    write the results to PATH instead of standard output (in every\n"
                "             mode, once at most); a regular file is replaced only once fully\n"
                "             written, a device or pipe is written in place, and the\n"
                "             program's own standard output or error (/dev/stdout,\n"
                "             /dev/fd/1, ...) is written as it was opened, so \">>\" appends.\n"
                "             \"-o -\" is standard output. A PATH naming the input is refused.\n"
                "  --locale NAME  read and write numbers as that locale does (de_DE: 1,5)\n"
                "  --lang de|en  the language of the messages and of this help (default:\n"
                "             English, whatever the environment's); the results, the export,\n"
                "             JSON and worked steps stay in English in every language\n"
                "  --         ends the options: a FILE starting with \"-\" follows\n"
                "  --steps    write the worked steps of every computed item as plain text\n"
                "             instead of the results\n"
                "  --json     write one JSON document with the inputs, every item's rows,\n"
                "             bands and sources instead of the results\n"
                "  --items-json  write what every case shares, once: the fields with their\n"
                "             units and reference intervals (numbers as --locale writes\n"
                "             them), each item's rows with their formulas, band tables and\n"
                "             interpretations, its sources, and the note templates (the\n"
                "             lines of --batch --json refer to it by position and id)\n"
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
                "Exit status, in every mode:\n"
                "  0  the results were written\n"
                "  1  the output could not be written, or memory ran out (an existing\n"
                "     file is left as it was)\n"
                "  2  bad command line, or input that cannot be used (nothing is written)\n"
                "  3  batch mode: rows skipped or the input ended inside a row; the other\n"
                "     cases were written\n"
                "\n");
    text += batchHelpText() + QLatin1Char('\n') + practiceHelpText() + Cli::tr("\nField names:\n");
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
                printErr(Cli::tr("warning: %1").arg(finding.shownText()));
                continue;
            }
            const AnalyteId id = *finding.analyte;
            if (reported.contains(int(id)))
                continue;
            const Analyte& a = analyte(id);
            if (finding.kind == FindingKind::UnknownUnit) {
                reported.insert(int(id));
                printErr(Cli::tr("warning: %1: %2")
                             .arg(a.unitFieldName(),
                                  shownNotOneOfText(input.fields.unit(id), a.listItems())));
            } else if (finding.kind == FindingKind::NoGender && !input.fields.value(id).isEmpty()) {
                reported.insert(int(id));
                printErr(Cli::tr("warning: %1: %2")
                             .arg(a.fieldName(),
                                  shownNotOneOfText(input.fields.value(id), a.listItems())));
            } else if (alertFor(finding).box) {
                reported.insert(int(id));
                const QString field = a.fieldName();
                //: %1 is a line number, %2 a field name, %3 what is wrong with its value.
                printErr(Cli::tr("line %1: %2: %3")
                             .arg(QString::number(input.lines.value(field)), field,
                                  finding.shownText()));
            }
        }
    }
    if (input.lines.isEmpty())
        printErr(Cli::tr("warning: no fields given"));
}

// The hints of the case, one warning line on standard error for each field
// a hint is on. They change neither the results nor the exit status.
void reportHints(const Inputs& inputs)
{
    for (const FieldHint& hint : caseHints(inputs))
        printErr(
            Cli::tr("warning: %1: %2").arg(analyte(hint.analyte).fieldName(), hint.shownText()));
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
        printErr(bad->line > 0
                     ? Cli::tr("%1: line %2: %3")
                           .arg(inputName(path), QString::number(bad->line), bad->shownMessage())
                     : QStringLiteral("%1: %2").arg(inputName(path), bad->shownMessage()));
        return false;
    }
    return true;
}

// The worked steps of every computed item, one after another.
QByteArray stepsOutput(const Inputs& inputs, const QList<ItemEvaluation>& evaluations)
{
    const EnglishTexts english;
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

// One case from Name=text lines.
Exit runSingle(const CliOptions& options)
{
    if (options.locale)
        QLocale::setDefault(*options.locale);
    CaseInput input;
    if (!readInput(options.inputPath, input))
        return Exit::BadInput;
    // A file that names its number format is read in it, whatever the environment's.
    takeNumbersInto(input, QLocale());
    const Inputs inputs(input.fields);
    const QList<ItemEvaluation> evaluations = evaluateItems(inputs);
    reportFindings(evaluations, input);
    reportHints(inputs);
    switch (options.format) {
    case CliOptions::Format::Steps:
        return writeBytes(options.outputPath, stepsOutput(inputs, evaluations));
    case CliOptions::Format::Json:
        return writeBytes(
            options.outputPath,
            QJsonDocument(caseJson(inputs, evaluations)).toJson(QJsonDocument::Indented));
    case CliOptions::Format::Export:
        break;
    }
    return writeBytes(options.outputPath, exportBytes(reportDate(), resultRows(evaluations)));
}

Exit run(const QStringList& args)
{
    QString error;
    // The language first, so that every message is in it.
    const std::optional<QString> language = commandLineLanguage(args, error);
    if (!language) {
        printErr(error);
        return Exit::BadInput;
    }
    installLanguage(*language);
    const std::optional<CliOptions> options = parseCommandLine(args, error);
    if (!options) {
        printErr(error);
        return Exit::BadInput;
    }
    if (options->mode == CliOptions::Mode::Help)
        return writeBytes(QStringLiteral("-"), helpText().toUtf8());
    if (options->mode == CliOptions::Mode::ItemsJson)
        return writeBytes(options->outputPath,
                          QJsonDocument(itemsJson(options->locale.value_or(QLocale::c())))
                              .toJson(QJsonDocument::Indented));
    if (options->mode == CliOptions::Mode::Practice ||
        options->mode == CliOptions::Mode::ListItems ||
        options->mode == CliOptions::Mode::Worksheet)
        return runPracticeCommand(*options);
    if (outputIsInput(options->outputPath, options->inputPath)) {
        printErr(Cli::tr("-o %1 names the input; writing it would destroy what is read "
                         "(see --help)")
                     .arg(shownPath(options->outputPath)));
        return Exit::BadInput;
    }
    if (options->mode == CliOptions::Mode::Batch)
        return runBatchCommand(*options);
    if (options->mode == CliOptions::Mode::Grade || options->mode == CliOptions::Mode::GradeClass)
        return runPracticeCommand(*options);
    return runSingle(*options);
}

// Memory can run out where the exception cannot reach main's handler: in a
// container's growth that is noexcept (QHash's), or inside the CSV parser's
// C code. The program then ends here, as it would in main: one line, exit 1,
// an unfinished output file removed. Anything else aborts as it would have.
[[noreturn]] void onTerminate()
{
    if (const std::exception_ptr failure = std::current_exception()) {
        try {
            std::rethrow_exception(failure);
        } catch (const std::bad_alloc&) {
            removeUnfinishedOutput();
            static const char line[] = "quarvex-cli: out of memory; the output was not written\n";
            const ssize_t written = ::write(STDERR_FILENO, line, sizeof line - 1);
            static_cast<void>(written);
            ::_exit(int(Exit::NotWritten));
        } catch (...) {
        }
    }
    std::abort();
}

// Qt's own remarks on the offscreen platform ("XDG_RUNTIME_DIR not set")
// are no business of the command line's; its errors come from printErr.
// Qt's critical and fatal messages pass.
QtMessageHandler qtMessages = nullptr;
void quietQt(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtMessages(type, context, text);
}

// The application: laying out pages (--pdf, --key-pdf) needs Qt Gui's fonts,
// so then a QGuiApplication, always on the offscreen platform, which needs
// no display and opens no window; every other mode starts on Qt Core alone.
// The QGuiApplication is given no arguments of the command line, so none is
// taken as one of Qt's own (-platform, -reverse).
// The arguments after the program's name, as QCoreApplication::arguments reads them.
QStringList commandLine(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[], int& guiArgc)
{
    QString error;
    const std::optional<CliOptions> options = parseCommandLine(commandLine(argc, argv), error);
    if (!options || !writesPages(*options))
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qtMessages = qInstallMessageHandler(quietQt);
    guiArgc = 1;
    return std::make_unique<QGuiApplication>(guiArgc, argv);
}

} // namespace

int main(int argc, char* argv[])
{
    // Over a file-size limit a write then fails with "File too large" and the
    // output is left as it was, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::set_terminate(onTerminate);
#ifdef __GLIBC__
    // Under a limit on the address space, each thread's first allocations
    // try to reserve an arena of its own (64 MB) and fail, again on every
    // allocation: a run slows to a crawl. One shared arena instead.
    struct rlimit space {};
    if (::getrlimit(RLIMIT_AS, &space) == 0 && space.rlim_cur != RLIM_INFINITY)
        mallopt(M_ARENA_MAX, 1);
#endif
    try {
        int guiArgc = 0;
        const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv, guiArgc);
        QCoreApplication::setApplicationName(QStringLiteral("quarvex-cli"));
        return int(run(commandLine(argc, argv)));
    } catch (const std::bad_alloc&) {
        // Nothing here may allocate. An output file was left as it was when
        // the stack unwound past its writer.
        std::fputs("quarvex-cli: out of memory; the output was not written\n", stderr);
    } catch (const std::system_error& e) {
        std::fputs("quarvex-cli: ", stderr);
        std::fputs(e.what(), stderr);
        std::fputs("; the output was not written\n", stderr);
    }
    return int(Exit::NotWritten);
}
