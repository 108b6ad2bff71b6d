#include "analytes/plausibility.h"

#include "analytes/analyte.h"
#include "analytes/bands.h"
#include "analytes/format.h"
#include "i18n/language.h"

#include <QCoreApplication>

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

// A span of values in the formula unit, with the reference ids it rests on.
struct RangeRow {
    double low;
    double high;
    const char* sources;
    bool reasoned;
};

// Another reading of a number typed with a fixed unit: the number times
// factor, written in the same unit (unit == nullptr: a lost decimal point)
// or the number itself in another unit ("litres" typed as millilitres).
struct SlipRow {
    double factor = 0.0; // 0: no slip
    const char* unit = nullptr;
};

// One analyte, every number in its formula unit (the unit the calculations
// use: the first of its unit list, or its fixed unit).
struct Row {
    AnalyteId id;
    const char* shownUnit; // the formula unit as hint texts write it
    std::array<IntervalRow, 4> intervals;
    const char* noInterval;
    RangeRow typical;  // what the large majority of patients, healthy and ill, have
    RangeRow possible; // the widest values recorded in living patients
    std::array<SlipRow, 2> slips;
    const char* most; // how the plain question names the typical range
    const char* note;
};

using A = AnalyteId;
constexpr const char* Spot =
    QT_TRANSLATE_NOOP("quarvex::Hint", "no adult reference interval for a random urine sample");
constexpr bool Est = true;   // an estimate: no published value was found
constexpr bool Seen = false; // rests on published records
constexpr const char* Patients = QT_TRANSLATE_NOOP("quarvex::Hint", "most patients have about");
constexpr SlipRow LostDecimal[2] = {{0.1, nullptr}, {10.0, nullptr}};

