#include "analytes/format.h"
#include "analytes/number.h"
#include "calc/derivation.h"
#include "calc/formula.h"
#include "calc/items.h"
#include "coretestmain.h"
#include "overview/json.h"
#include "overview/overview.h"
#include "testfields.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quarvex::ItemId)

class TestDerivation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void brackets_data();
    void brackets();
    void steps();
    void workedExample();
    void everyStepOfEveryItem_data();
    void everyStepOfEveryItem();
    void boardSteps_data();
    void boardSteps();
    void unrounded_data();
    void unrounded();
    void fragmentsBecomeSentences();
    void json();
    void notesStandUnderTheInterpretation_data();
    void notesStandUnderTheInterpretation();
    void bandsInTheUnitTyped_data();
    void bandsInTheUnitTyped();
    void changesArePrinted();
    void jsonCarriesNotesOriginAndReference();
    void caseLineCarriesNotes();
};

namespace {

Derivation deriveItem(ItemId id, const Inputs& inputs)
{
    const ItemDescriptor& descriptor = item(id);
    [&] { QVERIFY2(descriptor.findings(inputs).isEmpty(), descriptor.listText); }();
    return derive(descriptor, inputs, descriptor.compute(inputs));
}

const QString CrCl = u"Age=60; Weight=154 lbs; Gender=Female; SerumCreatinine=100 umol/L"_s;

} // namespace

void TestDerivation::rows_data()
{
    QTest::addColumn<ItemId>("id");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<bool>("german");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("conversions"); // of every input, joined by '|'
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("substituted");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("band"); // the chosen band's range and text, "" for none

    QTest::addRow("clearance, female constant and two conversions")
        << ItemId::CreatinineClearance << CrCl << false << 0
        << u"|÷ 2.2 lbs per kg||÷ 88.4 umol/L per mg/dL"_s
        << u"((140 - Age) * Weight) / (85 * SerumCreatinine)"_s
        << u"((140 − 60) × 70) ÷ (85 × 1.13122)"_s << u"58.24 mL/min"_s
        << u"from 52 to below 62.5: Based on GFR, renal function is slightly impaired."_s;
    QTest::addRow("clearance, male constant, German decimal comma")
        << ItemId::CreatinineClearance
        << u"Age=40; Weight=70,5 kg; Gender=Male; SerumCreatinine=1,5 mg/dL"_s << true << 0
        << u"|||"_s << u"((140 - Age) * Weight) / (72 * SerumCreatinine)"_s
        << u"((140 − 40) × 70,5) ÷ (72 × 1,5)"_s << u"65,28 mL/min"_s
        << u"from 62,5 up to 80: no interpretation"_s;
    QTest::addRow("urine creatinine in mmol/L multiplies, then divides")
        << ItemId::UreaCreatinineRatios
        << u"SerumCreatinine=1 mg/dL; UrineCreatinine=4.42 mmol/L; SerumUrea=20 mg/dL; UrineUrea=100 mg/dL"_s
        << false << 1 << u"|× 1000 ÷ 88.4||"_s << u"UrineCreatinine / SerumCreatinine"_s
        << u"50 ÷ 1"_s << u"50.00"_s
        << u"above 40: The elevated creatinine ratio is perhaps due to prerenal azotemia, acute "
           "glomerulonephritis, or hepatorenal syndrome."_s;
    QTest::addRow("third urea ratio exactly on its upper bound")
        << ItemId::UreaCreatinineRatios
        << u"SerumCreatinine=1 mg/dL; UrineCreatinine=30 mg/dL; SerumUrea=20 mg/dL; UrineUrea=160 mg/dL"_s
        << false << 2 << u"|||"_s << u"UrineUrea / SerumUrea"_s << u"160 ÷ 20"_s << u"8.00"_s
        << u"from 3 up to 8: no interpretation"_s;
    QTest::addRow("AST/ALT on 0.8 opens the normal band")
        << ItemId::AstAltRatio << u"AST=40; ALT=50"_s << false << 0 << u"|"_s << u"AST / ALT"_s
        << u"40 ÷ 50"_s << u"0.80 "_s
        << u"from 0.8 to below 1.3: The AST to ALT ratio is normal."_s;
    QTest::addRow("AST/ALT on 0.65 closes the first band")
        << ItemId::AstAltRatio << u"AST=13; ALT=20"_s << false << 0 << u"|"_s << u"AST / ALT"_s
        << u"13 ÷ 20"_s << u"0.65 "_s
        << u"up to 0.65: The AST to ALT ratio indicates acute viral hepatitis."_s;
    QTest::addRow("protein in g/L is scaled inside the formula")
        << ItemId::UrineProteinCreatinineRatio << u"UrineProtein=0.5; UrineCreatinine=100 mg/dL"_s
        << false << 0 << u"|"_s << u"(UrineProtein * 100) / UrineCreatinine"_s
        << u"(0.5 × 100) ÷ 100"_s << u"0.50"_s
        << u"from 0.2 to below 1: Ratio indicates low grade proteinuria."_s;
    QTest::addRow("ferritin: the value itself, no result text")
        << ItemId::FerritinStores << u"Ferritin=220 ng/ml"_s << false << 0 << u""_s << u"Ferritin"_s
        << u"220"_s << QString() << u"from 10 up to 220: Serum ferritin level appears normal."_s;
    QTest::addRow("ATP III HDL of 60 is intermediate")
        << ItemId::Adult3 << u"Chol=5.18 mmol/L; HDL=60 mg/dL; LDL=190 mg/dL"_s << false << 1
        << u"÷ 0.0259 mmol/L per mg/dL||"_s << u"HDL"_s << u"60"_s << u"60"_s
        << u"from 40 up to 60: intermediate"_s;
    QTest::addRow("cholesterol/HDL takes the female bands")
        << ItemId::CholesterolHdlRatio << u"Chol=200 mg/dL; HDL=60 mg/dL; Gender=Female"_s << false
        << 0 << u"||"_s << u"Chol / HDL"_s << u"200 ÷ 60"_s << u"3.33"_s
        << u"above 3.3 up to 4.3: 50% than that of "_s;
    QTest::addRow("potassium excretion has no bands")
        << ItemId::UrinaryPotassiumExcretion << u"UrineVolume=1500; UrinePotassium=40"_s << false
        << 0 << u"|"_s << u"(UrinePotassium * UrineVolume) / 1000"_s << u"(40 × 1500) ÷ 1000"_s
        << u"60.00 mEq/24 "_s << QString();
}

