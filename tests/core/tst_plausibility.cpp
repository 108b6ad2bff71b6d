#include "analytes/analyte.h"
#include "analytes/bands.h"
#include "analytes/plausibility.h"
#include "coretestmain.h"
#include "testfields.h"

#include <QRegularExpression>

#include <cmath>
#include <cstring>

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
    void limitsAgreeAcrossUnits();
    void hintsTurnOnAtEveryLimit_data();
    void hintsTurnOnAtEveryLimit();
    void shownEdgesCountAsTheTextSays();
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

// A value typed in a unit, in the formula unit: the inputs' arithmetic.
double toFormulaUnit(double value, const UnitChoice& unit)
{
    if (unit.multiply != 1.0)
        value *= unit.multiply;
    if (unit.divide != 1.0)
        value /= unit.divide;
    return value;
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
        QVERIFY2(p->typical.low < p->typical.high, key.constData());
        QVERIFY2(!p->name.isEmpty(), key.constData());
        if (!p->possible.reasoned)
            QVERIFY2(!p->possible.sources.isEmpty(), key.constData());
        // Typical ranges are estimates: said so, with what they were reasoned from.
        QVERIFY2(p->typical.reasoned, key.constData());
        // What is typical lies within what is possible.
        QVERIFY2(p->typical.low >= p->possible.low && p->typical.high <= p->possible.high,
                 key.constData());
        // An interval or a reason for none (age and weight have neither).
        const bool bodyMeasure = field == u"Age" || field == u"Weight";
        QCOMPARE(p->intervals.isEmpty() && p->noInterval.isEmpty(), bodyMeasure);
        for (const ReferenceInterval& i : p->intervals) {
            QVERIFY2(!i.sources.empty() || i.reasoned, key.constData());
            // Healthy adults are typical patients.
            if (i.shape != IntervalShape::AtLeast)
                QVERIFY2(i.high <= p->typical.high && i.high > p->typical.low, key.constData());
            if (i.shape == IntervalShape::AtLeast ||
                (i.shape == IntervalShape::Between && i.low > 0))
                QVERIFY2(i.low >= p->typical.low && i.low < p->typical.high, key.constData());
            if (i.shape == IntervalShape::Between)
                QVERIFY2(i.low < i.high, key.constData());
        }
        if (!p->noInterval.isEmpty())
            QCOMPARE(p->noInterval, u"no adult reference interval for a random urine sample"_s);
    }
}

// Every limit of a unit is the formula unit's limit brought over with the
// analyte's own conversion, so an amount counts the same in every unit.
void TestPlausibility::limitsAgreeAcrossUnits()
{
    for (const Analyte& a : analytes()) {
        if (a.unitKind != UnitKind::List)
            continue;
        const std::optional<Plausibility> base =
            plausibility(a.fieldName(), QString::fromLatin1(a.units[0].text));
        QVERIFY(base);
        for (const UnitChoice& unit : a.unitChoices()) {
            const std::optional<Plausibility> p =
                plausibility(a.fieldName(), QString::fromLatin1(unit.text));
            QVERIFY(p);
            const QByteArray key = (a.fieldName() + u' ' + p->unit).toUtf8();
            const auto same = [&](double inUnit, double inBase) {
                return std::isinf(inBase) ? std::isinf(inUnit)
                                          : approxEqual(toFormulaUnit(inUnit, unit), inBase);
            };
            QVERIFY2(same(p->possible.low, base->possible.low), key.constData());
            QVERIFY2(same(p->possible.high, base->possible.high), key.constData());
            QVERIFY2(same(p->typical.low, base->typical.low), key.constData());
            QVERIFY2(same(p->typical.high, base->typical.high), key.constData());
            QCOMPARE(p->intervals.size(), base->intervals.size());
            for (qsizetype i = 0; i < p->intervals.size(); ++i) {
                QVERIFY2(same(p->intervals[i].low, base->intervals[i].low), key.constData());
                QVERIFY2(same(p->intervals[i].high, base->intervals[i].high), key.constData());
                QCOMPARE(p->intervals[i].sources, base->intervals[i].sources);
            }
        }
    }
}

