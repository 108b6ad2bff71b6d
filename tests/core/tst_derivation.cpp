#include "calc/derivation.h"
#include "calc/formula.h"
#include "calc/items.h"
#include "coretestmain.h"
#include "overview/json.h"
#include "overview/overview.h"
#include "testfields.h"

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
    void json();
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
        << ItemId::CreatinineClearance << CrCl << false << 0 << u"|÷ 2.2||÷ 88.4"_s
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
        << u"÷ 0.0259||"_s << u"HDL"_s << u"60"_s << u"60"_s << u"from 40 up to 60: intermediate"_s;
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
        "  Symbols: AST/ALT = AST ÷ ALT\n"
        "  Expression: AST / ALT\n"
        "  With the numbers: 40,5 ÷ 50\n"
        "  Value before rounding: 0,81\n"
        "  Result: 0,81 \n"
        "  Interpretation: The AST to ALT ratio is normal.\n"
        "  Bands:\n"
        "    up to 0,65: The AST to ALT ratio indicates acute viral hepatitis.\n"
        "    above 0,65 to below 0,8: The AST to ALT ratio indicates extrahepatic cholestasis.\n"
        "  > from 0,8 to below 1,3: The AST to ALT ratio is normal.\n"_s;
    QVERIFY2(text.startsWith(expected), qPrintable(text.left(expected.size() + 200)));
    QVERIFY(text.contains(u"\nSources:\n"_s));
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
    QCOMPARE(QJsonDocument(doc[u"inputs"].toArray()), expectedInputs);

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
  "substituted": "((140 − 60) × 70) ÷ (85 × 1.13122)",
  "shown": "fixed2",
  "suffix": " mL/min",
  "interpretation": "Based on GFR, renal function is slightly impaired.",
  "band": {"text": "Based on GFR, renal function is slightly impaired.", "lower": 52,
           "upper": 62.5, "lowerIncluded": true, "upperIncluded": false}
}])json");
    // The band table in full, the chosen band among it; a textless band is null.
    QJsonObject row = clearance[u"rows"].toArray().first().toObject();
    const QJsonArray bands = row.take(u"bands").toArray();
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

QUARVEX_CORE_TEST_MAIN(TestDerivation)
#include "tst_derivation.moc"
