#include "analytes/format.h"
#include "calc/formula.h"
#include "calc/items.h"
#include "coretestmain.h"
#include "testfields.h"

#include <cmath>
#include <limits>
#include <random>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quarvex::ItemId)

class TestCalculations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fixed2_data();
    void fixed2();
    void sixDigitsAsTheLocaleWritesThem_data();
    void sixDigitsAsTheLocaleWritesThem();
    void bands_data();
    void bands();
    void bandEdges_data();
    void bandEdges();
    void screenForms_data();
    void screenForms();
};

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();

// The result box keeps its text (no result written).
const QString Kept = u"<kept>"_s;

QString line(const QString& name, const QString& result, const QString& interpretation)
{
    return name + u'\t' + result + u'\t' + interpretation;
}

// Adds rows of one single-row item to the bands table, named by their fields.
// A null result: the result box keeps its text.
auto rowsOf(const char* name, ItemId item)
{
    return [=](const QByteArray& entries, const char* result, const char* band,
               const QLocale& locale = English) {
        QTest::addRow("%s %s", name, entries.constData())
            << item << QString::fromLatin1(entries) << locale
            << (result ? QString::fromLatin1(result) : Kept) << QString::fromLatin1(band);
    };
}

} // namespace

void TestCalculations::fixed2_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");

    // Half away from zero on the 15-digit decimal, not on the binary value.
    QTest::addRow("0.125") << 0.125 << u"0.13"_s << u"0,13"_s;
    QTest::addRow("2.675") << 2.675 << u"2.68"_s << u"2,68"_s;
    QTest::addRow("1.005") << 1.005 << u"1.01"_s << u"1,01"_s;
    QTest::addRow("-0.125") << -0.125 << u"-0.13"_s << u"-0,13"_s;
    QTest::addRow("carry into a new digit") << 99.995 << u"100.00"_s << u"100,00"_s;
    // Zero and values that round to zero never carry a minus sign.
    QTest::addRow("negative zero") << -0.0 << u"0.00"_s << u"0,00"_s;
    QTest::addRow("-0.004999") << -0.004999 << u"0.00"_s << u"0,00"_s;
    QTest::addRow("-0.005") << -0.005 << u"-0.01"_s << u"-0,01"_s;
    // No group separators; large values in full, without an exponent.
    QTest::addRow("beyond 15 digits")
        << 12345678901234567.0 << u"12345678901234600.00"_s << u"12345678901234600,00"_s;
    QTest::addRow("-1e20") << -1e20 << u"-100000000000000000000.00"_s
                           << u"-100000000000000000000,00"_s;
    QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << u"not a number"_s
                                  << u"not a number"_s;
    QTest::addRow("-infinity") << -Inf << u"-infinity"_s << u"-infinity"_s;
}

void TestCalculations::fixed2()
{
    QFETCH(double, value);
    QFETCH(QString, english);
    QFETCH(QString, german);
    QCOMPARE(formatFixed2(value, English), english);
    QCOMPARE(formatFixed2(value, German), german);
    // A row's result: the same number with its unit, and the number it
    // shows read back.
    double shown = 0.0;
    QCOMPARE(formatFixed(value, 2, German, " \xc2\xb5mol/L", &shown), german + u" \u00b5mol/L"_s);
    QCOMPARE(formatFixed(value, 2, English, " mg/dL"), english + u" mg/dL"_s);
    if (std::isnan(value))
        QVERIFY(std::isnan(shown));
    else
        QCOMPARE(shown, fixedValue(value, 2));
}

// Numbers quoted in notes: six significant digits exactly as the locale
// writes them, over values of every magnitude a case can hold, short and
// long, ties at the seventh digit included.
void TestCalculations::sixDigitsAsTheLocaleWritesThem_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addRow("English") << English;
    QTest::addRow("German") << German;
    QTest::addRow("Arabic digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
}