void TestDerivation::rows()
{
    QFETCH(ItemId, id);
    QFETCH(QString, fields);
    QFETCH(bool, german);
    QFETCH(int, row);
    const QLocale& locale = german ? German : English;
    const Inputs inputs(F(fields), locale);
    const Derivation d = deriveItem(id, inputs);
    QVERIFY(row < d.rows.size());
    const DerivedRow& r = d.rows[row];

    QStringList conversions;
    for (const DerivedInput& in : d.inputs)
        conversions << in.conversion;
    QTEST(conversions.join(u'|'), "conversions");
    QTEST(r.expression, "expression");
    QTEST(r.substituted, "substituted");
    QTEST(r.result, "result");
    // The derivation carries the value the row was computed from, not a recomputation.
    QCOMPARE(r.value, item(id).compute(inputs).values[row]);

    const DerivedBand* band = r.band();
    const QString chosen = band ? bandRangeText(*band, locale) + u": "_s +
                                      band->text.value_or(QString::fromLatin1(NoBandText))
                                : QString();
    QTEST(chosen, "band");
    // Exactly one band is marked, and it is the chosen one.
    QCOMPARE(std::count_if(r.bands.begin(), r.bands.end(),
                           [](const DerivedBand& b) { return b.chosen; }),
             band ? 1 : 0);
}

void TestDerivation::brackets_data()
{
    QTest::addColumn<QList<FormulaOp>>("ops");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<double>("value");

    const auto a = op::in(AnalyteId::AST);
    const auto b = op::in(AnalyteId::ALT);
    const auto c = op::in(AnalyteId::Albumin);
    QTest::addRow("left-nested subtraction") << QList<FormulaOp>{a, b, op::sub, c, op::sub}
                                             << u"(AST - ALT) - Albumin"_s << (8.0 - 2.0) - 4.0;
    QTest::addRow("right-nested subtraction") << QList<FormulaOp>{a, b, c, op::sub, op::sub}
                                              << u"AST - (ALT - Albumin)"_s << 8.0 - (2.0 - 4.0);
    QTest::addRow("division of a product") << QList<FormulaOp>{a, b, c, op::mul, op::div}
                                           << u"AST / (ALT * Albumin)"_s << 8.0 / (2.0 * 4.0);
    QTest::addRow("sum then number") << QList<FormulaOp>{a, b, op::add, op::num(0.5), op::mul}
                                     << u"(AST + ALT) * 0.5"_s << (8.0 + 2.0) * 0.5;
}

void TestDerivation::brackets()
{
    QFETCH(QList<FormulaOp>, ops);
    const Inputs inputs(F(u"AST=8; ALT=2; Albumin=4 g/dL"_s), English);
    const Formula formula{"X", ops, Shown::Fixed2, ""};
    QTEST(formulaText(formula, FormulaStyle::Expression, inputs), "expression");
    QTEST(evaluate(formula, inputs), "value");
}

