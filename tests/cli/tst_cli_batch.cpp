// quarvex-cli --batch from outside: exit statuses and messages, and each case
// of a batch against a run of quarvex-cli on that case alone.

#include "batch/batchrun.h"
#include "batch/csvreader.h"
#include "batch/csvwriter.h"
#include "coretestmain.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

using Pairs = QList<std::pair<QString, QString>>;
using Cases = QList<Pairs>;
Q_DECLARE_METATYPE(Cases)

class TestCliBatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void exitStatus_data();
    void exitStatus();
    void sameAsOneCaseAtATime_data();
    void sameAsOneCaseAtATime();
    void outputFileReplacedOnlyWhenWritten();

private:
    QTemporaryDir m_dir;
};

namespace {

struct Ran {
    int status = -1;
    QByteArray out;
    QStringList errLines;
};

Ran runCli(const QStringList& args, const QByteArray& input = {}, const QString& lcAll = u"C"_s)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, lcAll);
    env.insert(u"LANG"_s, lcAll);
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
    ran.errLines = QString::fromUtf8(process.readAllStandardError()).split(u'\n');
    ran.errLines.removeAll(QString());
    return ran;
}

QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QList<QStringList> readCsv(const QByteArray& bytes, char delimiter)
{
    QList<QStringList> records;
    CsvReader reader(delimiter,
                     [&records](const CsvRecord& record) {
                         QStringList fields;
                         for (QByteArrayView field : record.fields)
                             fields << QString::fromUtf8(field);
                         records << fields;
                     },
                     {});
    reader.feed(bytes);
    reader.finish();
    return records;
}

// The rows of an export file by test item: result and interpretation.
QHash<QString, QStringList> exportRows(const QByteArray& bytes)
{
    QHash<QString, QStringList> rows;
    const QStringList lines = QString::fromUtf8(bytes).split(u"\r\n"_s);
    const qsizetype heading = lines.indexOf(u"Test Item\tResult\tInterpretation"_s);
    for (qsizetype i = heading + 2; heading >= 0 && i < lines.size(); ++i) {
        const QStringList cells = lines.at(i).split(u'\t');
        if (cells.size() == 3)
            rows.insert(cells.at(0), cells.mid(1));
    }
    return rows;
}

} // namespace

void TestCliBatch::exitStatus_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("errors"); // the lines on standard error
    QTest::addColumn<int>("cases");          // output records after the header; -1: no output

    const QString in = u"standard input: "_s;
    const QString header = u"quarvex-cli: standard input: the header row names the columns: "
                           "Case and the field names of --help"_s;
    QTest::addRow("cases written")
        << QStringList{u"--batch"_s} << "Case,Age\na,1\nb,2\n"_ba << 0 << QStringList() << 2;
    QTest::addRow("unknown column")
        << QStringList{u"--batch"_s} << "Case,Agee\n"_ba << 2
        << QStringList{u"quarvex-cli: "_s + in + u"line 1: unknown column \"Agee\""_s, header}
        << -1;
    QTest::addRow("short row: status 3, the rest written")
        << QStringList{u"--batch"_s} << "Case,Age\na,1\nb\nc,3\n"_ba << 3
        << QStringList{u"quarvex-cli: "_s + in +
                       u"line 3: 1 field where the header has 2; row skipped"_s}
        << 2;
    QTest::addRow("--steps") << QStringList{u"--batch"_s, u"--steps"_s} << QByteArray() << 2
                             << QStringList{u"quarvex-cli: --steps cannot be used with --batch "
                                            "(see --help)"_s}
                             << -1;
    QTest::addRow("unknown locale")
        << QStringList{u"--batch"_s, u"--locale"_s, u"xx_QQ"_s} << QByteArray() << 2
        << QStringList{u"quarvex-cli: unknown locale xx_QQ (a name such as en_US or de_DE)"_s}
        << -1;
    QTest::addRow("missing input file")
        << QStringList{u"--batch"_s, u"/nonexistent/cases.csv"_s} << QByteArray() << 2
        << QStringList{u"quarvex-cli: /nonexistent/cases.csv: No such file or directory"_s} << -1;
}

void TestCliBatch::exitStatus()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QStringList, errors);
    QFETCH(int, cases);

    const Ran ran = runCli(args, input);
    QCOMPARE(ran.errLines, errors);
    QCOMPARE(ran.status, status);
    if (cases < 0) {
        QVERIFY(ran.out.isEmpty());
        return;
    }
    const QList<QStringList> records = readCsv(ran.out, ',');
    QCOMPARE(records.value(0), batchOutputColumns());
    QCOMPARE(records.size() - 1, cases);
}

