#pragma once

#include "analytes/analyte.h"
#include "analytes/inputs.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>
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
        Power,   // the lower value raised to the top one
        Minimum, // the smaller of the two
        Maximum, // the larger of the two
        Recall,  // push again the result of the earlier operation at op index `from`
    };
    Kind kind = Number;
    double number = 0.0;
    AnalyteId input = AnalyteId::Age;
    double female = 0.0;
    // A gender constant's symbol ("κ"); none reads "K" in symbols and the
    // male number in words. On an operation, the short name its result goes
    // by wherever a later step uses it ("Scr/κ").
    const char* symbol = nullptr;
    // A number's or gender constant's unit ("mg/dL" for κ); on an operation,
    // the unit of its result where the units of its sides do not give it
    // (an empirical constant that converts). On an input, a unit of its own
    // list that it is read in, as typed, rather than in the formula unit: only
    // a row's unit variant, chosen when the input is typed in that unit, reads
    // one (calc/items.h, UnitVariant).
    const char* unit = nullptr;
    // What the result of an operation is on a board ("VLDL cholesterol ≈ TG ÷
    // 5"), clinical prose marked with QT_TRANSLATE_NOOP; none names it by its
    // symbol, if any.
    const char* name = nullptr;
    int from = -1; // Recall: the op index of the operation whose result it pushes
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
constexpr FormulaOp in(AnalyteId id, const char* unit)
{
    return {FormulaOp::Input, 0.0, id, 0.0, nullptr, unit};
}
constexpr FormulaOp num(double value, const char* unit)
{
    return {FormulaOp::Number, value, AnalyteId::Age, 0.0, nullptr, unit};
}
constexpr FormulaOp gender(double male, double female, const char* symbol = nullptr,
                           const char* unit = nullptr)
{
    return {FormulaOp::Gender, male, AnalyteId::Gender, female, symbol, unit};
}
// An operation whose result has a name on the board, a short symbol later
// steps use it by, and a unit where its sides' units do not give it.
constexpr FormulaOp named(FormulaOp operation, const char* name, const char* symbol = nullptr,
                          const char* unit = nullptr)
{
    operation.name = name;
    operation.symbol = symbol;
    operation.unit = unit;
    return operation;
}
// The result of the operation at op index `at`, computed once and used again.
constexpr FormulaOp recall(int at)
{
    FormulaOp op{FormulaOp::Recall};
    op.from = at;
    return op;
}
inline constexpr FormulaOp add{FormulaOp::Add};
inline constexpr FormulaOp sub{FormulaOp::Subtract};
inline constexpr FormulaOp mul{FormulaOp::Multiply};
inline constexpr FormulaOp div{FormulaOp::Divide};
// Named apart from std::pow, std::min and std::max, which files using these
// ops also call.
inline constexpr FormulaOp power{FormulaOp::Power};
inline constexpr FormulaOp minOf{FormulaOp::Minimum};
inline constexpr FormulaOp maxOf{FormulaOp::Maximum};
} // namespace op

// How a row shows its value in the result column.
enum class Shown : unsigned char {
    Fixed2, // "###0.00" and the row's suffix
    Plain,  // a plain decimal number
    Text,   // the band's text itself (or nothing)
    // "###0" and "###0.0" with the row's suffix; their bands are decided on
    // the number as shown (89.5 shows 90 and lies in the band from 90), as
    // laboratories report them. Every other row decides on its value.
    Whole,
    Fixed1,
};

// The decimals a row shows (Fixed2, Fixed1, Whole); -1 for Plain and Text.
int shownDecimals(Shown shown);

// Whether the row's bands are decided on the number it shows.
constexpr bool decidesOnShown(Shown shown)
{
    return shown == Shown::Whole || shown == Shown::Fixed1;
}

// The number the row's bands are decided on: the shown number, read back
// from its text, for a row that decides on it, and the value otherwise.
double bandValue(Shown shown, double value);

// A formula of one result row: the short name of what it computes ("CrCl"),
// the steps in postfix order, and how its value is shown.
struct Formula {
    const char* symbol;
    std::span<const FormulaOp> ops;
    Shown shown = Shown::Fixed2;
    const char* suffix = ""; // after the number (UTF-8)
    // The unit of the value where it is not the suffix's first word
    // (" mL/min/1.73 m²"); none takes that word.
    const char* unit = nullptr;
};

// The value of the formula from the inputs in their formula units (or, for
// an input op with a unit, in that unit).
double evaluate(const Formula& formula, const Inputs& inputs);

