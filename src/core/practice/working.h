#pragma once

// The structure of a formula as a practice exercise needs it: where each
// operation's sides come from, and the formula worked out again with a
// change a learner's slip makes. Used only inside src/core/practice.

#include "analytes/analyte.h"
#include "analytes/bands.h"
#include "calc/formula.h"

#include <QList>

#include <array>
#include <optional>

namespace quarvex::practice {

// One side of an operation.
struct Operand {
    enum Kind { Number, Gender, Input, Step };
    Kind kind = Number;
    int op = -1;                      // the formula op that pushed it (Number, Gender, Input)
    AnalyteId input = AnalyteId::Age; // Input
    int step = -1;                    // Step: the earlier operation
    double number = 0.0;              // Number
};

// One operation of a formula, in the order formulaSteps lists them.
struct Operation {
    int op = -1; // its index in the formula's ops
    FormulaOp::Kind kind = FormulaOp::Add;
    Operand left;
    Operand right;
};

QList<Operation> operations(const Formula& formula);

// How a slip changes the working; the default changes nothing.
struct Change {
    std::array<double, AnalyteCount> values{}; // every input's value in the formula unit
    bool male = true;                          // whose constants the Gender ops push
    bool otherGender = false;                  // every Gender op pushes the other gender's constant
    int numberLeftOut = -1; // the op index of a number taken as 1 (a factor left out)
    int genderAsMale = -1;  // the op index of a Gender op that pushes the men's constant
    int swapped = -1;       // the op index of an operation whose sides change places
    int sideOnly = -1;      // the op index of a subtraction that gives its right side alone
    enum Rounding { NoRounding, Decimals1, Decimals2, Significant2 };
    Rounding rounding = NoRounding; // applied to every intermediate step's result
};

// A number rounded as a slip rounds it.
double rounded(double value, Change::Rounding rounding);

// The result of one operation under a change, its sides taken from the change
// (numbers, gender constants, inputs) and from `results`, each earlier
// operation's result by its index. `intermediate` results are rounded as the
// change rounds them.
double operationResult(const Formula& formula, const Operation& operation, const Change& change,
                       const QList<double>& results, bool intermediate);

// The formula worked out with a change: each operation's result in order,
// and the value (the last result, or the one operand of a formula without
// operations).
struct Reworked {
    QList<double> steps;
    double value = 0.0;
};
Reworked rework(const Formula& formula, const Change& change);

} // namespace quarvex::practice
