#include "batch/batchrun.h"
#include "batch/caseevaluation.h"
#include "coretestmain.h"
#include "csvio/csvreader.h"
#include "csvio/csvwriter.h"

#include "calc/notes.h"
#include "overview/json.h"
#include "overview/overview.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

using Records = QList<QStringList>;
Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(quarvex::BatchSummary::Status)

class TestBatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readRecords_data();
    void readRecords();
    void detectDelimiter_data();
    void detectDelimiter();
    void runInput_data();
    void runInput();
    void delimiterAndLocale_data();
    void delimiterAndLocale();
    void sameOutputOnAnyNumberOfThreads();
    void failedWriteStopsTheRun();
    void outOfMemoryEndsTheRun();
    void exitStatusOfEveryStatus_data();
    void exitStatusOfEveryStatus();
    void cellsFromTheInputAreGuarded_data();
    void cellsFromTheInputAreGuarded();
    void joinedFieldsAsTheJoinedText_data();
    void joinedFieldsAsTheJoinedText();
    void recordsOverTheLimitAreSkipped();
    void blanksAfterUnitAndGenderAsInACaseFile();
    void everyGridRowHasItsVariantsInItemsJson();
    void progressText_data();
    void progressText();
    void notesColumn_data();
    void notesColumn();
};

namespace {

Records recs(std::initializer_list<std::initializer_list<const char*>> records)
{
    Records out;
    for (const auto& record : records) {
        QStringList fields;
        for (const char* field : record)
            fields << QString::fromUtf8(field);
        out << fields;
    }
    return out;
}

struct Parsed {
    Records records;
    QList<int> lines;
    QList<int> badQuotes;
    std::optional<int> openQuote;
};

// Feeds the bytes whole, or a few bytes at a time to cross every boundary.
Parsed parse(const QByteArray& bytes, char delimiter, qsizetype piece = 0)
{
    Parsed out;
    CsvReader reader(
        delimiter,
        [&out](const CsvRecord& record) {
            QStringList fields;
            for (QByteArrayView field : record.fields)
                fields << QString::fromUtf8(field);
            out.records << fields;
            out.lines << record.line;
        },
        [&out](int line) { out.badQuotes << line; });
    const qsizetype step = piece > 0 ? piece : std::max(bytes.size(), qsizetype(1));
    for (qsizetype i = 0; i < bytes.size(); i += step)
        reader.feed(QByteArrayView(bytes).sliced(i, std::min(step, bytes.size() - i)));
    out.openQuote = reader.finish();
    return out;
}

struct RunResult {
    BatchSummary summary;
    QByteArray output;
    QStringList reports;
    QList<BatchProgress> progress;
};

RunResult run(const QByteArray& input, const QLocale& locale = QLocale::c(), int threads = 2,
              BatchFormat format = BatchFormat::Csv)
{
    RunResult out;
    QByteArray in = input;
    QBuffer inBuffer(&in);
    inBuffer.open(QIODevice::ReadOnly);
    QBuffer outBuffer(&out.output);
    outBuffer.open(QIODevice::WriteOnly);
    BatchOptions options;
    options.locale = locale;
    options.threads = threads;
    options.format = format;
    options.report = [&out](const QString& text) { out.reports << text; };
    options.progressInterval = 0.0;
    options.progress = [&out](const BatchProgress& p) { out.progress << p; };
    out.summary = runBatch(inBuffer, outBuffer, options);
    return out;
}

// The case identifiers of an output: the first column of CSV after its
// header, or the "case" of each JSON line.
QStringList caseIds(const QByteArray& output, BatchFormat format, char delimiter = ',')
{
    QStringList ids;
    if (format == BatchFormat::Csv) {
        const Records records = parse(output, delimiter).records;
        for (qsizetype i = 1; i < records.size(); ++i)
            ids << records.at(i).first();
        return ids;
    }
    for (const QByteArray& line : output.split('\n')) {
        if (!line.isEmpty())
            ids << QJsonDocument::fromJson(line).object().value(u"case"_s).toString();
    }
    return ids;
}

const QByteArray Kidney = "Case,Age,Weight,UnitWeight,Gender,SerumCreatinine,UnitSerumCreatinine\n";

} // namespace

