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
#include <QRegularExpression>
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
    void germanNumbersThroughout_data();
    void germanNumbersThroughout();
    void slipsByHand_data();
    void slipsByHand();
    void numbersJudgedByHand();
    void boardStyleSteps();
    void carriedFromOneConversion();
    void proteinuriaInTheTypedUnit();
    void feedbackNeverInfinite();
    void itemKeys();
    void gradeRequests_data();
    void gradeRequests();
    void jsonCarriesAnswersOnlyWhenAsked();

private:
    QHash<QString, int> m_named; // slip id → how often grading named it
    int m_carried = 0;           // steps the sweep saw carried from a slipped answer
};

namespace {

constexpr int Seeds = 12;
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
                // To the last bits: a quotient whose units cancel is worked
                // on the numbers as typed, the working on converted ones.
                QCOMPARE(again.steps.size(), d.rows[r].steps.size());
                for (qsizetype k = 0; k < again.steps.size(); ++k)
                    QCOMPARE(again.steps[k], d.rows[r].steps[k].result);
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
                    // Every number as the slip makes it, also where it stays
                    // within the step's tolerance: the learner's own working.
                    if (s.kind == StepKind::Number && std::isfinite(slipped[c].numbers[i]))
                        answers[s.id] = typedNumber(s, slipped[c].numbers[i], English);
                    // A slip that moves a shown result by less than its last
                    // digit, or a band while the value it comes from is still
                    // right as written, cannot be told from the answers.
                    const bool visible = s.kind == StepKind::Choice
                                             ? cases[c].edgesReversed || s.dependsOn.isEmpty() ||
                                                   !ex.steps[s.dependsOn.first()].tolerance.accepts(
                                                       ex.steps[s.dependsOn.first()].expected,
                                                       slipped[c].numbers[s.dependsOn.first()])
                                             : s.tolerance.kind != StepTolerance::AsShown ||
                                                   std::fabs(slipped[c].numbers[i] - s.expected) >
                                                       std::pow(10.0, -s.tolerance.decimals);
                    if (visible &&
                        (s.kind == StepKind::Choice ? gives(c, i, 0, slipped[c].choices[i])
                                                    : gives(c, i, slipped[c].numbers[i], {}))) {
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
                    const QString where =
                        u"%1 seed %2 level %3 step %4 slip %5: %6"_s.arg(itemKey(ItemId(item)))
                            .arg(seed)
                            .arg(level)
                            .arg(s.id, QLatin1String(cases[c].slip->id), sg->feedback);
                    // A step worked from an earlier changed answer is carried
                    // or names the slip again; the first the slip changes names it.
                    const bool afterChange =
                        std::any_of(s.dependsOn.begin(), s.dependsOn.end(),
                                    [&](int d) { return changed.contains(d); });
                    if (sg->carried) {
                        QVERIFY2(sg->correct && sg->slip.isEmpty(), qPrintable(where));
                        ++m_carried;
                        continue;
                    }
                    // A band after a changed value is carried when the value as
                    // written lies in it; written to fewer digits it may not.
                    if (s.kind == StepKind::Choice && afterChange)
                        continue;
                    QVERIFY2(!sg->correct && !sg->slip.isEmpty(), qPrintable(where));
                    const double number = s.kind == StepKind::Number
                                              ? readAnswerNumber(answers[s.id], English).value()
                                              : 0.0;
                    QSet<QString> explaining;
                    for (int other = 0; other < cases.size(); ++other) {
                        if (gives(other, i, number, answers[s.id]))
                            explaining << QLatin1String(cases[other].slip->id);
                    }
                    // A slip of the answer itself is judged by its own literal cases.
                    const bool ownSlip = isAnswerSlip(findSlip(sg->slip)->kind);
                    if (!afterChange && !ownSlip) {
                        QVERIFY2(explaining.contains(sg->slip), qPrintable(where));
                        if (explaining.size() == 1)
                            QCOMPARE(sg->slip, QLatin1String(cases[c].slip->id));
                    }
                    ++m_named[sg->slip];
                }
            }
        }
    }
}

