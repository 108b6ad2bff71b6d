#include "calc/rowwork.h"

namespace quarvex::rowwork {

Outcome oneRow(double value, const QString& result, const QString& interpretation)
{
    Outcome outcome;
    outcome.result = result;
    outcome.moreInfo = interpretation;
    outcome.rows = {ResultRow{{}, result, interpretation}};
    outcome.values = {value};
    return outcome;
}

Worked work(const Formula& formula, std::span<const Band> bands, const Inputs& inputs)
{
    const double value = evaluate(formula, inputs);
    QString result;
    switch (formula.shown) {
    case Shown::Fixed2:
        result = resultText(value, formula.suffix, inputs.locale());
        break;
    case Shown::Plain:
        result = formatPlain(value, inputs.locale());
        break;
    case Shown::Text:
        break;
    }
    return Worked{value, result, text(bandText(value, bands)), RowWorking{&formula, bands}};
}

Outcome oneRow(const Worked& worked, const QString& interpretation)
{
    Outcome outcome = oneRow(worked.value, worked.result, interpretation);
    outcome.working = {worked.working};
    return outcome;
}

} // namespace quarvex::rowwork
