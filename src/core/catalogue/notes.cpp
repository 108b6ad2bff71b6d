#include "catalogue/notes.h"

#include "analytes/bands.h"
#include "analytes/plausibility.h"
#include "calc/formula.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace quarvex {

namespace {

using A = AnalyteId;
using I = ItemId;
using T = NoteTest;

constexpr double Infinity = std::numeric_limits<double>::infinity();

constexpr NoteCondition notAboveUpper(A analyte)
{
    return {T::NotAboveUpper, analyte, 0.0, 0.0};
}
constexpr NoteCondition notBelowLower(A analyte)
{
    return {T::NotBelowLower, analyte, 0.0, 0.0};
}
constexpr NoteCondition notGiven(A analyte)
{
    return {T::NotGiven, analyte, 0.0, 0.0};
}
constexpr NoteCondition below(A analyte, double bound)
{
    return {T::Below, analyte, bound, 0.0};
}
constexpr NoteCondition topBand()
{
    return {T::TopBand, A::Age, 0.0, 0.0};
}
constexpr NoteCondition rowFromTo(double low, double high)
{
    return {T::RowFromTo, A::Age, low, high};
}

// Urinary indices of acute kidney injury, read beside a creatinine that is not raised.
constexpr const char* KidneyIndices =
    "%1 is not raised. This urinary index separates prerenal failure from acute tubular "
    "necrosis in acute kidney injury (oliguric, before diuretics or fluids); read it only when "
    "kidney function is known to be failing.";
constexpr const char* KidneyIndicesSources = "R3 R73 R13";

constexpr const char* UrateNotFailing =
    "%1 is not raised. The urine uric acid to creatinine ratio separates acute uric acid "
    "nephropathy from other causes of acute renal failure; in a person without acute renal "
    "failure it says nothing about the kidneys (healthy adults have a ratio below 0.60).";

// clang-format off
constexpr ContextRule ContextRules[] = {
    {I::AstAltRatio, 0, {notAboveUpper(A::AST), notAboveUpper(A::ALT)},
     "%1 and %2 are not raised. The AST to ALT ratio helps to tell liver "
     "diseases apart only when the aminotransferases are raised; its text does not apply here.",
     "R34 R35"},
    {I::BilirubinRatio, 0, {notAboveUpper(A::BilirubinTotal)},
     "%1 is not raised. The direct fraction separates the causes of a raised bilirubin; at a "
     "normal total bilirubin its text does not apply.",
     "R7 R59"},
    {I::UrinaryPotassiumExcretion, 0, {notBelowLower(A::SerumPotassium)},
     "%1 is not low. An excretion above 20 mEq/24 hours means renal potassium wasting only in a "
     "patient with a low serum potassium (hypokalaemia).",
     "R76 R71"},
    {I::UrinaryPotassiumExcretion, 0, {notGiven(A::SerumPotassium)},
     "Serum potassium is not known. An excretion above 20 mEq/24 hours means renal potassium "
     "wasting only in a patient with a low serum potassium (hypokalaemia); the rate needs that "
     "value, and a complete 24-hour collection, to be read.",
     "R76 R71"},
    {I::FractionalPotassiumExcretion, 0, {notBelowLower(A::SerumPotassium)},
     "%1 is not low. The fractional potassium excretion is read in a patient with a low serum "
     "potassium: below about 0.10 (10 %; it is shown here as a fraction) the kidneys are "
     "conserving potassium.",
     "R70"},
    {I::RenalFailureIndex, 0, {notAboveUpper(A::SerumCreatinine)}, KidneyIndices, KidneyIndicesSources},
    {I::FractionalSodiumExcretion, 0, {notAboveUpper(A::SerumCreatinine)}, KidneyIndices, "R2 R3 R73 R13"},
    // The urine-to-serum creatinine and urea ratios; the BUN to creatinine ratio
    // (row 0) also reads states other than kidney injury.
    {I::UreaCreatinineRatios, 1, {notAboveUpper(A::SerumCreatinine)}, KidneyIndices, KidneyIndicesSources},
    {I::UreaCreatinineRatios, 2, {notAboveUpper(A::SerumCreatinine)}, KidneyIndices, KidneyIndicesSources},
    {I::UrateCreatinineRatio, 0, {notAboveUpper(A::SerumCreatinine)}, UrateNotFailing, "R4 R75 R48"},
    {I::UrateCreatinineRatio, 0, {notGiven(A::SerumCreatinine)},
     "Serum creatinine is not known. The urine uric acid to creatinine ratio is read only in "
     "acute renal failure, to separate acute uric acid nephropathy from other causes; healthy "
     "adults have a ratio below 0.60.",
     "R4 R75 R48"},
    {I::CreatinineClearance, 0, {below(A::Age, 18.0)},
     "%1: Cockcroft and Gault derived the formula in adults aged 18 to 92 years; it is not valid "
     "below 18.",
     "R1 R69"},
    // The last band of the HDL risk table reads "longevity".
    {I::CholesterolLevels, 1, {topBand()},
     "Very high HDL cholesterol is not protective: in two large cohorts mortality was lowest near "
     "73 mg/dL in men and 93 mg/dL in women and higher above that (about twice as high in men "
     "from 116 mg/dL), so \"longevity\" is misleading.",
     "R30 U5"},
    // Every ratio of 1 or more reads "high".
    {I::AlbuminGlobulinRatio, 0, {rowFromTo(1.0, 2.5)},
     "A ratio of %1 is within the usual adult range (1 or more; 1.5 to 2.5 in textbooks): "
     "\"high\" does not mean abnormal here.",
     "R22 R80"},
};

constexpr CutOffNote CutOffs[] = {
    {I::RenalCalciumClearance, 0, 0.01, 0.02,
     "In hypercalcaemia a ratio below 0.01 suggests familial hypocalciuric hypercalcaemia and one "
     "above 0.02 favours primary hyperparathyroidism; from 0.01 to 0.02 the two overlap.",
     "R17 R72"},
};

constexpr NoteKind Dated = NoteKind::Dated;
constexpr NoteKind Unsourced = NoteKind::Unsourced;

constexpr EvidenceNote Evidence[] = {
    {I::CholesterolLevels, 1, Unsourced,
     "No printed source was found for the HDL risk table (\"times average\"); it is derived from "
     "Framingham data.", "R26 R27 R28"},
    {I::CholesterolLevels, 2, Dated,
     "These LDL classes are those of ATP I (1988); ATP III (2001) and then the 2018 AHA/ACC "
     "guideline, which treats by risk group, replaced them.", "R24 R23 R25"},
    {I::CholesterolHdlRatio, -1, Dated,
     "Not a current guideline classification: risk is now estimated with multivariable equations; "
     "a ratio below 5 is a common target, 3.5 the optimum.", "R25 R67 R29"},
    {I::CholesterolHdlRatio, -1, Unsourced,
     "The \"3 times\" bounds (23.3 for men, 10.9 for women) were found in no source; the other "
     "values are quoted only by secondary sources.", "R67"},
    {I::LdlHdlRatio, -1, Dated,
     "Historical: neither ATP III nor the 2018 AHA/ACC guideline uses the LDL to HDL ratio; a "
     "popular target is below 3.5.", "R23 R25 R68"},
    {I::LdlHdlRatio, -1, Unsourced,
     "The bands match public calculator documentation; their primary source was not found.", "R22"},
    {I::Adult3, 0, Dated,
     "ATP III (2001, updated 2004) was replaced by the 2018 AHA/ACC guideline, which treats by "
     "risk group rather than by these classes.", "R23 R25"},
    {I::Adult3, 1, Dated,
     "ATP III calls HDL cholesterol of 60 mg/dL or more \"high\" and has no \"intermediate\" "
     "class; this item calls 40 to 60 mg/dL \"intermediate\". ATP III was replaced by the 2018 "
     "AHA/ACC guideline.", "R23 R25"},
    {I::Adult3, 2, Dated,
     "ATP III (2001, updated 2004) was replaced by the 2018 AHA/ACC guideline, which treats by "
     "risk group rather than by these classes.", "R23 R25"},
    {I::AmylaseClearance, -1, Dated,
     "No longer recommended to diagnose acute pancreatitis (insensitive; raised by renal "
     "insufficiency, diabetic ketoacidosis and burns): diagnose by pain, lipase or amylase above "
     "3 times the upper limit, and imaging. Still useful to detect macroamylasaemia (below 1 %).",
     "R7 R8 R9"},
    {I::CreatinineClearance, -1, Dated,
     "A Cockcroft-Gault creatinine clearance in mL/min, not a GFR in mL/min/1.73 m²; chronic "
     "kidney disease is staged with the KDIGO 2012 categories from the CKD-EPI 2021 eGFR. The "
     "formula is still used for drug dosing.", "R1 R10 R11 R69"},
    {I::CreatinineClearance, -1, Unsourced,
     "The five bands have no traceable source (they are neither KDIGO nor K/DOQI stages), and "
     "62.5 to 80 mL/min has no text.", ""},
    {I::FractionalPotassiumExcretion, -1, Dated,
     "Shown as a fraction, not in the usual per cent (0.10 is 10 %); in practice a spot urine "
     "potassium to creatinine ratio is the usual index.", "R70 R21 R71"},
    {I::RenalFailureIndex, -1, Dated,
     "Diuretics, chronic kidney disease, contrast media and sepsis make the index unreliable; on "
     "diuretics the fractional urea excretion (below 35 % prerenal) is preferred.", "R13 R12"},
    {I::FractionalSodiumExcretion, -1, Dated,
     "Diuretics, chronic kidney disease, contrast media, early obstruction and glomerulonephritis "
     "make it unreliable; on diuretics the fractional urea excretion (below 35 % prerenal) is "
     "preferred.", "R13 R12"},
    {I::PhosphorusClearance, -1, Dated,
     "Renal phosphate handling is usually judged by the tubular reabsorption of phosphate and "
     "TmP/GFR (adults about 2.7 to 4.1 mg/dL) from paired serum and urine phosphate and "
     "creatinine.", "R14 R15 R16 R66"},
    {I::UrinaryPotassiumExcretion, -1, Dated,
     "A spot urine potassium to creatinine ratio is the usual index in practice; the rate needs a "
     "complete 24-hour collection.", "R21 R71"},
    {I::UreaCreatinineRatios, 0, Dated,
     "A BUN to creatinine ratio above 36 is a weak sign of upper GI bleeding (specificity 27 %).",
     "R18"},
    {I::UrineProteinCreatinineRatio, -1, Dated,
     "KDIGO 2012 grades the ratio as normal to mildly increased below 0.15 mg/mg (150 mg/g), "
     "moderately increased from 0.15 to 0.5 and severely increased above 0.5; the albumin to "
     "creatinine ratio is preferred.", "R10 R78"},
    {I::UrineProteinCreatinineRatio, -1, Unsourced,
     "No source was found for the bands at 0.1 and 1.0; below 0.2 (normal) and above 3.5 "
     "(nephrotic range) are Ginsberg's.", "R20"},
    {I::AstAltRatio, -1, Dated,
     "\"Acute MI\" is obsolete: myocardial infarction is diagnosed by cardiac troponin. The ratio "
     "is supportive only.", "R36 R34 R35"},
    {I::AstAltRatio, -1, Unsourced,
     "No source was found for \"above 3: acute MI\" and \"2 to 3: drug hepatotoxicity\"; the "
     "bound 0.8 is this program's own choice.", ""},
    {I::AlbuminGlobulinRatio, -1, Dated,
     "A low-value test: serum protein electrophoresis, immunofixation and immunoglobulin "
     "measurement are preferred.", "R22 R81"},
    {I::BilirubinRatio, -1, Dated,
     "Direct bilirubin includes delta bilirubin, so the ratio lags recovery, and it cannot "
     "reliably tell hepatocellular from obstructive disease: imaging is needed.", "R59 R35"},
    {I::FerritinStores, -1, Dated,
     "Bands of the 1970s: WHO 2020 puts iron deficiency below 15 ug/L in healthy adults and below "
     "70 ug/L with infection or inflammation; iron overload needs a raised transferrin "
     "saturation as well (EASL 2022). Ferritin rises with inflammation.", "R38 R39 R40 R41"},
    {I::TransferrinSaturation, -1, Dated,
     "The upper limit of 55 % misses early iron overload: EASL 2022 uses above 45 % (women) and "
     "above 50 % (men) with a raised ferritin.", "R41 R60 R86"},
    {I::TransferrinSaturation, -1, Unsourced, "No source was found for the limit of 55 %.", ""},
    {I::TibcCalculated, -1, Dated,
     "The factor 1.43 is about 2 % above theory (1.40) and the relation depends on the method; "
     "many laboratories report transferrin and its saturation directly.", "R42 R85 R87"},
    {I::TransferrinCalculated, -1, Dated,
     "The factor 0.7 is approximate (theory 0.716) and the relation depends on the method (0.83 "
     "times TIBC minus 5.6 in hospital patients).", "R42 R87"},
};
// clang-format on

QString text(const char* fixed)
{
    return QString::fromUtf8(fixed);
}

void addSources(QStringList& to, const QString& ids)
{
    for (const QString& id : ids.split(u' ', Qt::SkipEmptyParts)) {
        if (!to.contains(id))
            to << id;
    }
}

QLocale withoutGroups(const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain;
}

// The value with as many decimals (four at least) as it takes for the number
// written to lie where the value lies, as `place` tells.
template <class Place>
QString preciseNumber(double value, Place place, const QLocale& locale)
{
    const int where = place(value);
    int decimals = 4;
    for (; decimals < 12; ++decimals) {
        const double scale = std::pow(10.0, decimals);
        if (place(std::round(value * scale) / scale) == where)
            break;
    }
    return withoutGroups(locale).toString(value, 'f', decimals);
}

bool sameText(const char* a, const char* b)
{
    return a == b || (a && b && std::strcmp(a, b) == 0);
}

// The number a result text shows, read in the locale it was written in.
std::optional<double> shownNumber(const QString& result, const QLocale& written)
{
    const QString number = result.trimmed().section(u' ', 0, 0);
    if (number.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = written.toDouble(number, &ok);
    if (!ok)
        value = QLocale::c().toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool holds(double value, double low, double high)
{
    return greaterOrEqual(value, low) && lessOrEqual(value, high);
}

// What a condition found, for the note's text; nothing when it does not hold.
std::optional<QString> check(const NoteCondition& condition, int row, const Inputs& inputs,
                             const Outcome& outcome, const QLocale& locale)
{
    const ConvertedInput& input = inputs[condition.analyte];
    const QString name = QString::fromLatin1(analyte(condition.analyte).name);
    const bool valid = !inputs.finding(condition.analyte) && std::isfinite(input.typed);
    const bool hasRow = row >= 0 && row < outcome.values.size();
    const double rowValue = hasRow ? outcome.values[row] : std::nan("");

    switch (condition.test) {
    case T::NotAboveUpper:
    case T::NotBelowLower: {
        if (!valid)
            return std::nullopt;
        const auto limits = adultLimits(input, inputs[A::Gender].valueText, locale);
        if (!limits)
            return std::nullopt;
        const bool ok = condition.test == T::NotAboveUpper
                            ? (limits->highIncluded ? lessOrEqual(input.typed, limits->high)
                                                    : less(input.typed, limits->high))
                            : greaterOrEqual(input.typed, limits->low);
        if (!ok)
            return std::nullopt;
        return QStringLiteral("%1 %2 %3 (adult reference %4)")
            .arg(name, sixDigits(input.typed, locale), limits->unit, limits->range);
    }
    case T::NotGiven:
        if (valid)
            return std::nullopt;
        return name;
    case T::Below: {
        if (!valid || !less(input.converted, condition.bound))
            return std::nullopt;
        QString found = name + u' ' + sixDigits(input.typed, locale);
        if (!input.unitText.isEmpty())
            found += u' ' + input.unitText;
        return found;
    }
    case T::TopBand: {
        if (!hasRow || row >= outcome.working.size())
            return std::nullopt;
        const std::span<const Band> bands = outcome.working[row].bands;
        const int index = bandIndex(rowValue, bands);
        if (index < 0 || index != int(bands.size()) - 1)
            return std::nullopt;
        return sixDigits(rowValue, locale);
    }
    case T::RowFromTo:
        if (!hasRow || !std::isfinite(rowValue) ||
            !holds(rowValue, condition.bound, condition.upper))
            return std::nullopt;
        return sixDigits(rowValue, locale);
    }
    return std::nullopt;
}

QList<Note> contextNotes(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                         const QLocale& locale)
{
    QList<Note> notes;
    for (const ContextRule& rule : ContextRules) {
        if (rule.item != item || (rule.row >= 0 && rule.row != row))
            continue;
        QStringList found;
        QStringList sources;
        addSources(sources, text(rule.sources));
        bool all = true;
        for (const NoteCondition& condition : rule.conditions()) {
            const std::optional<QString> what = check(condition, row, inputs, outcome, locale);
            if (!what) {
                all = false;
                break;
            }
            found << *what;
            if (condition.test == T::NotAboveUpper || condition.test == T::NotBelowLower) {
                const auto limits =
                    adultLimits(inputs[condition.analyte], inputs[A::Gender].valueText, locale);
                addSources(sources, limits->sources.join(u' '));
            }
        }
        if (!all)
            continue;
        QString sentence = text(rule.text);
        for (qsizetype i = 0; i < found.size(); ++i)
            sentence.replace(QStringLiteral("%") + QString::number(i + 1), found[i]);
        notes << Note{NoteKind::Context, sentence, sources};
    }
    return notes;
}

std::optional<Note> bandRoundingNote(int row, const Inputs& inputs, const Outcome& outcome,
                                     const QLocale& locale)
{
    if (row < 0 || row >= outcome.rows.size() || row >= outcome.values.size() ||
        row >= outcome.working.size())
        return std::nullopt;
    const RowWorking& working = outcome.working[row];
    if (working.bands.empty() || !working.formula || working.formula->shown == Shown::Text)
        return std::nullopt;
    const std::span<const Band> bands = working.bands;
    const double value = outcome.values[row];
    const QString& result = outcome.rows[row].result;
    const std::optional<double> shown = shownNumber(result, inputs.locale());
    if (!shown || !std::isfinite(value))
        return std::nullopt;
    const int valueBand = bandIndex(value, bands);
    const int shownBand = bandIndex(*shown, bands);
    if (valueBand == shownBand ||
        sameText(bands[size_t(valueBand)].text, bands[size_t(shownBand)].text))
        return std::nullopt;

    // The edge between the two bands, and the side of it the value lies on.
    const double edge = bands[size_t(std::min(valueBand, shownBand))].upTo;
    QString side;
    if (approxEqual(value, edge))
        side = QStringLiteral("at");
    else
        side = value < edge ? QStringLiteral("below") : QStringLiteral("above");
    const QString number = preciseNumber(
        value, [bands](double v) { return bandIndex(v, bands); }, locale);
    const QString interpretation = outcome.rows[row].interpretation.trimmed();
    const QString reading = interpretation.isEmpty()
                                ? QStringLiteral(", so no interpretation is given.")
                                : QStringLiteral(", so: ") + interpretation;
    return Note{NoteKind::Rounding,
                QStringLiteral("Shown as %1; the unrounded value is %2, %3 %4%5")
                    .arg(result.trimmed().section(u' ', 0, 0), number, side,
                         shortestNumber(edge, locale), reading),
                {}};
}

std::optional<Note> cutOffNote(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                               const QLocale& locale)
{
    if (row < 0 || row >= outcome.values.size() || row >= outcome.rows.size())
        return std::nullopt;
    const double value = outcome.values[row];
    if (!std::isfinite(value))
        return std::nullopt;
    for (const CutOffNote& cut : CutOffs) {
        if (cut.item != item || cut.row != row)
            continue;
        // 0 below, 1 at the low cut-off, 2 between, 3 at the high one, 4 above.
        const auto place = [&cut](double v) {
            if (approxEqual(v, cut.low))
                return 1;
            if (approxEqual(v, cut.high))
                return 3;
            return v < cut.low ? 0 : v < cut.high ? 2 : 4;
        };
        const QString low = shortestNumber(cut.low, locale);
        const QString high = shortestNumber(cut.high, locale);
        QString where;
        switch (place(value)) {
        case 0:
            where = QStringLiteral("below ") + low;
            break;
        case 1:
            where = QStringLiteral("at ") + low;
            break;
        case 2:
            where = QStringLiteral("between %1 and %2").arg(low, high);
            break;
        case 3:
            where = QStringLiteral("at ") + high;
            break;
        default:
            where = QStringLiteral("above ") + high;
            break;
        }
        QString sentence;
        if (const std::optional<double> shown =
                shownNumber(outcome.rows[row].result, inputs.locale()))
            sentence = QStringLiteral("Shown as %1; ")
                           .arg(outcome.rows[row].result.trimmed().section(u' ', 0, 0));
        sentence += QStringLiteral("the ratio is %1, %2. %3")
                        .arg(preciseNumber(value, place, locale), where, text(cut.meaning));
        QStringList sources;
        addSources(sources, text(cut.sources));
        return Note{NoteKind::Rounding, sentence, sources};
    }
    return std::nullopt;
}

// The interval as the value field's tooltip shows its edges.
QString intervalRange(const ConvertedInput& input, double low, double high, bool highIncluded,
                      const QString& unit, const QLocale& locale)
{
    const QString field = QString::fromLatin1(analyte(input.id).field);
    // "below 5.18" counts from the shown number on; "up to" and "–" up to it.
    const QString top =
        shownLimitText(field, input.unitText, high, !highIncluded, locale) + u' ' + unit;
    if (low > 0.0)
        return shownLimitText(field, input.unitText, low, true, locale) + QChar(0x2013) + top;
    return (highIncluded ? QStringLiteral("up to ") : QStringLiteral("below ")) + top;
}

} // namespace

QString noteKindName(NoteKind kind)
{
    switch (kind) {
    case NoteKind::Context:
        return QStringLiteral("context");
    case NoteKind::Rounding:
        return QStringLiteral("rounding");
    case NoteKind::Dated:
        return QStringLiteral("dated");
    case NoteKind::Unsourced:
        return QStringLiteral("unsourced");
    }
    return {};
}

QString noteTag(NoteKind kind)
{
    switch (kind) {
    case NoteKind::Dated:
        return QStringLiteral("dated");
    case NoteKind::Unsourced:
        return QStringLiteral("no source");
    case NoteKind::Context:
    case NoteKind::Rounding:
        break;
    }
    return {};
}

std::span<const ContextRule> contextRules()
{
    return ContextRules;
}

std::span<const CutOffNote> cutOffNotes()
{
    return CutOffs;
}

std::span<const EvidenceNote> evidenceNotes()
{
    return Evidence;
}

// The one place that reads reference limits from the plausibility table.
std::optional<AdultLimits> adultLimits(const ConvertedInput& input, const QString& gender,
                                       const QLocale& locale)
{
    if (!std::isfinite(input.typed))
        return std::nullopt;
    const std::optional<Plausibility> p =
        plausibility(QString::fromLatin1(analyte(input.id).field), input.unitText);
    if (!p)
        return std::nullopt;
    Sex sex = Sex::Any;
    if (gender == QLatin1StringView(GenderMale))
        sex = Sex::Men;
    else if (gender == QLatin1StringView(GenderFemale))
        sex = Sex::Women;

    AdultLimits limits;
    limits.low = Infinity;
    limits.high = -Infinity;
    bool found = false;
    bool bySex = false;
    for (const ReferenceInterval& interval : p->intervals) {
        // Classes ("low", "desirable") are no reference interval.
        if (interval.alternative || !interval.label.isEmpty())
            continue;
        if (sex != Sex::Any && interval.sex != Sex::Any && interval.sex != sex)
            continue;
        const bool hasLow =
            interval.shape == IntervalShape::Between || interval.shape == IntervalShape::AtLeast;
        const double low = hasLow ? interval.low : 0.0;
        const double high = interval.shape == IntervalShape::AtLeast ? Infinity : interval.high;
        const bool included = interval.shape != IntervalShape::Below;
        limits.low = std::min(limits.low, low);
        if (high > limits.high || (high == limits.high && included)) {
            limits.highIncluded = included;
            limits.high = high;
        }
        bySex = bySex || interval.sex != Sex::Any;
        for (const Reference* reference : interval.sources)
            addSources(limits.sources, reference->idText());
        found = true;
    }
    if (!found)
        return std::nullopt;
    limits.unit = p->shownUnit;
    limits.range =
        intervalRange(input, limits.low, limits.high, limits.highIncluded, limits.unit, locale);
    if (bySex) {
        if (sex == Sex::Men)
            limits.range += QStringLiteral(", men");
        else if (sex == Sex::Women)
            limits.range += QStringLiteral(", women");
        else
            limits.range += QStringLiteral(", men and women");
    }
    return limits;
}

QList<Note> rowNotes(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                     const QLocale& locale)
{
    QList<Note> notes = contextNotes(item, row, inputs, outcome, locale);
    if (std::optional<Note> note = bandRoundingNote(row, inputs, outcome, locale))
        notes << *note;
    if (std::optional<Note> note = cutOffNote(item, row, inputs, outcome, locale))
        notes << *note;
    for (NoteKind kind : {NoteKind::Dated, NoteKind::Unsourced}) {
        for (const EvidenceNote& evidence : Evidence) {
            if (evidence.item != item || evidence.kind != kind ||
                (evidence.row >= 0 && evidence.row != row))
                continue;
            QStringList sources;
            addSources(sources, text(evidence.sources));
            notes << Note{kind, text(evidence.text), sources};
        }
    }
    return notes;
}

} // namespace quarvex
