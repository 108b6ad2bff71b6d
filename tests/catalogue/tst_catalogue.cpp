#include "catalogue/catalogue.h"
#include "overview/items.h"
#include "testmain.h"

#include <set>

using namespace quarvex;

class TestCatalogue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void categoriesAndScreens();
    void positionsRunFromZero();
    void everyEntryDispatchesToItsCalculation();
    void everyDispatchRowHasAnEntry();
    void selectorNameAndTitleDifferForFiveItems();
    void checksAgreeWithTheOverview();
    void settingsNameOnlyFieldsOfTheirScreen();
    void lookUpOutOfRange();
};

void TestCatalogue::categoriesAndScreens() {
    const auto cats = categories();
    QCOMPARE(cats.size(), size_t(3));
    QCOMPARE(QString::fromLatin1(cats[0].text),
             QStringLiteral("Cholesterol and Coronary Heart Disease"));
    QCOMPARE(QString::fromLatin1(cats[1].text), QStringLiteral("Liver Functions"));
    QCOMPARE(QString::fromLatin1(cats[2].text), QStringLiteral("Renal & Urinary System"));
    QCOMPARE(cats[0].screen, ScreenId::Heart);
    QCOMPARE(cats[1].screen, ScreenId::Liver);
    QCOMPARE(cats[2].screen, ScreenId::Kidney);
    QCOMPARE(catalogue().size(), size_t(23));
    QCOMPARE(categoryItems(0).size(), size_t(4));
    QCOMPARE(categoryItems(1).size(), size_t(7));
    QCOMPARE(categoryItems(2).size(), size_t(12));
}

void TestCatalogue::positionsRunFromZero() {
    for (int c = 0; c < 3; ++c) {
        int expected = 0;
        for (const TestItem& item : categoryItems(c)) {
            QCOMPARE(item.category, c);
            QCOMPARE(item.position, expected++);
            QCOMPARE(catalogueItem(c, item.position), &item);
        }
    }
}

void TestCatalogue::everyEntryDispatchesToItsCalculation() {
    for (const TestItem& item : catalogue()) {
        const ScreenId screen = categories()[size_t(item.category)].screen;
        const DispatchRow* row = findDispatch(screen, QString::fromLatin1(item.screenTitle));
        QVERIFY2(row, item.screenTitle);
        QVERIFY2(row->calculation == item.calculation, item.screenTitle);
        QVERIFY2(!row->checks.empty(), item.screenTitle);
    }
    // The two creatinine clearance entries share one calculation and its checks.
    const DispatchRow* estimated =
        findDispatch(ScreenId::Kidney, QStringLiteral("Creatinine Clearance Estimated"));
    const DispatchRow* gfr =
        findDispatch(ScreenId::Kidney, QStringLiteral("Glomerular Filtration Rate (GFR)"));
    QVERIFY(estimated && gfr && estimated != gfr);
    QVERIFY(estimated->calculation == CreatinineClearanceEstimated);
    QVERIFY(gfr->calculation == CreatinineClearanceEstimated);
    QCOMPARE(estimated->checks, gfr->checks);
}

void TestCatalogue::everyDispatchRowHasAnEntry() {
    // Each row of each screen's table is reached by exactly one entry of its
    // category, and the lookup is exact: no near misses.
    std::set<Calculation> calculations;
    for (ScreenId screen : {ScreenId::Heart, ScreenId::Liver, ScreenId::Kidney}) {
        for (const DispatchRow& row : dispatchTable(screen)) {
            calculations.insert(row.calculation);
            int entries = 0;
            for (const TestItem& item : catalogue()) {
                entries += categories()[size_t(item.category)].screen == screen &&
                           qstrcmp(item.screenTitle, row.screenTitle) == 0;
            }
            QVERIFY2(entries == 1, row.screenTitle);
            const QString title = QString::fromLatin1(row.screenTitle);
            QCOMPARE(findDispatch(screen, title), &row);
            QCOMPARE(findDispatch(screen, title.toUpper()), nullptr);
            QCOMPARE(findDispatch(screen, title + QLatin1Char(' ')), nullptr);
        }
    }
    QCOMPARE(calculations.size(), size_t(22));
    QCOMPARE(findDispatch(ScreenId::Kidney, QString()), nullptr);
    // A title of another screen does nothing there.
    QCOMPARE(findDispatch(ScreenId::Heart, QStringLiteral("Transferrin")), nullptr);
}

