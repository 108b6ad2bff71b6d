#pragma once

#include "analytes/analyte.h"
#include "analytes/inputs.h"
#include "analytes/plausibility.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quarvex {

// A question about one typed value that may be a typing or unit slip. A hint
// never blocks anything and never changes a value or a result.
struct FieldHint {
    AnalyteId analyte;
    QString text;  // English: files, JSON, the command line
    QString shown; // in the language installed: the windows

    QString shownText() const { return shown.isEmpty() ? text : shown; }

    bool operator==(const FieldHint&) const = default;
};

// The hints of one case, read from one reading of its fields: for each value
// that passes its check (in analyte order), a question when it lies outside
// the typical or the possible range of its unit (rangeHint), then each
// cross-field rule that fires, once for every field it involves. Numbers in
// the texts follow the inputs' locale.
QList<FieldHint> caseHints(const Inputs& inputs);

// The texts of the hints on one field, in order (English).
QStringList hintsOn(const QList<FieldHint>& hints, AnalyteId id);
// The same in the language installed, for the windows.
QStringList shownHintsOn(const QList<FieldHint>& hints, AnalyteId id);

// Each hint once per text, in order, with the fields it is on; for lists that
// show a cross-field hint once rather than on each of its fields.
struct CaseHint {
    QList<AnalyteId> analytes;
    QString text;
    QString shown; // the text in the language installed
};
QList<CaseHint> distinctHints(const QList<FieldHint>& hints);

// The tooltip line of a value field: the adult reference interval for the
// unit chosen in the inputs and the gender chosen there (both, if none).
// English unless the language asked for is the one installed.
QString referenceText(const Inputs& inputs, AnalyteId id,
                      HintLanguage language = HintLanguage::English);

} // namespace quarvex
