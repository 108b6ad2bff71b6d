#pragma once

#include "analytes/inputs.h"
#include "overview/overview.h"

#include <QJsonObject>

namespace quarvex {

// One case as a JSON object: `inputs` (every field that holds text) and
// `items` (all 22 in overview order, with their rows, bands and sources).
// Numbers that are not finite are written as null.
QJsonObject caseJson(const Inputs& inputs, const QList<ItemEvaluation>& evaluations);

// What every case shares, the document of quarvex-cli --items-json: the
// layout of a case line, each input field with its formula unit, and each
// item with its rows (each row's formula, expression and band table, in
// every variant the inputs can choose, such as a band table by gender) and
// its sources. Lines of caseLine refer to it by item and row name.
QJsonObject itemsJson();

// Appends the case as one line of JSON Lines, ended by a line feed: only what
// belongs to the case, in the layout itemsJson states. Compact, no key
// repeated per row:
//   {"case": ID,
//    "inputs": {field: [text, unit or null, value in the formula unit,
//                       reference interval in the unit typed or null]},
//    "findings": [[item, field or null, kind, text]],
//    "hints": [[field, text]],
//    "rows": {row name: [result, value, interpretation, band index or null,
//                        substituted formula, variant]},
//    "notes": {row name: [[kind, text, [source ids]]]}}
// where notes holds the context and rounding notes of the rows that have any
// (the dated and unsourced notes are the same in every case: itemsJson gives
// them under each row's `notes`);
// and variant is the index of the row's variant in itemsJson, left out when
// the row has one; a variant itemsJson does not list is written whole.
void appendCaseLine(QByteArray& out, QStringView caseId, const Inputs& inputs,
                    const QList<ItemEvaluation>& evaluations);

} // namespace quarvex