void TestDerivation::steps()
{
    const Inputs inputs(F(u"AST=40,5; ALT=50"_s), German);
    const QString text = stepsText(deriveItem(ItemId::AstAltRatio, inputs), German);
    QVERIFY(!text.contains(u'\r'));
    const QString expected =
        u"AST-to-ALT (SGOT-to-SGPT) Ratio\n"
        "===============================\n"
        "Inputs:\n"
        "  AST: 40,5 IU/L\n"
        "  ALT: 50 IU/L\n"
        "\n"
        "AST to ALT ratio:\n"
        "  Formula: AST/ALT = AST ÷ ALT\n"
        "  With the numbers: 40,5 ÷ 50\n"
        "  Step 1: AST ÷ ALT = 40,5 IU/L ÷ 50 IU/L = 0,81 (no unit: the units cancel)\n"
        "  Value before rounding: 0,81\n"
        "  Result: 0,81 \n"
        "  Interpretation: The AST to ALT ratio is normal.\n"
        "  Dated: \"Acute MI\" is obsolete: myocardial infarction is diagnosed by cardiac "
        "troponin. The ratio is supportive only.\n"
        "  No source: No source was found for \"above 3: acute MI\" and \"2 to 3: drug "
        "hepatotoxicity\"; the bound 0.8 is this program's own choice.\n"
        "  Bands:\n"
        "    up to 0,65: The AST to ALT ratio indicates acute viral hepatitis.\n"
        "    above 0,65 to below 0,8: The AST to ALT ratio indicates extrahepatic cholestasis.\n"
        "  > from 0,8 to below 1,3: The AST to ALT ratio is normal.\n"_s;
    QVERIFY2(text.startsWith(expected), qPrintable(text.left(expected.size() + 200)));
    QVERIFY(text.contains(u"\nSources:\n"_s));
}

// The clearance as a textbook works it: each operation on its own line with
// its result, a conversion with both units, the value before rounding to four
// digits more than the result shows.
void TestDerivation::workedExample()
{
    const Inputs inputs(F(u"Age=40; Weight=70 kg; Gender=Male; SerumCreatinine=88 umol/L"_s),
                        English);
    const Derivation d = deriveItem(ItemId::CreatinineClearance, inputs);
    const QString text = stepsText(d, English);
    const QString expected = u"Inputs:\n"
                             "  Age: 40\n"
                             "  Weight: 70 kg\n"
                             "  Gender: Male\n"
                             "  Serum creatinine: 88 umol/L ÷ 88.4 umol/L per mg/dL = 0.995475 "
                             "mg/dL\n"
                             "\n"
                             "Creatinine Clearance (GFR):\n"
                             "  Formula: CrCl = ((140 − Age) × Weight) ÷ (K × SerumCreatinine)\n"
                             "    K = 72 for Male, 85 for Female\n"
                             "  With the numbers: ((140 − 40) × 70) ÷ (72 × 0.995475)\n"
                             "  Step 1: 140 years − 40 years = 100 years\n"
                             "  Step 2: 100 years × 70 kg = 7000 years·kg\n"
                             "  Step 3: 72 × 0.995475 mg/dL = 71.6742 mg/dL\n"
                             "  Step 4: 7000 years·kg ÷ 71.6742 mg/dL = 97.6641 mL/min\n"
                             "  Value before rounding: 97.664141\n"
                             "  Result: 97.66 mL/min\n"_s;
    QVERIFY2(text.contains(expected), qPrintable(text));
    // The words and the plain expression are the formula's tooltip, not lines of their own.
    QVERIFY(!text.contains(u"Expression:"_s));
    const QString html = stepsHtml(d, English);
    QVERIFY(html.contains(u"title=\"CrCl = ((140 − age) × weight) ÷ (72 × serum creatinine)\n"
                          "Expression: ((140 - Age) * Weight) / (72 * SerumCreatinine)\""_s));
}

void TestDerivation::everyStepOfEveryItem_data()
{
    QTest::addColumn<bool>("german");
    QTest::addRow("English") << false;
    QTest::addRow("German") << true;
}

// Over every row of the example: the steps are one computation with the
// result (the last step gives the row's value exactly, each step takes the
// steps before it), and the value before rounding rounds to the result.
void TestDerivation::everyStepOfEveryItem()
{
    QFETCH(bool, german);
    const QLocale& locale = german ? German : English;
    MapFields fields = exampleFields();
    for (const Analyte& a : analytes())
        fields.setValue(a.id, fields.value(a.id).replace(u'.', locale.decimalPoint()));
    const Inputs inputs(fields, locale);
    int rows = 0;
    int steps = 0;
    for (const ItemEvaluation& evaluation : evaluateItems(inputs)) {
        QVERIFY2(evaluation.computable(), evaluation.item->listText);
        const Derivation d = derive(*evaluation.item, inputs, *evaluation.outcome);
        for (const DerivedRow& row : d.rows) {
            ++rows;
            const QString where = d.listText + u": "_s + row.name;
            if (row.steps.isEmpty()) {
                QVERIFY2(row.symbols.isEmpty() || !row.valueUnit.isEmpty(), qPrintable(where));
                continue;
            }
            QCOMPARE(row.steps.last().result, row.value);
            for (qsizetype i = 0; i < row.steps.size(); ++i) {
                const FormulaStep& step = row.steps[i];
                ++steps;
                // Every result has its unit or says it has none; a power of a
                // unit is written with its exponent sign, never "^".
                const QString text = stepText(step, locale);
                QVERIFY2(step.resultUnit.isEmpty() ? text.contains(u"(no unit"_s)
                                                   : text.endsWith(u' ' + step.resultUnit),
                         qPrintable(where + u": "_s + text));
                for (const QString& unit : {step.leftUnit, step.rightUnit, step.resultUnit})
                    QVERIFY2(!unit.contains(u'^'), qPrintable(where + u": "_s + unit));
                QVERIFY(step.leftStep < i && step.rightStep < i);
                if (step.leftStep >= 0)
                    QCOMPARE(step.left, row.steps[step.leftStep].result);
                if (step.rightStep >= 0)
                    QCOMPARE(step.right, row.steps[step.rightStep].result);
            }
            const QString unrounded = unroundedText(row, locale);
            if (row.shown == Shown::Fixed2) {
                const std::optional<double> back = readNumber(unrounded, locale);
                QVERIFY2(back, qPrintable(unrounded));
                QCOMPARE(formatFixed2(*back, locale), formatFixed2(row.value, locale));
            }
        }
    }
    QVERIFY(rows >= ItemCount);
    QVERIFY(steps >= rows);
}

