#pragma once

#include "calc/itemid.h"

#include <optional>

class QWidget;

namespace quarvex {

class WorksheetDialog;

// Opens the worksheet dialog over parent (window-modal; it deletes itself
// when closed), with the item preselected when one is given, and returns it.
WorksheetDialog* showWorksheetDialog(QWidget* parent,
                                     std::optional<ItemId> preselected = std::nullopt);

} // namespace quarvex
