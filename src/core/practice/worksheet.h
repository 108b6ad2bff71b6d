#pragma once

#include "calc/itemid.h"
#include "practice/exercise.h"
#include "practice/practicejson.h"

#include <QJsonObject>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

class QIODevice;
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

// Writes the worksheet for the settings as worksheetJson's document, indented,
// byte for byte, making it a version at a time as it goes, so that memory
// stays that of one version however large the sheet. False when a write
// fails (the device says why).
bool writeWorksheetJson(const WorksheetSettings& settings, const QLocale& locale,
                        QIODevice& device);
// The sheet's id: a hash of the settings that decide its exercises (items in
// order, count, level, versions and seed; not the title), written as four
// code characters, the first a letter ("K7Q4"). The same settings give the
// same id everywhere.
QString worksheetId(const WorksheetSettings& settings);

// The code printed beside an exercise: the sheet's id, the version (from 1),
// the exercise's place on its version (from 0 here, from 1 in the code) and a
// check character (see exercisecode.h).
QString worksheetExerciseCode(const WorksheetSettings& settings, int version, int index);
QString worksheetExerciseCode(const QString& sheetId, int version, int index);

// The exercise a code names on a worksheet, or why none: not a code, a
// mistyped code, a code of another sheet, or a version or exercise the sheet
// does not have.
struct CodedExercise {
    int version = 0; // from 1; 0 when the code names none
    int index = -1;  // the exercise's place on its version, from 0
    QString problem;
};
CodedExercise findCodedExercise(const WorksheetSettings& settings, QStringView code);

// What makes an exercise of a worksheet: its item, seed and level, the same
// as makeWorksheet draws it (index: its place on the version, from 0).
struct SheetExercise {
    ItemId item = ItemId::CreatinineClearance;
    quint64 seed = 0;
    int level = 1;
};
SheetExercise worksheetExercise(const WorksheetSettings& settings, int version, int index);

// The sheet file: the worksheet's JSON, whose "sheet" (the id) and settings
// make the worksheet again. Reads the settings back; on a fault (not JSON,
// not a sheet, settings out of range, or an id that does not match the
// settings: an edited file or one from a program that draws other exercises)
// returns nothing and says why in `error`.
std::optional<WorksheetSettings> readWorksheetSettings(const QByteArray& json, QString& error);

// The largest sheet file read: far above a class's sheet (30 versions of six
// exercises take about 1 MB), low enough to read into memory.
inline constexpr qint64 MaxSheetFileBytes = qint64(256) << 20;

// Reads a sheet file from the device as readWorksheetSettings does, reading
// no more than MaxSheetFileBytes (a larger file is refused, and why said).
std::optional<WorksheetSettings> readWorksheetFile(QIODevice& device, QString& error);

// The class file a teacher fills in, as CSV: the columns Student (left
// empty), Code and one column per step asked anywhere on the sheet, headed by
// the step's id (in the order the steps first come); one row per version and
// exercise, in sheet order, with its code. No seed is written: a spreadsheet
// keeps only 15 digits of a number, while a code is kept as text.
QByteArray worksheetClassCsv(const Worksheet& worksheet, char delimiter = ',');

} // namespace quarvex
