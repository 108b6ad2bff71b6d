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
// layout of a case line (`caseLine`), each input field with its unit field,
// its units and its adult reference interval by unit and gender (numbers
// written as the locale writes them), each item with its rows (each row's
// formula, expression and band table, in every variant the inputs can
// choose, such as a band table by gender; the interpretation of each band
// the lean line numbers, and with no band) and its sources, and the note
// templates by id, whose %1, %2, … a line's note arguments fill.
QJsonObject itemsJson(const QLocale& locale = QLocale::c());

// Appends the case as one line of JSON Lines, ended by a line feed: only what
// belongs to the case, by position in itemsJson's order. Compact:
//   {"case": ID,
//    "inputs": [[text, unit, value in the formula unit] or null],
//    "findings": [[item, field or null, kind, text]],
//    "hints": [[field, text]],
//    "rows": [[result, value, band] or null],
//    "notes": [[row, note id, argument, …]]}
// where inputs lists every field of itemsJson's `fields` (null for one left
// empty), unit is the unit's index in the field's `units` (the text itself
// for one the list lacks, null for a field without a unit list); item is an
// index of `items`, field one of `fields`; rows lists every row of every item
// in that order (null for an item not computed), band is the index in the
// row's `interpretations`, null for the row's `noBand` (the text itself
// where the row says something else); and notes holds the context and
// rounding notes of the rows (row an index of rows) as the id of a template
// of `noteTemplates` and the texts that fill it.
void appendCaseLine(QByteArray& out, QStringView caseId, const Inputs& inputs,
                    const QList<ItemEvaluation>& evaluations);

// The same case as a line that stands alone, every text written out:
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
void appendFullCaseLine(QByteArray& out, QStringView caseId, const Inputs& inputs,
                        const QList<ItemEvaluation>& evaluations);

} // namespace quarvex
