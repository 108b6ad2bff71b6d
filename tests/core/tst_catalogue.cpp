#include "analytes/inputs.h"
#include "analytes/unitnotes.h"
#include "catalogue/catalogue.h"
#include "coretestmain.h"
#include "testfields.h"

using namespace quarvex;
using namespace quarvex::test;
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
    const MapFields fields =
        F(u"Age=40; Weight=70 kg; Gender=Male; SerumCreatinine=1 mg/dL; UrineCreatinine=100 mg/dL; "
          "SerumAmylase=100; UrineAmylase=300; SerumCalcium=10 mg/dL; UrineCalcium=10 mg/dL; "
          "SerumPhosphorus=4 mg/dL; UrinePhosphorus=40 mg/dL; SerumPotassium=4; UrinePotassium=40; "
          "SerumSodium=140; UrineSodium=40; SerumUrea=15 mg/dL; UrineUrea=600 mg/dL; "
          "SerumUrate=5 mg/dL; UrineUrate=40 mg/dL; UrineProtein=1; UrineVolume=1500"_s);
    const bool renal = categories()[size_t(item.category)].screen == ScreenId::Kidney;
    // Only the renal screen hides its interpretation behind a button; there
    // the button shows exactly for the items that write one.
    const bool writes = renal && !item.descriptor().compute(Inputs(fields)).moreInfo.isEmpty();
    QCOMPARE(item.settings.showMoreInfoButton, writes);
}

QUARVEX_CORE_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
