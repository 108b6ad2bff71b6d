// quarvex-cli from outside: the example input gives the hand-written export,
// whatever line ends the input has and wherever the output goes.

#include "coretestmain.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
    QTest::addRow("CR LF, written with -o")
        << toFile << exampleEndingIn("\r\n") << leapDay << QByteArray("generated on Feb-29-2024");
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
