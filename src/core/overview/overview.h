#pragma once

#include "analytes/fields.h"
#include "analytes/inputs.h"
#include "calc/items.h"
#include "calc/notes.h"
#include "calc/outcome.h"

#include <QList>
#include <QLocale>
#include <QStringList>

#include <optional>

namespace quarvex {

// One overview item evaluated against the one reading of the fields: the
// findings of its checks in check order and, when there are none, its outcome.
struct ItemEvaluation {
    const ItemDescriptor* item;
    QList<Finding> findings;
    std::optional<Outcome> outcome;

    bool computable() const { return outcome.has_value(); }
};

// One item against the reading: the findings of its checks and, when there
// are none, its outcome. A calculation whose values are not all finite
// numbers (a ratio over a value next to zero) gives no outcome but a
// result-not-finite finding naming the item, so no band or interpretation is
// ever shown for infinity or NaN.
// Without listInputs, the outcome's list of inputs (for a derivation) is
// left empty.
ItemEvaluation evaluateItem(const ItemDescriptor& item, const Inputs& inputs,
                            bool listInputs = true);

// Every overview item, in item order, against one reading of the inputs.
QList<ItemEvaluation> evaluateItems(const Inputs& inputs, bool listInputs = true);

// The list texts of the computable items, in item order, in the language
// installed (for the list window).
QStringList computableListTexts(const QList<ItemEvaluation>& evaluations);

// Why the other items cannot be computed, for the list window: for each item
// that is not computable, in item order, its shown list text and below it each of
// its findings' shown texts on a line of its own, indented by four blanks.
QStringList cannotComputeLines(const QList<ItemEvaluation>& evaluations);

// The result rows of every computable item, in item order and, within an
// item, in the order its calculation gives them.
QList<ResultRow> resultRows(const QList<ItemEvaluation>& evaluations);

// The notes of each result row, parallel to resultRows: the same rows, in the
// same order, each with what qualifies its interpretation for this case.
QList<QList<Note>> resultRowNotes(const Inputs& inputs, const QList<ItemEvaluation>& evaluations);

// The rows for a set of fields, read once (for tools and tests).
QList<ResultRow> overviewRows(const Fields& fields, const QLocale& locale = QLocale());

} // namespace quarvex
