// The six current items beside the 22: their published values, their bands
// decided on the number they show, the proteinuria category in the unit the
// urine creatinine is typed in, their findings, the working of powers,
// minima and maxima, and the comparisons at the end of the worked steps.

#include "calc/derivation.h"
#include "calc/items.h"
#include "coretestmain.h"
#include "overview/json.h"
#include "overview/overview.h"
#include "testfields.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

class TestCurrentItems : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void publishedValues_data();
    void publishedValues();
    void egfrCategoriesOnTheShownNumber_data();
    void egfrCategoriesOnTheShownNumber();
    void bandsOnTheShownNumber_data();
    void bandsOnTheShownNumber();
    void proteinuriaInTheTypedUnit_data();
    void proteinuriaInTheTypedUnit();
    void proteinuriaWorkedInMgPerMmol();
    void findings_data();
    void findings();
    void powerMinMaxSteps();
    void eachGenderConstantHasItsSymbol();
    void comparisons_data();
    void comparisons();
};

namespace {

using A = AnalyteId;

// The serum creatinine (mg/dL) at which a man's eGFR is `target`, above
// κ = 0.9 where only the max term counts: the equation turned round.
double maleCreatinineFor(double target, double age)
{
    return 0.9 * std::pow(target / (142.0 * std::pow(0.9938, age)), -1.0 / 1.2);
}

QString typed(double value)
{
    return QString::number(value, 'g', 17);
}

} // namespace

void TestCurrentItems::publishedValues_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<bool>("german");
    QTest::addColumn<double>("published");
    QTest::addColumn<double>("within");
    QTest::addColumn<QString>("result");

    const int egfr = int(ItemId::EgfrCkdEpi);
    QTest::addRow("CKD-EPI 2021: 1.0 mg/dL, 50 years, female")
        << egfr << u"SerumCreatinine=1.0 mg/dL; Age=50; Gender=Female"_s << false << 68.63 << 0.005
        << u"69 mL/min/1.73 m²"_s;
    QTest::addRow("CKD-EPI 2021: 0.6 mg/dL, 50 years, female")
        << egfr << u"SerumCreatinine=0.6 mg/dL; Age=50; Gender=Female"_s << false << 109.28 << 0.005
        << u"109 mL/min/1.73 m²"_s;
    QTest::addRow("CKD-EPI 2021: 1.2 mg/dL, 65 years, male")
        << egfr << u"SerumCreatinine=1.2 mg/dL; Age=65; Gender=Male"_s << false << 67.11 << 0.005
        << u"67 mL/min/1.73 m²"_s;
    QTest::addRow("CKD-EPI 2021: 106,08 umol/L, German")
        << egfr << u"SerumCreatinine=106,08 umol/L; Age=65; Gender=Male"_s << true << 67.11 << 0.005
        << u"67 mL/min/1.73 m²"_s;
    QTest::addRow("Sampson: TC 200, HDL 50, TG 150")
        << int(ItemId::LdlSampson) << u"Chol=200 mg/dL; HDL=50 mg/dL; Triglycerides=150 mg/dL"_s
        << false << 123.4 << 0.05 << u"123 mg/dL"_s;
    // At TG 800 the TG² term is 39.75: a constant of 16000 for 16100 moves the LDL by 0.25.
    QTest::addRow("Sampson: TC 200, HDL 50, TG 800")
        << int(ItemId::LdlSampson) << u"Chol=200 mg/dL; HDL=50 mg/dL; Triglycerides=800 mg/dL"_s
        << false << 40.256 << 0.0005 << u"40 mg/dL"_s;
    QTest::addRow("Friedewald: TC 200, HDL 50, TG 150")
        << int(ItemId::LdlFriedewald)
        << u"Chol=200 mg/dL; HDL=50 mg/dL; Triglycerides=1,6936 mmol/L"_s << true << 120.0 << 0.005
        << u"120 mg/dL"_s;
}

