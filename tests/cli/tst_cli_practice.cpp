// quarvex-cli --practice, --grade and --list-items from outside: exit
// statuses and messages, every item's exercise against --json on its case,
// and grading of right answers and of each slip's answers.

#include "calc/itemid.h"
#include "coretestmain.h"
#include "practice/exercise.h"
#include "practice/itemkeys.h"
#include "practice/slips.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>

#include <cmath>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

class TestCliPractice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exitStatus_data();
    void exitStatus();
    void listItems();
    void everyItem_data();
    void everyItem();
    void cleanupTestCase();

private:
    int m_slipsGraded = 0;
};

namespace {

struct Ran {
    int status = -1;
    QByteArray out;
    QString err;
};

Ran runCli(const QStringList& args, const QByteArray& input = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C"_s);
    env.insert(u"LANG"_s, u"C"_s);
    process.setProcessEnvironment(env);
    process.start(QString::fromUtf8(QUARVEX_CLI), args);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    Ran ran;
    ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.out = process.readAllStandardOutput();
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

QJsonObject object(const QByteArray& bytes)
{
    return QJsonDocument::fromJson(bytes).object();
}

} // namespace

void TestCliPractice::exitStatus_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // in standard error; empty: none

    const QByteArray good =
        R"({"item":"tibc-calculated","generator":3,"seed":4,"level":3,"answers":{}})"_ba;
    QTest::newRow("practice") << QStringList{u"--practice"_s, u"tibc-calculated"_s} << QByteArray()
                              << 0 << QString();
    QTest::newRow("practice by list text")
        << QStringList{u"--practice"_s, u"Transferrin"_s, u"--seed"_s, u"1"_s} << QByteArray() << 0
        << QString();
    QTest::newRow("unknown item") << QStringList{u"--practice"_s, u"kidney"_s} << QByteArray() << 2
                                  << u"no item \"kidney\" (see --list-items)"_s;
    QTest::newRow("no item") << QStringList{u"--practice"_s} << QByteArray() << 2
                             << u"--practice needs an item id"_s;
    QTest::newRow("level 4") << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--level"_s,
                                            u"4"_s}
                             << QByteArray() << 2 << u"--level needs 1, 2 or 3"_s;
    QTest::newRow("seed negative")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--seed"_s, u"-1"_s} << QByteArray()
        << 2 << u"--seed needs a whole number"_s;
    QTest::newRow("seed too large")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--seed"_s, u"9007199254740992"_s}
        << QByteArray() << 2 << u"--seed needs a whole number"_s;
    QTest::newRow("seed without practice") << QStringList{u"--seed"_s, u"1"_s} << QByteArray() << 2
                                           << u"only be used with --practice"_s;
    QTest::newRow("practice and grade")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--grade"_s} << QByteArray() << 2
        << u"cannot be used together"_s;
    QTest::newRow("practice with a file")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"case.txt"_s} << QByteArray() << 2
        << u"reads no input"_s;
    QTest::newRow("grade") << QStringList{u"--grade"_s} << good << 0 << QString();
    QTest::newRow("grade bad JSON")
        << QStringList{u"--grade"_s} << "{"_ba << 2 << u"standard input: not JSON"_s;
    QTest::newRow("grade unknown step")
        << QStringList{u"--grade"_s}
        << R"({"item":"tibc-calculated","generator":3,"seed":4,"level":3,"answers":{"step-7":1}})"_ba
        << 2 << u"no step \"step-7\""_s;
    QTest::newRow("grade missing file") << QStringList{u"--grade"_s, u"/nonexistent/answers.json"_s}
                                        << QByteArray() << 2 << u"/nonexistent/answers.json"_s;
    QTest::newRow("grade with --json")
        << QStringList{u"--grade"_s, u"--json"_s} << good << 2 << u"takes no option"_s;
    QTest::newRow("list items") << QStringList{u"--list-items"_s} << QByteArray() << 0 << QString();
    QTest::newRow("list scenarios")
        << QStringList{u"--list-scenarios"_s} << QByteArray() << 0 << QString();
    QTest::newRow("practice from a scenario")
        << QStringList{u"--practice"_s, u"fractional-urea-excretion"_s, u"--scenario"_s,
                       u"prerenal-aki"_s}
        << QByteArray() << 0 << QString();
    QTest::newRow("unknown scenario")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--scenario"_s, u"flu"_s}
        << QByteArray() << 2 << u"no scenario \"flu\" (see --list-scenarios)"_s;
    QTest::newRow("scenario without the item's values")
        << QStringList{u"--practice"_s, u"ldl-friedewald"_s, u"--scenario"_s, u"iron-deficiency"_s}
        << QByteArray() << 2 << u"has a patient for LDL Cholesterol (Friedewald)"_s;
    QTest::newRow("scenario without practice")
        << QStringList{u"--scenario"_s, u"healthy"_s} << QByteArray() << 2
        << u"--scenario can only be used with --practice"_s;
    QTest::newRow("scenarios without worksheet")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"--scenarios"_s, u"healthy"_s}
        << QByteArray() << 2 << u"only be used with --worksheet"_s;
    QTest::newRow("grade without generator")
        << QStringList{u"--grade"_s}
        << R"({"item":"tibc-calculated","seed":4,"level":3,"answers":{}})"_ba << 2
        << u"made by an earlier version of the exercise generator"_s;
    QTest::newRow("grade of another generator")
        << QStringList{u"--grade"_s}
        << R"({"item":"tibc-calculated","generator":1,"seed":4,"level":3,"answers":{}})"_ba << 2
        << u"must be made again"_s;
    QTest::newRow("practice to a directory")
        << QStringList{u"--practice"_s, u"tibc-calculated"_s, u"-o"_s, u"/"_s} << QByteArray() << 1
        << u"/"_s;
}

