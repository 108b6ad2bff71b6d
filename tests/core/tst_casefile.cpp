// Case files: reading them (line ends, UTF-8, bad lines) and writing them in
// the order of the data entry screen. Saving and opening files: tst_cases.

#include "analytes/analyte.h"
#include "analytes/number.h"
#include "cases/casefile.h"
#include "coretestmain.h"
#include "i18n/language.h"
#include "testfields.h"

#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <sys/stat.h>

using namespace quarvex;
using namespace quarvex::test;
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
    void travelling_data();
    void travelling();
    void onlyRegularFilesAreOpened_data();
    void onlyRegularFilesAreOpened();
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
    QTest::addColumn<QString>("german"); // the message shown under the German translation

    QTest::addRow("unknown name") << "Age=40\n\nAgge=41\n"_ba << 3
                                  << u"unknown field name \"Agge\""_s
                                  << u"unbekannter Feldname \"Agge\""_s;
    QTest::addRow("unit of a fixed-unit analyte")
        << "UnitAge=years\n"_ba << 1 << u"unknown field name \"UnitAge\""_s
        << u"unbekannter Feldname \"UnitAge\""_s;
    QTest::addRow("no =") << "# c\rAge 40\r"_ba << 2 << u"expected Name=text, found \"Age 40\""_s
                          << u"erwartet Name=text, gefunden \"Age 40\""_s;
    QTest::addRow("a name twice, CR LF")
        << "Age=40\r\nWeight=70\r\nAge=41\r\n"_ba << 3 << u"Age was already given on line 1"_s
        << u"Age wurde schon in Zeile 1 angegeben"_s;
    QTest::addRow("Latin-1 byte") << "Age=40\nGender=M\xE4nnlich\n"_ba << 2 << u"not UTF-8 text"_s
                                  << u"kein UTF-8-Text"_s;
    QTest::addRow("cut-off sequence at the end")
        << "Age=40\r\rGender=\xE2\x82"_ba << 3 << u"not UTF-8 text"_s << u"kein UTF-8-Text"_s;
    QTest::addRow("unknown locale")
        << "Locale=xx_QQ\nAge=40\n"_ba << 1 << u"unknown locale \"xx_QQ\""_s
        << u"unbekanntes Zahlenformat \"xx_QQ\""_s;
    QTest::addRow("empty locale") << "Age=40\nLocale=\n"_ba << 2 << u"unknown locale \"\""_s
                                  << u"unbekanntes Zahlenformat \"\""_s;
    QTest::addRow("locale twice") << "Locale=de_DE\nLocale=en_US\n"_ba << 2
                                  << u"Locale was already given"_s
                                  << u"Locale wurde schon angegeben"_s;
    QTest::addRow("bad byte in a comment")
        << "# \xFF\nAge=40\n"_ba << 1 << u"not UTF-8 text"_s << u"kein UTF-8-Text"_s;
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

    // Without a translation the window shows the message itself; under
    // German it shows the German, and the message for the command line stays
    // English.
    QCOMPARE(error->shownMessage(), error->message);
    QVERIFY(installLanguage(u"de"_s));
    CaseInput other;
    const auto inGerman = parseCase(bytes, other);
    QVERIFY(installLanguage(u"en"_s));
    QVERIFY(inGerman);
    QTEST(inGerman->message, "message");
    QTEST(inGerman->shownMessage(), "german");
}

void TestCaseFile::writing_data()
{
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray head = "# Quarvex case, saved on 2024-02-29\nLocale=de_DE\n";
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
    QCOMPARE(caseBytes(fields, ScreenOrder, QDate(2024, 2, 29), German), expected);
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

// A case written under one number format and read under another: the numbers
// come in the reader's format, any other text as it was typed.
void TestCaseFile::travelling_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("germanReader");
    QTest::addColumn<QString>("read"); // Age, Weight, Iron, SerumCreatinine, UnitWeight

    const QByteArray values =
        "Age=41\nWeight=70.50\nIron=abc\nSerumCreatinine=1,100\nUnitWeight=kg\n";
    // The digits stay as typed ("70.50" is not "70,5"); text that is no
    // number in the writer's format stays as it is.
    QTest::addRow("English case, German reader")
        << "Locale=en_US\n"_ba + values << true << u"41|70,50|abc|1,100|kg"_s;
    QTest::addRow("English case, English reader")
        << "Locale=en_GB\n"_ba + values << false << u"41|70.50|abc|1,100|kg"_s;
    QTest::addRow("case without the line is read as the reader's")
        << values << true << u"41|70.50|abc|1,100|kg"_s;
    QTest::addRow("German case, English reader")
        << "Locale=de_DE\nAge=41\nWeight=70,5\nIron=1.100\nSerumCreatinine=0,125\n"_ba << false
        << u"41|70.5|1.100|0.125|"_s;
    QTest::addRow("C case, German reader")
        << "Locale=C\nWeight=2.5e2\n"_ba << true << u"|2,5e2|||"_s;
}

void TestCaseFile::travelling()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, germanReader);
    const QLocale& reader = germanReader ? German : English;
    CaseInput input;
    const auto error = parseCase(bytes, input);
    QVERIFY2(!error, error ? qPrintable(error->message) : "");
    takeNumbersInto(input, reader);
    const MapFields& f = input.fields;
    QTEST(QStringList({f.value(A::Age), f.value(A::Weight), f.value(A::Iron),
                       f.value(A::SerumCreatinine), f.unit(A::Weight)})
              .join(u'|'),
          "read");
    // Read once, the case counts as the reader's: reading it again changes nothing.
    const MapFields once = input.fields;
    takeNumbersInto(input, reader);
    QCOMPARE(input.locale.has_value(), bytes.startsWith("Locale="));
    QCOMPARE(texts(input.fields), texts(once));
}

void TestCaseFile::onlyRegularFilesAreOpened_data()
{
    QTest::addColumn<QString>("path"); // %1: an empty folder
    QTest::addColumn<QString>("message");
    QTest::addRow("a FIFO, which would wait for a writer for good")
        << u"%1/case.quarvex"_s << u"is not a regular file (a device or a pipe), not a case file"_s;
    QTest::addRow("a device") << u"/dev/zero"_s
                              << u"is not a regular file (a device or a pipe), not a case file"_s;
    QTest::addRow("a folder") << u"%1"_s << u"is a folder, not a case file"_s;
}

void TestCaseFile::onlyRegularFilesAreOpened()
{
    QFETCH(QString, path);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fifo = dir.filePath(u"case.quarvex"_s);
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    path = path.arg(dir.path());
    // Read on a thread of its own, so that a read that blocks fails the test
    // instead of hanging it.
    auto done = std::make_shared<std::promise<std::optional<CaseFileError>>>();
    std::future<std::optional<CaseFileError>> result = done->get_future();
    std::thread([done, path] {
        CaseInput input;
        done->set_value(readCaseFile(path, input));
    }).detach();
    QVERIFY2(result.wait_for(std::chrono::seconds(10)) == std::future_status::ready,
             "readCaseFile blocked");
    const std::optional<CaseFileError> error = result.get();
    QVERIFY(error);
    QCOMPARE(error->line, 0);
    QTEST(error->message, "message");
}

QUARVEX_CORE_TEST_MAIN(TestCaseFile)
#include "tst_casefile.moc"
