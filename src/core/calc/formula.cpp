#include "calc/formula.h"

#include "analytes/format.h"
#include "analytes/number.h"
#include "i18n/language.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace quarvex {

namespace {

// The formulas here are a handful of steps; a deeper one is a fault in the table.
constexpr size_t StackDepth = 8;
// The ops whose results a Recall can push again: every op of the formulas here.
constexpr size_t MaxOps = 32;

QString prose(const char* text)
{
    return QCoreApplication::translate(ClinicalProseContext, text);
}

double genderConstant(const FormulaOp& op, const Inputs& inputs)
{
    return inputs[AnalyteId::Gender].valueText == QLatin1String(GenderMale) ? op.number : op.female;
}

// min or max of two values; a value that is not a number makes the result
// none either, where std::fmin and std::fmax would drop it.
double smallerOrLarger(FormulaOp::Kind kind, double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::nan("");
    return kind == FormulaOp::Minimum ? std::min(a, b) : std::max(a, b);
}

// The function name of an op written as a call: "min(a, b)"; nullptr for an
// operator written between its operands.
const char* functionName(FormulaOp::Kind kind, bool ascii)
{
    switch (kind) {
    case FormulaOp::Minimum:
        return "min";
    case FormulaOp::Maximum:
        return "max";
    case FormulaOp::Power:
        return ascii ? "pow" : nullptr;
    default:
        return nullptr;
    }
}

// A number written so that reading it back gives the same double.
QString exactNumber(double value)
{
    return shortestNumber(value, QLocale::c());
}

QString personName(AnalyteId id)
{
    QString name = QString::fromLatin1(analyte(id).name);
    // "Serum creatinine" reads "serum creatinine"; "AST" and "HDL cholesterol" keep their capitals.
    if (name.size() > 1 && name[1].isLower())
        name[0] = name[0].toLower();
    return name;
}

const char* operatorText(FormulaOp::Kind kind, bool ascii)
{
    switch (kind) {
    case FormulaOp::Add:
        return "+";
    case FormulaOp::Subtract:
        return ascii ? "-" : "\u2212";
    case FormulaOp::Multiply:
        return ascii ? "*" : "\u00d7";
    case FormulaOp::Divide:
        return ascii ? "/" : "\u00f7";
    case FormulaOp::Power:
        return "^";
    case FormulaOp::Minimum:
        return "min";
    case FormulaOp::Maximum:
        return "max";
    default:
        return "?";
    }
}

// A negative number reads with the minus sign of the subtractions.
QString withMinusSign(QString text)
{
    if (text.startsWith(QLatin1Char('-')))
        text[0] = QChar(0x2212);
    return text;
}

// "(UrineCreatinine * 88.4 / 1000)": an input in the formula unit brought to
// the unit an op reads it in.
QString expressionInUnit(const FormulaOp& op)
{
    QString text = QLatin1Char('(') + QString::fromLatin1(analyte(op.input).field);
    for (const UnitChoice& unit : analyte(op.input).unitChoices()) {
        if (qstrcmp(unit.text, op.unit) != 0)
            continue;
        if (unit.divide != 1.0)
            text += QStringLiteral(" * ") + exactNumber(unit.divide);
        if (unit.multiply != 1.0)
            text += QStringLiteral(" / ") + exactNumber(unit.multiply);
    }
    return text + QLatin1Char(')');
}

QString operandText(const FormulaOp& op, FormulaStyle style, const Inputs& inputs)
{
    switch (op.kind) {
    case FormulaOp::Number: {
        // With the numbers put in, the formula's own are written as they are.
        QString text = style == FormulaStyle::Substituted
                           ? shortestNumber(op.number, inputs.locale())
                           : exactNumber(op.number);
        // A negative exponent reads with the minus sign of the subtractions.
        if (style != FormulaStyle::Expression && text.startsWith(QLatin1Char('-')))
            text[0] = QChar(0x2212);
        return text;
    }
    case FormulaOp::Gender:
        switch (style) {
        case FormulaStyle::Words:
            return op.symbol ? QString::fromUtf8(op.symbol) : exactNumber(op.number);
        case FormulaStyle::Symbols:
            return op.symbol ? QString::fromUtf8(op.symbol) : QStringLiteral("K");
        case FormulaStyle::Expression:
            return exactNumber(genderConstant(op, inputs));
        case FormulaStyle::Substituted:
            return withMinusSign(sixDigits(genderConstant(op, inputs), inputs.locale()));
        }
        break;
    case FormulaOp::Input:
        switch (style) {
        case FormulaStyle::Words:
            return personName(op.input);
        case FormulaStyle::Symbols:
            return QString::fromLatin1(analyte(op.input).field);
        case FormulaStyle::Expression:
            // Tools put in the values in the formula unit: an input read in
            // a unit of its own is converted back in the expression.
            return op.unit ? expressionInUnit(op) : QString::fromLatin1(analyte(op.input).field);
        case FormulaStyle::Substituted:
            return sixDigits(inputValue(op, inputs[op.input]), inputs.locale());
        }
        break;
    default:
        break;
    }
    return {};
}

} // namespace