void TestBatch::readRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<Records>("records");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QList<int>>("badQuotes");
    QTest::addColumn<int>("openQuote"); // 0: none

    const QList<int> none;
    QTest::addRow("semicolon, comma inside a field, no line end at the end")
        << "a;b\n1,5;2"_ba << ';' << recs({{"a", "b"}, {"1,5", "2"}}) << QList<int>{1, 2} << none
        << 0;
    QTest::addRow("tab, CR LF, blanks belong to the field")
        << "a\tb\r\n1\t \r\n"_ba << '\t' << recs({{"a", "b"}, {"1", " "}}) << QList<int>{1, 2}
        << none << 0;
    QTest::addRow("doubled quotes, delimiter inside quotes")
        << "a,b\n\"say \"\"hi\"\"\",\"1,5\"\n"_ba << ','
        << recs({{"a", "b"}, {"say \"hi\"", "1,5"}}) << QList<int>{1, 2} << none << 0;
    QTest::addRow("line breaks inside quotes: a record starts where it starts")
        << "a,b\n\"one\ntwo\",\"x\r\ny\"\r\n3,4\n"_ba << ','
        << recs({{"a", "b"}, {"one\ntwo", "x\r\ny"}, {"3", "4"}}) << QList<int>{1, 2, 5} << none
        << 0;
    QTest::addRow("blank lines are no records")
        << "a\n\n\r\n\nb\n\n"_ba << ',' << recs({{"a"}, {"b"}}) << QList<int>{1, 5} << none << 0;
    QTest::addRow("quote left open after a field with a line break")
        << "a,b\n\"x\ny\",\"open\nmore\n"_ba << ',' << recs({{"a", "b"}}) << QList<int>{1} << none
        << 3;
    QTest::addRow("text after a closing quote drops its record only")
        << "a,b\n\"1\"2,3\r\n3,4\n"_ba << ',' << recs({{"a", "b"}, {"3", "4"}}) << QList<int>{1, 3}
        << QList<int>{2} << 0;
}

void TestBatch::readRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(char, delimiter);
    QFETCH(Records, records);
    QFETCH(QList<int>, lines);
    QFETCH(QList<int>, badQuotes);
    QFETCH(int, openQuote);

    for (qsizetype piece : {0, 1, 2}) {
        const Parsed parsed = parse(bytes, delimiter, piece);
        QCOMPARE(parsed.records, records);
        QCOMPARE(parsed.lines, lines);
        QCOMPARE(parsed.badQuotes, badQuotes);
        QCOMPARE(parsed.openQuote.value_or(0), openQuote);
    }
}

void TestBatch::detectDelimiter_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<char>("delimiter");

    QTest::addRow("only the first line counts, whatever ends it")
        << "Case;Age\r1,2,3,4\n"_ba << ';';
    QTest::addRow("one column: comma") << "Age\n1;2;3\n"_ba << ',';
    QTest::addRow("the most frequent wins") << "A;B;C,D\n"_ba << ';';
}

void TestBatch::detectDelimiter()
{
    QFETCH(QByteArray, header);
    QFETCH(char, delimiter);
    QCOMPARE(quarvex::detectDelimiter(header), delimiter);
}

