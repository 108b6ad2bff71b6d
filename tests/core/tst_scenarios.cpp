#include "analytes/hints.h"
#include "analytes/plausibility.h"
#include "calc/items.h"
#include "coretestmain.h"
#include "literature/references.h"
#include "overview/overview.h"
#include "practice/exercise.h"
#include "practice/itemkeys.h"
#include "practice/practicejson.h"
#include "practice/scenarios.h"
#include "testfields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

// The clinical scenarios and the cases drawn from them, held as invariants
// over every item and scenario: every case is a patient (each value inside
// the widest values seen in patients for its unit and raising no hint,
// fractional excretions at most 100 %, the parts of cholesterol, bilirubin
// and iron binding within their whole, an adult age), the item computes,
// and the band of the case has an interpretation. The default run takes a
// sample; QUARVEX_FULL_SWEEP=1 runs every item × 200 seeds × 3 levels ×
// every scenario (minutes in a debug build).
class TestScenarios : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void table();
    void relationsReadEarlierValues();
    void creatinineForGfr_data();
    void creatinineForGfr();
    void creatinineForGfrByHand();
    void everyCaseIsAPatient_data();
    void everyCaseIsAPatient();
    void everySupportedBandIsReached();
    void nearestBandIsSaid();
    void unsupportedItemIsRefused();
    void choiceTravelsWithTheExercise();
    void generatorVersion_data();
    void generatorVersion();
    void contextNeverNamesTheDiagnosis();
};

namespace {

using A = AnalyteId;

bool fullSweep()
{
    return qEnvironmentVariableIntValue("QUARVEX_FULL_SWEEP") == 1;
}

double formulaValue(const Exercise& ex, AnalyteId id)
{
    return ex.inputs()[id].converted;
}

bool has(const Exercise& ex, AnalyteId id)
{
    return std::any_of(ex.values.begin(), ex.values.end(),
                       [&](const CaseValue& v) { return v.id == id; });
}

// What makes a case a patient; empty when it is one.
QStringList patientFaults(const Exercise& ex)
{
    QStringList faults;
    if (ex.values.isEmpty())
        return {u"no case: "_s + ex.note};
    for (const CaseValue& v : ex.values) {
        const auto p = plausibility(analyte(v.id).fieldName(), v.unit);
        if (!p) {
            faults << u"no plausibility entry for "_s + analyte(v.id).fieldName();
            continue;
        }
        if (v.value < p->possible.low || v.value > p->possible.high)
            faults << u"%1 %2 %3 outside the values seen in patients"_s.arg(
                analyte(v.id).fieldName(), v.text(QLocale::c()), v.unit);
        if (v.id == A::Age && (v.value < 18 || v.value > 95))
            faults << u"age %1"_s.arg(v.value);
    }
    const Inputs inputs = ex.inputs();
    for (const FieldHint& h : caseHints(inputs))
        faults << u"hint: "_s + h.text;
    const auto fraction = [&](A urine, A serum) {
        return (formulaValue(ex, urine) / formulaValue(ex, serum)) /
               (formulaValue(ex, A::UrineCreatinine) / formulaValue(ex, A::SerumCreatinine));
    };
    const A fractional[][2] = {{A::UrineSodium, A::SerumSodium},
                               {A::UrineUrea, A::SerumUrea},
                               {A::UrinePotassium, A::SerumPotassium},
                               {A::UrineCalcium, A::SerumCalcium},
                               {A::UrineAmylase, A::SerumAmylase}};
    for (const auto& pair : fractional) {
        if (has(ex, pair[0]) && has(ex, pair[1]) && has(ex, A::UrineCreatinine) &&
            has(ex, A::SerumCreatinine) && fraction(pair[0], pair[1]) > 1.0)
            faults << u"fractional excretion of %1 above 100 %"_s.arg(analyte(pair[0]).fieldName());
    }
    const auto atMost = [&](std::initializer_list<A> parts, A whole) {
        double sum = 0.0;
        for (A part : parts) {
            if (!has(ex, part))
                return;
            sum += formulaValue(ex, part);
        }
        if (has(ex, whole) && sum > formulaValue(ex, whole))
            faults << u"parts above %1"_s.arg(analyte(whole).fieldName());
    };
    atMost({A::HDL, A::LDL}, A::Chol);
    atMost({A::HDL}, A::Chol);
    atMost({A::BilirubinDirect}, A::BilirubinTotal);
    if (has(ex, A::Iron) && has(ex, A::TIBC) &&
        formulaValue(ex, A::Iron) >= formulaValue(ex, A::TIBC))
        faults << u"iron not below TIBC"_s;

    // The item computes and its band, where it has one, has an interpretation.
    const ItemEvaluation evaluation = evaluateItem(item(ex.item), inputs);
    if (!evaluation.outcome) {
        faults << u"cannot be computed"_s;
        return faults;
    }
    for (const ExerciseStep& s : ex.steps) {
        if (s.role == StepRole::Band && s.expectedText == QLatin1String(NoBandText))
            faults << u"a band without an interpretation"_s;
    }
    return faults;
}

struct Sample {
    int seeds;
    int levels;
};

Sample sample()
{
    return fullSweep() ? Sample{200, PracticeLevels} : Sample{6, 1};
}

} // namespace