namespace {

// The locale with group separators left out. Setting an option copies the
// locale's data, so the last one made is kept for the next number (per
// thread: batch runs format on several).
const QLocale& withoutGroupSeparators(const QLocale& locale)
{
    if (locale.numberOptions() & QLocale::OmitGroupSeparator)
        return locale;
    thread_local QLocale from = QLocale::c();
    thread_local QLocale plain = QLocale::c();
    if (!(from == locale)) {
        from = locale;
        plain = locale;
        plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    }
    return plain;
}

QString withoutGroups(double value, const QLocale& locale, int precision)
{
    return withoutGroupSeparators(locale).toString(value, 'g', precision);
}

} // namespace

namespace {

// A positive value of at most six significant digits written as the locale
// writes it with six ('g': no exponent from 1e-4 to below 1e6, no trailing
// zeros), from its shortest round-trip form; nothing for any other value or
// a locale without ASCII digits and a one-character decimal point. The
// shortest form of such a value is its exact six-digit rounding, so no
// rounding is needed.
std::optional<QString> shortSixDigits(double value, const QLocale& locale)
{
    const char16_t point = plainDecimalPoint(locale);
    if (point == u'\0' || !(value > 0.0) || !std::isfinite(value))
        return std::nullopt;
    char buffer[64];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::string_view text(buffer, size_t(written.ptr - buffer));
    char digits[8];
    int size = 0;
    int pointPosition = 0; // digits before the decimal point
    bool afterPoint = false;
    bool leading = true;
    size_t i = 0;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        const char c = text[i];
        if (c == '.') {
            afterPoint = true;
            continue;
        }
        if (leading && c == '0') {
            pointPosition -= afterPoint ? 1 : 0;
            continue;
        }
        leading = false;
        if (size == int(sizeof digits))
            return std::nullopt;
        digits[size++] = c;
        pointPosition += afterPoint ? 0 : 1;
    }
    if (i + 1 < text.size()) {
        int exponent = 0;
        const char* from = text.data() + i + 1 + (text[i + 1] == '+' ? 1 : 0);
        std::from_chars(from, text.data() + text.size(), exponent);
        pointPosition += exponent;
    }
    while (size > 0 && digits[size - 1] == '0')
        --size;
    const int exponent = pointPosition - 1;
    if (size == 0 || size > 6 || exponent < -4 || exponent >= 6)
        return std::nullopt;
    QString out;
    out.reserve(size + 8);
    if (pointPosition <= 0) {
        out += QLatin1Char('0');
        out += QChar(point);
        out += QString(-pointPosition, QLatin1Char('0'));
        out += QLatin1StringView(digits, size);
        return out;
    }
    for (int k = 0; k < std::max(size, pointPosition); ++k) {
        if (k == pointPosition)
            out += QChar(point);
        out += QLatin1Char(k < size ? digits[k] : '0');
    }
    return out;
}

} // namespace

QString sixDigits(double value, const QLocale& locale)
{
    // Most numbers quoted are values as typed, of a few digits.
    if (std::optional<QString> text = shortSixDigits(value, locale))
        return *std::move(text);
    return withoutGroups(value, locale, 6);
}

QString shortestNumber(double value, const QLocale& locale)
{
    return withoutGroups(value, locale, QLocale::FloatingPointShortest);
}

