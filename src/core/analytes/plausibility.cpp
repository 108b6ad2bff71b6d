#include "analytes/plausibility.h"

#include "analytes/analyte.h"
#include "analytes/bands.h"
#include "analytes/format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace quarvex {

namespace {

constexpr double NoCeiling = std::numeric_limits<double>::infinity();

struct IntervalRow {
    bool present = false;
    Sex sex = Sex::Any;
    IntervalShape shape = IntervalShape::Between;
    double low = 0.0;
    double high = 0.0;
    const char* label = "";
    const char* sources = ""; // reference ids, separated by blanks
    bool reasoned = false;
    bool alternative = false;
};

constexpr IntervalRow between(double low, double high, const char* sources, Sex sex = Sex::Any)
{
    return {true, sex, IntervalShape::Between, low, high, "", sources, false, false};
}
constexpr IntervalRow men(double low, double high, const char* sources)
{
    return between(low, high, sources, Sex::Men);
}
constexpr IntervalRow women(double low, double high, const char* sources)
{
    return between(low, high, sources, Sex::Women);
}
constexpr IntervalRow below(double high, const char* label, const char* sources)
{
    return {true, Sex::Any, IntervalShape::Below, 0.0, high, label, sources, false, false};
}
constexpr IntervalRow upTo(double high, const char* sources)
{
    return {true, Sex::Any, IntervalShape::UpTo, 0.0, high, "", sources, false, false};
}
constexpr IntervalRow atLeast(double low, const char* label, const char* sources)
{
    return {true, Sex::Any, IntervalShape::AtLeast, low, 0.0, label, sources, false, false};
}
constexpr IntervalRow alt(IntervalRow row)
{
    row.alternative = true;
    return row;
}
constexpr IntervalRow estimate(IntervalRow row, const char* label)
{
    row.reasoned = true;
    row.label = label;
    return row;
}

struct Row {
    const char* field;
    const char* unit;
    const char* shownUnit;
    std::array<IntervalRow, 4> intervals;
    const char* noInterval;
    double possibleLow;
    double possibleHigh;
    const char* possibleSources;
    bool possibleReasoned;
    const char* note;
};

constexpr const char* Spot = "no adult reference interval for a random urine sample";
constexpr const char* EqPerL = "mEq/L or mmol/L";
constexpr bool Est = true;   // the possible range is an estimate
constexpr bool Seen = false; // the possible range rests on published records

// clang-format off
constexpr Row Table[] = {
    {"Age", "", "years", {}, "", 0.0, 122.0, "U7", Seen,
     "Cockcroft–Gault was derived in adults aged 18–92 years and is not valid below 18 [R1][R69]."},
    {"Weight", "kg", "kg", {}, "", 0.5, 650.0, "U6", Est,
     "The heaviest recorded human weighed about 635 kg [U6]."},
    {"Weight", "lbs", "lbs", {}, "", 1.0, 1430.0, "", Est, ""},
    {"SerumCreatinine", "mg/dL", "mg/dL", {men(0.7, 1.3, "R88"), women(0.6, 1.1, "R88")}, "", 0.1, 75.0, "R53", Seen,
     "Age and sex tables, e.g. 18–29 years: men 0.60–1.24, women 0.50–0.96 mg/dL [R48]; highest recorded 73.8 mg/dL [R53]; mean critical high 7.4 mg/dL [R46]."},
    {"SerumCreatinine", "umol/L", "umol/L", {men(62, 115, "R88"), women(53, 97, "R88")}, "", 9.0, 6600.0, "R53", Seen, ""},
    {"UrineCreatinine", "mg/dL", "mg/dL", {}, Spot, 3.0, 600.0, "", Est,
     "Depends on hydration, typically about 20–320 mg/dL (estimate); daily excretion 20–25 mg/kg (men), 15–20 mg/kg (women) [R89]."},
    {"UrineCreatinine", "mmol/L", "mmol/L", {}, Spot, 0.3, 53.0, "", Est,
     "Typically about 1.8–28 mmol/L in a random sample (estimate)."},
    {"SerumSodium", EqPerL, "mEq/L", {between(135, 145, "R47"), alt(between(136, 145, "R88"))}, "", 90.0, 230.0, "R55", Seen,
     "Survivors reported at 92–99 and up to 228 mmol/L after salt ingestion [R55]; critical limits 120/158 [R45]."},
    {"UrineSodium", EqPerL, "mEq/L", {}, Spot, 0.0, 300.0, "", Est,
     "40–140 mmol/L in 24-hour urine [R62]; below 20 suggests sodium avidity [R73]."},
    {"SerumPotassium", EqPerL, "mEq/L", {between(3.5, 5.0, "R47")}, "", 1.0, 14.0, "R54 R90", Seen,
     "Above 10 is rare: consider pseudohyperkalaemia (haemolysis) [R54]; critical limits 2.8/6.2 [R45]."},
    {"UrinePotassium", EqPerL, "mEq/L", {}, Spot, 1.0, 300.0, "", Est,
     "40–120 mmol/L in 24-hour urine [R62]; below 15–20 means conservation [R71][R76]."},
    {"SerumCalcium", "mg/dL", "mg/dL", {between(8.5, 10.5, "R47")}, "", 2.0, 25.0, "", Est,
     "Above 10.4 mg/dL is hypercalcaemia [R61]; crisis above 14 [R59]; critical limits 6.6/12.9 [R45][R46]."},
    {"SerumCalcium", "mmol/L", "mmol/L", {between(2.1, 2.6, "R47")}, "", 0.5, 6.2, "", Est, ""},
    {"UrineCalcium", "mg/dL", "mg/dL", {}, Spot, 0.1, 100.0, "", Est,
     "24-hour urine below 7.5 mmol (about 300 mg) a day [R62]."},
    {"UrineCalcium", "mmol/L", "mmol/L", {}, Spot, 0.02, 25.0, "", Est,
     "Typically about 0.5–7 mmol/L in a random sample (estimate)."},
    {"SerumPhosphorus", "mg/dL", "mg/dL", {between(2.5, 4.5, "R47")}, "", 0.2, 30.0, "", Est,
     "Critical limits 1.2/8.9 [R46]."},
    {"SerumPhosphorus", "mmol/L", "mmol/L", {between(0.80, 1.45, "R47")}, "", 0.06, 10.0, "", Est, ""},
    {"UrinePhosphorus", "mg/dL", "mg/dL", {}, Spot, 1.0, 500.0, "", Est,
     "24-hour urine about 0.4–1.3 g a day [U10]."},
    {"UrinePhosphorus", "mmol/L", "mmol/L", {}, Spot, 0.3, 160.0, "", Est, ""},
    {"SerumUrea", "mg/dL", "mg/dL", {between(6, 20, "R52"), alt(between(8, 20, "R47"))}, "", 1.0, 350.0, "", Est,
     "As urea nitrogen (BUN): if the laboratory reports urea in mg/dL, divide by 2.14 first [R52]; critical high 104 [R46]."},
    {"SerumUrea", "mmol/L", "mmol/L", {between(2.5, 7.1, "R47 R91")}, "", 0.4, 125.0, "", Est,
     "Critical high 37.1 [R46]."},
    {"UrineUrea", "mg/dL", "mg/dL", {}, Spot, 20.0, 3000.0, "", Est,
     "24-hour urine urea 20–35 g a day [R62]."},
    {"UrineUrea", "mmol/L", "mmol/L", {}, Spot, 7.0, 1070.0, "", Est,
     "Typically about 70–530 mmol/L in a random sample (estimate)."},
    {"SerumUrate", "mg/dL", "mg/dL", {men(3.5, 7.2, "R63"), women(2.6, 6.0, "R63")}, "", 0.1, 50.0, "R57", Seen,
     "Tumour lysis can raise it to 50 mg/dL [R57]; critical 13 [R46]."},
    {"SerumUrate", "umol/L", "umol/L", {men(208, 428, "R63"), women(155, 357, "R63")}, "", 6.0, 3000.0, "R57", Seen, ""},
    {"UrineUrate", "mg/dL", "mg/dL", {}, Spot, 1.0, 200.0, "R57", Est,
     "24-hour urine up to 800 mg a day [R63]; random urine uric acid/creatinine below 0.60 mg/mg [R48]; 150–200 mg/dL in acute uric acid nephropathy [R57]."},
    {"UrineUrate", "mmol/L", "mmol/L", {}, Spot, 0.06, 11.9, "R57", Est, ""},
    {"SerumAmylase", "U/L", "U/L", {between(28, 100, "R48"), alt(between(30, 118, "R92"))}, "", 1.0, 50000.0, "", Est,
     "Method-dependent; values above 32767 cannot be entered."},
    {"UrineAmylase", "U/L", "U/L", {}, Spot, 1.0, 100000.0, "", Est,
     "32–641 U/L in a 2-hour collection, 40–330 U in 24 hours [R93]; values above 32767 cannot be entered."},
    {"UrineProtein", "g/L", "g/L", {below(0.15, "", "R62 R94")}, "", 0.0, 40.0, "", Est,
     "24-hour urine below 150 mg a day [R62][R94]."},
    {"UrineVolume", "ml", "mL", {estimate(between(800, 2000, ""), "24-hour urine")}, "", 0.0, 25000.0, "R96", Est,
     "Oliguria below about 500 mL a day [R95]; polyuria above 3000 mL a day [R96]; diabetes insipidus 5–20 L a day [R96]."},
    {"Chol", "mg/dL", "mg/dL", {below(200, "desirable", "R23")}, "", 20.0, 2000.0, "R97", Est,
     "Above 500 mg/dL is rare (homozygous familial hypercholesterolaemia, lipoprotein X) [R97]."},
    {"Chol", "mmol/L", "mmol/L", {below(5.2, "desirable", "R23 R47")}, "", 0.5, 52.0, "", Est, ""},
    {"HDL", "mg/dL", "mg/dL", {below(40, "low", "R23"), atLeast(60, "high", "R23")}, "", 1.0, 250.0, "R30", Est,
     "Values of 116 mg/dL and more are seen in population cohorts [R30]."},
    {"HDL", "mmol/L", "mmol/L", {below(1.0, "low", "R23"), atLeast(1.6, "high", "R23")}, "", 0.03, 6.5, "", Est, ""},
    {"LDL", "mg/dL", "mg/dL", {below(100, "optimal", "R23")}, "", 1.0, 1000.0, "R97", Est, ""},
    {"LDL", "mmol/L", "mmol/L", {below(2.6, "optimal", "R23")}, "", 0.03, 26.0, "", Est, ""},
    {"AST", "IU/L", "IU/L", {men(10, 40, "R100"), women(9, 25, "R100"), alt(upTo(35, "R47"))}, "", 5.0, 30000.0, "R98", Est,
     "Method-dependent; above 5000 usually ischaemic or toxic injury [R98]; values above 32767 cannot be entered."},
    {"ALT", "IU/L", "IU/L", {men(10, 55, "R100"), women(7, 30, "R100"), alt(upTo(35, "R47"))}, "", 3.0, 20000.0, "", Est,
     "Healthy upper limits 29–33 IU/L (men), 19–25 IU/L (women) [R35]."},
    {"BilirubinDirect", "mg/dL", "mg/dL", {between(0.0, 0.4, "R100"), alt(upTo(0.2, "R99"))}, "", 0.0, 40.0, "", Est, ""},
    {"BilirubinDirect", "umol/L", "umol/L", {between(0, 7, "R100"), alt(between(0, 3.4, "R99"))}, "", 0.0, 700.0, "", Est, ""},
    {"BilirubinTotal", "mg/dL", "mg/dL", {between(0.1, 1.2, "R47")}, "", 0.1, 80.0, "R7", Est,
     "Jaundice is visible above 2.5–3 mg/dL [R37]; critical 15 [R46]."},
    {"BilirubinTotal", "umol/L", "umol/L", {between(2, 21, "R47")}, "", 2.0, 1400.0, "", Est, ""},
    {"Albumin", "g/dL", "g/dL", {between(3.4, 4.7, "R47"), alt(between(3.5, 5.2, "R101"))}, "", 0.1, 7.0, "", Est, ""},
    {"Albumin", "g/L", "g/L", {between(34, 47, "R47"), alt(between(35, 52, "R101"))}, "", 1.0, 70.0, "", Est, ""},
    {"Globulin", "g/dL", "g/dL", {between(2.3, 3.5, "R47")}, "", 0.3, 12.0, "", Est,
     "From agammaglobulinaemia to paraproteinaemia."},
    {"Globulin", "g/L", "g/L", {between(23, 35, "R47")}, "", 3.0, 120.0, "", Est, ""},
    {"Iron", "ug/dL", "ug/dL", {between(50, 150, "R60"), alt(between(60, 170, "R83")), alt(between(50, 180, "R86"))}, "", 5.0, 1500.0, "", Est, ""},
    {"Iron", "umol/L", "umol/L", {between(10, 30, "R83"), alt(between(9, 32, "R86"))}, "", 1.0, 270.0, "", Est, ""},
    {"TIBC", "ug/dL", "ug/dL", {between(240, 450, "R83"), alt(between(300, 360, "R60"))}, "", 20.0, 900.0, "", Est, ""},
    {"TIBC", "umol/L", "umol/L", {between(43, 81, "")}, "", 4.0, 160.0, "", Est,
     "The interval is 240–450 ug/dL [R83] in this unit."},
    {"Ferritin", "ng/ml", "ng/ml", {men(20, 250, "R22"), women(10, 120, "R22"), alt(between(30, 300, "R86")), alt(between(15, 300, "R82"))}, "", 1.0, NoCeiling, "R56", Est,
     "Above 50,000 ug/L in 113 adults [R56]; values above 32767 cannot be entered."},
    {"Ferritin", "ug/L", "ug/L", {men(20, 250, "R22"), women(10, 120, "R22"), alt(between(30, 300, "R86")), alt(between(15, 300, "R82"))}, "", 1.0, NoCeiling, "R56", Est,
     "Above 50,000 ug/L in 113 adults [R56]; values above 32767 cannot be entered."},
    {"Ferritin", "pmol/L", "pmol/L", {between(65, 670, "R86")}, "", 2.0, NoCeiling, "", Est,
     "Values above 32767 pmol/L (14,583 ug/L) cannot be entered."},
    {"Transferrin", "mg/dL", "mg/dL", {between(200, 360, "R86")}, "", 5.0, 800.0, "", Est,
     "Congenital atransferrinaemia gives values near 0."},
    {"Transferrin", "g/L", "g/L", {between(2.0, 3.6, "R86")}, "", 0.05, 8.0, "", Est, ""},
};

constexpr CrossFieldRule Rules[] = {
    {{"BilirubinDirect", nullptr}, "BilirubinTotal", "mg/dL", "Direct bilirubin", "total bilirubin", false},
    {{"HDL", nullptr}, "Chol", "mg/dL", "HDL cholesterol", "total cholesterol", false},
    {{"LDL", nullptr}, "Chol", "mg/dL", "LDL cholesterol", "total cholesterol", false},
    {{"HDL", "LDL"}, "Chol", "mg/dL", "HDL plus LDL cholesterol", "total cholesterol", true},
    {{"Iron", nullptr}, "TIBC", "ug/dL", "Iron", "TIBC", false},
};
// clang-format on

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

QString analyteName(QStringView field)
{
    for (const Analyte& a : analytes()) {
        if (field == QLatin1StringView(a.field))
            return a.accessibleName();
    }
    return field.toString();
}

// The rows of one field, in table order, with the texts they are found by.
struct FieldRows {
    QString field;
    bool fixedUnit = false; // an analyte whose unit is fixed, or that has none
    std::vector<std::pair<QString, const Row*>> units;
};

// The table by field, made once: hints look rows up for every value of
// every case.
const std::vector<FieldRows>& rowsByField()
{
    static const std::vector<FieldRows> index = [] {
        std::vector<FieldRows> out;
        for (const Row& row : Table) {
            const QString field = QString::fromLatin1(row.field);
            auto it = std::find_if(out.begin(), out.end(),
                                   [&field](const FieldRows& f) { return f.field == field; });
            if (it == out.end()) {
                FieldRows rows{field, false, {}};
                for (const Analyte& a : analytes()) {
                    if (field == QLatin1StringView(a.field)) {
                        rows.fixedUnit = a.unitKind != UnitKind::List;
                        break;
                    }
                }
                out.push_back(std::move(rows));
                it = out.end() - 1;
            }
            it->units.emplace_back(QString::fromLatin1(row.unit), &row);
        }
        return out;
    }();
    return index;
}

// The first row of the field whose unit is the given text. An analyte whose
// unit is fixed, or that has none, is also found with an empty unit text.
const Row* findRow(QStringView field, QStringView unit)
{
    for (const FieldRows& rows : rowsByField()) {
        if (rows.field.size() != field.size() || rows.field != field)
            continue;
        for (const auto& [text, row] : rows.units) {
            if (text == unit || (unit.isEmpty() && rows.fixedUnit))
                return row;
        }
        return nullptr;
    }
    return nullptr;
}

QList<const Reference*> resolve(const char* ids)
{
    QList<const Reference*> list;
    const QString text = QString::fromLatin1(ids);
    for (const QString& id : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const Reference* reference = findReference(id);
        Q_ASSERT(reference); // the table names only ids of the reference list
        if (reference)
            list << reference;
    }
    return list;
}

// A number for people: at most six significant digits, no trailing zeros.
QString number(double value, const QLocale& locale)
{
    return formatPlain(QString::number(value, 'g', 6).toDouble(), locale);
}

QString withUnit(const QString& number, const QString& unit)
{
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

QString intervalText(const ReferenceInterval& interval, const QString& unit, const QLocale& locale)
{
    const QString low = number(interval.low, locale);
    const QString high = number(interval.high, locale);
    QString range;
    switch (interval.shape) {
    case IntervalShape::Between:
        range = withUnit(low + QChar(0x2013) + high, unit);
        break;
    case IntervalShape::Below:
        range = QStringLiteral("below ") + withUnit(high, unit);
        break;
    case IntervalShape::UpTo:
        range = QStringLiteral("up to ") + withUnit(high, unit);
        break;
    case IntervalShape::AtLeast:
        range = withUnit(low, unit) + QStringLiteral(" or more");
        break;
    }
    QStringList about;
    if (interval.sex == Sex::Men)
        about << QStringLiteral("men");
    else if (interval.sex == Sex::Women)
        about << QStringLiteral("women");
    if (!interval.label.isEmpty())
        about << interval.label;
    if (interval.reasoned)
        about << QStringLiteral("estimate");
    if (!about.isEmpty())
        range += QStringLiteral(" (") + about.join(QStringLiteral(", ")) + QLatin1Char(')');
    return range;
}

bool inside(double value, double low, double high)
{
    return greaterOrEqual(value, low) && (std::isinf(high) || lessOrEqual(value, high));
}

} // namespace

std::optional<Plausibility> plausibility(QStringView field, QStringView unit)
{
    const Row* row = findRow(field, unit);
    if (!row)
        return std::nullopt;
    Plausibility p;
    p.field = QString::fromLatin1(row->field);
    p.unit = utf8(row->unit);
    p.shownUnit = utf8(row->shownUnit);
    p.name = analyteName(field);
    for (const IntervalRow& i : row->intervals) {
        if (!i.present)
            continue;
        p.intervals.append({i.sex, i.shape, i.low, i.high, utf8(i.label), resolve(i.sources),
                            i.reasoned, i.alternative});
    }
    p.noInterval = utf8(row->noInterval);
    p.possible = {row->possibleLow, row->possibleHigh, resolve(row->possibleSources),
                  row->possibleReasoned};
    p.note = utf8(row->note);
    return p;
}

QList<std::pair<QString, QString>> plausibilityKeys()
{
    QList<std::pair<QString, QString>> keys;
    for (const Row& row : Table)
        keys.append({QString::fromLatin1(row.field), utf8(row.unit)});
    return keys;
}

QString referenceIntervalText(QStringView field, QStringView unit, QStringView gender,
                              const QLocale& locale)
{
    const std::optional<Plausibility> p = plausibility(field, unit);
    if (!p)
        return {};
    if (p->intervals.isEmpty()) {
        if (p->noInterval.isEmpty())
            return {};
        return QStringLiteral("Adult reference: none (%1)").arg(p->noInterval);
    }
    Sex sex = Sex::Any;
    if (gender == QLatin1StringView(GenderMale))
        sex = Sex::Men;
    else if (gender == QLatin1StringView(GenderFemale))
        sex = Sex::Women;
    QStringList parts;
    for (const ReferenceInterval& interval : p->intervals) {
        if (interval.alternative)
            continue;
        if (sex != Sex::Any && interval.sex != Sex::Any && interval.sex != sex)
            continue;
        parts << intervalText(interval, p->shownUnit, locale);
    }
    return QStringLiteral("Adult reference: ") + parts.join(QStringLiteral("; "));
}

QString rangeHint(QStringView field, QStringView unit, double value, const QLocale& locale)
{
    const Row* row = findRow(field, unit);
    if (!row || !std::isfinite(value))
        return {};
    const bool above = !std::isinf(row->possibleHigh) && greater(value, row->possibleHigh);
    const bool belowRange = less(value, row->possibleLow);
    if (!above && !belowRange)
        return {};

    const QString shown = utf8(row->shownUnit);
    const QString seen =
        row->possibleReasoned ? QStringLiteral("expected") : QStringLiteral("seen");
    const QString about = row->possibleReasoned ? QStringLiteral("about ") : QString();
    QString text;
    if (above) {
        text = QStringLiteral("%1 %2 is above any value %3 in patients (up to %4%5).")
                   .arg(analyteName(field), withUnit(number(value, locale), shown), seen, about,
                        withUnit(number(row->possibleHigh, locale), shown));
    } else {
        text = QStringLiteral("%1 %2 is below any value %3 in patients (down to %4%5).")
                   .arg(analyteName(field), withUnit(number(value, locale), shown), seen, about,
                        withUnit(number(row->possibleLow, locale), shown));
    }
    for (const Row& other : Table) {
        if (&other == row || QLatin1StringView(other.field) != QLatin1StringView(row->field))
            continue;
        if (inside(value, other.possibleLow, other.possibleHigh)) {
            text += QStringLiteral(" Did you mean %1?").arg(utf8(other.unit));
            break;
        }
    }
    return text;
}

std::span<const CrossFieldRule> crossFieldRules()
{
    return Rules;
}

QList<CrossFieldHint> crossFieldHints(const QHash<QString, double>& formulaValues,
                                      const QLocale& locale)
{
    const auto valueOf = [&](const char* field) -> std::optional<double> {
        const auto it = formulaValues.constFind(QString::fromLatin1(field));
        if (it == formulaValues.constEnd() || !std::isfinite(*it))
            return std::nullopt;
        return *it;
    };

    QList<CrossFieldHint> hints;
    for (const CrossFieldRule& rule : Rules) {
        const std::optional<double> whole = valueOf(rule.whole);
        if (!whole)
            continue;
        double sum = 0.0;
        bool complete = true;
        bool aPartAloneExceeds = false;
        for (const char* part : rule.parts) {
            if (!part)
                continue;
            const std::optional<double> value = valueOf(part);
            if (!value) {
                complete = false;
                break;
            }
            sum += *value;
            aPartAloneExceeds = aPartAloneExceeds || greater(*value, *whole);
        }
        if (!complete || !greater(sum, *whole))
            continue;
        if (rule.skipWhenAPartAlone && aPartAloneExceeds)
            continue;
        QStringList fields;
        for (const char* part : rule.parts) {
            if (part)
                fields << QString::fromLatin1(part);
        }
        fields << QString::fromLatin1(rule.whole);
        const QString unit = QString::fromLatin1(rule.unit);
        hints.append({fields, QStringLiteral("%1 %2 is above %3 %4. A value may be mistyped or in "
                                             "the wrong unit.")
                                  .arg(QString::fromLatin1(rule.partName),
                                       withUnit(number(sum, locale), unit),
                                       QString::fromLatin1(rule.wholeName),
                                       withUnit(number(*whole, locale), unit))});
    }
    return hints;
}

} // namespace quarvex
