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

struct Run {
    int code = -1;
    QByteArray out, err;
};

// Runs quarvex-cli with input on standard input, in the given locale, dated
// by SOURCE_DATE_EPOCH (the last second of 29 February 2024, UTC, unless given).
Run runCli(const QStringList& args, const QByteArray& input,
           const QString& locale = u"en_US.UTF-8"_s, const QString& epoch = u"1709251199"_s)
{
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"SOURCE_DATE_EPOCH"_s, epoch);
    env.insert(u"LC_ALL"_s, locale);
    cli.setProcessEnvironment(env);
    cli.start(QStringLiteral(QUARVEX_CLI), args);
    cli.write(input);
    cli.closeWriteChannel();
    if (!cli.waitForFinished(30000) || cli.exitStatus() != QProcess::NormalExit)
        return {};
    return {cli.exitCode(), cli.readAllStandardOutput(), cli.readAllStandardError()};
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
    void localeLine_data();
    void localeLine();
    void language_data();
    void language();
    void languageLeavesTheDataEnglish();
};

void TestCli::golden_data()
{
    QTest::addColumn<QStringList>("args"); // %1: the input file, %2: an empty folder
    QTest::addColumn<QByteArray>("input"); // written to %1, or given on standard input
    QTest::addColumn<QString>("epoch");    // SOURCE_DATE_EPOCH
    QTest::addColumn<QByteArray>("dateLine");

    // Other line ends, a byte order mark, no line end at the end: tst_casefile
    // and hostile_cli.py.
    const QByteArray example = readFile(Example), leapDay = "generated on Feb-29-2024";
    const QByteArray crLf = QByteArray(example).replace("\n", "\r\n");
    QTest::addRow("the example, LF")
        << QStringList{u"%1"_s} << example << u"1709251199"_s << leapDay;
    QTest::addRow("CR LF: every unit text ends in CR before the line feed")
        << QStringList{u"%1"_s} << crLf << u"1709251199"_s << leapDay;
    QTest::addRow("CR LF on standard input")
        << QStringList{u"-"_s} << crLf << u"1709251199"_s << leapDay;
    QTest::addRow("written with -o")
        << QStringList{u"%1"_s, u"-o"_s, u"%2/out.txt"_s} << example << u"1709251199"_s << leapDay;
    QTest::addRow("a day later") << QStringList{u"%1"_s} << example << u"1709251200"_s
                                 << QByteArray("generated on Mar-01-2024");
}

// The golden file was written by hand from the rules of the 28 items for the
// example input, not taken from the program's output.
void TestCli::golden()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(QString, epoch);
    QFETCH(QByteArray, dateLine);
    QByteArray expected = readFile(QStringLiteral(QUARVEX_GOLDEN_EXPORT));
    QVERIFY(expected.contains("\r\ngenerated on Feb-29-2024\r\n"));
    expected.replace("generated on Feb-29-2024", dateLine);

    QTemporaryDir dir;
    const QString inputPath = dir.filePath(u"input.txt"_s);
    QVERIFY(writeFile(inputPath, input));
    args.replaceInStrings(u"%1"_s, inputPath).replaceInStrings(u"%2"_s, dir.path());
    const Run run =
        runCli(args, args.contains(u"-"_s) ? input : QByteArray(), u"en_US.UTF-8"_s, epoch);
    QVERIFY2(run.err.isEmpty(), run.err.constData()); // no field was reported
    QCOMPARE(run.code, 0);
    QCOMPARE(args.contains(u"-o"_s) ? readFile(dir.filePath(u"out.txt"_s)) : run.out, expected);
    if (args.contains(u"-o"_s))
        QCOMPARE(run.out, QByteArray());
}

void TestCli::warnings_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QByteArray>("stdErr");

    const QByteArray en = "en_US.UTF-8", de = "de_DE.UTF-8";
    const QByteArray wrong = ". A value may be mistyped or in the wrong unit.\n";
    const QByteArray lipids = "UnitChol=mg/dL\nUnitHDL=mg/dL\nUnitLDL=mg/dL\n";

    // The hint's text in every locale: tst_plausibility; in English: hintsInJsonAndSteps.
    QTest::addRow("German: a comma in the number")
        << QByteArray("SerumCreatinine=88,5\nUnitSerumCreatinine=mg/dL\n") << de
        << QByteArray("quarvex-cli: warning: SerumCreatinine: Serum creatinine 88,5 mg/dL is "
                      "above any value seen in patients (up to 75 mg/dL). Did you mean 88,5 umol/L "
                      "(1,0 mg/dL)?\n");

    // The limits and rules themselves: tst_plausibility. Here: every field a
    // hint concerns is named, and a value at fault gets its finding instead.
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

    const Run run = runCli({u"-"_s}, input, QString::fromLatin1(locale));
    QCOMPARE(run.err, stdErr);
    QCOMPARE(run.code, 0);
    QVERIFY(run.out.startsWith("Quarvex Test Results\r\ngenerated on "));
    QVERIFY(!run.out.contains("warning") && !run.out.contains("Did you mean"));
}

