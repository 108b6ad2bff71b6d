// quarvex-cli from outside: the example input gives the hand-written export,
// whatever line ends the input has and wherever the output goes.

#include "coretestmain.h"
#include "testfields.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

using namespace quarvex::test;
using namespace Qt::StringLiterals;

namespace {

const QString Example = QStringLiteral(QUARVEX_EXAMPLE_INPUT);

// The example with every line feed turned into the given line end.
QByteArray exampleEndingIn(const QByteArray& lineEnd)
{
    return readFile(Example).replace("\n", lineEnd);
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void golden_data();
    void golden();
    void warnings_data();
    void warnings();
    void hintsInJsonAndSteps();
    void notUtf8NamesTheLine();
};

void TestCli::golden_data()
{
    QTest::addColumn<QStringList>("args"); // %1: the input file, %2: an empty folder
    QTest::addColumn<QByteArray>("input"); // written to %1
    QTest::addColumn<QByteArray>("epoch"); // SOURCE_DATE_EPOCH
    QTest::addColumn<QByteArray>("dateLine");

    const QByteArray leapDay = "1709251199"; // 2024-02-29 23:59:59 UTC
    const QStringList fromFile{u"%1"_s}, toFile{u"%1"_s, u"-o"_s, u"%2/out.txt"_s};
    const QStringList fromStdin{u"-"_s};
    QTest::addRow("the example, LF")
        << fromFile << readFile(Example) << leapDay << QByteArray("generated on Feb-29-2024");
    QTest::addRow("CR LF: every unit text ends in CR before the line feed")
        << fromFile << exampleEndingIn("\r\n") << leapDay << QByteArray("generated on Feb-29-2024");
    QTest::addRow("CR LF on standard input") << fromStdin << exampleEndingIn("\r\n") << leapDay
                                             << QByteArray("generated on Feb-29-2024");
    QTest::addRow("CR alone, as a case saved on an old Mac")
        << fromFile << exampleEndingIn("\r") << leapDay << QByteArray("generated on Feb-29-2024");
    QTest::addRow("a byte order mark before the first line")
        << fromFile << "\xEF\xBB\xBF" + readFile(Example) << leapDay
        << QByteArray("generated on Feb-29-2024");
    QTest::addRow("no line end after the last line")
        << fromFile << readFile(Example).trimmed() << leapDay
        << QByteArray("generated on Feb-29-2024");
    QTest::addRow("written with -o")
        << toFile << readFile(Example) << leapDay << QByteArray("generated on Feb-29-2024");
    QTest::addRow("a day later") << fromFile << readFile(Example) << QByteArray("1709251200")
                                 << QByteArray("generated on Mar-01-2024");
}

// The golden file was written by hand from the rules of the 22 items for the
// example input, not taken from the program's output.
void TestCli::golden()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, epoch);
    QFETCH(QByteArray, dateLine);
    QByteArray expected = readFile(QStringLiteral(QUARVEX_GOLDEN_EXPORT));
    QVERIFY(expected.contains("\r\ngenerated on Feb-29-2024\r\n"));
    expected.replace("generated on Feb-29-2024", dateLine);

    QTemporaryDir dir;
    const QString inputPath = dir.filePath(u"input.txt"_s);
    QFile file(inputPath);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(input) == input.size());
    file.close();
    QTemporaryDir out;

    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"SOURCE_DATE_EPOCH"_s, QString::fromLatin1(epoch));
    env.insert(u"LC_ALL"_s, u"en_US.UTF-8"_s);
    cli.setProcessEnvironment(env);
    args.replaceInStrings(u"%1"_s, inputPath).replaceInStrings(u"%2"_s, out.path());
    cli.start(QStringLiteral(QUARVEX_CLI), args);
    if (args.contains(u"-"_s))
        cli.write(input);
    cli.closeWriteChannel();
    QVERIFY(cli.waitForFinished(30000) && cli.exitStatus() == QProcess::NormalExit);
    const QByteArray err = cli.readAllStandardError();
    QVERIFY2(err.isEmpty(), err.constData()); // no field was reported
    QCOMPARE(cli.exitCode(), 0);
    const QByteArray stdOut = cli.readAllStandardOutput();
    if (args.contains(u"-o"_s)) {
        QCOMPARE(stdOut, QByteArray());
        QCOMPARE(readFile(out.filePath(u"out.txt"_s)), expected);
    } else {
        QCOMPARE(stdOut, expected);
    }
}

