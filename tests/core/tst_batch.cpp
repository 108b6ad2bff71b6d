#include "batch/batchrun.h"
#include "batch/caseevaluation.h"
#include "batch/csvreader.h"
#include "batch/csvwriter.h"
#include "coretestmain.h"

#include <QBuffer>

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
    void badQuotes_data();
    void badQuotes();
    void recordTooLong();
    void detectDelimiter_data();
    void detectDelimiter();
    void writeField_data();
    void writeField();
    void runInput_data();
    void runInput();
    void outputUsesTheInputDelimiter_data();
    void outputUsesTheInputDelimiter();
    void numbersFollowTheLocale_data();
    void numbersFollowTheLocale();
    void sameOutputOnAnyNumberOfThreads_data();
    void sameOutputOnAnyNumberOfThreads();
    void findingsAndHints_data();
    void findingsAndHints();
    void failedWriteStopsTheRun_data();
    void failedWriteStopsTheRun();
    void progressText_data();
    void progressText();
    void progressEndsWithTheTotal();
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
    if (piece <= 0) {
        reader.feed(bytes);
    } else {
        for (qsizetype i = 0; i < bytes.size(); i += piece)
            reader.feed(QByteArrayView(bytes).sliced(i, std::min(piece, bytes.size() - i)));
    }
    out.openQuote = reader.finish();
    return out;
}

struct RunResult {
    BatchSummary summary;
    QByteArray output;
    QStringList reports;
};

RunResult run(const QByteArray& input, const QLocale& locale = QLocale::c(), int threads = 2)
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
    options.report = [&out](const QString& text) { out.reports << text; };
    out.summary = runBatch(inBuffer, outBuffer, options);
    return out;
}

// The output records, read back; the first is the header.
Records outputRecords(const QByteArray& output, char delimiter = ',')
{
    const Parsed parsed = parse(output, delimiter);
    return parsed.records;
}

QStringList caseIds(const Records& records)
{
    QStringList ids;
    for (qsizetype i = 1; i < records.size(); ++i)
        ids << records.at(i).first();
    return ids;
}

// The cell of a column, by its header name, in the n-th case.
QString cell(const Records& records, qsizetype n, const QString& column)
{
    const qsizetype index = records.first().indexOf(column);
    return index < 0 ? u"<no column %1>"_s.arg(column) : records.at(n + 1).at(index);
}

const QByteArray Kidney = "Case,Age,Weight,UnitWeight,Gender,SerumCreatinine,UnitSerumCreatinine\n";

} // namespace

void TestBatch::readRecords_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<Records>("records");
    QTest::addColumn<QList<int>>("lines");

    QTest::addRow("comma") << "a,b,c\n1,2,3\n"_ba << ',' << recs({{"a", "b", "c"}, {"1", "2", "3"}})
                           << QList<int>{1, 2};
    QTest::addRow("semicolon, comma inside a field")
        << "a;b\n1,5;2\n"_ba << ';' << recs({{"a", "b"}, {"1,5", "2"}}) << QList<int>{1, 2};
    QTest::addRow("tab") << "a\tb\n1\t \n"_ba << '\t' << recs({{"a", "b"}, {"1", " "}})
                         << QList<int>{1, 2};
    QTest::addRow("CR LF line ends")
        << "a,b\r\n1,2\r\n"_ba << ',' << recs({{"a", "b"}, {"1", "2"}}) << QList<int>{1, 2};
    QTest::addRow("no line end at the end")
        << "a,b\n1,2"_ba << ',' << recs({{"a", "b"}, {"1", "2"}}) << QList<int>{1, 2};
    QTest::addRow("doubled quotes") << "a,b\n\"say \"\"hi\"\"\",\"\"\"\"\n"_ba << ','
                                    << recs({{"a", "b"}, {"say \"hi\"", "\""}}) << QList<int>{1, 2};
    QTest::addRow("delimiter inside quotes")
        << "\"1,5\",2\n"_ba << ',' << recs({{"1,5", "2"}}) << QList<int>{1};
    QTest::addRow("line breaks inside quotes: a record starts where it starts")
        << "a,b\n\"one\ntwo\",\"x\r\ny\"\r\n3,4\n"_ba << ','
        << recs({{"a", "b"}, {"one\ntwo", "x\r\ny"}, {"3", "4"}}) << QList<int>{1, 2, 5};
    QTest::addRow("blank lines are no records")
        << "a\n\n\r\n\nb\n\n"_ba << ',' << recs({{"a"}, {"b"}}) << QList<int>{1, 5};
    QTest::addRow("blanks belong to the field")
        << " a , b \n"_ba << ',' << recs({{" a ", " b "}}) << QList<int>{1};
}