// The value before rounding, from the item's descriptor as every output
// computes it, and its shown result.
void TestCurrentItems::publishedValues()
{
    QFETCH(int, item);
    QFETCH(QString, fields);
    QFETCH(bool, german);
    QFETCH(double, published);
    QFETCH(double, within);

    const Inputs inputs(F(fields), german ? German : English);
    const ItemDescriptor& d = quarvex::item(ItemId(item));
    QVERIFY(d.findings(inputs).isEmpty());
    const Outcome outcome = d.compute(inputs);
    QVERIFY2(std::abs(outcome.values.front() - published) < within,
             qPrintable(QString::number(outcome.values.front(), 'g', 17)));
    QTEST(outcome.rows.front().result, "result");
}

// Every KDIGO edge of the eGFR, taken from its band table: half a unit
// below the edge shows the edge and is in the edge's category (89.5 shows 90:
// G1), a little more below shows the number before and is in the one below.
void TestCurrentItems::egfrCategoriesOnTheShownNumber_data()
{
    QTest::addColumn<double>("target");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("interpretation");

    const std::span<const Band> bands = item(ItemId::EgfrCkdEpi).rows().front().bands;
    QVERIFY(bands.size() == 6);
    for (size_t i = 0; i + 1 < bands.size(); ++i) {
        const double edge = bands[i].upTo;
        const QString above = QString::fromLatin1(bands[i + 1].text);
        const QString below = QString::fromLatin1(bands[i].text);
        QTest::addRow("%g shows %g", edge - 0.5, edge)
            << edge - 0.5 << QString::number(edge) + u" mL/min/1.73 m²"_s << above;
        QTest::addRow("%g shows %g", edge - 0.51, edge - 1)
            << edge - 0.51 << QString::number(edge - 1) + u" mL/min/1.73 m²"_s << below;
        QTest::addRow("%g shows %g", edge, edge)
            << edge << QString::number(edge) + u" mL/min/1.73 m²"_s << above;
    }
}

void TestCurrentItems::egfrCategoriesOnTheShownNumber()
{
    QFETCH(double, target);
    const double age = 70;
    const Inputs inputs(F(u"Age=70; Gender=Male; SerumCreatinine="_s +
                          typed(maleCreatinineFor(target, age)) + u" mg/dL"_s),
                        English);
    const ItemDescriptor& egfr = item(ItemId::EgfrCkdEpi);
    QVERIFY(egfr.findings(inputs).isEmpty());
    const Outcome outcome = egfr.compute(inputs);
    QVERIFY2(std::abs(outcome.values.front() - target) < 1e-9,
             qPrintable(QString::number(outcome.values.front(), 'g', 17)));
    QTEST(outcome.rows.front().result, "shown");
    QTEST(outcome.rows.front().interpretation, "interpretation");
    // The worked steps mark the same band.
    const Derivation d = derive(egfr, inputs, outcome);
    QVERIFY(d.rows.front().band());
    QCOMPARE(d.rows.front().band()->text,
             std::optional<QString>(outcome.rows.front().interpretation));
}

