#include "analytes/inputs.h"
#include "calc/items.h"
#include "cases/casefile.h"
#include "coretestmain.h"
#include "i18n/language.h"
#include "overview/overview.h"
#include "testfields.h"

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(quarvex::AnalyteId)

class TestFindings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkOne_data();
    void checkOne();
    void whichAnalytesBeep();
    void itemFindingsInCheckOrder();
    void eachValueReadOnce();
    void resultNotFinite_data();
    void resultNotFinite();
    void shownInGerman_data();
    void shownInGerman();
};

namespace {

MapFields one(AnalyteId id, const QString& value, const QString& unit)
{
    MapFields fields;
    fields.set(id, value, unit);
    return fields;
}

// "beep", "beep box" or "" for a finding's alert.
QString alertText(const Finding& finding)
{
    const FindingAlert alert = alertFor(finding);
    QStringList parts;
    if (alert.beep)
        parts << u"beep"_s;
    if (alert.box)
        parts << u"box"_s;
    return parts.join(u' ');
}

// Counts every read of a value or unit text.
class CountingFields final : public Fields
{
public:
    explicit CountingFields(const MapFields& fields)
        : m_fields(fields)
    {}
    QString value(AnalyteId id) const override
    {
        ++m_values[id];
        return m_fields.value(id);
    }
    QString unit(AnalyteId id) const override
    {
        ++m_units[id];
        return m_fields.unit(id);
    }
    int values(AnalyteId id) const { return m_values.value(id); }
    int units(AnalyteId id) const { return m_units.value(id); }

private:
    const MapFields& m_fields;
    mutable QHash<AnalyteId, int> m_values;
    mutable QHash<AnalyteId, int> m_units;
};

} // namespace

