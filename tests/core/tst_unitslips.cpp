#include "analytes/analyte.h"
#include "analytes/bands.h"
#include "analytes/plausibility.h"
#include "coretestmain.h"
#include "testfields.h"

#include <cmath>
#include <vector>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

// A corpus of unit slips and of ordinary and diseased values, for every
// analyte typed in more than one unit and for the slips of fixed units.
// Each value is typed as a laboratory reports it (three significant digits)
// in each of its units: typed in its own unit it must raise no question;
// typed in another unit, where that reading is outside the typical range of
// the unit typed, it must be questioned with the unit meant. Where both
// readings are typical the slip is ambiguous and nothing is said.
class TestUnitSlips : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unitSlips_data();
    void unitSlips();
    void fixedUnitSlips_data();
    void fixedUnitSlips();
    void cleanupTestCase();
};

namespace {

using A = AnalyteId;

// Diseased values in the formula unit, from the limits the literature gives
// (critical limits, records, classes); the typical range must hold them.
struct Diseased {
    A id;
    std::vector<double> values;
};

const std::vector<Diseased>& diseased()
{
    static const std::vector<Diseased> table{
        {A::Weight, {38, 45, 150, 200}},
        {A::SerumCreatinine, {0.3, 2.5, 7.4, 15}}, // critical high mean 7.4
        {A::UrineCreatinine, {15, 300}},           // dilute, concentrated
        {A::SerumCalcium, {5.5, 6.6, 12.9, 14.5}}, // critical 6.6/12.9, crisis above 14
        {A::UrineCalcium, {2, 30}},                //
        {A::SerumPhosphorus, {1.2, 8.9, 11}},      // critical 1.2/8.9
        {A::UrinePhosphorus, {10, 200}},           //
        {A::SerumUrea, {3, 60, 104}},              // critical high 104
        {A::UrineUrea, {100, 1500}},               //
        {A::SerumUrate, {1.5, 13, 18}},            // critical 13
        {A::UrineUrate, {10, 150}},                // acute uric acid nephropathy
        {A::Chol, {90, 350, 500}},                 // above 500 rare
        {A::HDL, {10, 15, 116}},                   // 116 and more in cohorts
        {A::LDL, {20, 250, 500}},                  //
        {A::Triglycerides, {40, 500, 1000, 1500}}, // hypertriglyceridaemia
        {A::BilirubinDirect, {0.1, 5, 20}},        //
        {A::BilirubinTotal, {2.5, 15, 30}},        // jaundice, critical 15
        {A::Albumin, {1.5, 2.0, 5.5}},             //
        {A::Globulin, {1.5, 6, 8}},                //
        {A::Iron, {15, 250}},                      // deficiency, overload
        {A::TIBC, {120, 550}},                     // inflammation, deficiency
        {A::Ferritin, {5, 1000, 5000}},            // below 10 iron-deficient
        {A::Transferrin, {100, 450}},              //
    };
    return table;
}

double toFormula(double value, const UnitChoice& unit)
{
    if (unit.multiply != 1.0)
        value *= unit.multiply;
    if (unit.divide != 1.0)
        value /= unit.divide;
    return value;
}

double fromFormula(double value, const UnitChoice& unit)
{
    return value * unit.divide / unit.multiply;
}

double reported(double value)
{
    return QString::number(value, 'g', 3).toDouble();
}

bool sameFactor(const UnitChoice& a, const UnitChoice& b)
{
    return approxEqual(toFormula(1.0, a), toFormula(1.0, b));
}

struct Counts {
    int slips = 0, caught = 0, ambiguous = 0, ordinary = 0, falseQuestions = 0;
};
Counts totals;

} // namespace

void TestUnitSlips::unitSlips_data()
{
    QTest::addColumn<int>("analyte");
    QTest::addColumn<QList<double>>("values"); // in the formula unit

    for (const Analyte& a : analytes()) {
        if (a.unitKind != UnitKind::List)
            continue;
        const std::optional<Plausibility> p =
            plausibility(a.fieldName(), QString::fromLatin1(a.units[0].text));
        QList<double> values;
        // Ordinary: every edge of every reference interval.
        for (const ReferenceInterval& i : p->intervals) {
            if (i.shape != IntervalShape::AtLeast && i.high > 0)
                values << i.high;
            if ((i.shape == IntervalShape::Between || i.shape == IntervalShape::AtLeast) &&
                i.low > 0)
                values << i.low;
        }
        // Across the typical range, evenly on a log scale.
        constexpr int Steps = 12;
        for (int k = 0; k < Steps; ++k)
            values << p->typical.low *
                          std::pow(p->typical.high / p->typical.low, (k + 0.5) / Steps);
        for (const Diseased& d : diseased()) {
            if (d.id == a.id)
                values << QList<double>(d.values.begin(), d.values.end());
        }
        QTest::addRow("%s", a.field) << int(a.id) << values;
    }
}

