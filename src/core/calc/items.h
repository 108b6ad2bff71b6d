#pragma once

#include "analytes/bands.h"
#include "analytes/inputs.h"
#include "calc/formula.h"
#include "calc/itemid.h"
#include "calc/notedata.h"
#include "calc/outcome.h"
#include "calc/shortlist.h"
#include "calc/sources.h"

#include <span>

namespace quarvex {

// The order in which an outcome lists the item's inputs (its worked steps
// and JSON show them so): the check order, or the order in which the row
// formulas first use them, then the others (the gender that picks a band
// table) in check order.
enum class InputOrder : unsigned char { Checks, Formulas };

// A row worked in another unit system: when `input` is typed in `unit`, the
// row takes this formula (which reads that input as typed), its unit and this
// band table instead of its own (urine creatinine in mmol/L gives the
// protein to creatinine ratio in mg/mmol and KDIGO's mg/mmol categories).
struct UnitVariant {
    AnalyteId input = AnalyteId::Age;
    const char* unit = nullptr;
    const Formula* formula = nullptr;
    std::span<const Band> bands{};
};

// One result row of an item: its name, its formula, the band table its
// interpretation is chosen from, and how the interpretation reads.
struct ItemRow {
    const char* name = nullptr; // the grid's and export's row name
    const Formula* formula = nullptr;
    // The band table; with femaleBands, the table for "Male", femaleBands the
    // one for "Female", and any other gender text gives no band text.
    std::span<const Band> bands{};
    std::span<const Band> femaleBands{};
    // The interpretation: prefix + the band's text + suffix (both may be
    // none; without bands, the prefix alone is a fixed interpretation).
    const char* prefix = nullptr;
    const char* suffix = nullptr;
    // The row in other unit systems, the first whose input's unit matches
    // (never beside femaleBands).
    std::span<const UnitVariant> unitVariants{};

    // The band table for the reading's gender text.
    std::span<const Band> bandsFor(const QString& gender) const;
    // The formula and band table the reading takes: a unit variant's when
    // its input is typed in its unit, else the row's own.
    RowWorking workingFor(const Inputs& inputs) const;
    // The name in the language installed, for the windows.
    QString shownName() const;
};

// The translation context of the items' list texts and row names. The plain
// texts stay English for everything written or read back (the export, case
// files, JSON, the command line); the windows show them translated.
inline constexpr const char* ItemContext = "quarvex::Item";

// An item's list text or a row's name, given in English, in the language
// installed.
QString shownItemText(const QString& english);

// The screen form of an item whose screen shows more or other than its one
// row (the result and interpretation of the screen, the urea ratios' message):
// given the outcome with its rows worked out and the band text of each row,
// it writes result, moreInfo and message, and may change a row's result.
using ScreenForm = void (*)(Outcome& outcome, std::span<const QString> bandTexts);

// A value an item's formula cannot take although it passes the analyte's
// check: the item needs the value, in the formula unit, below `below`, from
// `atLeast` and up to `atMost` (each within the band tolerance).
struct FormulaLimit {
    AnalyteId analyte = AnalyteId::Age;
    double below = AndAbove;
    const char* text = nullptr; // the finding's text
    double atLeast = -AndAbove;
    double atMost = AndAbove;
};

// A row whose shown number must be above zero (a difference of two typed
// values that can come out negative): when every check passes and it does
// not, the item gives an outside-formula finding on `analyte` instead.
struct PositiveRow {
    size_t row = 0;
    AnalyteId analyte = AnalyteId::Age;
    const char* text = nullptr;
};

// One source of an item: a reference id of the literature list, what it
// stands behind (formula, bands, guidance) and what it supports here.
struct SourceRow {
    SourceRole role = SourceRole::Formula;
    const char* id = nullptr;
    const char* note = nullptr;
};

// Where an item's formula and bands come from and what a learner should know
// (see calc/sources.h, which builds the texts from these).
struct ItemOrigins {
    const char* formulaOrigin = "";
    const char* bandsOrigin = "";
    const char* guidance = "";
    const char* ownChoice = ""; // values that are the program's own choice
    const char* caveat = "";
    std::span<const SourceRow> sources{};
    // The lines of the worked steps besides the arithmetic: what changed from
    // an older form of the item and why, and when the result may be read.
    std::span<const char* const> stepNotes{};
};

// The names of an item's rows, read from its rows as a list is read. (A
// plain class rather than a ranges view: every compiler the project builds
// with, clang 14 for the fuzzers among them, takes it.)
struct RowNames {
    std::span<const ItemRow> rows;

