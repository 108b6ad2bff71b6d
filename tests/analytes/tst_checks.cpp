#include "analytes/checks.h"
#include "analytes/number.h"
#include "fakedialogs.h"
#include "testmain.h"

using namespace quarvex;
using quarvex::test::FakeDialogs;

Q_DECLARE_METATYPE(quarvex::AnalyteId)

class TestChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void checkOne_data();
    void checkOne();
    void unitBeeps_data();
    void unitBeeps();
    void everyUnitChoicePasses();
    void evaluateCountsAndOrdersBoxes();
    void evaluateStartsFromZeroEachTime();
    void wholeNumberRounding_data();
    void wholeNumberRounding();
    void germanLocale_data();
    void germanLocale();
    void conversions_data();
    void conversions();
};

void TestChecks::checkOne_data()
{
    QTest::addColumn<AnalyteId>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<QStringList>("trace"); // "critical" stands for the conversion-failure box

    const QStringList none;
    const QStringList box{QStringLiteral("beep"), QStringLiteral("critical")};
    const QString mg = QStringLiteral("mg/dL");
    using A = AnalyteId;

    // Positive values below one are ordinary clinical values and pass.
    QTest::addRow("0.4 passes") << A::SerumCreatinine << "0.4" << mg << true << none;
    QTest::addRow("0.5 passes") << A::SerumCreatinine << "0.5" << mg << true << none;
    QTest::addRow("0.15 g/L protein passes") << A::UrineProtein << "0.15"
                                             << "" << true << none;
    QTest::addRow("tiny positive passes") << A::SerumCreatinine << "1e-300" << mg << true << none;
    QTest::addRow("1.5 passes") << A::SerumCreatinine << "1.5" << mg << true << none;
    QTest::addRow("zero fails silently") << A::SerumCreatinine << "0" << mg << false << none;
    QTest::addRow("-0.4 fails silently") << A::SerumCreatinine << "-0.4" << mg << false << none;
    QTest::addRow("-3 fails silently") << A::SerumCreatinine << "-3" << mg << false << none;
    QTest::addRow("empty fails silently") << A::SerumCreatinine << "" << mg << false << none;
    QTest::addRow("32767 passes") << A::SerumCreatinine << "32767" << mg << true << none;
    QTest::addRow("32767.4 passes") << A::Age << "32767.4"
                                    << "" << true << none;
    QTest::addRow("32767.5 too large") << A::SerumCreatinine << "32767.5" << mg << false << box;
    QTest::addRow("40000 too large") << A::SerumCreatinine << "40000" << mg << false << box;
    QTest::addRow("-40000 too large") << A::Age << "-40000"
                                      << "" << false << box;
    QTest::addRow("-32768.5 rounds to even, fails silently") << A::Age << "-32768.5"
                                                             << "" << false << none;
    QTest::addRow("letters") << A::SerumCreatinine << "abc" << mg << false << box;
    QTest::addRow("single blank") << A::SerumCreatinine << " " << mg << false << box;
    QTest::addRow("inf") << A::SerumCreatinine << "inf" << mg << false << box;
    QTest::addRow("nan") << A::SerumCreatinine << "nan" << mg << false << box;
    QTest::addRow("1e400") << A::SerumCreatinine << "1e400" << mg << false << box;
    QTest::addRow("group separator") << A::SerumCreatinine << "1,000" << mg << false << box;
    QTest::addRow("blanks around") << A::SerumCreatinine << " 1.5 " << mg << true << none;
    QTest::addRow("exponent") << A::SerumCreatinine << "1e2" << mg << true << none;
    // The value is tested before the unit: a bad value never also beeps for its unit.
    QTest::addRow("letters and no unit") << A::SerumCreatinine << "x"
                                         << "" << false << box;
    QTest::addRow("zero and no unit") << A::SerumCreatinine << "0"
                                      << "" << false << none;
    // Units: exact and case-sensitive.
    QTest::addRow("no unit, beeping analyte") << A::SerumCreatinine << "1"
                                              << "" << false << QStringList{QStringLiteral("beep")};
    QTest::addRow("capital unit") << A::SerumCreatinine << "1"
                                  << "MG/DL" << false << QStringList{QStringLiteral("beep")};
    QTest::addRow("unit with blank") << A::SerumCreatinine << "1"
                                     << "mg/dL " << false << QStringList{QStringLiteral("beep")};
    QTest::addRow("other analyte's unit")
        << A::SerumCreatinine << "1"
        << "mmol/L" << false << QStringList{QStringLiteral("beep")};
    QTest::addRow("no unit, quiet analyte") << A::UrineCreatinine << "1"
                                            << "" << false << none;
    QTest::addRow("phosphorus mmol/L") << A::SerumPhosphorus << "1.13"
                                       << "mmol/L" << true << none;
    QTest::addRow("albumin g/L") << A::Albumin << "40"
                                 << "g/L" << true << none;
    QTest::addRow("albumin g/dL") << A::Albumin << "4"
                                  << "g/dL" << true << none;
    // Fixed units and age read no unit field.
    QTest::addRow("fixed unit ignores unit text") << A::SerumSodium << "140"
                                                  << "junk" << true << none;
    QTest::addRow("age 0.6") << A::Age << "0.6"
                             << "" << true << none;
    // Gender.
    QTest::addRow("Male") << A::Gender << "Male"
                          << "" << true << none;
    QTest::addRow("Female") << A::Gender << "Female"
                            << "" << true << none;
    QTest::addRow("male lower case") << A::Gender << "male"
                                     << "" << false << none;
    QTest::addRow("gender empty") << A::Gender << ""
                                  << "" << false << none;
    QTest::addRow("gender with blank") << A::Gender << "Male "
                                       << "" << false << none;
}

