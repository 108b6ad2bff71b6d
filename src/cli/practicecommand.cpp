#include "practicecommand.h"

#include "batchcommand.h"
#include "calc/items.h"
#include "cases/casefile.h"
#include "clioutput.h"
#include "practice/classgrade.h"
#include "practice/grade.h"
#include "practice/itemkeys.h"
#include "practice/moodlexml.h"
#include "practice/practicejson.h"
#include "practice/worksheet.h"

#include <QBuffer>
#include <QFile>
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
        printErr(QStringLiteral("--practice: no item \"%1\" (see --list-items)")
                     .arg(shownPath(options.practiceItem)));
        return Exit::BadInput;
    }
    // Without --seed a seed is drawn; the output names it, so the exercise can be made again.
    const quint64 seed =
        options.seed.value_or(QRandomGenerator::system()->generate64() & MaxPracticeSeed);
    const Exercise ex = makeExercise(*id, seed, options.level, std::nullopt, locale);
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
        printErr(inputName(path) + QStringLiteral(": the input is over 1 MiB"));
        return Exit::BadInput;
    }
    QString error;
    const std::optional<GradeRequest> request = readGradeRequest(bytes, error);
    if (!request) {
        printErr(inputName(path) + QStringLiteral(": ") + error);
        return Exit::BadInput;
    }
    const Exercise ex =
        makeExercise(request->item, request->seed, request->level, std::nullopt, locale);
    const Grade g = grade(ex, request->answers, locale);
    return writeBytes(options.outputPath, indented(gradeJson(ex, g)));
}

Exit worksheet(const CliOptions& options, const QLocale& locale)
{
    WorksheetSettings settings;
    for (const QString& name : options.worksheetItems.split(QLatin1Char(','))) {
        const std::optional<ItemId> id = findItem(name);
        if (!id) {
            printErr(QStringLiteral("--items: no item \"%1\" (see --list-items)")
                         .arg(shownPath(name.trimmed())));
            return Exit::BadInput;
        }
        settings.items << *id;
    }
    settings.count = options.count;
    settings.versions = options.versions;
    settings.level = options.level;
    settings.title = options.title;
    // Without --seed a seed is drawn; the output names it, so the sheet can be made again.
    settings.seed =
        options.seed.value_or(QRandomGenerator::system()->generate64() & MaxPracticeSeed);
    if (const QString problem = worksheetSettingsProblem(settings); !problem.isEmpty()) {
        printErr(QStringLiteral("--worksheet: ") + problem + QStringLiteral(" (see --help)"));
        return Exit::BadInput;
    }
    const Worksheet sheet = makeWorksheet(settings, locale);
    if (!options.moodleXmlPath.isEmpty()) {
        // Each question is named by its exercise's version, place, item and seed.
        const auto code = [&](int version, int index) {
            const Exercise& ex = sheet.versions[version - 1].exercises[index];
            return QStringLiteral("V%1-E%2 %3 seed %4")
                .arg(version)
                .arg(index + 1)
                .arg(itemKey(ex.item))
                .arg(ex.seed);
        };
        QBuffer xml;
        xml.open(QIODevice::WriteOnly);
        writeMoodleXml(xml, settings.title, worksheetMoodleQuestions(sheet, code));
        if (const Exit exit = writeBytes(options.moodleXmlPath, xml.data()); exit != Exit::Written)
            return exit;
    }
    return writeBytes(options.outputPath, indented(worksheetJson(sheet)));
}

Exit gradeClassAnswers(const CliOptions& arguments, const QLocale& locale)
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
    ClassGradeOptions options;
    options.locale = locale;
    options.report = [&](const QString& problem) {
        printErr(where + QStringLiteral(": ") + problem);
    };
    const ClassGradeSummary summary = gradeClass(input, output.device(), options);
    // A bad header was said as it was read.
    return finishRowsRun(summary.status, summary.error, where, std::nullopt,
                         QStringLiteral("Student, Item, Seed, Level and the step ids"), output,
                         [&] { printErr(classSummaryText(summary, locale)); });
}