double evaluate(const Formula& formula, const Inputs& inputs)
{
    std::array<double, StackDepth> stack{};
    std::array<double, MaxOps> done{};
    size_t top = 0;
    for (size_t i = 0; i < formula.ops.size(); ++i) {
        const FormulaOp& op = formula.ops[i];
        switch (op.kind) {
        case FormulaOp::Recall:
            stack[top++] = op.from >= 0 && size_t(op.from) < i && size_t(op.from) < MaxOps
                               ? done[size_t(op.from)]
                               : std::nan("");
            continue;
        case FormulaOp::Number:
            stack[top++] = op.number;
            break;
        case FormulaOp::Input:
            stack[top++] = inputValue(op, inputs[op.input]);
            break;
        case FormulaOp::Gender:
            stack[top++] = genderConstant(op, inputs);
            break;
        case FormulaOp::Add:
            --top;
            stack[top - 1] = stack[top - 1] + stack[top];
            break;
        case FormulaOp::Subtract:
            --top;
            stack[top - 1] = stack[top - 1] - stack[top];
            break;
        case FormulaOp::Multiply:
            --top;
            stack[top - 1] = stack[top - 1] * stack[top];
            break;
        case FormulaOp::Divide:
            --top;
            stack[top - 1] = stack[top - 1] / stack[top];
            break;
        case FormulaOp::Power:
            --top;
            stack[top - 1] = std::pow(stack[top - 1], stack[top]);
            break;
        case FormulaOp::Minimum:
        case FormulaOp::Maximum:
            --top;
            stack[top - 1] = smallerOrLarger(op.kind, stack[top - 1], stack[top]);
            break;
        }
        if (i < MaxOps)
            done[i] = stack[top - 1];
    }
    return top == 1 ? stack[0] : std::nan("");
}

QString formulaText(const Formula& formula, FormulaStyle style, const Inputs& inputs)
{
    struct Part {
        QString text;
        bool compound = false;
    };
    const bool ascii = style == FormulaStyle::Expression;
    std::array<Part, StackDepth> stack;
    // Each op's text, so a result used again reads as the expression it is.
    QList<Part> done(qsizetype(formula.ops.size()));
    size_t top = 0;
    for (size_t i = 0; i < formula.ops.size(); ++i) {
        const FormulaOp& op = formula.ops[i];
        if (op.kind == FormulaOp::Recall) {
            stack[top++] = done.value(op.from);
            continue;
        }
        if (op.kind == FormulaOp::Number || op.kind == FormulaOp::Input ||
            op.kind == FormulaOp::Gender) {
            stack[top++] = Part{operandText(op, style, inputs), false};
            continue;
        }
        // Every compound operand is bracketed, so the text reads in exactly
        // the order the value is computed.
        const Part right = std::move(stack[--top]);
        Part& left = stack[top - 1];
        const auto wrap = [](const Part& part) {
            return part.compound ? QLatin1Char('(') + part.text + QLatin1Char(')') : part.text;
        };
        if (const char* function = functionName(op.kind, ascii)) {
            // The call's own brackets hold its operands apart.
            left = Part{QLatin1String(function) + QLatin1Char('(') + left.text +
                            QStringLiteral(", ") + right.text + QLatin1Char(')'),
                        false};
        } else if (op.kind == FormulaOp::Power) {
            left = Part{wrap(left) + QLatin1Char('^') + wrap(right), true};
        } else {
            left = Part{wrap(left) + QLatin1Char(' ') +
                            QString::fromUtf8(operatorText(op.kind, ascii)) + QLatin1Char(' ') +
                            wrap(right),
                        true};
        }
        done[qsizetype(i)] = left;
    }
    return top == 1 ? stack[0].text : QString();
}

QString operatorSign(FormulaOp::Kind kind)
{
    return QString::fromUtf8(operatorText(kind, false));
}

QString formulaUnit(AnalyteId id)
{
    const Analyte& a = analyte(id);
    if (id == AnalyteId::Age)
        return QStringLiteral("years");
    if (a.fixedUnit)
        return QString::fromLatin1(a.fixedUnit);
    for (const UnitChoice& unit : a.unitChoices()) {
        if (unit.multiply == 1.0 && unit.divide == 1.0)
            return QString::fromLatin1(unit.text);
    }
    return {};
}