// Run after the sweep: each slip of the table was named somewhere in it.
void TestPractice::everySlipIsExercised()
{
    for (const Slip& slip : slipTable()) {
        if (!isAnswerSlip(slip.kind))
            QVERIFY2(m_named.value(QLatin1String(slip.id)) > 0, slip.id);
    }
    QVERIFY(m_carried > 0);
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
    for (int seed = 1; seed <= 50; ++seed)
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

void TestPractice::germanNumbersThroughout_data()
{
    everyExercise_data();
}

// A German exercise writes every number with a decimal comma: the prompts
// (the formula and its constants at level 3), the expected answers, the
// tolerances, the worked steps and the feedback of wrong answers and slips.
void TestPractice::germanNumbersThroughout()
{
    QFETCH(int, item);
    // (but for the unit "mL/min/1.73 m²", written as its unit list has it)
    static const QRegularExpression pointNumber(u"\\d\\.\\d(?!\\d* m²)"_s);
    const auto check = [](const QString& text, const QString& where) {
        const QRegularExpressionMatch m = pointNumber.match(text);
        QVERIFY2(!m.hasMatch(), qPrintable(where + u": "_s + text));
    };
    for (int seed = 1; seed <= 3; ++seed) {
        for (int level = 1; level <= PracticeLevels; ++level) {
            const Exercise ex =
                makeExercise(ItemId(item), quint64(seed), level, std::nullopt, German);
            const QString where = u"seed %1 level %2"_s.arg(seed).arg(level);
            check(ex.caseText(), where);
            // The working; its notes and interpretations are the sources'
            // sentences, quoted as they are.
            for (const DerivedInput& in : ex.derivation.inputs)
                check(inputLine(in, German), where);
            QStringList quoted;
            for (const DerivedRow& row : ex.derivation.rows) {
                for (const WorkLine& line : workLines(row, German)) {
                    if (line.label == "Formula:"_L1 || line.label == "With the numbers:"_L1 ||
                        line.label.startsWith(u"Step "_s) || line.label == "Value:"_L1 ||
                        line.label == "Value before rounding:"_L1)
                        check(line.text, where + u" "_s + line.label);
                    // (a result shown as a band's text, "1.2 times average", quotes its source)
                    if (line.label == "Result:"_L1 &&
                        std::none_of(row.bands.begin(), row.bands.end(),
                                     [&](const DerivedBand& b) { return b.text == line.text; }))
                        check(line.text, where + u" "_s + line.label);
                }
                check(row.constant, where);
                quoted << row.interpretation;
                for (const DerivedBand& band : row.bands)
                    quoted << bandMeaning(band) << band.text.value_or(QString());
            }
            for (const ExerciseStep& s : ex.steps)
                quoted << s.choices;
            const auto checkFeedback = [&](QString text, const QString& at) {
                for (const QString& q : std::as_const(quoted)) {
                    if (!q.isEmpty())
                        text.remove(q);
                }
                check(text, at);
            };
            QHash<QString, QString> wrong;
            for (const ExerciseStep& s : ex.steps) {
                check(s.prompt, where + u" "_s + s.id);
                if (s.kind == StepKind::Number)
                    check(s.expectedText, where + u" "_s + s.id);
                check(s.tolerance.text(German), where + u" "_s + s.id);
                if (!s.given)
                    wrong.insert(s.id, u"1"_s);
            }
            for (const StepGrade& g : grade(ex, wrong, German).steps)
                checkFeedback(g.feedback, where + u" "_s + g.id);
            for (const SlipCase& slip : slipCases(ex)) {
                const SlipAnswers answers = slipAnswers(ex, slip);
                QHash<QString, QString> typed;
                for (qsizetype i = 0; i < ex.steps.size(); ++i) {
                    const double value = answers.numbers.value(i, NAN);
                    if (!ex.steps[i].given && std::isfinite(value))
                        typed.insert(ex.steps[i].id, German.toString(value, 'g', 10));
                }
                for (const StepGrade& g : grade(ex, typed, German).steps)
                    checkFeedback(g.feedback, where + u" slip "_s + g.id);
            }
            if (QTest::currentTestFailed())
                return;
        }
    }
}

using Answers = QHash<QString, QString>;
Q_DECLARE_METATYPE(QList<CaseValue>)

void TestPractice::slipsByHand_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("gender");
    QTest::addColumn<QList<CaseValue>>("values");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("slip");
    QTest::addColumn<QString>("feedback"); // the whole text, or its start ending in "…"

    // A 67-year-old woman, 58 kg, creatinine 124 umol/L: 124 ÷ 88.4 = 1.40271 mg/dL;
    // step 1 = 140 − 67 = 73; step 2 = 73 × 58 = 4234; step 3 = 85 × 1.40271 = 119.231;
    // CrCl = 4234 ÷ 119.231 = 35.511, shown 35.51.
    const int crcl = int(ItemId::CreatinineClearance);
    const QList<CaseValue> woman{{AnalyteId::Age, 67.0, 0, {}},
                                 {AnalyteId::Weight, 58.0, 0, u"kg"_s},
                                 {AnalyteId::SerumCreatinine, 124.0, 0, u"umol/L"_s}};
    const QString f = u"Female"_s;
    QTest::newRow("conversion not done")
        << crcl << f << woman << 2 << u"convert-SerumCreatinine"_s << u"124"_s
        << u"conversion-not-done"_s
        << u"This is what you get when the serum creatinine is not converted from umol/L: "
           u"divide "
           "124 by 88.4 first."_s;
    QTest::newRow("conversion the wrong way") // 124 × 88.4
        << crcl << f << woman << 2 << u"convert-SerumCreatinine"_s << u"10961.6"_s
        << u"conversion-wrong-way"_s
        << u"This is what you get when the serum creatinine is converted the wrong way round: "
           u"from "
           "umol/L to mg/dL you divide by 88.4."_s;
    QTest::newRow("factor ten times off") // 124 ÷ 8.84
        << crcl << f << woman << 2 << u"convert-SerumCreatinine"_s << u"14.0271"_s
        << u"wrong-factor"_s
        << u"This is what you get with a factor ten times off for the serum creatinine: from "
           u"umol/L "
           "to mg/dL you divide by 88.4, not by 8.84."_s;
    QTest::newRow("the men's constant for a woman") // 72 × 1.40271
        << crcl << f << woman << 2 << u"step-3"_s << u"100.995"_s << u"female-factor-left-out"_s
        << u"This is what you get with 72, the constant for men: for a woman the formula takes 85."_s;
    QTest::newRow("age not taken from 140")
        << crcl << f << woman << 2 << u"step-1"_s << u"67"_s << u"not-taken-from-constant"_s
        << u"This is what you get when the age is not taken from 140: step 1 is 140 − the age."_s;
    QTest::newRow("rounded to two digits") // 85 × 1.40271 = 119.23, written 120
        << crcl << f << woman << 2 << u"step-3"_s << u"120"_s << u"rounded-too-early"_s
        << u"This is what you get when numbers are rounded to two significant digits before "
           u"the "
           "end: keep every digit until the result."_s;
    QTest::newRow("result to fewer places")
        << crcl << f << woman << 3 << u"result"_s << u"35.5"_s << u"rounded-last-step"_s
        << u"This is the result rounded to fewer places than it shows: keep 2 decimals, 35.51."_s;
    QTest::newRow("decimal point")
        << crcl << f << woman << 3 << u"result"_s << u"3.551"_s << u"decimal-point"_s
        << u"The digits are right but the decimal point is 1 place off: 35.51."_s;
    QTest::newRow("decimal point two places")
        << crcl << f << woman << 3 << u"result"_s << u"3551"_s << u"decimal-point"_s
        << u"The digits are right but the decimal point is 2 places off: 35.51."_s;
    QTest::newRow("transposed digits")
        << crcl << f << woman << 3 << u"result"_s << u"35.15"_s << u"transposed-digits"_s
        << u"Two digits have changed places: the answer is 35.51."_s;

    // Iron 143, TIBC 322 ug/dL: 143 ÷ 322 = 0.444099, TSAT 44.41 %.
    const int tsat = int(ItemId::TransferrinSaturation);
    const QList<CaseValue> iron{{AnalyteId::Iron, 143.0, 0, u"ug/dL"_s},
                                {AnalyteId::TIBC, 322.0, 0, u"ug/dL"_s}};
    QTest::newRow("× 100 left out")
        << tsat << QString() << iron << 3 << u"result"_s << u"0.44"_s << u"factor-left-out"_s
        << u"This is what you get when the factor 100 is left out of …"_s;
    QTest::newRow("numerator and denominator") // 322 ÷ 143
        << tsat << QString() << iron << 1 << u"step-1"_s << u"2.25175"_s
        << u"numerator-denominator-swapped"_s
        << u"This is what you get when numerator and denominator are swapped in step 1: the "
           u"first "
           "number goes on top."_s;

    // A 34-year-old woman, creatinine 81 umol/L = 0.91629 mg/dL: Scr/κ = 0.91629 ÷ 0.7 =
    // 1.30899; eGFR before the women's factor 83.2017, × 1.012 = 84.2 → 84.
    const int egfr = int(ItemId::EgfrCkdEpi);
    const QList<CaseValue> young{{AnalyteId::Age, 34.0, 0, {}},
                                 {AnalyteId::SerumCreatinine, 81.0, 0, u"umol/L"_s}};
    QTest::newRow("the 1.012 left out")
        << egfr << f << young << 3 << u"result"_s << u"83"_s << u"female-factor-left-out"_s
        << u"This is what you get when the factor 1.012 for women is left out: for a woman the "
           "formula multiplies by it."_s;
    QTest::newRow("the men's constants") // 0.91629 ÷ 0.9
        << egfr << f << young << 2 << u"step-1"_s << u"1.0181"_s << u"constants-swapped"_s
        << u"This is what you get with the constants for men: for a woman the formula takes "
           u"its "
           "own (…"_s;

    // Serum sodium 145, urine sodium 82 mEq/L: 82 ÷ 145 = 0.565517; swapped, 1.76829.
    QTest::newRow("serum and urine swapped")
        << int(ItemId::FractionalSodiumExcretion) << QString()
        << QList<CaseValue>{{AnalyteId::SerumCreatinine, 2112.0, 0, u"umol/L"_s},
                            {AnalyteId::UrineCreatinine, 20.0, 1, u"mmol/L"_s},
                            {AnalyteId::SerumSodium, 145.0, 0, {}},
                            {AnalyteId::UrineSodium, 82.0, 0, {}}}
        << 1 << u"step-1"_s << u"1.76829"_s << u"plasma-urine-swapped"_s
        << u"This is what you get when the serum sodium and the urine sodium change places."_s;
}

