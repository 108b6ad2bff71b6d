#include "fakedialogs.h"
#include "overview/export.h"
#include "overviewfixture.h"
#include "testmain.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace quarvex;
using namespace quarvex::test;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run runCli(const QStringList& args, const QByteArray& input = {},
           const QString& locale = QStringLiteral("en_US.UTF-8"))
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUARVEX_CLI), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// What the overview core gives for the fields today.
QByteArray expectedFor(const Fields& fields, const QLocale& locale = QLocale())
{
    FakeDialogs quiet;
    return exportBytes(QDate::currentDate(), overviewRows(fields, quiet, locale), locale);
}

} // namespace

class TestQuarvexCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exampleFileGivesTheCoreRows();
    void outputFileAndGermanInput();
    void conversionFailureNamesTheFieldOnce();
    void badInput_data();
    void badInput();
    void unwritableOutput_data();
    void unwritableOutput();
};

void TestQuarvexCli::exampleFileGivesTheCoreRows()
{
    const Run run = runCli({QStringLiteral(QUARVEX_EXAMPLE_INPUT)});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, expectedFor(exampleFields()));
    QCOMPARE(run.out.count("\r\n"), 6 + 28); // all 22 items
    // The same from standard input.
    QCOMPARE(runCli({}, exampleInputText().toUtf8()).out, run.out);
}

void TestQuarvexCli::outputFileAndGermanInput()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(9000, 'x')) == 9000);
    old.close();
    const Run run = runCli({QStringLiteral("-o"), path}, "# comment\r\n\r\nAST=42,5\r\nALT=35\r\n",
                           QStringLiteral("de_DE.UTF-8"));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QCOMPARE(bytes, expectedFor(fieldsFrom(strs({"AST=42,5", "ALT=35"})),
                                QLocale(QLocale::German, QLocale::Germany)));
    QVERIFY(bytes.contains("\nAST to ALT ratio\t1,21 \t"));
}

void TestQuarvexCli::conversionFailureNamesTheFieldOnce()
{
    QString input = exampleInputText();
    input.replace(QStringLiteral("SerumCreatinine=1.1"), QStringLiteral("SerumCreatinine=1.l"));
    const Run run = runCli({}, input.toUtf8());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains("SerumCreatinine") && run.err.contains("\"1.l\""),
             run.err.constData());
    QCOMPARE(run.out.count("\r\n"), 6 + 28 - 10); // the 8 items that check it
}

void TestQuarvexCli::badInput_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("message");
    const QStringList none;
    QTest::addRow("unknown name") << none << QByteArray("Age=40\nCreatinine=1\n")
                                  << QByteArray("line 2");
    QTest::addRow("a fixed unit is no field")
        << none << QByteArray("UnitSerumSodium=mmol/L\n") << QByteArray("line 1");
    QTest::addRow("no equals sign")
        << none << QByteArray("Age=40\n\nWeight 70\n") << QByteArray("line 3");
    QTest::addRow("name given twice")
        << none << QByteArray("Age=40\n#\nAge=41\n") << QByteArray("line 3");
    QTest::addRow("unknown option") << strs({"--bogus"}) << QByteArray() << QByteArray("--bogus");
    QTest::addRow("missing input file")
        << strs({"no/such/input.txt"}) << QByteArray() << QByteArray("No such file");
}

void TestQuarvexCli::badInput()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    const Run run =
        runCli(args + strs({"-o"}) + QStringList{dir.filePath(QStringLiteral("o"))}, input);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(message), run.err.constData());
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestQuarvexCli::unwritableOutput_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("error");
    QTest::addRow("missing folder") << "missing/out.txt" << QByteArray("No such file or directory");
    QTest::addRow("a folder") << "." << QByteArray("directory");
    QTest::addRow("disk full") << "/dev/full" << QByteArray("No space left on device");
}

void TestQuarvexCli::unwritableOutput()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, error);
    QTemporaryDir dir;
    if (!path.startsWith(QLatin1Char('/')))
        path = dir.filePath(path);
    const Run run = runCli({QStringLiteral(QUARVEX_EXAMPLE_INPUT), QStringLiteral("-o"), path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(error), run.err.constData());
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

QUARVEX_TEST_MAIN(TestQuarvexCli)
#include "tst_quarvexcli.moc"
