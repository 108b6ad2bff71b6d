#pragma once

#include "analytes/analyte.h"
#include "calc/calculations.h"

#include <span>
#include <vector>

namespace quarvex {

// One item of the Comprehensive Overview: its list text, the checks that
// decide whether it can be computed (in order) and its calculation.
struct OverviewItem {
    const char* listText;
    std::vector<AnalyteId> checks;
    Calculation calculation;
};

// The 22 overview items, in the order of the list, the grid and the export.
std::span<const OverviewItem> overviewItems();

} // namespace quarvex
