#pragma once

#include "analytes/analyte.h"
#include "calc/items.h"

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

    QString shownText() const; // in the language installed
};

// The translation context of the catalogue's texts: the categories, the
// selector's names, the explanations and the screen titles.
inline constexpr const char* CatalogueContext = "quarvex::Catalogue";

// The controls of one analyte on a screen, as flags.
enum AnalyteControl : unsigned {
    CaptionControl = 1u << 0,
    ValueControl = 1u << 1, // the value field, or Gender's list
    UnitControl = 1u << 2,  // the unit list or fixed unit caption
    GroupControls = CaptionControl | ValueControl | UnitControl,
};

// Some of the controls of one analyte.
struct ControlsOf {
    AnalyteId analyte;
    unsigned controls; // AnalyteControl flags
};

// What Proceed does to the category's screen for one item. The renal and
// liver screens start with every analyte group disabled and Proceed enables
// the item's groups; the lipid screen starts with everything enabled and
// Proceed disables single controls.
struct ScreenSettings {
    std::vector<AnalyteId> enabledGroups;
    std::vector<ControlsOf> disabledControls;
    bool hideResult = false;         // the item writes no Result
    bool showMoreInfoButton = false; // renal: the item has an interpretation to show
    // The renal and liver entries: enabledGroups are the analytes the item
    // reads, taken from its descriptor.
    bool enablesItemInputs = false;
};

// One entry of the selector's test catalogue.
struct TestItem {
    int category; // position of its category
    int position; // position in the category's list
    const char* selectorName;
    const char* explanation;
    const char* screenTitle;
    ItemId item; // what Calculate computes
    ScreenSettings settings;

    const ItemDescriptor& descriptor() const { return quarvex::item(item); }

    // The texts above in the language installed, for the windows.
    QString shownName() const;
    QString shownExplanation() const;
    QString shownScreenTitle() const;
};

std::span<const CatalogueCategory> categories();
// The 29 entries, category by category, each category's items in list order.
std::span<const TestItem> catalogue();
// The entries of one category, in list order (empty for a position out of range).
std::span<const TestItem> categoryItems(int category);
// The entry at (category, position), or nullptr when either is out of range.
const TestItem* catalogueItem(int category, int position);

// The entries whose titles a screen shows: those of its category.
std::span<const TestItem> screenItems(ScreenId screen);

} // namespace quarvex