void TestDerivation::boardSteps_data()
{
    QTest::addColumn<ItemId>("id");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("absent");
    // Scr/κ worked once and used again by its name.
    QTest::addRow("eGFR, Scr/κ once")
        << ItemId::EgfrCkdEpi << u"Age=58; Gender=Male; SerumCreatinine=1.1 mg/dL"_s
        << QStringList{u"  Step 1: Scr/κ = 1.1 mg/dL ÷ 0.9 mg/dL = 1.22222 (no unit: the units "
                       "cancel)\n"_s,
                       u"  Step 2: min(Scr/κ, 1) = min(1.22222, 1) = 1 (no unit)\n"_s,
                       u"  Step 3: 1^−0.302 = 1 (no unit)\n"_s,
                       u"  Step 4: 142 mL/min/1.73 m² × 1 = 142 mL/min/1.73 m²\n"_s,
                       u"  Step 5: max(Scr/κ, 1) = max(1.22222, 1) = 1.22222 (no unit)\n"_s,
                       u"  Step 6: 1.22222^−1.2 = 0.785995 (no unit)\n"_s,
                       u"  Step 10: 77.8126 mL/min/1.73 m² × 1 = 77.8126 mL/min/1.73 m²\n"_s}
        << QStringList{u"Step 11"_s};
    // The VLDL cholesterol named with its constant; every step in mg/dL.
    QTest::addRow("Friedewald, VLDL named")
        << ItemId::LdlFriedewald << u"Chol=203.711 mg/dL; HDL=50 mg/dL; Triglycerides=150 mg/dL"_s
        << QStringList{u"  Step 1: non-HDL cholesterol = 203.711 mg/dL − 50 mg/dL = 153.711 "
                       "mg/dL\n"_s,
                       u"  Step 2: VLDL cholesterol ≈ TG ÷ 5 = 150 mg/dL ÷ 5 = 30 mg/dL\n"_s,
                       u"  Step 3: 153.711 mg/dL − 30 mg/dL = 123.711 mg/dL\n"_s}
        << QStringList{u"(no unit"_s};
    // A unit squared is written (mg/dL)², and 2140 and 16100 are in mg/dL.
    QTest::addRow("Sampson, (mg/dL)²")
        << ItemId::LdlSampson << u"Chol=200 mg/dL; HDL=50 mg/dL; Triglycerides=150 mg/dL"_s
        << QStringList{u"  Step 6: 150 mg/dL × 150 mg/dL = 22500 (mg/dL)²\n"_s,
                       u"  Step 7: 22500 (mg/dL)² ÷ 2140 mg/dL = 10.514 mg/dL\n"_s,
                       u"  Step 9: (150 mg/dL)² = 22500 (mg/dL)²\n"_s,
                       u"  Step 10: 22500 (mg/dL)² ÷ 16100 mg/dL = 1.39752 mg/dL\n"_s}
        << QStringList{u"mg/dL^"_s, u"mg/dL²"_s};
    // Both ureas and both creatinines in one unit: nothing converted, the units cancel.
    QTest::addRow("FEUrea, units cancel")
        << ItemId::FractionalUreaExcretion
        << u"SerumUrea=7 mmol/L; UrineUrea=300 mmol/L; SerumCreatinine=1.2 mg/dL; "
           "UrineCreatinine=100 mg/dL"_s
        << QStringList{u"  Serum urea: 7 mmol/L\n"_s,
                       u"  Step 1: urine urea ÷ serum urea = 300 mmol/L ÷ 7 mmol/L = 42.8571 (no "
                       "unit: the units cancel)\n"_s,
                       u"  Step 2: urine creatinine ÷ serum creatinine = 100 mg/dL ÷ 1.2 mg/dL = "
                       "83.3333 (no unit: the units cancel)\n"_s,
                       u"  Step 3: 42.8571 ÷ 83.3333 = 0.514286 (no unit)\n"_s}
        << QStringList{u"× 2.8"_s, u"mmol/L per"_s};
    // Urea in mg/dL is urea nitrogen, in the inputs and the steps.
    QTest::addRow("FEUrea, urea nitrogen")
        << ItemId::FractionalUreaExcretion
        << u"SerumUrea=20 mg/dL; UrineUrea=300 mg/dL; SerumCreatinine=88.4 umol/L; "
           "UrineCreatinine=100 mg/dL"_s
        << QStringList{u"  Serum urea: 20 mg/dL (serum urea nitrogen)\n"_s,
                       u"  Serum creatinine: 88.4 umol/L ÷ 88.4 umol/L per mg/dL = 1 mg/dL\n"_s,
                       u"  Step 1: urine urea nitrogen ÷ serum urea nitrogen = 300 mg/dL ÷ 20 "
                       "mg/dL = 15 (no unit: the units cancel)\n"_s,
                       u"  Step 2: 100 mg/dL ÷ 1 mg/dL = 100 (no unit: the units cancel)\n"_s}
        << QStringList{u"÷ 88.4 umol/L = "_s};
    QTest::addRow("urine protein in mg/dL")
        << ItemId::UrineProteinCreatinineRatio << u"UrineProtein=0.16; UrineCreatinine=100 mg/dL"_s
        << QStringList{u"  Step 1: urine protein in mg/dL = 0.16 g/L × 100 = 16 mg/dL\n"_s,
                       u"  Step 2: 16 mg/dL ÷ 100 mg/dL = 0.16 (no unit: the units cancel)\n"_s}
        << QStringList{};
}