void TestPlausibility::hintsTurnOnAtEveryLimit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<double>("limit");
    QTest::addColumn<int>("outward"); // +1 for an upper limit, -1 for a lower one
    QTest::addColumn<bool>("possible");

    for (const auto& [field, unit] : plausibilityKeys()) {
        const std::optional<Plausibility> p = plausibility(field, unit);
        const QByteArray key = (field + u' ' + unit).toUtf8();
        const auto add = [&](const char* which, double limit, int outward, bool possible) {
            if (limit > 0.0 && std::isfinite(limit))
                QTest::addRow("%s %s", key.constData(), which)
                    << field << unit << limit << outward << possible;
        };
        add("typical low", p->typical.low, -1, false);
        add("typical high", p->typical.high, +1, false);
        add("possible low", p->possible.low, -1, true);
        add("possible high", p->possible.high, +1, true);
    }
}

// On every derived limit of every unit a value is quiet (or, on a possible
// limit, at most questioned as unusual); a hair beyond it, it is questioned.
void TestPlausibility::hintsTurnOnAtEveryLimit()
{
    QFETCH(QString, field);
    QFETCH(QString, unit);
    QFETCH(double, limit);
    QFETCH(int, outward);
    QFETCH(bool, possible);

    const auto hint = [&](double value) { return quarvex::rangeHint(field, unit, value, English); };
    const double beyond = limit * (1.0 + outward * 1e-6);
    const QString onLimit = hint(limit);
    if (possible) {
        QVERIFY2(!onLimit.contains(u"any value"_s), qPrintable(onLimit));
        QVERIFY2(hint(beyond).contains(u"any value"_s), qPrintable(hint(beyond)));
    } else {
        QCOMPARE(onLimit, QString());
        QVERIFY(!hint(beyond).isEmpty());
    }
}

