// Case files: reading them (line ends, UTF-8, bad lines) and writing them in
// the order of the data entry screen. Saving and opening files: tst_cases.

#include "analytes/analyte.h"
#include "cases/casefile.h"
#include "coretestmain.h"
#include "testfields.h"

using namespace quarvex;
using namespace Qt::StringLiterals;
using A = AnalyteId;

namespace {

// The data entry screen's order, written out: top row, blood (left column,
// then right), urine.
// clang-format off
const AnalyteId ScreenOrder[] = {
    A::Age, A::Gender, A::Weight,
    A::Iron, A::Ferritin, A::TIBC, A::Transferrin,
    A::SerumCalcium, A::SerumPhosphorus, A::SerumPotassium, A::SerumSodium,
    A::SerumCreatinine, A::SerumUrate, A::SerumUrea,
    A::Chol, A::HDL, A::LDL, A::Triglycerides,
    A::Albumin, A::SerumAmylase, A::ALT, A::AST, A::BilirubinDirect, A::BilirubinTotal, A::Globulin,
    A::UrineAmylase, A::UrineCalcium, A::UrineCreatinine, A::UrineProtein, A::UrinePotassium,
    A::UrineSodium, A::UrineUrea, A::UrineVolume, A::UrinePhosphorus, A::UrineUrate,
};
// clang-format on

// Every value and unit text, for comparing two sets of fields.
QStringList texts(const Fields& fields)
{
    QStringList out;
    for (const Analyte& a : analytes())
        out << a.fieldName() + u'=' + fields.value(a.id)
            << a.unitFieldName() + u'=' + fields.unit(a.id);
    return out;
}

// Every field set, with texts that are awkward to keep: spaces at either
// end, an "=", a "#", letters outside ASCII, a comma decimal.
MapFields fullCase()
{
    MapFields f;
    int n = 1;
    for (const Analyte& a : analytes()) {
        f.setValue(a.id, u"%1,5"_s.arg(n++));
        if (a.unitKind == UnitKind::List)
            f.setUnit(a.id, QString::fromLatin1(a.unitChoices().front().text));
    }
    f.setValue(A::Gender, u"Female"_s);
    f.setValue(A::Age, u" 41 "_s);
    f.setValue(A::Iron, u"a=b"_s);
    f.setValue(A::Ferritin, u"#12"_s);
    f.setUnit(A::Chol, u"µmol/L Ä"_s);
    return f;
}

} // namespace

class TestCaseFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reading_data();
    void reading();
    void badFiles_data();
    void badFiles();
    void writing_data();
    void writing();
    void roundTripKeepsEveryText();
};

void TestCaseFile::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("read"); // Age, the weight's unit and Gender, joined by '|'

    QTest::addRow("LF") << "Age=40\nUnitWeight=kg\nGender=Male\n"_ba << u"40|kg|Male"_s;
    QTest::addRow("CR LF and CR, none at the end")
        << "Age=40\r\nUnitWeight=kg\rGender=Male"_ba << u"40|kg|Male"_s;
    QTest::addRow("byte order mark") << "\xEF\xBB\xBF"
                                        "Age=40\n"_ba
                                     << u"40||"_s;
    QTest::addRow("comments and blank lines")
        << "# Quarvex case\n\n   \nAge=40\n#Gender=Male\n"_ba << u"40||"_s;
    QTest::addRow("text outside ASCII") << "Gender=Männlich\r\n"_ba << u"||Männlich"_s;
    QTest::addRow("empty file") << ""_ba << u"||"_s;
}

void TestCaseFile::reading()
{
    QFETCH(QByteArray, bytes);
    CaseInput input;
    const auto error = parseCase(bytes, input);
    QVERIFY2(!error, error ? qPrintable(error->message) : "");
    const MapFields& f = input.fields;
    QTEST(QStringList({f.value(A::Age), f.unit(A::Weight), f.value(A::Gender)}).join(u'|'), "read");
}