// One hand-worked case per slip, each the only change from the right answers:
// the slip named and its words.
void TestPractice::slipsByHand()
{
    QFETCH(int, item);
    QFETCH(QString, gender);
    QFETCH(QList<CaseValue>, values);
    QFETCH(int, level);
    QFETCH(QString, step);
    QFETCH(QString, answer);
    QFETCH(QString, feedback);
    const Exercise ex = exerciseForCase(ItemId(item), gender, values, level);
    const int index = ex.stepIndex(step);
    QVERIFY2(index >= 0, qPrintable(step));
    Answers answers = expectedAnswers(ex, English);
    answers[step] = answer;
    const Grade g = grade(ex, answers, English);
    for (const StepGrade& sg : g.steps) {
        if (sg.id != step) {
            // Every other step right: the only change is this one.
            QVERIFY2(sg.correct && !sg.carried, qPrintable(sg.id + u": "_s + sg.feedback));
            continue;
        }
        QVERIFY(!sg.correct && !sg.carried);
        QTEST(sg.slip, "slip");
        if (feedback.endsWith(u'…'))
            QVERIFY2(sg.feedback.startsWith(feedback.chopped(1)), qPrintable(sg.feedback));
        else
            QCOMPARE(sg.feedback, feedback);
    }
    QCOMPARE(g.correct, g.asked - 1);
}