// The worked steps and the JSON carry the same hints, on the inputs they concern.
void TestCli::hintsInJsonAndSteps()
{
    const QByteArray input = "Age=40\nWeight=70\nUnitWeight=kg\nGender=Male\n"
                             "SerumCreatinine=88\nUnitSerumCreatinine=mg/dL\n";
    const QString hint = u"Serum creatinine 88 mg/dL is above any value seen in patients (up to "
                         "75 mg/dL). Did you mean 88 umol/L (1.0 mg/dL)?"_s;
    const QJsonDocument json = QJsonDocument::fromJson(runCli({u"--json"_s, u"-"_s}, input).out);
    QVERIFY(json.isObject());
    QHash<QString, QStringList> hintsOf;
    for (const QJsonValue in : json[u"inputs"_s].toArray())
        hintsOf[in[u"field"_s].toString()] = in[u"hints"_s].toVariant().toStringList();
    QCOMPARE(hintsOf.keys().size(), 4);
    QCOMPARE(hintsOf.value(u"SerumCreatinine"_s), QStringList{hint});
    QCOMPARE(hintsOf.value(u"Age"_s), QStringList{});
    QCOMPARE(hintsOf.value(u"Weight"_s), QStringList{});

    const QString steps = QString::fromUtf8(runCli({u"--steps"_s, u"-"_s}, input).out);
    const QString checked = u"  Serum creatinine: 88 mg/dL\n    Check: "_s + hint + u'\n';
    QVERIFY2(steps.contains(checked), qPrintable(steps));
    // Two computed items use the value: the clearance and the eGFR.
    QCOMPARE(steps.count(u"Check: "_s), 2);
}

// A byte that is not UTF-8 would otherwise be read as a replacement
// character and computed on as if it had been typed.
void TestCli::notUtf8NamesTheLine()
{
    const Run run = runCli({u"-"_s}, "Age=40\r\nGender=M\xE4nnlich\r\n");
    QCOMPARE(run.code, 2);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.err, "quarvex-cli: standard input: line 2: not UTF-8 text\n"_ba);
}

void TestCli::localeLine_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("same"); // the same case written in the environment's format

    QByteArray example = readFile(Example);
    QVERIFY(example.contains("\nLocale=en_US\n"));
    QByteArray german = QByteArray(example).replace("\nLocale=en_US\n", "\n");
    german.replace('.', ',');
    QTest::addRow("the example under German") << example << u"de_DE.UTF-8"_s << german;
    QTest::addRow("a German file under English")
        << QByteArray("Locale=de_DE\nSerumCreatinine=1,5\nUnitSerumCreatinine=mg/dL\n"
                      "SerumUrea=12,5\nUnitSerumUrea=mg/dL\n")
        << u"en_US.UTF-8"_s
        << QByteArray("SerumCreatinine=1.5\nUnitSerumCreatinine=mg/dL\nSerumUrea=12.5\n"
                      "UnitSerumUrea=mg/dL\n");
}

// A Locale line overrides the environment for reading the file: the output is
// that of the same values typed in the environment's own format.
void TestCli::localeLine()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, locale);
    QFETCH(QByteArray, same);
    const Run run = runCli({u"-"_s}, input, locale);
    QVERIFY2(run.err.isEmpty(), run.err.constData());
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, runCli({u"-"_s}, same, locale).out);

    const Run unknown = runCli({u"-"_s}, "Age=40\nLocale=Klingon\n");
    QCOMPARE(unknown.code, 2);
    QVERIFY2(unknown.err.contains(": line 2: unknown locale \"Klingon\""), unknown.err.constData());
}