// A number shown on a tooltip's edge, typed in that unit, lands on the side
// of the edge the tooltip says: "0.7–1.3" includes both, "below 5.18" does
// not include 5.18.
void TestPlausibility::shownEdgesCountAsTheTextSays()
{
    const QRegularExpression part(u"^(below |up to )?([0-9.]+)(?:–([0-9.]+))? [^ ]+( or more)?"_s);
    for (const Analyte& a : analytes()) {
        if (a.unitKind != UnitKind::List)
            continue;
        const std::optional<Plausibility> base =
            plausibility(a.fieldName(), QString::fromLatin1(a.units[0].text));
        for (const UnitChoice& unit : a.unitChoices()) {
            for (const char* gender : {GenderMale, GenderFemale}) {
                const QString text =
                    quarvex::referenceIntervalText(a.fieldName(), QString::fromLatin1(unit.text),
                                                   QString::fromLatin1(gender), English);
                if (text.isEmpty() || text.contains(u"none"_s))
                    continue;
                const Sex sex =
                    QLatin1String(gender) == QLatin1String(GenderMale) ? Sex::Men : Sex::Women;
                QList<ReferenceInterval> shown;
                for (const ReferenceInterval& i : base->intervals) {
                    if (!i.alternative && (i.sex == Sex::Any || i.sex == sex))
                        shown << i;
                }
                const QStringList parts =
                    text.mid(qsizetype(strlen("Adult reference: "))).split(u"; "_s);
                QCOMPARE(parts.size(), shown.size());
                for (qsizetype k = 0; k < parts.size(); ++k) {
                    const QRegularExpressionMatch m = part.match(parts[k]);
                    QVERIFY2(m.hasMatch(), qPrintable(parts[k]));
                    const ReferenceInterval& i = shown[k];
                    const double first = toFormulaUnit(m.captured(2).toDouble(), unit);
                    const QByteArray what = (a.fieldName() + u": "_s + parts[k]).toUtf8();
                    switch (i.shape) {
                    case IntervalShape::Between:
                        QVERIFY2(greaterOrEqual(first, i.low), what.constData());
                        QVERIFY2(lessOrEqual(toFormulaUnit(m.captured(3).toDouble(), unit), i.high),
                                 what.constData());
                        break;
                    case IntervalShape::Below:
                        QVERIFY2(greaterOrEqual(first, i.high), what.constData());
                        break;
                    case IntervalShape::UpTo:
                        QVERIFY2(lessOrEqual(first, i.high), what.constData());
                        break;
                    case IntervalShape::AtLeast:
                        QVERIFY2(greaterOrEqual(first, i.low), what.constData());
                        break;
                    }
                    // And it is close to the exact edge: a sensible rounding.
                    const double exact =
                        i.shape == IntervalShape::Between || i.shape == IntervalShape::AtLeast
                            ? i.low
                            : i.high;
                    QVERIFY2(exact == 0.0 || std::fabs(first / exact - 1.0) < 0.005,
                             what.constData());
                }
            }
        }
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
        << u"Adult reference: 61.9–114.9 umol/L (men); 53.04–97.2 umol/L (women)"_s;
    QTest::addRow("cholesterol in mmol/L: derived from 200 mg/dL")
        << u"Chol"_s << u"mmol/L"_s << u""_s << English
        << u"Adult reference: below 5.18 mmol/L (desirable)"_s;
    QTest::addRow("iron in umol/L, German")
        << u"Iron"_s << u"umol/L"_s << u""_s << German << u"Adult reference: 8,95–26,8 umol/L"_s;
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
    QTest::addRow("triglycerides, fasting")
        << u"Triglycerides"_s << u"mg/dL"_s << u"Male"_s << English
        << u"Adult reference: below 150 mg/dL (fasting)"_s;
    // 1,69 mmol/L is 149,7 mg/dL, below 150: the edge takes a fourth digit.
    QTest::addRow("triglycerides in mmol/L, German")
        << u"Triglycerides"_s << u"mmol/L"_s << u""_s << German
        << u"Adult reference: below 1,694 mmol/L (fasting)"_s;
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
    // Beyond what any patient has: the limit, and the reading that fits.
    add("creatinine in umol/L typed as mg/dL", u"SerumCreatinine"_s, u"mg/dL"_s, 88.0,
        u"Serum creatinine 88 mg/dL is above any value seen in patients (up to 75 mg/dL). "
        "Did you mean 88 umol/L (1.0 mg/dL)?"_s);
    add("the same in German", u"SerumCreatinine"_s, u"mg/dL"_s, 88.5,
        u"Serum creatinine 88,5 mg/dL is above any value seen in patients (up to 75 mg/dL). "
        "Did you mean 88,5 umol/L (1,0 mg/dL)?"_s,
        German);
    add("creatinine in mg/dL typed as umol/L", u"SerumCreatinine"_s, u"umol/L"_s, 1.1,
        u"Serum creatinine 1.1 umol/L is below any value seen in patients (down to 8.84 "
        "umol/L). Did you mean 1.1 mg/dL (97 umol/L)?"_s);
    add("too low for either unit: no suggestion", u"SerumCreatinine"_s, u"umol/L"_s, 0.05,
        u"Serum creatinine 0.05 umol/L is below any value seen in patients (down to 8.84 "
        "umol/L)."_s);
    add("weight in pounds typed as kg: possible, not typical, in pounds", u"Weight"_s, u"kg"_s,
        900.0,
        u"Weight 900 kg is above any value expected in patients (up to about 650 kg). "
        "Did you mean 900 lbs (409 kg)?"_s);
    add("ferritin: the unit of the other factor named", u"Ferritin"_s, u"pmol/L"_s, 1.5,
        u"Ferritin 1.5 pmol/L is below any value expected in patients (down to about 2.25 "
        "pmol/L). Did you mean 1.5 ng/ml (3.4 pmol/L)?"_s);
    // Above 50,000 in adults with HLH [R56]: no question.
    add("ferritin in HLH", u"Ferritin"_s, u"ng/ml"_s, 32000.0, u""_s);
    add("potassium: a lost decimal point", u"SerumPotassium"_s, u""_s, 45.0,
        u"Serum potassium 45 mEq/L is above any value seen in patients (up to 14 mEq/L). "
        "Did you mean 4.5 mEq/L?"_s);
    add("urine volume above 25000 mL", u"UrineVolume"_s, u"ml"_s, 25001.0,
        u"Urine volume 25001 mL is above any value expected in patients (up to about "
        "25000 mL)."_s);
    add("age above 122", u"Age"_s, u""_s, 123.0,
        u"Age 123 years is above any value seen in patients (up to 122 years)."_s);

    // Far from what patients have, where another reading is typical.
    add("creatinine 62 umol/L typed as mg/dL", u"SerumCreatinine"_s, u"mg/dL"_s, 62.0,
        u"Serum creatinine 62 mg/dL is far above the values seen in patients. Did you mean "
        "62 umol/L (0.70 mg/dL)?"_s);
    add("the same in German", u"SerumCreatinine"_s, u"mg/dL"_s, 62.0,
        u"Serum creatinine 62 mg/dL is far above the values seen in patients. Did you mean "
        "62 umol/L (0,70 mg/dL)?"_s,
        German);
    add("HDL in mmol/L typed as mg/dL", u"HDL"_s, u"mg/dL"_s, 1.29,
        u"HDL cholesterol 1.29 mg/dL is far below the values seen in patients. Did you mean "
        "1.29 mmol/L (50 mg/dL)?"_s);
    add("triglycerides in mmol/L typed as mg/dL, German", u"Triglycerides"_s, u"mg/dL"_s, 1.7,
        u"Triglycerides 1,7 mg/dL is below any value expected in patients (down to about "
        "5 mg/dL). Did you mean 1,7 mmol/L (151 mg/dL)?"_s,
        German);
    add("triglycerides in mg/dL typed as mmol/L", u"Triglycerides"_s, u"mmol/L"_s, 150.0,
        u"Triglycerides 150 mmol/L is far above the values seen in patients. Did you mean "
        "150 mg/dL (1.7 mmol/L)?"_s);
    add("albumin in g/dL typed as g/L", u"Albumin"_s, u"g/L"_s, 4.4,
        u"Albumin 4.4 g/L is far below the values seen in patients. Did you mean 4.4 g/dL "
        "(44 g/L)?"_s);
    add("urine volume in litres", u"UrineVolume"_s, u"ml"_s, 1.6,
        u"Urine volume 1.6 mL is far below the values seen in patients. Did you mean "
        "1.6 litres (1600 mL)?"_s);
    add("sodium: a lost digit", u"SerumSodium"_s, u""_s, 14.0,
        u"Serum sodium 14 mEq/L is below any value seen in patients (down to 90 mEq/L). "
        "Did you mean 140 mEq/L?"_s);
    add("weight in kg typed as lbs", u"Weight"_s, u"lbs"_s, 55.0,
        u"Weight 55 lbs is far below the values seen in patients. Did you mean 55 kg "
        "(121 lbs)?"_s);

    // Rare, yet seen in patients, and no other reading fits: a calm line
    // with what the literature says, never a question.
    add("potassium 9.5: rare", u"SerumPotassium"_s, u""_s, 9.5,
        u"Serum potassium 9.5 mEq/L is rare: most patients have about 1.5–9 mEq/L. Above 10 "
        "is rare: consider pseudohyperkalaemia (haemolysis) [R54]; critical limits 2.8/6.2 "
        "[R45]."_s);
    add("age below adult life", u"Age"_s, u""_s, 12.0,
        u"Age 12 years is rare: adults are 18–110 years. Cockcroft–Gault was derived in adults "
        "aged 18–92 years and is not valid below 18 [R1][R69]."_s);
    add("weight below adult life, in pounds", u"Weight"_s, u"lbs"_s, 20.0,
        u"Weight 20 lbs is rare: most adults weigh about 66–550 lbs. The heaviest recorded "
        "human weighed about 635 kg [U6]."_s);

    // Where two readings are both typical, the number is left alone.
    add("urea: BUN or mmol/L both typical", u"SerumUrea"_s, u"mg/dL"_s, 5.0, u""_s);
    add("ferritin: ng/ml or pmol/L both typical", u"Ferritin"_s, u"pmol/L"_s, 300.0, u""_s);
    add("weight: kg or lbs both typical", u"Weight"_s, u"kg"_s, 150.0, u""_s);
    add("creatinine at the record bound, typical in umol/L", u"SerumCreatinine"_s, u"mg/dL"_s, 75.0,
        u"Serum creatinine 75 mg/dL is far above the values seen in patients. Did you mean "
        "75 umol/L (0.85 mg/dL)?"_s);
    add("ordinary creatinine", u"SerumCreatinine"_s, u"umol/L"_s, 80.0, u""_s);
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
