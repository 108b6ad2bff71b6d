#include "practice/worksheetpages.h"

#include "analytes/format.h"
#include "calc/items.h"

#include <QCoreApplication>

namespace quarvex {

namespace {

// A printed sheet's own words, in the language installed.
QString sheetText(const char* text)
{
    return QCoreApplication::translate("quarvex::Worksheet", text);
}

QString titleOf(const Worksheet& sheet)
{
    const QString title = sheet.settings.title.trimmed();
    return title.isEmpty() ? sheetText(DefaultWorksheetTitle) : title;
}

QString itemName(const Exercise& ex)
{
    return item(ex.item).shownListText();
}

// The expected answer as the key prints it: the number as the steps show it
// (the result as it is shown), or the choice with its number.
QString expectedText(const ExerciseStep& s)
{
    if (s.kind == StepKind::Choice) {
        const int index = int(s.choices.indexOf(s.expectedText));
        return index < 0 ? s.expectedText
                         : QString::number(index + 1) + QStringLiteral(": ") + s.expectedText;
    }
    return s.expectedText;
}

PrintedStep printedStep(const ExerciseStep& s, bool key)
{
    PrintedStep out{s.label, s.prompt, QString(), s.unit};
    if (s.kind == StepKind::Choice) {
        for (qsizetype i = 0; i < s.choices.size(); ++i)
            out.prompt += QStringLiteral("\n%1: ").arg(i + 1) + s.choices[i];
    }
    if (key || s.given)
        out.answer = expectedText(s);
    return out;
}

QString levelNote(int level)
{
    switch (level) {
    case 1:
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                           "The conversions are given: work out each step of "
                                           "the formula, the result and its interpretation."));
    case 2:
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                           "Convert each value into the formula's unit, then "
                                           "work out each step, the result and its "
                                           "interpretation."));
    default:
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                           "Work out each result and its interpretation."));
    }
}

constexpr const char* ChoiceNote = QT_TRANSLATE_NOOP(
    "quarvex::Worksheet", "For an interpretation, write the number of the one you choose.");

} // namespace

PrintedWorksheet worksheetSheets(const Worksheet& sheet, const QString& footer,
                                 const QString& shortFooter)
{
    PrintedWorksheet out;
    out.documentTitle = titleOf(sheet);
    out.footer = footer;
    out.shortFooter = shortFooter;
    out.footerPerSection = true;
    const QString id = worksheetId(sheet.settings);
    for (const WorksheetVersion& v : sheet.versions) {
        PrintedSection section;
        section.title = titleOf(sheet);
        section.subtitle =
            sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "Version %1")).arg(v.number);
        //: %1 says what to work out at the sheet's level, %2 how to answer an interpretation.
        section.note = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "%1 %2"))
                           .arg(levelNote(sheet.settings.level), sheetText(ChoiceNote));
        //: The running header: the sheet's title and the version.
        section.header = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "%1 \u00b7 Version %2"))
                             .arg(titleOf(sheet))
                             .arg(v.number);
        section.nameLine = true;
        for (qsizetype e = 0; e < v.exercises.size(); ++e) {
            const Exercise& ex = v.exercises[e];
            PrintedExercise printed{
                sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "Exercise %1: %2"))
                    .arg(e + 1)
                    .arg(itemName(ex)),
                worksheetExerciseCode(id, v.number, int(e)),
                ex.caseText(),
                {},
                {}};
            for (const ExerciseStep& s : ex.steps)
                printed.steps << printedStep(s, false);
            section.exercises << printed;
        }
        out.sections << section;
    }
    return out;
}

PrintedWorksheet worksheetKey(const Worksheet& sheet, const QString& footer,
                              const QString& shortFooter, bool workedSteps)
{
    PrintedWorksheet out;
    out.documentTitle =
        sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "%1: answer key")).arg(titleOf(sheet));
    out.footer = footer;
    out.shortFooter = shortFooter;
    out.footerPerSection = false;
    const QString id = worksheetId(sheet.settings);
    const QString keyHeader =
        sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "%1 \u00b7 Answer key"))
            .arg(titleOf(sheet));

    // The answer tables: every version's expected answers, a row per exercise.
    PrintedSection tables;
    tables.title = titleOf(sheet);
    tables.subtitle = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "Answer key: answers"));
    tables.note = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                              "Sheet %1, level %2. An interpretation is given by "
                                              "the number of its choice."))
                      .arg(id)
                      .arg(sheet.settings.level);
    tables.header = keyHeader;
    for (const WorksheetVersion& v : sheet.versions) {
        AnswerTable table{
            sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "Version %1")).arg(v.number), {}};
        for (qsizetype e = 0; e < v.exercises.size(); ++e) {
            const Exercise& ex = v.exercises[e];
            QStringList answers;
            for (const ExerciseStep& s : ex.steps) {
                if (s.given)
                    continue;
                QString answer = s.kind == StepKind::Choice
                                     ? QString::number(s.choices.indexOf(s.expectedText) + 1)
                                     : s.expectedText;
                if (!s.unit.isEmpty())
                    answer += QLatin1Char(' ') + s.unit;
                answers << s.label + QStringLiteral(": ") + answer;
            }
            table.rows << AnswerRow{worksheetExerciseCode(id, v.number, int(e)), itemName(ex),
                                    answers.join(QStringLiteral("; "))};
        }
        tables.answerTables << table;
    }
    out.sections << tables;
    if (!workedSteps)
        return out;

    for (const WorksheetVersion& v : sheet.versions) {
        PrintedSection section;
        section.title = titleOf(sheet);
        section.subtitle =
            sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "Answer key: version %1"))
                .arg(v.number);
        section.note = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                                   "Level %1; each exercise's seed makes it again "
                                                   "in Practice and in quarvex-cli --practice."))
                           .arg(sheet.settings.level);
        section.header = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "%1 \u00b7 Version %2"))
                             .arg(keyHeader)
                             .arg(v.number);
        for (qsizetype e = 0; e < v.exercises.size(); ++e) {
            const Exercise& ex = v.exercises[e];
            PrintedExercise printed{
                sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "Exercise %1: %2 (seed %3)"))
                    .arg(e + 1)
                    .arg(itemName(ex))
                    .arg(ex.seed),
                worksheetExerciseCode(id, v.number, int(e)),
                ex.caseText(),
                {},
                {SheetSteps{itemName(ex), ex.derivation}}};
            for (const ExerciseStep& s : ex.steps)
                printed.steps << printedStep(s, true);
            section.exercises << printed;
        }
        out.sections << section;
    }
    return out;
}

} // namespace quarvex