void TestCurrentItems::bandsOnTheShownNumber_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("interpretation");

    const int protein = int(ItemId::ProteinuriaCategory),
              urea = int(ItemId::FractionalUreaExcretion);
    const int nonHdl = int(ItemId::NonHdlCholesterol), friedewald = int(ItemId::LdlFriedewald);
    const QString a1 = u"KDIGO category A1: normal to mildly increased proteinuria."_s;
    const QString a2 = u"KDIGO category A2: moderately increased proteinuria."_s;
    const QString a3 = u"KDIGO category A3: severely increased proteinuria."_s;
    QTest::addRow("149.4 mg/g shows 149: A1")
        << protein << u"UrineProtein=0.1494; UrineCreatinine=100 mg/dL"_s << u"149 mg/g"_s << a1;
    QTest::addRow("149.5 mg/g shows 150: A2")
        << protein << u"UrineProtein=0.1495; UrineCreatinine=100 mg/dL"_s << u"150 mg/g"_s << a2;
    QTest::addRow("500.4 mg/g shows 500: A2, though above 500")
        << protein << u"UrineProtein=0.5004; UrineCreatinine=100 mg/dL"_s << u"500 mg/g"_s << a2;
    QTest::addRow("500.5 mg/g shows 501: A3")
        << protein << u"UrineProtein=0.5005; UrineCreatinine=100 mg/dL"_s << u"501 mg/g"_s << a3;

    // FEUrea = urine urea / 100 with these creatinine and serum urea values.
    const QString ureaCase =
        u"SerumCreatinine=1 mg/dL; UrineCreatinine=100 mg/dL; SerumUrea=100 mg/dL; UrineUrea="_s;
    const QString prerenal =
        u"A fractional urea excretion of 35 % or less suggests a prerenal cause of acute kidney injury."_s;
    const QString between =
        u"A fractional urea excretion between 35 % and 50 % does not separate prerenal from intrinsic causes."_s;
    const QString atn =
        u"A fractional urea excretion of 50 % or more suggests acute tubular necrosis."_s;
    QTest::newRow("35.04 % shows 35.0: prerenal, though above 35")
        << urea << ureaCase + u"3504 mg/dL"_s << u"35.0 %"_s << prerenal;
    QTest::newRow("35.05 % shows 35.1: between")
        << urea << ureaCase + u"3505 mg/dL"_s << u"35.1 %"_s << between;
    QTest::newRow("49.94 % shows 49.9: between")
        << urea << ureaCase + u"4994 mg/dL"_s << u"49.9 %"_s << between;
    QTest::newRow("49.95 % shows 50.0: acute tubular necrosis")
        << urea << ureaCase + u"4995 mg/dL"_s << u"50.0 %"_s << atn;
    QTest::addRow("one decimal in a German locale")
        << urea << ureaCase + u"3505 mg/dL; Locale=de"_s << u"35,1 %"_s << between;

    QTest::addRow("non-HDL 129.4 shows 129: desirable")
        << nonHdl << u"Chol=179.4 mg/dL; HDL=50 mg/dL"_s << u"129 mg/dL"_s
        << u"Non-HDL cholesterol: desirable"_s;
    QTest::addRow("non-HDL 129.5 shows 130: above desirable")
        << nonHdl << u"Chol=179.5 mg/dL; HDL=50 mg/dL"_s << u"130 mg/dL"_s
        << u"Non-HDL cholesterol: above desirable"_s;
    QTest::addRow("non-HDL 219.5 shows 220: very high")
        << nonHdl << u"Chol=269.5 mg/dL; HDL=50 mg/dL"_s << u"220 mg/dL"_s
        << u"Non-HDL cholesterol: very high"_s;
    QTest::addRow("Friedewald 99.5 shows 100: near or above optimal")
        << friedewald << u"Chol=179.5 mg/dL; HDL=50 mg/dL; Triglycerides=150 mg/dL"_s
        << u"100 mg/dL"_s << u"LDL Cholesterol: near or above optimal"_s;
    QTest::addRow("Friedewald 99.4 shows 99: optimal")
        << friedewald << u"Chol=179.4 mg/dL; HDL=50 mg/dL; Triglycerides=150 mg/dL"_s
        << u"99 mg/dL"_s << u"LDL Cholesterol: optimal"_s;
}

void TestCurrentItems::bandsOnTheShownNumber()
{
    QFETCH(int, item);
    QFETCH(QString, fields);
    const bool german = fields.endsWith(u"Locale=de"_s);
    if (german) {
        fields.chop(QStringLiteral("; Locale=de").size());
        fields.replace(u'.', u',');
    }
    const Inputs inputs(F(fields), german ? German : English);
    const ItemDescriptor& d = quarvex::item(ItemId(item));
    QVERIFY(d.findings(inputs).isEmpty());
    const Outcome outcome = d.compute(inputs);
    QTEST(outcome.rows.front().result, "result");
    QTEST(outcome.rows.front().interpretation, "interpretation");
}