void TestCalculations::sixDigitsAsTheLocaleWritesThem()
{
    QFETCH(QLocale, locale);
    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QList<double> values{0.0, -0.0,     -1.5,     0.0001,   0.00001,   999999.0,  999999.5,
                         1e6, 100000.0, 15351.25, 430954.5, 0.1234565, 1.0 / 3.0, 2.0 / 3.0 * 1e-5};
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, std::uniform_real_distribution(-7.0, 8.0)(random));
        const double step = std::pow(10.0, std::floor(std::log10(magnitude)) - int(random() % 8));
        values << magnitude << std::round(magnitude / step) * step;
    }
    for (double value : values) {
        QCOMPARE(sixDigits(value, locale), plain.toString(value, 'g', 6));
        QCOMPARE(sixDigits(-value, locale), plain.toString(-value, 'g', 6));
    }
}

// Single-row items: the screen's result text exactly, the interpretation by a
// part that tells its band (the whole texts are compared with an independent
// reference, row by row, in tests/reference), and the row repeating both.
void TestCalculations::bands_data()
{
    QTest::addColumn<ItemId>("item");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("band"); // empty: no interpretation

    const QByteArray renal = "SerumCreatinine=1.0 mg/dL; UrineCreatinine=100 mg/dL; ";
    const auto amy = rowsOf("amylase", ItemId::AmylaseClearance);
    amy(renal + "SerumAmylase=100; UrineAmylase=500", "5.00 %", "appear normal");
    amy(renal + "SerumAmylase=100; UrineAmylase=500.1", "5.00 %", "pancreatitis");
    // Absurd inputs give a readable text and no interpretation.
    amy("SerumCreatinine=1e-320 mg/dL; UrineCreatinine=30000 mg/dL; SerumAmylase=1e-320; "
        "UrineAmylase=30000",
        "not a number %", "");

    const auto gfr = rowsOf("GFR", ItemId::CreatinineClearance);
    gfr("Age=40; Weight=154 lbs; Gender=Female; SerumCreatinine=88,4 umol/L", "82,35 mL/min",
        "is normal", German);
    // The bands' edges: bandEdges.
    gfr("Age=60; Weight=72.0036 kg; Gender=Male; SerumCreatinine=1 mg/dL", "80.00 mL/min",
        "is normal");
    gfr("Age=15; Weight=85 kg; Gender=Female; SerumCreatinine=2 mg/dL", "62.50 mL/min", "");

    const auto phos = rowsOf("phosphorus", ItemId::PhosphorusClearance);
    // 1.1305 mmol/L is 3.5 mg/dL; 12.92 mmol/L is 40 mg/dL.
    phos("SerumPhosphorus=1.1305 mmol/L; UrinePhosphorus=12.92 mmol/L; UrineVolume=1500",
         "11.90 mL/min", "");
    phos("SerumPhosphorus=3,5 mg/dL; UrinePhosphorus=40 mg/dL; UrineVolume=1500,5", "11,91 mL/min",
         "", German);

    const auto potassium = rowsOf("potassium fraction", ItemId::FractionalPotassiumExcretion);
    potassium(renal + "SerumPotassium=4; UrinePotassium=40", "0.10 ", "");
    rowsOf("sodium", ItemId::FractionalSodiumExcretion)(renal + "SerumSodium=140; UrineSodium=40",
                                                        "0.29 % FE-Na", "");
    rowsOf("RFI", ItemId::RenalFailureIndex)(renal + "UrineSodium=40", "0.40 mEq/L", "");
    const auto calcium = rowsOf("calcium", ItemId::RenalCalciumClearance);
    calcium("SerumCreatinine=88.4 umol/L; UrineCreatinine=100 mg/dL; SerumCalcium=2.5 mmol/L; "
            "UrineCalcium=10 mg/dL",
            "0.01 ", "");

    const auto urate = rowsOf("urate", ItemId::UrateCreatinineRatio);
    urate("UrineUrate=3 mmol/L; UrineCreatinine=100 mg/dL", "0.50", "below 1.0");
    urate("UrineUrate=50 mg/dL; UrineCreatinine=50 mg/dL", "1.00", "below 1.0");
    urate("UrineUrate=50.01 mg/dL; UrineCreatinine=50 mg/dL", "1.00", "above 1.0");
    urate("UrineUrate=0,5 mmol/L; UrineCreatinine=10 mg/dL", "0,84", "below 1.0", German);

    const auto protein = rowsOf("protein", ItemId::UrineProteinCreatinineRatio);
    protein("UrineProtein=1; UrineCreatinine=1000 mg/dL", "0.10", "trace");
    protein("UrineProtein=0.2; UrineCreatinine=100 mg/dL", "0.20", "low grade");
    protein("UrineProtein=1; UrineCreatinine=8.84 mmol/L", "1.00", "moderate");
    protein("UrineProtein=3.5; UrineCreatinine=100 mg/dL", "3.50", "nephrotic");
    protein("UrineProtein=1,5; UrineCreatinine=100 mg/dL", "1,50", "moderate", German);

    const auto cholHdl = rowsOf("CholHDL", ItemId::CholesterolHdlRatio);
    cholHdl("Gender=Male; Chol=170 mg/dL; HDL=50 mg/dL", "3.40",
            "is less than 50% than that of the");
    cholHdl("Gender=Male; Chol=245 mg/dL; HDL=50 mg/dL", "4.90", "is 50% than that of  the");
    cholHdl("Gender=Male; Chol=233 mg/dL; HDL=10 mg/dL", "23.30", "is twice");
    cholHdl("Gender=Female; Chol=218 mg/dL; HDL=20 mg/dL", "10.90", "is twice");
    cholHdl("Gender=; Chol=150 mg/dL; HDL=38 mg/dL", "3.95", "is  the");

    const auto ldlHdl = rowsOf("LDLHDL", ItemId::LdlHdlRatio);
    ldlHdl("LDL=25 mg/dL; HDL=50 mg/dL", "0.50", ": low");
    ldlHdl("LDL=300 mg/dL; HDL=50 mg/dL", "6.00", ": moderate");
    ldlHdl("LDL=300.5 mg/dL; HDL=50 mg/dL", "6.01", ": high");

    const auto ast = rowsOf("AST/ALT", ItemId::AstAltRatio);
    ast("AST=65; ALT=100", "0.65 ", "viral");
    ast("AST=79; ALT=100", "0.79 ", "cholestasis");
    ast("AST=80; ALT=100", "0.80 ", "is normal");
    ast("AST=130; ALT=100", "1.30 ", "chronic");
    ast("AST=150; ALT=100", "1.50 ", "chronic");
    ast("AST=200; ALT=100", "2.00 ", "alcoholic");
    ast("AST=300; ALT=100", "3.00 ", "drug");
    ast("AST=301; ALT=100", "3.01 ", "acute MI");

    const auto ag = rowsOf("A/G", ItemId::AlbuminGlobulinRatio);
    ag("Albumin=4 g/dL; Globulin=4 g/dL", "1.00 ", "is high");
    ag("Albumin=39.6 g/L; Globulin=4 g/dL", "0.99 ", "is low");

    const auto bili = rowsOf("bilirubin", ItemId::BilirubinRatio);
    bili("BilirubinDirect=0.9 mg/dL; BilirubinTotal=5 mg/dL", "18.00 % ", "constitutional");
    bili("BilirubinDirect=1 mg/dL; BilirubinTotal=5 mg/dL", "20.00 % ", "disease more likely");
    bili("BilirubinDirect=2 mg/dL; BilirubinTotal=5 mg/dL", "40.00 % ", "may be either");
    bili("BilirubinDirect=51.3 umol/L; BilirubinTotal=5 mg/dL", "60.00 % ", "obstruction more");

    // No result on the screen, an empty result cell in the row.
    const auto ferritin = rowsOf("ferritin", ItemId::FerritinStores);
    ferritin("Ferritin=9.9 ug/L", nullptr, "is low");
    ferritin("Ferritin=10 ng/ml", nullptr, "appears normal");
    ferritin("Ferritin=494.34 pmol/L", nullptr, "appears normal");
    ferritin("Ferritin=220.1 ng/ml", nullptr, "is high");

    const auto sat = rowsOf("saturation", ItemId::TransferrinSaturation);
    sat("Iron=17.9 umol/L; TIBC=300 ug/dL", "33.33 % ", "is normal");
    // 55.00000000000001 in doubles, exactly 55 in decimals: normal.
    sat("Iron=55 ug/dL; TIBC=100 ug/dL", "55.00 % ", "is normal");
    sat("Iron=55.01 ug/dL; TIBC=100 ug/dL", "55.01 % ", "increased");
    sat("Iron=16 ug/dL; TIBC=100 ug/dL", "16.00 % ", "is normal");
    sat("Iron=15.99 ug/dL; TIBC=100 ug/dL", "15.99 % ", "decreased");

    const auto tibc = rowsOf("TIBC", ItemId::TibcCalculated);
    tibc("Transferrin=2.5 g/L", "357.50 ug/dL ", "is normal");
    tibc("Transferrin=174 mg/dL", "248.82 ug/dL ", "decreased");
    tibc("Transferrin=315 mg/dL", "450.45 ug/dL ", "increased");

    const auto tf = rowsOf("transferrin", ItemId::TransferrinCalculated);
    tf("TIBC=53.7 umol/L", "210.00 mg/dL ", "is normal");
    tf("TIBC=280 ug/dL", "196.00 mg/dL ", "decreased");
    tf("TIBC=514.2857142857143 ug/dL", "360.00 mg/dL ", "is normal");
}

