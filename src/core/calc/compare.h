#pragma once

// The comparison at the end of an item's worked steps: the same inputs put
// through the item that stands beside it (the Cockcroft-Gault clearance beside
// the CKD-EPI 2021 eGFR, the typed LDL cholesterol beside the calculated ones).

#include "analytes/inputs.h"
#include "calc/itemid.h"

#include <QStringList>

namespace quarvex {

// The lines of the comparison for the item and the reading, each a sentence;
// empty for an item that compares with nothing or when nothing is there to
// compare. The other items' results come from their own descriptors.
QStringList compareLines(ItemId item, const Inputs& inputs);

} // namespace quarvex
