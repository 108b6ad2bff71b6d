#include "calc/formula.h"

#include "analytes/format.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quarvex {

namespace {

// The formulas here are a handful of steps; a deeper one is a fault in the table.
constexpr size_t StackDepth = 8;

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
        case FormulaStyle::Expression:
            return QString::fromLatin1(analyte(op.input).field);
        case FormulaStyle::Substituted:
            return sixDigits(inputs[op.input].converted, inputs.locale());
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

QString sixDigits(double value, const QLocale& locale)
{
    return withoutGroups(value, locale, 6);
}

QString shortestNumber(double value, const QLocale& locale)
{
    return withoutGroups(value, locale, QLocale::FloatingPointShortest);
}

double evaluate(const Formula& formula, const Inputs& inputs)
{
    std::array<double, StackDepth> stack{};
    size_t top = 0;
    for (const FormulaOp& op : formula.ops) {
        switch (op.kind) {
        case FormulaOp::Number:
            stack[top++] = op.number;
            break;
        case FormulaOp::Input:
            stack[top++] = inputs[op.input].converted;
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
    size_t top = 0;
    for (const FormulaOp& op : formula.ops) {
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
            continue;
        }
        if (op.kind == FormulaOp::Power) {
            left = Part{wrap(left) + QLatin1Char('^') + wrap(right), true};
            continue;
        }
        left =
            Part{wrap(left) + QLatin1Char(' ') + QString::fromUtf8(operatorText(op.kind, ascii)) +
                     QLatin1Char(' ') + wrap(right),
                 true};
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

QString resultUnit(const Formula& formula)
{
    if (formula.unit)
        return QString::fromUtf8(formula.unit);
    const QString suffix = QString::fromUtf8(formula.suffix).trimmed();
    return suffix.section(QLatin1Char(' '), 0, 0);
}

QList<FormulaStep> formulaSteps(const Formula& formula, const Inputs& inputs)
{
    struct Operand {
        double value = 0.0;
        QString unit;
        int step = -1;
    };
    QList<FormulaStep> steps;
    std::array<Operand, StackDepth> stack;
    size_t top = 0;
    for (const FormulaOp& op : formula.ops) {
        switch (op.kind) {
        case FormulaOp::Number:
            stack[top++] = Operand{op.number, {}, -1};
            continue;
        case FormulaOp::Gender:
            stack[top++] = Operand{genderConstant(op, inputs), {}, -1};
            continue;
        case FormulaOp::Input:
            stack[top++] = Operand{inputs[op.input].converted, formulaUnit(op.input), -1};
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
        switch (op.kind) {
        case FormulaOp::Add:
            step.result = left.value + right.value;
            break;
        case FormulaOp::Subtract:
            step.result = left.value - right.value;
            break;
        case FormulaOp::Multiply:
            step.result = left.value * right.value;
            break;
        case FormulaOp::Power:
            step.result = std::pow(left.value, right.value);
            break;
        case FormulaOp::Minimum:
        case FormulaOp::Maximum:
            step.result = smallerOrLarger(op.kind, left.value, right.value);
            break;
        default:
            step.result = left.value / right.value;
            break;
        }
        // A sum, a difference, the smaller or the larger keeps its sides' unit.
        if (op.kind == FormulaOp::Add || op.kind == FormulaOp::Subtract ||
            op.kind == FormulaOp::Minimum || op.kind == FormulaOp::Maximum)
            step.resultUnit = left.unit.isEmpty() ? right.unit : left.unit;
        left = Operand{step.result, step.resultUnit, int(steps.size())};
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
    if (step.operation == FormulaOp::Minimum || step.operation == FormulaOp::Maximum)
        return operatorSign(step.operation) + QLatin1Char('(') + side(step.left, step.leftUnit) +
               QStringLiteral(", ") + side(step.right, step.rightUnit) + QStringLiteral(") = ") +
               side(step.result, step.resultUnit);
    if (step.operation == FormulaOp::Power) {
        // The exponent reads with the minus sign of the subtractions.
        return side(step.left, step.leftUnit) + QLatin1Char('^') +
               withMinusSign(sixDigits(step.right, locale)) + QStringLiteral(" = ") +
               side(step.result, step.resultUnit);
    }
    return side(step.left, step.leftUnit) + QLatin1Char(' ') + operatorSign(step.operation) +
           QLatin1Char(' ') + side(step.right, step.rightUnit) + QStringLiteral(" = ") +
           side(step.result, step.resultUnit);
}

QString genderConstantNote(const Formula& formula, const QLocale& locale)
{
    QStringList notes;
    for (const FormulaOp& op : formula.ops) {
        if (op.kind != FormulaOp::Gender)
            continue;
        const QString symbol = op.symbol ? QString::fromUtf8(op.symbol) : QStringLiteral("K");
        const QString note =
            symbol + QStringLiteral(" = ") + withMinusSign(shortestNumber(op.number, locale)) +
            QStringLiteral(" for ") + QLatin1String(GenderMale) + QStringLiteral(", ") +
            withMinusSign(shortestNumber(op.female, locale)) + QStringLiteral(" for ") +
            QLatin1String(GenderFemale);
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
