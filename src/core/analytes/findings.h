#pragma once

#include "analytes/analyte.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace quarvex {

// Why a check did not pass. Each kind has a stable name for files and tools.
enum class FindingKind {
    Empty,           // the value field is empty
    NotANumber,      // the value does not read as a number
    TooLarge,        // the value, rounded to a whole number, lies outside -32768..32767
    NotPositive,     // the value is 0 or less
    NoUnit,          // the unit list is empty
    UnknownUnit,     // the unit text is none of the unit list's choices
    NoGender,        // Gender is neither "Male" nor "Female"
    OutsideFormula,  // the value passes its check but lies where the item's formula gives no result
    TooSmall,        // the value is positive but below SmallestPositiveValue (number.h)
    ResultNotFinite, // an item's result is not a finite number (a finding about the item)
};

// "empty", "not-a-number", "too-large", "not-positive", "no-unit", "unknown-unit", "no-gender",
// "outside-formula", "too-small", "result-not-finite".
QString kindName(FindingKind kind);

// A text typed by someone, made fit to show in a message: at most its first
// 40 characters (then "…"), every control character escaped ("\r", "\x1b").
QString shownText(const QString& text);
// The same in double quotes.
QString quotedText(const QString& text);
// "\"<text>\" is not one of <choices>" (choices joined by ", "), in English.
QString notOneOfText(const QString& text, const QStringList& choices);
// The same in the language installed.
QString shownNotOneOfText(const QString& text, const QStringList& choices);

// The translation context of the findings' texts.
inline constexpr const char* FindingContext = "quarvex::Finding";

// One failed check: the analyte it concerns (none for a finding about a whole
// item), the kind, and a short text in plain words for a person to read.
// `text` is English whatever the language, for everything that is written or
// read back (the command line, JSON); `shown` is the same text in the
// language installed when the finding was made, for the windows.
struct Finding {
    std::optional<AnalyteId> analyte;
    FindingKind kind;
    QString text;
    QString shown = {};

    // The text for a window: `shown`, or `text` for a finding made without a
    // translation of its own.
    QString shownText() const { return shown.isEmpty() ? text : shown; }

    // The same finding: `shown` is only another wording of `text`.
    bool operator==(const Finding& other) const
    {
        return analyte == other.analyte && kind == other.kind && text == other.text;
    }
};

// The finding of an item whose result is not a finite number: no analyte,
// the item named by its list text.
Finding resultNotFinite(const QString& itemName);

// How a window announces a finding: a beep, and for a value that could not be
// read, a critical message box with the finding's text. The one place that
// decides this; windows and tools ask here.
struct FindingAlert {
    bool beep = false;
    bool box = false;
};
FindingAlert alertFor(const Finding& finding);

// The finding of one analyte's check on its value text and unit text, or none
// when the check passes. The checks, in order:
//  - Gender passes only as exactly "Male" or "Female";
//  - an empty value fails;
//  - a text that is not a number in the locale, or whose half-to-even rounding
//    falls outside -32768..32767, or a positive number below 1e-300, fails as
//    a conversion failure;
//  - a number of 0 or less fails; any positive number goes on to
//  - the unit test (unit lists only): the unit text must equal one of the
//    choices exactly.
// `number` is the value as read, when it reads as a number.
std::optional<Finding> checkValue(AnalyteId id, const QString& valueText, const QString& unitText,
                                  const QLocale& locale, std::optional<double>* number = nullptr);

} // namespace quarvex
