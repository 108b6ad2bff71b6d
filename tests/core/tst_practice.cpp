#include "analytes/format.h"
#include "analytes/plausibility.h"
#include "calc/items.h"
#include "coretestmain.h"
#include "overview/overview.h"
#include "practice/exercise.h"
#include "practice/grade.h"
#include "practice/itemkeys.h"
#include "practice/practicejson.h"
#include "practice/slips.h"
#include "practice/working.h"

#include <QJsonDocument>
#include <QSet>

#include <cmath>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

// Exercises and their grading, held as invariants over every item, seeds 1 to
// 50 and the three levels: the expected answers are what the overview computes
// for the case, they grade as right in English and German, and every slip that
// changes an answer is recognised.
class TestPractice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void everyExercise_data();
    void everyExercise();
    void slipsAreNamed_data();
    void slipsAreNamed();
    void everySlipIsExercised();
    void sameSeedSameExercise();
    void caseTextGolden();
    void bandEdgeSlip();
    void answersReadInEitherFormat_data();
    void answersReadInEitherFormat();
    void feedbackOfOtherAnswers();
    void itemKeys();
    void gradeRequests_data();
    void gradeRequests();
    void jsonCarriesAnswersOnlyWhenAsked();

private:
    QHash<QString, int> m_named; // slip id → how often grading named it
};

namespace {

constexpr int Seeds = 50;
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);

// The answer a learner types for a number: the expected value as the step
// shows it, in the locale.
QString typedNumber(const ExerciseStep& s, double value, const QLocale& locale)
{
    if (s.tolerance.kind == StepTolerance::AsShown)
        return formatFixed(value, s.tolerance.decimals, locale);
    return sixDigits(value, locale);
}

QHash<QString, QString> expectedAnswers(const Exercise& ex, const QLocale& locale)
{
    QHash<QString, QString> answers;
    for (const ExerciseStep& s : ex.steps) {
        answers[s.id] =
            s.kind == StepKind::Choice ? s.expectedText : typedNumber(s, s.expected, locale);
    }
    return answers;
}

} // namespace

void TestPractice::initTestCase()
{
    QLocale::setDefault(English);
}

void TestPractice::everyExercise_data()
{
    QTest::addColumn<int>("item");
    for (const ItemDescriptor& d : overviewItems())
        QTest::newRow(qPrintable(itemKey(d.id))) << int(d.id);
}

