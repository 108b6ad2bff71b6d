#include "calc/steps.h"

#include <limits>

namespace quarvex::steps {

ConvertedInput textInput(AnalyteId id, const Fields& fields)
{
    ConvertedInput input{id, fields.value(id), fields.unit(id)};
    input.typed = std::numeric_limits<double>::quiet_NaN();
    input.converted = input.typed;
    return input;
}

Outcome oneRow(QList<ConvertedInput> inputs, double value, const QString& result,
               const QString& interpretation, const char* rowName)
{
    Outcome outcome;
    outcome.result = result;
    outcome.moreInfo = interpretation;
    outcome.rows = {ResultRow{text(rowName), result, interpretation}};
    outcome.inputs = std::move(inputs);
    outcome.values = {value};
    return outcome;
}

} // namespace quarvex::steps