// The typical ranges are estimates throughout: the literature gives
// reference intervals of healthy adults, critical limits and records, not
// the span of patients' values. They are chosen wide, so that an ordinary or
// diseased value is never questioned; the ids name the limits they were
// reasoned from.
// clang-format off
constexpr Row Table[] = {
    {A::Age, "years", {}, "", {18.0, 110.0, "R1 R69", Est}, {0.0, 122.0, "U7", Seen}, {}, QT_TRANSLATE_NOOP("quarvex::Hint", "adults are"),
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Cockcroft–Gault was derived in adults aged 18–92 years and is not valid below 18 [R1][R69].")},
    {A::Weight, "kg", {}, "", {30.0, 250.0, "", Est}, {0.5, 650.0, "U6", Est}, {}, QT_TRANSLATE_NOOP("quarvex::Hint", "most adults weigh about"),
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "The heaviest recorded human weighed about 635 kg [U6].")},
    {A::SerumCreatinine, "mg/dL", {men(0.7, 1.3, "R88"), women(0.6, 1.1, "R88")}, "", {0.2, 25.0, "R46 R53", Est}, {0.1, 75.0, "R53", Seen}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Age and sex tables, e.g. 18–29 years: men 0.60–1.24, women 0.50–0.96 mg/dL [R48]; highest recorded 73.8 mg/dL [R53]; mean critical high 7.4 mg/dL [R46].")},
    {A::UrineCreatinine, "mg/dL", {}, Spot, {4.0, 400.0, "R89", Est}, {3.0, 600.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Depends on hydration, typically about 20–320 mg/dL (estimate); daily excretion 20–25 mg/kg (men), 15–20 mg/kg (women) [R89].")},
    {A::SerumSodium, "mEq/L", {between(135, 145, "R47"), alt(between(136, 145, "R88"))}, "", {100.0, 175.0, "R45 R55", Est}, {90.0, 230.0, "R55", Seen}, {LostDecimal[0], LostDecimal[1]}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Survivors reported at 92–99 and up to 228 mmol/L after salt ingestion [R55]; critical limits 120/158 [R45].")},
    {A::UrineSodium, "mEq/L", {}, Spot, {1.0, 250.0, "R62 R73", Est}, {0.0, 300.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "40–140 mmol/L in 24-hour urine [R62]; below 20 suggests sodium avidity [R73].")},
    {A::SerumPotassium, "mEq/L", {between(3.5, 5.0, "R47")}, "", {1.5, 9.0, "R45 R54 R90", Est}, {1.0, 14.0, "R54 R90", Seen}, {LostDecimal[0], LostDecimal[1]}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Above 10 is rare: consider pseudohyperkalaemia (haemolysis) [R54]; critical limits 2.8/6.2 [R45].")},
    {A::UrinePotassium, "mEq/L", {}, Spot, {2.0, 200.0, "R62 R71", Est}, {1.0, 300.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "40–120 mmol/L in 24-hour urine [R62]; below 15–20 means conservation [R71][R76].")},
    {A::SerumCalcium, "mg/dL", {between(8.5, 10.5, "R47")}, "", {4.5, 20.0, "R45 R46 R59", Est}, {2.0, 25.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Above 10.4 mg/dL is hypercalcaemia [R61]; crisis above 14 [R59]; critical limits 6.6/12.9 [R45][R46].")},
    {A::UrineCalcium, "mg/dL", {}, Spot, {1.0, 40.0, "R62", Est}, {0.1, 100.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "24-hour urine below 7.5 mmol (about 300 mg) a day [R62]; a random sample typically about 0.5–7 mmol/L (estimate).")},
    {A::SerumPhosphorus, "mg/dL", {between(2.5, 4.5, "R47")}, "", {0.6, 15.0, "R46", Est}, {0.2, 30.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Critical limits 1.2/8.9 [R46].")},
    {A::UrinePhosphorus, "mg/dL", {}, Spot, {5.0, 250.0, "U10", Est}, {1.0, 500.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "24-hour urine about 0.4–1.3 g a day [U10].")},
    {A::SerumUrea, "mg/dL", {between(6, 20, "R52"), alt(between(8, 20, "R47"))}, "", {2.0, 250.0, "R46 R52", Est}, {1.0, 350.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "As urea nitrogen (BUN): if the laboratory reports urea in mg/dL, divide by 2.14 first [R52]; critical high 104 mg/dL, 37.1 mmol/L [R46].")},
    {A::UrineUrea, "mg/dL", {}, Spot, {50.0, 2000.0, "R62", Est}, {20.0, 3000.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "24-hour urine urea 20–35 g a day [R62]; a random sample typically about 70–530 mmol/L (estimate).")},
    {A::SerumUrate, "mg/dL", {men(3.5, 7.2, "R63"), women(2.6, 6.0, "R63")}, "", {0.5, 20.0, "R46 R57 R63", Est}, {0.1, 50.0, "R57", Seen}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Tumour lysis can raise it to 50 mg/dL [R57]; critical 13 [R46].")},
    {A::UrineUrate, "mg/dL", {}, Spot, {5.0, 200.0, "R57 R63", Est}, {1.0, 200.0, "R57", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "24-hour urine up to 800 mg a day [R63]; random urine uric acid/creatinine below 0.60 mg/mg [R48]; 150–200 mg/dL in acute uric acid nephropathy [R57].")},
    {A::SerumAmylase, "U/L", {between(28, 100, "R48"), alt(between(30, 118, "R92"))}, "", {5.0, 3000.0, "R48 R92", Est}, {1.0, 50000.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Method-dependent; values above 32767 cannot be entered.")},
    {A::UrineAmylase, "U/L", {}, Spot, {5.0, 20000.0, "R93", Est}, {1.0, 100000.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "32–641 U/L in a 2-hour collection, 40–330 U in 24 hours [R93]; values above 32767 cannot be entered.")},
    {A::UrineProtein, "g/L", {below(0.15, "", "R62 R94")}, "", {0.01, 20.0, "R62 R94", Est}, {0.0, 40.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "24-hour urine below 150 mg a day [R62][R94].")},
    {A::UrineVolume, "mL", {estimate(between(800, 2000, ""), QT_TRANSLATE_NOOP("quarvex::Hint", "24-hour urine"))}, "", {100.0, 20000.0, "R95 R96", Est}, {0.0, 25000.0, "R96", Est}, {SlipRow{1000.0, QT_TRANSLATE_NOOP("quarvex::Hint", "litres")}}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Oliguria below about 500 mL a day [R95]; polyuria above 3000 mL a day [R96]; diabetes insipidus 5–20 L a day [R96].")},
    {A::Chol, "mg/dL", {below(200, QT_TRANSLATE_NOOP("quarvex::Hint", "desirable"), "R23")}, "", {50.0, 700.0, "R97", Est}, {20.0, 2000.0, "R97", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Above 500 mg/dL is rare (homozygous familial hypercholesterolaemia, lipoprotein X) [R97].")},
    {A::HDL, "mg/dL", {below(40, QT_TRANSLATE_NOOP("quarvex::Hint", "low"), "R23"), atLeast(60, QT_TRANSLATE_NOOP("quarvex::Hint", "high"), "R23")}, "", {5.0, 180.0, "R30", Est}, {1.0, 250.0, "R30", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Values of 116 mg/dL and more are seen in population cohorts [R30].")},
    {A::LDL, "mg/dL", {below(100, QT_TRANSLATE_NOOP("quarvex::Hint", "optimal"), "R23")}, "", {3.5, 600.0, "R97", Est}, {1.0, 1000.0, "R97", Est}, {}, Patients, ""},
    {A::Triglycerides, "mg/dL", {below(150, QT_TRANSLATE_NOOP("quarvex::Hint", "fasting"), "U15")}, "", {20.0, 5000.0, "U15", Est}, {5.0, 30000.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "For a fasting sample; 150 mg/dL is 1.7 mmol/L [U15].")},
    {A::AST, "IU/L", {men(10, 40, "R100"), women(9, 25, "R100"), alt(upTo(35, "R47"))}, "", {5.0, 10000.0, "R98", Est}, {5.0, 30000.0, "R98", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Method-dependent; above 5000 usually ischaemic or toxic injury [R98]; values above 32767 cannot be entered.")},
    {A::ALT, "IU/L", {men(10, 55, "R100"), women(7, 30, "R100"), alt(upTo(35, "R47"))}, "", {3.0, 10000.0, "R35 R98", Est}, {3.0, 20000.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Healthy upper limits 29–33 IU/L (men), 19–25 IU/L (women) [R35].")},
    {A::BilirubinDirect, "mg/dL", {between(0.0, 0.4, "R100"), alt(upTo(0.2, "R99"))}, "", {0.02, 30.0, "R99 R100", Est}, {0.0, 40.0, "", Est}, {}, Patients, ""},
    {A::BilirubinTotal, "mg/dL", {between(0.1, 1.2, "R47")}, "", {0.1, 60.0, "R7 R46", Est}, {0.1, 80.0, "R7", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Jaundice is visible above 2.5–3 mg/dL [R37]; critical 15 [R46].")},
    {A::Albumin, "g/dL", {between(3.4, 4.7, "R47"), alt(between(3.5, 5.2, "R101"))}, "", {1.0, 6.0, "R47 R101", Est}, {0.1, 7.0, "", Est}, {}, Patients, ""},
    {A::Globulin, "g/dL", {between(2.3, 3.5, "R47")}, "", {1.0, 12.0, "R47", Est}, {0.3, 12.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "From agammaglobulinaemia to paraproteinaemia.")},
    {A::Iron, "ug/dL", {between(50, 150, "R60"), alt(between(60, 170, "R83")), alt(between(50, 180, "R86"))}, "", {5.0, 350.0, "R60 R83 R86", Est}, {5.0, 1500.0, "", Est}, {}, Patients, ""},
    {A::TIBC, "ug/dL", {between(240, 450, "R83"), alt(between(300, 360, "R60"))}, "", {80.0, 700.0, "R60 R83", Est}, {20.0, 900.0, "", Est}, {}, Patients, ""},
    {A::Ferritin, "ng/ml", {men(20, 250, "R22"), women(10, 120, "R22"), alt(between(30, 300, "R86")), alt(between(15, 300, "R82"))}, "", {2.0, 50000.0, "R38 R39 R56", Est}, {1.0, NoCeiling, "R56", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Above 50,000 ug/L in 113 adults [R56]; values above 32767 ug/L (32767 pmol/L is 14,583 ug/L) cannot be entered.")},
    {A::Transferrin, "mg/dL", {between(200, 360, "R86")}, "", {50.0, 600.0, "R86", Est}, {5.0, 800.0, "", Est}, {}, Patients,
     QT_TRANSLATE_NOOP("quarvex::ClinicalProse", "Congenital atransferrinaemia gives values near 0.")},
};

constexpr CrossFieldRule Rules[] = {
    {{"BilirubinDirect", nullptr}, "BilirubinTotal", "mg/dL",
     QT_TRANSLATE_NOOP("quarvex::Hint", "Direct bilirubin"), QT_TRANSLATE_NOOP("quarvex::Hint", "total bilirubin"), false},
    {{"HDL", nullptr}, "Chol", "mg/dL",
     QT_TRANSLATE_NOOP("quarvex::Hint", "HDL cholesterol"), QT_TRANSLATE_NOOP("quarvex::Hint", "total cholesterol"), false},
    {{"LDL", nullptr}, "Chol", "mg/dL",
     QT_TRANSLATE_NOOP("quarvex::Hint", "LDL cholesterol"), QT_TRANSLATE_NOOP("quarvex::Hint", "total cholesterol"), false},
    {{"HDL", "LDL"}, "Chol", "mg/dL",
     QT_TRANSLATE_NOOP("quarvex::Hint", "HDL plus LDL cholesterol"), QT_TRANSLATE_NOOP("quarvex::Hint", "total cholesterol"), true},
    {{"Iron", nullptr}, "TIBC", "ug/dL",
     QT_TRANSLATE_NOOP("quarvex::Hint", "Iron"), QT_TRANSLATE_NOOP("quarvex::Hint", "TIBC"), false},
};
// clang-format on

QString utf8(const char* s)
{
    return QString::fromUtf8(s);
}

// A text of the table or a template, in English or in the language installed.
QString say(HintLanguage language, const char* text, const char* context = HintContext)
{
    if (!text || !*text)
        return {};
    return language == HintLanguage::Shown ? QCoreApplication::translate(context, text)
                                           : utf8(text);
}

// The row of each analyte, by id; null for Gender.
const Row* rowOf(AnalyteId id)
{
    static const std::array<const Row*, AnalyteCount> index = [] {
        std::array<const Row*, AnalyteCount> out{};
        for (const Row& row : Table)
            out[size_t(row.id)] = &row;
        return out;
    }();
    return index[size_t(id)];
}

// A value brought to the formula unit by the operations of its unit, in the
// order the inputs apply them; a null unit is the formula unit.
double toFormula(double value, const UnitChoice* unit)
{
    if (!unit)
        return value;
    if (unit->multiply != 1.0)
        value *= unit->multiply;
    if (unit->divide != 1.0)
        value /= unit->divide;
    return value;
}

double fromFormula(double value, const UnitChoice* unit)
{
    if (!unit || std::isinf(value))
        return value;
    if (unit->divide != 1.0)
        value *= unit->divide;
    if (unit->multiply != 1.0)
        value /= unit->multiply;
    return value;
}

bool sameFactor(const UnitChoice* a, const UnitChoice* b)
{
    return approxEqual(toFormula(1.0, a), toFormula(1.0, b));
}

// An entry of the table: the analyte's row and the unit a value is typed in
// (null for a fixed unit, for Age, and for the formula unit of a list).
struct Entry {
    const Analyte* analyte = nullptr;
    const Row* row = nullptr;
    const UnitChoice* unit = nullptr;
    QString key;   // the unit text the entry is found by
    QString shown; // the unit as texts write it
};

// The texts an entry is found by and written with, made once: the hints and
// notes of every case look entries up.
struct EntryTexts {
    std::array<QString, AnalyteCount> fields;
    std::array<QString, AnalyteCount> fixedUnits;
    std::array<QString, AnalyteCount> shownUnits;
    std::array<std::array<QString, 3>, AnalyteCount> units; // as Analyte::units
};

const EntryTexts& entryTexts()
{
    static const EntryTexts texts = [] {
        EntryTexts out;
        for (const Analyte& a : analytes()) {
            const size_t i = size_t(a.id);
            out.fields[i] = a.fieldName();
            if (a.fixedUnit)
                out.fixedUnits[i] = QString::fromLatin1(a.fixedUnit);
            if (const Row* row = rowOf(a.id))
                out.shownUnits[i] = utf8(row->shownUnit);
            const auto choices = a.unitChoices();
            for (size_t u = 0; u < choices.size() && u < 3; ++u)
                out.units[i][u] = QString::fromLatin1(choices[u].text);
        }
        return out;
    }();
    return texts;
}

std::optional<Entry> findEntry(AnalyteId id, QStringView unit)
{
    if (int(id) < 0 || int(id) >= AnalyteCount)
        return std::nullopt;
    const EntryTexts& texts = entryTexts();
    const Analyte& a = analyte(id);
    const size_t i = size_t(a.id);
    const Row* row = rowOf(a.id);
    if (!row)
        return std::nullopt;
    switch (a.unitKind) {
    case UnitKind::None:
        if (!unit.isEmpty())
            return std::nullopt;
        return Entry{&a, row, nullptr, QString(), texts.shownUnits[i]};
    case UnitKind::Fixed:
        if (!unit.isEmpty() && unit != texts.fixedUnits[i])
            return std::nullopt;
        return Entry{&a, row, nullptr, texts.fixedUnits[i], texts.shownUnits[i]};
    case UnitKind::List: {
        const auto choices = a.unitChoices();
        for (size_t u = 0; u < choices.size() && u < 3; ++u) {
            if (unit == texts.units[i][u])
                return Entry{&a, row, &choices[u], texts.units[i][u], texts.units[i][u]};
        }
        return std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<Entry> findEntry(QStringView field, QStringView unit)
{
    const EntryTexts& texts = entryTexts();
    for (const Analyte& a : analytes()) {
        if (field == texts.fields[size_t(a.id)])
            return findEntry(a.id, unit);
    }
    return std::nullopt;
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

ValueRange rangeIn(const RangeRow& range, const UnitChoice* unit)
{
    return {fromFormula(range.low, unit), fromFormula(range.high, unit), resolve(range.sources),
            range.reasoned};
}

// A number for people: at most six significant digits, no trailing zeros.
QString number(double value, const QLocale& locale)
{
    return formatPlain(QString::number(value, 'g', 6).toDouble(), locale);
}

// How a limit shown in a unit must count when typed as shown: on the limit
// or inside a range that includes it (AtLeast for a lower limit, AtMost for
// an upper one), so that a value on the shown edge lands where the text says.
enum class Side { AtLeast, AtMost };

// A limit of the formula unit shown in a unit: three significant digits, or
// four where that is what it takes for the shown number, typed in that unit,
// to fall on the limit's side (115 umol/L is above 1.3 mg/dL; 114.9 is not),
// or else four rounded towards that side.
QString shownLimit(double limit, const UnitChoice* unit, Side side, const QLocale& locale)
{
    const double inUnit = fromFormula(limit, unit);
    const auto onItsSide = [&](double shown) {
        const double back = toFormula(shown, unit);
        return side == Side::AtLeast ? greaterOrEqual(back, limit) : lessOrEqual(back, limit);
    };
    for (int digits = 3; digits <= 4; ++digits) {
        const double shown = QString::number(inUnit, 'g', digits).toDouble();
        if (onItsSide(shown))
            return formatPlain(shown, locale);
    }
    const double scale = std::pow(10.0, 3 - std::floor(std::log10(std::fabs(inUnit))));
    const double shown = side == Side::AtLeast ? std::ceil(inUnit * scale) / scale
                                               : std::floor(inUnit * scale) / scale;
    return formatPlain(shown, locale);
}

// A number that another reading of a value gives, for a glance: two
// significant digits, whole numbers kept whole (0.70, 97, 1600).
QString approximate(double value, const QLocale& locale)
{
    // Rounded first, so that 0.9955 gives 1.0, not 1.00.
    const double rounded = QString::number(value, 'g', 2).toDouble();
    int decimals = 0;
    if (rounded != 0.0 && std::isfinite(rounded))
        decimals = std::clamp(1 - int(std::floor(std::log10(std::fabs(rounded)))), 0, 9);
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

QString withUnit(const QString& number, const QString& unit)
{
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

QString intervalText(const IntervalRow& interval, const UnitChoice* unit, const QString& shownUnit,
                     const QLocale& locale, HintLanguage language)
{
    const auto low = [&] { return shownLimit(interval.low, unit, Side::AtLeast, locale); };
    QString range;
    switch (interval.shape) {
    case IntervalShape::Between:
        range =
            withUnit(low() + QChar(0x2013) + shownLimit(interval.high, unit, Side::AtMost, locale),
                     shownUnit);
        break;
    case IntervalShape::Below:
        // "below 5.18": the shown number itself is not below the limit.
        range =
            say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "below %1"))
                .arg(withUnit(shownLimit(interval.high, unit, Side::AtLeast, locale), shownUnit));
        break;
    case IntervalShape::UpTo:
        range =
            say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "up to %1"))
                .arg(withUnit(shownLimit(interval.high, unit, Side::AtMost, locale), shownUnit));
        break;
    case IntervalShape::AtLeast:
        range = say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "%1 or more"))
                    .arg(withUnit(low(), shownUnit));
        break;
    }
    QStringList about;
    if (interval.sex == Sex::Men)
        about << say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "men"));
    else if (interval.sex == Sex::Women)
        about << say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "women"));
    if (*interval.label)
        about << say(language, interval.label);
    if (interval.reasoned)
        about << say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "estimate"));
    if (!about.isEmpty())
        range = QStringLiteral("%1 (%2)").arg(range, about.join(QStringLiteral(", ")));
    return range;
}

bool inside(double value, const RangeRow& range)
{
    return greaterOrEqual(value, range.low) &&
           (std::isinf(range.high) || lessOrEqual(value, range.high));
}

// "Did you mean …?" for the first other reading of the typed number that is
// typical: another unit of the list, then a slip of a fixed unit. With
// possibleToo, a unit in whose possible range the number lies is named when
// no reading is typical. Empty when there is none.
QString otherReading(const Entry& e, double value, bool possibleToo, const QLocale& locale,
                     HintLanguage language)
{
    const Row& row = *e.row;
    const QString typed = number(value, locale);
    //: A typed number read in another unit, and its value in the typed unit.
    const QString meanBoth =
        say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "Did you mean %1 (%2)?"));
    const auto unitReading = [&](const UnitChoice& other) {
        const double inTyped = fromFormula(toFormula(value, &other), e.unit);
        return QString(meanBoth).arg(withUnit(typed, QString::fromLatin1(other.text)),
                                     withUnit(approximate(inTyped, locale), e.shown));
    };
    const RangeRow* ranges[] = {&row.typical, possibleToo ? &row.possible : nullptr};
    for (const RangeRow* range : ranges) {
        if (!range)
            continue;
        for (const UnitChoice& other : e.analyte->unitChoices()) {
            if (!sameFactor(&other, e.unit) && inside(toFormula(value, &other), *range))
                return unitReading(other);
        }
        if (range != &row.typical)
            continue;
        for (const SlipRow& slip : row.slips) {
            if (slip.factor == 0.0 || !inside(value * slip.factor, *range))
                continue;
            if (!slip.unit)
                return say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "Did you mean %1?"))
                    .arg(withUnit(number(value * slip.factor, locale), e.shown));
            return QString(meanBoth).arg(
                withUnit(typed, say(language, slip.unit)),
                withUnit(approximate(value * slip.factor, locale), e.shown));
        }
    }
    return {};
}

} // namespace

static std::optional<Plausibility> plausibilityOf(const std::optional<Entry>& e)
{
    if (!e)
        return std::nullopt;
    const Row& row = *e->row;
    Plausibility p;
    p.field = e->analyte->fieldName();
    p.unit = e->key;
    p.shownUnit = e->shown;
    p.name = e->analyte->accessibleName();
    for (const IntervalRow& i : row.intervals) {
        if (!i.present)
            continue;
        p.intervals.append({i.sex, i.shape, fromFormula(i.low, e->unit),
                            fromFormula(i.high, e->unit), utf8(i.label), resolve(i.sources),
                            i.reasoned, i.alternative});
    }
    p.noInterval = utf8(row.noInterval);
    p.typical = rangeIn(row.typical, e->unit);
    p.possible = rangeIn(row.possible, e->unit);
    p.note = utf8(row.note);
    return p;
}

std::optional<Plausibility> plausibility(QStringView field, QStringView unit)
{
    return plausibilityOf(findEntry(field, unit));
}

std::optional<Plausibility> plausibility(AnalyteId id, QStringView unit)
{
    return plausibilityOf(findEntry(id, unit));
}

static QString shownLimitOf(const std::optional<Entry>& e, double limit, bool lowerEdge,
                            const QLocale& locale)
{
    if (!e)
        return formatPlain(limit, locale);
    return shownLimit(toFormula(limit, e->unit), e->unit, lowerEdge ? Side::AtLeast : Side::AtMost,
                      locale);
}

QString shownLimitText(QStringView field, QStringView unit, double limit, bool lowerEdge,
                       const QLocale& locale)
{
    return shownLimitOf(findEntry(field, unit), limit, lowerEdge, locale);
}

QString shownLimitText(AnalyteId id, QStringView unit, double limit, bool lowerEdge,
                       const QLocale& locale)
{
    return shownLimitOf(findEntry(id, unit), limit, lowerEdge, locale);
}

QList<std::pair<QString, QString>> plausibilityKeys()
{
    QList<std::pair<QString, QString>> keys;
    for (const Analyte& a : analytes()) {
        if (!rowOf(a.id))
            continue;
        switch (a.unitKind) {
        case UnitKind::None:
            keys.append({a.fieldName(), QString()});
            break;
        case UnitKind::Fixed:
            keys.append({a.fieldName(), QString::fromLatin1(a.fixedUnit)});
            break;
        case UnitKind::List:
            for (const UnitChoice& choice : a.unitChoices())
                keys.append({a.fieldName(), QString::fromLatin1(choice.text)});
            break;
        }
    }
    return keys;
}

QString referenceIntervalText(QStringView field, QStringView unit, QStringView gender,
                              const QLocale& locale, HintLanguage language)
{
    const std::optional<Entry> e = findEntry(field, unit);
    if (!e)
        return {};
    const Row& row = *e->row;
    Sex sex = Sex::Any;
    if (gender == QLatin1StringView(GenderMale))
        sex = Sex::Men;
    else if (gender == QLatin1StringView(GenderFemale))
        sex = Sex::Women;
    QStringList parts;
    for (const IntervalRow& interval : row.intervals) {
        if (!interval.present || interval.alternative)
            continue;
        if (sex != Sex::Any && interval.sex != Sex::Any && interval.sex != sex)
            continue;
        parts << intervalText(interval, e->unit, e->shown, locale, language);
    }
    if (parts.isEmpty()) {
        if (!*row.noInterval)
            return {};
        //: %1 says why there is none ("no adult reference interval for a random urine sample").
        return say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "Adult reference: none (%1)"))
            .arg(say(language, row.noInterval));
    }
    //: %1 is one interval or more, separated by "; ": "0.7–1.3 mg/dL (men)".
    return say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "Adult reference: %1"))
        .arg(parts.join(QStringLiteral("; ")));
}

static QString rangeHintOf(const std::optional<Entry>& e, double value, const QLocale& locale,
                           HintLanguage language)
{
    if (!e || !std::isfinite(value))
        return {};
    const Row& row = *e->row;
    const double x = toFormula(value, e->unit);
    const bool abovePossible = !std::isinf(row.possible.high) && greater(x, row.possible.high);
    const bool aboveTypical = greater(x, row.typical.high);
    // Most values are typical: their texts are never written.
    if (!abovePossible && !less(x, row.possible.low) && !aboveTypical && !less(x, row.typical.low))
        return {};
    const QString name =
        language == HintLanguage::Shown ? e->analyte->shownName() : e->analyte->accessibleName();
    const QString typed = withUnit(number(value, locale), e->shown);
    // A sentence and the question after it.
    const auto asking = [](const QString& sentence, const QString& question) {
        return question.isEmpty() ? sentence : sentence + QLatin1Char(' ') + question;
    };

    if (abovePossible || less(x, row.possible.low)) {
        // The value named, typed and the edge: one template each, so that a
        // translation can order them as its language needs.
        const char* const templates[2][2] = {
            {QT_TRANSLATE_NOOP("quarvex::Hint",
                               "%1 %2 is below any value seen in patients (down to %3)."),
             QT_TRANSLATE_NOOP(
                 "quarvex::Hint",
                 "%1 %2 is below any value expected in patients (down to about %3).")},
            {QT_TRANSLATE_NOOP("quarvex::Hint",
                               "%1 %2 is above any value seen in patients (up to %3)."),
             QT_TRANSLATE_NOOP("quarvex::Hint",
                               "%1 %2 is above any value expected in patients (up to about %3).")}};
        const QString edge = abovePossible
                                 ? shownLimit(row.possible.high, e->unit, Side::AtMost, locale)
                                 : shownLimit(row.possible.low, e->unit, Side::AtLeast, locale);
        const QString text = say(language, templates[abovePossible][row.possible.reasoned])
                                 .arg(name, typed, withUnit(edge, e->shown));
        return asking(text, otherReading(*e, value, true, locale, language));
    }

    const QString meant = otherReading(*e, value, false, locale, language);
    if (!meant.isEmpty())
        return asking(
            say(language,
                aboveTypical ? QT_TRANSLATE_NOOP("quarvex::Hint",
                                                 "%1 %2 is far above the values seen in patients.")
                             : QT_TRANSLATE_NOOP("quarvex::Hint",
                                                 "%1 %2 is far below the values seen in patients."))
                .arg(name, typed),
            meant);
    const QString typical =
        withUnit(shownLimit(row.typical.low, e->unit, Side::AtLeast, locale) + QChar(0x2013) +
                     shownLimit(row.typical.high, e->unit, Side::AtMost, locale),
                 e->shown);
    // Rare, yet seen in patients: a calm line with what the literature says
    // of such values, never a question.
    //: %3 names the typical range ("most patients have about"), %4 is the range.
    const QString rare = say(language, QT_TRANSLATE_NOOP("quarvex::Hint", "%1 %2 is rare: %3 %4."))
                             .arg(name, typed, say(language, row.most), typical);
    return asking(rare, say(language, row.note, ClinicalProseContext));
}

QString rangeHint(QStringView field, QStringView unit, double value, const QLocale& locale,
                  HintLanguage language)
{
    return rangeHintOf(findEntry(field, unit), value, locale, language);
}

QString rangeHint(AnalyteId id, QStringView unit, double value, const QLocale& locale,
                  HintLanguage language)
{
    return rangeHintOf(findEntry(id, unit), value, locale, language);
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
        const auto text = [&](HintLanguage language) {
            //: A part (HDL cholesterol) above its whole (total cholesterol), each with its value.
            return say(language, QT_TRANSLATE_NOOP("quarvex::Hint",
                                                   "%1 %2 is above %3 %4. A value may be mistyped "
                                                   "or in the wrong unit."))
                .arg(say(language, rule.partName), withUnit(number(sum, locale), unit),
                     say(language, rule.wholeName), withUnit(number(*whole, locale), unit));
        };
        hints.append({fields, text(HintLanguage::English), text(HintLanguage::Shown)});
    }
    return hints;
}

} // namespace quarvex
