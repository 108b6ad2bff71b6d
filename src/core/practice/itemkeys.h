#pragma once

#include "calc/itemid.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace quarvex {

// The stable text id of an item ("creatinine-clearance"): what a tool, a
// seed list or a worksheet names the item by. It never changes once given.
QString itemKey(ItemId id);

// The item a text names: its stable id or its list text, either in any case.
std::optional<ItemId> findItem(QStringView text);

} // namespace quarvex