void TestPractice::everyExercise()
{
    QFETCH(int, item);
    const ItemId id = ItemId(item);
    for (int seed = 1; seed <= Seeds; ++seed) {
        QList<std::pair<QString, QString>> caseLines;
        for (int level = 1; level <= PracticeLevels; ++level) {
            const Exercise ex = makeExercise(id, quint64(seed), level);
            const QString where = u"seed %1 level %2"_s.arg(seed).arg(level);
            QVERIFY2(ex.askedCount() > 0, qPrintable(where));
            // The level changes only what is asked, never the case.
            if (level == 1)
                caseLines = ex.caseLines(QLocale::c());
            QCOMPARE(ex.caseLines(QLocale::c()), caseLines);

            // Every value lies in the typical range of its unit.
            for (const CaseValue& v : ex.values) {
                const auto p = plausibility(analyte(v.id).fieldName(), v.unit);
                QVERIFY(p);
                QVERIFY2(v.value >= p->typical.low && v.value <= p->typical.high,
                         qPrintable(where + u" "_s + analyte(v.id).fieldName()));
            }

            // The expected results are the overview's for the case.
            const Inputs inputs(ex.fields(), QLocale::c());
            const QList<ItemEvaluation> all = evaluateItems(inputs);
            const ItemEvaluation& evaluation = all[item];
            QVERIFY2(evaluation.computable(), qPrintable(where));
            const Outcome& outcome = *evaluation.outcome;
            const Derivation d = derive(quarvex::item(id), inputs, outcome);
            for (const ExerciseStep& s : ex.steps) {
                if (s.role == StepRole::Result) {
                    const QString shown =
                        s.tolerance.kind == StepTolerance::AsShown
                            ? formatFixed(s.expected, s.tolerance.decimals, QLocale::c())
                            : formatPlain(s.expected, QLocale::c());
                    QVERIFY2(outcome.rows[s.row].result.trimmed().startsWith(shown),
                             qPrintable(where + u": "_s + shown + u" vs "_s +
                                        outcome.rows[s.row].result));
                } else if (s.role == StepRole::Band) {
                    QCOMPARE(s.expectedText, bandMeaning(*d.rows[s.row].band()));
                    QVERIFY(s.choices.contains(s.expectedText));
                    const DerivedBand& band = *d.rows[s.row].band();
                    if (band.text)
                        QVERIFY(outcome.rows[s.row].interpretation.contains(*band.text));
                } else if (s.role == StepRole::Operation) {
                    QCOMPARE(s.expected, d.rows[s.row].steps[s.operation].result);
                } else {
                    QCOMPARE(s.expected, inputs[s.input].converted);
                }
                for (int dep : s.dependsOn)
                    QVERIFY(dep >= 0 && &ex.steps[dep] < &s);
            }
            // Each row's formula worked again without a change is the formula's own working.
            for (int r = 0; r < outcome.working.size(); ++r) {
                practice::Change none;
                for (int a = 0; a < AnalyteCount; ++a)
                    none.values[size_t(a)] = inputs[AnalyteId(a)].converted;
                none.male = ex.gender == "Male"_L1;
                const practice::Reworked again =
                    practice::rework(*outcome.working[r].formula, none);
                QList<double> steps;
                for (const FormulaStep& fs : d.rows[r].steps)
                    steps << fs.result;
                QCOMPARE(again.steps, steps);
                QCOMPARE(again.value, outcome.values[r]);
            }

            // What each level asks.
            for (const ExerciseStep& s : ex.steps) {
                switch (s.role) {
                case StepRole::Conversion:
                    QVERIFY(level < 3);
                    QCOMPARE(s.given, level == 1);
                    break;
                case StepRole::Operation:
                    QVERIFY(level < 3);
                    QVERIFY(!s.given);
                    break;
                default:
                    QVERIFY(!s.given);
                }
            }

            // The expected answers grade as right, typed in English or in German.
            for (const QLocale& locale : {English, German}) {
                const Grade g = grade(ex, expectedAnswers(ex, locale), locale);
                QCOMPARE(g.asked, ex.askedCount());
                for (const StepGrade& s : g.steps)
                    QVERIFY2(s.correct, qPrintable(where + u" "_s + s.id + u": "_s + s.feedback));
                QVERIFY(g.allCorrect());
            }
        }
    }
}

void TestPractice::slipsAreNamed_data()
{
    everyExercise_data();
}

// Every slip case answered in full: each step whose answer the slip changes
// is named with a slip that gives that answer, and with this very slip where
// no other does.
void TestPractice::slipsAreNamed()
{
    QFETCH(int, item);
    for (int seed = 1; seed <= Seeds; ++seed) {
        for (int level = 1; level <= PracticeLevels; ++level) {
            const Exercise ex = makeExercise(ItemId(item), quint64(seed), level);
            const QList<SlipCase> cases = slipCases(ex);
            QList<SlipAnswers> slipped;
            for (const SlipCase& c : cases)
                slipped << slipAnswers(ex, c);
            // Whether case c gives the answer to step i that differs from the expected one.
            const auto gives = [&](int c, int i, double number, const QString& choice) {
                const ExerciseStep& s = ex.steps[i];
                if (s.kind == StepKind::Choice)
                    return !slipped[c].choices[i].isEmpty() &&
                           slipped[c].choices[i] != s.expectedText &&
                           slipped[c].choices[i] == choice;
                const double v = slipped[c].numbers[i];
                return std::isfinite(v) && !s.tolerance.accepts(s.expected, v) &&
                       s.tolerance.accepts(v, number);
            };
            for (int c = 0; c < cases.size(); ++c) {
                QHash<QString, QString> answers = expectedAnswers(ex, English);
                QList<int> changed;
                for (int i = 0; i < ex.steps.size(); ++i) {
                    const ExerciseStep& s = ex.steps[i];
                    if (s.given)
                        continue;
                    if (s.kind == StepKind::Choice ? gives(c, i, 0, slipped[c].choices[i])
                                                   : gives(c, i, slipped[c].numbers[i], {})) {
                        answers[s.id] = s.kind == StepKind::Choice
                                            ? slipped[c].choices[i]
                                            : typedNumber(s, slipped[c].numbers[i], English);
                        changed << i;
                    }
                }
                if (changed.isEmpty())
                    continue;
                const Grade g = grade(ex, answers, English);
                for (int i : changed) {
                    const ExerciseStep& s = ex.steps[i];
                    const StepGrade* sg = nullptr;
                    for (const StepGrade& x : g.steps)
                        sg = x.id == s.id ? &x : sg;
                    QVERIFY(sg);
                    QVERIFY2(
                        !sg->correct && !sg->slip.isEmpty(),
                        qPrintable(
                            u"%1 seed %2 level %3 step %4 slip %5: %6"_s.arg(itemKey(ItemId(item)))
                                .arg(seed)
                                .arg(level)
                                .arg(s.id, QLatin1String(cases[c].slip->id), sg->feedback)));
                    const double number = s.kind == StepKind::Number
                                              ? readAnswerNumber(answers[s.id], English).value()
                                              : 0.0;
                    QSet<QString> explaining;
                    for (int other = 0; other < cases.size(); ++other) {
                        if (gives(other, i, number, answers[s.id]))
                            explaining << QLatin1String(cases[other].slip->id);
                    }
                    QVERIFY2(explaining.contains(sg->slip), qPrintable(sg->slip));
                    if (explaining.size() == 1)
                        QCOMPARE(sg->slip, QLatin1String(cases[c].slip->id));
                    ++m_named[sg->slip];
                }
            }
        }
    }
}