double inputValue(const FormulaOp& op, const ConvertedInput& input)
{
    if (op.unit && input.unit && qstrcmp(input.unit->text, op.unit) == 0)
        return input.typed;
    return inputValue(op, input.converted);
}

double inputValue(const FormulaOp& op, double formulaValue)
{
    if (!op.unit)
        return formulaValue;
    for (const UnitChoice& unit : analyte(op.input).unitChoices()) {
        if (qstrcmp(unit.text, op.unit) == 0)
            return formulaValue * unit.divide / unit.multiply;
    }
    return std::nan("");
}

QString inputUnit(const FormulaOp& op)
{
    return op.unit ? QString::fromLatin1(op.unit) : formulaUnit(op.input);
}

bool readsInFormulaUnit(const Formula& formula, AnalyteId id)
{
    return std::any_of(formula.ops.begin(), formula.ops.end(), [id](const FormulaOp& op) {
        return op.kind == FormulaOp::Input && op.input == id && !op.unit;
    });
}

QString resultUnit(const Formula& formula)
{
    if (formula.unit)
        return QString::fromUtf8(formula.unit);
    const QString suffix = QString::fromUtf8(formula.suffix).trimmed();
    return suffix.section(QLatin1Char(' '), 0, 0);
}

namespace {

// A unit as one factor of a longer unit: "(mg/dL)", "kg".
QString unitFactor(const QString& unit)
{
    const bool compound = unit.contains(QLatin1Char('/')) || unit.contains(QLatin1Char(' ')) ||
                          unit.contains(QChar(0x00b7)) || unit.endsWith(QChar(0x00b2));
    return compound ? QLatin1Char('(') + unit + QLatin1Char(')') : unit;
}

QString productUnit(const QString& left, const QString& right)
{
    if (left.isEmpty())
        return right;
    if (right.isEmpty())
        return left;
    if (left == right)
        return unitPower(left, 2);
    return unitFactor(left) + QChar(0x00b7) + unitFactor(right);
}

QString quotientUnit(const QString& left, const QString& right)
{
    if (right.isEmpty() || left.isEmpty() || left == right)
        return right.isEmpty() ? left : QString();
    if (left == unitPower(right, 2))
        return right;
    return unitFactor(left) + QLatin1Char('/') + unitFactor(right);
}

// The unit of a power: a unit only under a whole exponent.
QString powerUnit(const QString& base, double exponent)
{
    if (base.isEmpty() || exponent != std::round(exponent) || exponent < 1.0 || exponent > 3.0)
        return {};
    return unitPower(base, int(exponent));
}

struct QuantityName {
    AnalyteId id;
    const char* unit;
    const char* name;
};
// A unit that measures something else than the analyte's name says: urea in
// mg/dL is urea nitrogen (BUN).
constexpr QuantityName QuantityNames[] = {
    {AnalyteId::SerumUrea, "mg/dL",
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "serum urea nitrogen")},
    {AnalyteId::UrineUrea, "mg/dL",
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "urine urea nitrogen")},
};

// Where an input's value comes from in the steps: its unit as typed and
// whether that is the formula unit times a factor (`unit` of a list), so two
// inputs with the same unit and factor divide to the same number as typed.
struct TypedSide {
    QString unit;
    const UnitChoice* choice = nullptr;
};

TypedSide typedSide(const ConvertedInput& in, AnalyteId id)
{
    if (in.unit)
        return {in.unitText, in.unit};
    return {formulaUnit(id), nullptr};
}

bool cancels(const TypedSide& a, const TypedSide& b)
{
    if (a.unit.isEmpty() || a.unit != b.unit)
        return false;
    const double am = a.choice ? a.choice->multiply : 1.0;
    const double ad = a.choice ? a.choice->divide : 1.0;
    const double bm = b.choice ? b.choice->multiply : 1.0;
    const double bd = b.choice ? b.choice->divide : 1.0;
    return am == bm && ad == bd;
}

} // namespace

QString unitPower(const QString& unit, int power)
{
    if (unit.isEmpty() || power == 1)
        return unit;
    const QChar sign = power == 2 ? QChar(0x00b2) : power == 3 ? QChar(0x00b3) : QChar();
    if (sign.isNull())
        return {};
    return unitFactor(unit) + sign;
}

