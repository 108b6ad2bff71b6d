#include "practice/exercise.h"
#include "practice/exercisesteps.h"

#include "analytes/format.h"
#include "analytes/hints.h"
#include "analytes/plausibility.h"
#include "calc/items.h"
#include "i18n/language.h"
#include "overview/overview.h"
#include "practice/itemkeys.h"
#include "practice/prng.h"
#include "practice/scenarios.h"
#include "practice/working.h"

#include <QCoreApplication>

#include <QHash>
#include <QMutex>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <functional>

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

// The unit a case reports a value in: the conventional units (the first of
// the list, body weight in kg or lbs) or the SI units (the second; kg).
QString reportedUnit(AnalyteId id, bool si, bool pounds)
{
    const Analyte& a = analyte(id);
    if (a.unitKind != UnitKind::List)
        return {};
    const auto units = a.unitChoices();
    if (id == A::Weight)
        return QString::fromLatin1(units[pounds && !si ? 1 : 0].text);
    return QString::fromLatin1(units[si && units.size() > 1 ? 1 : 0].text);
}

double inUnit(AnalyteId id, const QString& unit, double formulaValue, bool toUnit)
{
    for (const UnitChoice& choice : analyte(id).unitChoices()) {
        if (unit != QLatin1String(choice.text))
            continue;
        return toUnit ? formulaValue * choice.divide / choice.multiply
                      : formulaValue * choice.multiply / choice.divide;
    }
    return formulaValue;
}

// One value as a laboratory reports it, in its unit.
CaseValue reported(AnalyteId id, const QString& unit, double formulaValue)
{
    CaseValue out{id, 0.0, 0, unit};
    const double value = inUnit(id, unit, formulaValue, true);
    out.decimals = reportedDecimals(value, mostDecimals(id, unit));
    out.value = roundedTo(value, out.decimals);
    return out;
}

// A patient of a scenario: every analyte the scenario reports, in the draw
// order, each relation reading the values as reported; the values of `wanted`
// (in the item's check order) with the gender.
struct DrawnCase {
    QString gender;
    QList<CaseValue> values;
};

DrawnCase drawCase(const Scenario& scenario, const QList<AnalyteId>& wanted, PracticeRandom& random)
{
    ScenarioPatient patient;
    patient.male =
        scenario.sexes == Sexes::Men || (scenario.sexes == Sexes::Both && random.below(2) == 0);
    patient.age = scenario.ageLow + random.below(scenario.ageHigh - scenario.ageLow + 1);
    const bool si = random.below(2) == 0;
    const bool pounds = random.below(3) == 0;
    // Only the values asked for and those their relations read are drawn:
    // walking the draw order backwards, each needed value marks what it reads.
    bool needed[AnalyteCount] = {};
    for (AnalyteId id : wanted)
        needed[size_t(id)] = true;
    const std::span<const AnalyteId> order = drawOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const ValueRule* rule = needed[size_t(*it)] ? scenarioRule(scenario, *it) : nullptr;
        if (!rule)
            continue;
        for (AnalyteId read : readsOf(*rule))
            needed[size_t(read)] = true;
    }
    CaseValue shown[AnalyteCount];
    for (AnalyteId id : order) {
        if (id == A::Gender || (id != A::Age && !needed[size_t(id)]))
            continue;
        if (id == A::Age) {
            patient.values[size_t(id)] = patient.age;
            shown[size_t(id)] = {id, double(patient.age), 0, {}};
            patient.drawn[size_t(id)] = true;
            continue;
        }
        const ValueRule* rule = scenarioRule(scenario, id);
        if (!rule)
            continue;
        const QString unit = reportedUnit(id, si, pounds);
        const CaseValue value = reported(id, unit, drawByRule(*rule, patient, random));
        shown[size_t(id)] = value;
        patient.values[size_t(id)] = inUnit(id, unit, value.value, false);
        patient.drawn[size_t(id)] = true;
    }
    DrawnCase out;
    out.gender = patient.male ? QLatin1String(GenderMale) : QLatin1String(GenderFemale);
    for (AnalyteId id : wanted)
        out.values << shown[size_t(id)];
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

