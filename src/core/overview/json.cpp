#include "overview/json.h"

namespace quarvex {

QJsonObject caseJson(const Inputs&, const QList<ItemEvaluation>&)
{
    return {};
}

} // namespace quarvex
