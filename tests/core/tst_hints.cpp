#include "analytes/hints.h"
#include "coretestmain.h"
#include "overview/overview.h"

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

namespace {

using A = AnalyteId;
// Field name, value text, unit text.
using Typed = QList<std::tuple<QString, QString, QString>>;

MapFields fieldsOf(const Typed& typed)
{
    MapFields fields;
    for (const auto& [name, value, unit] : typed) {
        bool found = false;
        for (const Analyte& a : analytes()) {
            if (a.fieldName() == name) {
                fields.set(a.id, value, unit);
                found = true;
            }
        }
        if (!found)
            qFatal("no field %s", qPrintable(name));
    }
    return fields;
}

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
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("hints");

    const QLocale en(QLocale::English, QLocale::UnitedStates);
    const QLocale de(QLocale::German, QLocale::Germany);

    QTest::addRow("normal adult: none") << Typed{{u"Age"_s, u"45"_s, {}},
                                                 {u"Weight"_s, u"72"_s, u"kg"_s},
                                                 {u"Gender"_s, u"Female"_s, {}},
                                                 {u"SerumCreatinine"_s, u"0.8"_s, u"mg/dL"_s},
                                                 {u"Chol"_s, u"190"_s, u"mg/dL"_s},
                                                 {u"HDL"_s, u"55"_s, u"mg/dL"_s},
                                                 {u"LDL"_s, u"110"_s, u"mg/dL"_s},
                                                 {u"BilirubinDirect"_s, u"0.2"_s, u"mg/dL"_s},
                                                 {u"BilirubinTotal"_s, u"0.8"_s, u"mg/dL"_s},
                                                 {u"Iron"_s, u"90"_s, u"ug/dL"_s},
                                                 {u"TIBC"_s, u"320"_s, u"ug/dL"_s},
                                                 {u"UrineVolume"_s, u"1400"_s, {}}}
                                        << en << QStringList{};
    QTest::addRow("wrong unit names the unit it fits")
        << Typed{{u"SerumCreatinine"_s, u"88"_s, u"mg/dL"_s}} << en
        << QStringList{u"SerumCreatinine: Serum creatinine 88 mg/dL is above any value seen in "
                       "patients (up to 75 mg/dL). Did you mean umol/L?"_s};
    QTest::addRow("German number")
        << Typed{{u"SerumCreatinine"_s, u"0,5"_s, u"umol/L"_s}} << de
        << QStringList{u"SerumCreatinine: Serum creatinine 0,5 umol/L is below any value seen in "
                       "patients (down to 9 umol/L). Did you mean mg/dL?"_s};
    QTest::addRow("value with a finding: no hint")
        << Typed{{u"SerumCreatinine"_s, u"88"_s, {}}, {u"Age"_s, u"-200"_s, {}}} << en
        << QStringList{};
    QTest::addRow("fixed unit read without a unit text")
        << Typed{{u"SerumPotassium"_s, u"42"_s, {}}} << en
        << QStringList{u"SerumPotassium: Serum potassium 42 mEq/L is above any value seen in "
                       "patients (up to 14 mEq/L)."_s};
    // The rule compares in the formula unit: 3 mmol/L HDL is 115.8 mg/dL.
    QTest::addRow("cross rule on converted values, on both fields")
        << Typed{{u"Chol"_s, u"110"_s, u"mg/dL"_s}, {u"HDL"_s, u"3"_s, u"mmol/L"_s}} << en
        << QStringList{
               u"HDL: HDL cholesterol 115.83 mg/dL is above total cholesterol 110 mg/dL."_s + Wrong,
               u"Chol: HDL cholesterol 115.83 mg/dL is above total cholesterol 110 mg/dL."_s +
                   Wrong};
    QTest::addRow("cross rule quiet when a field fails its check")
        << Typed{{u"Iron"_s, u"400"_s, u"ug/dL"_s}, {u"TIBC"_s, u"300"_s, u"UG/DL"_s}} << en
        << QStringList{};
    QTest::addRow("range hints first, then cross rules")
        << Typed{{u"Age"_s, u"130"_s, {}},
                 {u"Iron"_s, u"301"_s, u"ug/dL"_s},
                 {u"TIBC"_s, u"300"_s, u"ug/dL"_s}}
        << en
        << QStringList{
               u"Age: Age 130 years is above any value seen in patients (up to 122 years)."_s,
               u"Iron: Iron 301 ug/dL is above TIBC 300 ug/dL."_s + Wrong,
               u"TIBC: Iron 301 ug/dL is above TIBC 300 ug/dL."_s + Wrong};
}

