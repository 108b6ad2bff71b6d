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

// Runs the program in the locale of LC_ALL and LANG.
Run runCli(const QStringList& args, const QByteArray& input = {},
           const QByteArray& locale = "en_US.UTF-8")
{
    qputenv("LC_ALL", locale);
    qputenv("LANG", locale);
    QProcess process;
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
    void errorExits_data();
    void errorExits();
};

void TestQuarvexCli::exampleFileGivesTheCoreRows()
{
    const Run run = runCli({QStringLiteral(QUARVEX_EXAMPLE_INPUT)});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, expectedFor(exampleFields()));
    QCOMPARE(run.out.count("\r\n"), 6 + 28);                        // all 22 items
    QCOMPARE(runCli({}, exampleInputText().toUtf8()).out, run.out); // the same from stdin
}

void TestQuarvexCli::outputFileAndGermanInput()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    const Run run = runCli({QStringLiteral("-o"), path}, "# comment\r\n\r\nAST=42,5\r\nALT=35\r\n",
                           "de_DE.UTF-8");
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    QCOMPARE(bytes, expectedFor(fieldsFrom(strs({"AST=42,5", "ALT=35"})),
                                QLocale(QLocale::German, QLocale::Germany)));
    QVERIFY(bytes.contains("\nAST to ALT ratio\t1,21 \t"));
}

void TestQuarvexCli::errorExits_data()
{
    QTest::addColumn<QStringList>("args"); // the output file follows them
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message");
    const QStringList none;
    const QString out = QStringLiteral("o");
    QTest::addRow("unknown name") << none << QByteArray("Age=40\nCreatinine=1\n") << out << 2
                                  << QByteArray("line 2");
    QTest::addRow("name given twice")
        << none << QByteArray("Age=40\n#\nAge=41\n") << out << 2 << QByteArray("line 3");
    QTest::addRow("unknown option")
        << strs({"--bogus"}) << QByteArray() << out << 2 << QByteArray("--bogus");
    const QStringList example{QStringLiteral(QUARVEX_EXAMPLE_INPUT)};
    QTest::addRow("missing output folder") << example << QByteArray() << "missing/out.txt" << 1
                                           << QByteArray("No such file or directory");
    QTest::addRow("disk full") << example << QByteArray() << "/dev/full" << 1
                               << QByteArray("No space left on device");
}

void TestQuarvexCli::errorExits()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, output);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    if (!output.startsWith(QLatin1Char('/')))
        output = dir.filePath(output);
    const Run run = runCli(args + QStringList{QStringLiteral("-o"), output}, input);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), run.err.constData());
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

QUARVEX_TEST_MAIN(TestQuarvexCli)
#include "tst_quarvexcli.moc"
