#include "catalogue/catalogue.h"
#include "overview/items.h"
#include "testmain.h"

#include <set>

using namespace quarvex;

// The catalogue, the three dispatch tables and the overview's item table
// describe the same 22 calculations; a slip in one of them shows here.
class TestCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEntryDispatchesToItsCalculation();
    void checksAgreeWithTheOverview();
};

void TestCatalogue::everyEntryDispatchesToItsCalculation()
{
    QCOMPARE(catalogue().size(), size_t(23));
    std::set<const DispatchRow*> reached;
    std::set<Calculation> calculations;
    for (const TestItem& item : catalogue()) {
        const ScreenId screen = categories()[size_t(item.category)].screen;
        const QString title = QString::fromLatin1(item.screenTitle);
        const DispatchRow* row = findDispatch(screen, title);
        QVERIFY2(row && row->calculation == item.calculation, item.screenTitle);
        QCOMPARE(catalogueItem(item.category, item.position), &item);
        // The lookup is exact.
        QCOMPARE(findDispatch(screen, title.toUpper()), nullptr);
        QCOMPARE(findDispatch(screen, title + QLatin1Char(' ')), nullptr);
        // Renal and liver items enable every analyte they check.
        for (AnalyteId id : row->checks) {
            const auto& groups = item.settings.enabledGroups;
            QVERIFY2(screen == ScreenId::Heart ||
                         std::find(groups.begin(), groups.end(), id) != groups.end(),
                     item.selectorName);
        }
        reached.insert(row);
        calculations.insert(row->calculation);
    }
    size_t rows = 0;
    for (ScreenId screen : {ScreenId::Heart, ScreenId::Liver, ScreenId::Kidney})
        rows += dispatchTable(screen).size();
    QCOMPARE(reached.size(), rows); // no row that no entry reaches
    QCOMPARE(calculations.size(), size_t(22));
    QCOMPARE(catalogueItem(0, 4), nullptr);
    QCOMPARE(catalogueItem(3, 0), nullptr);
    QCOMPARE(findDispatch(ScreenId::Heart, QStringLiteral("Transferrin")), nullptr);
}

void TestCatalogue::checksAgreeWithTheOverview()
{
    // Both modes evaluate an item with the same checks in the same order.
    for (ScreenId screen : {ScreenId::Heart, ScreenId::Liver, ScreenId::Kidney}) {
        for (const DispatchRow& row : dispatchTable(screen)) {
            int found = 0;
            for (const OverviewItem& item : overviewItems()) {
                if (item.calculation == row.calculation) {
                    ++found;
                    QVERIFY2(item.checks == row.checks, row.screenTitle);
                }
            }
            QVERIFY2(found == 1, row.screenTitle);
        }
    }
}

QUARVEX_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
