#include "practicecommand.h"

#include "batchcommand.h"
#include "calc/items.h"
#include "cases/casefile.h"
#include "climessages.h"
#include "clioutput.h"
#include "i18n/language.h"
#include "practice/classgrade.h"
#include "practice/grade.h"
#include "practice/itemkeys.h"
#include "practice/moodlexml.h"
#include "practice/practicejson.h"
#include "practice/scenarios.h"
#include "practice/worksheet.h"
#include "worksheetpdf.h"

#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>

#include <unistd.h>

namespace quarvex {

namespace {

QByteArray indented(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

Exit practice(const CliOptions& options, const QLocale& locale)
{
    const std::optional<ItemId> id = findItem(options.practiceItem);
    if (!id) {
        printErr(Cli::tr("--practice: no item \"%1\" (see --list-items)")
                     .arg(shownPath(options.practiceItem)));
        return Exit::BadInput;
    }
    // Without --seed a seed is drawn; the output names it, so the exercise can be made again.
    const quint64 seed =
        options.seed.value_or(QRandomGenerator::system()->generate64() & MaxPracticeSeed);
    if (const QString problem = scenarioProblem(*id, options.scenarios); !problem.isEmpty()) {
        printErr(QStringLiteral("--scenario: ") + problem);
        return Exit::BadInput;
    }
    const EnglishTexts english;
    const Exercise ex =
        makeExercise(*id, seed, options.level, std::nullopt, locale, options.scenarios);
    return writeBytes(options.outputPath, indented(exerciseJson(ex, options.answers)));
}

Exit gradeAnswers(const CliOptions& options, const QLocale& locale)
{
    const QString& path = options.inputPath;
    QFile file;
    const bool ok =
        path == QLatin1String("-")
            ? file.open(STDIN_FILENO, QIODevice::ReadOnly | QIODevice::Unbuffered)
            : (file.setFileName(path), file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    if (!ok) {
        printErr(inputName(path) + QStringLiteral(": ") + file.errorString());
        return Exit::BadInput;
    }
    QByteArray bytes;
    while (bytes.size() <= MaxInputBytes) {
        const QByteArray chunk = file.read(64 * 1024);
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        printErr(inputName(path) + QStringLiteral(": ") + file.errorString());
        return Exit::BadInput;
    }
    if (bytes.size() > MaxInputBytes) {
        printErr(Cli::tr("%1: the input is over 1 MiB").arg(inputName(path)));
        return Exit::BadInput;
    }
    QString error;
    const std::optional<GradeRequest> request = readGradeRequest(bytes, error);
    if (!request) {
        printErr(inputName(path) + QStringLiteral(": ") + error);
        return Exit::BadInput;
    }
    const EnglishTexts english;
    const Exercise ex = makeExercise(request->item, request->seed, request->level, std::nullopt,
                                     locale, request->scenarios);
    const Grade g = grade(ex, request->answers, locale, {options.countCarried});
    return writeBytes(options.outputPath, indented(gradeJson(ex, g)));
}

Exit worksheet(const CliOptions& options, const QLocale& locale)
{
    WorksheetSettings settings;
    for (const QString& name : options.worksheetItems.split(QLatin1Char(','))) {
        const std::optional<ItemId> id = findItem(name);
        if (!id) {
            printErr(Cli::tr("--items: no item \"%1\" (see --list-items)")
                         .arg(shownPath(name.trimmed())));
            return Exit::BadInput;
        }
        settings.items << *id;
    }
    settings.count = options.count;
    settings.versions = options.versions;
    settings.level = options.level;
    settings.title = options.title;
    settings.scenarios = options.scenarios;
    // Without --seed a seed is drawn; the output names it, so the sheet can be made again.
    settings.seed =
        options.seed.value_or(QRandomGenerator::system()->generate64() & MaxPracticeSeed);
    if (const QString problem = worksheetSettingsProblem(settings); !problem.isEmpty()) {
        printErr(Cli::tr("--worksheet: %1 (see --help)").arg(problem));
        return Exit::BadInput;
    }
    if (!options.moodleXmlPath.isEmpty() || !options.classCsvPath.isEmpty() ||
        writesPages(options)) {
        // These need the whole sheet at once; the JSON below is written as it is made.
        const EnglishTexts english;
        const Worksheet sheet = makeWorksheet(settings, locale);
        if (!options.classCsvPath.isEmpty()) {
            if (const Exit exit = writeBytes(options.classCsvPath, worksheetClassCsv(sheet));
                exit != Exit::Written)
                return exit;
        }
        if (!options.moodleXmlPath.isEmpty()) {
            // Each question is named by the code printed beside its exercise.
            const QString id = worksheetId(settings);
            const auto code = [&](int version, int index) {
                return worksheetExerciseCode(id, version, index);
            };
            QBuffer xml;
            xml.open(QIODevice::WriteOnly);
            writeMoodleXml(xml, settings.title, worksheetMoodleQuestions(sheet, code));
            if (const Exit exit = writeBytes(options.moodleXmlPath, xml.data());
                exit != Exit::Written)
                return exit;
        }
        if (writesPages(options)) {
            if (const Exit exit = writeWorksheetPdfs(options, sheet, locale); exit != Exit::Written)
                return exit;
        }
    }
    // Written as it is made, so that a large sheet needs the memory of one version.
    const EnglishTexts english;
    return writeOutput(options.outputPath, [&](CliOutput& output) -> std::optional<QString> {
        if (!writeWorksheetJson(settings, locale, output.device()))
            return output.device().errorString();
        return std::nullopt;
    });
}

// The sheet file named by --sheet, or why it cannot be read (said on standard error).
std::optional<WorksheetSettings> readSheetFile(const QString& path)
{
    QFile file(path);
    QString error;
    std::optional<WorksheetSettings> settings;
    if (!file.open(QIODevice::ReadOnly))
        error = file.errorString();
    else
        settings = readWorksheetFile(file, error);
    if (!settings)
        printErr(Cli::tr("--sheet %1: %2").arg(shownPath(path), error));
    return settings;
}

Exit gradeClassAnswers(const CliOptions& arguments, const QLocale& locale)
{
    const QString where = inputName(arguments.inputPath);
    ClassGradeOptions options;
    if (!arguments.sheetPath.isEmpty()) {
        options.sheet = readSheetFile(arguments.sheetPath);
        if (!options.sheet)
            return Exit::BadInput;
    }
    // The gradebook may not take the place of what is read.
    if (!arguments.gradebookPath.isEmpty() &&
        (outputIsInput(arguments.gradebookPath, arguments.inputPath) ||
         (!arguments.sheetPath.isEmpty() &&
          outputIsInput(arguments.gradebookPath, arguments.sheetPath)))) {
        printErr(Cli::tr("--gradebook %1 names a file that is read; writing it would destroy it "
                         "(see --help)")
                     .arg(shownPath(arguments.gradebookPath)));
        return Exit::BadInput;
    }
    if (!arguments.sheetPath.isEmpty() &&
        outputIsInput(arguments.outputPath, arguments.sheetPath)) {
        printErr(Cli::tr("-o %1 names the sheet file; writing it would destroy it (see --help)")
                     .arg(shownPath(arguments.outputPath)));
        return Exit::BadInput;
    }
    QFile input;
    if (!openRowsInput(arguments.inputPath, where, input))
        return Exit::BadInput;
    CliOutput output(arguments.outputPath);
    if (const std::optional<QString> failure = output.open()) {
        printErr(output.name() + QStringLiteral(": ") + *failure);
        return Exit::NotWritten;
    }
    options.locale = locale;
    options.countCarried = arguments.countCarried;
    options.report = [&](const QString& problem) {
        printErr(where + QStringLiteral(": ") + problem);
    };
    const ClassGradeSummary summary = gradeClass(input, output.device(), options);
    Exit gradebook = Exit::Written;
    // A bad header was said as it was read.
    const Exit exit = finishRowsRun(
        summary.status, summary.error, where, std::nullopt,
        options.sheet ? Cli::tr("Student, Code and the step ids")
                      : Cli::tr("Student, Item, Seed, Level, Generator and the step ids"),
        output, [&] {
            for (const QString& line : classSummaryText(summary, locale).split(QLatin1Char('\n')))
                printErr(line);
            if (!arguments.gradebookPath.isEmpty())
                gradebook = writeOutput(
                    arguments.gradebookPath, [&](CliOutput& out) -> std::optional<QString> {
                        if (!writeGradebook(summary.gradebook, locale, out.device()))
                            return out.device().errorString();
                        return std::nullopt;
                    });
        });
    return gradebook != Exit::Written ? gradebook : exit;
}

Exit listScenarios(const CliOptions& options)
{
    if (options.format == CliOptions::Format::Json) {
        QJsonArray list;
        for (const Scenario& s : scenarios()) {
            list << QJsonObject{{QStringLiteral("id"), QString::fromLatin1(s.id)},
                                {QStringLiteral("name"), QString::fromUtf8(s.title)},
                                {QStringLiteral("line"), QString::fromUtf8(s.line)}};
        }
        return writeBytes(options.outputPath, QJsonDocument(list).toJson(QJsonDocument::Indented));
    }
    QString text;
    for (const Scenario& s : scenarios())
        text += QString::fromLatin1(s.id) + QLatin1Char('\t') + QString::fromUtf8(s.title) +
                QStringLiteral(": ") + QString::fromUtf8(s.line) + QLatin1Char('\n');
    return writeBytes(options.outputPath, text.toUtf8());
}

Exit listItems(const CliOptions& options)
{
    if (options.listScenarios)
        return listScenarios(options);
    if (options.format == CliOptions::Format::Json)
        return writeBytes(options.outputPath,
                          QJsonDocument(itemListJson()).toJson(QJsonDocument::Indented));
    QString text;
    for (const ItemDescriptor& d : overviewItems())
        text +=
            itemKey(d.id) + QLatin1Char('\t') + QString::fromLatin1(d.listText) + QLatin1Char('\n');
    return writeBytes(options.outputPath, text.toUtf8());
}

} // namespace

Exit runPracticeCommand(const CliOptions& options)
{
    // Numbers in texts and typed answers: --locale, else the C format.
    const QLocale locale = options.locale.value_or(QLocale::c());
    switch (options.mode) {
    case CliOptions::Mode::Practice:
        return practice(options, locale);
    case CliOptions::Mode::Grade:
        return gradeAnswers(options, locale);
    case CliOptions::Mode::Worksheet:
        return worksheet(options, locale);
    case CliOptions::Mode::GradeClass:
        return gradeClassAnswers(options, locale);
    default:
        return listItems(options);
    }
}

QString practiceHelpText()
{
    return Cli::tr(
        "Practice:\n"
        "  quarvex-cli --practice ITEM [--seed N] [--level 1|2|3] [--scenario ID]\n"
        "             [--answers] [--locale NAME] [-o PATH]\n"
        "  quarvex-cli --grade [--no-carry] [--locale NAME] [-o PATH] [--] [FILE]\n"
        "  quarvex-cli --list-items [--json] [-o PATH]\n"
        "  quarvex-cli --list-scenarios [--json] [-o PATH]\n"
        "\n"
        "--practice writes one exercise as JSON: a case generated from the seed (a\n"
        "whole number from 0 to 9007199254740991; drawn when not given, and named in\n"
        "the output), a patient of one of the clinical scenarios that report the\n"
        "item's values (--scenario ID: of that one; --list-scenarios lists them), and\n"
        "the version of the generator (\"generator\"), and the steps that\n"
        "work it out, each with its id, prompt, unit, kind (number or choice),\n"
        "choices, tolerance and whether it is given. Level 1 gives the conversions,\n"
        "2 asks them too, 3 asks only each result and interpretation (default 1).\n"
        "--answers adds each step's expected answer. ITEM is an item's id or its\n"
        "list text; --list-items prints the ids and names (--json: as JSON).\n"
        "The same item, seed, level, scenario and generator version give the same\n"
        "exercise everywhere.\n"
        "\n"
        "--grade reads {\"item\", \"seed\", \"level\", \"generator\", \"scenarios\" (where\n"
        "one was chosen), \"answers\": {step id: answer}} (FILE, or standard input);\n"
        "input without \"generator\" or of another version was made by another\n"
        "generator and is refused: make the exercise again. It writes {\"steps\":\n"
        "[{\"id\", \"correct\", \"carried\", \"expected\", \"feedback\", \"slip\"}],\n"
        "\"correct\", \"right\", \"carried\", \"asked\", \"score\"}. An answer is a JSON\n"
        "number, or a text: a number with a decimal point or in the --locale's\n"
        "format, or a choice's text or number (1 for the first). \"slip\" names the\n"
        "slip a wrong answer matches, or is null. A step wrong from the case but\n"
        "right when worked from the learner's own earlier answers is \"carried\"\n"
        "(right from your earlier answer) and counts in \"correct\" and \"score\";\n"
        "\"right\" counts the steps right from the case itself. --no-carry counts\n"
        "carried steps wrong.\n"
        "\n"
        "Worksheets and grading a class:\n"
        "  quarvex-cli --worksheet --items ID[,ID...] [--count N] [--versions V]\n"
        "             [--seed S] [--level 1|2|3] [--title T] [--scenarios ID[,ID...]]\n"
        "             [--locale NAME] [--class-csv PATH] [--moodle-xml PATH]\n"
        "             [--pdf PATH] [--key-pdf PATH] [--key-without-steps] [-o PATH]\n"
        "  quarvex-cli --grade --batch [--sheet SHEET] [--gradebook PATH] [--no-carry]\n"
        "             [--locale NAME] [-o PATH] [--] [FILE]\n"
        "\n"
        "--worksheet writes a worksheet as JSON: for each of V versions (one per\n"
        "student, numbered from 1; 1 to 200, default 1) N exercises of each item\n"
        "(1 to 20, default 1), each with its own seed made from S, the version, the\n"
        "item and the exercise's place, written as --practice writes an exercise\n"
        "(--scenarios: the cases drawn from those scenarios only; an item none of\n"
        "them supports is refused); under \"answers\" each exercise's item, seed,\n"
        "level, generator, scenarios and the expected value\n"
        "of every step asked. The window's worksheet makes the same exercises from\n"
        "the same settings. It is the sheet file: its \"sheet\" is the sheet's id, a\n"
        "hash of the settings, and every exercise has a code printed beside it, the\n"
        "sheet id, version, exercise number and a check character (K7Q4-12-1C).\n"
        "--class-csv writes the class file to fill in: Student (empty), Code and one\n"
        "column per step asked, headed by the step id; a row per version and exercise.\n"
        "--moodle-xml writes the exercises as Moodle XML besides: a category named\n"
        "by the title, then one embedded-answers (cloze) question per version and\n"
        "exercise, each asked step a gap with the step's tolerance, each slip's\n"
        "answer at 0 % with its feedback, the worked steps as general feedback.\n"
        "--pdf writes the students' sheets as PDF, as the window's worksheet dialog\n"
        "saves them: each version from a new page with a Name and Date line, the\n"
        "answer key after all versions (its answer tables, then the worked steps).\n"
        "--key-pdf writes the key as a document of its own instead (alone when\n"
        "--pdf is not given); --key-without-steps leaves the worked steps out of\n"
        "the key. Numbers as --locale writes them, on Letter paper for a US locale,\n"
        "A4 otherwise. The sheet file still goes to -o (standard output when not\n"
        "given). No display is needed.\n"
        "\n"
        "--grade --batch grades a class's answers from CSV, with batch mode's CSV\n"
        "rules and exit statuses: one row per student and exercise, with the\n"
        "columns Student, Item (id or list text), Seed, Level, Generator (the\n"
        "generator version; a sheet without it was made by an earlier generator\n"
        "and is refused), optionally Scenario (ids separated by blanks) and one column per\n"
        "step id (as --practice names them; a column absent or empty is a blank\n"
        "answer). The output is CSV with the same delimiter: Student, Item, Seed,\n"
        "Level, Generator, Scenario (where given), Score (0 to 1), Right (carried\n"
        "steps counted unless --no-carry),\n"
        "Fully right, Asked, and for each step asked \"<id>: mark\" (right, carried,\n"
        "wrong or blank), \"<id>: slip\" (the slip's id or empty) and\n"
        "\"<id>: feedback\", then any other column of the input (Email, ID number:\n"
        "a name that is no step id's) as it was, named once in a warning. Cells\n"
        "from the input that start with =, +, -, @, a tab or a carriage return get\n"
        "a leading apostrophe, so that a spreadsheet shows them as text. A summary\n"
        "goes to standard error: students, exercises and mean score; each slip named\n"
        "with the number of students who made it; item by item, how many of the\n"
        "exercises that asked each step had it right. A row with an unknown item, a\n"
        "seed or level out of range or an answer to a step its exercise does not\n"
        "have is reported with its line and skipped (exit status 3), as is a row\n"
        "batch mode would skip and a row with answers but an empty Student; a row\n"
        "with neither (a version nobody got) is left out.\n"
        "A file of more than 20000 rows is refused before anything is written\n"
        "(exit status 2).\n"
        "\n"
        "--sheet SHEET reads the sheet file (--worksheet -o) the class file belongs to;\n"
        "the class file may then name each exercise by its Code column (as\n"
        "--class-csv writes it) instead of Item, Seed, Level and Generator. A code\n"
        "mistyped, of another sheet or of an exercise the sheet lacks is reported\n"
        "with its line and the row skipped (exit status 3); small letters and\n"
        "spaces around a code are read. The output then has Code after Student and\n"
        "the Item, Seed, Level and Generator of the code's exercise. A Code column\n"
        "without --sheet is refused.\n"
        "\n"
        "--gradebook PATH writes one row per student (in the order first met) as\n"
        "CSV with the class file's delimiter: Student, the class file's Email, Email\n"
        "address, ID number, Username, ID, SIS User ID, SIS Login ID and Section\n"
        "columns where it has them (a grade import matches students on them), Total\n"
        "and one column per item, headed by the item's id: Total is the mean of the\n"
        "student's exercise scores times 100, an item's column the same over that\n"
        "item's exercises (empty when the student has none), with two decimals and\n"
        "the --locale's decimal separator.\n");
}

} // namespace quarvex