namespace {

// The person of a case text, in English or in the language installed: one
// template for each gender, with and without the age, so that a translation
// can inflect article and adjective ("Eine 67-jährige Frau", "Ein
// 67-jähriger Mann").
QString personText(const QString& gender, const QString& age, bool shown)
{
    const bool woman = gender == QLatin1String(GenderFemale);
    const bool man = gender == QLatin1String(GenderMale);
    // English: "An 18-year-old", "An 81-year-old": the article follows the sound.
    const bool vowel = age.startsWith(QLatin1Char('8')) || age == QLatin1String("11") ||
                       age == QLatin1String("18");
    const char* text = nullptr;
    if (age.isEmpty())
        text = woman ? QT_TRANSLATE_NOOP("quarvex::Exercise", "A woman")
               : man ? QT_TRANSLATE_NOOP("quarvex::Exercise", "A man")
                     : QT_TRANSLATE_NOOP("quarvex::Exercise", "A patient");
    else if (vowel)
        text = woman ? QT_TRANSLATE_NOOP("quarvex::Exercise", "An %1-year-old woman")
               : man ? QT_TRANSLATE_NOOP("quarvex::Exercise", "An %1-year-old man")
                     : QT_TRANSLATE_NOOP("quarvex::Exercise", "An %1-year-old patient");
    else
        text = woman ? QT_TRANSLATE_NOOP("quarvex::Exercise", "A %1-year-old woman")
               : man ? QT_TRANSLATE_NOOP("quarvex::Exercise", "A %1-year-old man")
                     : QT_TRANSLATE_NOOP("quarvex::Exercise", "A %1-year-old patient");
    const QString format =
        shown ? QCoreApplication::translate("quarvex::Exercise", text) : QString::fromLatin1(text);
    return age.isEmpty() ? format : format.arg(age);
}

// The case text of an exercise, in English or in the language installed.
QString caseTextOf(const Exercise& ex, bool shown)
{
    const QList<CaseValue>& values = ex.values;
    const QLocale& locale = ex.locale;
    const QString& context = ex.context;
    QString age;
    QStringList parts;
    for (const CaseValue& v : values) {
        const QString number = v.text(locale);
        if (v.id == A::Age) {
            age = number;
        } else if (v.id == A::Weight) {
            parts << QStringLiteral("%1 %2").arg(number, shownUnit(v));
        } else {
            // English writes the name in a sentence lower case ("iron"); a
            // translation as it gives it (German nouns keep their capital).
            const QString name = shown ? inSentence(analyte(v.id).shownName()) : personName(v.id);
            parts << QStringLiteral("%1 %2 %3").arg(name, number, shownUnit(v));
        }
    }
    QString text = personText(ex.gender, age, shown);
    if (!context.isEmpty())
        text = shown ? shownPersonWithContext(text, context, ex.gender)
                     : QStringLiteral("%1 %2").arg(text, context);
    parts.prepend(text);
    return parts.join(QStringLiteral(", "));
}

} // namespace

QString Exercise::caseText() const
{
    return caseTextOf(*this, false);
}

QString Exercise::shownCaseText() const
{
    return caseTextOf(*this, true);
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
            row.constant = genderConstantNote(
                *f, locale,
                //: A gender constant of a formula: its symbol, the men's and the women's value.
                QCoreApplication::translate("quarvex::Practice",
                                            "%1 = %2 for Male, %3 for Female"));
    }
    practice::buildSteps(ex);
    return ex;
}

std::optional<MapFields> exampleCase(const QString& scenarioId, const QList<AnalyteId>& ids,
                                     quint64 seed)
{
    constexpr int Attempts = 200;
    const Scenario* scenario = findScenario(scenarioId);
    if (!scenario)
        return std::nullopt;
    QList<AnalyteId> reported;
    for (AnalyteId id : ids) {
        if (id != A::Gender && (id == A::Age || scenarioRule(*scenario, id)))
            reported << id;
    }
    PracticeRandom random(seed ^ 0x6578616d706c65ULL);
    std::optional<MapFields> first;
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        const DrawnCase c = drawCase(*scenario, reported, random);
        const MapFields fields = fieldsOf(ids.contains(A::Gender) ? c.gender : QString(), c.values);
        if (caseHints(Inputs(fields, QLocale::c())).isEmpty())
            return fields;
        if (!first)
            first = fields;
    }
    return first;
}

QString scenarioProblem(ItemId id, const QStringList& choice)
{
    const QStringList ids = choice.isEmpty() ? scenarioIds() : choice;
    for (const QString& name : ids) {
        const Scenario* s = findScenario(name);
        if (!s)
            return QStringLiteral("no scenario \"%1\" (see --list-scenarios)").arg(name);
    }
    for (const QString& name : ids) {
        if (supports(*findScenario(name), id))
            return {};
    }
    return QStringLiteral("no scenario chosen (%1) has a patient for %2 (it reports not all the "
                          "values, or the creatinine is not at a steady state)")
        .arg(ids.join(QStringLiteral(", ")), QString::fromLatin1(item(id).listText));
}