void TestCatalogue::selectorNameAndTitleDifferForFiveItems() {
    QStringList differing;
    for (const TestItem& item : catalogue()) {
        if (qstrcmp(item.selectorName, item.screenTitle) != 0)
            differing << QString::fromLatin1(item.selectorName);
    }
    QCOMPARE(differing,
             QStringList({QStringLiteral("NCEP Adult Treatment Panel III Classification of Serum "
                                         "Lipids"),
                          QStringLiteral("Serum Ferritin and Estimate of Body Iron Stores"),
                          QStringLiteral("Total Iron Binding Capacity (TIBC) Calculated"),
                          QStringLiteral("Transferrin Calculated"),
                          QStringLiteral("Renal Calcium Clearance to Creatinine Clearance")}));
}

void TestCatalogue::checksAgreeWithTheOverview() {
    // Both modes evaluate an item with the same checks in the same order.
    for (ScreenId screen : {ScreenId::Heart, ScreenId::Liver, ScreenId::Kidney}) {
        for (const DispatchRow& row : dispatchTable(screen)) {
            bool found = false;
            for (const OverviewItem& item : overviewItems()) {
                if (item.calculation == row.calculation) {
                    found = true;
                    QVERIFY2(item.checks == row.checks, row.screenTitle);
                }
            }
            QVERIFY2(found, row.screenTitle);
        }
    }
}

void TestCatalogue::settingsNameOnlyFieldsOfTheirScreen() {
    // Every analyte an item's settings or checks name is one its screen holds
    // (first 19 analytes renal, Gender and the lipids, the last ten liver).
    auto onScreen = [](ScreenId screen, AnalyteId id) {
        const int i = int(id);
        switch (screen) {
        case ScreenId::Kidney:
            return i <= int(AnalyteId::UrineVolume);
        case ScreenId::Heart:
            return id == AnalyteId::Gender ||
                   (i >= int(AnalyteId::Chol) && i <= int(AnalyteId::LDL));
        case ScreenId::Liver:
            return i >= int(AnalyteId::AST);
        }
        return false;
    };
    for (const TestItem& item : catalogue()) {
        const ScreenId screen = categories()[size_t(item.category)].screen;
        for (AnalyteId id : item.settings.enabledGroups)
            QVERIFY2(onScreen(screen, id), item.selectorName);
        const DispatchRow* row = findDispatch(screen, QString::fromLatin1(item.screenTitle));
        for (AnalyteId id : row->checks) {
            QVERIFY2(onScreen(screen, id), item.selectorName);
            // Renal and liver items enable every analyte they check.
            if (screen != ScreenId::Heart) {
                QVERIFY2(std::find(item.settings.enabledGroups.begin(),
                                   item.settings.enabledGroups.end(),
                                   id) != item.settings.enabledGroups.end(),
                         item.selectorName);
            }
        }
        // A lipid item disables none of the fields it checks.
        for (const char* name : item.settings.disabledControls) {
            for (AnalyteId id : row->checks) {
                const Analyte& a = analyte(id);
                QVERIFY2(a.fieldName() != QLatin1String(name), item.selectorName);
                QVERIFY2(a.unitFieldName() != QLatin1String(name), item.selectorName);
            }
        }
    }
}

void TestCatalogue::lookUpOutOfRange() {
    QCOMPARE(catalogueItem(-1, 0), nullptr);
    QCOMPARE(catalogueItem(3, 0), nullptr);
    QCOMPARE(catalogueItem(0, 4), nullptr);
    QCOMPARE(catalogueItem(2, -1), nullptr);
    QVERIFY(categoryItems(-1).empty());
    QVERIFY(categoryItems(3).empty());
}

QUARVEX_TEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
