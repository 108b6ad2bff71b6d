#pragma once

#include "analytes/analyte.h"
#include "analytes/inputs.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <span>

namespace quarvex {

// One step of a formula written in postfix order: push a number or an input's
// value in the formula unit, or combine the two values on top of the stack.
// A formula is static data; evaluating it gives the value, rendering it gives
// the texts a person or a tool reads, so the two can never disagree.
struct FormulaOp {
    enum Kind : unsigned char {
        Number, // push `number`
        Input,  // push the input's value in the formula unit
        Gender, // push `number` for Male, `female` for Female
        Add,
        Subtract,
        Multiply,
        Divide,
    };
    Kind kind = Number;
    double number = 0.0;
    AnalyteId input = AnalyteId::Age;
    double female = 0.0;
};

namespace op {
constexpr FormulaOp num(double value)
{
    return {FormulaOp::Number, value, AnalyteId::Age, 0.0};
}
constexpr FormulaOp in(AnalyteId id)
{
    return {FormulaOp::Input, 0.0, id, 0.0};
}
constexpr FormulaOp gender(double male, double female)
{
    return {FormulaOp::Gender, male, AnalyteId::Gender, female};
}
inline constexpr FormulaOp add{FormulaOp::Add};
inline constexpr FormulaOp sub{FormulaOp::Subtract};
inline constexpr FormulaOp mul{FormulaOp::Multiply};
inline constexpr FormulaOp div{FormulaOp::Divide};
} // namespace op

// How a row shows its value in the result column.
enum class Shown : unsigned char {
    Fixed2, // "###0.00" and the row's suffix
    Plain,  // a plain decimal number
    Text,   // the band's text itself (or nothing)
};

// A formula of one result row: the short name of what it computes ("CrCl"),
// the steps in postfix order, and how its value is shown.
struct Formula {
    const char* symbol;
    std::span<const FormulaOp> ops;
    Shown shown = Shown::Fixed2;
    const char* suffix = ""; // after the "###0.00" number
};

// The value of the formula from the inputs in their formula units.
double evaluate(const Formula& formula, const Inputs& inputs);

// The texts of a formula.
enum class FormulaStyle {
    Words,      // "((140 − age) × weight) ÷ (72 × serum creatinine)"
    Symbols,    // "((140 − Age) × Weight) ÷ (K × SerumCreatinine)", K = 72 (Male), 85 (Female)
    Expression, // "((140 - Age) * Weight) / (72 * SerumCreatinine)", for tools; the chosen constant
    Substituted, // "((140 − 60) × 70) ÷ (72 × 1.13122)", the values to 6 significant digits
};

// The formula as text in the given style. The expression and the substituted
// form need the inputs (for the constant chosen by gender and the values);
// words and symbols do not use them beyond that. Numbers in the substituted
// form use the locale; every other style writes numbers with a point.
QString formulaText(const Formula& formula, FormulaStyle style, const Inputs& inputs);

// One operation of a formula worked out with a case's numbers, in the order
// the value is computed (a textbook's order: "140 − 40 = 100 years", then
// "100 × 70 kg = 7000"). Each side is an input, a number or the result of an
// earlier step; a unit is empty where the number has none. The steps are data
// first: the worked steps, a practice question and a tool all render them.
struct FormulaStep {
    FormulaOp::Kind operation = FormulaOp::Add; // Add, Subtract, Multiply or Divide
    double left = 0.0;
    double right = 0.0;
    double result = 0.0;
    QString leftUnit;
    QString rightUnit;
    QString resultUnit;
    int leftStep = -1; // the earlier step the left side comes from, -1 for an input or a number
    int rightStep = -1;
};

// The operations of a formula with the inputs' values, in evaluation order;
// the last step's result is the formula's value and carries `resultUnit`. A
// formula that takes a value as it is has no steps. A sum or difference keeps
// the unit of its sides (years less years); a product or quotient has none
// until the last step, where the row's unit is known.
QList<FormulaStep> formulaSteps(const Formula& formula, const Inputs& inputs);

// "140 − 40 = 100 years": one step with its numbers to 6 significant digits.
QString stepText(const FormulaStep& step, const QLocale& locale);

// The operator sign a person reads ("−", "×", "÷").
QString operatorSign(FormulaOp::Kind kind);

// The unit an analyte has in the formulas ("mg/dL", "years"); empty for Gender.
QString formulaUnit(AnalyteId id);

// The unit of a formula's value, taken from the text after its number
// (" mL/min" gives "mL/min", " % FE-Na" gives "%"); empty when it has none.
QString resultUnit(const Formula& formula);

// A number to 6 significant digits, and in its shortest exact form, with the
// locale's decimal separator and never a group separator.
QString sixDigits(double value, const QLocale& locale);
QString shortestNumber(double value, const QLocale& locale);

// The note on a gender constant, e.g. "72 for Male, 85 for Female"; empty for
// a formula without one.
QString genderConstantNote(const Formula& formula, const QLocale& locale = QLocale::c());

} // namespace quarvex