void TestFindings::checkOne_data()
{
    QTest::addColumn<AnalyteId>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("kind");     // empty: the check passes
    QTest::addColumn<QString>("text");     // the finding's text
    QTest::addColumn<QString>("alert");    // "beep", "beep box" or ""
    QTest::addColumn<double>("converted"); // of a value that passes, bit for bit

    const auto fail = [](const char* tag, AnalyteId id, const QString& value, const char* unit,
                         const char* kind, const QString& text, const char* alert,
                         const QLocale& locale = English) {
        QTest::addRow("%s", tag) << id << value << QString::fromLatin1(unit) << locale
                                 << QString::fromLatin1(kind) << text << QString::fromLatin1(alert)
                                 << 0.0;
    };
    const auto pass = [](const char* tag, AnalyteId id, const char* value, const char* unit,
                         double converted, const QLocale& locale = English) {
        QTest::addRow("%s", tag) << id << QString::fromLatin1(value) << QString::fromLatin1(unit)
                                 << locale << QString() << QString() << QString() << converted;
    };
    using A = AnalyteId;
    const A cr = A::SerumCreatinine;
    const QString notANumber = u" is not a number. Type a number such as 1.2."_s;

    // Any positive number passes; zero, negatives and empty fail without a sound.
    pass("0.4 passes", cr, "0.4", "mg/dL", 0.4);
    fail("zero", cr, u"0"_s, "mg/dL", "not-positive",
         u"Serum creatinine: 0 is not a positive number"_s, "");
    fail("empty", A::UrineCreatinine, QString(), "mg/dL", "empty", u"Urine creatinine: empty"_s,
         "");
    // Outside the whole-number range (rounded half to even) is a conversion failure.
    pass("32767 passes", cr, "32767", "mg/dL", 32767.0);
    fail("32767.5 too large", cr, u"32767.5"_s, "mg/dL", "too-large",
         u"Serum creatinine: 32767.5 is too large (the largest value accepted is 32767)."_s,
         "beep box");
    fail("-32768.5 rounds to even and fits", A::Age, u"-32768.5"_s, "", "not-positive",
         u"Age: -32768.5 is not a positive number"_s, "");
    fail("-40000 out of range", A::Age, u"-40000"_s, "", "too-large",
         u"Age: -40000 is out of range (the smallest value accepted is -32768)."_s, "beep box");
    fail("letters", cr, u"abc"_s, "mg/dL", "not-a-number",
         u"Serum creatinine: \"abc\""_s + notANumber, "beep box");
    fail("single blank", cr, u" "_s, "mg/dL", "not-a-number",
         u"Serum creatinine: \" \""_s + notANumber, "beep box");
    fail("inf", cr, u"inf"_s, "mg/dL", "not-a-number", u"Serum creatinine: \"inf\""_s + notANumber,
         "beep box");
    fail("group separator", cr, u"1,000"_s, "mg/dL", "not-a-number",
         u"Serum creatinine: \"1,000\""_s + notANumber, "beep box");
    fail("placeholders print as typed", A::UrineUrea, u"%1 %2"_s, "mg/dL", "not-a-number",
         u"Urine urea: \"%1 %2\""_s + notANumber, "beep box");
    // Next to zero and beyond the doubles: conversion failures of their own kinds.
    pass("1e-300 passes", cr, "1e-300", "mg/dL", 1e-300);
    fail("subnormal 1e-310", cr, u"1e-310"_s, "mg/dL", "too-small",
         u"Serum creatinine: 1e-310 is too small (the smallest value accepted is 1e-300)."_s,
         "beep box");
    fail("just below 1e-300", A::ALT, u"9.99e-301"_s, "", "too-small",
         u"ALT: 9.99e-301 is too small (the smallest value accepted is 1e-300)."_s, "beep box");
    fail("below the doubles, written out", A::Iron, u"0."_s + QString(400, u'0') + u"1"_s, "ug/dL",
         "too-small",
         u"Iron: 0."_s + QString(38, u'0') +
             u"… is too small (the smallest value accepted is 1e-300)."_s,
         "beep box");
    fail("a long run of zeros is zero", A::Iron, u"0."_s + QString(400, u'0'), "ug/dL",
         "not-positive", u"Iron: 0."_s + QString(38, u'0') + u"… is not a positive number"_s, "");
    fail("an exponent that brings it back is too large", cr,
         u"0."_s + QString(400, u'0') + u"1e500"_s, "mg/dL", "too-large",
         u"Serum creatinine: 0."_s + QString(38, u'0') +
             u"… is too large (the largest value accepted is 32767)."_s,
         "beep box");
    fail("negative next to zero", cr, u"-1e-400"_s, "mg/dL", "not-positive",
         u"Serum creatinine: -1e-400 is not a positive number"_s, "");
    fail("zero with a large exponent", cr, u"0e-500"_s, "mg/dL", "not-positive",
         u"Serum creatinine: 0e-500 is not a positive number"_s, "");
    fail("1e309 beyond the doubles", cr, u"1e309"_s, "mg/dL", "too-large",
         u"Serum creatinine: 1e309 is too large (the largest value accepted is 32767)."_s,
         "beep box");
    fail("an exponent that is no number", cr, u"1e-4x"_s, "mg/dL", "not-a-number",
         u"Serum creatinine: \"1e-4x\""_s + notANumber, "beep box");
    // What a message quotes of a value: 40 characters at most, controls escaped.
    fail("a long text is cut after 40 characters", cr, QString(100, u'x'), "mg/dL", "not-a-number",
         u"Serum creatinine: \""_s + QString(40, u'x') + u"…\""_s + notANumber, "beep box");
    fail("40 characters are shown whole", cr, QString(40, u'y'), "mg/dL", "not-a-number",
         u"Serum creatinine: \""_s + QString(40, u'y') + u"\""_s + notANumber, "beep box");
    fail("control characters escaped", cr, u"1\r\x1b[2J\t\u202e"_s, "mg/dL", "not-a-number",
         u"Serum creatinine: \"1\\r\\x1b[2J\\t\\u202e\""_s + notANumber, "beep box");
    fail("a surrogate pair counts as one character", A::Gender, QString(39, u'a') + u"😀😀"_s, "",
         "no-gender", u"Gender: \""_s + QString(39, u'a') + u"😀…\" is not one of Male, Female"_s,
         "");
    fail("an unknown unit is cut and escaped", cr, u"1"_s, "mg/dL\x07", "unknown-unit",
         u"Serum creatinine unit: \"mg/dL\\x07\" is not one of mg/dL, umol/L"_s, "beep");
    // The value is tested before the unit: a bad value never also beeps for its unit.
    fail("letters and no unit", cr, u"x"_s, "", "not-a-number",
         u"Serum creatinine: \"x\""_s + notANumber, "beep box");
    // Units: exact and case-sensitive; ten analytes beep; fixed units read no unit field.
    fail("no unit", cr, u"1"_s, "", "no-unit", u"Serum creatinine unit: not chosen"_s, "beep");
    fail("no weight unit is silent", A::Weight, u"70"_s, "", "no-unit",
         u"Weight unit: not chosen"_s, "");
    fail("capital unit", cr, u"1"_s, "MG/DL", "unknown-unit",
         u"Serum creatinine unit: \"MG/DL\" is not one of mg/dL, umol/L"_s, "beep");
    fail("unknown ferritin unit", A::Ferritin, u"100"_s, "%1", "unknown-unit",
         u"Ferritin unit: \"%1\" is not one of ng/ml, ug/L, pmol/L"_s, "");
    pass("fixed unit ignores unit text", A::SerumSodium, "140", "junk", 140.0);
    // Gender.
    pass("Male", A::Gender, "Male", "", qQNaN());
    fail("no gender", A::Gender, QString(), "", "no-gender", u"Gender: not chosen"_s, "");
    fail("male lower case", A::Gender, u"male"_s, "", "no-gender",
         u"Gender: \"male\" is not one of Male, Female"_s, "");
    // A comma-decimal locale.
    pass("German 0,4", A::Weight, "0,4", "kg", 0.4, German);
    fail("German 1.5 is no number", A::Weight, u"1.5"_s, "kg", "not-a-number",
         u"Weight: \"1.5\" is not a number. Type a number such as 1,2."_s, "beep box", German);
    // Conversions to the formula unit: the same operations in the same order.
    pass("154 lbs", A::Weight, "154", "lbs", 70.0);
    pass("88.4 umol/L creatinine", cr, "88.4", "umol/L", 1.0);
    pass("8.84 mmol/L urine creatinine", A::UrineCreatinine, "8.84", "mmol/L", 8.84 * 1000 / 88.4);
    pass("transferrin g/L", A::Transferrin, "2.5", "g/L", 250.0);
    pass("ferritin pmol/L", A::Ferritin, "449.4", "pmol/L", 449.4 / 2.247);
}