QString quantityName(AnalyteId id, const QString& unit)
{
    for (const QuantityName& q : QuantityNames) {
        if (q.id == id && unit == QLatin1String(q.unit))
            return prose(q.name);
    }
    return inSentence(analyte(id).shownName());
}

QList<FormulaStep> formulaSteps(const Formula& formula, const Inputs& inputs)
{
    struct Operand {
        double value = 0.0;
        QString unit;
        int step = -1;
        AnalyteId input = AnalyteId::Gender; // an input's id; Gender for anything else
        QString symbol;                      // an earlier result's short name
    };
    QList<FormulaStep> steps;
    std::array<Operand, StackDepth> stack;
    QList<Operand> done(qsizetype(formula.ops.size()));
    size_t top = 0;
    for (size_t i = 0; i < formula.ops.size(); ++i) {
        const FormulaOp& op = formula.ops[i];
        switch (op.kind) {
        case FormulaOp::Number:
            stack[top++] =
                Operand{op.number, QString::fromUtf8(op.unit), -1, AnalyteId::Gender, {}};
            continue;
        case FormulaOp::Gender:
            stack[top++] = Operand{
                genderConstant(op, inputs), QString::fromUtf8(op.unit), -1, AnalyteId::Gender, {}};
            continue;
        case FormulaOp::Input:
            stack[top++] =
                Operand{inputValue(op, inputs[op.input]), inputUnit(op), -1, op.input, {}};
            continue;
        case FormulaOp::Recall:
            stack[top++] = done.value(op.from);
            continue;
        default:
            break;
        }
        const Operand right = stack[--top];
        Operand& left = stack[top - 1];
        FormulaStep step;
        step.operation = op.kind;
        step.left = left.value;
        step.right = right.value;
        step.leftUnit = left.unit;
        step.rightUnit = right.unit;
        step.leftStep = left.step;
        step.rightStep = right.step;
        step.leftName = left.symbol;
        step.rightName = right.symbol;
        if (left.input != AnalyteId::Gender)
            step.leftInput = left.input;
        if (right.input != AnalyteId::Gender)
            step.rightInput = right.input;
        if (op.kind == FormulaOp::Divide && left.input != AnalyteId::Gender &&
            right.input != AnalyteId::Gender) {
            // Two inputs in one unit with one factor: their quotient is the
            // same on the numbers as typed, and nothing needs converting.
            const ConvertedInput& l = inputs[left.input];
            const ConvertedInput& r = inputs[right.input];
            const TypedSide ls = typedSide(l, left.input);
            const TypedSide rs = typedSide(r, right.input);
            if (cancels(ls, rs)) {
                step.typedSides = true;
                if (ls.choice) {
                    step.left = l.typed;
                    step.right = r.typed;
                }
                step.leftUnit = ls.unit;
                step.rightUnit = rs.unit;
                step.leftName = quantityName(left.input, ls.unit);
                step.rightName = quantityName(right.input, rs.unit);
            }
        }
        switch (op.kind) {
        case FormulaOp::Add:
            step.result = step.left + step.right;
            break;
        case FormulaOp::Subtract:
            step.result = step.left - step.right;
            break;
        case FormulaOp::Multiply:
            step.result = step.left * step.right;
            break;
        case FormulaOp::Power:
            step.result = std::pow(step.left, step.right);
            break;
        case FormulaOp::Minimum:
        case FormulaOp::Maximum:
            step.result = smallerOrLarger(op.kind, step.left, step.right);
            break;
        default:
            step.result = step.left / step.right;
            break;
        }
        switch (op.kind) {
        case FormulaOp::Add:
        case FormulaOp::Subtract:
        case FormulaOp::Minimum:
        case FormulaOp::Maximum:
            // A sum, a difference, the smaller or the larger keeps its sides' unit.
            step.resultUnit = step.leftUnit.isEmpty() ? step.rightUnit : step.leftUnit;
            break;
        case FormulaOp::Multiply:
            step.resultUnit = productUnit(step.leftUnit, step.rightUnit);
            break;
        case FormulaOp::Power:
            step.resultUnit = powerUnit(step.leftUnit, step.right);
            break;
        default:
            step.unitsCancel = !step.leftUnit.isEmpty() && step.leftUnit == step.rightUnit;
            step.resultUnit = quotientUnit(step.leftUnit, step.rightUnit);
            break;
        }
        if (op.unit)
            step.resultUnit = QString::fromUtf8(op.unit);
        if (op.symbol)
            step.symbol = QString::fromUtf8(op.symbol);
        step.name = op.name ? prose(op.name) : step.symbol;
        left = Operand{step.result, step.resultUnit, int(steps.size()), AnalyteId::Gender,
                       step.symbol};
        done[qsizetype(i)] = left;
        steps << step;
    }
    if (!steps.isEmpty())
        steps.last().resultUnit = resultUnit(formula);
    return steps;
}