// Literal board-style steps: a quantity worked once and used by its name, a
// unit on every result, named constants, powers of units, units that cancel.
void TestDerivation::boardSteps()
{
    QFETCH(ItemId, id);
    QFETCH(QString, fields);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, absent);
    const Inputs inputs(F(fields), English);
    const QString text = stepsText(deriveItem(id, inputs), English);
    for (const QString& line : lines)
        QVERIFY2(text.contains(line), qPrintable(line + u"\n---\n"_s + text));
    for (const QString& part : absent)
        QVERIFY2(!text.contains(part), qPrintable(part + u"\n---\n"_s + text));
}

void TestDerivation::unrounded_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("expected");
    const int fixed = int(Shown::Fixed2), text = int(Shown::Text), plain = int(Shown::Plain);
    QTest::addRow("four digits shown, eight written") << 97.66383838 << fixed << u"97.663838"_s;
    QTest::addRow("two digits shown, six written") << 0.8123456 << fixed << u"0.812346"_s;
    QTest::addRow("an exact value keeps its digits") << 0.81 << fixed << u"0.81"_s;
    QTest::addRow("never more than ten") << 1234567.891234 << fixed << u"1234567.891"_s;
    QTest::addRow("a result of 0.00 still shows four") << 0.0012345678 << fixed << u"0.001235"_s;
    QTest::addRow("a plain number caps at ten") << 193.050193050193 << plain << u"193.0501931"_s;
    QTest::addRow("a band row, six") << 215.123456 << text << u"215.123"_s;
}

void TestDerivation::unrounded()
{
    QFETCH(double, value);
    QFETCH(int, shown);
    DerivedRow row;
    row.value = value;
    row.shown = Shown(shown);
    QTEST(unroundedText(row, English), "expected");
}

// The cholesterol/HDL bands are fragments of a sentence: each band shows the
// sentence it completes; bands that are sentences already stay as they are.
void TestDerivation::fragmentsBecomeSentences()
{
    const Inputs inputs(F(u"Chol=200 mg/dL; HDL=60 mg/dL; Gender=Male; AST=40; ALT=50"_s), English);
    const DerivedRow ratio = deriveItem(ItemId::CholesterolHdlRatio, inputs).rows.first();
    QVERIFY(ratio.band());
    QCOMPARE(*ratio.band()->sentence, ratio.interpretation);
    for (const DerivedBand& band : ratio.bands) {
        QVERIFY(band.sentence);
        QVERIFY(band.sentence->startsWith(u"The risk of coronary artery disease is "_s));
        QVERIFY(band.sentence->endsWith(u" the 'average American'."_s));
        QVERIFY(band.sentence->contains(*band.text));
    }
    const Derivation astAlt = deriveItem(ItemId::AstAltRatio, inputs);
    for (const DerivedBand& band : astAlt.rows.first().bands)
        QCOMPARE(band.sentence, band.text);
}

