#pragma once

#include "analytes/analyte.h"
#include "analytes/dialogs.h"
#include "analytes/fields.h"

#include <QLocale>

#include <initializer_list>
#include <span>

namespace quarvex {

// Runs the check of one analyte (CheckAge, CheckSerumCreatinine, ...) against
// the fields of a screen and returns whether it passed. A failing check costs
// one on the screen's error count; it may beep or show the conversion-failure
// box on the way, as the rules say:
//  - an empty value fails silently;
//  - a text that is not a number, or whose half-to-even rounding falls outside
//    -32768..32767, beeps and shows a critical box describing the failure;
//  - a number of 0 or less fails silently; any positive number passes on to
//  - the unit test (unit lists only): the unit text must equal one of the
//    choices exactly; ten analytes beep when it does not;
//  - Gender passes only as exactly "Male" or "Female".
bool check(AnalyteId id, const Fields& fields, Dialogs& dialogs, const QLocale& locale = QLocale());

// The description shown in the conversion-failure box, or an empty text when
// the value reads as a whole number that fits.
QString conversionFailure(AnalyteId id, const QString& valueText,
                          const QLocale& locale = QLocale());

// Evaluation of one test item: the error count starts at 0 and each failing
// check, run in the given order, adds one. The item is computed only when the
// returned count is 0.
int evaluate(std::span<const AnalyteId> checks, const Fields& fields, Dialogs& dialogs,
             const QLocale& locale = QLocale());
inline int evaluate(std::initializer_list<AnalyteId> checks, const Fields& fields, Dialogs& dialogs,
                    const QLocale& locale = QLocale())
{
    return evaluate(std::span<const AnalyteId>(checks.begin(), checks.size()), fields, dialogs,
                    locale);
}

// One input of a calculation, read and brought to its formula unit by the
// exact text of its own unit field.
struct ConvertedInput {
    AnalyteId id;
    QString valueText;
    QString unitText;
    double typed = 0.0;               // the value as typed (NaN if it does not read as a number)
    double converted = 0.0;           // in the formula unit
    const UnitChoice* unit = nullptr; // the matching unit choice, if any
};
ConvertedInput convertInput(AnalyteId id, const Fields& fields, const QLocale& locale = QLocale());

} // namespace quarvex