void TestFindings::checkOne()
{
    QFETCH(AnalyteId, id);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(QLocale, locale);
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, alert);
    QFETCH(double, converted);

    const Inputs inputs(one(id, value, unit), locale);
    const std::optional<Finding>& finding = inputs.finding(id);
    QCOMPARE(inputs[id].valueText, value);
    if (kind.isEmpty()) {
        QVERIFY2(!finding, finding ? qPrintable(finding->text) : "");
        if (qIsNaN(converted))
            QVERIFY(qIsNaN(inputs[id].converted));
        else
            QCOMPARE(inputs[id].converted, converted);
        return;
    }
    QVERIFY(finding);
    QCOMPARE(finding->analyte, std::optional<AnalyteId>(id));
    QCOMPARE(kindName(finding->kind), kind);
    QCOMPARE(finding->text, text);
    QCOMPARE(alertText(*finding), alert);
}

// An unrecognised unit beeps for thirteen analytes only, and never shows a box.
void TestFindings::whichAnalytesBeep()
{
    QStringList beeping;
    for (const Analyte& a : analytes()) {
        if (a.unitKind != UnitKind::List)
            continue;
        const Inputs inputs(one(a.id, u"2"_s, u"furlongs"_s));
        QVERIFY(inputs.finding(a.id));
        QCOMPARE(inputs.finding(a.id)->kind, FindingKind::UnknownUnit);
        const QString alert = alertText(*inputs.finding(a.id));
        QVERIFY2(alert.isEmpty() || alert == u"beep"_s, qPrintable(alert));
        if (!alert.isEmpty())
            beeping << QString::fromLatin1(a.field);
    }
    QCOMPARE(beeping.join(u' '),
             u"SerumCreatinine SerumCalcium SerumPhosphorus UrinePhosphorus "
             u"SerumUrea UrineUrea SerumUrate UrineUrate Chol HDL LDL Triglycerides Iron"_s);
}

