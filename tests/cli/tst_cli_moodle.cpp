// quarvex-cli --worksheet --moodle-xml from outside: the file read back as an
// import reads it, each question named as the sheet names its exercise, and
// every gap's expected answer what quarvex-cli --practice --answers gives for
// that exercise's item, seed and level.

#include "coretestmain.h"
#include "moodlereader.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using namespace quarvex::moodletest;
using namespace Qt::Literals::StringLiterals;

class TestCliMoodle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gapsArePracticeAnswers();
    void refused_data();
    void refused();
    void unwritable();
};

namespace {

struct Ran {
    int status = -1;
    QByteArray out;
    QString err;
};

Ran runCli(const QStringList& args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C"_s);
    env.insert(u"LANG"_s, u"C"_s);
    process.setProcessEnvironment(env);
    process.start(QString::fromUtf8(QUARVEX_CLI), args);
    if (!process.waitForStarted())
        return {};
    process.closeWriteChannel();
    process.waitForFinished(120000);
    Ran ran;
    ran.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    ran.out = process.readAllStandardOutput();
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestCliMoodle::gapsArePracticeAnswers()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString xml = dir.filePath(u"sheet.xml"_s);
    const QString json = dir.filePath(u"sheet.json"_s);
    const Ran made =
        runCli({u"--worksheet"_s, u"--items"_s, u"creatinine-clearance,tibc-calculated"_s,
                u"--versions"_s, u"30"_s, u"--seed"_s, u"4711"_s, u"--level"_s, u"2"_s,
                u"--title"_s, u"Renal/iron <3"_s, u"--moodle-xml"_s, xml, u"-o"_s, json});
    QCOMPARE(made.status, 0);
    QVERIFY2(made.err.isEmpty(), qPrintable(made.err));
    QVERIFY(made.out.isEmpty());

    const QJsonObject sheet = QJsonDocument::fromJson(fileBytes(json)).object();
    const QJsonArray versions = sheet[u"answers"_s].toArray();
    QCOMPARE(versions.size(), 30);
    const ReadQuiz quiz = readQuiz(fileBytes(xml));
    QVERIFY2(quiz.ok, qPrintable(quiz.error));
    QCOMPARE(quiz.questions.size(), 1 + 30 * 2);
    QCOMPARE(quiz.questions[0].texts[u"category"_s], u"$course$/Quarvex/Renal//iron <3"_s);

    int q = 1;
    QSet<QString> names;
    for (const QJsonValue& version : versions) {
        for (const QJsonValue& value : version[u"exercises"_s].toArray()) {
            const QJsonObject exercise = value.toObject();
            const ReadQuestion& question = quiz.questions[q++];
            QCOMPARE(question.type, u"cloze"_s);
            const QString name = question.texts[u"name"_s];
            QVERIFY(!name.isEmpty() && !names.contains(name));
            names << name;
            if (exercise.contains(u"code"_s))
                QCOMPARE(name, exercise[u"code"_s].toString());

            const Ran practice =
                runCli({u"--practice"_s, exercise[u"item"_s].toString(), u"--seed"_s,
                        QString::number(exercise[u"seed"_s].toInteger()), u"--level"_s,
                        QString::number(exercise[u"level"_s].toInt()), u"--answers"_s});
            QCOMPARE(practice.status, 0);
            QList<QJsonValue> expected;
            for (const QJsonValue& step :
                 QJsonDocument::fromJson(practice.out)[u"steps"_s].toArray()) {
                if (!step[u"given"_s].toBool())
                    expected << step[u"expected"_s];
            }
            const QList<ReadGap> gaps = readGaps(question.texts[u"questiontext"_s]);
            QCOMPARE(gaps.size(), expected.size());
            for (qsizetype g = 0; g < gaps.size(); ++g) {
                QVERIFY2(gaps[g].ok, qPrintable(name));
                const auto right =
                    std::find_if(gaps[g].answers.begin(), gaps[g].answers.end(),
                                 [](const ReadAnswer& a) { return a.fraction == u"="_s; });
                QVERIFY(right != gaps[g].answers.end());
                if (expected[g].isString()) {
                    QCOMPARE(gaps[g].type, u"MULTICHOICE"_s);
                    QCOMPARE(clozeUnescaped(right->answer), expected[g].toString());
                } else {
                    QCOMPARE(gaps[g].type, u"NUMERICAL"_s);
                    QCOMPARE(right->answer.section(u':', 0, 0).toDouble(), expected[g].toDouble());
                }
            }
        }
    }
}

void TestCliMoodle::refused_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("without --worksheet")
        << QStringList{u"--practice"_s, u"creatinine-clearance"_s, u"--moodle-xml"_s, u"x.xml"_s}
        << u"can only be used with --worksheet"_s;
    QTest::newRow("no file name") << QStringList{u"--worksheet"_s, u"--items"_s,
                                                 u"creatinine-clearance"_s, u"--moodle-xml"_s}
                                  << u"--moodle-xml needs a file name"_s;
    QTest::newRow("the same file as -o")
        << QStringList{u"--worksheet"_s,  u"--items"_s,  u"creatinine-clearance"_s,
                       u"--moodle-xml"_s, u"same.xml"_s, u"-o"_s,
                       u"same.xml"_s}
        << u"name the same file"_s;
}

void TestCliMoodle::refused()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir::setCurrent(dir.path()));
    const Ran ran = runCli(args);
    QCOMPARE(ran.status, 2);
    QVERIFY2(ran.err.contains(message), qPrintable(ran.err));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

// A file that cannot be written is said, with a status, and no JSON is
// written as though all went well.
void TestCliMoodle::unwritable()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Ran ran = runCli({u"--worksheet"_s, u"--items"_s, u"creatinine-clearance"_s,
                            u"--moodle-xml"_s, dir.filePath(u"missing/sheet.xml"_s)});
    QVERIFY(ran.status != 0);
    QVERIFY2(ran.err.contains(u"sheet.xml"_s), qPrintable(ran.err));
    QVERIFY(ran.out.isEmpty());
}

QUARVEX_CORE_TEST_MAIN(TestCliMoodle)
#include "tst_cli_moodle.moc"