void TestCalculations::bands()
{
    QFETCH(ItemId, item);
    QFETCH(QString, entries);
    QFETCH(QLocale, locale);
    QFETCH(QString, result);
    QFETCH(QString, band);

    const Outcome outcome = quarvex::item(item).compute(Inputs(F(entries), locale));
    QCOMPARE(outcome.result.value_or(Kept), result);
    if (band.isEmpty())
        QCOMPARE(outcome.moreInfo, QString());
    else
        QVERIFY2(outcome.moreInfo.contains(band), qPrintable(outcome.moreInfo));
    QVERIFY(outcome.message.isEmpty());
    QCOMPARE(outcome.rows.size(), 1);
    QCOMPARE(outcome.rows[0].result, outcome.result.value_or(QString()));
    QCOMPARE(outcome.rows[0].interpretation, outcome.moreInfo);
}

// Both sides of every edge of two tables, as whole rows written out: a
// woman's HDL risk (neighbouring bands with the same and with different
// texts) and the estimated creatinine clearance (with its textless band).
void TestCalculations::bandEdges_data()
{
    QTest::addColumn<ItemId>("item");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("line");

    const auto hdl = [](const char* value, const char* risk) {
        QTest::addRow("woman, HDL %s", value)
            << ItemId::CholesterolLevels
            << u"Gender=Female; Chol=180 mg/dL; LDL=100 mg/dL; HDL=%1"_s.arg(QLatin1String(value))
            << 1
            << line(u"HDL Cholesterol"_s, QLatin1String(risk),
                    u"HDL Cholesterol: "_s + QLatin1String(risk));
    };
    hdl("39.99 mg/dL", "1.9 times average");
    hdl("40 mg/dL", "1.9 times average");
    hdl("40.01 mg/dL", "1.9 times average");
    hdl("45 mg/dL", "1.9 times average");
    hdl("45.01 mg/dL", "1.6 times average");
    hdl("50 mg/dL", "1.6 times average");
    hdl("50.01 mg/dL", "1.3 times average");
    hdl("55 mg/dL", "1.3 times average");
    hdl("55.01 mg/dL", "average");
    hdl("60 mg/dL", "average");
    hdl("60.01 mg/dL", "0.8 times average");
    hdl("65 mg/dL", "0.8 times average");
    hdl("65.01 mg/dL", "0.6 times average");
    hdl("70 mg/dL", "0.6 times average");
    hdl("70.01 mg/dL", "0.5 times average");
    hdl("75 mg/dL", "0.5 times average");
    hdl("75.01 mg/dL", "longevity");
    hdl("1.1655 mmol/L", "1.9 times average"); // 45 mg/dL

    // A man of 72 kg with a serum creatinine of 1 mg/dL: the clearance is
    // 140 minus the age.
    const auto gfr = [](const char* age, const char* result, const char* text) {
        QTest::addRow("clearance at age %s", age)
            << ItemId::CreatinineClearance
            << u"Age=%1; Weight=72 kg; Gender=Male; SerumCreatinine=1 mg/dL"_s.arg(
                   QLatin1String(age))
            << 0
            << line(u"Creatinine Clearance (GFR)"_s, QLatin1String(result),
                    text ? u"Based on GFR, renal function is %1."_s.arg(QLatin1String(text))
                         : QString());
    };
    gfr("59.996", "80.00 mL/min", "normal");
    gfr("60", "80.00 mL/min", nullptr);
    gfr("77.5", "62.50 mL/min", nullptr);
    gfr("77.51", "62.49 mL/min", "slightly impaired");
    gfr("88", "52.00 mL/min", "slightly impaired");
    gfr("88.01", "51.99 mL/min", "mildly impaired");
    gfr("98", "42.00 mL/min", "mildly impaired");
    gfr("98.01", "41.99 mL/min", "moderately impaired");
    gfr("112", "28.00 mL/min", "moderately impaired");
    gfr("112.01", "27.99 mL/min", "severely impaired");
    gfr("139.99", "0.01 mL/min", "severely impaired");
}