// The proteinuria category follows the unit of urine creatinine: in mmol/L
// the ratio in mg/mmol and KDIGO's mg/mmol table, in mg/dL mg/g as before.
// Every edge of the mg/mmol table is tried from its data (urine creatinine
// 10 mmol/L, so the protein in g/L is the ratio ÷ 100), besides literal cases.
void TestCurrentItems::proteinuriaInTheTypedUnit_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("band");

    // Hand-worked: 0.16 g/L × 1000 = 160 mg/L, ÷ 10 mmol/L = 16 mg/mmol: A2;
    // the same urine in mg/dL (10 mmol/L × 11.312 = 113.12 mg/dL) is 141 mg/g: A1.
    QTest::addRow("0.16 g/L over 10 mmol/L: 16 mg/mmol, A2")
        << u"UrineProtein=0.16; UrineCreatinine=10 mmol/L"_s << u"16 mg/mmol"_s << 1;
    QTest::addRow("the same urine in mg/dL: 141 mg/g, A1")
        << u"UrineProtein=0.16; UrineCreatinine=113.12 mg/dL"_s << u"141 mg/g"_s << 0;
    QTest::addRow("0.5 g/L over 8.84 mmol/L: 57 mg/mmol, A3")
        << u"UrineProtein=0.5; UrineCreatinine=8.84 mmol/L"_s << u"57 mg/mmol"_s << 2;
    QTest::addRow("German decimal comma: 16 mg/mmol")
        << u"UrineProtein=0,16; UrineCreatinine=10 mmol/L; Locale=de"_s << u"16 mg/mmol"_s << 1;

    const std::span<const UnitVariant> variants =
        quarvex::item(ItemId::ProteinuriaCategory).rows().front().unitVariants;
    QCOMPARE(variants.size(), size_t(1));
    const std::span<const Band> bands = variants.front().bands;
    // KDIGO 2012: A1 below 15, A2 15 to 50, A3 above 50 mg/mmol.
    QCOMPARE(bands.size(), size_t(3));
    QCOMPARE(bands[0].upTo, 15.0);
    QVERIFY(!bands[0].inclusive);
    QCOMPARE(bands[1].upTo, 50.0);
    QVERIFY(bands[1].inclusive);
    for (int b = 0; b + 1 < int(bands.size()); ++b) {
        const double edge = bands[size_t(b)].upTo;
        const int at = bands[size_t(b)].inclusive ? b : b + 1;
        const QString shownEdge = u"%1 mg/mmol"_s.arg(edge);
        const struct {
            const char* side;
            double value;
            QString shown;
            int band;
        } tries[] = {
            {"at", edge, shownEdge, at},
            {"shown as the edge from below", edge - 0.5, shownEdge, at},
            {"below", edge - 0.6, u"%1 mg/mmol"_s.arg(edge - 1), b},
            {"shown as the edge from above", edge + 0.4, shownEdge, at},
            {"above", edge + 0.5, u"%1 mg/mmol"_s.arg(edge + 1), b + 1},
        };
        for (const auto& t : tries) {
            QTest::addRow("%s %g mg/mmol", t.side, edge)
                << u"UrineProtein=%1; UrineCreatinine=10 mmol/L"_s.arg(t.value / 100.0) << t.shown
                << t.band;
        }
    }
}

void TestCurrentItems::proteinuriaInTheTypedUnit()
{
    QFETCH(QString, fields);
    QFETCH(int, band);
    const bool german = fields.endsWith(u"Locale=de"_s);
    if (german)
        fields.chop(QStringLiteral("; Locale=de").size());
    const Inputs inputs(F(fields), german ? German : English);
    const ItemDescriptor& d = quarvex::item(ItemId::ProteinuriaCategory);
    QVERIFY(d.findings(inputs).isEmpty());
    const Outcome outcome = d.compute(inputs);
    QTEST(outcome.rows.front().result, "result");
    const char* const texts[] = {"A1: normal to mildly increased proteinuria.",
                                 "A2: moderately increased proteinuria.",
                                 "A3: severely increased proteinuria."};
    QCOMPARE(outcome.rows.front().interpretation,
             u"KDIGO category "_s + QLatin1String(texts[band]));
}