void TestScenarios::initTestCase()
{
    QLocale::setDefault(English);
}

void TestScenarios::table()
{
    QSet<QString> ids;
    for (const Scenario& s : scenarios()) {
        const QString id = QString::fromLatin1(s.id);
        QVERIFY2(!ids.contains(id), s.id);
        ids.insert(id);
        QCOMPARE(id, id.toLower());
        QCOMPARE(findScenario(id), &s);
        QVERIFY2(s.ageLow >= 18 && s.ageHigh <= 95 && s.ageLow < s.ageHigh, s.id);
        QVERIFY(*s.title && *s.line);
        for (const ValueRule& r : s.rules) {
            QVERIFY2(r.low <= r.high, s.id);
            // Every source named resolves to the reference list.
            for (const QString& ref : QString::fromLatin1(r.basis).split(u' ', Qt::SkipEmptyParts))
                QVERIFY2(findReference(ref), qPrintable(id + u" "_s + ref));
        }
    }
    QVERIFY(scenarios().size() >= 25);
    QVERIFY(!findScenario(u"no-such-scenario"_s));
    // The healthy scenario reports every analyte.
    for (const Analyte& a : analytes())
        QVERIFY2(scenarioRule(*findScenario(u"healthy"_s), a.id) || a.id == A::Age ||
                     a.id == A::Gender,
                 a.field);
}

// A relation reads only values drawn before it.
void TestScenarios::relationsReadEarlierValues()
{
    QList<AnalyteId> order;
    for (AnalyteId id : drawOrder())
        order << id;
    for (const Scenario& s : scenarios()) {
        for (const Analyte& a : analytes()) {
            const ValueRule* r = scenarioRule(s, a.id);
            if (!r)
                continue;
            const QList<AnalyteId> reads = readsOf(*r);
            for (AnalyteId read : reads) {
                QVERIFY2(
                    order.indexOf(read) < order.indexOf(a.id),
                    qPrintable(u"%1: %2 reads %3"_s.arg(QLatin1String(s.id), QLatin1String(a.field),
                                                        QLatin1String(analyte(read).field))));
                QVERIFY2(scenarioRule(s, read), qPrintable(u"%1: %2 reads %3, not reported"_s.arg(
                                                    QLatin1String(s.id), QLatin1String(a.field),
                                                    QLatin1String(analyte(read).field))));
            }
        }
    }
}

void TestScenarios::creatinineForGfr_data()
{
    QTest::addColumn<double>("gfr");
    QTest::addColumn<int>("age");
    QTest::addColumn<bool>("male");
    // Both branches of the equation, for both sexes, young and old.
    for (const double gfr : {6.0, 14.0, 29.0, 44.0, 59.0, 75.0, 89.0, 110.0, 130.0}) {
        for (const int age : {20, 50, 85}) {
            for (const bool male : {true, false})
                QTest::addRow("%g %d %s", gfr, age, male ? "man" : "woman") << gfr << age << male;
        }
    }
}

