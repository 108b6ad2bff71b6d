#include "analytes/hints.h"
#include "coretestmain.h"
#include "overview/overview.h"
#include "testfields.h"

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using A = AnalyteId;
// "Field: text" for each hint, in order.
QStringList described(const QList<FieldHint>& hints)
{
    QStringList out;
    for (const FieldHint& h : hints)
        out << analyte(h.analyte).fieldName() + u": "_s + h.text;
    return out;
}

const QString Wrong = u" A value may be mistyped or in the wrong unit."_s;

} // namespace

class TestHints : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void caseHints_data();
    void caseHints();
    void distinctHints();
    void referenceText_data();
    void referenceText();
    void cannotComputeLines_data();
    void cannotComputeLines();
};

void TestHints::caseHints_data()
{
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("hints");

    // Ordinary adult values in every unit raise nothing: no limit or rule is
    // tighter than what patients have.
    QTest::addRow("the example: none") << exampleFields() << English << QStringList{};
    QTest::addRow("a woman in SI units: none")
        << F(u"Age=34; Weight=139 lbs; Gender=Female; SerumCreatinine=71 umol/L; "
             "UrineCreatinine=9.5 mmol/L; SerumCalcium=2.35 mmol/L; UrineCalcium=2.1 mmol/L; "
             "SerumPhosphorus=1.1 mmol/L; UrinePhosphorus=25 mmol/L; SerumUrea=5.0 mmol/L; "
             "UrineUrea=300 mmol/L; SerumUrate=280 umol/L; UrineUrate=2.5 mmol/L; "
             "Chol=5.0 mmol/L; HDL=1.6 mmol/L; LDL=2.9 mmol/L; BilirubinDirect=3 umol/L; "
             "BilirubinTotal=12 umol/L; Albumin=42 g/L; Globulin=28 g/L; Iron=18 umol/L; "
             "TIBC=60 umol/L; Ferritin=150 pmol/L; Transferrin=2.7 g/L; SerumSodium=140; "
             "UrineVolume=1200"_s)
        << English << QStringList{};
    QTest::addRow("wrong unit names the unit it fits")
        << F(u"SerumCreatinine=88 mg/dL"_s) << English
        << QStringList{u"SerumCreatinine: Serum creatinine 88 mg/dL is above any value seen in "
                       "patients (up to 75 mg/dL). Did you mean 88 umol/L (1.0 mg/dL)?"_s};
    // Inside what is possible, but far from what patients have.
    QTest::addRow("creatinine in umol/L typed as mg/dL on a whole case")
        << F(u"Age=60; Weight=70 kg; Gender=Male; SerumCreatinine=62 mg/dL"_s) << English
        << QStringList{u"SerumCreatinine: Serum creatinine 62 mg/dL is far above the values seen "
                       "in patients. Did you mean 62 umol/L (0.70 mg/dL)?"_s};
    QTest::addRow("lipids in mmol/L typed as mg/dL")
        << F(u"Chol=5.2 mmol/L; HDL=1.29 mg/dL; LDL=2.84 mg/dL"_s) << English
        << QStringList{u"HDL: HDL cholesterol 1.29 mg/dL is far below the values seen in "
                       "patients. Did you mean 1.29 mmol/L (50 mg/dL)?"_s,
                       u"LDL: LDL cholesterol 2.84 mg/dL is far below the values seen in "
                       "patients. Did you mean 2.84 mmol/L (110 mg/dL)?"_s};
    QTest::addRow("German number")
        << F(u"SerumCreatinine=0,5 umol/L"_s) << German
        << QStringList{u"SerumCreatinine: Serum creatinine 0,5 umol/L is below any value seen in "
                       "patients (down to 8,84 umol/L). Did you mean 0,5 mg/dL (44 umol/L)?"_s};
    QTest::addRow("value with a finding: no hint")
        << F(u"SerumCreatinine=88; Age=-200"_s) << English << QStringList{};
    QTest::addRow("fixed unit read without a unit text")
        << F(u"SerumPotassium=42"_s) << English
        << QStringList{u"SerumPotassium: Serum potassium 42 mEq/L is above any value seen in "
                       "patients (up to 14 mEq/L). Did you mean 4.2 mEq/L?"_s};
    // The rule compares in the formula unit: 3 mmol/L HDL is 115.8 mg/dL.
    QTest::addRow("cross rule on converted values, on both fields")
        << F(u"Chol=110 mg/dL; HDL=3 mmol/L"_s) << English
        << QStringList{
               u"HDL: HDL cholesterol 115.83 mg/dL is above total cholesterol 110 mg/dL."_s + Wrong,
               u"Chol: HDL cholesterol 115.83 mg/dL is above total cholesterol 110 mg/dL."_s +
                   Wrong};
    QTest::addRow("cross rule quiet when a field fails its check")
        << F(u"Iron=340 ug/dL; TIBC=300 UG/DL"_s) << English << QStringList{};
    QTest::addRow("range hints first, then cross rules")
        << F(u"Age=130; Iron=301 ug/dL; TIBC=300 ug/dL"_s) << English
        << QStringList{
               u"Age: Age 130 years is above any value seen in patients (up to 122 years)."_s,
               u"Iron: Iron 301 ug/dL is above TIBC 300 ug/dL."_s + Wrong,
               u"TIBC: Iron 301 ug/dL is above TIBC 300 ug/dL."_s + Wrong};
}

