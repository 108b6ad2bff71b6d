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
    QString caseText; // "A 67-year-old woman, 58 kg, serum creatinine 124 umol/L"
    QList<PrintedStep> steps;
    QList<SheetSteps> working; // the key's worked steps; empty on a student's sheet
};

// A run of pages that starts on a new page: one version's sheet, or one
// version's part of the answer key.
struct PrintedSection {
    QString title;    // the worksheet's title
    QString subtitle; // "Version 3", "Answer key: version 3"
    QString note;     // a line under it: the level, how to answer a choice
    QList<PrintedExercise> exercises;
};

struct PrintedWorksheet {
    QString documentTitle;
    QList<PrintedSection> sections;
    QString footer; // the disclaimer, at the foot of every page
};

// The students' sheets: one section per version.
PrintedWorksheet worksheetSheets(const Worksheet& worksheet, const QString& footer);
// The answer key: one section per version, each exercise with its expected
// answers and complete worked steps.
PrintedWorksheet worksheetKey(const Worksheet& worksheet, const QString& footer);

// The title printed when the teacher gave none.
inline constexpr char DefaultWorksheetTitle[] = "Worksheet";

} // namespace quarvex