QString stepText(const FormulaStep& step, const QLocale& locale)
{
    const auto side = [&](double value, const QString& unit) {
        QString text = sixDigits(value, locale);
        if (!unit.isEmpty())
            text += QLatin1Char(' ') + unit;
        return text;
    };
    // The operation on two sides as given: numbers, or names.
    const auto operation = [&](const QString& left, const QString& right, bool leftHasUnit) {
        if (step.operation == FormulaOp::Minimum || step.operation == FormulaOp::Maximum)
            return operatorSign(step.operation) + QLatin1Char('(') + left + QStringLiteral(", ") +
                   right + QLatin1Char(')');
        if (step.operation == FormulaOp::Power) {
            // A unit raised to a power is bracketed with its number: (150 mg/dL)².
            const QString base = leftHasUnit ? QLatin1Char('(') + left + QLatin1Char(')') : left;
            if (step.right == 2.0 && leftHasUnit)
                return base + QChar(0x00b2);
            // The exponent reads with the minus sign of the subtractions.
            return base + QLatin1Char('^') + right;
        }
        return left + QLatin1Char(' ') + operatorSign(step.operation) + QLatin1Char(' ') + right;
    };
    const QString exponent = withMinusSign(sixDigits(step.right, locale));
    const QString numbers =
        operation(side(step.left, step.leftUnit),
                  step.operation == FormulaOp::Power ? exponent : side(step.right, step.rightUnit),
                  !step.leftUnit.isEmpty());
    QString result = side(step.result, step.resultUnit);
    if (step.resultUnit.isEmpty()) {
        result =
            step.unitsCancel
                ? prose(
                      QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 (no unit: the units cancel)"))
                      .arg(result)
                : prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 (no unit)")).arg(result);
    }
    QString text = numbers + QStringLiteral(" = ") + result;
    if (!step.leftName.isEmpty() || !step.rightName.isEmpty()) {
        const QString names = operation(
            step.leftName.isEmpty() ? side(step.left, step.leftUnit) : step.leftName,
            step.rightName.isEmpty()
                ? (step.operation == FormulaOp::Power ? exponent : side(step.right, step.rightUnit))
                : step.rightName,
            false);
        text = names + QStringLiteral(" = ") + text;
    }
    if (!step.name.isEmpty())
        text = prose(QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "%1 = %2")).arg(step.name, text);
    return text;
}

QString genderConstantNote(const Formula& formula, const QLocale& locale, const QString& format)
{
    QStringList notes;
    for (const FormulaOp& op : formula.ops) {
        if (op.kind != FormulaOp::Gender)
            continue;
        const QString symbol = op.symbol ? QString::fromUtf8(op.symbol) : QStringLiteral("K");
        const QString note =
            (format.isEmpty() ? QStringLiteral("%1 = %2 for Male, %3 for Female") : format)
                .arg(symbol, withMinusSign(shortestNumber(op.number, locale)),
                     withMinusSign(shortestNumber(op.female, locale)));
        if (!notes.contains(note))
            notes << note;
    }
    return notes.join(QStringLiteral("; "));
}

int shownDecimals(Shown shown)
{
    switch (shown) {
    case Shown::Fixed2:
        return 2;
    case Shown::Fixed1:
        return 1;
    case Shown::Whole:
        return 0;
    case Shown::Plain:
    case Shown::Text:
        break;
    }
    return -1;
}

double bandValue(Shown shown, double value)
{
    if (!decidesOnShown(shown) || !std::isfinite(value))
        return value;
    return fixedValue(value, shownDecimals(shown));
}

} // namespace quarvex
