#include "practice/working.h"

#include <algorithm>
#include <cmath>

namespace quarvex::practice {

QList<Operation> operations(const Formula& formula)
{
    QList<Operation> out;
    QList<Operand> stack;
    for (int i = 0; i < int(formula.ops.size()); ++i) {
        const FormulaOp& op = formula.ops[size_t(i)];
        switch (op.kind) {
        case FormulaOp::Number:
            stack << Operand{Operand::Number, i, AnalyteId::Age, -1, op.number};
            continue;
        case FormulaOp::Gender:
            stack << Operand{Operand::Gender, i, AnalyteId::Gender, -1, 0.0};
            continue;
        case FormulaOp::Input:
            stack << Operand{Operand::Input, i, op.input, -1, 0.0};
            continue;
        default:
            break;
        }
        Operation operation{i, op.kind, {}, stack.takeLast()};
        operation.left = stack.takeLast();
        stack << Operand{Operand::Step, i, AnalyteId::Age, int(out.size()), 0.0};
        out << operation;
    }
    return out;
}

double rounded(double value, Change::Rounding rounding)
{
    switch (rounding) {
    case Change::NoRounding:
        return value;
    case Change::Decimals1:
        return std::round(value * 10.0) / 10.0;
    case Change::Decimals2:
        return std::round(value * 100.0) / 100.0;
    case Change::Significant2: {
        if (value == 0.0 || !std::isfinite(value))
            return value;
        double scale = 1.0;
        const double size = std::fabs(value);
        while (size * scale < 10.0)
            scale *= 10.0;
        while (size * scale >= 100.0)
            scale /= 10.0;
        return std::round(value * scale) / scale;
    }
    }
    return value;
}

Reworked rework(const Formula& formula, const Change& change)
{
    Reworked out;
    QList<double> stack;
    const qsizetype operationCount = operations(formula).size();
    for (int i = 0; i < int(formula.ops.size()); ++i) {
        const FormulaOp& op = formula.ops[size_t(i)];
        switch (op.kind) {
        case FormulaOp::Number:
            stack << (i == change.numberLeftOut ? 1.0 : op.number);
            continue;
        case FormulaOp::Gender:
            stack << (change.male != change.otherGender ? op.number : op.female);
            continue;
        case FormulaOp::Input:
            stack << change.values[size_t(op.input)];
            continue;
        default:
            break;
        }
        double right = stack.takeLast();
        double left = stack.takeLast();
        if (i == change.swapped)
            std::swap(left, right);
        double result = 0.0;
        switch (op.kind) {
        case FormulaOp::Add:
            result = left + right;
            break;
        case FormulaOp::Subtract:
            result = i == change.sideOnly ? right : left - right;
            break;
        case FormulaOp::Multiply:
            result = left * right;
            break;
        case FormulaOp::Power:
            result = std::pow(left, right);
            break;
        case FormulaOp::Minimum:
            result = std::isnan(left) || std::isnan(right) ? std::nan("") : std::min(left, right);
            break;
        case FormulaOp::Maximum:
            result = std::isnan(left) || std::isnan(right) ? std::nan("") : std::max(left, right);
            break;
        default:
            result = left / right;
            break;
        }
        if (out.steps.size() + 1 < operationCount)
            result = rounded(result, change.rounding);
        out.steps << result;
        stack << result;
    }
    out.value = stack.isEmpty() ? 0.0 : stack.last();
    return out;
}

} // namespace quarvex::practice
