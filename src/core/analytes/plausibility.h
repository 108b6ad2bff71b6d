#pragma once

#include "analytes/analyte.h"
#include "literature/references.h"

#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace quarvex {

// The language a hint or reference line is written in: English, for files
// and the command line's data, or the language installed, for the windows.
enum class HintLanguage { English, Shown };

// The translation context of the hints' and reference lines' texts.
inline constexpr const char* HintContext = "quarvex::Hint";

// Which adults a reference interval is for.
enum class Sex { Any, Men, Women };

// The shape of a reference interval: low–high, below high, up to high, low or more.
enum class IntervalShape { Between, Below, UpTo, AtLeast };

struct ReferenceInterval {
    Sex sex = Sex::Any;
    IntervalShape shape = IntervalShape::Between;
    double low = 0.0;  // unused for Below and UpTo
    double high = 0.0; // unused for AtLeast
    QString label;     // what the interval stands for where it is a class ("desirable", "low")
    QList<const Reference*> sources;
    bool reasoned = false;    // an estimate where no published value was found
    bool alternative = false; // another source's interval, beside the one shown first
};

// A span of values in one unit: the values typical of patients, or the
// widest values seen in living patients (outside which a value is almost
// certainly a typing or unit slip).
struct ValueRange {
    double low = 0.0;
    double high = 0.0; // infinity where the values seen have no known ceiling
    QList<const Reference*> sources;
    bool reasoned = false; // an estimate where no published value was found
};

// What is typical and what is possible for one analyte in one unit.
//
// Each analyte's limits are held once, in its formula unit; those of its
// other units are derived with the analyte's own conversion, so a limit
// means the same amount in every unit. Keys: the analyte's value field name
// ("SerumCreatinine") and the unit text exactly as the analyte's unit list
// offers it ("mg/dL", "umol/L"). An analyte with a fixed unit is keyed with
// its fixed unit caption ("mEq/L or mmol/L", "U/L", "g/L", "ml", "IU/L"),
// and Age, which has no unit, with an empty text; lookups for either also
// accept an empty unit. Gender has no entry: it is not a number.
struct Plausibility {
    QString field;
    QString unit;                       // the key unit text
    QString shownUnit;                  // the unit as hint texts write it ("mEq/L", "mL", "years")
    QString name;                       // the analyte as people call it ("Serum creatinine")
    QList<ReferenceInterval> intervals; // in this unit; empty where there is none
    QString
        noInterval; // why there is none ("no adult reference interval for a random urine sample")
    ValueRange typical;  // what the large majority of patients, healthy and ill, have
    ValueRange possible; // the widest values seen in living patients
    QString note;        // further facts from the same literature; "" if none
};

std::optional<Plausibility> plausibility(QStringView field, QStringView unit);
// The same for the analyte by its id, which a case's values have: found
// without comparing field names.
std::optional<Plausibility> plausibility(AnalyteId id, QStringView unit);

// A limit in the given unit as the tooltips show it: three significant
// digits where the unit is not the formula unit, or more where a value typed
// on the shown number would otherwise count on the other side of the limit.
// A lower edge counts from the shown number on, an upper edge up to it.
QString shownLimitText(QStringView field, QStringView unit, double limit, bool lowerEdge,
                       const QLocale& locale);
QString shownLimitText(AnalyteId id, QStringView unit, double limit, bool lowerEdge,
                       const QLocale& locale);
// Every (field, unit) pair of the table, in analyte order.
QList<std::pair<QString, QString>> plausibilityKeys();

// The text for a value field's tooltip: the adult reference interval for the
// unit and gender ("Male", "Female"; anything else shows both), such as
// "Adult reference: 0.7–1.3 mg/dL (men)". Empty where the analyte has no
// reference interval at all (age, weight) or no entry. A limit derived for
// another unit is shown with three significant digits, or as many more as
// it takes for a value typed at the shown edge to count on the side the
// interval says.
QString referenceIntervalText(QStringView field, QStringView unit, QStringView gender,
                              const QLocale& locale, HintLanguage language = HintLanguage::English);

// A question about one typed value (in the typed unit), decided on the
// exact limits in the formula unit; empty when the value is typical, not a
// number, or the field and unit have no entry:
//  - outside the possible range: "Serum creatinine 88 mg/dL is above any
//    value seen in patients (up to 75 mg/dL). Did you mean 88 umol/L
//    (1.0 mg/dL)?";
//  - outside the typical range, where another reading of the same number is
//    typical: "Serum creatinine 62 mg/dL is far above the values seen in
//    patients. Did you mean 62 umol/L (0.70 mg/dL)?". The other readings are
//    the analyte's other units (not one with the same factor) and, for a
//    fixed unit, the slips the table lists (a lost decimal point, litres
//    typed as millilitres). Where the typical ranges of two readings
//    overlap, a number inside both is typical and gets no question;
//  - outside the typical range and no other reading typical: a calm line,
//    never a question, with what the literature says of such values:
//    "Serum sodium 95 mEq/L is rare: most patients have about 100–175
//    mEq/L. Survivors reported at 92–99 …".
// The typical ranges hold every value that occurs in disease in the unit, so
// that a sick patient's value is never questioned.
QString rangeHint(QStringView field, QStringView unit, double value, const QLocale& locale,
                  HintLanguage language = HintLanguage::English);
QString rangeHint(AnalyteId id, QStringView unit, double value, const QLocale& locale,
                  HintLanguage language = HintLanguage::English);

// A rule between fields: the sum of the part fields must not exceed the whole
// field, compared in the formula unit. A rule marked skipWhenAPartAlone stays
// quiet when one part alone already exceeds the whole (that rule speaks).
struct CrossFieldRule {
    const char* parts[2]; // one or two part fields; the second may be nullptr
    const char* whole;
    const char* unit;      // the formula unit both sides are compared in
    const char* partName;  // "HDL plus LDL cholesterol"
    const char* wholeName; // "total cholesterol"
    bool skipWhenAPartAlone;
};

std::span<const CrossFieldRule> crossFieldRules();

struct CrossFieldHint {
    QStringList fields; // every field the rule involves, parts first
    QString text;
    QString shown; // the text in the language installed
};

// The cross-field hints for values already converted to the formula unit,
// keyed by field name. A rule fires only when its parts exceed the whole
// beyond the program's band-edge tolerance (equal is fine); rules with a
// missing or non-finite value stay quiet.
QList<CrossFieldHint> crossFieldHints(const QHash<QString, double>& formulaValues,
                                      const QLocale& locale);

} // namespace quarvex