void TestCalculations::bandEdges()
{
    QFETCH(ItemId, item);
    QFETCH(QString, entries);
    QFETCH(int, row);
    QFETCH(QString, line);
    const Outcome outcome = quarvex::item(item).compute(Inputs(F(entries), English));
    QVERIFY(row < outcome.rows.size());
    QCOMPARE(outcome.rows[row].line(), line);
}

// The items whose screen form differs from their rows, byte for byte.
void TestCalculations::screenForms_data()
{
    QTest::addColumn<ItemId>("item");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("moreInfo");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("rows");

    // Urea and creatinine: "R1 ; R2 ; R3", a legend and a box with CRs.
    const QString legend =
        u"The first number represents the BUN to Creatinine ratio.\r\rThe second number represents the Creatinine to Creatinine ratio.\r\rThe third number represents the BUN to BUN ratio."_s;
    const auto urea = [&](const char* tag, const char* entries, const QString& r1,
                          const QString& i1, const QString& r2, const QString& i2,
                          const QString& r3, const QString& i3) {
        QTest::addRow("urea %s", tag)
            << ItemId::UreaCreatinineRatios << QString::fromLatin1(entries) << English
            << r1 + u" ; "_s + r2 + u" ; "_s + r3 << legend
            << u"Serum BUN to Serum Creatinine ratio: "_s + r1 +
                   u"\rUrine Creatinine to Serum Creatinine: "_s + r2 +
                   u"\rUrine BUN to Serum BUN ratio: "_s + r3 + u"\r\r"_s + i1 + u"\r\r"_s + i2 +
                   u"\r\r"_s + i3
            << QStringList{line(u"Urea to Creatinine Ratio"_s, r1, i1),
                           line(u"Creatinine to Creatinine Ratio"_s, r2, i2),
                           line(u"Urea to Urea Ratio"_s, r3, i3)};
    };
    const QString bunHigh =
        u"The BUN-creatinine ratio is elevated, perhaps due to prerenal azotemia, postrenal azotemia, catabolic state with reduced muscle mass, drug (tetracycline glucocorticoid) effects, impaired renal function with urine reabsorption for example with ureterocolostomy, impaired renal function with excess protein intake/production or with excess tissue breakdown as may occur with GI bleeding thyrotoxicosis infection Cushing's syndrome surgery burns cachexia high fever or high protein diet."_s;
    urea("upper normal edges",
         "SerumCreatinine=1.5 mg/dL; UrineCreatinine=60 mg/dL; SerumUrea=30 mg/dL; "
         "UrineUrea=240 mg/dL",
         u"20.00"_s, {}, u"40.00"_s, {}, u"8.00"_s, {});
    urea("R1 exactly 36, R2 and R3 at their lower edges",
         "SerumCreatinine=1 mg/dL; UrineCreatinine=20 mg/dL; SerumUrea=36 mg/dL; "
         "UrineUrea=108 mg/dL",
         u"36.00"_s, bunHigh, u"20.00"_s, {}, u"3.00"_s, {});
    // The urea ratio's texts: high means prerenal, low means tubular necrosis.
    urea(
        "all low",
        "SerumCreatinine=1 mg/dL; UrineCreatinine=10 mg/dL; SerumUrea=9 mg/dL; "
        "UrineUrea=18 mg/dL",
        u"9.00"_s,
        u"The BUN-creatinine ratio is low, perhaps due to renal dialysis, acute tubular necrosis, low protein diet or starvation, syndrome of inappropriate ADH secretion, pregnancy, severe liver disease, inherited hyperammonemia."_s,
        u"10.00"_s,
        u"The low creatinine ratio is perhaps due to acute tubular necrosis (acute oliguric renal failure), acute obstructive renal failure, or acute nonoliguric renal failure."_s,
        u"2.00"_s,
        u"The low urea ratio is due to acute tubular necrosis (acute oliguric renal failure)."_s);
    urea(
        "SI units, high",
        "SerumCreatinine=88.4 umol/L; UrineCreatinine=8.84 mmol/L; SerumUrea=40 mg/dL; "
        "UrineUrea=150 mmol/L",
        u"40.00"_s, u"The BUN-creatinine ratio suggests upper GI bleeding."_s, u"100.00"_s,
        u"The elevated creatinine ratio is perhaps due to prerenal azotemia, acute glomerulonephritis, or hepatorenal syndrome."_s,
        u"10.50"_s,
        u"The elevated urea ratio is perhaps due to prerenal azotemia, acute obstructive renal failure, or acute glomerulonephritis."_s);

    // Urinary potassium: the row keeps the short note.
    QTest::addRow("potassium excretion")
        << ItemId::UrinaryPotassiumExcretion << u"UrinePotassium=40; UrineVolume=1500"_s << English
        << u"60.00 mEq/24 "_s
        << u"An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' (inadequate potassium conservation)."_s
        << QString()
        << QStringList{
               line(u"Urinary Potassium Excretion"_s, u"60.00 mEq/24 "_s,
                    u"An excretion rate more than 20 mEq/24 hours implies potassium 'wastage'."_s)};

    // The lipid summaries: no result, the three classes in words with CRs; the
    // rows repeat the words or (ATP III) show the values in mg/dL as plain numbers.
    const auto lipid = [](const char* tag, ItemId item, const char* entries, const QLocale& locale,
                          const QStringList& words, const QStringList& numbers = {}) {
        const QStringList kinds{u"Total Cholesterol"_s, u"HDL Cholesterol"_s, u"LDL Cholesterol"_s};
        const QStringList atp3{u"ATP3: Total Cholesterol"_s, u"ATP3 :HDL Cholesterol"_s,
                               u"ATP3: LDL Cholesterol"_s};
        QString moreInfo;
        QStringList rows;
        for (int i = 0; i < 3; ++i) {
            moreInfo += kinds[i] + u": "_s + words[i] + u"\r\r"_s;
            rows << (numbers.isEmpty() ? line(kinds[i], words[i], kinds[i] + u": "_s + words[i])
                                       : line(atp3[i], numbers[i], kinds[i] + u": "_s + words[i]));
        }
        QTest::addRow("%s", tag) << item << QString::fromLatin1(entries) << locale << Kept
                                 << moreInfo << QString() << rows;
    };
    QTest::addRow("general, literal")
        << ItemId::CholesterolLevels
        << u"Gender=Female; Chol=199 mg/dL; HDL=40 mg/dL; LDL=129 mg/dL"_s << English << Kept
        << u"Total Cholesterol: desirable\r\rHDL Cholesterol: 1.9 times average\r\rLDL "
           u"Cholesterol: desirable\r\r"_s
        << QString()
        << QStringList{u"Total Cholesterol\tdesirable\tTotal Cholesterol: desirable"_s,
                       u"HDL Cholesterol\t1.9 times average\tHDL Cholesterol: 1.9 times average"_s,
                       u"LDL Cholesterol\tdesirable\tLDL Cholesterol: desirable"_s};
    lipid("general 5.18 mmol/L is 200, woman 45.01, LDL 160", ItemId::CholesterolLevels,
          "Gender=Female; Chol=5.18 mmol/L; HDL=45.01 mg/dL; LDL=160 mg/dL", English,
          {u"borderline high"_s, u"1.6 times average"_s, u"high"_s});
    lipid("general man 58", ItemId::CholesterolLevels,
          "Gender=Male; Chol=180 mg/dL; HDL=58 mg/dL; LDL=100 mg/dL", English,
          {u"desirable"_s, u"0.7"_s, u"desirable"_s});
    lipid("general other gender: no risk text", ItemId::CholesterolLevels,
          "Gender=male; Chol=180 mg/dL; HDL=50 mg/dL; LDL=100 mg/dL", English,
          {u"desirable"_s, QString(), u"desirable"_s});
    lipid("ATP3 lower edges, 5.18 mmol/L", ItemId::Adult3,
          "Chol=5.18 mmol/L; HDL=40 mg/dL; LDL=100 mg/dL", English,
          {u"borderline high"_s, u"intermediate"_s, u"near or above optimal"_s},
          {u"200"_s, u"40"_s, u"100"_s});
    lipid("ATP3 upper edges", ItemId::Adult3, "Chol=240 mg/dL; HDL=60 mg/dL; LDL=190 mg/dL",
          English, {u"high"_s, u"intermediate"_s, u"very high"_s}, {u"240"_s, u"60"_s, u"190"_s});
    lipid("ATP3 5 mmol/L in German", ItemId::Adult3, "Chol=5 mmol/L; HDL=60,01 mg/dL; LDL=99 mg/dL",
          German, {u"desirable"_s, u"high"_s, u"optimal"_s},
          {u"193,050193050193"_s, u"60,01"_s, u"99"_s});
}

void TestCalculations::screenForms()
{
    QFETCH(ItemId, item);
    QFETCH(QString, entries);
    QFETCH(QLocale, locale);
    QFETCH(QString, result);
    QFETCH(QString, moreInfo);
    QFETCH(QString, message);
    QFETCH(QStringList, rows);

    const Outcome outcome = quarvex::item(item).compute(Inputs(F(entries), locale));
    QCOMPARE(outcome.result.value_or(Kept), result);
    QCOMPARE(outcome.moreInfo, moreInfo);
    QCOMPARE(outcome.message, message);
    QStringList lines;
    for (const ResultRow& row : outcome.rows)
        lines << row.line();
    QCOMPARE(lines, rows);
}

QUARVEX_CORE_TEST_MAIN(TestCalculations)
#include "tst_calculations.moc"