void TestBatch::runInput_data()
{
    using S = BatchSummary::Status;
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<S>("status");
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QStringList>("ids"); // the case identifiers written

    // The identifiers are written back as given: quoted where they need it.
    QTest::addRow("identifiers from the Case column")
        << "Case,Age\n\"fi\nrst\",40\n\"sec, \"\"ond\"\"\",50\n\xC2\xB5,60\n"_ba << S::Done
        << QStringList() << QStringList{u"fi\nrst"_s, u"sec, \"ond\""_s, u"µ"_s};
    QTest::addRow("without a Case column, data rows from 1, skipped ones counted")
        << "Age\n40\n50,1\n60\n"_ba << S::BadRows
        << QStringList{u"line 3: 2 fields where the header has 1; row skipped"_s}
        << QStringList{u"1"_s, u"3"_s};
    QTest::addRow("byte order mark") << "\xEF\xBB\xBF"
                                        "Case;Age\n\"x;y\";1\n"_ba
                                     << S::Done << QStringList() << QStringList{u"x;y"_s};
    QTest::addRow("empty input: no header row")
        << QByteArray() << S::NoHeader << QStringList() << QStringList();
    QTest::addRow("only blank lines and a byte order mark: no header row")
        << "\xEF\xBB\xBF\r\n\n"_ba << S::NoHeader << QStringList() << QStringList();
    QTest::addRow("header only, without a line end")
        << "Case,Age"_ba << S::Done << QStringList() << QStringList();
    QTest::addRow("last row without a line end may be cut: skipped")
        << "Case,Weight\na,80\nb,80"_ba << S::BadRows
        << QStringList{u"line 3: the last row has no line end, so the input may have been cut "
                       "short inside it; row skipped"_s}
        << QStringList{u"a"_s};
    QTest::addRow("last row ended by a closing quote is complete")
        << "Case,Weight\na,80\nb,\"80\""_ba << S::Done << QStringList()
        << QStringList{u"a"_s, u"b"_s};
    QTest::addRow("a cell that is not UTF-8 skips its row")
        << "Case,Age,UnitWeight\na\xff,1,kg\nb,2,kg\nc,3,k\xC3\n"_ba << S::BadRows
        << QStringList{u"line 2: not UTF-8 text; row skipped"_s,
                       u"line 4: not UTF-8 text; row skipped"_s}
        << QStringList{u"b"_s};
    QTest::addRow("bad column names: escaped, cut short, the first five named")
        << "Case,\x1b[31mX\x07,b,c,d,e,f,g\n"_ba << S::BadHeader
        << QStringList{u"line 1: unknown columns \"\\x1b[31mX\\x07\", \"b\", \"c\", \"d\", \"e\", "
                       "and 2 more"_s}
        << QStringList();
    QTest::addRow("header only") << "Case,Age\r\n"_ba << S::Done << QStringList() << QStringList();
    QTest::addRow("unknown and repeated columns")
        << "Case,Agee,Age,foo,Age,Age\nx,1,2,3,4,5\n"_ba << S::BadHeader
        << QStringList{u"line 1: unknown columns \"Agee\", \"foo\""_s,
                       u"line 1: repeated column \"Age\""_s}
        << QStringList();
    QTest::addRow("short row skipped, the others written")
        << "Case,Age\na,1\nb\nc,3\n"_ba << S::BadRows
        << QStringList{u"line 3: 1 field where the header has 2; row skipped"_s}
        << QStringList{u"a"_s, u"c"_s};
    QTest::addRow("quote left open ends the input")
        << "Case,Age\na,1\n\"b,2\nc,3\n"_ba << S::BadRows
        << QStringList{u"line 3: a quote opened here is never closed; the input ends inside it"_s}
        << QStringList{u"a"_s};
    QTest::addRow("quote left open in the header")
        << "\"Case,Age\na,1\n"_ba << S::BadHeader
        << QStringList{u"line 1: a quote opened here is never closed; the input ends inside it"_s}
        << QStringList();
    QByteArray swallowed = "Case,Age\na,1\n\n\"b,2\n";
    for (int i = 0; i < 100000; ++i)
        swallowed += "c,3456789012345\n";
    QTest::addRow("quote left open in a large input: memory stays bounded")
        << swallowed << S::BadRows
        << QStringList{u"line 4: a record of over 1 MB (is a quote left open?); row skipped"_s,
                       u"line 4: a quote opened here is never closed; the input ends inside it"_s}
        << QStringList{u"a"_s};
    const QByteArray over(1024 * 1024 + 10, 'x');
    QTest::addRow("a record over 1 MB is skipped, the rows after it read")
        << "Case,Age\na,1\nb,"_ba + over + "\nc,3\n"_ba << S::BadRows
        << QStringList{u"line 3: a record of over 1 MB (is a quote left open?); row skipped"_s}
        << QStringList{u"a"_s, u"c"_s};
    QByteArray manyLines = "Case,Age\na,1\n\"b\n"_ba;
    for (int i = 0; i < 1100; ++i)
        manyLines += QByteArray(1000, 'y') + "\n";
    QTest::addRow("a quoted record over 1 MB on many lines is skipped to its closing quote")
        << manyLines + "\",2\nc,3\n"_ba << S::BadRows
        << QStringList{u"line 3: a record of over 1 MB (is a quote left open?); row skipped"_s}
        << QStringList{u"a"_s, u"c"_s};
    QTest::addRow("a header over 1 MB is refused")
        << "Case,"_ba + over + "\na,1\n"_ba << S::BadHeader
        << QStringList{u"line 1: the header row: a record of over 1 MB (is a quote left open?)"_s}
        << QStringList();
    QTest::addRow("misplaced quote skips its row")
        << "Case,Age\na,1\"\nb,2\n"_ba << S::BadRows
        << QStringList{u"line 2: a quote inside a field that does not start with one, or text "
                       "after a closing quote; row skipped"_s}
        << QStringList{u"b"_s};
}