void TestBatch::readRecords()
{
    QFETCH(QByteArray, bytes);
    QFETCH(char, delimiter);
    QFETCH(Records, records);
    QFETCH(QList<int>, lines);

    for (qsizetype piece : {0, 1, 2}) {
        const Parsed parsed = parse(bytes, delimiter, piece);
        QCOMPARE(parsed.records, records);
        QCOMPARE(parsed.lines, lines);
        QVERIFY(parsed.badQuotes.isEmpty());
        QVERIFY(!parsed.openQuote);
    }
}

void TestBatch::badQuotes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Records>("records");
    QTest::addColumn<QList<int>>("badQuotes");
    QTest::addColumn<int>("openQuote"); // 0: none

    QTest::addRow("quote left open in a first field")
        << "a,b\n1,2\n\"3,4\n5,6\n"_ba << recs({{"a", "b"}, {"1", "2"}}) << QList<int>{} << 3;
    QTest::addRow("quote left open after a field with a line break")
        << "a,b\n\"x\ny\",\"open\nmore\n"_ba << recs({{"a", "b"}}) << QList<int>{} << 3;
    QTest::addRow("quote left open on the last line")
        << "a,b\n1,\""_ba << recs({{"a", "b"}}) << QList<int>{} << 2;
    QTest::addRow("quote inside an unquoted field drops its record only")
        << "a,b\n1,x\"y\n3,4\n"_ba << recs({{"a", "b"}, {"3", "4"}}) << QList<int>{2} << 0;
    QTest::addRow("text after a closing quote")
        << "a,b\n\"1\"2,3\r\n3,4\n"_ba << recs({{"a", "b"}, {"3", "4"}}) << QList<int>{2} << 0;
}

void TestBatch::badQuotes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Records, records);
    QFETCH(QList<int>, badQuotes);
    QFETCH(int, openQuote);

    for (qsizetype piece : {0, 1}) {
        const Parsed parsed = parse(bytes, ',', piece);
        QCOMPARE(parsed.records, records);
        QCOMPARE(parsed.badQuotes, badQuotes);
        QCOMPARE(parsed.openQuote.value_or(0), openQuote);
    }
}

void TestBatch::recordTooLong()
{
    Records records;
    const auto sink = [&records](const CsvRecord& record) {
        QStringList fields;
        for (QByteArrayView field : record.fields)
            fields << QString::fromUtf8(field);
        records << fields;
    };
    CsvReader reader(',', sink, {}, 300);
    QVERIFY(reader.feed("a,b\n1,2\n3,\"open\n"));
    QVERIFY(!reader.tooLong());
    QByteArray rest;
    for (int i = 0; i < 100; ++i)
        rest += "4,5\n";
    QVERIFY(!reader.feed(rest));
    QCOMPARE(reader.tooLong(), 3);
    QVERIFY(!reader.feed("6,7\n"));
    QCOMPARE(reader.finish(), std::nullopt);
    QCOMPARE(records, recs({{"a", "b"}, {"1", "2"}}));
}

void TestBatch::detectDelimiter_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<char>("delimiter");

    QTest::addRow("comma") << "Case,Age,Weight\n1;2\t3"_ba << ',';
    QTest::addRow("semicolon") << "Case;Age;Weight\r\n1,2,3,4"_ba << ';';
    QTest::addRow("tab") << "Case\tAge\n"_ba << '\t';
    QTest::addRow("only the first line counts, whatever ends it")
        << "Case;Age\r1,2,3,4\n"_ba << ';';
    QTest::addRow("one column: comma") << "Age\n1;2;3\n"_ba << ',';
    QTest::addRow("the most frequent wins") << "A;B;C,D\n"_ba << ';';
    QTest::addRow("after a byte order mark") << "\xEF\xBB\xBF"
                                                "Case;Age"_ba
                                             << ';';
    QTest::addRow("empty") << QByteArray() << ',';
}