void TestHints::caseHints()
{
    QFETCH(MapFields, fields);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, hints);
    QCOMPARE(described(quarvex::caseHints(Inputs(fields, locale))), hints);
}

void TestHints::distinctHints()
{
    const QList<FieldHint> hints{
        {A::Iron, u"cross"_s, {}}, {A::Age, u"age"_s, {}}, {A::TIBC, u"cross"_s, {}}};
    const QList<CaseHint> distinct = quarvex::distinctHints(hints);
    QCOMPARE(distinct.size(), 2);
    QCOMPARE(distinct.at(0).text, u"cross"_s);
    QCOMPARE(distinct.at(0).analytes, (QList<AnalyteId>{A::Iron, A::TIBC}));
    QCOMPARE(distinct.at(1).analytes, QList<AnalyteId>{A::Age});
    QCOMPARE(hintsOn(hints, A::TIBC), QStringList{u"cross"_s});
    QCOMPARE(hintsOn(hints, A::Chol), QStringList{});
}

void TestHints::referenceText_data()
{
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<int>("analyte");
    QTest::addColumn<QString>("text");

    // Each interval's text: tst_plausibility.
    const int creatinine = int(A::SerumCreatinine);
    QTest::addRow("men") << F(u"Gender=Male; SerumCreatinine= mg/dL"_s) << creatinine
                         << u"Adult reference: 0.7–1.3 mg/dL (men)"_s;
    QTest::addRow("no gender: both")
        << F(u"SerumCreatinine= mg/dL"_s) << creatinine
        << u"Adult reference: 0.7–1.3 mg/dL (men); 0.6–1.1 mg/dL (women)"_s;
    QTest::addRow("no unit chosen: none") << MapFields() << creatinine << QString();
}

void TestHints::referenceText()
{
    QFETCH(MapFields, fields);
    QFETCH(int, analyte);
    QFETCH(QString, text);
    QCOMPARE(quarvex::referenceText(Inputs(fields), AnalyteId(analyte)), text);
}

void TestHints::cannotComputeLines_data()
{
    QTest::addColumn<MapFields>("fields");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("reasons");

    // The text of every kind of finding: tst_findings.
    const QString clearance = u"Creatinine Clearance Estimated (GFR)"_s;
    const QString complete = u"Age=40; Weight=70 kg; Gender=Male; "_s;
    QTest::addRow("empty") << F(complete + u"SerumCreatinine= mg/dL"_s) << clearance
                           << QStringList{u"    Serum creatinine: empty"_s};
    QTest::addRow("unknown unit")
        << F(complete + u"SerumCreatinine=1 MG/DL"_s) << clearance
        << QStringList{u"    Serum creatinine unit: \"MG/DL\" is not one of mg/dL, umol/L"_s};
    QTest::addRow("two reasons, in check order")
        << F(u"Weight=70 kg; SerumCreatinine=1"_s) << clearance
        << QStringList{u"    Age: empty"_s, u"    Gender: not chosen"_s,
                       u"    Serum creatinine unit: not chosen"_s};
}

// Each item that cannot be computed is followed by its reasons; a computable
// item does not appear.
void TestHints::cannotComputeLines()
{
    QFETCH(MapFields, fields);
    QFETCH(QString, item);
    QFETCH(QStringList, reasons);

    const QStringList lines = quarvex::cannotComputeLines(evaluateItems(Inputs(fields)));
    const qsizetype at = lines.indexOf(item);
    QVERIFY2(at >= 0, qPrintable(lines.join(u'\n')));
    QCOMPARE(lines.mid(at + 1, reasons.size()), reasons);
    const qsizetype next = at + 1 + reasons.size();
    QVERIFY(next == lines.size() || !lines.at(next).startsWith(u' '));

    const QStringList computable = computableListTexts(evaluateItems(Inputs(fields)));
    for (const QString& text : computable)
        QVERIFY2(!lines.contains(text), qPrintable(text));
    // Every item is either computable or explained.
    qsizetype explained = 0;
    for (const QString& line : lines)
        explained += line.startsWith(u' ') ? 0 : 1;
    QCOMPARE(explained + computable.size(), qsizetype(ItemCount));
}

QUARVEX_CORE_TEST_MAIN(TestHints)
#include "tst_hints.moc"
