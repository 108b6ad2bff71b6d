#pragma once

#include "analytes/analyte.h"
#include "calc/calculations.h"

#include <span>

namespace quarvex {

// One item of the Comprehensive Overview: its list text and its calculation,
// whose checks decide whether it can be computed.
struct OverviewItem {
    const char* listText;
    Calculation calculation;

    std::span<const AnalyteId> checks() const { return checksOf(calculation); }
};

// The 22 overview items, in the order of the list, the grid and the export.
std::span<const OverviewItem> overviewItems();

} // namespace quarvex