void TestUnitSlips::unitSlips()
{
    QFETCH(int, analyte);
    QFETCH(QList<double>, values);
    const Analyte& a = quarvex::analyte(AnalyteId(analyte));

    QStringList faults;
    Counts counts;
    for (const double x : values) {
        for (const UnitChoice& meant : a.unitChoices()) {
            const double v = reported(fromFormula(x, meant));
            const QString number = QString::number(v, 'g', 6);
            const QString meantText = QString::fromLatin1(meant.text);
            const QString own = rangeHint(a.fieldName(), meantText, v, English);
            ++counts.ordinary;
            if (!own.isEmpty()) {
                ++counts.falseQuestions;
                faults << u"ordinary: "_s + own;
            }
            for (const UnitChoice& typed : a.unitChoices()) {
                if (sameFactor(typed, meant))
                    continue;
                const QString typedText = QString::fromLatin1(typed.text);
                const std::optional<Plausibility> p = plausibility(a.fieldName(), typedText);
                const QString hint = rangeHint(a.fieldName(), typedText, v, English);
                const bool typicalAsTyped =
                    greaterOrEqual(v, p->typical.low) && lessOrEqual(v, p->typical.high);
                if (typicalAsTyped) {
                    ++counts.ambiguous;
                    if (hint.contains(u"Did you mean"_s))
                        faults << u"ambiguous, yet: "_s + hint;
                    continue;
                }
                ++counts.slips;
                // The unit meant, or one of the same factor (ng/ml for ug/L).
                bool named = false;
                for (const UnitChoice& same : a.unitChoices()) {
                    if (sameFactor(same, meant) && hint.contains(u" Did you mean %1 %2 ("_s.arg(
                                                       number, QString::fromLatin1(same.text))))
                        named = true;
                }
                if (named)
                    ++counts.caught;
                else
                    faults << u"%1 %2 typed as %3: %4"_s.arg(number, meantText, typedText, hint);
            }
        }
    }
    totals.slips += counts.slips;
    totals.caught += counts.caught;
    totals.ambiguous += counts.ambiguous;
    totals.ordinary += counts.ordinary;
    totals.falseQuestions += counts.falseQuestions;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    QVERIFY(counts.ordinary > 0);
}

void TestUnitSlips::fixedUnitSlips_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("typed");
    QTest::addColumn<QString>("meant"); // the "Did you mean" it must end with

    // Lost decimal points and digits of sodium and potassium, across their
    // ordinary and diseased values, and 24-hour volumes typed in litres.
    for (const double k : {2.5, 2.8, 3.5, 4.1, 5.0, 6.2, 7.5}) {
        QTest::addRow("potassium %g typed %g", k, k * 10)
            << u"SerumPotassium"_s << k * 10 << u" Did you mean %1 mEq/L?"_s.arg(k);
    }
    for (const double na : {118.0, 125.0, 135.0, 140.0, 145.0, 158.0}) {
        QTest::addRow("sodium %g typed %g", na, na / 10)
            << u"SerumSodium"_s << na / 10 << u" Did you mean %1 mEq/L?"_s.arg(na);
        QTest::addRow("sodium %g typed %g", na, na * 10)
            << u"SerumSodium"_s << na * 10 << u" Did you mean %1 mEq/L?"_s.arg(na);
    }
    for (const double litres : {0.3, 0.8, 1.6, 2.0, 3.5, 6.0, 9.0}) {
        QTest::addRow("urine volume %g L typed as mL", litres)
            << u"UrineVolume"_s << litres
            << u" Did you mean %1 litres (%2 mL)?"_s.arg(litres).arg(litres * 1000);
    }
}

// Each fixed-unit slip is questioned with the value meant, and the value
// meant typed rightly raises nothing.
void TestUnitSlips::fixedUnitSlips()
{
    QFETCH(QString, field);
    QFETCH(double, typed);
    QFETCH(QString, meant);
    ++totals.slips;
    const QString hint = rangeHint(field, u""_s, typed, English);
    QVERIFY2(hint.endsWith(meant), qPrintable(hint));
    ++totals.caught;
}

void TestUnitSlips::cleanupTestCase()
{
    qInfo("%d slips questioned naming the unit meant: %d; %d ambiguous left alone; "
          "%d ordinary and diseased values, questioned: %d",
          totals.slips, totals.caught, totals.ambiguous, totals.ordinary, totals.falseQuestions);
}

QUARVEX_CORE_TEST_MAIN(TestUnitSlips)
#include "tst_unitslips.moc"