void TestCliBatch::sameAsOneCaseAtATime_data()
{
    QTest::addColumn<Cases>("cases");
    QTest::addColumn<bool>("german");

    const auto p = [](const char* name, const char* value) {
        return std::pair{QString::fromLatin1(name), QString::fromUtf8(value)};
    };
    // Every field of the example input, then variations of it.
    Pairs full;
    QFile example(QString::fromUtf8(QUARVEX_EXAMPLE_INPUT));
    if (example.open(QIODevice::ReadOnly)) {
        for (const QString& line : QString::fromUtf8(example.readAll()).split(u'\n')) {
            const qsizetype eq = line.indexOf(u'=');
            if (!line.startsWith(u'#') && eq > 0)
                full << std::pair{line.left(eq), line.mid(eq + 1)};
        }
    }
    const auto with = [&full](const Pairs& changes) {
        Pairs out = full;
        for (const auto& [name, value] : changes) {
            for (auto& pair : out) {
                if (pair.first == name)
                    pair.second = value;
            }
        }
        return out;
    };
    const auto german = [](Pairs pairs) {
        for (auto& pair : pairs)
            pair.second.replace(u'.', u',');
        return pairs;
    };

    const Cases english{
        full,
        with({p("Age", ""), p("Gender", "female")}),
        with({p("SerumCreatinine", "1,1"), p("UnitHDL", "mg/dl"), p("Ferritin", "-5")}),
        with({p("UrineVolume", "40000"), p("Chol", "5.2"), p("UnitChol", "mmol/L"), p("Iron", "0"),
              p("Weight", "150"), p("UnitWeight", "lbs")}),
        {p("Ferritin", "12"), p("UnitFerritin", "ng/ml"), p("Case", "only ferritin")},
        {p("Age", "tall")},
    };
    QTest::addRow("English") << english << false;
    Cases inGerman;
    for (const Pairs& pairs : english)
        inGerman << german(pairs);
    inGerman << with({p("SerumCreatinine", "1.1")});
    QTest::addRow("German") << inGerman << true;
}

void TestCliBatch::sameAsOneCaseAtATime()
{
    QFETCH(Cases, cases);
    QFETCH(bool, german);
    const char delimiter = german ? ';' : ',';

    // The columns: every name of every case, in order of first use.
    QStringList columns{u"Case"_s};
    for (const Pairs& pairs : cases) {
        for (const auto& [name, value] : pairs) {
            if (!columns.contains(name))
                columns << name;
        }
    }
    QByteArray csv;
    for (const QString& column : columns)
        csv += column.toUtf8() + delimiter;
    csv.chop(1);
    csv += "\n";
    for (qsizetype c = 0; c < cases.size(); ++c) {
        QByteArray line = "case " + QByteArray::number(c);
        for (qsizetype i = 1; i < columns.size(); ++i) {
            QString value;
            for (const auto& [name, text] : cases.at(c)) {
                if (name == columns.at(i))
                    value = text;
            }
            line += delimiter;
            appendCsvField(line, value, delimiter);
        }
        csv += line + "\r\n";
    }

    QStringList args{u"--batch"_s};
    if (german)
        args << u"--locale"_s << u"de_DE"_s;
    const Ran batch = runCli(args, csv);
    QCOMPARE(batch.status, 0);
    QCOMPARE(batch.errLines, QStringList());
    const QList<QStringList> records = readCsv(batch.out, delimiter);
    QCOMPARE(records.size(), cases.size() + 1);
    const QStringList header = records.first();

    for (qsizetype c = 0; c < cases.size(); ++c) {
        QByteArray lines;
        for (const auto& [name, value] : cases.at(c)) {
            if (name != u"Case"_s)
                lines += (name + u'=' + value + u'\n').toUtf8();
        }
        const QString path = write(m_dir, u"case%1.txt"_s.arg(c), lines);
        const Ran single = runCli({path}, {}, german ? u"de_DE.UTF-8"_s : u"C"_s);
        QCOMPARE(single.status, 0);
        const QHash<QString, QStringList> rows = exportRows(single.out);
        if (c == 0) // the full example computes every item
            QCOMPARE(rows.size(), 28);

        const QStringList& record = records.at(c + 1);
        QCOMPARE(record.first(), u"case %1"_s.arg(c));
        // The values the single run reports (those it cannot read) are among
        // the batch's findings, and the batch finds no other such value.
        const QStringList findings = record.at(header.indexOf(u"findings"_s)).split(u" | "_s);
        QSet<QString> reported;
        for (const QString& line : single.errLines) {
            const QRegularExpressionMatch m =
                QRegularExpression(u"^quarvex-cli: line \\d+: \\w+: (.*)$"_s).match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            reported << m.captured(1);
        }
        QSet<QString> unreadable;
        for (const QString& finding : findings) {
            if (finding.contains(u" is not a number."_s) || finding.contains(u" is too large "_s) ||
                finding.contains(u" is out of range "_s))
                unreadable << finding.mid(finding.indexOf(u": "_s) + 2);
        }
        QCOMPARE(unreadable, reported);
        int computed = 0;
        for (qsizetype i = 1; i + 1 < header.size() - 2; i += 2) {
            const QStringList cells{record.at(i), record.at(i + 1)};
            const QStringList expected = rows.value(header.at(i), {QString(), QString()});
            if (cells != expected)
                qWarning("case %lld, %s", c, qPrintable(header.at(i)));
            QCOMPARE(cells, expected);
            computed += rows.contains(header.at(i));
        }
        QCOMPARE(computed, rows.size());
    }
}

void TestCliBatch::outputFileReplacedOnlyWhenWritten()
{
    const QString path = write(m_dir, u"out.csv"_s, "old contents\n");
    QVERIFY(!path.isEmpty());

    Ran ran = runCli({u"--batch"_s, u"-o"_s, path}, "Case,Nope\na,1\n");
    QCOMPARE(ran.status, 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "old contents\n"_ba);
    file.close();

    ran = runCli({u"--batch"_s, u"-o"_s, path}, "Case,Age\na,1\nb\n");
    QCOMPARE(ran.status, 3);
    QVERIFY(ran.out.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> records = readCsv(file.readAll(), ',');
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).first(), u"a"_s);
}

QUARVEX_CORE_TEST_MAIN(TestCliBatch)
#include "tst_cli_batch.moc"
