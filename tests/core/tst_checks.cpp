#include "analytes/checks.h"
#include "coretestmain.h"
#include "fakedialogs.h"

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;
using quarvex::test::FakeDialogs;

Q_DECLARE_METATYPE(quarvex::AnalyteId)

class TestChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void checkOne_data();
    void checkOne();
    void whichAnalytesBeep();
    void evaluateCountsAndOrdersBoxes();
};

namespace {

const QLocale German(QLocale::German, QLocale::Germany);

MapFields one(AnalyteId id, const QString& value, const QString& unit)
{
    MapFields fields;
    fields.set(id, value, unit);
    return fields;
}

} // namespace

void TestChecks::checkOne_data()
{
    QTest::addColumn<AnalyteId>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<bool>("german");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<double>("converted"); // of a value that passes, bit for bit
    QTest::addColumn<QString>("trace");    // "critical" stands for the conversion-failure box

    const auto add = [](const char* tag, AnalyteId id, const char* value, const char* unit,
                        bool german, bool passes, double converted, const char* trace) {
        QTest::addRow("%s", tag) << id << QString::fromLatin1(value) << QString::fromLatin1(unit)
                                 << german << passes << converted << QString::fromLatin1(trace);
    };
    const auto pass = [&](const char* tag, AnalyteId id, const char* value, const char* unit,
                          double converted, bool german = false) {
        add(tag, id, value, unit, german, true, converted, "");
    };
    const auto fail = [&](const char* tag, AnalyteId id, const char* value, const char* unit,
                          const char* trace = "", bool german = false) {
        add(tag, id, value, unit, german, false, 0.0, trace);
    };
    using A = AnalyteId;
    const A cr = A::SerumCreatinine;

    // Any positive number passes; zero, negatives and empty fail without a word.
    pass("0.4 passes", cr, "0.4", "mg/dL", 0.4);
    pass("0.5 passes", cr, "0.5", "mg/dL", 0.5);
    fail("zero fails silently", cr, "0", "mg/dL");
    fail("-3 fails silently", cr, "-3", "mg/dL");
    fail("empty fails silently", cr, "", "mg/dL");
    // Outside the whole-number range (rounded half to even) is a conversion failure.
    pass("32767 passes", cr, "32767", "mg/dL", 32767.0);
    fail("32767.5 too large", cr, "32767.5", "mg/dL", "beep critical");
    fail("40000 too large", cr, "40000", "mg/dL", "beep critical");
    fail("-32768.5 rounds to even, fails silently", A::Age, "-32768.5", "");
    fail("letters", cr, "abc", "mg/dL", "beep critical");
    fail("single blank", cr, " ", "mg/dL", "beep critical");
    fail("inf", cr, "inf", "mg/dL", "beep critical");
    fail("group separator", cr, "1,000", "mg/dL", "beep critical");
    // The value is tested before the unit: a bad value never also beeps for its unit.
    fail("letters and no unit", cr, "x", "", "beep critical");
    // Units: exact and case-sensitive; fixed units read no unit field.
    fail("no unit", cr, "1", "", "beep");
    fail("capital unit", cr, "1", "MG/DL", "beep");
    pass("fixed unit ignores unit text", A::SerumSodium, "140", "junk", 140.0);
    pass("Male", A::Gender, "Male", "", 0.0);
    fail("male lower case", A::Gender, "male", "");
    // A comma-decimal locale.
    pass("German 0,4", A::Weight, "0,4", "kg", 0.4, true);
    fail("German 1.5 is no number", A::Weight, "1.5", "kg", "beep critical", true);
    // Conversions to the formula unit: the same operations in the same order.
    pass("154 lbs", A::Weight, "154", "lbs", 70.0);
    pass("88.4 umol/L creatinine", cr, "88.4", "umol/L", 1.0);
    pass("8.84 mmol/L urine creatinine", A::UrineCreatinine, "8.84", "mmol/L", 8.84 * 1000 / 88.4);
    pass("transferrin g/L", A::Transferrin, "2.5", "g/L", 250.0);
    pass("ferritin pmol/L", A::Ferritin, "449.4", "pmol/L", 449.4 / 2.247);
}

void TestChecks::checkOne()
{
    QFETCH(AnalyteId, id);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(bool, german);
    QFETCH(bool, passes);
    QFETCH(double, converted);
    QFETCH(QString, trace);

    if (german)
        QLocale::setDefault(German);
    const MapFields fields = one(id, value, unit);
    FakeDialogs dialogs;
    QCOMPARE(check(id, fields, dialogs), passes);
    if (passes && id != AnalyteId::Gender)
        QCOMPARE(convertInput(id, fields).converted, converted);

    QStringList kinds;
    for (const QString& t : dialogs.trace())
        kinds << t.section(u':', 0, 0);
    QCOMPARE(kinds.join(u' '), trace);
    for (const FakeDialogs::Call& call : dialogs.messages()) {
        QCOMPARE(call.title, u"Quarvex"_s);
        QVERIFY2(call.text.contains(analyte(id).accessibleName()), qPrintable(call.text));
        QVERIFY(call.text.contains(value));
    }
}

// An unrecognised unit beeps for ten analytes only, and never shows a box.
void TestChecks::whichAnalytesBeep()
{
    QStringList beeping;
    for (const Analyte& a : analytes()) {
        if (a.unitKind != UnitKind::List)
            continue;
        FakeDialogs dialogs;
        QVERIFY(!check(a.id, one(a.id, u"2"_s, u"furlongs"_s), dialogs));
        QCOMPARE(dialogs.trace(), dialogs.beeps() ? QStringList{u"beep"_s} : QStringList());
        if (dialogs.beeps())
            beeping << QString::fromLatin1(a.field);
    }
    QCOMPARE(beeping.join(u' '), u"SerumCreatinine SerumCalcium SerumPhosphorus SerumUrea "
                                 u"UrineUrea SerumUrate Chol HDL LDL Iron"_s);
}

// One count per failing analyte, the boxes in the item's order, and each
// evaluation counting afresh.
void TestChecks::evaluateCountsAndOrdersBoxes()
{
    using A = AnalyteId;
    MapFields fields = one(A::SerumCreatinine, u"abc"_s, u"mg/dL"_s);
    fields.set(A::UrineCreatinine, u"100"_s, u"mg/dL"_s);
    fields.set(A::SerumUrea, u"12"_s); // no unit: beeps
    fields.set(A::UrineUrea, u"99999"_s, u"mg/dL"_s);
    const std::initializer_list<A> item{A::SerumCreatinine, A::UrineCreatinine, A::SerumUrea,
                                        A::UrineUrea};
    FakeDialogs dialogs;
    QCOMPARE(evaluate(item, fields, dialogs), 3);
    const QStringList trace = dialogs.trace();
    QCOMPARE(trace.size(), 5);
    QVERIFY(trace[1].startsWith(u"critical:Type mismatch: Serum creatinine"_s));
    QVERIFY(trace[4].startsWith(u"critical:Overflow: Urine urea"_s));
    QCOMPARE(trace[0] + trace[2] + trace[3], u"beepbeepbeep"_s);

    fields.setValue(A::SerumCreatinine, u"1"_s);
    fields.setUnit(A::SerumUrea, u"mg/dL"_s);
    QCOMPARE(evaluate(item, fields, dialogs), 1);
}

QUARVEX_CORE_TEST_MAIN(TestChecks)
#include "tst_checks.moc"