// The practice steps as a board writes them: Scr/κ worked once and used by
// its name, ratios whose units cancel asked on the numbers as typed, and urea
// in mg/dL named urea nitrogen.
void TestPractice::boardStyleSteps()
{
    const Exercise egfr = exerciseForCase(
        ItemId::EgfrCkdEpi, u"Male"_s,
        {{AnalyteId::Age, 58.0, 0, {}}, {AnalyteId::SerumCreatinine, 1.1, 1, u"mg/dL"_s}}, 2);
    const int first = egfr.stepIndex(u"step-1"_s);
    const int again = egfr.stepIndex(u"step-5"_s);
    QVERIFY(first >= 0 && again >= 0);
    QCOMPARE(egfr.steps[first].prompt, u"Scr/κ = 1.1 mg/dL ÷ 0.9"_s);
    QCOMPARE(egfr.steps[again].prompt, u"max(Scr/κ (step 1), 1)"_s);
    QVERIFY(egfr.steps[again].dependsOn.contains(first));
    // Ten operations, the last asked as the result: no eleventh.
    QVERIFY(egfr.stepIndex(u"step-9"_s) >= 0);
    QCOMPARE(egfr.stepIndex(u"step-10"_s), -1);

    // Both ureas in mmol/L, both creatinines in mg/dL: nothing to convert.
    const QList<CaseValue> cancel{{AnalyteId::SerumCreatinine, 1.2, 1, u"mg/dL"_s},
                                  {AnalyteId::UrineCreatinine, 100.0, 0, u"mg/dL"_s},
                                  {AnalyteId::SerumUrea, 7.0, 0, u"mmol/L"_s},
                                  {AnalyteId::UrineUrea, 300.0, 0, u"mmol/L"_s}};
    const Exercise same = exerciseForCase(ItemId::FractionalUreaExcretion, {}, cancel, 2);
    for (const ExerciseStep& s : same.steps)
        QVERIFY2(s.role != StepRole::Conversion, qPrintable(s.id));
    const int ratio = same.stepIndex(u"step-1"_s);
    QCOMPARE(same.steps[ratio].prompt,
             u"urine urea 300 mmol/L ÷ serum urea 7 mmol/L (the units cancel: no conversion)"_s);
    QCOMPARE(same.steps[ratio].expectedText, u"42.8571"_s);
    // Worked on the values converted to mg/dL the ratio is the same, and right.
    Answers answers = expectedAnswers(same, English);
    answers[u"step-1"_s] = u"42.86"_s; // 840 ÷ 19.6
    QCOMPARE(grade(same, answers, English).correct, same.askedCount());

    // Serum urea in mmol/L, urine urea nitrogen in mg/dL: the serum value is
    // converted to urea nitrogen, and named so.
    QList<CaseValue> mixed = cancel;
    mixed[3] = {AnalyteId::UrineUrea, 840.0, 0, u"mg/dL"_s};
    const Exercise nitrogen = exerciseForCase(ItemId::FractionalUreaExcretion, {}, mixed, 2);
    const int convert = nitrogen.stepIndex(u"convert-SerumUrea"_s);
    QVERIFY(convert >= 0);
    QCOMPARE(nitrogen.steps[convert].label, u"Serum urea nitrogen in mg/dL"_s);
    QCOMPARE(nitrogen.steps[convert].prompt,
             u"Serum urea 7 mmol/L as serum urea nitrogen in mg/dL"_s);
    QCOMPARE(nitrogen.steps[nitrogen.stepIndex(u"step-1"_s)].prompt,
             u"840 mg/dL ÷ serum urea nitrogen in mg/dL"_s);
}