void TestCaseFile::badFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("message");

    QTest::addRow("unknown name") << "Age=40\n\nAgge=41\n"_ba << 3
                                  << u"unknown field name \"Agge\""_s;
    QTest::addRow("unit of a fixed-unit analyte")
        << "UnitAge=years\n"_ba << 1 << u"unknown field name \"UnitAge\""_s;
    QTest::addRow("no =") << "# c\rAge 40\r"_ba << 2 << u"expected Name=text, found \"Age 40\""_s;
    QTest::addRow("a name twice, CR LF")
        << "Age=40\r\nWeight=70\r\nAge=41\r\n"_ba << 3 << u"Age was already given on line 1"_s;
    QTest::addRow("Latin-1 byte") << "Age=40\nGender=M\xE4nnlich\n"_ba << 2 << u"not UTF-8 text"_s;
    QTest::addRow("cut-off sequence at the end")
        << "Age=40\r\rGender=\xE2\x82"_ba << 3 << u"not UTF-8 text"_s;
    QTest::addRow("bad byte in a comment") << "# \xFF\nAge=40\n"_ba << 1 << u"not UTF-8 text"_s;
}

void TestCaseFile::badFiles()
{
    QFETCH(QByteArray, bytes);
    CaseInput input;
    input.fields.set(A::Weight, u"70"_s, u"kg"_s);
    input.lines.insert(u"Weight"_s, 9);
    const auto error = parseCase(bytes, input);
    QVERIFY(error);
    QTEST(error->line, "line");
    QTEST(error->message, "message");
    // Nothing of the bad file got in, and nothing was lost.
    QCOMPARE(input.fields.value(A::Age), QString());
    QCOMPARE(input.fields.value(A::Weight), u"70"_s);
    QCOMPARE(input.fields.unit(A::Weight), u"kg"_s);
    QCOMPARE(input.lines, (QHash<QString, int>{{u"Weight"_s, 9}}));
}

void TestCaseFile::writing_data()
{
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray head = "# Quarvex case, saved on 2024-02-29\n";
    QTest::addRow("nothing typed") << MapFields{} << head;
    // Screen order, not the analyte table's: Gender before Weight, urine last.
    QTest::addRow("screen order, unit after its value")
        << MapFields{{A::UrineVolume, {u"1500"_s, {}}},
                     {A::Weight, {u"70"_s, u"kg"_s}},
                     {A::Gender, {u"Male"_s, {}}},
                     {A::Age, {u"40"_s, {}}},
                     {A::SerumCreatinine, {u"88,4"_s, u"umol/L"_s}}}
        << head + "Age=40\nGender=Male\nWeight=70\nUnitWeight=kg\nSerumCreatinine=88,4\n"
                  "UnitSerumCreatinine=umol/L\nUrineVolume=1500\n";
    QTest::addRow("a unit without a value, a value without a unit")
        << MapFields{{A::Chol, {{}, u"mg/dL"_s}}, {A::HDL, {u"50"_s, {}}}}
        << head + "UnitChol=mg/dL\nHDL=50\n";
    QTest::addRow("line breaks in a text become spaces")
        << MapFields{{A::Age, {u"4\r\n0"_s, {}}}, {A::Weight, {u"7\n0"_s, u"k\rg"_s}}}
        << head + "Age=4 0\nWeight=7 0\nUnitWeight=k g\n";
    QTest::addRow("UTF-8") << MapFields{{A::Gender, {u"Weiblich ♀"_s, {}}}}
                           << head + "Gender=Weiblich \xE2\x99\x80\n";
}

void TestCaseFile::writing()
{
    QFETCH(MapFields, fields);
    QFETCH(QByteArray, expected);
    QCOMPARE(caseBytes(fields, ScreenOrder, QDate(2024, 2, 29)), expected);
}

void TestCaseFile::roundTripKeepsEveryText()
{
    const MapFields original = fullCase();
    const QByteArray bytes = caseBytes(original, ScreenOrder, QDate(2026, 1, 2));
    QVERIFY(!bytes.contains('\r'));
    CaseInput input;
    const auto error = parseCase(bytes, input);
    QVERIFY2(!error, error ? qPrintable(error->message) : "");
    QCOMPARE(texts(input.fields), texts(original));
    // Once written, a case reads back to the same bytes.
    QCOMPARE(caseBytes(input.fields, ScreenOrder, QDate(2026, 1, 2)), bytes);
}

QUARVEX_CORE_TEST_MAIN(TestCaseFile)
#include "tst_casefile.moc"