void TestCliPractice::exitStatus()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Ran ran = runCli(args, input);
    QCOMPARE(ran.status, status);
    if (message.isEmpty())
        QCOMPARE(ran.err, QString());
    else
        QVERIFY2(ran.err.contains(message), qPrintable(ran.err));
    if (status != 0)
        QVERIFY(ran.out.isEmpty());
}

void TestCliPractice::listItems()
{
    const Ran text = runCli({u"--list-items"_s});
    const Ran json = runCli({u"--list-items"_s, u"--json"_s});
    const QStringList lines = QString::fromUtf8(text.out).split(u'\n', Qt::SkipEmptyParts);
    const QJsonArray items = QJsonDocument::fromJson(json.out).array();
    QCOMPARE(lines.size(), ItemCount);
    QCOMPARE(items.size(), ItemCount);
    for (int i = 0; i < ItemCount; ++i) {
        QCOMPARE(lines[i], items[i][u"id"_s].toString() + u'\t' + items[i][u"name"_s].toString());
        // Each id and each name gives that item's exercise.
        for (const QString& name : {items[i][u"id"_s].toString(), items[i][u"name"_s].toString()}) {
            const Ran ex = runCli({u"--practice"_s, name, u"--seed"_s, u"1"_s});
            QCOMPARE(ex.status, 0);
            QCOMPARE(object(ex.out)[u"item"_s][u"id"_s].toString(), items[i][u"id"_s].toString());
        }
    }
}

void TestCliPractice::everyItem_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("seed");
    const Ran list = runCli({u"--list-items"_s, u"--json"_s});
    int seed = 1;
    for (const QJsonValue& item : QJsonDocument::fromJson(list.out).array()) {
        const QString id = item[u"id"_s].toString();
        QTest::newRow(qPrintable(id)) << id << seed++;
    }
}