Exit listItems(const CliOptions& options)
{
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
    return QStringLiteral(
        "Practice:\n"
        "  quarvex-cli --practice ITEM [--seed N] [--level 1|2|3] [--answers]\n"
        "             [--locale NAME] [-o PATH]\n"
        "  quarvex-cli --grade [--locale NAME] [-o PATH] [--] [FILE]\n"
        "  quarvex-cli --list-items [--json] [-o PATH]\n"
        "\n"
        "--practice writes one exercise as JSON: a case generated from the seed (a\n"
        "whole number from 0 to 9007199254740991; drawn when not given, and named in\n"
        "the output) with values in each input's typical range, and the steps that\n"
        "work it out, each with its id, prompt, unit, kind (number or choice),\n"
        "choices, tolerance and whether it is given. Level 1 gives the conversions,\n"
        "2 asks them too, 3 asks only each result and interpretation (default 1).\n"
        "--answers adds each step's expected answer. ITEM is an item's id or its\n"
        "list text; --list-items prints the ids and names (--json: as JSON).\n"
        "The same item, seed and level give the same exercise everywhere.\n"
        "\n"
        "--grade reads {\"item\", \"seed\", \"level\", \"answers\": {step id: answer}}\n"
        "(FILE, or standard input) and writes {\"steps\": [{\"id\", \"correct\",\n"
        "\"expected\", \"feedback\", \"slip\"}], \"correct\", \"asked\", \"score\"}. An\n"
        "answer is a JSON number, or a text: a number with a decimal point or in the\n"
        "--locale's format, or a choice's text or number (1 for the first). \"slip\"\n"
        "names the slip a wrong answer matches, or is null.\n"
        "\n"
        "Worksheets and grading a class:\n"
        "  quarvex-cli --worksheet --items ID[,ID...] [--count N] [--versions V]\n"
        "             [--seed S] [--level 1|2|3] [--title T] [--locale NAME]\n"
        "             [--moodle-xml PATH] [-o PATH]\n"
        "  quarvex-cli --grade --batch [--locale NAME] [-o PATH] [--] [FILE]\n"
        "\n"
        "--worksheet writes a worksheet as JSON: for each of V versions (one per\n"
        "student, numbered from 1; 1 to 200, default 1) N exercises of each item\n"
        "(1 to 20, default 1), each with its own seed made from S, the version, the\n"
        "item and the exercise's place, written as --practice writes an exercise;\n"
        "under \"answers\" each exercise's item, seed, level and the expected value\n"
        "of every step asked. The window's worksheet makes the same exercises from\n"
        "the same settings.\n"
        "--moodle-xml writes the exercises as Moodle XML besides: a category named\n"
        "by the title, then one embedded-answers (cloze) question per version and\n"
        "exercise, each asked step a gap with the step's tolerance, each slip's\n"
        "answer at 0 % with its feedback, the worked steps as general feedback.\n"
        "\n"
        "--grade --batch grades a class's answers from CSV, with batch mode's CSV\n"
        "rules and exit statuses: one row per student and exercise, with the\n"
        "columns Student, Item (id or list text), Seed, Level and one column per\n"
        "step id (as --practice names them; a column absent or empty is a blank\n"
        "answer). The output is CSV with the same delimiter: Student, Item, Seed,\n"
        "Level, Score (0 to 1), Right, Asked, and for each step asked \"<id>: mark\"\n"
        "(right, wrong or blank), \"<id>: slip\" (the slip's id or empty) and\n"
        "\"<id>: feedback\". A summary goes to standard error: students, exercises,\n"
        "mean score and the three most frequent slips. A row with an unknown item,\n"
        "a seed or level out of range or an answer to a step its exercise does not\n"
        "have is reported with its line and skipped (exit status 3), as is a row\n"
        "batch mode would skip; at most 20000 rows are graded.\n");
}

} // namespace quarvex