void TestBatch::detectDelimiter()
{
    QFETCH(QByteArray, header);
    QFETCH(char, delimiter);
    QCOMPARE(quarvex::detectDelimiter(header), delimiter);
}

void TestBatch::writeField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QByteArray>("written");

    QTest::addRow("plain") << u"84.90 mL/min"_s << ',' << "84.90 mL/min"_ba;
    QTest::addRow("empty") << QString() << ',' << QByteArray();
    QTest::addRow("delimiter") << u"normal, high"_s << ',' << "\"normal, high\""_ba;
    QTest::addRow("semicolon under semicolons") << u"a;b"_s << ';' << "\"a;b\""_ba;
    QTest::addRow("quotes doubled")
        << u"potassium 'wastage' \"x\""_s << ',' << "\"potassium 'wastage' \"\"x\"\"\""_ba;
    QTest::addRow("line feed") << u"a\nb"_s << ',' << "\"a\nb\""_ba;
    QTest::addRow("UTF-8") << u"µmol/L"_s << ',' << "\xC2\xB5mol/L"_ba;
}

void TestBatch::writeField()
{
    QFETCH(QString, field);
    QFETCH(char, delimiter);
    QFETCH(QByteArray, written);

    QByteArray out = "x";
    appendCsvField(out, field, delimiter);
    QCOMPARE(out, "x" + written);
    // What is written reads back as the same field.
    const Parsed parsed = parse(written + "\n", delimiter);
    if (!field.isEmpty())
        QCOMPARE(parsed.records, Records{{field}});
}

void TestBatch::runInput_data()
{
    using S = BatchSummary::Status;
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<S>("status");
    QTest::addColumn<QStringList>("reports");
    QTest::addColumn<QStringList>("ids"); // the Case column of the output

    QTest::addRow("identifiers from the Case column")
        << "Case,Age\nfirst,40\n\"sec, \"\"ond\"\"\",50\n"_ba << S::Done << QStringList()
        << QStringList{u"first"_s, u"sec, \"ond\""_s};
    QTest::addRow("without a Case column, data rows from 1, skipped ones counted")
        << "Age\n40\n50,1\n60\n"_ba << S::BadRows
        << QStringList{u"line 3: 2 fields where the header has 1; row skipped"_s}
        << QStringList{u"1"_s, u"3"_s};
    QTest::addRow("byte order mark") << "\xEF\xBB\xBF"
                                        "Case;Age\nx;1\n"_ba
                                     << S::Done << QStringList() << QStringList{u"x"_s};
    QTest::addRow("empty input") << QByteArray() << S::Done << QStringList() << QStringList();
    QTest::addRow("header only") << "Case,Age\r\n"_ba << S::Done << QStringList() << QStringList();
    QTest::addRow("unknown columns")
        << "Case,Agee,Age,foo\nx,1,2,3\n"_ba << S::BadHeader
        << QStringList{u"line 1: unknown columns \"Agee\", \"foo\""_s} << QStringList();
    QTest::addRow("repeated column")
        << "Age,Case,Age,Age\n"_ba << S::BadHeader
        << QStringList{u"line 1: repeated column \"Age\""_s} << QStringList();
    QTest::addRow("short row skipped, the others written")
        << "Case,Age\na,1\nb\nc,3\n"_ba << S::BadRows
        << QStringList{u"line 3: 1 field where the header has 2; row skipped"_s}
        << QStringList{u"a"_s, u"c"_s};
    QTest::addRow("short row after a field with a line break")
        << "Case,Age\n\"a\nb\"\n"_ba << S::BadRows
        << QStringList{u"line 2: 1 field where the header has 2; row skipped"_s} << QStringList();
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
        << QStringList{u"line 4: a record of over 1 MB (is a quote left open?); the input "
                       "ends here"_s}
        << QStringList{u"a"_s};
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

    for (int threads : {1, 2}) {
        const RunResult result = run(input, QLocale::c(), threads);
        QCOMPARE(result.summary.status, status);
        QCOMPARE(result.reports, reports);
        if (status == BatchSummary::Status::BadHeader) {
            QVERIFY(result.output.isEmpty());
            continue;
        }
        const Records records = outputRecords(result.output, input.contains(';') ? ';' : ',');
        QCOMPARE(records.value(0), batchOutputColumns());
        QCOMPARE(caseIds(records), ids);
        QCOMPARE(result.summary.cases, ids.size());
    }
}