void TestDerivation::json()
{
    const Inputs inputs(F(u"Age=60; Weight=154 lbs; Gender=Female; SerumCreatinine=100 umol/L; "
                          "AST=abc"_s),
                        English);
    const QJsonObject doc = caseJson(inputs, evaluateItems(inputs));

    const QJsonDocument expectedInputs = QJsonDocument::fromJson(R"json([
 {"field": "Age", "text": "60", "unit": null, "value": 60, "findings": [], "hints": []},
 {"field": "Weight", "text": "154", "unit": "lbs", "value": 70, "findings": [], "hints": []},
 {"field": "Gender", "text": "Female", "unit": null, "value": null, "findings": [], "hints": []},
 {"field": "SerumCreatinine", "text": "100", "unit": "umol/L", "value": 1.1312217194570136,
  "findings": [], "hints": []},
 {"field": "AST", "text": "abc", "unit": null, "value": null,
  "findings": [{"kind": "not-a-number", "text": "AST: \"abc\" is not a number. Type a number such as 1.2."}], "hints": []}
])json");
    // The reference interval in the unit typed, or null where there is none.
    QJsonArray inputsWithoutReference;
    QStringList references;
    for (const QJsonValue in : doc[u"inputs"].toArray()) {
        QJsonObject object = in.toObject();
        const QJsonValue reference = object.take(u"reference");
        references << (reference.isNull() ? u"null"_s : reference.toString());
        inputsWithoutReference << object;
    }
    QCOMPARE(QJsonDocument(inputsWithoutReference), expectedInputs);
    QCOMPARE(references.size(), 5);
    QCOMPARE(references[0], u"null"_s); // age
    QCOMPARE(references[2], u"null"_s); // gender
    QCOMPARE(references[3], referenceText(inputs, AnalyteId::SerumCreatinine));
    QVERIFY2(references[3].contains(u"umol/L"_s), qPrintable(references[3]));

    const QJsonArray items = doc[u"items"].toArray();
    QCOMPARE(items.size(), ItemCount);
    const QJsonObject clearance = items[int(ItemId::CreatinineClearance)].toObject();
    QCOMPARE(clearance[u"computed"].toBool(), true);
    const QJsonDocument expectedRows = QJsonDocument::fromJson(R"json([{
  "name": "Creatinine Clearance (GFR)",
  "result": "58.24 mL/min",
  "value": 58.24,
  "expression": "((140 - Age) * Weight) / (85 * SerumCreatinine)",
  "formula": "CrCl = ((140 − age) × weight) ÷ (72 × serum creatinine)",
  "symbols": "CrCl = ((140 − Age) × Weight) ÷ (K × SerumCreatinine)",
  "constant": "K = 72 for Male, 85 for Female",
  "substituted": "((140 − 60) × 70) ÷ (85 × 1.13122)",
  "unrounded": "58.24",
  "shown": "fixed2",
  "suffix": " mL/min",
  "interpretation": "Based on GFR, renal function is slightly impaired.",
  "band": {"text": "Based on GFR, renal function is slightly impaired.",
           "sentence": "Based on GFR, renal function is slightly impaired.", "lower": 52,
           "upper": 62.5, "lowerIncluded": true, "upperIncluded": false}
}])json");
    // The band table in full, the chosen band among it; a textless band is null.
    QJsonObject row = clearance[u"rows"].toArray().first().toObject();
    const QJsonArray bands = row.take(u"bands").toArray();
    row.remove(u"notes"); // jsonCarriesNotesOriginAndReference
    // Each operation with its numbers and units; the last gives the value.
    const QJsonArray steps = row.take(u"steps").toArray();
    QCOMPARE(steps.size(), 4);
    QCOMPARE(QJsonDocument(steps.first().toObject()), QJsonDocument::fromJson(R"json(
 {"operation": "−", "left": 140, "leftUnit": "years", "leftStep": null, "right": 60,
  "rightUnit": "years", "rightStep": null, "result": 80, "resultUnit": "years"})json"));
    QCOMPARE(steps.last()[u"result"], row[u"value"]);
    QCOMPARE(steps.last()[u"leftStep"].toInt(), 2);
    QCOMPARE(steps.last()[u"rightStep"].toInt(), 3);
    QCOMPARE(bands.size(), 6);
    QVERIFY(bands.contains(row[u"band"]));
    QVERIFY(bands[4].toObject()[u"text"].isNull());
    QCOMPARE(QJsonDocument(QJsonArray{row}), expectedRows);
    QVERIFY(!clearance[u"sources"].toArray().isEmpty());

    // An item left out says why, field by field, and still names its sources.
    const QJsonObject astAlt = items[int(ItemId::AstAltRatio)].toObject();
    QCOMPARE(astAlt[u"computed"].toBool(), false);
    QCOMPARE(QJsonDocument(astAlt[u"findings"].toArray()), QJsonDocument::fromJson(R"json([
 {"field": "AST", "kind": "not-a-number", "text": "AST: \"abc\" is not a number. Type a number such as 1.2."},
 {"field": "ALT", "kind": "empty", "text": "ALT: empty"}])json"));
    QCOMPARE(astAlt[u"rows"].toArray().size(), 0);
    QVERIFY(!astAlt[u"sources"].toArray().isEmpty());
    for (const QJsonValue source : astAlt[u"sources"].toArray()) {
        const QJsonObject s = source.toObject();
        QVERIFY(s[u"year"].isNull() || s[u"year"].isDouble());
        QVERIFY(s[u"verified"].isBool());
        QVERIFY(!s[u"citation"].toString().isEmpty());
    }
}

