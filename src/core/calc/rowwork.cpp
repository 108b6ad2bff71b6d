#include "calc/rowwork.h"

namespace quarvex::rowwork {

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

} // namespace quarvex::rowwork