// The value an input op pushes: the input in the formula unit, or in the
// op's own unit, the typed value itself when it was typed in that unit.
double inputValue(const FormulaOp& op, const ConvertedInput& input);
// The same from the input's value in the formula unit (practice works a
// case again from such values); NaN for a unit the analyte does not list.
double inputValue(const FormulaOp& op, double formulaValue);
// The unit of the value an input op pushes ("mmol/L", or the formula unit).
QString inputUnit(const FormulaOp& op);
// Whether the formula reads the input in the formula unit, so that a value
// typed in another unit is converted for it.
bool readsInFormulaUnit(const Formula& formula, AnalyteId id);

// The texts of a formula. The smaller and larger of two values read
// "min(a, b)" and "max(a, b)" in every style; a power reads "a^b", and
// "pow(a, b)" in the expression.
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
// the value is computed (a textbook's order: "140 − 40 years = 100 years",
// then "100 years × 70 kg = 7000 years·kg"). Each side is an input, a number
// or the result of an earlier step; a unit is empty where the number has
// none. A quotient of two inputs typed in one unit with one conversion
// factor is worked on the numbers as typed: the units cancel, and no
// conversion is needed. The steps are data first: the worked steps, a
// practice question and a tool all render them.
struct FormulaStep {
    // Add, Subtract, Multiply, Divide, Power, Minimum or Maximum.
    FormulaOp::Kind operation = FormulaOp::Add;
    double left = 0.0;
    double right = 0.0;
    double result = 0.0;
    QString leftUnit;
    QString rightUnit;
    QString resultUnit;
    int leftStep = -1; // the earlier step the left side comes from, -1 for an input or a number
    int rightStep = -1;
    // What a side is called where the step names it: an earlier result's
    // symbol ("Scr/κ"), or an input of a quotient whose units cancel ("urine
    // urea nitrogen"); empty where the number stands alone.
    QString leftName;
    QString rightName;
    QString name;             // what the result is called on the board, in the language installed
    QString symbol;           // the short name later steps use it by ("Scr/κ"); else empty
    bool unitsCancel = false; // a quotient of two values in one unit
    bool typedSides = false;  // both sides are inputs taken as typed (their units cancel)
    // The input a side is, where it is one.
    std::optional<AnalyteId> leftInput;
    std::optional<AnalyteId> rightInput;
};

// The operations of a formula with the inputs' values, in evaluation order; a
// result used again (Recall) is not worked again. The last step's result is
// the formula's value (to the last bits where a quotient is worked on the
// typed numbers) and carries `resultUnit`. A formula that takes a value as it
// is has no steps. Every step has its unit: a sum, difference, smaller or
// larger keeps its sides' unit; a product or quotient combines them ("mg/dL"
// times "mg/dL" is "(mg/dL)²", "mg/dL" over "mg/dL" none), unless the
// operation names its unit; the last step has the row's unit.
QList<FormulaStep> formulaSteps(const Formula& formula, const Inputs& inputs);

// "140 − 40 years = 100 years": one step with its numbers to 6 significant
// digits, a result without a unit marked "(no unit)", or "(no unit: the units
// cancel)"; "min(1.33333, 1) = 1 (no unit)", "1.33333^−1.2 = 0.708 (no unit)"
// and "(150 mg/dL)² = 22500 (mg/dL)²" for the other operations. A named
// result reads "VLDL cholesterol ≈ TG ÷ 5 = 150 mg/dL ÷ 5 = 30 mg/dL", a side
// by its name "max(Scr/κ, 1) = max(1.22222, 1) = 1.22222 (no unit)". The
// words are the clinical prose's, in the language installed.
QString stepText(const FormulaStep& step, const QLocale& locale);

// A unit raised to a whole power as a person writes it: "kg²", "(mg/dL)²";
// never with "^".
QString unitPower(const QString& unit, int power);

// What an input's value in a unit is called in the steps: "serum creatinine",
// and "serum urea nitrogen" for urea in mg/dL, which is urea nitrogen.
QString quantityName(AnalyteId id, const QString& unit);

// The operator sign a person reads ("−", "×", "÷", "^", "min", "max").
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

// The notes on a formula's gender constants, each constant once with its
// symbol, joined by "; ": "K = 72 for Male, 85 for Female", or
// "κ = 0.9 for Male, 0.7 for Female; α = …"; empty for a formula without one.
// `format` words each note in another language: the symbol, the men's and
// the women's constant ("%1 = %2 for Male, %3 for Female" when empty).
QString genderConstantNote(const Formula& formula, const QLocale& locale = QLocale::c(),
                           const QString& format = {});

} // namespace quarvex
