#pragma once

#include "practice/exercise.h"
#include "practice/working.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

namespace quarvex {

// The slips learners make in these calculations. Each is a change to the
// formula or its inputs that the core works out, so that a wrong answer can be
// recognised as what the slip gives.
enum class SlipKind {
    ConversionNotDone,    // the value used in its typed unit
    ConversionWrongWay,   // multiplied where it should be divided, or the other way round
    WrongFactor,          // a factor ten times too small or too large (8.84 for 88.4)
    FemaleFactorLeftOut,  // a woman worked with the men's constant
    ConstantsSwapped,     // a man worked with the women's constant
    FactorLeftOut,        // a constant factor (× 100, × 1440) left out
    NumeratorDenominator, // the sides of a division swapped
    NotTakenFrom,         // a subtraction from a constant skipped (age not taken from 140)
    RoundedTooEarly,      // intermediate numbers rounded before the result
    BandEdgeWrongWay,     // a value on a band edge put in the band on the other side
    PlasmaUrineSwapped,   // the serum and the urine value of one analyte swapped
    // Slips of the answer itself, recognised from the expected answer alone
    // (no change to the working):
    RoundedLastStep,  // the result cut off, or rounded to fewer decimals than it shows
    DecimalPoint,     // the decimal point one or two places off (10 or 100 times)
    TransposedDigits, // two neighbouring digits of the answer swapped
};

struct Slip {
    const char* id; // stable: "conversion-not-done"
    SlipKind kind;
    const char* name; // in plain words: "a conversion not done"
};

// Every slip, in the order grading tries them.
std::span<const Slip> slipTable();
const Slip* findSlip(QStringView id);

// One slip at one place of an exercise's case (the serum creatinine not
// converted; the × 100 left out of step 2).
// Whether a slip is one of the answer itself (no slip case makes it).
bool isAnswerSlip(SlipKind kind);

struct SlipCase {
    const Slip* slip = nullptr;
    QString words; // the feedback: "This is what you get when the serum creatinine is not ..."
    practice::Change change;
    int row = -1; // the row a change of an operation or of the bands is confined to; -1 all rows
    bool edgesReversed = false;
};

// Every slip case that applies to the exercise's case, in table order.
QList<SlipCase> slipCases(const Exercise& exercise);

// What each step of the exercise comes to under a slip case: the number
// (NaN for a choice) and the choice's text (empty for a number).
struct SlipAnswers {
    QList<double> numbers;
    QStringList choices;
};
SlipAnswers slipAnswers(const Exercise& exercise, const SlipCase& slipCase);

// A slip of the answer itself to a number step: its slip and feedback, or
// none. `value` is the row's value before rounding (for a result step).
struct AnswerSlip {
    const Slip* slip = nullptr;
    QString words;
};
AnswerSlip answerSlip(const ExerciseStep& step, double answer, double value, const QLocale& locale);

} // namespace quarvex
