#include "analytes/inputs.h"
#include "analytes/unitnotes.h"
#include "catalogue/catalogue.h"
#include "coretestmain.h"

using namespace quarvex;
using namespace Qt::Literals::StringLiterals;

// Data that the windows show beside the calculations: what each unit means,
// and which renal items offer "More Info".
class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void unitNotesCoverTheUnitsOnOffer_data();
    void unitNotesCoverTheUnitsOnOffer();
    void unitNoteLookup_data();
    void unitNoteLookup();
    void moreInfoButtonGoesWithAnInterpretation_data();
    void moreInfoButtonGoesWithAnInterpretation();
};

void TestCatalogue::unitNotesCoverTheUnitsOnOffer_data()
{
    QTest::addColumn<int>("id");
    for (const Analyte& a : analytes())
        QTest::addRow("%s", a.name) << int(a.id);
}

void TestCatalogue::unitNotesCoverTheUnitsOnOffer()
{
    QFETCH(int, id);
    const Analyte& a = analyte(AnalyteId(id));
    QStringList offered;
    if (a.unitKind == UnitKind::List)
        offered = a.listItems();
    else if (a.unitKind == UnitKind::Fixed)
        offered << QString::fromLatin1(a.fixedUnit);

    // One note per unit on offer, in list order, each naming its unit first;
    // none for a unit the analyte does not offer.
    QStringList noted;
    for (const UnitNote& note : unitNotes()) {
        if (note.analyte != a.id)
            continue;
        noted << QString::fromLatin1(note.unit);
        QVERIFY2(QString::fromLatin1(note.note).startsWith(QLatin1String(note.unit)), note.note);
    }
    QCOMPARE(noted, offered);
    QCOMPARE(unitNotes(a.id).count(u'\n'), std::max<qsizetype>(0, offered.size() - 1));
}

void TestCatalogue::unitNoteLookup_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("note");
    using A = AnalyteId;
    // The mmol/L conversion gives urea nitrogen: mg/dL must be urea nitrogen as well.
    QTest::addRow("serum urea in mg/dL")
        << int(A::SerumUrea) << u"mg/dL"_s << u"mg/dL of urea nitrogen (BUN)"_s;
    QTest::addRow("urine urea in mg/dL")
        << int(A::UrineUrea) << u"mg/dL"_s << u"mg/dL of urea nitrogen (BUN)"_s;
    QTest::addRow("ferritin in ug/L") << int(A::Ferritin) << u"ug/L"_s
                                      << u"ug/L: micrograms per litre, the same number as ng/ml"_s;
    QTest::addRow("a fixed caption")
        << int(A::UrineVolume) << u"ml"_s << u"ml: millilitres of urine collected in 24 hours"_s;
    // Units are compared as the checks compare them: exactly.
    QTest::addRow("a unit in other case") << int(A::SerumUrea) << u"mg/dl"_s << QString();
    QTest::addRow("another analyte's unit") << int(A::SerumCreatinine) << u"mmol/L"_s << QString();
    QTest::addRow("no unit field") << int(A::Age) << QString() << QString();
}

void TestCatalogue::unitNoteLookup()
{
    QFETCH(int, id);
    QFETCH(QString, unit);
    QFETCH(QString, note);
    QCOMPARE(unitNote(AnalyteId(id), unit), note);
}

void TestCatalogue::moreInfoButtonGoesWithAnInterpretation_data()
{
    QTest::addColumn<int>("index");
    for (const TestItem& item : catalogue())
        QTest::addRow("%d.%d %s", item.category, item.position, item.selectorName)
            << int(&item - catalogue().data());
}

void TestCatalogue::moreInfoButtonGoesWithAnInterpretation()
{
    QFETCH(int, index);
    const TestItem& item = catalogue()[size_t(index)];
    // Values that every renal interpretation has a text for.
    using A = AnalyteId;
    const MapFields fields{
        {A::Age, {u"40"_s, {}}},
        {A::Weight, {u"70"_s, u"kg"_s}},
        {A::Gender, {u"Male"_s, {}}},
        {A::SerumCreatinine, {u"1"_s, u"mg/dL"_s}},
        {A::UrineCreatinine, {u"100"_s, u"mg/dL"_s}},
        {A::SerumAmylase, {u"100"_s, {}}},
        {A::UrineAmylase, {u"300"_s, {}}},
        {A::SerumCalcium, {u"10"_s, u"mg/dL"_s}},
        {A::UrineCalcium, {u"10"_s, u"mg/dL"_s}},
        {A::SerumPhosphorus, {u"4"_s, u"mg/dL"_s}},
        {A::UrinePhosphorus, {u"40"_s, u"mg/dL"_s}},
        {A::SerumPotassium, {u"4"_s, {}}},
        {A::UrinePotassium, {u"40"_s, {}}},
        {A::SerumSodium, {u"140"_s, {}}},
        {A::UrineSodium, {u"40"_s, {}}},
        {A::SerumUrea, {u"15"_s, u"mg/dL"_s}},
        {A::UrineUrea, {u"600"_s, u"mg/dL"_s}},
        {A::SerumUrate, {u"5"_s, u"mg/dL"_s}},
        {A::UrineUrate, {u"40"_s, u"mg/dL"_s}},
        {A::UrineProtein, {u"1"_s, {}}},
        {A::UrineVolume, {u"1500"_s, {}}},
    };
    const bool renal = categories()[size_t(item.category)].screen == ScreenId::Kidney;
    // Only the renal screen hides its interpretation behind a button; there
    // the button shows exactly for the items that write one.
    const bool writes = renal && !item.descriptor().compute(Inputs(fields)).moreInfo.isEmpty();
    QCOMPARE(item.settings.showMoreInfoButton, writes);
}

QUARVEX_CORE_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