// The creatinine solved for gives back the eGFR through the item's own equation.
void TestScenarios::creatinineForGfr()
{
    QFETCH(double, gfr);
    QFETCH(int, age);
    QFETCH(bool, male);
    const double creatinine = quarvex::creatinineForGfr(gfr, age, male);
    MapFields fields;
    fields.set(A::Age, QString::number(age));
    fields.set(A::Gender,
               male ? QString::fromLatin1(GenderMale) : QString::fromLatin1(GenderFemale));
    fields.set(A::SerumCreatinine, QString::number(creatinine, 'g', 17), u"mg/dL"_s);
    const ItemEvaluation e = evaluateItem(item(ItemId::EgfrCkdEpi), Inputs(fields, QLocale::c()));
    QVERIFY(e.outcome);
    QVERIFY2(std::fabs(e.outcome->values[0] - gfr) < 1e-9 * gfr,
             qPrintable(u"%1 for %2"_s.arg(e.outcome->values[0]).arg(gfr)));
}

// Hand-worked from the published CKD-EPI 2021 equation: 142 × min(Scr/κ, 1)^α ×
// max(Scr/κ, 1)^−1.200 × 0.9938^age (× 1.012 for a woman).
void TestScenarios::creatinineForGfrByHand()
{
    QVERIFY(std::fabs(quarvex::creatinineForGfr(91.6914786098333, 50, true) - 1.0) < 1e-9);
    QVERIFY(std::fabs(quarvex::creatinineForGfr(109.28301133784741, 50, false) - 0.6) < 1e-9);
    QVERIFY(std::fabs(quarvex::creatinineForGfr(9.969214880061228, 70, false) - 4.5) < 1e-9);
}

void TestScenarios::everyCaseIsAPatient_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("scenario"); // empty: any
    for (const ItemDescriptor& d : overviewItems()) {
        QTest::addRow("%s any", d.key) << int(d.id) << QString();
        for (const Scenario& s : scenarios()) {
            if (supports(s, d.id))
                QTest::addRow("%s %s", d.key, s.id) << int(d.id) << QString::fromLatin1(s.id);
        }
    }
}

void TestScenarios::everyCaseIsAPatient()
{
    QFETCH(int, item);
    QFETCH(QString, scenario);
    const ItemId id = ItemId(item);
    const QStringList choice = scenario.isEmpty() ? QStringList() : QStringList{scenario};
    const Sample n = sample();
    // The choice of any scenario gets more seeds: it is what most exercises use.
    const int seeds = scenario.isEmpty() ? n.seeds * 5 : n.seeds;
    for (int seed = 1; seed <= seeds; ++seed) {
        for (int level = 1; level <= n.levels; ++level) {
            const Exercise ex =
                makeExercise(id, quint64(seed), level, std::nullopt, QLocale::c(), choice);
            const QStringList faults = patientFaults(ex);
            QVERIFY2(faults.isEmpty(),
                     qPrintable(u"seed %1 level %2 (%3): %4\n%5"_s.arg(seed).arg(level).arg(
                         ex.scenario, ex.caseText(), faults.join(u"; "_s))));
            if (!scenario.isEmpty())
                QCOMPARE(ex.scenario, scenario);
            QVERIFY(supports(*findScenario(ex.scenario), id));
            QVERIFY(ex.askedCount() > 0);
        }
    }
}