// Verdicts on numbers worked by hand, not by the code's own judge.
void TestPractice::numbersJudgedByHand()
{
    // An 87-year-old woman, 221 lbs (100.455 kg), creatinine 91 umol/L: step 2 =
    // 53 × 100.455 = 5324.09; 1 % more is 5377.33.
    const Exercise ex = exerciseForCase(ItemId::CreatinineClearance, u"Female"_s,
                                        {{AnalyteId::Age, 87.0, 0, {}},
                                         {AnalyteId::Weight, 221.0, 0, u"lbs"_s},
                                         {AnalyteId::SerumCreatinine, 91.0, 0, u"umol/L"_s}},
                                        2);
    const int step2 = ex.stepIndex(u"step-2"_s);
    QVERIFY(std::fabs(ex.steps[step2].expected - 5324.09) < 0.005);
    QCOMPARE(ex.steps[step2].tolerance.text(),
             u"within 0.5 %, or half the last of 6 significant digits"_s);
    const auto verdict = [&](const QString& answer) {
        Answers answers = expectedAnswers(ex, English);
        answers[u"step-2"_s] = answer;
        return grade(ex, answers, English).steps[step2];
    };
    QCOMPARE(verdict(u"5377.33"_s).feedback,
             u"Not right: 1 % too high. It works from step 1 and weight in kg."_s);
    QVERIFY(!verdict(u"5377.33"_s).correct);
    QVERIFY(verdict(u"5350"_s).correct);    // 0.49 % off
    QVERIFY(!verdict(u"5351.5"_s).correct); // 0.51 % off
    QCOMPARE(verdict(u"5270.85"_s).feedback,
             u"Not right: 1 % too low. It works from step 1 and weight in kg."_s);
    // The result as shown: 35.51 right, 35.52 not (it is not within 0.5 % that counts).
    const Exercise three = exerciseForCase(ItemId::CreatinineClearance, u"Female"_s,
                                           {{AnalyteId::Age, 67.0, 0, {}},
                                            {AnalyteId::Weight, 58.0, 0, u"kg"_s},
                                            {AnalyteId::SerumCreatinine, 124.0, 0, u"umol/L"_s}},
                                           3);
    QVERIFY(grade(three, {{u"result"_s, u"35.51"_s}}, English).steps[0].correct);
    QVERIFY(!grade(three, {{u"result"_s, u"35.52"_s}}, English).steps[0].correct);
    QCOMPARE(three.steps[0].tolerance.text(), u"equal when rounded to 2 decimals"_s);
}

