#pragma once

#include "calc/itemid.h"
#include "practice/exercise.h"
#include "practice/practicejson.h"

#include <QJsonObject>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace quarvex {

// The most versions of a worksheet (one per student) and exercises per item:
// enough for a large class, small enough that a sheet stays a few hundred pages.
inline constexpr int MaxWorksheetVersions = 200;
inline constexpr int MaxWorksheetCount = 20;

// What a teacher chooses for a worksheet.
struct WorksheetSettings {
    QList<ItemId> items; // in the order the exercises come, each once
    int count = 1;       // exercises per item, per version
    int level = 1;
    int versions = 1;
    QString title;
    quint64 seed = 0;      // from 0 to MaxPracticeSeed
    QStringList scenarios; // the scenario ids the cases are drawn from; empty: any
};

// One student's sheet: the items' exercises, item by item.
struct WorksheetVersion {
    int number = 1; // from 1
    QList<Exercise> exercises;
};

struct Worksheet {
    WorksheetSettings settings;
    QList<WorksheetVersion> versions;
};

// The seed of one exercise of a worksheet: the worksheet's seed mixed with the
// version (from 1), the item's stable id and the exercise's index within the
// item (from 0). A whole number up to MaxPracticeSeed, so that --practice and
// --grade take it as it is.
quint64 worksheetExerciseSeed(quint64 seed, int version, ItemId item, int index);

// Why the settings cannot make a worksheet (an unknown scenario, an item that
// no chosen scenario supports, ...), or an empty text when they can.
QString worksheetSettingsProblem(const WorksheetSettings& settings);

// The worksheet for settings that pass worksheetSettingsProblem; case texts
// and numbers in `locale`. The same settings give the same exercises everywhere.
Worksheet makeWorksheet(const WorksheetSettings& settings, const QLocale& locale = QLocale::c());

// The worksheet as JSON: title, seed, level, count, items (stable ids),
// versions [{version, exercises: [as --practice writes them, without answers]}]
// and answers [{version, exercises: [{item, seed, level, generator, scenarios
// (where chosen), expected: {step id: value}}]}] with the expected value of
// every step asked; "generator" and "scenarios" at the top too.
QJsonObject worksheetJson(const Worksheet& worksheet);

} // namespace quarvex
