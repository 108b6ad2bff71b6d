#include "analytes/analyte.h"
#include "analytes/plausibility.h"
#include "coretestmain.h"
#include "testfields.h"

#include <cmath>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

using Values = QHash<QString, double>;
Q_DECLARE_METATYPE(Values)

class TestPlausibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyAnalyteUnitHasAnEntry();
    void entriesAreConsistent();
    void referenceIntervalText_data();
    void referenceIntervalText();
    void rangeHint_data();
    void rangeHint();
    void crossFieldHints_data();
    void crossFieldHints();
};

namespace {

// The units each analyte is typed in: its list, its fixed caption, or none.
QList<std::pair<QString, QString>> programUnits()
{
    QList<std::pair<QString, QString>> keys;
    for (const Analyte& a : analytes()) {
        switch (a.unitKind) {
        case UnitKind::None:
            if (a.id != AnalyteId::Gender)
                keys.append({a.fieldName(), QString()});
            break;
        case UnitKind::Fixed:
            keys.append({a.fieldName(), QString::fromLatin1(a.fixedUnit)});
            break;
        case UnitKind::List:
            for (const QString& unit : a.listItems())
                keys.append({a.fieldName(), unit});
            break;
        }
    }
    return keys;
}

} // namespace

void TestPlausibility::everyAnalyteUnitHasAnEntry()
{
    const QList<std::pair<QString, QString>> expected = programUnits();
    for (const auto& [field, unit] : expected) {
        const std::optional<Plausibility> p = plausibility(field, unit);
        QVERIFY2(p, qPrintable(field + u' ' + unit));
        QCOMPARE(p->field, field);
        QCOMPARE(p->unit, unit);
    }
    // No entry beyond the program's units: a misspelt unit would never be found.
    QCOMPARE(plausibilityKeys().size(), expected.size());
    // Fixed units may also be looked up without a unit text; list units may not.
    QVERIFY(plausibility(u"SerumSodium", u""));
    QVERIFY(plausibility(u"UrineVolume", u""));
    QVERIFY(!plausibility(u"SerumCreatinine", u""));
    QVERIFY(!plausibility(u"SerumCreatinine", u"mg/dl"));
    QVERIFY(!plausibility(u"Gender", u""));
}

void TestPlausibility::entriesAreConsistent()
{
    for (const auto& [field, unit] : plausibilityKeys()) {
        const std::optional<Plausibility> p = plausibility(field, unit);
        QVERIFY(p);
        const QByteArray key = (field + u' ' + unit).toUtf8();
        QVERIFY2(p->possible.low < p->possible.high, key.constData());
        QVERIFY2(!p->name.isEmpty(), key.constData());
        if (!p->possible.reasoned)
            QVERIFY2(!p->possible.sources.isEmpty(), key.constData());
        // An interval or a reason for none (age and weight have neither).
        const bool bodyMeasure = field == u"Age" || field == u"Weight";
        QCOMPARE(p->intervals.isEmpty() && p->noInterval.isEmpty(), bodyMeasure);
        for (const ReferenceInterval& i : p->intervals) {
            QVERIFY2(!i.sources.empty() || i.reasoned || !p->note.isEmpty(), key.constData());
            // What is typical lies within what is possible.
            if (i.shape != IntervalShape::AtLeast)
                QVERIFY2(i.high <= p->possible.high && i.high > p->possible.low, key.constData());
            if (i.shape == IntervalShape::Between || i.shape == IntervalShape::AtLeast)
                QVERIFY2(i.low >= p->possible.low, key.constData());
            if (i.shape == IntervalShape::Between)
                QVERIFY2(i.low < i.high, key.constData());
        }
        if (!p->noInterval.isEmpty())
            QCOMPARE(p->noInterval, u"no adult reference interval for a random urine sample"_s);
    }
}

void TestPlausibility::referenceIntervalText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("gender");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    QTest::addRow("creatinine, man") << u"SerumCreatinine"_s << u"mg/dL"_s << u"Male"_s << English
                                     << u"Adult reference: 0.7–1.3 mg/dL (men)"_s;
    QTest::addRow("creatinine, woman, German")
        << u"SerumCreatinine"_s << u"mg/dL"_s << u"Female"_s << German
        << u"Adult reference: 0,6–1,1 mg/dL (women)"_s;
    QTest::addRow("creatinine, gender not chosen")
        << u"SerumCreatinine"_s << u"umol/L"_s << u""_s << English
        << u"Adult reference: 62–115 umol/L (men); 53–97 umol/L (women)"_s;
    QTest::addRow("sodium, fixed unit, alternative interval not shown")
        << u"SerumSodium"_s << u""_s << u"Male"_s << English << u"Adult reference: 135–145 mEq/L"_s;
    QTest::addRow("random urine") << u"UrineCreatinine"_s << u"mmol/L"_s << u"Male"_s << English
                                  << u"Adult reference: none (no adult reference interval for "
                                     "a random urine sample)"_s;
    QTest::addRow("HDL classes")
        << u"HDL"_s << u"mg/dL"_s << u"Female"_s << English
        << u"Adult reference: below 40 mg/dL (low); 60 mg/dL or more (high)"_s;
    QTest::addRow("urine volume is an estimate")
        << u"UrineVolume"_s << u"ml"_s << u""_s << English
        << u"Adult reference: 800–2000 mL (24-hour urine, estimate)"_s;
    QTest::addRow("age has none") << u"Age"_s << u""_s << u"Male"_s << English << u""_s;
    QTest::addRow("unknown unit") << u"Iron"_s << u"mg/dL"_s << u"Male"_s << English << u""_s;
}

