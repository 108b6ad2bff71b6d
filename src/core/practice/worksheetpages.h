#pragma once

#include "overview/resultsheet.h"
#include "practice/worksheet.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quarvex {

// One line of an exercise's table of steps.
struct PrintedStep {
    QString label;  // "Step 2", "Serum creatinine in mg/dL"
    QString prompt; // what to work out; a choice's options numbered under it
    QString answer; // the value given or expected; empty: a box to write in
    QString unit;
};

// One exercise as printed: on a student's sheet its case and empty boxes,
// in the key its expected answers and the complete worked steps.
struct PrintedExercise {
    QString heading;  // "Exercise 2: Creatinine Clearance"
    QString code;     // "K7Q4-12-1C", printed beside the heading
    QString caseText; // "A 67-year-old woman, 58 kg, serum creatinine 124 umol/L"
    QList<PrintedStep> steps;
    QList<SheetSteps> working; // the key's worked steps; empty on a student's sheet
};

// One row of the key's compact answer table: an exercise's code, its item
// and the expected answer of every step asked ("Step 1: 0.731; Result:
// 56 mL/min; Interpretation: 3", a choice by its number).
struct AnswerRow {
    QString code;
    QString item;
    QString answers;
};

// One version's answer table.
struct AnswerTable {
    QString heading; // "Version 3"
    QList<AnswerRow> rows;
};

// A run of pages that starts on a new page: one version's sheet, the key's
// answer tables, or one version's worked steps in the key.
struct PrintedSection {
    QString title;         // the worksheet's title
    QString subtitle;      // "Version 3", "Answer key: version 3"
    QString note;          // a line under it: the level, how to answer a choice
    QString header;        // at the top of each of its pages, before "page 2 of 4"
    bool nameLine = false; // a Name and Date line to fill in under the subtitle
    QList<PrintedExercise> exercises;
    QList<AnswerTable> answerTables;
};

struct PrintedWorksheet {
    QString documentTitle;
    QList<PrintedSection> sections;
    QString footer;      // the disclaimer in full
    QString shortFooter; // one line that stands for it on the other pages
    // The full footer on the first page of every section (each version is a
    // handout of its own), else on the document's first page only.
    bool footerPerSection = true;
};

// The students' sheets: one section per version, each exercise with its code.
PrintedWorksheet worksheetSheets(const Worksheet& worksheet, const QString& footer,
                                 const QString& shortFooter);
// The answer key: first one section of compact answer tables, one per
// version; then, with worked steps, one section per version, each exercise
// with its expected answers and complete worked steps.
PrintedWorksheet worksheetKey(const Worksheet& worksheet, const QString& footer,
                              const QString& shortFooter, bool workedSteps = true);

// The title printed when the teacher gave none (the English; printed in the
// language installed).
inline constexpr char DefaultWorksheetTitle[] =
    QT_TRANSLATE_NOOP("quarvex::Worksheet", "Worksheet");

} // namespace quarvex
