#pragma once

#include "analytes/inputs.h"
#include "overview/overview.h"

#include <QJsonObject>

namespace quarvex {

// One case as a JSON object: `inputs` (every field that holds text) and
// `items` (all 22 in overview order, with their rows, bands and sources).
// Numbers that are not finite are written as null.
QJsonObject caseJson(const Inputs& inputs, const QList<ItemEvaluation>& evaluations);

} // namespace quarvex