void TestPlausibility::referenceIntervalText()
{
    QFETCH(QString, field);
    QFETCH(QString, unit);
    QFETCH(QString, gender);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(quarvex::referenceIntervalText(field, unit, gender, locale), expected);
}

void TestPlausibility::rangeHint_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const auto add = [](const char* tag, const QString& field, const QString& unit, double value,
                        const QString& expected, const QLocale& locale = English) {
        QTest::addRow("%s", tag) << field << unit << value << locale << expected;
    };
    add("creatinine in umol/L typed as mg/dL", u"SerumCreatinine"_s, u"mg/dL"_s, 88.0,
        u"Serum creatinine 88 mg/dL is above any value seen in patients (up to 75 mg/dL). "
        "Did you mean umol/L?"_s);
    add("the same in German", u"SerumCreatinine"_s, u"mg/dL"_s, 88.5,
        u"Serum creatinine 88,5 mg/dL is above any value seen in patients (up to 75 mg/dL). "
        "Did you mean umol/L?"_s,
        German);
    add("creatinine at the record bound", u"SerumCreatinine"_s, u"mg/dL"_s, 75.0, u""_s);
    add("creatinine in mg/dL typed as umol/L", u"SerumCreatinine"_s, u"umol/L"_s, 1.1,
        u"Serum creatinine 1.1 umol/L is below any value seen in patients (down to 9 umol/L). "
        "Did you mean mg/dL?"_s);
    add("too low for either unit: no suggestion", u"SerumCreatinine"_s, u"umol/L"_s, 0.05,
        u"Serum creatinine 0.05 umol/L is below any value seen in patients (down to 9 umol/L)."_s);
    add("weight in pounds typed as kg", u"Weight"_s, u"kg"_s, 900.0,
        u"Weight 900 kg is above any value expected in patients (up to about 650 kg). "
        "Did you mean lbs?"_s);
    add("ferritin: third unit named", u"Ferritin"_s, u"pmol/L"_s, 1.5,
        u"Ferritin 1.5 pmol/L is below any value expected in patients (down to about 2 pmol/L). "
        "Did you mean ng/ml?"_s);
    add("ferritin has no ceiling", u"Ferritin"_s, u"ng/ml"_s, 32000.0, u""_s);
    add("fixed unit, nothing else to suggest", u"SerumPotassium"_s, u""_s, 45.0,
        u"Serum potassium 45 mEq/L is above any value seen in patients (up to 14 mEq/L)."_s);
    add("urine volume above 25000 mL", u"UrineVolume"_s, u"ml"_s, 25001.0,
        u"Urine volume 25001 mL is above any value expected in patients (up to about "
        "25000 mL)."_s);
    add("urine volume of 25000 mL", u"UrineVolume"_s, u"ml"_s, 25000.0, u""_s);
    add("age above 122", u"Age"_s, u""_s, 123.0,
        u"Age 123 years is above any value seen in patients (up to 122 years)."_s);
    add("age 122", u"Age"_s, u""_s, 122.0, u""_s);
    add("not a number", u"SerumCreatinine"_s, u"mg/dL"_s, std::nan(""), u""_s);
    add("unknown unit", u"SerumCreatinine"_s, u"g/L"_s, 1e6, u""_s);
}

void TestPlausibility::rangeHint()
{
    QFETCH(QString, field);
    QFETCH(QString, unit);
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    QCOMPARE(quarvex::rangeHint(field, unit, value, locale), expected);
}