void TestBatch::runInput()
{
    QFETCH(QByteArray, input);
    QFETCH(BatchSummary::Status, status);
    QFETCH(QStringList, reports);
    QFETCH(QStringList, ids);

    for (BatchFormat format : {BatchFormat::Csv, BatchFormat::JsonLines}) {
        for (int threads : {1, 2}) {
            const RunResult result = run(input, QLocale::c(), threads, format);
            QCOMPARE(result.summary.status, status);
            QCOMPARE(result.reports, reports);
            QCOMPARE(result.summary.cases, ids.size());
            if (status == BatchSummary::Status::BadHeader ||
                status == BatchSummary::Status::NoHeader) {
                QVERIFY(result.output.isEmpty());
                continue;
            }
            const char delimiter = input.contains(';') ? ';' : ',';
            if (format == BatchFormat::Csv) {
                QCOMPARE(parse(result.output, delimiter).records.value(0), batchOutputColumns());
            } else {
                // JSON Lines: no header, one line ended by LF per case.
                QCOMPARE(result.output.count('\n'), ids.size());
                QVERIFY(!result.output.contains('\r'));
            }
            QCOMPARE(caseIds(result.output, format, delimiter), ids);
        }
    }
}

void TestBatch::delimiterAndLocale_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("clearance");

    const QByteArray english = Kidney + "a 1,40,70.5,kg,Male,1.1,mg/dL\n";
    for (char delimiter : {',', ';', '\t'}) {
        QByteArray input = english;
        QTest::addRow("C locale, delimiter %d", delimiter)
            << input.replace(',', delimiter) << u"C"_s << u"89.02 mL/min"_s;
    }
    QTest::addRow("German, commas quoted")
        << Kidney + "a 1,40,\"70,5\",kg,Male,\"1,1\",mg/dL\n"_ba << u"de_DE"_s << u"89,02 mL/min"_s;
    QTest::addRow("a decimal comma is no number in the C locale")
        << Kidney + "a 1,40,\"70,5\",kg,Male,\"1,1\",mg/dL\n"_ba << u"C"_s << QString();
    QTest::addRow("group separators are no numbers")
        << Kidney + "a 1,40,\"1,070\",kg,Male,1.1,mg/dL\n"_ba << u"en_US"_s << QString();
}

void TestBatch::delimiterAndLocale()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, locale);
    QFETCH(QString, clearance);

    const char delimiter = quarvex::detectDelimiter(input);
    const RunResult result = run(input, QLocale(locale));
    QCOMPARE(result.summary.status, BatchSummary::Status::Done);
    QVERIFY(result.output.startsWith("Case" + QByteArray(1, delimiter) + "Total Cholesterol"));
    QVERIFY(result.output.endsWith("\r\n"));
    const Records records = parse(result.output, delimiter).records;
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).size(), batchOutputColumns().size());
    QCOMPARE(records.at(1).first(), u"a 1"_s);
    QCOMPARE(records.at(1).at(records.first().indexOf(u"Creatinine Clearance (GFR)"_s)), clearance);
}