namespace {

// The case of one draw and what it gives.
struct Drawn {
    QList<CaseValue> values;
    QString gender;
    const Scenario* scenario = nullptr;
    int band = -1; // of the first banded row; -1 for an item without bands
};

// What a draw gives: nothing when the item does not compute, a band row lands
// in a band without an interpretation, or (checked last, as the dearest) a
// hint questions a value; else the band of the first banded row.
std::optional<int> drawnBand(const ItemDescriptor& descriptor, const Drawn& d,
                             const std::function<bool(int)>& wanted)
{
    const MapFields fields = fieldsOf(d.gender, d.values);
    const Inputs inputs(fields, QLocale::c());
    const ItemEvaluation evaluation = evaluateItem(descriptor, inputs);
    if (!evaluation.outcome)
        return std::nullopt;
    const Outcome& outcome = *evaluation.outcome;
    int first = -1;
    for (int r = 0; r < outcome.working.size(); ++r) {
        const std::span<const Band> bands = outcome.working[r].bands;
        if (bands.empty())
            continue;
        const int b = bandIndex(outcome.values[r], bands);
        if (b < 0 || !bands[size_t(b)].text)
            return std::nullopt;
        if (first < 0)
            first = b;
    }
    if (!wanted(first) || !caseHints(inputs).isEmpty())
        return std::nullopt;
    return first;
}

// The scenarios of a choice that support an item.
QList<const Scenario*> supportingScenarios(ItemId id, const QStringList& choice)
{
    QList<const Scenario*> supporting;
    for (const QString& name : choice.isEmpty() ? scenarioIds() : choice) {
        const Scenario* s = findScenario(name);
        if (s && supports(*s, id) && !supporting.contains(s))
            supporting << s;
    }
    return supporting;
}

// The bands of the item's first banded row that cases of the scenarios reach,
// found once per item and choice from a fixed sample of draws (so the same on
// every computer), in band order.
QList<int> reachedBands(ItemId id, const QList<AnalyteId>& drawn, bool withGender,
                        const QList<const Scenario*>& supporting)
{
    constexpr int Draws = 240;
    static QMutex mutex;
    static QHash<QString, QList<int>> known;
    QString key = itemKey(id);
    for (const Scenario* s : supporting)
        key += QLatin1Char(' ') + QLatin1String(s->id);
    {
        const QMutexLocker lock(&mutex);
        if (const auto it = known.constFind(key); it != known.constEnd())
            return *it;
    }
    const ItemDescriptor& descriptor = item(id);
    PracticeRandom random(itemSalt(id) ^ 0x5eed5eed5eed5eedULL);
    QSet<int> seen;
    for (int i = 0; i < Draws && !supporting.isEmpty(); ++i) {
        const Scenario* scenario = supporting[random.below(int(supporting.size()))];
        const DrawnCase c = drawCase(*scenario, drawn, random);
        const Drawn d{c.values, withGender ? c.gender : QString(), scenario, -1};
        if (const std::optional<int> b =
                drawnBand(descriptor, d, [&](int band) { return !seen.contains(band); }))
            seen.insert(*b);
    }
    QList<int> bands(seen.begin(), seen.end());
    std::sort(bands.begin(), bands.end());
    const QMutexLocker lock(&mutex);
    known.insert(key, bands);
    return bands;
}

// The band of a list nearest to a band, the lower one of two as near.
int nearestOf(const QList<int>& bands, int band)
{
    int best = bands.value(0, -1);
    for (int b : bands) {
        const int distance = std::abs(b - band), bestDistance = std::abs(best - band);
        if (distance < bestDistance || (distance == bestDistance && b < best))
            best = b;
    }
    return best;
}

} // namespace