void TestChecks::checkOne()
{
    QFETCH(AnalyteId, id);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(bool, passes);
    QFETCH(QStringList, trace);

    MapFields fields;
    fields.set(id, value, unit);
    FakeDialogs dialogs;
    QCOMPARE(check(id, fields, dialogs), passes);

    QStringList kinds;
    for (const QString& t : dialogs.trace())
        kinds << t.section(QLatin1Char(':'), 0, 0);
    QCOMPARE(kinds, trace);
    for (const FakeDialogs::Call& call : dialogs.messages()) {
        QCOMPARE(call.title, QStringLiteral("Quarvex"));
        QVERIFY2(call.text.contains(analyte(id).accessibleName()), qPrintable(call.text));
        QVERIFY(call.text.contains(value));
    }
}

void TestChecks::unitBeeps_data()
{
    QTest::addColumn<AnalyteId>("id");
    QTest::addColumn<bool>("beeps");
    const QList<AnalyteId> beeping{AnalyteId::SerumCalcium,
                                   AnalyteId::SerumCreatinine,
                                   AnalyteId::SerumPhosphorus,
                                   AnalyteId::SerumUrate,
                                   AnalyteId::SerumUrea,
                                   AnalyteId::UrineUrea,
                                   AnalyteId::Chol,
                                   AnalyteId::HDL,
                                   AnalyteId::LDL,
                                   AnalyteId::Iron};
    int lists = 0;
    for (const Analyte& a : analytes()) {
        if (a.unitKind != UnitKind::List)
            continue;
        ++lists;
        QTest::addRow("%s", a.field) << a.id << beeping.contains(a.id);
    }
    QCOMPARE(lists, 20);
}

void TestChecks::unitBeeps()
{
    QFETCH(AnalyteId, id);
    QFETCH(bool, beeps);
    MapFields fields;
    fields.set(id, QStringLiteral("2"), QStringLiteral("furlongs"));
    FakeDialogs dialogs;
    QVERIFY(!check(id, fields, dialogs));
    QCOMPARE(dialogs.beeps(), beeps ? 1 : 0);
    QVERIFY(dialogs.messages().isEmpty());
}

void TestChecks::everyUnitChoicePasses()
{
    for (const Analyte& a : analytes()) {
        for (const QString& unit : a.listItems()) {
            if (a.id == AnalyteId::Gender)
                continue;
            MapFields fields;
            fields.set(a.id, QStringLiteral("2"), unit);
            FakeDialogs dialogs;
            QVERIFY2(check(a.id, fields, dialogs),
                     qPrintable(a.checkName() + QLatin1Char(' ') + unit));
            QVERIFY(dialogs.calls().isEmpty());
        }
    }
}

void TestChecks::evaluateCountsAndOrdersBoxes()
{
    MapFields fields;
    fields.set(AnalyteId::SerumCreatinine, QStringLiteral("abc"), QStringLiteral("mg/dL"));
    fields.set(AnalyteId::UrineCreatinine, QStringLiteral("100"), QStringLiteral("mg/dL"));
    fields.set(AnalyteId::SerumUrea, QStringLiteral("12"), QString()); // beeps
    fields.set(AnalyteId::UrineUrea, QStringLiteral("99999"), QStringLiteral("mg/dL"));
    FakeDialogs dialogs;
    const int errors = evaluate({AnalyteId::SerumCreatinine, AnalyteId::UrineCreatinine,
                                 AnalyteId::SerumUrea, AnalyteId::UrineUrea},
                                fields, dialogs);
    QCOMPARE(errors, 3);
    const QStringList trace = dialogs.trace();
    QCOMPARE(trace.size(), 5);
    QCOMPARE(trace[0], QStringLiteral("beep"));
    QVERIFY(trace[1].startsWith(QStringLiteral("critical:Type mismatch: Serum creatinine")));
    QCOMPARE(trace[2], QStringLiteral("beep"));
    QCOMPARE(trace[3], QStringLiteral("beep"));
    QVERIFY(trace[4].startsWith(QStringLiteral("critical:Overflow: Urine urea")));
}