namespace {

// Many distinct cases, several batches' worth, some of them not computable.
QByteArray manyCases(int count)
{
    QByteArray input = Kidney;
    for (int i = 0; i < count; ++i) {
        input += "c" + QByteArray::number(i) + ',' + QByteArray::number(18 + i % 70) + ',' +
                 QByteArray::number(40 + i % 83) + ",kg," + (i % 2 ? "Male" : "Female") + ',' +
                 (i % 97 == 0 ? "x" : QByteArray::number(0.5 + (i % 31) / 10.0)) + ",mg/dL\n";
    }
    return input;
}

} // namespace

void TestBatch::sameOutputOnAnyNumberOfThreads()
{
    for (const auto& [format, count] :
         {std::pair{BatchFormat::Csv, 3000}, std::pair{BatchFormat::JsonLines, 1000}}) {
        const QByteArray input = manyCases(count);
        const RunResult one = run(input, QLocale::c(), 1, format);
        for (int threads : {2, 8}) {
            const RunResult many = run(input, QLocale::c(), threads, format);
            QCOMPARE(many.summary.status, BatchSummary::Status::Done);
            QCOMPARE(many.summary.cases, count);
            QVERIFY(many.output == one.output);
        }
        const QStringList ids = caseIds(one.output, format);
        QCOMPARE(ids.size(), count);
        QCOMPARE(ids.last(), u"c%1"_s.arg(count - 1));
        // Progress grows and ends with the total, the whole input read.
        const QList<BatchProgress>& calls = one.progress;
        QVERIFY(calls.size() >= 3); // the header, the batches, the end
        for (qsizetype i = 1; i < calls.size(); ++i)
            QVERIFY(calls.at(i).cases >= calls.at(i - 1).cases && !calls.at(i - 1).finished);
        QVERIFY(calls.last().finished);
        QCOMPARE(calls.last().cases, count);
        QCOMPARE(calls.last().bytesRead, input.size());
        QCOMPARE(calls.last().inputSize, input.size());
    }
}

namespace {

// Accepts a number of bytes, then refuses every write (a full disk).
class FullDevice final : public QIODevice
{
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (m_room <= 0) {
            setErrorString(u"No space left on device"_s);
            return -1;
        }
        const qint64 taken = std::min(size, m_room);
        m_room -= taken;
        return taken;
    }

private:
    qint64 m_room;
};

} // namespace

void TestBatch::failedWriteStopsTheRun()
{
    // One thread failing at the header, two failing later with batches in flight.
    for (const auto& [threads, room] : {std::pair{1, 10}, std::pair{2, 200000}}) {
        QByteArray in = manyCases(3000);
        QBuffer input(&in);
        input.open(QIODevice::ReadOnly);
        FullDevice output(room);
        BatchOptions options;
        options.threads = threads;
        const BatchSummary summary = runBatch(input, output, options);
        QCOMPARE(summary.status, BatchSummary::Status::WriteFailed);
        QCOMPARE(summary.error, u"No space left on device"_s);
        QVERIFY(summary.cases < 3000);
    }
}

void TestBatch::progressText_data()
{
    QTest::addColumn<qint64>("cases");
    QTest::addColumn<qint64>("bytesRead");
    QTest::addColumn<qint64>("inputSize");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");

    QTest::addRow("size unknown") << qint64(1000) << qint64(500) << qint64(-1) << 0.5
                                  << u"1000 cases, 2000 cases/s"_s;
    QTest::addRow("seconds left") << qint64(5000) << qint64(250) << qint64(1000) << 2.0
                                  << u"5000 cases, 2500 cases/s, 0:06 left"_s;
    QTest::addRow("hours left") << qint64(10) << qint64(1) << qint64(1001) << 3.723
                                << u"10 cases, 2 cases/s, 1:02:03 left"_s;
}