Exercise makeExercise(ItemId id, quint64 seed, int level, std::optional<int> band,
                      const QLocale& locale, const QStringList& scenarioChoice)
{
    constexpr int Attempts = 400;
    const ItemDescriptor& descriptor = item(id);
    PracticeRandom random(seed ^ itemSalt(id));
    bool withGender = false;
    QList<AnalyteId> drawn;
    for (AnalyteId a : descriptor.checks()) {
        if (a == A::Gender)
            withGender = true;
        else
            drawn << a;
    }
    const QList<const Scenario*> supporting = supportingScenarios(id, scenarioChoice);
    Exercise ex;
    ex.item = id;
    ex.seed = seed;
    ex.level = std::clamp(level, 1, PracticeLevels);
    ex.locale = locale;
    ex.scenarioChoice = scenarioChoice;
    if (supporting.isEmpty()) {
        ex.note = scenarioProblem(id, scenarioChoice);
        return ex;
    }
    const quint64 aim = random.next();
    const bool onEdge = random.below(4) == 0;

    // The band aimed at: the one asked for, else one the seed picks among
    // those the scenarios reach; a band they do not reach gives way to the
    // nearest they do.
    std::optional<Outcome> firstOutcome;
    const RowWorking* banded = nullptr;
    const QList<int> reached = reachedBands(id, drawn, withGender, supporting);
    std::optional<Drawn> chosen;
    QHash<int, Drawn> byBand; // the first case of each band met, should the one aimed at not come
    int target = -1;
    int aimedAt = -1;
    for (int attempt = 0; attempt < Attempts && !chosen; ++attempt) {
        const Scenario* scenario = supporting[random.below(int(supporting.size()))];
        const DrawnCase c = drawCase(*scenario, drawn, random);
        Drawn d{c.values, withGender ? c.gender : QString(), scenario, -1};
        const std::optional<int> b = drawnBand(descriptor, d, [&](int b) {
            return aimedAt < 0 || b == aimedAt || !byBand.contains(b);
        });
        if (!b)
            continue;
        d.band = *b;
        if (*b < 0 || reached.isEmpty()) {
            chosen = d;
            break;
        }
        if (aimedAt < 0) {
            // The first case that computes tells the bands; a second draw
            // aims at the band chosen.
            const Inputs inputs(fieldsOf(d.gender, d.values), QLocale::c());
            firstOutcome = evaluateItem(descriptor, inputs).outcome;
            banded = &firstOutcome->working[firstBandedRow(*firstOutcome)];
            const int count = int(banded->bands.size());
            target = band ? std::clamp(*band, 0, count - 1)
                          : reached[int(aim % quint64(reached.size()))];
            aimedAt = reached.contains(target) ? target : nearestOf(reached, target);
        }
        if (*b != aimedAt) {
            byBand.insert(*b, d);
            continue;
        }
        chosen = d;
    }
    if (!chosen && !byBand.isEmpty()) {
        aimedAt = nearestOf(byBand.keys(), target);
        chosen = byBand.value(aimedAt);
    }
    if (!chosen)
        return ex;
    if (aimedAt >= 0 && aimedAt != target) {
        const auto text = [&](int b) {
            return QString::fromUtf8(banded->bands[size_t(b)].text).trimmed();
        };
        ex.note = QStringLiteral("No case of the scenarios chosen reaches \"%1\"; this case gives "
                                 "the nearest band they reach, \"%2\".")
                      .arg(text(target), text(aimedAt));
    }
    // A class row (the value itself) is now and then put on the edge of its band.
    if (banded && onEdge && banded->formula->ops.size() == 1 &&
        banded->formula->ops[0].kind == FormulaOp::Input) {
        const AnalyteId input = banded->formula->ops[0].input;
        if (const std::optional<double> edge = ownEdge(banded->bands, aimedAt)) {
            Drawn onIt = *chosen;
            for (CaseValue& v : onIt.values) {
                if (v.id != input)
                    continue;
                v.unit = formulaUnitText(v.id);
                v.decimals = reportedDecimals(*edge, mostDecimals(v.id, v.unit));
                v.value = roundedTo(*edge, v.decimals);
            }
            if (drawnBand(descriptor, onIt, [&](int b) { return b == aimedAt; }) &&
                std::all_of(onIt.values.begin(), onIt.values.end(),
                            [&](const CaseValue& v) { return v.id != input || v.value == *edge; }))
                chosen = onIt;
        }
    }
    Exercise made = exerciseForCase(id, chosen->gender, chosen->values, level, locale);
    made.seed = seed;
    made.aimedBand = target;
    made.scenarioChoice = scenarioChoice;
    made.scenario = QString::fromLatin1(chosen->scenario->id);
    made.context = QString::fromUtf8(chosen->scenario->context);
    made.note = ex.note;
    return made;
}

} // namespace quarvex