// For each item and each level: the exercise's results and bands are what
// --json computes for its case; its expected answers grade as all right; and
// the answers each slip gives are graded with a slip named.
void TestCliPractice::everyItem()
{
    QFETCH(QString, item);
    QFETCH(int, seed);
    for (int level = 1; level <= 3; ++level) {
        const Ran ran = runCli({u"--practice"_s, item, u"--seed"_s, QString::number(seed),
                                u"--level"_s, QString::number(level), u"--answers"_s});
        QCOMPARE(ran.status, 0);
        const QJsonObject ex = object(ran.out);
        QCOMPARE(ex[u"seed"_s].toInteger(), seed);
        QCOMPARE(ex[u"level"_s].toInt(), level);

        QByteArray caseText;
        const QJsonObject fields = ex[u"case"_s].toObject();
        for (auto it = fields.begin(); it != fields.end(); ++it)
            caseText += (it.key() + u'=' + it.value().toString() + u'\n').toUtf8();
        const QJsonObject computed = object(runCli({u"--json"_s}, caseText).out);
        QJsonObject rows;
        for (const QJsonValue& v : computed[u"items"_s].toArray()) {
            if (v[u"name"_s] == ex[u"item"_s][u"name"_s]) {
                QVERIFY(v[u"computed"_s].toBool());
                rows = v.toObject();
            }
        }
        const QJsonArray rowList = rows[u"rows"_s].toArray();
        QVERIFY(!rowList.isEmpty());

        QJsonObject answers;
        for (const QJsonValue& step : ex[u"steps"_s].toArray()) {
            const QString id = step[u"id"_s].toString();
            const int row = id.startsWith(u"row"_s) ? id.mid(3, 1).toInt() - 1 : 0;
            const QJsonObject r = rowList[row].toObject();
            if (id.endsWith(u"result"_s)) {
                const double expected = step[u"expected"_s].toDouble();
                const QString shown =
                    step[u"tolerance"_s][u"kind"_s] == u"as-shown"_s
                        ? QString::number(expected, 'f',
                                          step[u"tolerance"_s][u"decimals"_s].toInt())
                        : QString::number(r[u"value"_s].toDouble(), 'g', 15);
                QVERIFY2(r[u"result"_s].toString().startsWith(shown),
                         qPrintable(shown + u" vs "_s + r[u"result"_s].toString()));
            } else if (id.endsWith(u"band"_s)) {
                const QJsonValue band = r[u"band"_s];
                const QString sentence = band[u"sentence"_s].isString()
                                             ? band[u"sentence"_s].toString()
                                             : u"no interpretation"_s;
                QCOMPARE(step[u"expected"_s].toString(), sentence);
            }
            if (!step[u"given"_s].toBool())
                answers[id] = step[u"expected"_s];
        }

        // The expected answers, as JSON numbers and texts, are all right.
        const QJsonObject request{{u"item"_s, item},
                                  {u"seed"_s, seed},
                                  {u"level"_s, level},
                                  {u"generator"_s, GeneratorVersion},
                                  {u"answers"_s, answers}};
        const Ran graded = runCli({u"--grade"_s}, QJsonDocument(request).toJson());
        QCOMPARE(graded.status, 0);
        const QJsonObject g = object(graded.out);
        QCOMPARE(g[u"score"_s].toDouble(), 1.0);
        QCOMPARE(g[u"steps"_s].toArray().size(), answers.size());
        for (const QJsonValue& s : g[u"steps"_s].toArray())
            QVERIFY2(s[u"correct"_s].toBool(), qPrintable(s[u"feedback"_s].toString()));

        // At level 2, the first case of each slip that changes an answer: the
        // answers it gives are graded with a slip named on each changed step.
        if (level != 2)
            continue;
        const Exercise core = makeExercise(*findItem(item), quint64(seed), level);
        QSet<QString> tried;
        for (const SlipCase& c : slipCases(core)) {
            const QString slip = QLatin1String(c.slip->id);
            if (tried.contains(slip))
                continue;
            const SlipAnswers slipped = slipAnswers(core, c);
            QJsonObject wrong = answers;
            QStringList changed;
            for (int i = 0; i < core.steps.size(); ++i) {
                const ExerciseStep& st = core.steps[i];
                if (st.given)
                    continue;
                if (st.kind == StepKind::Choice) {
                    // A band after a changed value is carried or not by the
                    // value as written; only one on a right value is judged.
                    const bool afterChange =
                        std::any_of(st.dependsOn.begin(), st.dependsOn.end(),
                                    [&](int d) { return changed.contains(core.steps[d].id); });
                    if (!afterChange && !slipped.choices[i].isEmpty() &&
                        slipped.choices[i] != st.expectedText) {
                        wrong[st.id] = slipped.choices[i];
                        changed << st.id;
                    }
                } else if (std::isfinite(slipped.numbers[i])) {
                    // Every number as the slip makes it (the learner's own
                    // working), changed where it is off by more than the
                    // tolerance and, for a result as shown, its last digit; a
                    // result off by less stays right.
                    const bool accepted = st.tolerance.accepts(st.expected, slipped.numbers[i]);
                    const bool changes =
                        !accepted && (st.tolerance.kind != StepTolerance::AsShown ||
                                      std::fabs(slipped.numbers[i] - st.expected) >
                                          std::pow(10.0, -st.tolerance.decimals));
                    if (accepted || changes)
                        wrong[st.id] = slipped.numbers[i];
                    if (changes)
                        changed << st.id;
                }
            }
            if (changed.isEmpty())
                continue;
            tried << slip;
            ++m_slipsGraded;
            const QJsonObject slipRequest{{u"item"_s, item},
                                          {u"seed"_s, seed},
                                          {u"level"_s, level},
                                          {u"generator"_s, GeneratorVersion},
                                          {u"answers"_s, wrong}};
            const QJsonObject sg = object(
                runCli({u"--grade"_s, u"--no-carry"_s}, QJsonDocument(slipRequest).toJson()).out);
            // Each changed step is wrong: where the slip happened it is named,
            // and every later step worked from it is carried.
            for (const QJsonValue& st : sg[u"steps"_s].toArray()) {
                if (!changed.contains(st[u"id"_s].toString()))
                    continue;
                QVERIFY(!st[u"correct"_s].toBool());
                QVERIFY2(st[u"slip"_s].isString() != st[u"carried"_s].toBool(),
                         qPrintable(slip + u": "_s + st[u"feedback"_s].toString()));
            }
            QCOMPARE(sg[u"correct"_s].toInt(), sg[u"right"_s].toInt());
        }
    }
}

// The sweep graded slips of most kinds on most items.
void TestCliPractice::cleanupTestCase()
{
    QVERIFY2(m_slipsGraded > 2 * ItemCount, qPrintable(QString::number(m_slipsGraded)));
}

QUARVEX_CORE_TEST_MAIN(TestCliPractice)
#include "tst_cli_practice.moc"