// Run after the sweep: each slip of the table was named somewhere in it.
void TestPractice::everySlipIsExercised()
{
    for (const Slip& slip : slipTable())
        QVERIFY2(m_named.value(QLatin1String(slip.id)) > 0, slip.id);
}

void TestPractice::sameSeedSameExercise()
{
    for (const ItemDescriptor& d : overviewItems()) {
        const Exercise a = makeExercise(d.id, 7, 2);
        const Exercise b = makeExercise(d.id, 7, 2);
        QCOMPARE(a.caseLines(QLocale::c()), b.caseLines(QLocale::c()));
        QCOMPARE(QJsonDocument(exerciseJson(a, true)), QJsonDocument(exerciseJson(b, true)));
    }
    // Seeds and items spread: 50 seeds give many cases.
    QSet<QString> cases;
    for (int seed = 1; seed <= Seeds; ++seed)
        cases << makeExercise(ItemId::CreatinineClearance, quint64(seed), 1).caseText();
    QVERIFY(cases.size() > 40);
}

// The generator's own arithmetic: a change here changes every worksheet.
void TestPractice::caseTextGolden()
{
    const Exercise ex = makeExercise(ItemId::CreatinineClearance, 1, 1);
    QCOMPARE(ex.caseText(),
             u"A 68-year-old man admitted with confusion, 93 kg, serum creatinine 82 umol/L"_s);
}

void TestPractice::bandEdgeSlip()
{
    // Total cholesterol exactly on 200 mg/dL: borderline high, not desirable.
    const Exercise ex = exerciseForCase(ItemId::CholesterolLevels, u"Female"_s,
                                        {{AnalyteId::Chol, 200.0, 0, u"mg/dL"_s},
                                         {AnalyteId::HDL, 55.0, 0, u"mg/dL"_s},
                                         {AnalyteId::LDL, 120.0, 0, u"mg/dL"_s}},
                                        1);
    const int band = ex.stepIndex(u"row1-band"_s);
    QVERIFY(band >= 0);
    QCOMPARE(ex.steps[band].expectedText, u"borderline high"_s);
    QHash<QString, QString> answers = expectedAnswers(ex, English);
    answers[u"row1-band"_s] = u"desirable"_s;
    const Grade g = grade(ex, answers, English);
    QCOMPARE(g.steps[band].slip, u"band-edge-wrong-way"_s);
    QVERIFY(g.steps[band].feedback.contains(u"200"_s));
    QCOMPARE(g.correct, g.asked - 1);
}

