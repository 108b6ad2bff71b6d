#include "calc/bands.h"
#include "calc/format.h"
#include "calc/outcome.h"
#include "testmain.h"

#include <limits>

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

class TestFormat : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixed2_data();
    void fixed2();
    void plain_data();
    void plain();
    void bandEdges_data();
    void bandEdges();
    void rowLine();
};

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);
constexpr double Inf = std::numeric_limits<double>::infinity();
} // namespace

void TestFormat::fixed2_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");

    // Half away from zero on the 15-digit decimal, not on the binary value.
    QTest::addRow("0.125") << 0.125 << u"0.13"_s << u"0,13"_s;
    QTest::addRow("2.675") << 2.675 << u"2.68"_s << u"2,68"_s;
    QTest::addRow("1.005") << 1.005 << u"1.01"_s << u"1,01"_s;
    QTest::addRow("0.005") << 0.005 << u"0.01"_s << u"0,01"_s;
    QTest::addRow("0.0049999") << 0.0049999 << u"0.00"_s << u"0,00"_s;
    QTest::addRow("-0.125") << -0.125 << u"-0.13"_s << u"-0,13"_s;
    QTest::addRow("-2.675") << -2.675 << u"-2.68"_s << u"-2,68"_s;
    QTest::addRow("carry into a new digit") << 99.995 << u"100.00"_s << u"100,00"_s;
    QTest::addRow("negative carry") << -9.999 << u"-10.00"_s << u"-10,00"_s;
    QTest::addRow("double error above an edge") << 55.00000000000001 << u"55.00"_s << u"55,00"_s;
    QTest::addRow("three decimals") << 97.22222222222223 << u"97.22"_s << u"97,22"_s;
    // Zero and values that round to zero never carry a minus sign.
    QTest::addRow("zero") << 0.0 << u"0.00"_s << u"0,00"_s;
    QTest::addRow("negative zero") << -0.0 << u"0.00"_s << u"0,00"_s;
    QTest::addRow("-0.001") << -0.001 << u"0.00"_s << u"0,00"_s;
    QTest::addRow("-0.004999") << -0.004999 << u"0.00"_s << u"0,00"_s;
    QTest::addRow("-0.005") << -0.005 << u"-0.01"_s << u"-0,01"_s;
    QTest::addRow("tiny") << 1e-300 << u"0.00"_s << u"0,00"_s;
    // No group separators; large values in full, without an exponent.
    QTest::addRow("thousands") << 1234567.891 << u"1234567.89"_s << u"1234567,89"_s;
    QTest::addRow("1e20") << 1e20 << u"100000000000000000000.00"_s << u"100000000000000000000,00"_s;
    QTest::addRow("-1e20") << -1e20 << u"-100000000000000000000.00"_s
                           << u"-100000000000000000000,00"_s;
    QTest::addRow("beyond 15 digits")
        << 12345678901234567.0 << u"12345678901234600.00"_s << u"12345678901234600,00"_s;
    QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << u"not a number"_s
                                  << u"not a number"_s;
    QTest::addRow("infinity") << Inf << u"infinity"_s << u"infinity"_s;
    QTest::addRow("-infinity") << -Inf << u"-infinity"_s << u"-infinity"_s;
}

void TestFormat::fixed2() {
    QFETCH(double, value);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(formatFixed2(value, English), english);
    QCOMPARE(formatFixed2(value, German), german);
}

void TestFormat::plain_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");

    QTest::addRow("whole") << 200.0 << u"200"_s << u"200"_s;
    QTest::addRow("15 digits") << 5.0 / 0.0259 << u"193.050193050193"_s << u"193,050193050193"_s;
    QTest::addRow("near-whole double") << 5.18 / 0.0259 << u"200"_s << u"200"_s;
    QTest::addRow("trailing zeros dropped") << 39.5 << u"39.5"_s << u"39,5"_s;
    QTest::addRow("no grouping") << 1265057.0 << u"1265057"_s << u"1265057"_s;
    QTest::addRow("small") << 0.0125 << u"0.0125"_s << u"0,0125"_s;
    QTest::addRow("negative") << -2.5 << u"-2.5"_s << u"-2,5"_s;
    QTest::addRow("zero") << 0.0 << u"0"_s << u"0"_s;
    QTest::addRow("absurdly large") << 1.5e300 << u"1.5e+300"_s << u"1,5e+300"_s;
    QTest::addRow("infinity") << Inf << u"infinity"_s << u"infinity"_s;
}

void TestFormat::plain() {
    QFETCH(double, value);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(formatPlain(value, English), english);
    QCOMPARE(formatPlain(value, German), german);
}

void TestFormat::bandEdges_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("bound");
    QTest::addColumn<bool>("less");
    QTest::addColumn<bool>("lessOrEqual");

    QTest::addRow("exact") << 55.0 << 55.0 << false << true;
    QTest::addRow("double error above") << 55.0 / 100.0 * 100.0 << 55.0 << false << true;
    QTest::addRow("double error below") << 0.3 - 0.2 << 0.1 << false << true;
    QTest::addRow("5.18 mmol/L is 200 mg/dL") << 5.18 / 0.0259 << 200.0 << false << true;
    QTest::addRow("well below") << 54.99 << 55.0 << true << true;
    QTest::addRow("just outside the tolerance") << 55.0 * (1 + 1e-8) << 55.0 << false << false;
    QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 55.0 << false
                                  << false;
}

void TestFormat::bandEdges() {
    QFETCH(double, value);
    QFETCH(double, bound);
    QFETCH(bool, less);
    QFETCH(bool, lessOrEqual);
    QCOMPARE(quarvex::less(value, bound), less);
    QCOMPARE(quarvex::lessOrEqual(value, bound), lessOrEqual);
    QCOMPARE(quarvex::greaterOrEqual(value, bound), !less && !std::isnan(value));
    QCOMPARE(quarvex::greater(value, bound), !lessOrEqual && !std::isnan(value));
}

void TestFormat::rowLine() {
    const ResultRow row{u"Ferritin Stores"_s, QString(), u"a\rb "_s};
    QCOMPARE(row.line(), u"Ferritin Stores\t\ta\rb "_s);
    QCOMPARE(ResultRow::fromLine(row.line()), row);
    QCOMPARE(ResultRow::fromLine(u"only"_s), (ResultRow{u"only"_s, QString(), QString()}));
}

QUARVEX_TEST_MAIN(TestFormat)
#include "tst_format.moc"