// Every student's only slip is one conversion not done: the conversion is
// named, every later step worked from it is carried, and it counts as right
// unless carried answers are not counted.
void TestPractice::carriedFromOneConversion()
{
    int students = 0;
    for (const ItemDescriptor& d : overviewItems()) {
        for (int seed = 1; seed <= 4; ++seed) {
            const Exercise ex = makeExercise(d.id, quint64(seed), 2);
            for (const SlipCase& c : slipCases(ex)) {
                if (c.slip->kind != SlipKind::ConversionNotDone)
                    continue;
                const SlipAnswers slipped = slipAnswers(ex, c);
                Answers answers;
                int conversion = -1;
                for (int i = 0; i < ex.steps.size(); ++i) {
                    const ExerciseStep& s = ex.steps[i];
                    if (s.kind == StepKind::Choice) {
                        answers[s.id] = slipped.choices[i];
                    } else {
                        answers[s.id] = typedNumber(s, slipped.numbers[i], English);
                        if (s.role == StepRole::Conversion &&
                            !s.tolerance.accepts(s.expected, slipped.numbers[i]))
                            conversion = i;
                    }
                }
                if (conversion < 0)
                    continue;
                ++students;
                const Grade g = grade(ex, answers, English);
                const Grade strict = grade(ex, answers, English, {false});
                for (int k = 0; k < g.steps.size(); ++k) {
                    const StepGrade& sg = g.steps[k];
                    const QString where = itemKey(d.id) + u" seed "_s + QString::number(seed) +
                                          u" "_s + sg.id + u": "_s + sg.feedback;
                    if (sg.id == ex.steps[conversion].id) {
                        QVERIFY2(sg.slip == u"conversion-not-done"_s, qPrintable(where));
                        continue;
                    }
                    if (sg.id.startsWith(u"convert-"_s))
                        continue;
                    // Right from the case (the conversion changes nothing
                    // there) or carried; never wrong.
                    QVERIFY2(sg.correct, qPrintable(where));
                    QCOMPARE(strict.steps[k].correct, !sg.carried);
                }
                QCOMPARE(g.correct, g.asked - 1);
                QCOMPARE(g.right + g.carried, g.correct);
                QCOMPARE(strict.correct, g.right);
            }
        }
    }
    QVERIFY(students > 20);
}

