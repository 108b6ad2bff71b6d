// quarvex-cli --batch from outside: exit statuses and messages, and each case
// of a batch, as CSV and as JSON Lines, against runs of quarvex-cli on that
// case alone.

#include "batch/batchrun.h"
#include "coretestmain.h"
#include "csvio/csvreader.h"
#include "csvio/csvwriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>

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
// The full JSON line of a case (--json --full) with the --items-json
// document holds all that its complete --json document holds.
void compareLine(const QJsonObject& line, const QJsonObject& json,
                 const QHash<QString, QJsonArray>& variants,
                 const QHash<QString, QJsonArray>& evidence)
{
    const QJsonObject inputs = line[u"inputs"_s].toObject();
    QJsonArray hints;
    QCOMPARE(inputs.size(), json[u"inputs"_s].toArray().size());
    for (const QJsonValue input : json[u"inputs"_s].toArray()) {
        const QString field = input[u"field"_s].toString();
        QCOMPARE(inputs[field].toArray(), (QJsonArray{input[u"text"_s], input[u"unit"_s],
                                                      input[u"value"_s], input[u"reference"_s]}));
        for (const QJsonValue hint : input[u"hints"_s].toArray())
            hints << QJsonArray{field, hint};
    }
    QCOMPARE(line[u"hints"_s].toArray().size(), hints.size());
    for (const QJsonValue hint : hints)
        QVERIFY(line[u"hints"_s].toArray().contains(hint));

    QJsonArray findings;
    QJsonObject rows = line[u"rows"_s].toObject();
    QJsonObject notes = line[u"notes"_s].toObject();
    for (const QJsonValue item : json[u"items"_s].toArray()) {
        for (const QJsonValue f : item[u"findings"_s].toArray())
            findings << QJsonArray{item[u"name"_s], f[u"field"_s], f[u"kind"_s], f[u"text"_s]};
        for (const QJsonValue row : item[u"rows"_s].toArray()) {
            const QString name = row[u"name"_s].toString();
            const QJsonArray got = rows.take(name).toArray();
            QVERIFY2(got.size() == 5 || got.size() == 6, qPrintable(name));
            // The case's notes in the line, then the row's own in --items-json.
            QJsonArray rowNotes;
            for (const QJsonValue note : notes.take(name).toArray())
                rowNotes << QJsonObject{
                    {u"kind"_s, note[0]}, {u"text"_s, note[1]}, {u"sources"_s, note[2]}};
            for (const QJsonValue note : evidence.value(name))
                rowNotes << note;
            QCOMPARE(rowNotes, row[u"notes"_s].toArray());
            QCOMPARE(got.at(0), row[u"result"_s]);
            QCOMPARE(got.at(1), row[u"value"_s]);
            QCOMPARE(got.at(2), row[u"interpretation"_s]);
            QCOMPARE(got.at(4), row[u"substituted"_s]);
            const QJsonArray list = variants.value(name);
            const QJsonObject variant =
                got.size() == 6 && got.at(5).isObject()
                    ? got.at(5).toObject()
                    : list.at(got.size() == 6 ? got.at(5).toInt() : 0).toObject();
            QVERIFY2(got.size() == 6 || list.size() == 1, qPrintable(name));
            QCOMPARE(variant[u"formula"_s], row[u"formula"_s]);
            QCOMPARE(variant[u"expression"_s], row[u"expression"_s]);
            QCOMPARE(variant[u"shown"_s], row[u"shown"_s]);
            QCOMPARE(variant[u"suffix"_s], row[u"suffix"_s]);
            QCOMPARE(variant[u"bands"_s], row[u"bands"_s]);
            const QJsonValue band = got.at(3).isNull()
                                        ? QJsonValue(QJsonValue::Null)
                                        : variant[u"bands"_s].toArray().at(got.at(3).toInt());
            QCOMPARE(band, row[u"band"_s]);
        }
    }
    QVERIFY(rows.isEmpty());
    QVERIFY(notes.isEmpty());
    QCOMPARE(line[u"findings"_s].toArray(), findings);
}

} // namespace