void TestBatch::outputUsesTheInputDelimiter_data()
{
    QTest::addColumn<char>("delimiter");
    QTest::addRow("comma") << ',';
    QTest::addRow("semicolon") << ';';
    QTest::addRow("tab") << '\t';
}

void TestBatch::outputUsesTheInputDelimiter()
{
    QFETCH(char, delimiter);
    QByteArray input = Kidney + "a 1,40,70,kg,Male,1.0,mg/dL\n";
    input.replace(',', delimiter);
    const RunResult result = run(input);
    QCOMPARE(result.summary.status, BatchSummary::Status::Done);
    QVERIFY(result.output.startsWith("Case" + QByteArray(1, delimiter) + "Total Cholesterol"));
    QVERIFY(result.output.endsWith("\r\n"));
    const Records records = outputRecords(result.output, delimiter);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records.at(1).size(), batchOutputColumns().size());
    QCOMPARE(cell(records, 0, u"Case"_s), u"a 1"_s);
    QCOMPARE(cell(records, 0, u"Creatinine Clearance (GFR)"_s), u"97.22 mL/min"_s);
    QCOMPARE(cell(records, 0, u"Creatinine Clearance (GFR): interpretation"_s),
             u"Based on GFR, renal function is normal."_s);
}

void TestBatch::numbersFollowTheLocale_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("clearance");

    const QByteArray english = Kidney + "a,40,70.5,kg,Male,1.1,mg/dL\n";
    QByteArray german = Kidney + "a,40,\"70,5\",kg,Male,\"1,1\",mg/dL\n";
    QTest::addRow("C locale") << english << u"C"_s << u"89.02 mL/min"_s;
    QTest::addRow("German, commas quoted") << german << u"de_DE"_s << u"89,02 mL/min"_s;
    german = Kidney + "a,40,70,5,kg,Male,1,1,mg/dL\n";
    german.replace(',', ';');
    german.replace("70;5", "70,5").replace("1;1", "1,1");
    QTest::addRow("German with semicolons") << german << u"de_DE"_s << u"89,02 mL/min"_s;
    QTest::addRow("a decimal comma is no number in the C locale") << german << u"C"_s << QString();
    QTest::addRow("group separators are no numbers")
        << Kidney + "a,40,\"1,070\",kg,Male,1.1,mg/dL\n"_ba << u"en_US"_s << QString();
}

void TestBatch::numbersFollowTheLocale()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, locale);
    QFETCH(QString, clearance);

    const RunResult result = run(input, QLocale(locale));
    QCOMPARE(result.summary.status, BatchSummary::Status::Done);
    const Records records = outputRecords(result.output, quarvex::detectDelimiter(input));
    QCOMPARE(cell(records, 0, u"Creatinine Clearance (GFR)"_s), clearance);
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

void TestBatch::sameOutputOnAnyNumberOfThreads_data()
{
    QTest::addColumn<int>("threads");
    QTest::addRow("two") << 2;
    QTest::addRow("eight") << 8;
}

void TestBatch::sameOutputOnAnyNumberOfThreads()
{
    QFETCH(int, threads);
    const int count = 3000;
    const QByteArray input = manyCases(count);
    const RunResult one = run(input, QLocale::c(), 1);
    const RunResult many = run(input, QLocale::c(), threads);
    QCOMPARE(many.summary.status, BatchSummary::Status::Done);
    QCOMPARE(many.summary.cases, count);
    QVERIFY(many.output == one.output);
    const QStringList ids = caseIds(outputRecords(many.output));
    QCOMPARE(ids.size(), count);
    QCOMPARE(ids.first(), u"c0"_s);
    QCOMPARE(ids.last(), u"c2999"_s);
}

