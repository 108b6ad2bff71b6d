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
           const QByteArray& locale = "en_US.UTF-8") {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
    env.insert(QStringLiteral("LANG"), QString::fromLatin1(locale));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUARVEX_CLI), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray expectedFor(const Fields& fields, const QLocale& locale = QLocale()) {
    FakeDialogs quiet;
    return exportBytes(QDate::currentDate(), overviewRows(fields, quiet, locale), locale);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestQuarvexCli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void exampleFileGivesTheScreensRows();
    void standardInputAndOutputFile();
    void germanLocale();
    void conversionFailureNamesTheFieldOnce();
    void inputErrors_data();
    void inputErrors();
    void unwritableOutput_data();
    void unwritableOutput();
    void helpListsEveryField();
};

void TestQuarvexCli::exampleFileGivesTheScreensRows() {
    const Run run = runCli({QStringLiteral(QUARVEX_EXAMPLE_INPUT)});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, expectedFor(exampleFields()));
    // A full set computes all 22 items: 28 rows.
    QCOMPARE(run.out.count("\r\n"), 6 + 28);
}

void TestQuarvexCli::standardInputAndOutputFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(9000, 'x'));
    old.close();

    const QByteArray input = "# ferritin only\r\n\r\nFerritin=5\r\nUnitFerritin=pmol/L\r\n";
    const Run run = runCli({QStringLiteral("-o"), path}, input);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(readFile(path), expectedFor(fieldsFrom({"Ferritin=5", "UnitFerritin=pmol/L"})));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), strs({"out.txt"}));
}

void TestQuarvexCli::germanLocale() {
    const QByteArray input = "AST=42,5\nALT=35\n";
    const Run run = runCli({}, input, "de_DE.UTF-8");
    QCOMPARE(run.exitCode, 0);
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(run.out, expectedFor(fieldsFrom({"AST=42,5", "ALT=35"}), german));
    QVERIFY(run.out.contains("\t1,21 \t"));
}

void TestQuarvexCli::conversionFailureNamesTheFieldOnce() {
    const QByteArray input =
        exampleInputText()
            .replace(QStringLiteral("SerumCreatinine=1.1"), QStringLiteral("SerumCreatinine=1.l"))
            .toUtf8();
    const Run run = runCli({}, input);
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.err.trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.at(0).contains("SerumCreatinine") && lines.at(0).contains("1.l"),
             lines.at(0).constData());
    // The eight items that check serum creatinine are left out.
    QCOMPARE(run.out.count("\r\n"), 6 + 28 - 10);
}

void TestQuarvexCli::inputErrors_data() {
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("message");
    QTest::addRow("unknown name") << QByteArray("Age=40\nCreatinine=1\n") << QByteArray("line 2");
    QTest::addRow("fixed unit is no field")
        << QByteArray("UnitSerumSodium=mmol/L\n") << QByteArray("line 1");
    QTest::addRow("no equals sign") << QByteArray("Age=40\n\nWeight 70\n") << QByteArray("line 3");
    QTest::addRow("name given twice")
        << QByteArray("Age=40\n# again\nAge=41\n") << QByteArray("line 3");
    QTest::addRow("names are case-sensitive") << QByteArray("age=40\n") << QByteArray("line 1");
}

void TestQuarvexCli::inputErrors() {
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.txt"));
    Run run = runCli({}, input);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.contains(message), run.err.constData());
    run = runCli({QStringLiteral("-o"), path}, input);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(!QFile::exists(path));
}

void TestQuarvexCli::unwritableOutput_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("error");
    QTest::addRow("missing folder") << "missing/out.txt" << QByteArray("No such file or directory");
    QTest::addRow("a folder") << "." << QByteArray("directory");
    QTest::addRow("disk full") << "/dev/full" << QByteArray("No space left on device");
}

void TestQuarvexCli::unwritableOutput() {
    QFETCH(QString, path);
    QFETCH(QByteArray, error);
    if (path == QLatin1String("/dev/full") && !QFileInfo::exists(path))
        QSKIP("no /dev/full");
    QTemporaryDir dir;
    if (!path.startsWith(QLatin1Char('/')))
        path = dir.filePath(path);
    const Run run = runCli({QStringLiteral(QUARVEX_EXAMPLE_INPUT), QStringLiteral("-o"), path});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(error), run.err.constData());
    QVERIFY(QDir(dir.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

void TestQuarvexCli::helpListsEveryField() {
    const Run run = runCli({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    for (const QString& name : inputFieldNames())
        QVERIFY2(run.out.contains(' ' + name.toLatin1() + '\n') ||
                     run.out.contains(' ' + name.toLatin1() + ' '),
                 qPrintable(name));
    QCOMPARE(inputFieldNames().size(), 32 + 20);
    QCOMPARE(runCli({QStringLiteral("--bogus")}).exitCode, 2);
    QCOMPARE(runCli({QStringLiteral("no/such/input.txt")}).exitCode, 2);
}

QUARVEX_TEST_MAIN(TestQuarvexCli)
#include "tst_quarvexcli.moc"