void TestCliBatch::exitStatus_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("errors"); // the lines on standard error
    QTest::addColumn<int>("lines");          // lines written on standard output

    const QString in = u"quarvex-cli: standard input: "_s;
    QTest::addRow("unknown column")
        << QStringList{u"--batch"_s} << "Case,Agee\n"_ba << 2
        << QStringList{in + u"line 1: unknown column \"Agee\""_s,
                       in + u"the header row names the columns: Case and the field names of "
                            "--help"_s}
        << 0;
    QTest::addRow("JSON Lines, short row: status 3, the rest written")
        << QStringList{u"--batch"_s, u"--json"_s} << "Case,Age\na,1\nb\nc,3\n"_ba << 3
        << QStringList{in + u"line 3: 1 field where the header has 2; row skipped"_s} << 2;
    QTest::addRow("--steps") << QStringList{u"--batch"_s, u"--steps"_s} << QByteArray() << 2
                             << QStringList{u"quarvex-cli: --steps cannot be used with --batch "
                                            "(see --help)"_s}
                             << 0;
    QTest::addRow("unknown locale")
        << QStringList{u"--batch"_s, u"--locale"_s, u"xx_QQ"_s} << QByteArray() << 2
        << QStringList{u"quarvex-cli: unknown locale xx_QQ (a name such as en_US or de_DE)"_s} << 0;
    QTest::addRow("quote left open, no row skipped: status 3")
        << QStringList{u"--batch"_s} << "Case,Age\na,1\n\"b,2\n"_ba << 3
        << QStringList{in + u"line 3: a quote opened here is never closed; the input ends "
                            "inside it"_s}
        << 2;
    QTest::addRow("a second -o") << QStringList{u"--batch"_s, u"-o"_s, u"A"_s, u"-o"_s, u"B"_s}
                                 << "Case,Age\na,1\n"_ba << 2
                                 << QStringList{u"quarvex-cli: only one -o can be given (see "
                                                "--help)"_s}
                                 << 0;
    QTest::addRow("-o -: standard output") << QStringList{u"--batch"_s, u"-"_s, u"-o"_s, u"-"_s}
                                           << "Case,Age\na,1\n"_ba << 0 << QStringList() << 2;
    QTest::addRow("-- ends the options") << QStringList{u"--batch"_s, u"--"_s, u"-"_s}
                                         << "Case,Age\na,1\n"_ba << 0 << QStringList() << 2;
    QTest::addRow("0 bytes: no header row")
        << QStringList{u"--batch"_s} << QByteArray() << 2
        << QStringList{in + u"no header row; the first row names the columns: Case and the "
                            "field names of --help"_s}
        << 0;
    QTest::addRow("a Case that is not UTF-8: its row skipped")
        << QStringList{u"--batch"_s} << "Case,Age\n\xff\xfe,1\nb,2\n"_ba << 3
        << QStringList{in + u"line 2: not UTF-8 text; row skipped"_s} << 2;
    QTest::addRow("last row cut without its line end")
        << QStringList{u"--batch"_s} << "Case,Weight,Age\nA,80,100\nB,80,1"_ba << 3
        << QStringList{in + u"line 3: the last row has no line end, so the input may have been "
                            "cut short inside it; row skipped"_s}
        << 2;
    QTest::addRow("control characters of a header escaped")
        << QStringList{u"--batch"_s} << "Case,\x1b[31mX\x07\n"_ba << 2
        << QStringList{in + u"line 1: unknown column \"\\x1b[31mX\\x07\""_s,
                       in + u"the header row names the columns: Case and the field names of "
                            "--help"_s}
        << 0;
    QTest::addRow("--threads without --batch")
        << QStringList{u"--threads"_s, u"2"_s} << QByteArray() << 2
        << QStringList{u"quarvex-cli: --threads can only be used with --batch (see --help)"_s} << 0;
    QTest::addRow("--items-json with an input")
        << QStringList{u"--items-json"_s, u"-"_s} << QByteArray() << 2
        << QStringList{u"quarvex-cli: --items-json reads no input and takes no option but -o"
                       ", --locale and --lang (see --help)"_s}
        << 0;
    for (const QStringList& args :
         {QStringList{u"--full"_s}, QStringList{u"--batch"_s, u"--full"_s},
          QStringList{u"--json"_s, u"--full"_s}, QStringList{u"--items-json"_s, u"--full"_s}}) {
        QTest::addRow("%s", qPrintable(args.join(u' ')))
            << args << QByteArray() << 2
            << QStringList{u"quarvex-cli: --full can only be used with --batch --json (see "
                           "--help)"_s}
            << 0;
    }
    QTest::addRow("missing input file")
        << QStringList{u"--batch"_s, u"/nonexistent/cases.csv"_s} << QByteArray() << 2
        << QStringList{u"quarvex-cli: /nonexistent/cases.csv: No such file or directory"_s} << 0;
}