// The proteinuria category with urine creatinine in mmol/L is asked and
// graded in mg/mmol with KDIGO's mg/mmol table, the creatinine used as typed
// (no conversion asked); in mg/dL the ratio is in mg/g. Drawn cases come in
// both units.
void TestPractice::proteinuriaInTheTypedUnit()
{
    using A = AnalyteId;
    const Exercise si = exerciseForCase(
        ItemId::ProteinuriaCategory, {},
        {{A::UrineCreatinine, 10.0, 0, u"mmol/L"_s}, {A::UrineProtein, 0.16, 2, {}}}, 2);
    for (const ExerciseStep& s : si.steps)
        QVERIFY2(s.role != StepRole::Conversion, qPrintable(s.id));
    const ExerciseStep& result = si.steps[si.stepIndex(u"result"_s)];
    QCOMPARE(result.expected, 16.0);
    QCOMPARE(result.unit, u"mg/mmol"_s);
    const ExerciseStep& band = si.steps[si.stepIndex(u"band"_s)];
    QCOMPARE(band.expectedText, u"KDIGO category A2: moderately increased proteinuria."_s);
    QHash<QString, QString> answers = expectedAnswers(si, English);
    QVERIFY(grade(si, answers, English).allCorrect());
    // The mg/g figure and its category are not this case's answers.
    answers[u"result"_s] = u"141"_s;
    answers[u"band"_s] = u"KDIGO category A1: normal to mildly increased proteinuria."_s;
    QCOMPARE(grade(si, answers, English).correct, grade(si, answers, English).asked - 2);

    const Exercise mgdl = exerciseForCase(
        ItemId::ProteinuriaCategory, {},
        {{A::UrineCreatinine, 113.12, 2, u"mg/dL"_s}, {A::UrineProtein, 0.16, 2, {}}}, 2);
    QCOMPARE(mgdl.steps[mgdl.stepIndex(u"result"_s)].expected, 141.0);
    QCOMPARE(mgdl.steps[mgdl.stepIndex(u"result"_s)].unit, u"mg/g"_s);

    QSet<QString> units;
    for (int seed = 1; seed <= 12; ++seed) {
        const Exercise ex = makeExercise(ItemId::ProteinuriaCategory, quint64(seed), 2);
        double protein = 0.0, creatinine = 0.0;
        QString unit;
        for (const CaseValue& v : ex.values) {
            (v.id == A::UrineProtein ? protein : creatinine) = v.value;
            if (v.id == A::UrineCreatinine)
                unit = v.unit;
        }
        units << unit;
        const ExerciseStep& r = ex.steps[ex.stepIndex(u"result"_s)];
        const double ratio = unit == u"mmol/L"_s ? protein * 1000.0 / creatinine
                                                 : protein * 100.0 / creatinine * 1000.0;
        QCOMPARE(r.unit, unit == u"mmol/L"_s ? u"mg/mmol"_s : u"mg/g"_s);
        QCOMPARE(r.expected, std::round(ratio));
        QVERIFY(grade(ex, expectedAnswers(ex, English), English).allCorrect());
    }
    QCOMPARE(units, (QSet<QString>{u"mmol/L"_s, u"mg/dL"_s}));
}