// One finding per failing analyte, in the item's check order, from one reading.
void TestFindings::itemFindingsInCheckOrder()
{
    using A = AnalyteId;
    MapFields fields = one(A::SerumCreatinine, u"abc"_s, u"mg/dL"_s);
    fields.set(A::UrineCreatinine, u"100"_s, u"mg/dL"_s);
    fields.set(A::SerumUrea, u"12"_s); // no unit
    fields.set(A::UrineUrea, u"99999"_s, u"mg/dL"_s);
    const ItemDescriptor& urea = item(ItemId::UreaCreatinineRatios);
    const QList<Finding> expected{
        {A::SerumCreatinine, FindingKind::NotANumber,
         u"Serum creatinine: \"abc\" is not a number. Type a number such as 1.2."_s},
        {A::SerumUrea, FindingKind::NoUnit, u"Serum urea unit: not chosen"_s},
        {A::UrineUrea, FindingKind::TooLarge,
         u"Urine urea: 99999 is too large (the largest value accepted is 32767)."_s},
    };
    QCOMPARE(urea.findings(Inputs(fields)), expected);

    fields.setValue(A::SerumCreatinine, u"1"_s);
    fields.setUnit(A::SerumUrea, u"mg/dL"_s);
    QCOMPARE(urea.findings(Inputs(fields)), expected.mid(2));
}

// A whole overview pass reads each value and unit text at most once, however
// many items use it.
void TestFindings::eachValueReadOnce()
{
    MapFields fields;
    for (const Analyte& a : analytes())
        fields.set(a.id, u"abc"_s, u"mg/dL"_s); // every check fails, several with a box
    fields.setValue(AnalyteId::Gender, u"Female"_s);
    const CountingFields counting(fields);
    const QList<ItemEvaluation> evaluations = evaluateItems(Inputs(counting));
    QCOMPARE(evaluations.size(), ItemCount);
    int findings = 0;
    for (const ItemEvaluation& evaluation : evaluations)
        findings += int(evaluation.findings.size());
    QVERIFY(findings > 32); // many analytes are checked by several items
    for (const Analyte& a : analytes()) {
        QVERIFY2(counting.values(a.id) == 1, a.field);
        QVERIFY2(counting.units(a.id) == (a.unitKind == UnitKind::List ? 1 : 0), a.field);
    }
}

// Under the German translation a finding's text stays English (the command
// line and JSON write it), and its shown text, for the windows, is German,
// with the typed text and the choices as they are.
void TestFindings::shownInGerman_data()
{
    QTest::addColumn<AnalyteId>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("german");
    using A = AnalyteId;
    const auto add = [](const char* tag, A id, const QString& value, const QString& unit,
                        const QString& english, const QString& german) {
        QTest::addRow("%s", tag) << id << value << unit << english << german;
    };
    add("empty", A::Age, {}, {}, u"Age: empty"_s, u"Alter: leer"_s);
    add("not a number", A::Weight, u"abc"_s, u"kg"_s,
        u"Weight: \"abc\" is not a number. Type a number such as 1,2."_s,
        u"Gewicht: \"abc\" ist keine Zahl. Geben Sie eine Zahl wie 1,2 ein."_s);
    add("typed placeholders stay", A::Weight, u"%2%1"_s, u"kg"_s,
        u"Weight: \"%2%1\" is not a number. Type a number such as 1,2."_s,
        u"Gewicht: \"%2%1\" ist keine Zahl. Geben Sie eine Zahl wie 1,2 ein."_s);
    add("too large", A::Age, u"40000"_s, {},
        u"Age: 40000 is too large (the largest value accepted is 32767)."_s,
        u"Alter: 40000 ist zu groß (der größte angenommene Wert ist 32767)."_s);
    add("out of range", A::Age, u"-40000"_s, {},
        u"Age: -40000 is out of range (the smallest value accepted is -32768)."_s,
        u"Alter: -40000 liegt außerhalb des Bereichs (der kleinste angenommene Wert ist -32768)."_s);
    add("not positive", A::Age, u"0"_s, {}, u"Age: 0 is not a positive number"_s,
        u"Alter: 0 ist keine positive Zahl"_s);
    add("no unit", A::SerumCreatinine, u"1"_s, {}, u"Serum creatinine unit: not chosen"_s,
        u"Serum-Kreatinin, Einheit: nicht gewählt"_s);
    add("unknown unit", A::SerumCreatinine, u"1"_s, u"st"_s,
        u"Serum creatinine unit: \"st\" is not one of mg/dL, umol/L"_s,
        u"Serum-Kreatinin, Einheit: \"st\" ist keine der Möglichkeiten mg/dL, umol/L"_s);
    add("no gender", A::Gender, {}, {}, u"Gender: not chosen"_s, u"Geschlecht: nicht gewählt"_s);
    add("unknown gender", A::Gender, u"x"_s, {}, u"Gender: \"x\" is not one of Male, Female"_s,
        u"Geschlecht: \"x\" ist keine der Möglichkeiten Male, Female"_s);
}