// --lang: English unless asked, whatever the environment; German help and
// messages when asked; a language Quarvex does not speak refused.
void TestCli::language_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("outStart");
    QTest::addColumn<QByteArray>("err");

    const QByteArray high = "SerumCreatinine=88,5\nUnitSerumCreatinine=mg/dL\n";
    QTest::addRow("help: English under a German environment")
        << QStringList{u"--help"_s} << QByteArray() << 0 << QByteArray("Usage: quarvex-cli ")
        << QByteArray();
    QTest::addRow("help: German asked for")
        << QStringList{u"--lang"_s, u"de"_s, u"--help"_s} << QByteArray() << 0
        << QByteArray("Aufruf: quarvex-cli ") << QByteArray();
    QTest::addRow("help: English asked for")
        << QStringList{u"--help"_s, u"--lang"_s, u"EN"_s} << QByteArray() << 0
        << QByteArray("Usage: quarvex-cli ") << QByteArray();
    QTest::addRow("a language not spoken")
        << QStringList{u"--lang"_s, u"fr"_s, u"--help"_s} << QByteArray() << 2 << QByteArray()
        << QByteArray("quarvex-cli: --lang takes de or en, not fr (see --help)\n");
    QTest::addRow("no language after --lang")
        << QStringList{u"--lang"_s} << QByteArray() << 2 << QByteArray()
        << QByteArray("quarvex-cli: --lang needs de or en (see --help)\n");
    QTest::addRow("a bad option, in German")
        << QStringList{u"--lang"_s, u"de"_s, u"--bogus"_s} << QByteArray() << 2 << QByteArray()
        << QByteArray("quarvex-cli: unbekannte Option --bogus (siehe --help)\n");
    QTest::addRow("a hint: English by default")
        << QStringList{u"-"_s} << high << 0 << QByteArray("Quarvex Test Results\r\n")
        << QByteArray("quarvex-cli: warning: SerumCreatinine: Serum creatinine 88,5 mg/dL is "
                      "above any value seen in patients (up to 75 mg/dL). Did you mean 88,5 "
                      "umol/L (1,0 mg/dL)?\n");
    QTest::addRow("a hint in German")
        << QStringList{u"--lang"_s, u"de_DE"_s, u"-"_s} << high << 0
        << QByteArray("Quarvex Test Results\r\n")
        << QByteArray("quarvex-cli: Warnung: SerumCreatinine: Serum-Kreatinin 88,5 mg/dL liegt "
                      "über jedem bei Patienten gesehenen Wert (bis 75 mg/dL). Meinten Sie 88,5 "
                      "umol/L (1,0 mg/dL)?\n");
}

void TestCli::language()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, code);
    QFETCH(QByteArray, outStart);
    QFETCH(QByteArray, err);
    const Run run = runCli(args, input, u"de_DE.UTF-8"_s);
    QCOMPARE(run.err, err);
    QCOMPARE(run.code, code);
    QVERIFY2(outStart.isEmpty() ? run.out.isEmpty() : run.out.startsWith(outStart),
             run.out.left(80).constData());
}

// What is written as data keeps its English under --lang de: the example's
// export, JSON and worked steps are those of the run without it, to the byte.
void TestCli::languageLeavesTheDataEnglish()
{
    QFile file(Example);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    for (const QStringList& mode : {QStringList{}, QStringList{u"--json"_s},
                                    QStringList{u"--steps"_s}, QStringList{u"--items-json"_s}}) {
        const QStringList args = mode + QStringList{u"-"_s};
        const Run english =
            runCli(mode == QStringList{u"--items-json"_s} ? mode : args, input, u"de_DE.UTF-8"_s);
        const Run german = runCli(QStringList{u"--lang"_s, u"de"_s} +
                                      (mode == QStringList{u"--items-json"_s} ? mode : args),
                                  input, u"de_DE.UTF-8"_s);
        QCOMPARE(english.code, 0);
        QVERIFY(!english.out.isEmpty());
        QCOMPARE(german.out, english.out);
    }
    // An exercise as JSON: its prompts and case text are data too.
    const QStringList practice{u"--practice"_s, u"egfr-ckd-epi-2021"_s, u"--seed"_s, u"3"_s};
    const Run english = runCli(practice, {}, u"de_DE.UTF-8"_s);
    const Run german = runCli(QStringList{u"--lang"_s, u"de"_s} + practice, {}, u"de_DE.UTF-8"_s);
    QCOMPARE(english.code, 0);
    QVERIFY(english.out.contains("\"prompt\""));
    QCOMPARE(german.out, english.out);
}

QUARVEX_CORE_TEST_MAIN(TestCli)
#include "tst_cli.moc"