namespace {

// A complete case: every item can be computed.
const QList<std::pair<const char*, const char*>> Complete{
    {"Age", "58"},
    {"Gender", "Male"},
    {"Weight", "82"},
    {"UnitWeight", "kg"},
    {"Iron", "65"},
    {"UnitIron", "ug/dL"},
    {"Ferritin", "120"},
    {"UnitFerritin", "ng/ml"},
    {"TIBC", "310"},
    {"UnitTIBC", "ug/dL"},
    {"Transferrin", "250"},
    {"UnitTransferrin", "mg/dL"},
    {"SerumCalcium", "9.4"},
    {"UnitSerumCalcium", "mg/dL"},
    {"SerumPhosphorus", "3.5"},
    {"UnitSerumPhosphorus", "mg/dL"},
    {"SerumPotassium", "4.2"},
    {"SerumSodium", "139"},
    {"Chol", "215"},
    {"UnitChol", "mg/dL"},
    {"HDL", "42"},
    {"UnitHDL", "mg/dL"},
    {"LDL", "138"},
    {"UnitLDL", "mg/dL"},
    {"SerumCreatinine", "1.1"},
    {"UnitSerumCreatinine", "mg/dL"},
    {"SerumUrate", "6.8"},
    {"UnitSerumUrate", "mg/dL"},
    {"SerumUrea", "32"},
    {"UnitSerumUrea", "mg/dL"},
    {"Albumin", "4.2"},
    {"UnitAlbumin", "g/dL"},
    {"SerumAmylase", "85"},
    {"ALT", "35"},
    {"AST", "42"},
    {"BilirubinDirect", "0.3"},
    {"UnitBilirubinDirect", "mg/dL"},
    {"BilirubinTotal", "1.0"},
    {"UnitBilirubinTotal", "mg/dL"},
    {"Globulin", "2.8"},
    {"UnitGlobulin", "g/dL"},
    {"UrineAmylase", "320"},
    {"UrineCalcium", "12"},
    {"UnitUrineCalcium", "mg/dL"},
    {"UrineCreatinine", "110"},
    {"UnitUrineCreatinine", "mg/dL"},
    {"UrineProtein", "0.15"},
    {"UrinePotassium", "45"},
    {"UrineSodium", "80"},
    {"UrineUrea", "900"},
    {"UnitUrineUrea", "mg/dL"},
    {"UrineVolume", "1500"},
    {"UrinePhosphorus", "55"},
    {"UnitUrinePhosphorus", "mg/dL"},
    {"UrineUrate", "40"},
    {"UnitUrineUrate", "mg/dL"},
};

} // namespace

void TestBatch::findingsAndHints_data()
{
    QTest::addColumn<QStringList>("changes"); // name, text, name, text, ...
    QTest::addColumn<QStringList>("findings");
    QTest::addColumn<int>("rowsComputed");
    QTest::addColumn<QStringList>("hints");

    QTest::addRow("every item computed") << QStringList() << QStringList() << 28 << QStringList();
    const QString notANumber = u": Serum creatinine: \"1.1.\" is not a number. Type a number "
                               "such as 1.2."_s;
    QStringList creatinine;
    for (const char* item :
         {"Amylase Clearance to Creatinine Clearance", "Creatinine Clearance Estimated (GFR)",
          "Fractional Potassium Excretion", "Renal Calcium Clearance to Creatinine Clearance",
          "Renal Failure Index (RFI)", "Fractional Sodium Excretion",
          "Urea Nitrogen and Creatinine Ratios"})
        creatinine << QString::fromLatin1(item) + notANumber;
    QTest::addRow("serum creatinine not a number: each item that needs it")
        << QStringList{u"SerumCreatinine"_s, u"1.1."_s} << creatinine << 28 - 9 << QStringList();
    QTest::addRow("several findings, in item and check order")
        << QStringList{u"Gender"_s, QString(), u"UnitFerritin"_s, u"NG/ML"_s, u"Age"_s, u"0"_s}
        << QStringList{u"Cholesterol Level Interpretation: Gender: not chosen"_s,
                       u"Total Cholesterol-to-HDL Cholesterol Ratio: Gender: not chosen"_s,
                       u"Creatinine Clearance Estimated (GFR): Age: 0 is not a positive number"_s,
                       u"Creatinine Clearance Estimated (GFR): Gender: not chosen"_s,
                       u"Serum Ferritin and Estimate of Iron Stores: Ferritin unit: \"NG/ML\" "
                       "is not one of ng/ml, ug/L, pmol/L"_s}
        << 28 - 3 - 1 - 1 - 1 << QStringList();
    QTest::addRow("text beyond ASCII kept as written")
        << QStringList{u"UnitFerritin"_s, u"µg/L"_s}
        << QStringList{u"Serum Ferritin and Estimate of Iron Stores: Ferritin unit: \"µg/L\" is "
                       "not one of ng/ml, ug/L, pmol/L"_s}
        << 28 - 1 << QStringList();
    QTest::addRow("hints in order, a cross-field hint once for its two fields")
        << QStringList{u"SerumCreatinine"_s, u"88"_s, u"HDL"_s, u"250"_s} << QStringList() << 28
        << QStringList{u"Serum creatinine 88 mg/dL is above any value seen in patients (up to 75 "
                       "mg/dL). Did you mean umol/L?"_s,
                       u"HDL cholesterol 250 mg/dL is above total cholesterol 215 mg/dL. A value "
                       "may be mistyped or in the wrong unit."_s};
}