void TestHints::caseHints()
{
    QFETCH(Typed, typed);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, hints);
    QCOMPARE(described(quarvex::caseHints(Inputs(fieldsOf(typed), locale))), hints);
}

void TestHints::distinctHints()
{
    const QList<FieldHint> hints{{A::Iron, u"cross"_s}, {A::Age, u"age"_s}, {A::TIBC, u"cross"_s}};
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
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<int>("analyte");
    QTest::addColumn<QString>("text");

    const int creatinine = int(A::SerumCreatinine);
    QTest::addRow("men") << Typed{{u"Gender"_s, u"Male"_s, {}},
                                  {u"SerumCreatinine"_s, {}, u"mg/dL"_s}}
                         << creatinine << u"Adult reference: 0.7–1.3 mg/dL (men)"_s;
    // Each interval's text: tst_plausibility.
    QTest::addRow("no gender: both")
        << Typed{{u"SerumCreatinine"_s, {}, u"mg/dL"_s}} << creatinine
        << u"Adult reference: 0.7–1.3 mg/dL (men); 0.6–1.1 mg/dL (women)"_s;
    QTest::addRow("no unit chosen: none") << Typed{} << creatinine << QString();
}

void TestHints::referenceText()
{
    QFETCH(Typed, typed);
    QFETCH(int, analyte);
    QFETCH(QString, text);
    QCOMPARE(quarvex::referenceText(Inputs(fieldsOf(typed)), AnalyteId(analyte)), text);
}

void TestHints::cannotComputeLines_data()
{
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("reasons");

    const QString clearance = u"Creatinine Clearance Estimated (GFR)"_s;
    const Typed complete{{u"Age"_s, u"40"_s, {}},
                         {u"Weight"_s, u"70"_s, u"kg"_s},
                         {u"Gender"_s, u"Male"_s, {}},
                         {u"SerumCreatinine"_s, u"1"_s, u"mg/dL"_s}};
    const auto with = [&](const QString& field, const QString& value, const QString& unit) {
        Typed t = complete;
        for (auto& [name, v, u] : t) {
            if (name == field) {
                v = value;
                u = unit;
            }
        }
        return t;
    };
    QTest::addRow("empty") << with(u"SerumCreatinine"_s, {}, u"mg/dL"_s) << clearance
                           << QStringList{u"    Serum creatinine: empty"_s};
    // The text of every kind of finding: tst_findings.
    QTest::addRow("unknown unit")
        << with(u"SerumCreatinine"_s, u"1"_s, u"MG/DL"_s) << clearance
        << QStringList{u"    Serum creatinine unit: \"MG/DL\" is not one of mg/dL, umol/L"_s};
    QTest::addRow("two reasons, in check order")
        << Typed{{u"Weight"_s, u"70"_s, u"kg"_s}, {u"SerumCreatinine"_s, u"1"_s, {}}} << clearance
        << QStringList{u"    Age: empty"_s, u"    Gender: not chosen"_s,
                       u"    Serum creatinine unit: not chosen"_s};
}

// Each item that cannot be computed is followed by its reasons; a computable
// item does not appear.
void TestHints::cannotComputeLines()
{
    QFETCH(Typed, typed);
    QFETCH(QString, item);
    QFETCH(QStringList, reasons);

    const QStringList lines = quarvex::cannotComputeLines(evaluateItems(Inputs(fieldsOf(typed))));
    const qsizetype at = lines.indexOf(item);
    QVERIFY2(at >= 0, qPrintable(lines.join(u'\n')));
    QCOMPARE(lines.mid(at + 1, reasons.size()), reasons);
    const qsizetype next = at + 1 + reasons.size();
    QVERIFY(next == lines.size() || !lines.at(next).startsWith(u' '));

    const QStringList computable = computableListTexts(evaluateItems(Inputs(fieldsOf(typed))));
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