void TestDerivation::notesStandUnderTheInterpretation_data()
{
    QTest::addColumn<ItemId>("id");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<bool>("context"); // a context note is expected

    QTest::addRow("AST/ALT, both normal: doubtful")
        << ItemId::AstAltRatio << u"AST=20; ALT=32"_s << true;
    QTest::addRow("AST/ALT, both raised: no context note")
        << ItemId::AstAltRatio << u"AST=300; ALT=200"_s << false;
    QTest::addRow("renal failure index, normal creatinine")
        << ItemId::RenalFailureIndex
        << u"SerumCreatinine=1 mg/dL; UrineCreatinine=100 mg/dL; UrineSodium=40"_s << true;
    QTest::addRow("renal failure index, raised creatinine")
        << ItemId::RenalFailureIndex
        << u"SerumCreatinine=4 mg/dL; UrineCreatinine=100 mg/dL; UrineSodium=40"_s << false;
}

// The notes are the derivation's own, and every rendering puts them right
// under the interpretation, before the band table.
void TestDerivation::notesStandUnderTheInterpretation()
{
    QFETCH(ItemId, id);
    QFETCH(QString, fields);
    QFETCH(bool, context);
    const Inputs inputs(F(fields), English);
    const ItemDescriptor& descriptor = item(id);
    const Outcome outcome = descriptor.compute(inputs);
    const Derivation d = derive(descriptor, inputs, outcome);
    const DerivedRow& row = d.rows.first();
    QCOMPARE(row.notes, rowNotes(id, 0, inputs, outcome, English));
    const bool hasContext = std::any_of(row.notes.cbegin(), row.notes.cend(),
                                        [](const Note& n) { return n.kind == NoteKind::Context; });
    QCOMPARE(hasContext, context);

    const QStringList lines = stepsText(d, English).split(u'\n');
    // Under the interpretation, or under the result of a row without one.
    const qsizetype interpretation =
        row.interpretation.isEmpty() ? lines.indexOf(u"  Result: "_s + row.result)
                                     : lines.indexOf(u"  Interpretation: "_s + row.interpretation);
    QVERIFY2(interpretation >= 0, qPrintable(stepsText(d, English)));
    for (qsizetype n = 0; n < row.notes.size(); ++n)
        QCOMPARE(lines.value(interpretation + 1 + n),
                 u"  "_s + noteLabel(row.notes[n]) + u' ' + row.notes[n].text);
    if (!row.bands.isEmpty())
        QCOMPARE(lines.value(interpretation + 1 + row.notes.size()), u"  Bands:"_s);
    const QString html = stepsHtml(d, English);
    for (const Note& note : row.notes) {
        const qsizetype at = html.indexOf(note.text.toHtmlEscaped());
        QVERIFY2(
            at > html.indexOf(row.interpretation.isEmpty() ? u"Result:"_s : u"Interpretation:"_s),
            qPrintable(note.text));
        if (!row.bands.isEmpty())
            QVERIFY(at < html.indexOf(u"<p>Bands:</p>"_s));
    }
}

void TestDerivation::bandsInTheUnitTyped_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("band"); // the chosen band as the table gives it

    QTest::addRow("mmol/L beside mg/dL")
        << u"Gender=Male; Chol=5.18 mmol/L; HDL=50 mg/dL; LDL=130 mg/dL"_s
        << u"from 200 mg/dL (5.18 mmol/L) to below 240 mg/dL (6.22 mmol/L)"_s;
    QTest::addRow("typed in the formula unit: one unit")
        << u"Gender=Male; Chol=200 mg/dL; HDL=50 mg/dL; LDL=130 mg/dL"_s
        << u"from 200 to below 240"_s;
}

void TestDerivation::bandsInTheUnitTyped()
{
    QFETCH(QString, fields);
    QFETCH(QString, band);
    const Inputs inputs(F(fields), English);
    const Derivation d = deriveItem(ItemId::CholesterolLevels, inputs);
    const DerivedRow& row = d.rows.first();
    QVERIFY(row.band());
    QCOMPARE(bandRangeText(row, *row.band(), English), band);
    QVERIFY(stepsText(d, English).contains(u"> "_s + band + u": "_s));
    // A value typed on a shown edge lands in the band that edge opens.
    if (!row.typedUnit.isEmpty()) {
        for (const DerivedBand& b : row.bands) {
            if (!b.lower || !b.lowerIncluded)
                continue;
            const QString range = bandRangeText(row, b, English);
            const qsizetype open = range.indexOf(u'(');
            const QString typed = range.mid(open + 1, range.indexOf(u' ', open) - open - 1);
            const Inputs edge(F(fields + u"; Chol="_s + typed + u" mmol/L"_s), English);
            const Derivation e = deriveItem(ItemId::CholesterolLevels, edge);
            QVERIFY2(e.rows.first().band() && *e.rows.first().band()->lower == *b.lower,
                     qPrintable(range));
        }
    }
}