void TestPractice::answersReadInEitherFormat_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("correct");
    // Creatinine clearance of a 40-year-old man, 70 kg, creatinine 1.25 mg/dL: 77.78 mL/min.
    QTest::newRow("English point") << u"77.78"_s << English << true;
    QTest::newRow("German comma") << u"77,78"_s << German << true;
    QTest::newRow("point under German") << u"77.78"_s << German << true;
    QTest::newRow("blanks around") << u" 77.78 "_s << English << true;
    QTest::newRow("unrounded") << u"77.7777"_s << English << true;
    QTest::newRow("rounded otherwise") << u"77.8"_s << English << false;
    QTest::newRow("comma under English") << u"77,78"_s << English << false;
}

void TestPractice::answersReadInEitherFormat()
{
    QFETCH(QString, answer);
    QFETCH(QLocale, locale);
    QFETCH(bool, correct);
    const Exercise ex = exerciseForCase(ItemId::CreatinineClearance, u"Male"_s,
                                        {{AnalyteId::Age, 40.0, 0, {}},
                                         {AnalyteId::Weight, 70.0, 0, u"kg"_s},
                                         {AnalyteId::SerumCreatinine, 1.25, 2, u"mg/dL"_s}},
                                        3, locale);
    const int result = ex.stepIndex(u"result"_s);
    QCOMPARE(ex.steps[result].expected, 77.78);
    const Grade g = grade(ex, {{u"result"_s, answer}}, locale);
    QCOMPARE(g.steps[result].correct, correct);
}

void TestPractice::feedbackOfOtherAnswers()
{
    const Exercise ex = exerciseForCase(ItemId::CreatinineClearance, u"Female"_s,
                                        {{AnalyteId::Age, 67.0, 0, {}},
                                         {AnalyteId::Weight, 58.0, 0, u"kg"_s},
                                         {AnalyteId::SerumCreatinine, 124.0, 0, u"umol/L"_s}},
                                        2);
    QCOMPARE(ex.caseText(), u"A 67-year-old woman, 58 kg, serum creatinine 124 umol/L"_s);
    QHash<QString, QString> answers = expectedAnswers(ex, English);
    answers[u"step-1"_s] = QString();
    answers[u"step-2"_s] = u"many"_s;
    answers[u"convert-SerumCreatinine"_s] = u"124"_s; // not converted
    answers[u"step-3"_s] = u"130"_s;                  // far off, no slip gives it
    answers[u"band"_s] = u"1"_s;                      // the first choice, by number
    const Grade g = grade(ex, answers, English);
    QHash<QString, StepGrade> by;
    for (const StepGrade& s : g.steps)
        by[s.id] = s;
    QCOMPARE(by[u"step-1"_s].feedback, u"Not answered."_s);
    QVERIFY(!by[u"step-1"_s].answered);
    QVERIFY(by[u"step-2"_s].feedback.startsWith(u"Not a number"_s));
    QCOMPARE(by[u"convert-SerumCreatinine"_s].slip, u"conversion-not-done"_s);
    QCOMPARE(by[u"convert-SerumCreatinine"_s].feedback,
             u"This is what you get when the serum creatinine is not converted from umol/L: "
             "divide 124 by 88.4 first."_s);
    // The numbers of the feedback in the learner's language.
    const Exercise de = exerciseForCase(ItemId::CreatinineClearance, u"Female"_s,
                                        {{AnalyteId::Age, 67.0, 0, {}},
                                         {AnalyteId::Weight, 58.0, 0, u"kg"_s},
                                         {AnalyteId::SerumCreatinine, 1.25, 2, u"mg/dL"_s}},
                                        2, German);
    QVERIFY(de.caseText().endsWith(u"serum creatinine 1,25 mg/dL"_s));
    QCOMPARE(grade(de, {{u"step-3"_s, u"90"_s}}, German).steps[2].slip,
             u"female-factor-left-out"_s);
    QVERIFY(by[u"step-3"_s].slip.isEmpty());
    QVERIFY2(by[u"step-3"_s].feedback.contains(u"It works from serum creatinine in mg/dL"_s),
             qPrintable(by[u"step-3"_s].feedback));
    QVERIFY(by[u"result"_s].correct);
    QCOMPARE(by[u"result"_s].feedback,
             u"Right: "_s + ex.steps[ex.stepIndex(u"result"_s)].expectedText + u" mL/min."_s);
    QCOMPARE(by[u"band"_s].correct, ex.steps[ex.stepIndex(u"band"_s)].choices.first() ==
                                        ex.steps[ex.stepIndex(u"band"_s)].expectedText);
}

