#include "calc/formula.h"

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
    default:
        return "?";
    }
}

QString operandText(const FormulaOp& op, FormulaStyle style, const Inputs& inputs)
{
    switch (op.kind) {
    case FormulaOp::Number:
        return exactNumber(op.number);
    case FormulaOp::Gender:
        switch (style) {
        case FormulaStyle::Words:
            return exactNumber(op.number);
        case FormulaStyle::Symbols:
            return QStringLiteral("K");
        case FormulaStyle::Expression:
            return exactNumber(genderConstant(op, inputs));
        case FormulaStyle::Substituted:
            return sixDigits(genderConstant(op, inputs), inputs.locale());
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
    const QString suffix = QString::fromLatin1(formula.suffix).trimmed();
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
        default:
            step.result = left.value / right.value;
            break;
        }
        if (op.kind == FormulaOp::Add || op.kind == FormulaOp::Subtract)
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
    return side(step.left, step.leftUnit) + QLatin1Char(' ') + operatorSign(step.operation) +
           QLatin1Char(' ') + side(step.right, step.rightUnit) + QStringLiteral(" = ") +
           side(step.result, step.resultUnit);
}

QString genderConstantNote(const Formula& formula, const QLocale& locale)
{
    for (const FormulaOp& op : formula.ops) {
        if (op.kind == FormulaOp::Gender) {
            return shortestNumber(op.number, locale) + QStringLiteral(" for ") +
                   QLatin1String(GenderMale) + QStringLiteral(", ") +
                   shortestNumber(op.female, locale) + QStringLiteral(" for ") +
                   QLatin1String(GenderFemale);
        }
    }
    return {};
}

} // namespace quarvex