// With urine creatinine in mmol/L every output works the same mg/mmol
// value: the worked steps (urine creatinine as typed, not converted), the
// tool's expression on formula-unit values, and the JSON, which names the
// table and its unit in the case and carries both tables in --items-json.
void TestCurrentItems::proteinuriaWorkedInMgPerMmol()
{
    const Inputs inputs(F(u"UrineProtein=0.16; UrineCreatinine=10 mmol/L"_s), English);
    const ItemDescriptor& d = quarvex::item(ItemId::ProteinuriaCategory);
    const Outcome outcome = d.compute(inputs);
    const Derivation derived = derive(d, inputs, outcome);
    const DerivedRow& row = derived.rows.front();
    QCOMPARE(row.steps.size(), 2);
    QCOMPARE(stepText(row.steps[0], English),
             u"urine protein in mg/L = 0.16 g/L × 1000 = 160 mg/L"_s);
    QCOMPARE(stepText(row.steps[1], English), u"160 mg/L ÷ 10 mmol/L = 16 mg/mmol"_s);
    QCOMPARE(row.substituted, u"(0.16 × 1000) ÷ 10"_s);
    QCOMPARE(row.expression, u"(UrineProtein * 1000) / (UrineCreatinine * 88.4 / 1000)"_s);
    QCOMPARE(row.bands[1].lower, std::optional<double>(15.0));
    for (const DerivedInput& in : derived.inputs)
        QVERIFY2(in.conversion.isEmpty(), qPrintable(in.field));

    // In mg/dL the urine creatinine is converted and the row is in mg/g.
    const Inputs conventional(F(u"UrineProtein=0.16; UrineCreatinine=113.12 mg/dL"_s), English);
    const Derivation mgPerG = derive(d, conventional, d.compute(conventional));
    QCOMPARE(mgPerG.rows.front().bands[1].lower, std::optional<double>(150.0));
    QCOMPARE(mgPerG.rows.front().suffix, u" mg/g"_s);

    // The JSON: the case's row names its table, --items-json holds both.
    const QList<ItemEvaluation> evaluations = evaluateItems(inputs);
    QJsonObject json;
    for (const QJsonValue item : caseJson(inputs, evaluations)[u"items"].toArray()) {
        if (item[u"name"] == QLatin1String(d.listText))
            json = item[u"rows"][0].toObject();
    }
    QCOMPARE(json[u"table"].toInt(), 1);
    QCOMPARE(json[u"unit"].toString(), u"mg/mmol"_s);
    QCOMPARE(json[u"value"].toDouble(), 16.0);
    QJsonArray tables;
    for (const QJsonValue item : itemsJson()[u"items"].toArray()) {
        if (item[u"name"] == QLatin1String(d.listText))
            tables = item[u"rows"][0][u"tables"].toArray();
    }
    QCOMPARE(tables.size(), 2);
    QCOMPARE(tables[0][u"unit"].toString() + tables[1][u"unit"].toString(), u"mg/gmg/mmol"_s);
    QCOMPARE(tables[0][u"bands"][1][u"lower"].toDouble(), 150.0);
    QCOMPARE(tables[1][u"bands"][1][u"lower"].toDouble(), 15.0);
    QCOMPARE(tables[1][u"firstBand"].toInt(), 3);
    // The lean line: [result, value, band, table], the band among both tables'.
    QByteArray line;
    appendCaseLine(line, u"c", inputs, evaluations);
    const QJsonArray rows = QJsonDocument::fromJson(line)[u"rows"].toArray();
    QJsonArray lean;
    for (const QJsonValue r : rows) {
        if (r.isArray() && r[0] == u"16 mg/mmol"_s)
            lean = r.toArray();
    }
    QCOMPARE(lean, (QJsonArray{u"16 mg/mmol"_s, 16, 4, 1}));
}