void TestCli::warnings_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("stdErr");

    const QByteArray en = "en_US.UTF-8", de = "de_DE.UTF-8";
    const QByteArray wrong = ". A value may be mistyped or in the wrong unit.\n";
    const QByteArray lipids = "UnitChol=mg/dL\nUnitHDL=mg/dL\nUnitLDL=mg/dL\n";
    const QByteArray bili = "UnitBilirubinDirect=mg/dL\nUnitBilirubinTotal=mg/dL\n";

    // A value in the wrong unit names the unit it fits.
    QTest::addRow("creatinine typed in umol/L with mg/dL")
        << QByteArray("SerumCreatinine=88\nUnitSerumCreatinine=mg/dL\n") << en
        << QByteArray("quarvex-cli: warning: SerumCreatinine: Serum creatinine 88 mg/dL is above "
                      "any value seen in patients (up to 75 mg/dL). Did you mean umol/L?\n");
    QTest::addRow("German: a comma in the number")
        << QByteArray("SerumCreatinine=88,5\nUnitSerumCreatinine=mg/dL\n") << de
        << QByteArray("quarvex-cli: warning: SerumCreatinine: Serum creatinine 88,5 mg/dL is "
                      "above any value seen in patients (up to 75 mg/dL). Did you mean umol/L?\n");

    // The limits and rules themselves: tst_plausibility. Here: every field a
    // hint concerns is named, and a value at fault gets its finding instead.
    QTest::addRow("direct above total bilirubin")
        << "BilirubinDirect=1.01\nBilirubinTotal=1\n" + bili << en
        << "quarvex-cli: warning: BilirubinDirect: Direct bilirubin 1.01 mg/dL is above total "
           "bilirubin 1 mg/dL" +
               wrong +
               "quarvex-cli: warning: BilirubinTotal: Direct bilirubin 1.01 mg/dL is above total "
               "bilirubin 1 mg/dL" +
               wrong;
    QTest::addRow("HDL plus LDL above total cholesterol")
        << "Chol=150\nHDL=50\nLDL=100.1\n" + lipids << en
        << "quarvex-cli: warning: HDL: HDL plus LDL cholesterol 150.1 mg/dL is above total "
           "cholesterol 150 mg/dL" +
               wrong +
               "quarvex-cli: warning: LDL: HDL plus LDL cholesterol 150.1 mg/dL is above total "
               "cholesterol 150 mg/dL" +
               wrong +
               "quarvex-cli: warning: Chol: HDL plus LDL cholesterol 150.1 mg/dL is above total "
               "cholesterol 150 mg/dL" +
               wrong;
    // No hint on a value that fails its check: the finding says what is wrong.
    QTest::addRow("unknown unit: no range hint")
        << QByteArray("SerumCreatinine=88\nUnitSerumCreatinine=MG/DL\n") << en
        << QByteArray("quarvex-cli: warning: UnitSerumCreatinine: \"MG/DL\" is not one of mg/dL, "
                      "umol/L\n");
    QTest::addRow("not a number: the finding, no hint")
        << QByteArray("Weight=7O\nUnitWeight=kg\n") << en
        << QByteArray("quarvex-cli: line 1: Weight: Weight: \"7O\" is not a number. Type a number "
                      "such as 1.2.\n");
}

// Warnings go to standard error only: the export and the exit status are those
// of the same case without them.
void TestCli::warnings()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, locale);
    QFETCH(QByteArray, stdErr);

    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"SOURCE_DATE_EPOCH"_s, u"1709251199"_s);
    env.insert(u"LC_ALL"_s, QString::fromLatin1(locale));
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(QUARVEX_CLI), {u"-"_s});
    cli.write(input);
    cli.closeWriteChannel();
    QVERIFY(cli.waitForFinished(30000) && cli.exitStatus() == QProcess::NormalExit);
    QCOMPARE(cli.readAllStandardError(), stdErr);
    QCOMPARE(cli.exitCode(), 0);
    const QByteArray out = cli.readAllStandardOutput();
    QVERIFY(out.startsWith("Quarvex Test Results\r\ngenerated on "));
    QVERIFY(!out.contains("warning"));
    QVERIFY(!out.contains("Did you mean"));
}

// The worked steps and the JSON carry the same hints, on the inputs they concern.
void TestCli::hintsInJsonAndSteps()
{
    const QByteArray input = "Age=40\nWeight=70\nUnitWeight=kg\nGender=Male\n"
                             "SerumCreatinine=88\nUnitSerumCreatinine=mg/dL\n";
    const QString hint = u"Serum creatinine 88 mg/dL is above any value seen in patients (up to "
                         "75 mg/dL). Did you mean umol/L?"_s;
    const auto run = [&](const QString& option) {
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LC_ALL"_s, u"en_US.UTF-8"_s);
        cli.setProcessEnvironment(env);
        cli.start(QStringLiteral(QUARVEX_CLI), {option, u"-"_s});
        cli.write(input);
        cli.closeWriteChannel();
        if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
            return QByteArray();
        return cli.readAllStandardOutput();
    };

    const QJsonDocument json = QJsonDocument::fromJson(run(u"--json"_s));
    QVERIFY(json.isObject());
    QHash<QString, QStringList> hintsOf;
    for (const QJsonValue& in : json[u"inputs"_s].toArray())
        hintsOf[in[u"field"_s].toString()] = in[u"hints"_s].toVariant().toStringList();
    QCOMPARE(hintsOf.keys().size(), 4);
    QCOMPARE(hintsOf.value(u"SerumCreatinine"_s), QStringList{hint});
    QCOMPARE(hintsOf.value(u"Age"_s), QStringList{});
    QCOMPARE(hintsOf.value(u"Weight"_s), QStringList{});

    const QString steps = QString::fromUtf8(run(u"--steps"_s));
    const QString checked = u"  Serum creatinine: 88 mg/dL\n    Check: "_s + hint + u'\n';
    QVERIFY2(steps.contains(checked), qPrintable(steps));
    QCOMPARE(steps.count(u"Check: "_s), 1); // one computed item uses the value
}

// A byte that is not UTF-8 would otherwise be read as a replacement
// character and computed on as if it had been typed.
void TestCli::notUtf8NamesTheLine()
{
    QProcess cli;
    cli.start(QStringLiteral(QUARVEX_CLI), {u"-"_s});
    cli.write("Age=40\r\nGender=M\xE4nnlich\r\n");
    cli.closeWriteChannel();
    QVERIFY(cli.waitForFinished(30000) && cli.exitStatus() == QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), 2);
    QCOMPARE(cli.readAllStandardOutput(), QByteArray());
    QCOMPARE(cli.readAllStandardError(),
             "quarvex-cli: standard input: line 2: not UTF-8 text\n"_ba);
}

QUARVEX_CORE_TEST_MAIN(TestCli)
#include "tst_cli.moc"