void TestBatch::progressText()
{
    QFETCH(qint64, cases);
    QFETCH(qint64, bytesRead);
    QFETCH(qint64, inputSize);
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(quarvex::progressText({cases, bytesRead, inputSize, seconds, false}), text);
}

namespace {

// Throws std::bad_alloc once a number of bytes was written, as an allocation
// in the writing thread would.
class ExhaustedDevice final : public QIODevice
{
public:
    explicit ExhaustedDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        if (m_room < size)
            throw std::bad_alloc();
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

} // namespace

// Memory running out anywhere in a run (while writing, or in a report made
// from inside the CSV reader's callbacks) ends it with OutOfMemory, whatever
// the threads, instead of ending the program.
void TestBatch::outOfMemoryEndsTheRun()
{
    for (int threads : {1, 2}) {
        QByteArray in = manyCases(3000);
        QBuffer input(&in);
        input.open(QIODevice::ReadOnly);
        ExhaustedDevice output(100000);
        BatchOptions options;
        options.threads = threads;
        QCOMPARE(runBatch(input, output, options).status, BatchSummary::Status::OutOfMemory);

        QByteArray skipped = Kidney + "a,1\nb\nc,3\n";
        QBuffer skippedInput(&skipped);
        skippedInput.open(QIODevice::ReadOnly);
        QByteArray out;
        QBuffer outBuffer(&out);
        outBuffer.open(QIODevice::WriteOnly);
        options.report = [](const QString&) { throw std::bad_alloc(); };
        QCOMPARE(runBatch(skippedInput, outBuffer, options).status,
                 BatchSummary::Status::OutOfMemory);
    }
}

void TestBatch::exitStatusOfEveryStatus_data()
{
    using S = BatchSummary::Status;
    QTest::addColumn<S>("status");
    QTest::addColumn<int>("exit");
    QTest::addRow("every case written") << S::Done << 0;
    // Also a quote left open or a record of over 1 MB with no row skipped.
    QTest::addRow("rows skipped, the rest written") << S::BadRows << 3;
    QTest::addRow("bad header") << S::BadHeader << 2;
    QTest::addRow("no header row") << S::NoHeader << 2;
    QTest::addRow("input not read") << S::ReadFailed << 2;
    QTest::addRow("output refused a write") << S::WriteFailed << 1;
    QTest::addRow("out of memory") << S::OutOfMemory << 1;
    QTest::addRow("refused as a whole") << S::Refused << 2;
}

void TestBatch::cellsFromTheInputAreGuarded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("cell");
    // What a spreadsheet would run: an apostrophe ahead, in quotes.
    QTest::addRow("equals") << u"=HYPERLINK(\"http://x\",\"y\")"_s
                            << "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""_ba;
    QTest::addRow("plus") << u"+1"_s << "\"'+1\""_ba;
    QTest::addRow("minus") << u"-2+3"_s << "\"'-2+3\""_ba;
    QTest::addRow("at") << u"@SUM(1+1)"_s << "\"'@SUM(1+1)\""_ba;
    QTest::addRow("tab first") << u"\t=1"_s << "\"'\t=1\""_ba;
    QTest::addRow("carriage return first") << u"\r=1"_s << "\"'\r=1\""_ba;
    QTest::addRow("with the delimiter") << u"=1,2"_s << "\"'=1,2\""_ba;
    // Anything else as it was, but control characters.
    QTest::addRow("plain") << u"Anna Meier"_s << "Anna Meier"_ba;
    QTest::addRow("inner sign") << u"a=b-c"_s << "a=b-c"_ba;
    QTest::addRow("blank first") << u" =1"_s << " =1"_ba;
    QTest::addRow("empty") << QString() << QByteArray();
    QTest::addRow("escape sequence") << u"x\x1b[31mred\x07"_s << "x\\x1b[31mred\\x07"_ba;
    QTest::addRow("DEL and C1") << u"a\x7f\u0085b"_s << "a\\x7f\\x85b"_ba;
    QTest::addRow("line breaks stay, quoted") << u"a\nb"_s << "\"a\nb\""_ba;
    QTest::addRow("beyond ASCII") << u"M\u00fcller"_s << "M\xc3\xbcller"_ba;
}