void TestPlausibility::crossFieldHints_data()
{
    QTest::addColumn<Values>("values");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("fields"); // of every hint, joined by '+', in rule order
    QTest::addColumn<QStringList>("texts");

    const double mmol = 0.0259; // cholesterol mmol/L → mg/dL divisor
    const QString wrong = u" A value may be mistyped or in the wrong unit."_s;

    QTest::addRow("direct equal to total bilirubin")
        << Values{{u"BilirubinDirect"_s, 1.0}, {u"BilirubinTotal"_s, 1.0}} << English
        << QStringList{} << QStringList{};
    QTest::addRow("direct just above total bilirubin")
        << Values{{u"BilirubinDirect"_s, 1.01}, {u"BilirubinTotal"_s, 1.0}} << English
        << QStringList{u"BilirubinDirect+BilirubinTotal"_s}
        << QStringList{u"Direct bilirubin 1.01 mg/dL is above total bilirubin 1 mg/dL."_s + wrong};
    QTest::addRow("bilirubin in umol/L, equal after conversion")
        << Values{{u"BilirubinDirect"_s, 17.0 / 17.1}, {u"BilirubinTotal"_s, 17.0 / 17.1}}
        << English << QStringList{} << QStringList{};
    QTest::addRow("HDL plus LDL equal to total cholesterol")
        << Values{{u"HDL"_s, 50.0}, {u"LDL"_s, 150.0}, {u"Chol"_s, 200.0}} << English
        << QStringList{} << QStringList{};
    QTest::addRow("HDL plus LDL equal to total cholesterol in mmol/L")
        << Values{{u"HDL"_s, 1.3 / mmol}, {u"LDL"_s, 3.4 / mmol}, {u"Chol"_s, 4.7 / mmol}}
        << English << QStringList{} << QStringList{};
    QTest::addRow("HDL plus LDL just above total cholesterol, German")
        << Values{{u"HDL"_s, 50.0}, {u"LDL"_s, 150.5}, {u"Chol"_s, 200.0}} << German
        << QStringList{u"HDL+LDL+Chol"_s}
        << QStringList{u"HDL plus LDL cholesterol 200,5 mg/dL is above total cholesterol "
                       "200 mg/dL."_s +
                       wrong};
    QTest::addRow("HDL equal to total cholesterol: only the sum speaks")
        << Values{{u"HDL"_s, 200.0}, {u"LDL"_s, 10.0}, {u"Chol"_s, 200.0}} << English
        << QStringList{u"HDL+LDL+Chol"_s}
        << QStringList{u"HDL plus LDL cholesterol 210 mg/dL is above total cholesterol "
                       "200 mg/dL."_s +
                       wrong};
    QTest::addRow("HDL above total cholesterol: the sum stays quiet")
        << Values{{u"HDL"_s, 201.0}, {u"LDL"_s, 10.0}, {u"Chol"_s, 200.0}} << English
        << QStringList{u"HDL+Chol"_s}
        << QStringList{u"HDL cholesterol 201 mg/dL is above total cholesterol 200 mg/dL."_s +
                       wrong};
    QTest::addRow("LDL above total cholesterol, no HDL typed")
        << Values{{u"LDL"_s, 5.3 / mmol}, {u"Chol"_s, 5.2 / mmol}} << English
        << QStringList{u"LDL+Chol"_s}
        << QStringList{u"LDL cholesterol 204.633 mg/dL is above total cholesterol "
                       "200.772 mg/dL."_s +
                       wrong};
    QTest::addRow("iron equal to TIBC") << Values{{u"Iron"_s, 300.0}, {u"TIBC"_s, 300.0}} << English
                                        << QStringList{} << QStringList{};
    QTest::addRow("iron just above TIBC")
        << Values{{u"Iron"_s, 300.5}, {u"TIBC"_s, 300.0}} << English << QStringList{u"Iron+TIBC"_s}
        << QStringList{u"Iron 300.5 ug/dL is above TIBC 300 ug/dL."_s + wrong};
    QTest::addRow("two rules at once")
        << Values{{u"Iron"_s, 400.0},
                  {u"TIBC"_s, 300.0},
                  {u"BilirubinDirect"_s, 3.0},
                  {u"BilirubinTotal"_s, 2.0}}
        << English << QStringList{u"BilirubinDirect+BilirubinTotal"_s, u"Iron+TIBC"_s}
        << QStringList{u"Direct bilirubin 3 mg/dL is above total bilirubin 2 mg/dL."_s + wrong,
                       u"Iron 400 ug/dL is above TIBC 300 ug/dL."_s + wrong};
    QTest::addRow("missing or not a number: quiet")
        << Values{{u"Iron"_s, 400.0}, {u"TIBC"_s, std::nan("")}, {u"BilirubinDirect"_s, 3.0}}
        << English << QStringList{} << QStringList{};
}

void TestPlausibility::crossFieldHints()
{
    QFETCH(Values, values);
    QFETCH(QLocale, locale);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, texts);

    const QList<CrossFieldHint> hints = quarvex::crossFieldHints(values, locale);
    QStringList gotFields, gotTexts;
    for (const CrossFieldHint& h : hints) {
        gotFields << h.fields.join(u'+');
        gotTexts << h.text;
    }
    QCOMPARE(gotFields, fields);
    QCOMPARE(gotTexts, texts);
}

QUARVEX_CORE_TEST_MAIN(TestPlausibility)
#include "tst_plausibility.moc"