void TestFindings::shownInGerman()
{
    QFETCH(AnalyteId, id);
    QFETCH(QString, value);
    QFETCH(QString, unit);
    QFETCH(QString, english);
    QFETCH(QString, german);
    const QLocale locale(QLocale::German, QLocale::Germany);
    const std::optional<Finding> plain = checkValue(id, value, unit, locale);
    QVERIFY(plain);
    QCOMPARE(plain->shownText(), english);

    QVERIFY(installLanguage(u"de"_s));
    const std::optional<Finding> translated = checkValue(id, value, unit, locale);
    const Finding notFinite = quarvex::resultNotFinite(u"Transferrin"_s);
    QVERIFY(installLanguage(u"en"_s));
    QVERIFY(translated);
    QCOMPARE(translated->text, english);
    QCOMPARE(translated->shownText(), german);
    QCOMPARE(*translated, *plain);
    QCOMPARE(notFinite.text, u"Transferrin: the result is not a finite number, so there is none"_s);
    QCOMPARE(notFinite.shownText(),
             u"Transferrin: Das Ergebnis ist keine endliche Zahl, daher gibt es keines"_s);
}

QUARVEX_CORE_TEST_MAIN(TestFindings)
#include "tst_findings.moc"

void TestFindings::resultNotFinite_data()
{
    QTest::addColumn<QString>("input"); // Name=text lines, separated by blanks
    QTest::addColumn<QStringList>("notFinite");

    const QString ratios =
        u"SerumCreatinine=32767 UnitSerumCreatinine=mg/dL UrineCreatinine=1e-300 "
        u"UnitUrineCreatinine=mg/dL SerumSodium=1e-300 UrineSodium=32767"_s;
    QTest::addRow("a ratio of ratios beyond the doubles")
        << ratios << QStringList{u"Renal Failure Index (RFI)"_s, u"Fractional Sodium Excretion"_s};
    QTest::addRow("the same ratios from ordinary values")
        << u"SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=100 "
           u"UnitUrineCreatinine=mg/dL SerumSodium=140 UrineSodium=40"_s
        << QStringList();
    QTest::addRow("large but finite: a result, however absurd")
        << u"AST=30000 ALT=1e-300"_s << QStringList();
    QTest::addRow("potassium over a tiny serum value")
        << u"SerumCreatinine=32767 UnitSerumCreatinine=mg/dL UrineCreatinine=1e-300 "
           u"UnitUrineCreatinine=mg/dL SerumPotassium=1e-300 UrinePotassium=32767"_s
        << QStringList{u"Fractional Potassium Excretion"_s};
}

// An item whose result is not a finite number has a finding about the item
// and no outcome, so no row, band or interpretation comes from infinity.
void TestFindings::resultNotFinite()
{
    QFETCH(QString, input);
    QFETCH(QStringList, notFinite);
    CaseInput fields;
    QVERIFY(!parseCaseText(input.split(u' ').join(u'\n'), fields));
    QStringList found;
    for (const ItemEvaluation& evaluation : evaluateItems(Inputs(fields.fields))) {
        const QString name = QString::fromLatin1(evaluation.item->listText);
        for (const Finding& finding : evaluation.findings) {
            if (finding.kind != FindingKind::ResultNotFinite)
                continue;
            found << name;
            QCOMPARE(finding, quarvex::resultNotFinite(name));
            QCOMPARE(kindName(finding.kind), u"result-not-finite"_s);
            QCOMPARE(finding.text,
                     name + u": the result is not a finite number, so there is none"_s);
            QCOMPARE(evaluation.findings.size(), 1);
            QCOMPARE(alertText(finding), u"beep box"_s);
        }
        QVERIFY(evaluation.computable() == evaluation.findings.isEmpty());
        if (evaluation.computable()) {
            for (const ResultRow& row : evaluation.outcome->rows)
                QVERIFY2(!row.result.contains(u"inf"_s) && !row.result.contains(u"nan"_s),
                         qPrintable(row.result));
        }
    }
    QCOMPARE(found, notFinite);
}
