#include "calc/steps.h"

namespace quarvex::steps {

Outcome oneRow(QList<ConvertedInput> inputs, double value, const QString& result,
               const QString& interpretation)
{
    Outcome outcome;
    outcome.result = result;
    outcome.moreInfo = interpretation;
    outcome.rows = {ResultRow{{}, result, interpretation}};
    outcome.inputs = std::move(inputs);
    outcome.values = {value};
    return outcome;
}

} // namespace quarvex::steps