void TestPractice::feedbackNeverInfinite()
{
    const Exercise ex = exerciseForCase(ItemId::CreatinineClearance, u"Female"_s,
                                        {{AnalyteId::Age, 67.0, 0, {}},
                                         {AnalyteId::Weight, 58.0, 0, u"kg"_s},
                                         {AnalyteId::SerumCreatinine, 124.0, 0, u"umol/L"_s}},
                                        2);
    for (const QString& answer : {u"1e308"_s, u"-1e308"_s, u"1e-310"_s, u"1e300"_s}) {
        for (const ExerciseStep& s : ex.steps) {
            if (s.kind != StepKind::Number)
                continue;
            const QString text =
                grade(ex, {{s.id, answer}}, English).steps[ex.stepIndex(s.id)].feedback.toLower();
            QVERIFY2(!text.contains(u"inf"_s) && !text.contains(u"nan"_s) &&
                         !text.contains(u"e+"_s),
                     qPrintable(s.id + u" "_s + answer + u": "_s + text));
        }
    }
    const auto feedback = [&](const QString& step, const QString& answer) {
        return grade(ex, {{step, answer}}, English).steps[ex.stepIndex(step)].feedback;
    };
    QCOMPARE(feedback(u"result"_s, u"1e300"_s),
             u"Not right: far too high. It works from step 2 and step 3."_s);
    QCOMPARE(feedback(u"step-2"_s, u"1e-300"_s),
             u"Not right: far too low. It works from step 1."_s);
    QCOMPARE(feedback(u"step-2"_s, u"-1e300"_s),
             u"Not right: far too low. It works from step 1."_s);
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
    QTest::newRow("good") << R"({"item":"creatinine-clearance","generator":3,"seed":3,"level":3,
        "answers":{"result":41.5,"band":"x"}})"_ba
                          << QString();
    QTest::newRow("list text") << R"({"item":"Transferrin","generator":3,"seed":0,"answers":{}})"_ba
                               << QString();
    QTest::newRow("not JSON") << "{"_ba << u"not JSON"_s;
    QTest::newRow("array") << "[]"_ba << u"must be a JSON object"_s;
    QTest::newRow("unknown item") << R"({"item":"x","generator":3,"seed":1,"answers":{}})"_ba
                                  << u"item"_s;
    QTest::newRow("seed text")
        << R"({"item":"transferrin-calculated","generator":3,"seed":"1","answers":{}})"_ba
        << u"seed"_s;
    QTest::newRow("seed fraction")
        << R"({"item":"transferrin-calculated","generator":3,"seed":1.5,"answers":{}})"_ba
        << u"seed"_s;
    QTest::newRow("seed negative")
        << R"({"item":"transferrin-calculated","generator":3,"seed":-1,"answers":{}})"_ba
        << u"seed"_s;
    QTest::newRow("level 4")
        << R"({"item":"transferrin-calculated","generator":3,"seed":1,"level":4,"answers":{}})"_ba
        << u"level"_s;
    QTest::newRow("no answers") << R"({"item":"transferrin-calculated","generator":3,"seed":1})"_ba
                                << u"answers"_s;
    QTest::newRow("unknown step")
        << R"({"item":"transferrin-calculated","generator":3,"seed":1,"answers":{"step-9":1}})"_ba
        << u"no step \"step-9\""_s;
    QTest::newRow("answer object")
        << R"({"item":"transferrin-calculated","generator":3,"seed":1,"level":3,"answers":{"result":{}}})"_ba
        << u"must be a number or a text"_s;
    QTest::newRow("unknown key")
        << R"({"item":"transferrin-calculated","generator":3,"seed":1,"answers":{},"x":1})"_ba
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