void TestCliBatch::exitStatus()
{
    QFETCH(QStringList, args);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QStringList, errors);
    QFETCH(int, lines);

    const Ran ran = runCli(args, input);
    QCOMPARE(ran.errLines, errors);
    QCOMPARE(ran.status, status);
    QCOMPARE(ran.out.count('\n'), lines);
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
            // (the Locale line is the file's, not a field)
            if (!line.startsWith(u'#') && eq > 0 && line.left(eq) != u"Locale"_s)
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

    const Cases english{
        full,
        with({p("Age", ""), p("Gender", "female"), p("UnitFerritin", "µg/L")}),
        with({p("SerumCreatinine", "1,1"), p("UnitHDL", "mg/dl"), p("Ferritin", "-5")}),
        with({p("UrineVolume", "40000"), p("Chol", "5.2"), p("UnitChol", "mmol/L"), p("Iron", "0"),
              p("Weight", "150"), p("UnitWeight", "lbs")}),
        with({p("SerumCreatinine", "88"), p("HDL", "250.5"), p("Iron", "400")}),
        with({p("Gender", "Female \t"), p("UnitHDL", "mg/dL "), p("UnitWeight", "lbs  ")}),
        {p("Ferritin", "12"), p("UnitFerritin", "ng/ml"), p("Case", "only ferritin")},
        {p("Age", "tall")},
    };
    QTest::addRow("English") << english << false;
    Cases german;
    for (Pairs pairs : english) {
        for (auto& pair : pairs)
            pair.second.replace(u'.', u',');
        german << pairs;
    }
    german << with({p("SerumCreatinine", "1.1")});
    QTest::addRow("German") << german << true;
}

