#pragma once

#include "analytes/inputs.h"
#include "calc/calculations.h"
#include "calc/itemid.h"

#include <array>
#include <initializer_list>
#include <span>

namespace quarvex {

// A short list held in place, so the descriptor table can be a constant.
template <class T, size_t Capacity>
struct ShortList {
    std::array<T, Capacity> items{};
    size_t count = 0;

    constexpr ShortList(std::initializer_list<T> list)
    {
        for (const T& item : list)
            items[count++] = item;
    }
    std::span<const T> view() const { return {items.data(), count}; }
};

// The order in which an outcome lists the item's inputs (its worked steps
// and JSON show them so): the check order, or the order in which the row
// formulas first use them, then the others (the gender that picks a band
// table) in check order.
enum class InputOrder : unsigned char { Checks, Formulas };

// Everything about one calculation that the screens, the overview and the
// export need: the only place where a calculation is paired with its checks,
// its list text and the names of its rows.
struct ItemDescriptor {
    ItemId id;
    const char* listText; // the overview's list: "Creatinine Clearance Estimated (GFR)"
    Calculation calculation;
    ShortList<AnalyteId, 4> checkList;
    ShortList<const char*, 3> rowNameList;
    InputOrder inputOrder = InputOrder::Checks;

    // The item's inputs, listed here once: the analytes whose checks decide
    // whether the item can be computed, in the order the checks run. The
    // screens enable these, the outcome lists these, and the row formulas
    // read only these (tst_items).
    std::span<const AnalyteId> checks() const { return checkList.view(); }
    // The names of the item's rows, in order.
    std::span<const char* const> rowNames() const { return rowNameList.view(); }

    // The findings of the item's checks against the reading, in check order;
    // a value that passes its check but lies outside the item's formula
    // (formulaLimits) gives an outside-formula finding in its check's place.
    QList<Finding> findings(const Inputs& inputs) const;
    // Computes the item (call only when it has no findings), names its rows
    // and lists its inputs in the item's input order.
    Outcome compute(const Inputs& inputs) const;
};

// A value an item's formula cannot take although it passes the analyte's
// check: the item needs the value, in the formula unit, below `below`.
struct FormulaLimit {
    ItemId item;
    AnalyteId analyte;
    double below;
    const char* text; // the finding's text
};

// Every formula limit, by item.
std::span<const FormulaLimit> formulaLimits();

// The 22 descriptors, in ItemId order: the order of the overview.
std::span<const ItemDescriptor> overviewItems();
const ItemDescriptor& item(ItemId id);

} // namespace quarvex