void TestPractice::itemKeys()
{
    QSet<QString> keys;
    for (const ItemDescriptor& d : overviewItems()) {
        const QString key = itemKey(d.id);
        QVERIFY(!keys.contains(key));
        keys << key;
        QVERIFY(QRegularExpression(u"^[a-z0-9]+(-[a-z0-9]+)*$"_s).match(key).hasMatch());
        QCOMPARE(findItem(key), d.id);
        QCOMPARE(findItem(QString::fromLatin1(d.listText).toUpper()), d.id);
    }
    QVERIFY(!findItem(u"no-such-item"_s));
}

void TestPractice::gradeRequests_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error"); // empty: read
    QTest::newRow("good") << R"({"item":"creatinine-clearance","generator":2,"seed":3,"level":3,
        "answers":{"result":41.5,"band":"x"}})"_ba
                          << QString();
    QTest::newRow("list text") << R"({"item":"Transferrin","generator":2,"seed":0,"answers":{}})"_ba
                               << QString();
    QTest::newRow("not JSON") << "{"_ba << u"not JSON"_s;
    QTest::newRow("array") << "[]"_ba << u"must be a JSON object"_s;
    QTest::newRow("unknown item") << R"({"item":"x","generator":2,"seed":1,"answers":{}})"_ba
                                  << u"item"_s;
    QTest::newRow("seed text")
        << R"({"item":"transferrin-calculated","generator":2,"seed":"1","answers":{}})"_ba
        << u"seed"_s;
    QTest::newRow("seed fraction")
        << R"({"item":"transferrin-calculated","generator":2,"seed":1.5,"answers":{}})"_ba
        << u"seed"_s;
    QTest::newRow("seed negative")
        << R"({"item":"transferrin-calculated","generator":2,"seed":-1,"answers":{}})"_ba
        << u"seed"_s;
    QTest::newRow("level 4")
        << R"({"item":"transferrin-calculated","generator":2,"seed":1,"level":4,"answers":{}})"_ba
        << u"level"_s;
    QTest::newRow("no answers") << R"({"item":"transferrin-calculated","generator":2,"seed":1})"_ba
                                << u"answers"_s;
    QTest::newRow("unknown step")
        << R"({"item":"transferrin-calculated","generator":2,"seed":1,"answers":{"step-9":1}})"_ba
        << u"no step \"step-9\""_s;
    QTest::newRow("answer object")
        << R"({"item":"transferrin-calculated","generator":2,"seed":1,"level":3,"answers":{"result":{}}})"_ba
        << u"must be a number or a text"_s;
    QTest::newRow("unknown key")
        << R"({"item":"transferrin-calculated","generator":2,"seed":1,"answers":{},"x":1})"_ba
        << u"unknown key"_s;
}

void TestPractice::gradeRequests()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString why;
    const std::optional<GradeRequest> request = readGradeRequest(json, why);
    QCOMPARE(request.has_value(), error.isEmpty());
    if (!error.isEmpty())
        QVERIFY2(why.contains(error), qPrintable(why));
}

void TestPractice::jsonCarriesAnswersOnlyWhenAsked()
{
    const Exercise ex = makeExercise(ItemId::CreatinineClearance, 5, 1);
    for (const bool answers : {false, true}) {
        const QJsonObject o = exerciseJson(ex, answers);
        QCOMPARE(o[u"item"_s][u"id"_s].toString(), u"creatinine-clearance"_s);
        QCOMPARE(o[u"seed"_s].toInteger(), 5);
        const QJsonArray steps = o[u"steps"_s].toArray();
        QCOMPARE(steps.size(), ex.steps.size());
        for (const QJsonValue& s : steps) {
            const bool given = s[u"given"_s].toBool();
            QCOMPARE(s.toObject().contains(u"expected"_s), answers || given);
        }
    }
}

QUARVEX_CORE_TEST_MAIN(TestPractice)
#include "tst_practice.moc"