void TestBatch::findingsAndHints()
{
    QFETCH(QStringList, changes);
    QFETCH(QStringList, findings);
    QFETCH(int, rowsComputed);
    QFETCH(QStringList, hints);

    QByteArray header = "Case";
    QByteArray row = "x";
    for (const auto& [name, text] : Complete) {
        QByteArray value = text;
        const qsizetype change = changes.indexOf(QString::fromLatin1(name));
        if (change >= 0)
            value = changes.at(change + 1).toUtf8();
        header += ',' + QByteArray(name);
        row += ',' + value;
    }
    const RunResult result = run(header + '\n' + row + '\n');
    QCOMPARE(result.summary.status, BatchSummary::Status::Done);
    const Records records = outputRecords(result.output);
    QCOMPARE(records.size(), 2);
    const QString joined = cell(records, 0, u"findings"_s);
    QCOMPARE(joined.isEmpty() ? QStringList() : joined.split(u" | "_s), findings);
    QCOMPARE(cell(records, 0, u"hints"_s), hints.join(u" | "_s));
    int computed = 0;
    for (const QString& name : gridRowNames())
        computed +=
            !(cell(records, 0, name) + cell(records, 0, name + u": interpretation"_s)).isEmpty();
    QCOMPARE(computed, rowsComputed);
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

void TestBatch::failedWriteStopsTheRun_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<qint64>("room");
    QTest::addRow("one thread, at the header") << 1 << qint64(10);
    QTest::addRow("two threads, later") << 2 << qint64(200000);
}

void TestBatch::failedWriteStopsTheRun()
{
    QFETCH(int, threads);
    QFETCH(qint64, room);
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
    QTest::addRow("all read") << qint64(7) << qint64(50) << qint64(50) << 1.0
                              << u"7 cases, 7 cases/s, 0:00 left"_s;
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

void TestBatch::progressEndsWithTheTotal()
{
    QByteArray in = manyCases(700);
    QBuffer input(&in);
    input.open(QIODevice::ReadOnly);
    QByteArray out;
    QBuffer output(&out);
    output.open(QIODevice::WriteOnly);
    QList<BatchProgress> calls;
    BatchOptions options;
    options.progressInterval = 0.0;
    options.progress = [&calls](const BatchProgress& p) { calls << p; };
    runBatch(input, output, options);
    QVERIFY(calls.size() >= 3); // the header, the batches, the end
    QCOMPARE(calls.last().cases, 700);
    QVERIFY(calls.last().finished);
    QCOMPARE(calls.last().bytesRead, in.size());
    QCOMPARE(calls.last().inputSize, in.size());
    for (qsizetype i = 1; i < calls.size(); ++i) {
        QVERIFY(calls.at(i).cases >= calls.at(i - 1).cases);
        QCOMPARE(calls.at(i - 1).finished, false);
    }
}

QUARVEX_CORE_TEST_MAIN(TestBatch)
#include "tst_batch.moc"