void TestBatch::cellsFromTheInputAreGuarded()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, cell);
    QByteArray fromText, fromBytes;
    appendCsvText(fromText, text, ',');
    appendCsvText(fromBytes, QByteArrayView(text.toUtf8()), ',');
    QCOMPARE(fromText, cell);
    QCOMPARE(fromBytes, cell);
    // A number Quarvex computes stays a number.
    QByteArray number;
    appendCsvField(number, u"-1.5"_s, ',');
    QCOMPARE(number, "-1.5"_ba);
}

void TestBatch::joinedFieldsAsTheJoinedText_data()
{
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<char>("delimiter");

    QTest::addRow("none") << QStringList() << ',';
    QTest::addRow("one empty") << QStringList{QString()} << ',';
    QTest::addRow("ASCII") << QStringList{u"eGFR: a"_s, u"b"_s} << ',';
    QTest::addRow("delimiter inside") << QStringList{u"a, b"_s, u"c"_s} << ',';
    QTest::addRow("delimiter only in the joiner") << QStringList{u"a"_s, u"b"_s} << '|';
    QTest::addRow("line break") << QStringList{u"a\nb"_s, u"c\r"_s} << ';';
    QTest::addRow("quotes") << QStringList{u"say \"x\""_s, u"\u2265 5"_s} << ',';
    QTest::addRow("beyond ASCII") << QStringList{u"0.7\u20131.3 mg/dL"_s, u"\u00b5mol/L, \u2265"_s}
                                  << ',';
    QTest::addRow("beyond ASCII, quoted") << QStringList{u"M\u00fcller; x"_s, u"y"_s} << ';';
    QTest::addRow("surrogate pair") << QStringList{u"\U0001F600 ok"_s, u"z"_s} << ',';
    QTest::addRow("lone surrogate") << QStringList{QString(QChar(0xd800)), u"z"_s} << ',';
}

void TestBatch::joinedFieldsAsTheJoinedText()
{
    QFETCH(QStringList, parts);
    QFETCH(char, delimiter);
    for (const QString& joiner : {u" | "_s, u", "_s}) {
        QByteArray joined = "x";
        QByteArray written = "x";
        appendCsvField(joined, parts.join(joiner), delimiter);
        appendCsvField(written, parts, joiner, delimiter);
        QCOMPARE(written, joined);
    }
}

void TestBatch::recordsOverTheLimitAreSkipped()
{
    // Fed in small pieces, a record over the limit is told once, as soon as
    // it is too long, and the reader goes on at the record after it.
    for (const QByteArray& big : {QByteArray("b,") + QByteArray(300, 'x'),
                                  QByteArray("\"b\n") + QByteArray(300, '\n') + "\",2"}) {
        const QByteArray text = "a,1\n" + big + "\nc,3\n";
        QStringList records;
        QList<int> tooLong;
        CsvReader reader(
            ',',
            [&](const CsvRecord& record) {
                records << QString::fromUtf8(record.fields.front()) + QString::number(record.line);
            },
            {}, [&](int line) { tooLong << line; }, 100);
        for (qsizetype i = 0; i < text.size(); i += 7)
            reader.feed(QByteArrayView(text).sliced(i, std::min<qsizetype>(7, text.size() - i)));
        QCOMPARE(reader.finish(), std::nullopt);
        QCOMPARE(tooLong, QList<int>{2});
        QCOMPARE(records, (QStringList{u"a1"_s, u"c"_s + QString::number(text.count('\n'))}));
    }
}

void TestBatch::exitStatusOfEveryStatus()
{
    QFETCH(BatchSummary::Status, status);
    QFETCH(int, exit);
    QCOMPARE(exitStatus(status), exit);
}

