#pragma once

#include "analytes/bands.h"
#include "analytes/inputs.h"
#include "calc/formula.h"

#include <QList>
#include <QString>

#include <optional>

namespace quarvex {

// One line of the overview's grid and export: test item, result, interpretation.
struct ResultRow {
    QString name;
    QString result;
    QString interpretation;

    // The three texts joined by tabs (never a tab at the end, no quoting).
    QString line() const;

    bool operator==(const ResultRow&) const = default;
};

// How one row was worked out: the formula its value came from and the band
// table its text was chosen from (empty when it has none).
struct RowWorking {
    const Formula* formula = nullptr;
    std::span<const Band> bands;
};

// What one calculation produces, computed once; the calculator screen applies
// the screen form (result, moreInfo, message) and the overview and export use
// the row form (rows).
struct Outcome {
    // Text for the screen's Result box; no value leaves the box as it was
    // (the items whose screen form writes only the interpretation).
    std::optional<QString> result;
    // Text for the screen's MoreInfo label; empty when the item chose no
    // interpretation (the screen then empties the label).
    QString moreInfo;
    // Text of the information box that the screen shows after a beep
    // (only UreaCreatinineRatios); empty for every other item.
    QString message;
    // The row form, in order. A calculation leaves the names empty; the
    // item's descriptor names the rows (see calc/items.h).
    QList<ResultRow> rows;

    // The working: each input as typed and converted, and the unrounded
    // value(s) the bands were chosen from.
    QList<ConvertedInput> inputs;
    QList<double> values;
    // One per row, in row order.
    QList<RowWorking> working;
};

// Whether the rows' formulas use the input in the formula unit: false only
// where every formula that reads it reads it as typed (a unit variant's).
bool readsConverted(const QList<RowWorking>& working, AnalyteId id);

} // namespace quarvex