// Each finding of the six items, and a neighbouring case without it.
void TestCurrentItems::findings_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("finding"); // empty: computed

    const int egfr = int(ItemId::EgfrCkdEpi), nonHdl = int(ItemId::NonHdlCholesterol);
    const int friedewald = int(ItemId::LdlFriedewald), sampson = int(ItemId::LdlSampson);
    const QString kidney = u"; Gender=Female; SerumCreatinine=1 mg/dL"_s;
    const QString adults = u"Age: the equation is for adults"_s;
    const QString age140 = u"Age: the formula needs an age below 140"_s;
    QTest::addRow("eGFR at 17.9 years") << egfr << u"Age=17.9"_s + kidney << adults;
    QTest::addRow("eGFR at 18 years") << egfr << u"Age=18"_s + kidney << QString();
    QTest::addRow("eGFR at 139.9 years") << egfr << u"Age=139.9"_s + kidney << QString();
    QTest::addRow("eGFR at 140 years") << egfr << u"Age=140"_s + kidney << age140;

    const QString hdlAboveTotal =
        u"HDL cholesterol: the formula needs HDL cholesterol below total cholesterol"_s;
    const QString ldlNotPositive =
        u"HDL cholesterol: the calculated LDL cholesterol would be zero or less"_s;
    QTest::addRow("non-HDL of 0") << nonHdl << u"Chol=200 mg/dL; HDL=200 mg/dL"_s << hdlAboveTotal;
    QTest::addRow("non-HDL of 0.4 shows 0")
        << nonHdl << u"Chol=200.4 mg/dL; HDL=200 mg/dL"_s << hdlAboveTotal;
    QTest::addRow("non-HDL of 0.5 shows 1")
        << nonHdl << u"Chol=200.5 mg/dL; HDL=200 mg/dL"_s << QString();
    QTest::addRow("non-HDL below zero")
        << nonHdl << u"Chol=150 mg/dL; HDL=5 mmol/L"_s << hdlAboveTotal;

    const QString lipids = u"Chol=200 mg/dL; HDL=40 mg/dL; Triglycerides="_s;
    QTest::addRow("Friedewald at 400 mg/dL") << friedewald << lipids + u"400 mg/dL"_s << QString();
    QTest::addRow("Friedewald at 400.1 mg/dL")
        << friedewald << lipids + u"400.1 mg/dL"_s
        << u"Triglycerides: the formula needs triglycerides of 400 mg/dL or less"_s;
    QTest::addRow("Friedewald at 4.6 mmol/L (407 mg/dL)")
        << friedewald << lipids + u"4.6 mmol/L"_s
        << u"Triglycerides: the formula needs triglycerides of 400 mg/dL or less"_s;
    QTest::addRow("Friedewald LDL of 0")
        << friedewald << u"Chol=100 mg/dL; HDL=60 mg/dL; Triglycerides=200 mg/dL"_s
        << ldlNotPositive;
    QTest::addRow("Friedewald LDL of 1")
        << friedewald << u"Chol=101 mg/dL; HDL=60 mg/dL; Triglycerides=200 mg/dL"_s << QString();
    QTest::addRow("Sampson at 800 mg/dL")
        << sampson << u"Chol=400 mg/dL; HDL=40 mg/dL; Triglycerides=800 mg/dL"_s << QString();
    QTest::addRow("Sampson at 800.1 mg/dL")
        << sampson << u"Chol=400 mg/dL; HDL=40 mg/dL; Triglycerides=800.1 mg/dL"_s
        << u"Triglycerides: the formula needs triglycerides of 800 mg/dL or less"_s;
    QTest::addRow("Sampson LDL below zero")
        << sampson << u"Chol=100 mg/dL; HDL=90 mg/dL; Triglycerides=100 mg/dL"_s << ldlNotPositive;
    QTest::addRow("Sampson LDL above zero")
        << sampson << u"Chol=150 mg/dL; HDL=50 mg/dL; Triglycerides=100 mg/dL"_s << QString();
    QTest::addRow("a check that fails comes first")
        << sampson << u"Chol=100 mg/dL; HDL=90 mg/dL; Triglycerides=900 mg/dL"_s
        << u"Triglycerides: the formula needs triglycerides of 800 mg/dL or less"_s;
}