void TestChecks::evaluateStartsFromZeroEachTime()
{
    MapFields fields;
    fields.set(AnalyteId::SerumCreatinine, QString(), QStringLiteral("mg/dL"));
    fields.set(AnalyteId::SerumUrate, QStringLiteral("5"), QStringLiteral("mg/dL"));
    FakeDialogs dialogs;
    const std::initializer_list<AnalyteId> item{AnalyteId::SerumCreatinine, AnalyteId::SerumUrate};
    QCOMPARE(evaluate(item, fields, dialogs), 1);
    fields.setValue(AnalyteId::SerumCreatinine, QStringLiteral("5"));
    QCOMPARE(evaluate(item, fields, dialogs), 0);
}

void TestChecks::wholeNumberRounding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("rounded");
    QTest::addRow("0.5 to even") << "0.5" << int(WholeNumberStatus::Ok) << 0;
    QTest::addRow("1.5 to even") << "1.5" << int(WholeNumberStatus::Ok) << 2;
    QTest::addRow("2.5 to even") << "2.5" << int(WholeNumberStatus::Ok) << 2;
    QTest::addRow("-2.5 to even") << "-2.5" << int(WholeNumberStatus::Ok) << -2;
    QTest::addRow("2.6") << "2.6" << int(WholeNumberStatus::Ok) << 3;
    QTest::addRow("-32768") << "-32768" << int(WholeNumberStatus::Ok) << -32768;
    QTest::addRow("-32768.6") << "-32768.6" << int(WholeNumberStatus::TooLarge) << 0;
    QTest::addRow("32766.5 to even") << "32766.5" << int(WholeNumberStatus::Ok) << 32766;
    QTest::addRow("text") << "1.2.3" << int(WholeNumberStatus::NotANumber) << 0;
}

void TestChecks::wholeNumberRounding()
{
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(int, rounded);
    const WholeNumber whole = readWholeNumber(text);
    QCOMPARE(int(whole.status), status);
    if (whole.status == WholeNumberStatus::Ok)
        QCOMPARE(whole.rounded, rounded);
}

void TestChecks::germanLocale_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<int>("boxes");
    QTest::addRow("comma decimal") << "0,4" << true << 0;
    QTest::addRow("comma decimal 1,5") << "1,5" << true << 0;
    QTest::addRow("point is no decimal") << "1.5" << false << 1;
    QTest::addRow("whole number") << "70" << true << 0;
    QTest::addRow("letters") << "abc" << false << 1;
}

void TestChecks::germanLocale()
{
    QFETCH(QString, value);
    QFETCH(bool, passes);
    QFETCH(int, boxes);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    MapFields fields;
    fields.set(AnalyteId::Weight, value, QStringLiteral("kg"));
    FakeDialogs dialogs;
    QCOMPARE(check(AnalyteId::Weight, fields, dialogs), passes);
    QCOMPARE(int(dialogs.messages().size()), boxes);
    if (passes)
        QCOMPARE(convertInput(AnalyteId::Weight, fields).converted, QLocale().toDouble(value));
}

void TestChecks::conversions_data()
{
    QTest::addColumn<AnalyteId>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("expected");
    using A = AnalyteId;
    QTest::addRow("154 lbs") << A::Weight << "154"
                             << "lbs" << 70.0;
    QTest::addRow("70 kg") << A::Weight << "70"
                           << "kg" << 70.0;
    QTest::addRow("88.4 umol/L creatinine") << A::SerumCreatinine << "88.4"
                                            << "umol/L" << 1.0;
    QTest::addRow("8.84 mmol/L urine creatinine") << A::UrineCreatinine << "8.84"
                                                  << "mmol/L" << 8.84 * 1000 / 88.4;
    QTest::addRow("phosphorus") << A::SerumPhosphorus << "1.13"
                                << "mmol/L" << 1.13 / 0.323;
    QTest::addRow("cholesterol") << A::Chol << "5.18"
                                 << "mmol/L" << 5.18 / 0.0259;
    QTest::addRow("transferrin g/L") << A::Transferrin << "2.5"
                                     << "g/L" << 250.0;
    QTest::addRow("ferritin pmol/L") << A::Ferritin << "449.4"
                                     << "pmol/L" << 449.4 / 2.247;
    QTest::addRow("ferritin ug/L") << A::Ferritin << "200"
                                   << "ug/L" << 200.0;
    QTest::addRow("unknown unit as typed") << A::Iron << "100"
                                           << "UMOL/L" << 100.0;
    QTest::addRow("fixed unit as typed") << A::UrineProtein << "1"
                                         << "g/L" << 1.0;
}

void TestChecks::conversions()
{
    QFETCH(AnalyteId, id);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(double, expected);
    MapFields fields;
    fields.set(id, value, unit);
    const ConvertedInput input = convertInput(id, fields);
    QCOMPARE(input.converted, expected); // bit for bit: same operations, same order
    QCOMPARE(input.valueText, value);
}

QUARVEX_TEST_MAIN(TestChecks)
#include "tst_checks.moc"
