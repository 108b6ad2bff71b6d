#include "practice/working.h"

#include <algorithm>
#include <cmath>

namespace quarvex::practice {

QList<Operation> operations(const Formula& formula)
{
    QList<Operation> out;
    QList<Operand> stack;
    QList<int> operationAt(qsizetype(formula.ops.size()), -1); // op index to operation
    for (int i = 0; i < int(formula.ops.size()); ++i) {
        const FormulaOp& op = formula.ops[size_t(i)];
        switch (op.kind) {
        case FormulaOp::Recall:
            // The earlier operation's result, not worked again.
            stack << Operand{Operand::Step, op.from, AnalyteId::Age, operationAt.value(op.from, -1),
                             0.0};
            continue;
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
        operationAt[i] = int(out.size());
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

namespace {

double sideValue(const Formula& formula, const Operand& side, const Change& change,
                 const QList<double>& results)
{
    switch (side.kind) {
    case Operand::Number:
        return side.op == change.numberLeftOut ? 1.0 : side.number;
    case Operand::Gender: {
        const FormulaOp& op = formula.ops[size_t(side.op)];
        const bool male = side.op == change.genderAsMale || change.male != change.otherGender;
        return male ? op.number : op.female;
    }
    case Operand::Input:
        return inputValue(formula.ops[size_t(side.op)], change.values[size_t(side.input)]);
    case Operand::Step:
        return results.value(side.step, std::nan(""));
    }
    return std::nan("");
}

} // namespace

double operationResult(const Formula& formula, const Operation& operation, const Change& change,
                       const QList<double>& results, bool intermediate)
{
    double left = sideValue(formula, operation.left, change, results);
    double right = sideValue(formula, operation.right, change, results);
    if (operation.op == change.swapped)
        std::swap(left, right);
    double result = 0.0;
    switch (operation.kind) {
    case FormulaOp::Add:
        result = left + right;
        break;
    case FormulaOp::Subtract:
        result = operation.op == change.sideOnly ? right : left - right;
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
    return intermediate ? rounded(result, change.rounding) : result;
}

Reworked rework(const Formula& formula, const Change& change)
{
    Reworked out;
    const QList<Operation> ops = operations(formula);
    for (int k = 0; k < ops.size(); ++k)
        out.steps << operationResult(formula, ops[k], change, out.steps, k + 1 < ops.size());
    if (!out.steps.isEmpty()) {
        out.value = out.steps.last();
    } else if (!formula.ops.empty()) {
        // A formula without operations: its one operand.
        const FormulaOp& op = formula.ops[0];
        const Operand side{op.kind == FormulaOp::Number   ? Operand::Number
                           : op.kind == FormulaOp::Gender ? Operand::Gender
                                                          : Operand::Input,
                           0, op.input, -1, op.number};
        out.value = sideValue(formula, side, change, out.steps);
    }
    return out;
}

} // namespace quarvex::practice