// Blanks and tabs after a unit or Gender are dropped, as in a case file;
// blanks after a number do not matter to its reading.
void TestBatch::blanksAfterUnitAndGenderAsInACaseFile()
{
    const QByteArray plain = Kidney + "a,40,70,kg,Male,1.0,mg/dL\n";
    const QByteArray blanks = Kidney + "a,40,70,kg \t,Male ,1.0,\"mg/dL  \"\n";
    for (BatchFormat format : {BatchFormat::Csv, BatchFormat::JsonLines}) {
        const RunResult expected = run(plain, QLocale::c(), 1, format);
        const RunResult got = run(blanks, QLocale::c(), 1, format);
        QCOMPARE(got.summary.status, BatchSummary::Status::Done);
        QCOMPARE(got.output, expected.output);
        QVERIFY(expected.output.contains("mL/min"));
    }
}

// Each grid row has its formula and bands in the --items-json document, so a
// JSON line can refer to them; a row with a gender-dependent constant or
// band table has one variant per gender.
void TestBatch::everyGridRowHasItsVariantsInItemsJson()
{
    QHash<QString, qsizetype> variants;
    for (const QJsonValue item : itemsJson()[u"items"_s].toArray()) {
        for (const QJsonValue row : item[u"rows"_s].toArray())
            variants.insert(row[u"name"_s].toString(), row[u"variants"_s].toArray().size());
    }
    for (const QString& name : gridRowNames())
        QVERIFY2(variants.value(name) >= 1, qPrintable(name));
    QCOMPARE(variants.size(), qsizetype(gridRowNames().size()));
    QCOMPARE(variants.value(u"Creatinine Clearance (GFR)"_s), 2);
    QCOMPARE(variants.value(u"HDL Cholesterol"_s), 2);
}

void TestBatch::notesColumn_data()
{
    QTest::addColumn<QString>("ast");
    QTest::addColumn<QString>("alt");
    QTest::addColumn<QStringList>("kinds"); // of the AST/ALT row's notes in the column

    QTest::addRow("both normal: context") << u"20"_s << u"32"_s << QStringList{u"context"_s};
    QTest::addRow("both raised: none") << u"300"_s << u"200"_s << QStringList{};
    QTest::addRow("shown across a band edge: rounding")
        << u"35"_s << u"44"_s << QStringList{u"context"_s, u"rounding"_s};
}

// The CSV's last column holds the case's context and rounding notes, each
// after its row's name; the evidence notes, the same in every case, do not.
void TestBatch::notesColumn()
{
    QFETCH(QString, ast);
    QFETCH(QString, alt);
    QFETCH(QStringList, kinds);
    const QStringList columns = batchOutputColumns();
    QCOMPARE(columns.mid(columns.size() - 2), (QStringList{u"hints"_s, u"notes"_s}));

    ArrayFields fields;
    fields.setValue(AnalyteId::AST, ast);
    fields.setValue(AnalyteId::ALT, alt);
    CaseEvaluation evaluation;
    evaluation.clear();
    evaluateCase(fields, QLocale::c(), evaluation);
    const Inputs inputs(fields, QLocale::c());
    const ItemEvaluation astAlt = evaluateItem(item(ItemId::AstAltRatio), inputs);
    QVERIFY(astAlt.computable());
    const QString rowName = QString::fromLatin1(item(ItemId::AstAltRatio).rowNames()[0]);
    QStringList expected;
    QStringList gotKinds;
    for (const Note& note :
         rowNotes(ItemId::AstAltRatio, 0, inputs, *astAlt.outcome, QLocale::c())) {
        if (note.kind != NoteKind::Context && note.kind != NoteKind::Rounding)
            continue;
        expected << rowName + u": "_s + note.text;
        gotKinds << noteKindName(note.kind);
    }
    QCOMPARE(gotKinds, kinds);
    QCOMPARE(evaluation.notes, expected);

    QByteArray out;
    appendBatchRecord(out, "a", evaluation, ',');
    const QStringList record = parse(out, ',').records.value(0);
    QCOMPARE(record.size(), columns.size());
    QCOMPARE(record.last(), expected.join(u" | "_s));
}

QUARVEX_CORE_TEST_MAIN(TestBatch)
#include "tst_batch.moc"
