#pragma once

#include "analytes/analyte.h"
#include "analytes/inputs.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quarvex {

// A question about one typed value that may be a typing or unit slip. A hint
// never blocks anything and never changes a value or a result.
struct FieldHint {
    AnalyteId analyte;
    QString text;

    bool operator==(const FieldHint&) const = default;
};

// The hints of one case, read from one reading of its fields: for each value
// that passes its check (in analyte order), a question when it lies outside
// the typical or the possible range of its unit (rangeHint), then each
// cross-field rule that fires, once for every field it involves. Numbers in
// the texts follow the inputs' locale.
QList<FieldHint> caseHints(const Inputs& inputs);

// The texts of the hints on one field, in order.
QStringList hintsOn(const QList<FieldHint>& hints, AnalyteId id);

// Each hint once per text, in order, with the fields it is on; for lists that
// show a cross-field hint once rather than on each of its fields.
struct CaseHint {
    QList<AnalyteId> analytes;
    QString text;
};
QList<CaseHint> distinctHints(const QList<FieldHint>& hints);

// The tooltip line of a value field: the adult reference interval for the
// unit chosen in the inputs and the gender chosen there (both, if none).
QString referenceText(const Inputs& inputs, AnalyteId id);

} // namespace quarvex
