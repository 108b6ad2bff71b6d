#include "practice/exercise.h"
#include "practice/exercisesteps.h"

#include "analytes/format.h"
#include "analytes/hints.h"
#include "analytes/plausibility.h"
#include "calc/items.h"
#include "overview/overview.h"
#include "practice/itemkeys.h"
#include "practice/prng.h"
#include "practice/working.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace quarvex {

namespace {

using A = AnalyteId;
using practice::Operand;
using practice::Operation;
using practice::personName;
using practice::shownUnit;

// The most decimals a laboratory reports for a value (any unit where `unit`
// is empty); every other value is reported to three significant digits with
// at most two decimals.
struct Reporting {
    AnalyteId id;
    const char* unit;
    int decimals;
};
constexpr Reporting MostDecimals[] = {
    {A::Age, "", 0},
    {A::Weight, "", 0},
    {A::UrineVolume, "", 0},
    {A::SerumSodium, "", 0},
    {A::UrineSodium, "", 0},
    {A::SerumPotassium, "", 1},
    {A::UrinePotassium, "", 0},
    {A::SerumAmylase, "", 0},
    {A::UrineAmylase, "", 0},
    {A::AST, "", 0},
    {A::ALT, "", 0},
    {A::Ferritin, "", 0},
    {A::SerumCreatinine, "umol/L", 0},
    {A::SerumUrea, "mg/dL", 0},
    {A::Chol, "mg/dL", 0},
    {A::HDL, "mg/dL", 0},
    {A::LDL, "mg/dL", 0},
    {A::Iron, "ug/dL", 0},
    {A::TIBC, "ug/dL", 0},
    {A::Transferrin, "mg/dL", 0},
};
constexpr int ReportedDigits = 3;
constexpr int MostReportedDecimals = 2;
constexpr double Powers[] = {1.0, 10.0, 100.0, 1000.0};

int mostDecimals(AnalyteId id, const QString& unit)
{
    for (const Reporting& r : MostDecimals) {
        if (r.id == id && (!*r.unit || unit == QLatin1String(r.unit)))
            return r.decimals;
    }
    return MostReportedDecimals;
}

// The decimals of a value reported to three significant digits, at most `most`.
int reportedDecimals(double value, int most)
{
    int exponent = 0; // 10^exponent <= value < 10^(exponent + 1)
    double size = std::fabs(value);
    while (size >= 10.0 && exponent < 12) {
        size /= 10.0;
        ++exponent;
    }
    while (size > 0.0 && size < 1.0 && exponent > -12) {
        size *= 10.0;
        --exponent;
    }
    return std::clamp(ReportedDigits - 1 - exponent, 0, most);
}

double roundedTo(double value, int decimals)
{
    const double power = Powers[size_t(std::clamp(decimals, 0, 3))];
    return std::round(value * power) / power;
}

// The unit text of the list choice that is the formula unit (empty for a fixed unit).
QString formulaUnitText(AnalyteId id)
{
    for (const UnitChoice& unit : analyte(id).unitChoices()) {
        if (unit.multiply == 1.0 && unit.divide == 1.0)
            return QString::fromLatin1(unit.text);
    }
    return {};
}

quint64 itemSalt(ItemId id)
{
    quint64 hash = 0xcbf29ce484222325ULL; // FNV-1a over the stable id
    for (const QChar c : itemKey(id)) {
        hash ^= c.unicode();
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

Sex sexOf(const QString& gender)
{
    if (gender == QLatin1String(GenderMale))
        return Sex::Men;
    if (gender == QLatin1String(GenderFemale))
        return Sex::Women;
    return Sex::Any;
}

// The values most adults have where the literature gives no reference
// interval, in the formula unit: this program's own choice, to draw ordinary
// cases from (every value still lies in the typical range).
struct Usual {
    AnalyteId id;
    double low;
    double high;
};
constexpr Usual UsualValues[] = {
    {A::Age, 20.0, 90.0},
    {A::Weight, 50.0, 100.0},
};

// The interval ordinary values come from, in the unit: the adult reference
// interval for the gender, else the usual values; none where neither exists.
std::optional<std::pair<double, double>> ordinaryValues(const Plausibility& p, AnalyteId id,
                                                        const QString& unit, const QString& gender)
{
    for (const ReferenceInterval& interval : p.intervals) {
        if (interval.shape == IntervalShape::Between && !interval.alternative &&
            (interval.sex == Sex::Any || interval.sex == sexOf(gender)))
            return std::pair{interval.low, interval.high};
    }
    for (const Usual& u : UsualValues) {
        if (u.id != id)
            continue;
        double multiply = 1.0, divide = 1.0;
        for (const UnitChoice& choice : analyte(id).unitChoices()) {
            if (unit == QLatin1String(choice.text)) {
                multiply = choice.multiply;
                divide = choice.divide;
            }
        }
        return std::pair{u.low * divide / multiply, u.high * divide / multiply};
    }
    return std::nullopt;
}

// One value drawn for an input, in a unit drawn from its list: half the time
// an ordinary value, else one below or above the ordinary values within the
// typical range (above them skewed towards the ordinary, as diseased values
// are); uniform over the typical range where nothing is ordinary.
CaseValue drawValue(AnalyteId id, const QString& gender, PracticeRandom& random)
{
    const Analyte& a = analyte(id);
    CaseValue out{id, 0.0, 0, {}};
    if (a.unitKind == UnitKind::List)
        out.unit = QString::fromLatin1(a.unitChoices()[size_t(random.below(a.unitCount))].text);
    const std::optional<Plausibility> p = plausibility(a.fieldName(), out.unit);
    if (!p)
        return out;
    const double low = p->typical.low;
    const double high = p->typical.high;
    const int where = random.below(4);
    const double u = random.unit();
    double value = low + (high - low) * u;
    if (const auto ordinary = ordinaryValues(*p, id, out.unit, gender)) {
        const double from = std::max(low, ordinary->first);
        const double to = std::min(high, ordinary->second);
        if (where == 2 && from > low)
            value = from - (from - low) * u * u;
        else if (where == 3 && to < high)
            value = to + (high - to) * u * u * u;
        else
            value = from + (to - from) * u;
    }
    out.decimals = reportedDecimals(value, mostDecimals(id, out.unit));
    out.value = roundedTo(value, out.decimals);
    return out;
}

// The first row with a band table, or -1.
int firstBandedRow(const Outcome& outcome)
{
    for (int r = 0; r < outcome.working.size(); ++r) {
        if (!outcome.working[r].bands.empty())
            return r;
    }
    return -1;
}

// The edge of a band that belongs to it (its upper edge when included, its
// lower edge when the band below leaves it out); none when neither does.
std::optional<double> ownEdge(std::span<const Band> bands, int band)
{
    if (band < int(bands.size()) - 1 && bands[size_t(band)].inclusive)
        return bands[size_t(band)].upTo;
    if (band > 0 && !bands[size_t(band) - 1].inclusive)
        return bands[size_t(band) - 1].upTo;
    return std::nullopt;
}

// A text whose numbers are written as C does ("× 1.012") with the decimal
// point of the locale ("× 1,012"): a point between two digits is one.
QString inLocaleNumbers(QString text, const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    if (point == QLatin1String("."))
        return text;
    for (qsizetype i = text.size() - 2; i > 0; --i) {
        if (text[i] == u'.' && text[i - 1].isDigit() && text[i + 1].isDigit())
            text.replace(i, 1, point);
    }
    return text;
}

// Whether a case can be worked: the item computes and no hint questions a value.
std::optional<Outcome> workable(const ItemDescriptor& item, const MapFields& fields)
{
    const Inputs inputs(fields, QLocale::c());
    ItemEvaluation evaluation = evaluateItem(item, inputs);
    if (!evaluation.outcome || !caseHints(inputs).isEmpty())
        return std::nullopt;
    return std::move(evaluation.outcome);
}

MapFields fieldsOf(const QString& gender, const QList<CaseValue>& values)
{
    MapFields fields;
    if (!gender.isEmpty())
        fields.set(A::Gender, gender);
    for (const CaseValue& v : values)
        fields.set(v.id, v.text(QLocale::c()), v.unit);
    return fields;
}

} // namespace

bool StepTolerance::accepts(double target, double answer) const
{
    if (!std::isfinite(answer) || !std::isfinite(target))
        return false;
    switch (kind) {
    case Choice:
        return target == answer;
    case AsShown:
        return formatFixed(target, decimals, QLocale::c()) ==
               formatFixed(answer, decimals, QLocale::c());
    case Within:
        return std::fabs(answer - target) <= margin(target);
    }
    return false;
}

double StepTolerance::margin(double target) const
{
    // Half the last of six significant digits.
    double unit = 1e-5;
    const double size = std::fabs(target);
    if (size > 0.0) {
        unit = 1.0;
        while (size >= unit * 10.0)
            unit *= 10.0;
        while (size < unit)
            unit /= 10.0;
        unit /= 1e5;
    }
    return std::max(relative * size, unit / 2.0);
}

QString StepTolerance::text(const QLocale& locale) const
{
    switch (kind) {
    case Choice:
        return QStringLiteral("the same choice");
    case AsShown:
        return decimals == 0   ? QStringLiteral("equal when rounded to a whole number")
               : decimals == 1 ? QStringLiteral("equal when rounded to 1 decimal")
                               : QStringLiteral("equal when rounded to %1 decimals").arg(decimals);
    case Within:
        return QStringLiteral("within %1 %, or half the last of 6 significant digits")
            .arg(shortestNumber(relative * 100.0, locale));
    }
    return {};
}

QString CaseValue::text(const QLocale& locale) const
{
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

MapFields Exercise::fields() const
{
    return fieldsOf(gender, values);
}

Inputs Exercise::inputs() const
{
    return Inputs(fields(), QLocale::c());
}

QList<std::pair<QString, QString>> Exercise::caseLines(const QLocale& numbers) const
{
    QList<std::pair<QString, QString>> lines;
    for (const Analyte& a : analytes()) {
        if (a.id == A::Gender && !gender.isEmpty())
            lines.append({a.fieldName(), gender});
        for (const CaseValue& v : values) {
            if (v.id != a.id)
                continue;
            lines.append({a.fieldName(), v.text(numbers)});
            if (!v.unit.isEmpty())
                lines.append({a.unitFieldName(), v.unit});
        }
    }
    return lines;
}

QString Exercise::caseText() const
{
    const QString who = gender == QLatin1String(GenderFemale) ? QStringLiteral("woman")
                        : gender == QLatin1String(GenderMale) ? QStringLiteral("man")
                                                              : QStringLiteral("patient");
    QString text = QStringLiteral("A ") + who;
    QStringList parts;
    for (const CaseValue& v : values) {
        const QString number = v.text(locale);
        if (v.id == A::Age) {
            // "An 18-year-old", "An 81-year-old": the article follows the sound.
            const bool vowel = number.startsWith(QLatin1Char('8')) ||
                               number == QLatin1String("11") || number == QLatin1String("18");
            text = (vowel ? QStringLiteral("An ") : QStringLiteral("A ")) + number +
                   QStringLiteral("-year-old ") + who;
        } else if (v.id == A::Weight) {
            parts << number + QLatin1Char(' ') + shownUnit(v);
        } else {
            parts << personName(v.id) + QLatin1Char(' ') + number + QLatin1Char(' ') + shownUnit(v);
        }
    }
    parts.prepend(text);
    return parts.join(QStringLiteral(", "));
}

int Exercise::stepIndex(const QString& id) const
{
    for (int i = 0; i < steps.size(); ++i) {
        if (steps[i].id == id)
            return i;
    }
    return -1;
}

int Exercise::askedCount() const
{
    return int(
        std::count_if(steps.begin(), steps.end(), [](const ExerciseStep& s) { return !s.given; }));
}

Exercise exerciseForCase(ItemId id, const QString& gender, const QList<CaseValue>& values,
                         int level, const QLocale& locale)
{
    Exercise ex;
    ex.item = id;
    ex.level = std::clamp(level, 1, PracticeLevels);
    ex.gender = gender;
    ex.values = values;
    ex.locale = locale;
    // The working in the exercise's number format: the formula, its
    // constants and the worked steps read as the prompts do.
    MapFields fields;
    if (!gender.isEmpty())
        fields.set(A::Gender, gender);
    for (const CaseValue& v : values)
        fields.set(v.id, v.text(locale), v.unit);
    const Inputs inputs(fields, locale);
    ItemEvaluation evaluation = evaluateItem(item(id), inputs);
    if (!evaluation.outcome)
        return ex;
    ex.outcome = std::move(*evaluation.outcome);
    ex.derivation = derive(item(id), inputs, ex.outcome, {});
    // The formulas' own numbers too (the derivation writes them as C does,
    // for a reader of any locale).
    for (DerivedInput& in : ex.derivation.inputs)
        in.conversion = inLocaleNumbers(in.conversion, locale);
    for (qsizetype r = 0; r < ex.derivation.rows.size() && r < ex.outcome.working.size(); ++r) {
        DerivedRow& row = ex.derivation.rows[r];
        row.words = inLocaleNumbers(row.words, locale);
        row.symbols = inLocaleNumbers(row.symbols, locale);
        if (const Formula* f = ex.outcome.working[r].formula)
            row.constant = genderConstantNote(*f, locale);
    }
    practice::buildSteps(ex);
    return ex;
}

Exercise makeExercise(ItemId id, quint64 seed, int level, std::optional<int> band,
                      const QLocale& locale)
{
    constexpr int Attempts = 300;
    const ItemDescriptor& descriptor = item(id);
    PracticeRandom random(seed ^ itemSalt(id));
    QString gender;
    QList<AnalyteId> drawn;
    for (AnalyteId a : descriptor.checks()) {
        if (a == A::Gender)
            gender = random.below(2) == 0 ? QLatin1String(GenderMale) : QLatin1String(GenderFemale);
        else
            drawn << a;
    }
    const quint64 aim = random.next();
    const bool onEdge = random.below(4) == 0;

    std::optional<QList<CaseValue>> fallback;
    int target = -1;
    QList<CaseValue> chosen;
    for (int attempt = 0; attempt < Attempts && chosen.isEmpty(); ++attempt) {
        QList<CaseValue> values;
        for (AnalyteId a : drawn)
            values << drawValue(a, gender, random);
        const std::optional<Outcome> outcome = workable(descriptor, fieldsOf(gender, values));
        if (!outcome)
            continue;
        if (!fallback)
            fallback = values;
        const int row = firstBandedRow(*outcome);
        if (row < 0)
            break;
        const RowWorking& w = outcome->working[row];
        if (target < 0)
            target = band ? std::clamp(*band, 0, int(w.bands.size()) - 1)
                          : int(aim % quint64(w.bands.size()));
        // A class row (the value itself) is now and then put on the edge of its band.
        const FormulaOp& first = w.formula->ops[0];
        if (onEdge && w.formula->ops.size() == 1 && first.kind == FormulaOp::Input) {
            if (const std::optional<double> edge = ownEdge(w.bands, target)) {
                QList<CaseValue> onIt = values;
                for (CaseValue& v : onIt) {
                    if (v.id != first.input)
                        continue;
                    v.unit = formulaUnitText(v.id);
                    v.decimals = reportedDecimals(*edge, mostDecimals(v.id, v.unit));
                    v.value = roundedTo(*edge, v.decimals);
                }
                if (workable(descriptor, fieldsOf(gender, onIt)) &&
                    std::all_of(onIt.begin(), onIt.end(), [&](const CaseValue& v) {
                        return v.id != first.input || v.value == *edge;
                    })) {
                    chosen = onIt;
                    break;
                }
            }
        }
        if (bandIndex(outcome->values[row], w.bands) == target)
            chosen = values;
    }
    if (chosen.isEmpty() && fallback)
        chosen = *fallback;
    Exercise ex = exerciseForCase(id, gender, chosen, level, locale);
    ex.seed = seed;
    ex.aimedBand = target;
    return ex;
}

} // namespace quarvex