    struct Iterator {
        const ItemRow* row;
        const char* operator*() const { return row->name; }
        Iterator& operator++()
        {
            ++row;
            return *this;
        }
        bool operator==(const Iterator&) const = default;
    };
    size_t size() const { return rows.size(); }
    const char* operator[](size_t i) const { return rows[i].name; }
    Iterator begin() const { return {rows.data()}; }
    Iterator end() const { return {rows.data() + rows.size()}; }
};

// Everything about one item, declared once beside its formulas, band tables
// and texts in its category's file (lipids.cpp, renal.cpp, renalratios.cpp,
// liver.cpp); calc/items.cpp gathers them in overview order.
struct ItemDescriptor {
    ItemId id;
    const char* listText; // the overview's list: "Creatinine Clearance Estimated (GFR)"
    // A stable name for tools and people who type it ("creatinine-clearance"):
    // lower case, words joined by hyphens, never changed once given.
    const char* key;
    ShortList<AnalyteId, 4> checkList;
    ShortList<ItemRow, 3> rowList;
    InputOrder inputOrder = InputOrder::Checks;
    // Null for an item whose screen shows its one row's result and
    // interpretation.
    ScreenForm screenForm = nullptr;
    ShortList<FormulaLimit, 2> limitList{};
    ShortList<PositiveRow, 1> positiveList{};
    ItemOrigins origins{};
    // The context, cut-off, dated and unsourced notes beside its rows
    // (read against a case by catalogue/notes.*).
    ItemNotes notes{};

    // The item's inputs, listed here once: the analytes whose checks decide
    // whether the item can be computed, in the order the checks run. The
    // screens enable these, the outcome lists these, and the row formulas
    // read only these (tst_items).
    std::span<const AnalyteId> checks() const { return checkList.view(); }
    std::span<const ItemRow> rows() const { return rowList.view(); }
    // The names of the item's rows, in order.
    RowNames rowNames() const { return RowNames{rows()}; }
    // The list text in the language installed, for the windows.
    QString shownListText() const;
    std::span<const FormulaLimit> limits() const { return limitList.view(); }

    // The findings of the item's checks against the reading, in check order;
    // a value that passes its check but lies outside the item's formula
    // (limits) gives an outside-formula finding in its check's place; with
    // no other finding, a row that must be positive (positiveList) and is
    // not gives one on its analyte.
    QList<Finding> findings(const Inputs& inputs) const;
    // Computes the item (call only when it has no findings): each row's
    // formula, value, result text, band and interpretation, then the screen
    // form; lists its inputs in the item's input order, unless asked not
    // to (Outcome::inputs is the derivation's; a batch writes no derivation).
    Outcome compute(const Inputs& inputs, bool listInputs = true) const;
};

// The 28 descriptors, in ItemId order: the order of the overview.
std::span<const ItemDescriptor> overviewItems();
const ItemDescriptor& item(ItemId id);

// Whether every formula limit and positive row of the item is on one of its
// checks.
constexpr bool limitsOnChecks(const ItemDescriptor& item)
{
    for (size_t p = 0; p < item.positiveList.count; ++p) {
        bool checked = false;
        for (size_t c = 0; c < item.checkList.count; ++c)
            checked = checked || item.checkList.items[c] == item.positiveList.items[p].analyte;
        if (!checked || item.positiveList.items[p].row >= item.rowList.count)
            return false;
    }
    for (size_t l = 0; l < item.limitList.count; ++l) {
        bool checked = false;
        for (size_t c = 0; c < item.checkList.count; ++c)
            checked = checked || item.checkList.items[c] == item.limitList.items[l].analyte;
        if (!checked)
            return false;
    }
    return true;
}

} // namespace quarvex
