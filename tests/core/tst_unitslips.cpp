#include "analytes/analyte.h"
#include "analytes/bands.h"
#include "analytes/plausibility.h"
#include "coretestmain.h"
#include "practice/scenarios.h"
#include "testfields.h"

#include <QSet>

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
    void diseaseCorpus_data();
    void diseaseCorpus();
    void scenarioRangesAreTypical();
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

namespace {

// Values seen in disease, each in the unit a laboratory reports it in, with
// where the literature (the reference list's ids) or the clinical picture
// puts it. None may be questioned: no "Did you mean" and no "Is it right?".
struct DiseaseValue {
    const char* field;
    const char* unit; // "" for a fixed unit or none
    double value;
    const char* where;
};

// clang-format off
constexpr DiseaseValue Corpus[] = {
    {"Age", "", 18, "youngest adult"}, {"Age", "", 95, "oldest in the scenarios"},
    {"Weight", "kg", 38, "anorexia"}, {"Weight", "kg", 45, "cachexia"}, {"Weight", "kg", 150, "obesity"}, {"Weight", "kg", 200, "severe obesity"},
    {"Weight", "lbs", 90, "cachexia"}, {"Weight", "lbs", 420, "severe obesity"},
    {"SerumCreatinine", "mg/dL", 2.5, "CKD G3b"}, {"SerumCreatinine", "mg/dL", 7.4, "critical high R46"}, {"SerumCreatinine", "mg/dL", 12, "CKD G5"},
    {"SerumCreatinine", "mg/dL", 15, "kidney failure"}, {"SerumCreatinine", "mg/dL", 20, "untreated uraemia"}, {"SerumCreatinine", "mg/dL", 0.3, "low muscle mass"},
    {"SerumCreatinine", "umol/L", 650, "critical high R46"}, {"SerumCreatinine", "umol/L", 1100, "CKD G5"}, {"SerumCreatinine", "umol/L", 1500, "kidney failure"},
    {"UrineCreatinine", "mg/dL", 6, "dilute urine"}, {"UrineCreatinine", "mg/dL", 15, "dilute urine"}, {"UrineCreatinine", "mg/dL", 300, "concentrated urine R89"},
    {"UrineCreatinine", "mg/dL", 350, "concentrated urine"}, {"UrineCreatinine", "mmol/L", 0.6, "dilute urine"}, {"UrineCreatinine", "mmol/L", 25, "concentrated urine"},
    {"SerumSodium", "", 105, "severe hyponatraemia R55"}, {"SerumSodium", "", 110, "SIADH"}, {"SerumSodium", "", 118, "SIADH"},
    {"SerumSodium", "", 125, "SIADH"}, {"SerumSodium", "", 158, "critical high R45"}, {"SerumSodium", "", 170, "hypernatraemia"},
    {"UrineSodium", "", 5, "sodium avidity R73"}, {"UrineSodium", "", 10, "prerenal R73"}, {"UrineSodium", "", 140, "24-hour R62"}, {"UrineSodium", "", 200, "diuretic"},
    {"SerumPotassium", "", 1.8, "severe hypokalaemia R90"}, {"SerumPotassium", "", 2.5, "hypokalaemia"}, {"SerumPotassium", "", 6.2, "critical high R45"},
    {"SerumPotassium", "", 7.5, "hyperkalaemia"}, {"SerumPotassium", "", 8.5, "severe hyperkalaemia R54"},
    {"UrinePotassium", "", 5, "conservation R71"}, {"UrinePotassium", "", 10, "diarrhoea R76"}, {"UrinePotassium", "", 150, "renal loss"},
    {"SerumCalcium", "mg/dL", 5.5, "hypocalcaemia"}, {"SerumCalcium", "mg/dL", 6.6, "critical low R45"}, {"SerumCalcium", "mg/dL", 12.9, "critical high R46"},
    {"SerumCalcium", "mg/dL", 14.5, "hypercalcaemic crisis R59"}, {"SerumCalcium", "mg/dL", 17, "hypercalcaemic crisis"},
    {"SerumCalcium", "mmol/L", 1.4, "hypocalcaemia"}, {"SerumCalcium", "mmol/L", 3.5, "hypercalcaemic crisis"}, {"SerumCalcium", "mmol/L", 4.2, "hypercalcaemic crisis"},
    {"UrineCalcium", "mg/dL", 2, "FHH"}, {"UrineCalcium", "mg/dL", 30, "hypercalciuria"}, {"UrineCalcium", "mmol/L", 0.5, "spot urine"}, {"UrineCalcium", "mmol/L", 7, "spot urine"},
    {"SerumPhosphorus", "mg/dL", 1.0, "refeeding"}, {"SerumPhosphorus", "mg/dL", 1.2, "critical low R46"}, {"SerumPhosphorus", "mg/dL", 8.9, "critical high R46"},
    {"SerumPhosphorus", "mg/dL", 12, "kidney failure"}, {"SerumPhosphorus", "mmol/L", 0.3, "refeeding"}, {"SerumPhosphorus", "mmol/L", 2.9, "CKD G5"},
    {"SerumPhosphorus", "mmol/L", 4.2, "kidney failure"},
    {"UrinePhosphorus", "mg/dL", 10, "low intake"}, {"UrinePhosphorus", "mg/dL", 200, "phosphaturia"}, {"UrinePhosphorus", "mmol/L", 3, "low intake"}, {"UrinePhosphorus", "mmol/L", 60, "phosphaturia"},
    {"SerumUrea", "mg/dL", 3, "SIADH"}, {"SerumUrea", "mg/dL", 60, "prerenal"}, {"SerumUrea", "mg/dL", 104, "critical high R46"}, {"SerumUrea", "mg/dL", 150, "uraemia"},
    {"SerumUrea", "mmol/L", 1.5, "SIADH"}, {"SerumUrea", "mmol/L", 37.1, "critical high R46"}, {"SerumUrea", "mmol/L", 55, "uraemia"},
    {"UrineUrea", "mg/dL", 100, "ATN"}, {"UrineUrea", "mg/dL", 1500, "prerenal"}, {"UrineUrea", "mmol/L", 70, "dilute urine"}, {"UrineUrea", "mmol/L", 530, "concentrated urine"},
    {"SerumUrate", "mg/dL", 1.0, "SIADH"}, {"SerumUrate", "mg/dL", 13, "critical R46"}, {"SerumUrate", "mg/dL", 18, "tumour lysis R57"},
    {"SerumUrate", "umol/L", 60, "SIADH"}, {"SerumUrate", "umol/L", 900, "tumour lysis"},
    {"UrineUrate", "mg/dL", 10, "low intake"}, {"UrineUrate", "mg/dL", 150, "uric acid nephropathy R57"}, {"UrineUrate", "mmol/L", 0.5, "low intake"}, {"UrineUrate", "mmol/L", 9, "uric acid nephropathy"},
    {"SerumAmylase", "", 10, "chronic pancreatitis"}, {"SerumAmylase", "", 300, "pancreatitis"}, {"SerumAmylase", "", 1500, "pancreatitis"}, {"SerumAmylase", "", 3000, "pancreatitis"},
    {"UrineAmylase", "", 40, "macroamylasaemia"}, {"UrineAmylase", "", 641, "2-hour upper limit R93"}, {"UrineAmylase", "", 5000, "pancreatitis"},
    {"UrineProtein", "", 0.05, "healthy"}, {"UrineProtein", "", 3, "proteinuria"}, {"UrineProtein", "", 10, "nephrotic syndrome"},
    {"UrineVolume", "", 200, "anuria"}, {"UrineVolume", "", 400, "oliguria R95"}, {"UrineVolume", "", 3500, "polyuria R96"},
    {"UrineVolume", "", 12000, "diabetes insipidus R96"}, {"UrineVolume", "", 18000, "diabetes insipidus R96"},
    {"Chol", "mg/dL", 90, "hypobetalipoproteinaemia"}, {"Chol", "mg/dL", 350, "familial hypercholesterolaemia"}, {"Chol", "mg/dL", 500, "R97"},
    {"Chol", "mg/dL", 600, "homozygous FH R97"}, {"Chol", "mmol/L", 3.0, "statin"}, {"Chol", "mmol/L", 13, "familial hypercholesterolaemia"},
    {"HDL", "mg/dL", 10, "Tangier disease"}, {"HDL", "mg/dL", 15, "low HDL"}, {"HDL", "mg/dL", 116, "cohorts R30"},
    {"HDL", "mmol/L", 0.4, "low HDL"}, {"HDL", "mmol/L", 3.0, "cohorts R30"},
    {"LDL", "mg/dL", 4, "PCSK9 inhibitor"}, {"LDL", "mg/dL", 20, "PCSK9 inhibitor"}, {"LDL", "mg/dL", 250, "familial hypercholesterolaemia"},
    {"LDL", "mg/dL", 500, "homozygous FH R97"}, {"LDL", "mmol/L", 0.5, "PCSK9 inhibitor"}, {"LDL", "mmol/L", 13, "homozygous FH"},
    {"Triglycerides", "mg/dL", 40, "low"}, {"Triglycerides", "mg/dL", 500, "hypertriglyceridaemia"}, {"Triglycerides", "mg/dL", 1000, "hypertriglyceridaemia"},
    {"Triglycerides", "mg/dL", 1500, "chylomicronaemia"}, {"Triglycerides", "mg/dL", 2500, "chylomicronaemia"},
    {"Triglycerides", "mmol/L", 11.3, "hypertriglyceridaemia"}, {"Triglycerides", "mmol/L", 25, "chylomicronaemia"},
    {"AST", "", 8, "low"}, {"AST", "", 500, "hepatitis"}, {"AST", "", 3000, "viral hepatitis"}, {"AST", "", 9000, "ischaemic hepatitis R98"},
    {"ALT", "", 5, "low"}, {"ALT", "", 1000, "viral hepatitis"}, {"ALT", "", 5000, "toxic injury R98"},
    {"BilirubinDirect", "mg/dL", 0.1, "healthy"}, {"BilirubinDirect", "mg/dL", 5, "cholestasis"}, {"BilirubinDirect", "mg/dL", 20, "obstruction"},
    {"BilirubinDirect", "umol/L", 85, "cholestasis"}, {"BilirubinDirect", "umol/L", 340, "obstruction"},
    {"BilirubinTotal", "mg/dL", 2.5, "visible jaundice R37"}, {"BilirubinTotal", "mg/dL", 15, "critical R46"}, {"BilirubinTotal", "mg/dL", 30, "liver failure"},
    {"BilirubinTotal", "mg/dL", 45, "liver failure R7"}, {"BilirubinTotal", "umol/L", 50, "jaundice"}, {"BilirubinTotal", "umol/L", 500, "liver failure"},
    {"Albumin", "g/dL", 1.5, "nephrotic syndrome"}, {"Albumin", "g/dL", 2.0, "cirrhosis"}, {"Albumin", "g/dL", 5.5, "dehydration"},
    {"Albumin", "g/L", 15, "nephrotic syndrome"}, {"Albumin", "g/L", 20, "cirrhosis"},
    {"Globulin", "g/dL", 1.5, "hypogammaglobulinaemia"}, {"Globulin", "g/dL", 6, "myeloma"}, {"Globulin", "g/dL", 8, "myeloma"}, {"Globulin", "g/dL", 10, "myeloma"},
    {"Globulin", "g/L", 60, "myeloma"}, {"Globulin", "g/L", 100, "myeloma"},
    {"Iron", "ug/dL", 8, "severe iron deficiency"}, {"Iron", "ug/dL", 15, "iron deficiency"}, {"Iron", "ug/dL", 250, "haemochromatosis"},
    {"Iron", "umol/L", 2, "iron deficiency"}, {"Iron", "umol/L", 45, "haemochromatosis"},
    {"TIBC", "ug/dL", 120, "chronic disease"}, {"TIBC", "ug/dL", 550, "iron deficiency"}, {"TIBC", "umol/L", 20, "chronic disease"}, {"TIBC", "umol/L", 100, "iron deficiency"},
    {"Ferritin", "ng/ml", 3, "iron deficiency R38"}, {"Ferritin", "ng/ml", 5, "iron deficiency"}, {"Ferritin", "ng/ml", 1000, "overload"},
    {"Ferritin", "ng/ml", 5000, "haemochromatosis"}, {"Ferritin", "ng/ml", 15000, "HLH R56"}, {"Ferritin", "ug/L", 30000, "HLH R56"},
    {"Ferritin", "pmol/L", 11, "iron deficiency"}, {"Ferritin", "pmol/L", 4500, "overload"},
    {"Transferrin", "mg/dL", 100, "chronic disease"}, {"Transferrin", "mg/dL", 450, "iron deficiency"}, {"Transferrin", "g/L", 1.0, "chronic disease"}, {"Transferrin", "g/L", 4.5, "iron deficiency"},
};
// clang-format on

} // namespace

