#pragma once

#include "analytes/analyte.h"
#include "calc/calculations.h"

#include <QString>

#include <span>
#include <vector>

namespace quarvex {

// The three calculator screens of Quick Calculator mode.
enum class ScreenId { Heart, Liver, Kidney };

// One category of the selector, in list order (position 0, 1, 2).
struct CatalogueCategory {
    const char* text;
    ScreenId screen;
};

// What Proceed does to the category's screen for one item. The renal and
// liver screens start with every analyte group disabled and Proceed enables
// the item's groups; the lipid screen starts with everything enabled and
// Proceed disables single controls, named by object name.
struct ScreenSettings {
    std::vector<AnalyteId> enabledGroups;
    std::vector<const char*> disabledControls;
    bool hideResult = false;         // the item writes no Result
    bool showMoreInfoButton = false; // renal: the item has an interpretation to show
};

// One entry of the selector's test catalogue.
struct TestItem {
    int category; // position of its category
    int position; // position in the category's list
    const char* selectorName;
    const char* explanation;
    const char* screenTitle;
    Calculation calculation;
    ScreenSettings settings;
};

// One row of a screen's Calculate dispatch: the screen title it answers to
// and the calculation, whose checks run first.
struct DispatchRow {
    const char* screenTitle;
    Calculation calculation;

    std::span<const AnalyteId> checks() const { return checksOf(calculation); }
};

std::span<const CatalogueCategory> categories();
// The 23 entries, category by category, each category's items in list order.
std::span<const TestItem> catalogue();
// The entries of one category, in list order (empty for a position out of range).
std::span<const TestItem> categoryItems(int category);
// The entry at (category, position), or nullptr when either is out of range.
const TestItem* catalogueItem(int category, int position);

std::span<const DispatchRow> dispatchTable(ScreenId screen);
// The first row whose screen title equals title exactly, or nullptr.
const DispatchRow* findDispatch(ScreenId screen, const QString& title);

} // namespace quarvex