void TestDerivation::changesArePrinted()
{
    const Inputs inputs(F(u"SerumPhosphorus=3.5 mg/dL; UrinePhosphorus=60 mg/dL; "
                          "UrineVolume=1500"_s),
                        English);
    const Derivation d = deriveItem(ItemId::PhosphorusClearance, inputs);
    QVERIFY(!d.changes.isEmpty());
    QCOMPARE(d.changes, stepNotes(ItemId::PhosphorusClearance));
    for (const QString& change : d.changes) {
        QVERIFY(change.startsWith(u"Changed: "_s));
        QVERIFY(stepsText(d, English).contains(change));
        QVERIFY(sourcesHtml(d).contains(change.toHtmlEscaped()));
    }
    QVERIFY(derive(item(ItemId::CreatinineClearance), Inputs(F(CrCl), English),
                   item(ItemId::CreatinineClearance).compute(Inputs(F(CrCl), English)))
                .changes.isEmpty());
}

void TestDerivation::jsonCarriesNotesOriginAndReference()
{
    const Inputs inputs(exampleFields(), English);
    const QList<ItemEvaluation> evaluations = evaluateItems(inputs);
    const QJsonArray items = caseJson(inputs, evaluations)[u"items"].toArray();
    const QJsonArray shared = itemsJson()[u"items"].toArray();
    QCOMPARE(items.size(), ItemCount);
    int notes = 0;
    for (int i = 0; i < ItemCount; ++i) {
        const QJsonObject origin = items[i][u"origin"].toObject();
        QCOMPARE(origin.keys(),
                 (QStringList{u"bands"_s, u"formula"_s, u"guidance"_s, u"keepInMind"_s}));
        const std::optional<ItemSources> sources = itemSources(ItemId(i));
        QVERIFY(sources);
        QCOMPARE(origin[u"formula"].toString(), sources->formulaOrigin);
        QCOMPARE(origin[u"bands"].toString(), sources->bandsOrigin);
        QCOMPARE(origin[u"keepInMind"].toString(), sources->caveat);
        QCOMPARE(shared[i][u"origin"].toObject(), origin);
        if (!evaluations[i].computable())
            continue;
        const QJsonArray rows = items[i][u"rows"].toArray();
        for (int r = 0; r < rows.size(); ++r) {
            const QList<Note> expected =
                rowNotes(ItemId(i), r, inputs, *evaluations[i].outcome, English);
            const QJsonArray got = rows[r][u"notes"].toArray();
            QCOMPARE(got.size(), expected.size());
            for (int n = 0; n < got.size(); ++n) {
                QCOMPARE(got[n][u"kind"].toString(), noteKindName(expected[n].kind));
                QCOMPARE(got[n][u"text"].toString(), expected[n].text);
                QCOMPARE(got[n][u"sources"].toVariant().toStringList(), expected[n].sources);
                ++notes;
            }
        }
    }
    QVERIFY(notes > 0);
}

void TestDerivation::caseLineCarriesNotes()
{
    const Inputs inputs(exampleFields(), English);
    const QList<ItemEvaluation> evaluations = evaluateItems(inputs);
    QByteArray bytes;
    appendFullCaseLine(bytes, u"c1", inputs, evaluations);
    QJsonParseError error;
    const QJsonObject line = QJsonDocument::fromJson(bytes, &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject notes = line[u"notes"].toObject();
    // Every row with notes, and no other, as [kind, text, sources] (the lean
    // line's layout, which itemsJson states, gives a template and arguments).
    QCOMPARE(itemsJson()[u"caseLine"][u"notes"].toVariant().toStringList(),
             (QStringList{u"row"_s, u"template"_s, u"arguments"_s}));
    // The case's notes in the line; the dated and unsourced ones, the same
    // in every case, under the row in itemsJson.
    QHash<QString, QJsonArray> evidence;
    for (const QJsonValue item : itemsJson()[u"items"].toArray()) {
        for (const QJsonValue row : item[u"rows"].toArray())
            evidence.insert(row[u"name"].toString(), row[u"notes"].toArray());
    }
    const QJsonArray items = caseJson(inputs, evaluations)[u"items"].toArray();
    int rowsWithNotes = 0;
    int evidenceNotes = 0;
    for (const QJsonValue item : items) {
        for (const QJsonValue row : item[u"rows"].toArray()) {
            QJsonArray rebuilt;
            for (const QJsonValue note : notes[row[u"name"].toString()].toArray()) {
                QVERIFY(note[0] == u"context"_s || note[0] == u"rounding"_s);
                rebuilt << QJsonObject{
                    {u"kind"_s, note[0]}, {u"text"_s, note[1]}, {u"sources"_s, note[2]}};
            }
            rowsWithNotes += rebuilt.isEmpty() ? 0 : 1;
            for (const QJsonValue note : evidence.value(row[u"name"].toString())) {
                QVERIFY(note[u"kind"] == u"dated"_s || note[u"kind"] == u"unsourced"_s);
                rebuilt << note;
                ++evidenceNotes;
            }
            QCOMPARE(rebuilt, row[u"notes"].toArray());
        }
    }
    QCOMPARE(notes.size(), rowsWithNotes);
    QVERIFY(rowsWithNotes > 0);
    QVERIFY(evidenceNotes > 0);
}

QUARVEX_CORE_TEST_MAIN(TestDerivation)
#include "tst_derivation.moc"