void TestUnitSlips::diseaseCorpus_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("value");
    QSet<QString> fields;
    for (const DiseaseValue& d : Corpus) {
        QTest::addRow("%s %g %s (%s)", d.field, d.value, d.unit, d.where)
            << QString::fromLatin1(d.field) << QString::fromLatin1(d.unit) << d.value;
        fields.insert(QString::fromLatin1(d.field));
    }
    // At least 150 values, every analyte with an entry among them.
    QVERIFY(std::size(Corpus) >= 150);
    for (const auto& [field, unit] : plausibilityKeys())
        QVERIFY2(fields.contains(field), qPrintable(field));
}

// A value seen in disease, in the unit the laboratory reports it in, is
// never questioned; at most a calm line says it is rare.
void TestUnitSlips::diseaseCorpus()
{
    QFETCH(QString, field);
    QFETCH(QString, unit);
    QFETCH(double, value);
    QVERIFY(plausibility(field, unit));
    const QString hint = rangeHint(field, unit, value, English);
    QVERIFY2(!hint.contains(u"Did you mean"_s), qPrintable(hint));
    QVERIFY2(!hint.contains(u"Is it right"_s) && !hint.contains(u'?'), qPrintable(hint));
}

// Every range a scenario draws from lies in the typical range of each unit:
// the ends, as a laboratory reports them, raise no hint at all.
void TestUnitSlips::scenarioRangesAreTypical()
{
    QStringList faults;
    int checked = 0;
    for (const Scenario& s : scenarios()) {
        for (const ValueRule& r : s.rules) {
            if (r.rule != Rule::Range && r.rule != Rule::LogRange && r.rule != Rule::SexRange)
                continue;
            const Analyte& a = analyte(r.id);
            QList<double> ends{r.low, r.high};
            if (r.rule == Rule::SexRange)
                ends << r.low2 << r.high2;
            const QList<UnitChoice> units =
                a.unitKind == UnitKind::List
                    ? QList<UnitChoice>(a.unitChoices().begin(), a.unitChoices().end())
                    : QList<UnitChoice>{UnitChoice{"", 1.0, 1.0}};
            for (const UnitChoice& unit : units) {
                for (const double x : ends) {
                    const double v = reported(fromFormula(x, unit));
                    const QString hint =
                        rangeHint(a.fieldName(), QString::fromLatin1(unit.text), v, English);
                    ++checked;
                    if (!hint.isEmpty())
                        faults << u"%1: %2"_s.arg(QLatin1String(s.id), hint);
                }
            }
        }
    }
    QVERIFY(checked > 150);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestUnitSlips::cleanupTestCase()
{
    qInfo("%d slips questioned naming the unit meant: %d; %d ambiguous left alone; "
          "%d ordinary and diseased values, questioned: %d",
          totals.slips, totals.caught, totals.ambiguous, totals.ordinary, totals.falseQuestions);
}

QUARVEX_CORE_TEST_MAIN(TestUnitSlips)
#include "tst_unitslips.moc"