// Each case of one batch, as CSV and as JSON Lines, against quarvex-cli on
// that case alone: the JSON line is its --json document with the case added;
// the CSV cells are its rows, the findings those of the items it does not
// compute and the hints those on its inputs, each once.
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
    QByteArray csv = columns.join(QLatin1Char(delimiter)).toUtf8() + '\n';
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
    // The lines that stand alone; the lean ones are rebuilt from --items-json
    // by the guide's reader (tests/reference/leanlines.py).
    const Ran jsonBatch = runCli(args << u"--json"_s << u"--full"_s, csv);
    QCOMPARE(jsonBatch.status, 0);
    const Ran itemsRun = runCli({u"--items-json"_s});
    QCOMPARE(itemsRun.status, 0);
    QHash<QString, QJsonArray> variants; // by row name
    QHash<QString, QJsonArray> evidence; // the dated and unsourced notes, by row name
    for (const QJsonValue item : QJsonDocument::fromJson(itemsRun.out)[u"items"_s].toArray()) {
        for (const QJsonValue row : item[u"rows"_s].toArray()) {
            variants.insert(row[u"name"_s].toString(), row[u"variants"_s].toArray());
            evidence.insert(row[u"name"_s].toString(), row[u"notes"_s].toArray());
        }
    }
    const QList<QByteArray> jsonLines = jsonBatch.out.split('\n');
    QCOMPARE(jsonLines.size(), cases.size() + 1);
    QVERIFY(jsonLines.last().isEmpty());

    const QString locale = german ? u"de_DE.UTF-8"_s : u"C"_s;
    for (qsizetype c = 0; c < cases.size(); ++c) {
        QByteArray lines;
        for (const auto& [name, value] : cases.at(c)) {
            if (name != u"Case"_s)
                lines += (name + u'=' + value + u'\n').toUtf8();
        }
        const Ran single = runCli({u"--json"_s}, lines, locale);
        QCOMPARE(single.status, 0);
        const QJsonObject json = QJsonDocument::fromJson(single.out).object();
        const QString id = u"case %1"_s.arg(c);
        const QJsonObject line = QJsonDocument::fromJson(jsonLines.at(c)).object();
        QCOMPARE(line[u"case"_s].toString(), id);
        compareLine(line, json, variants, evidence);

        const QStringList& record = records.at(c + 1);
        QCOMPARE(record.first(), id);
        QHash<QString, QStringList> rows;
        QStringList findings;
        for (const QJsonValue item : json[u"items"_s].toArray()) {
            for (const QJsonValue row : item[u"rows"_s].toArray()) {
                rows.insert(row[u"name"_s].toString(),
                            {row[u"result"_s].toString(), row[u"interpretation"_s].toString()});
            }
            for (const QJsonValue finding : item[u"findings"_s].toArray()) {
                const QString text =
                    item[u"name"_s].toString() + u": "_s + finding[u"text"_s].toString();
                if (!findings.contains(text))
                    findings << text;
            }
        }
        if (c == 0) // the full example computes every item
            QCOMPARE(rows.size(), 34);
        int computed = 0;
        for (qsizetype i = 1; i + 1 < header.size() - 3; i += 2) {
            const QStringList expected = rows.value(header.at(i), {QString(), QString()});
            QVERIFY2(record.mid(i, 2) == expected, qPrintable(header.at(i)));
            computed += rows.contains(header.at(i));
        }
        QCOMPARE(computed, rows.size());
        QCOMPARE(record.at(header.size() - 3), findings.join(u" | "_s));
        QSet<QString> hints;
        for (const QJsonValue input : json[u"inputs"_s].toArray()) {
            for (const QJsonValue hint : input[u"hints"_s].toArray())
                hints << hint.toString();
        }
        const QStringList batchHints =
            record.at(header.size() - 2).split(u" | "_s, Qt::SkipEmptyParts);
        QCOMPARE(batchHints.size(), hints.size());
        QCOMPARE(QSet<QString>(batchHints.begin(), batchHints.end()), hints);
        // The notes column: the context and rounding notes of the rows, in
        // order, a context note of several rows once, where it first comes,
        // with the names of its rows.
        QList<std::pair<QStringList, QString>> shown; // rows, text
        for (const QJsonValue item : json[u"items"_s].toArray()) {
            for (const QJsonValue row : item[u"rows"_s].toArray()) {
                const QString name = row[u"name"_s].toString();
                for (const QJsonValue note : row[u"notes"_s].toArray()) {
                    const QString kind = note[u"kind"_s].toString();
                    const QString text = note[u"text"_s].toString();
                    const auto same = std::find_if(shown.begin(), shown.end(),
                                                   [&](const auto& s) { return s.second == text; });
                    if (kind == u"context"_s && same != shown.end())
                        same->first << name;
                    else if (kind == u"context"_s || kind == u"rounding"_s)
                        shown.append({QStringList{name}, text});
                }
            }
        }
        QStringList notes;
        for (const auto& [names, text] : shown)
            notes << names.join(u", "_s) + u": "_s + text;
        QCOMPARE(header.last(), u"notes"_s);
        QCOMPARE(record.last(), notes.join(u" | "_s));
    }
}

void TestCliBatch::outputFileReplacedOnlyWhenWritten()
{
    const QString path = m_dir.filePath(u"out.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old contents\n");
    file.close();

    Ran ran = runCli({u"--batch"_s, u"-o"_s, path}, "Case,Nope\na,1\n");
    QCOMPARE(ran.status, 2);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), "old contents\n"_ba);
    file.close();

    ran = runCli({u"--batch"_s, u"-o"_s, path}, "Case,Age\na,1\nb\n");
    QCOMPARE(ran.status, 3);
    QVERIFY(ran.out.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> records = readCsv(file.readAll(), ',');
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(0), batchOutputColumns());
    QCOMPARE(records.at(1).first(), u"a"_s);
}

QUARVEX_CORE_TEST_MAIN(TestCliBatch)
#include "tst_cli_batch.moc"
