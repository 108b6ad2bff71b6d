#pragma once

#include "analytes/analyte.h"
#include "analytes/fields.h"
#include "analytes/inputs.h"
#include "calc/derivation.h"
#include "calc/itemid.h"
#include "calc/outcome.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace quarvex {

// The version of the exercise generator: the same item, seed, level and
// scenario choice give the same exercise only with the same version, so
// every exercise that travels carries it, and input made by another version
// is refused rather than graded against a different case.
inline constexpr int GeneratorVersion = 3;

// What a step of an exercise asks for: a number, or one of the choices.
enum class StepKind { Number, Choice };

// Where a step comes from in the item's working.
enum class StepRole {
    Conversion, // an input brought into its formula unit
    Operation,  // one operation of a row's formula
    Result,     // a row's result as the result column shows it
    Band,       // the interpretation of a row: a choice among its bands
};

// When an answer counts as the expected value.
struct StepTolerance {
    enum Kind {
        Choice,  // the same choice
        AsShown, // the same text when rounded as the result shows it (`decimals`)
        Within,  // within the larger of `relative` times the expected value and half
                 // the last of the six significant digits the steps show
    };
    Kind kind = Choice;
    double relative = 0.0;
    int decimals = 2; // AsShown: the decimals the result shows ("###0.00", "###0.0", "###0")

    // Whether the answer counts as the target (the expected value, or what a slip gives).
    bool accepts(double target, double answer) const;
    // The absolute margin around a target (Within).
    double margin(double target) const;
    // "equal when rounded to 2 decimals", "within 0.5 %", "the same choice",
    // numbers written as the locale does.
    QString text(const QLocale& locale = QLocale::c()) const;
};

inline constexpr double IntermediateTolerance = 0.005;

// One step of an exercise.
struct ExerciseStep {
    QString id; // stable for the item and level: "convert-SerumCreatinine", "step-2", "row1-band"
    QString label; // how other steps and feedback name it: "Step 2", "Serum creatinine in mg/dL"
    QString sentenceLabel; // the label inside a sentence: "step 2" (English), "Schritt 2" (German)
    QString prompt;        // what the learner works out: "step 1 × 58 kg"
    QString unit;          // of the answer; empty for a choice or a number without one
    StepKind kind = StepKind::Number;
    StepRole role = StepRole::Operation;
    QStringList choices; // for a choice, in band order, each text once
    StepTolerance tolerance;
    double expected = 0.0; // a number step's value (the result as shown for a result step)
    QString expectedText;  // the number as the steps show it, or the choice's text
    bool given = false;    // shown with its value at this level, not asked
    int row = -1;          // the result row it belongs to; -1 for a conversion
    int operation = -1;    // the index of its operation in the row's formula steps; -1 for none
    AnalyteId input = AnalyteId::Age; // a conversion's analyte
    QList<int> dependsOn;             // the earlier steps (indices into Exercise::steps) it uses
};

// One value of the case, as a laboratory reports it.
struct CaseValue {
    AnalyteId id;
    double value = 0.0;
    int decimals = 0; // as reported
    QString unit;     // the unit list's text; empty for a fixed unit or none

    QString text(const QLocale& locale) const;
};

// A generated case and the steps that work it out.
struct Exercise {
    ItemId item = ItemId::CreatinineClearance;
    quint64 seed = 0;
    int level = 1;
    int aimedBand = -1; // the band of the first row with bands the case was aimed at; -1 none
    QString gender;     // "Male", "Female", or empty for an item without
    QStringList scenarioChoice; // the scenario ids the case was drawn from; empty: any
    QString scenario;           // the scenario of the case; empty for a case given
    QString context; // a clause of presenting context ("admitted after …"); may be empty
    QString note;    // why the case misses the band aimed at, or why there is no case at all
    QList<CaseValue> values;       // in the item's check order
    QLocale locale = QLocale::c(); // of the texts
    QList<ExerciseStep> steps;
    // The working of the case, once: the outcome and its derivation.
    Outcome outcome;
    Derivation derivation;

    // The case as fields (numbers with a decimal point), read as `Inputs` with QLocale::c().
    MapFields fields() const;
    Inputs inputs() const;
    // The case as the lines of a case file: field name → text, in the data entry order
    // (numbers in `locale`).
    QList<std::pair<QString, QString>> caseLines(const QLocale& locale) const;
    // "A 67-year-old woman, 58 kg, serum creatinine 124 umol/L", with the
    // context after the person ("A 67-year-old woman admitted after …, 58 kg, …").
    QString caseText() const;
    // The same in the language installed, for the windows.
    QString shownCaseText() const;
    // The step with this id, or -1.
    int stepIndex(const QString& id) const;
    // The steps the learner answers.
    int askedCount() const;
};

inline constexpr int PracticeLevels = 3;

// An exercise for an item from a seed: a patient of one of the scenarios
// (scenarios.h) that report the item's inputs, of those chosen (empty: any).
// The same item, seed, band and choice give the same case at every level and
// on every platform; the level only decides which steps are asked (1:
// conversions given; 2: conversions asked too; 3: only each row's result and
// band). With no band the seed picks one of the first banded row's bands
// that has an interpretation, so every band gets practised; where no chosen
// scenario reaches it, the case takes the nearest band reached and `note`
// says so. No chosen scenario reporting the inputs gives an exercise without
// values whose note says why (scenarioProblem). Texts use `locale`.
Exercise makeExercise(ItemId item, quint64 seed, int level, std::optional<int> band = std::nullopt,
                      const QLocale& locale = QLocale::c(), const QStringList& scenarioChoice = {});

// An example case of a scenario for the entry windows: the values of `ids`
// that the scenario reports (the others left out), drawn as an exercise's
// case is and raising no hint, as fields with the gender; none for an unknown
// scenario. The same scenario, ids and seed give the same case.
std::optional<MapFields> exampleCase(const QString& scenarioId, const QList<AnalyteId>& ids,
                                     quint64 seed);

// Why no exercise of the item can be made from the scenarios chosen (an
// unknown id, or none reports the item's inputs); empty when one can.
QString scenarioProblem(ItemId item, const QStringList& scenarioChoice);

// The exercise for a given case (the values must pass the item's checks).
Exercise exerciseForCase(ItemId item, const QString& gender, const QList<CaseValue>& values,
                         int level, const QLocale& locale = QLocale::c());

} // namespace quarvex