void TestCurrentItems::findings()
{
    QFETCH(int, item);
    QFETCH(QString, fields);
    QFETCH(QString, finding);
    const Inputs inputs(F(fields), English);
    const QList<Finding> found = quarvex::item(ItemId(item)).findings(inputs);
    if (finding.isEmpty()) {
        QVERIFY2(found.isEmpty(), qPrintable(found.value(0).text));
        QVERIFY(quarvex::item(ItemId(item)).compute(inputs).values.front() > 0);
        return;
    }
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.front().kind, FindingKind::OutsideFormula);
    QCOMPARE(found.front().text, finding);
}

// Each step of the eGFR is the operation it names on the numbers it shows,
// and the last one is the value.
void TestCurrentItems::powerMinMaxSteps()
{
    const Inputs inputs(F(u"Age=58; Gender=Male; SerumCreatinine=1.1 mg/dL"_s), English);
    const ItemDescriptor& egfr = item(ItemId::EgfrCkdEpi);
    const Outcome outcome = egfr.compute(inputs);
    const QList<FormulaStep> steps = formulaSteps(*outcome.working.front().formula, inputs);
    // Scr/κ is worked once: the max takes it again by its name.
    QCOMPARE(steps.size(), 10);
    QSet<int> kinds;
    for (const FormulaStep& step : steps) {
        kinds << int(step.operation);
        double expected = 0;
        switch (step.operation) {
        case FormulaOp::Power:
            expected = std::pow(step.left, step.right);
            break;
        case FormulaOp::Minimum:
            expected = std::min(step.left, step.right);
            break;
        case FormulaOp::Maximum:
            expected = std::max(step.left, step.right);
            break;
        case FormulaOp::Multiply:
            expected = step.left * step.right;
            break;
        case FormulaOp::Divide:
            expected = step.left / step.right;
            break;
        default:
            QFAIL("an operation the eGFR does not use");
        }
        QCOMPARE(step.result, expected);
    }
    QCOMPARE(kinds, (QSet<int>{FormulaOp::Power, FormulaOp::Minimum, FormulaOp::Maximum,
                               FormulaOp::Multiply, FormulaOp::Divide}));
    QCOMPARE(steps.last().result, outcome.values.front());
    QCOMPARE(steps.last().resultUnit, u"mL/min/1.73 m²"_s);
    QCOMPARE(stepText(steps[1], English), u"min(Scr/κ, 1) = min(1.22222, 1) = 1 (no unit)"_s);
    QCOMPARE(stepText(steps[2], English), u"1^−0.302 = 1 (no unit)"_s);
    QCOMPARE(steps[4].leftStep, 0);
    QCOMPARE(stepText(steps[4], German),
             u"max(Scr/κ; 1) = max(1,22222; 1) = 1,22222 (no unit)"_s.replace(u';', u','));
}