// With any scenario, every band with an interpretation that a scenario
// reaches is the case's band for some seed: the seed aims at each in turn.
void TestScenarios::everySupportedBandIsReached()
{
    const auto bandStep = [](const Exercise& ex) -> const ExerciseStep* {
        for (const ExerciseStep& s : ex.steps) {
            if (s.role == StepRole::Band)
                return &s;
        }
        return nullptr;
    };
    QStringList faults;
    for (const ItemDescriptor& d : overviewItems()) {
        const Exercise first = makeExercise(d.id, 1, 3);
        const ExerciseStep* step = bandStep(first);
        if (!step)
            continue;
        QSet<QString> reached;
        for (int seed = 1; seed <= 40; ++seed) {
            const Exercise ex = makeExercise(d.id, quint64(seed), 3);
            const ExerciseStep* s = bandStep(ex);
            if (!s) {
                faults << u"%1 seed %2: no band step"_s.arg(QLatin1String(d.key)).arg(seed);
                continue;
            }
            reached.insert(s->expectedText);
            // A case that misses the band aimed at says so, and gives another.
            if (!ex.note.isEmpty() && ex.aimedBand >= 0 &&
                s->choices.value(ex.aimedBand) == s->expectedText)
                faults << u"%1 seed %2: a note on a case in its band"_s.arg(QLatin1String(d.key))
                              .arg(seed);
        }
        // The seeds practise more than one band of every banded item.
        if (reached.size() < 2)
            faults << u"%1: only %2"_s.arg(
                QLatin1String(d.key), QStringList(reached.begin(), reached.end()).join(u", "_s));
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestScenarios::nearestBandIsSaid()
{
    // Iron deficiency cannot give a high ferritin: the case keeps to the
    // nearest band the scenario reaches and says so.
    const Exercise ex =
        makeExercise(ItemId::FerritinStores, 3, 3, 2, QLocale::c(), {u"iron-deficiency"_s});
    QVERIFY(!ex.values.isEmpty());
    QVERIFY2(ex.note.contains(u"nearest band"_s), qPrintable(ex.note));
    QVERIFY(ex.note.contains(u"high"_s));
    QVERIFY(formulaValue(ex, A::Ferritin) < 15.0);
    // Where the band is reached, no note.
    const Exercise low =
        makeExercise(ItemId::FerritinStores, 3, 3, 0, QLocale::c(), {u"iron-deficiency"_s});
    QVERIFY2(low.note.isEmpty(), qPrintable(low.note));
}

void TestScenarios::unsupportedItemIsRefused()
{
    const QString problem = scenarioProblem(ItemId::LdlFriedewald, {u"iron-deficiency"_s});
    QVERIFY(problem.contains(QLatin1String(item(ItemId::LdlFriedewald).listText)));
    QVERIFY(scenarioProblem(ItemId::LdlFriedewald, {u"nope"_s}).contains(u"nope"_s));
    QVERIFY(scenarioProblem(ItemId::LdlFriedewald, {}).isEmpty());
    QVERIFY(scenarioProblem(ItemId::LdlFriedewald, {u"iron-deficiency"_s, u"healthy"_s}).isEmpty());
    // A rising creatinine gives no GFR estimate.
    for (const char* acute : {"prerenal-aki", "acute-tubular-necrosis", "tumour-lysis"}) {
        QVERIFY(!supports(*findScenario(QString::fromLatin1(acute)), ItemId::EgfrCkdEpi));
        QVERIFY(!supports(*findScenario(QString::fromLatin1(acute)), ItemId::CreatinineClearance));
        QVERIFY(supports(*findScenario(QString::fromLatin1(acute)), ItemId::UreaCreatinineRatios));
    }
    QVERIFY(!scenarioProblem(ItemId::EgfrCkdEpi, {u"acute-tubular-necrosis"_s}).isEmpty());
    // Every item has a scenario.
    for (const ItemDescriptor& d : overviewItems())
        QVERIFY2(scenarioProblem(d.id, {}).isEmpty(), d.key);
    const Exercise ex = makeExercise(ItemId::LdlFriedewald, 1, 1, std::nullopt, QLocale::c(),
                                     {u"iron-deficiency"_s});
    QVERIFY(ex.values.isEmpty());
    QCOMPARE(ex.note, problem);
}

// The choice is part of the exercise: it travels in the JSON and --grade
// reads it back to the same case.
void TestScenarios::choiceTravelsWithTheExercise()
{
    const QStringList choice{u"prerenal-aki"_s};
    const Exercise ex =
        makeExercise(ItemId::FractionalUreaExcretion, 11, 2, std::nullopt, QLocale::c(), choice);
    QVERIFY(ex.caseText().contains(u"admitted after three days of vomiting"_s));
    const QJsonObject o = exerciseJson(ex, false);
    QCOMPARE(o[u"generator"_s].toInt(), GeneratorVersion);
    QCOMPARE(o[u"scenario"_s].toString(), choice[0]);
    QCOMPARE(o[u"scenarios"_s].toArray().first().toString(), choice[0]);
    QJsonObject request{{u"item"_s, o[u"item"_s][u"id"_s]},  {u"seed"_s, o[u"seed"_s]},
                        {u"level"_s, o[u"level"_s]},         {u"generator"_s, o[u"generator"_s]},
                        {u"scenarios"_s, o[u"scenarios"_s]}, {u"answers"_s, QJsonObject()}};
    QString error;
    const auto read = readGradeRequest(QJsonDocument(request).toJson(), error);
    QVERIFY2(read, qPrintable(error));
    QCOMPARE(read->scenarios, choice);
    const Exercise again = makeExercise(read->item, read->seed, read->level, std::nullopt,
                                        QLocale::c(), read->scenarios);
    QCOMPARE(again.caseText(), ex.caseText());
    // Identical on every run and in every locale of the environment.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray german =
        QJsonDocument(exerciseJson(makeExercise(ItemId::FractionalUreaExcretion, 11, 2,
                                                std::nullopt, QLocale::c(), choice),
                                   true))
            .toJson();
    QLocale::setDefault(before);
    QCOMPARE(german, QJsonDocument(exerciseJson(ex, true)).toJson());
}

void TestScenarios::generatorVersion_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error"); // empty: read
    QTest::newRow("this version")
        << R"({"item":"ferritin-iron-stores","seed":1,"generator":3,"answers":{}})"_ba << QString();
    QTest::newRow("no generator") << R"({"item":"ferritin-iron-stores","seed":1,"answers":{}})"_ba
                                  << u"made by an earlier version"_s;
    QTest::newRow("version 1")
        << R"({"item":"ferritin-iron-stores","seed":1,"generator":1,"answers":{}})"_ba
        << u"\"generator\": 1; this program's is 3"_s;
    QTest::newRow("version text")
        << R"({"item":"ferritin-iron-stores","seed":1,"generator":"2","answers":{}})"_ba
        << u"another version"_s;
    QTest::newRow("unknown scenario")
        << R"({"item":"ferritin-iron-stores","seed":1,"generator":3,"scenarios":["x"],"answers":{}})"_ba
        << u"scenarios"_s;
    QTest::newRow("scenario without the inputs")
        << R"({"item":"ferritin-iron-stores","seed":1,"generator":3,"scenarios":["ckd-g4"],"answers":{}})"_ba
        << u"Ferritin"_s;
}

void TestScenarios::generatorVersion()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString why;
    const auto request = readGradeRequest(json, why);
    QCOMPARE(request.has_value(), error.isEmpty());
    if (!error.isEmpty()) {
        QVERIFY2(why.contains(error), qPrintable(why));
        if (error.contains(u"version"_s))
            QVERIFY(why.contains(u"must be made again"_s));
    }
}

// The context clause says how the patient came, never what the patient has.
void TestScenarios::contextNeverNamesTheDiagnosis()
{
    for (const Scenario& s : scenarios()) {
        const QString context = QString::fromUtf8(s.context).toLower();
        const QString title = QString::fromUtf8(s.title).toLower();
        for (const QString& word :
             title.split(QRegularExpression(u"[^a-z0-9]+"_s), Qt::SkipEmptyParts)) {
            if (word.size() > 3)
                QVERIFY2(!context.contains(word),
                         qPrintable(u"%1: %2"_s.arg(QLatin1String(s.id), word)));
        }
        QCOMPARE(*s.context == 0, QLatin1String(s.id) == QLatin1String("healthy"));
    }
}

QUARVEX_CORE_TEST_MAIN(TestScenarios)
#include "tst_scenarios.moc"