void TestCurrentItems::eachGenderConstantHasItsSymbol()
{
    const Inputs inputs(F(u"Age=58; Gender=Female; SerumCreatinine=1.1 mg/dL"_s), English);
    const Formula& egfr = *item(ItemId::EgfrCkdEpi).rows().front().formula;
    QCOMPARE(genderConstantNote(egfr),
             u"κ = 0.9 for Male, 0.7 for Female; α = −0.302 for Male, −0.241 for Female; "
             "S = 1 for Male, 1.012 for Female"_s);
    const QString symbols = formulaText(egfr, FormulaStyle::Symbols, inputs);
    QVERIFY(symbols.contains(u"÷ κ"_s) && symbols.contains(u"^α"_s) && symbols.endsWith(u"× S"_s));
    QVERIFY(!symbols.contains(u'K'));
    QCOMPARE(formulaText(egfr, FormulaStyle::Expression, inputs),
             u"(((142 * pow(min(SerumCreatinine / 0.7, 1), -0.241)) * pow(max(SerumCreatinine / "
             "0.7, 1), -1.2)) * pow(0.9938, Age)) * 1.012"_s);
    // The one constant of the Cockcroft–Gault clearance keeps its K.
    QCOMPARE(genderConstantNote(*item(ItemId::CreatinineClearance).rows().front().formula),
             u"K = 72 for Male, 85 for Female"_s);
}

void TestCurrentItems::comparisons_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QStringList>("lines"); // each line's start

    const QString clearance = u"Weight=70 kg; Gender=Male; SerumCreatinine=1.1 mg/dL; Age="_s;
    QTest::addRow("clearance, adult")
        << int(ItemId::CreatinineClearance) << clearance + u"58"_s
        << QStringList{u"eGFR (CKD-EPI 2021) from the same age, gender and serum creatinine: 78 "
                       "mL/min/1.73 m², KDIGO category G2: mildly decreased."_s,
                       u"The two differ: "_s};
    QTest::addRow("clearance, 17 years")
        << int(ItemId::CreatinineClearance) << clearance + u"17"_s
        << QStringList{u"eGFR (CKD-EPI 2021) from the same age, gender and serum creatinine: "
                       "none (Age: the equation is for adults)."_s,
                       u"The two differ: "_s};
    const QString lipids = u"Gender=Male; Chol=215 mg/dL; HDL=42 mg/dL; LDL=3.5 mmol/L"_s;
    const QStringList both{
        u"Typed LDL cholesterol: 135.135 mg/dL."_s,
        u"LDL Cholesterol (Friedewald): 147 mg/dL, LDL Cholesterol: borderline high."_s,
        u"LDL Cholesterol (Sampson): 149 mg/dL, LDL Cholesterol: borderline high."_s};
    QTest::addRow("ATP III with triglycerides")
        << int(ItemId::Adult3) << lipids + u"; Triglycerides=130 mg/dL"_s << both;
    QTest::addRow("ATP III without triglycerides")
        << int(ItemId::Adult3) << lipids << QStringList();
    QTest::addRow("Sampson above Friedewald's limit")
        << int(ItemId::LdlSampson) << lipids + u"; Triglycerides=500 mg/dL"_s
        << QStringList{both[0],
                       u"LDL Cholesterol (Friedewald): none (Triglycerides: the formula needs "
                       "triglycerides of 400 mg/dL or less)."_s,
                       u"LDL Cholesterol (Sampson): 91 mg/dL, LDL Cholesterol: optimal."_s};
    QTest::addRow("an item that compares with nothing")
        << int(ItemId::AstAltRatio) << u"AST=30; ALT=30"_s << QStringList();
}

void TestCurrentItems::comparisons()
{
    QFETCH(int, item);
    QFETCH(QString, fields);
    QFETCH(QStringList, lines);
    const Inputs inputs(F(fields), English);
    const ItemDescriptor& d = quarvex::item(ItemId(item));
    QVERIFY(d.findings(inputs).isEmpty());
    const Derivation derivation = derive(d, inputs, d.compute(inputs));
    QCOMPARE(derivation.compare.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(derivation.compare[i].startsWith(lines[i]), qPrintable(derivation.compare[i]));
    const QString text = stepsText(derivation, English);
    QCOMPARE(text.contains(u"\nCompare:\n"_s), !lines.isEmpty());
    // The comparison comes after the rows and before the sources.
    if (!lines.isEmpty())
        QVERIFY(text.indexOf(u"Compare:"_s) < text.indexOf(u"Sources:"_s));
}

QUARVEX_CORE_TEST_MAIN(TestCurrentItems)
#include "tst_currentitems.moc"
