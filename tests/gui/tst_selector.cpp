#include "modalguard.h"
#include "quickdriver.h"
#include "testmain.h"

using namespace quarvex;
using namespace quarvex::test;

namespace {

bool buttonsEnabled(const SelectorWindow* selector)
{
    return child<QPushButton>(selector, "Proceed")->isEnabled() &&
           child<QPushButton>(selector, "Explain")->isEnabled();
}

// Each catalogue entry: what Proceed does to its screen (the groups as
// groups() reports them; whether Result and MoreInfoButton show) and, for a
// few per screen, a Calculate typed into the widgets and what it shows.
struct EntryRow {
    int category, position;
    const char* title;
    const char* groups;
    bool result, moreInfoButton;
    const char* inputs = nullptr;
    const char* resultText = "";
    const char* interpretation = ""; // line feeds for CR
    const char* dialogs = "";
};
// clang-format off
const EntryRow entryRows[] = {
    {0, 0, "Cholesterol Level Interpretation", "Chol Gender HDL LDL", false, false, "Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL", "", "Total Cholesterol: desirable\n\nHDL Cholesterol: average\n\nLDL Cholesterol: desirable\n\n"},
    {0, 1, "Total Cholesterol-to-HDL Cholesterol Ratio", "Chol Gender HDL", true, false, "Gender=Female Chol=5.18 UnitChol=mmol/L HDL=50 UnitHDL=mg/dL", "4.00", "The risk of coronary artery disease is 50% than that of  the 'average American'."},
    {0, 2, "LDL Cholesterol-to-HDL Cholesterol Ratio", "HDL LDL / Chol Gender UnitChol", true, false},
    {0, 3, "Adult Treatment Panel III Classification", "Chol HDL LDL / Gender", false, false},
    {1, 0, "AST-to-ALT (SGOT-to-SGPT) Ratio", "ALT AST", true, false},
    {1, 1, "Serum Albumin-to-Globulin Ratio", "Albumin Globulin", true, false, "Albumin=40 UnitAlbumin=g/L Globulin=2.5 UnitGlobulin=g/dL", "1.60 ", "The Albumin to Globumin ratio is high but often clinically insignificant except in hypogammaglobulinemia."},
    {1, 2, "Serum Direct -to- Total Bilirubin Ratio", "BilirubinDirect BilirubinTotal", true, false},
    {1, 3, "Serum Ferritin and Estimate of Iron Stores", "Ferritin", false, false, "Ferritin=449.4 UnitFerritin=pmol/L", "", "Serum ferritin level appears normal."},
    {1, 4, "Serum Transferrin Saturation", "Iron TIBC", true, false},
    {1, 5, "Total Iron Binding Capacity (TIBC)", "Transferrin", true, false},
    {1, 6, "Transferrin", "TIBC", true, false, "TIBC=300 UnitTIBC=ug/dL", "210.00 mg/dL ", "Calculated transferrin is normal."},
    {2, 0, "Amylase Clearance to Creatinine Clearance", "SerumAmylase SerumCreatinine UrineAmylase UrineCreatinine", true, true},
    {2, 1, "Creatinine Clearance Estimated", "Age Gender SerumCreatinine Weight", true, true, "Age=40 Weight=154 UnitWeight=lbs Gender=Male SerumCreatinine=88.4 UnitSerumCreatinine=umol/L", "97.22 mL/min", "Based on GFR, renal function is normal."},
    {2, 2, "Fractional Potassium Excretion", "SerumCreatinine SerumPotassium UrineCreatinine UrinePotassium", true, false},
    {2, 3, "Fractional Sodium Excretion", "SerumCreatinine SerumSodium UrineCreatinine UrineSodium", true, false, "SerumCreatinine=1.0 UnitSerumCreatinine=mg/dL UrineCreatinine=8.84 UnitUrineCreatinine=mmol/L SerumSodium=140 UrineSodium=40", "0.29 % FE-Na", ""},
    {2, 4, "Glomerular Filtration Rate (GFR)", "Age Gender SerumCreatinine Weight", true, true},
    {2, 5, "Phosphorus Clearance Estimated", "SerumPhosphorus UrinePhosphorus UrineVolume", true, false, "SerumPhosphorus=1.13 UnitSerumPhosphorus=mmol/L UrinePhosphorus=40 UnitUrinePhosphorus=mg/dL UrineVolume=1500", "11.91 mL/min", ""},
    {2, 6, "Renal Calcium to Creatinine Clearance", "SerumCalcium SerumCreatinine UrineCalcium UrineCreatinine", true, false},
    {2, 7, "Renal Failure Index (RFI)", "SerumCreatinine UrineCreatinine UrineSodium", true, false},
    {2, 8, "Urea Nitrogen and Creatinine Ratios", "SerumCreatinine SerumUrea UrineCreatinine UrineUrea", true, true, "SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=60 UnitUrineCreatinine=mg/dL SerumUrea=15 UnitSerumUrea=mg/dL UrineUrea=600 UnitUrineUrea=mg/dL", "15.00 ; 60.00 ; 40.00", "The first number represents the BUN to Creatinine ratio.\n\nThe second number represents the Creatinine to Creatinine ratio.\n\nThe third number represents the BUN to BUN ratio.", "beep|information:Serum BUN to Serum Creatinine ratio: 15.00\rUrine Creatinine to Serum Creatinine: 60.00\rUrine BUN to Serum BUN ratio: 40.00\r\r"},
    {2, 9, "Uric Acid-to-Creatinine Ratio", "UrineCreatinine UrineUrate", true, true, "UrineUrate=3 UnitUrineUrate=mmol/L UrineCreatinine=100 UnitUrineCreatinine=mg/dL", "0.50", "Ratios below 1.0 are seen in patients with acute renal failure due to other causes."},
    {2, 10, "Urinary Potassium Excretion Rate", "UrinePotassium UrineVolume", true, true, "UrinePotassium=40 UrineVolume=1500", "60.00 mEq/24 ", "An excretion rate more than 20 mEq/24 hours implies potassium 'wastage' (inadequate potassium conservation)."},
    {2, 11, "Urine Protein to Urine Creatinine Ratio", "UrineCreatinine UrineProtein", true, true},
};
// clang-format on

} // namespace

class TestSelector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { closeEverything(); }

    void listsAndButtons()
    {
        // clang-format off
        const struct {
            const char *text, *first, *last;
            int count;
        } lists[] = {
            {"Cholesterol and Coronary Heart Disease", "Cholesterol Level Interpretation", "NCEP Adult Treatment Panel III Classification of Serum Lipids", 4},
            {"Liver Functions", "AST-to-ALT (SGOT-to-SGPT) Ratio", "Transferrin Calculated", 7},
            {"Renal & Urinary System", "Amylase Clearance to Creatinine Clearance", "Urine Protein to Urine Creatinine Ratio", 12}};
        // clang-format on
        SelectorWindow* selector = openSelector();
        auto* list = child<QListWidget>(selector, "SubCat");
        QVERIFY(list->count() == 0 && !buttonsEnabled(selector));
        for (int category = 0; category < 3; ++category) {
            const auto& l = lists[category];
            pickCategory(selector, category);
            QCOMPARE(text(selector, "Category"), QLatin1String(l.text));
            QCOMPARE(list->count(), l.count);
            QCOMPARE(list->item(0)->text(), QLatin1String(l.first));
            QCOMPARE(list->item(l.count - 1)->text(), QLatin1String(l.last));
            QVERIFY(!buttonsEnabled(selector));
            clickItem(selector, 1);
            QVERIFY(buttonsEnabled(selector));
            pickCategory(selector, category); // the same category again starts over
            QVERIFY(!buttonsEnabled(selector));
        }
    }

    void arrowKeysInTheItemList_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("selected");
        const int down = Qt::Key_Down, up = Qt::Key_Up;
        QTest::addRow("first Down selects the first item") << 2 << QList<int>{down} << 0;
        QTest::addRow("first Up selects the first item") << 1 << QList<int>{up} << 0;
        QTest::addRow("Down twice, the second item") << 2 << QList<int>{down, down} << 1;
        QTest::addRow("Down three times, Up once") << 0 << QList<int>{down, down, down, up} << 1;
        QTest::addRow("past the end stays on the last item")
            << 0 << QList<int>{down, down, down, down, down} << 3;
    }

    void arrowKeysInTheItemList()
    {
        QFETCH(int, category);
        QFETCH(QList<int>, keys);
        QFETCH(int, selected);
        SelectorWindow* selector = openSelector();
        pickCategory(selector, category);
        auto* list = child<QListWidget>(selector, "SubCat");
        // Reached with Tab in an active window, as a keyboard user does.
        selector->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(selector));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        for (int key : keys)
            QTest::keyClick(list, Qt::Key(key));
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->row(list->selectedItems().first()), selected);
        QVERIFY(buttonsEnabled(selector));
    }

    void explainTwiceKeepsOneWindow()
    {
        SelectorWindow* selector = openSelector();
        ExplainWindow* window = nullptr;
        for (auto [category, item, words] :
             {std::tuple{0, 3, "National Cholesterol Eduction Program"},
              {2, 0,
               "severe renal insufficiency, dudodenal perforation, and pancreatic cancer."}}) {
            pickCategory(selector, category);
            clickItem(selector, item);
            press(selector, "Explain");
            if (!window)
                window = openWindow<ExplainWindow>();
            QVERIFY(window);
            QCOMPARE(openWindow<ExplainWindow>(), window); // the second goes to the same window
            QVERIFY(window->explanation().contains(QLatin1String(words)));
        }
        QVERIFY(selector->isVisible());
    }

    void proceedAndCalculate_data()
    {
        QTest::addColumn<int>("row");
        for (const EntryRow& r : entryRows)
            QTest::addRow("%d.%d %s", r.category, r.position, r.title) << int(&r - entryRows);
    }

    void proceedAndCalculate()
    {
        QFETCH(int, row);
        const EntryRow& r = entryRows[row];
        static const char* const screenNames[] = {"frmHeart", "frmLiver", "frmKidney"};
        ScopedFakeDialogs fake;
        ModalGuard guard;
        CalculatorScreen* screen = proceedTo(r.category, r.position);
        QVERIFY(screen && screen->isVisible());
        QCOMPARE(screen->objectName(), QString::fromLatin1(screenNames[r.category]));
        QCOMPARE(child<QLabel>(screen, "TitleLabel")->text(), QString::fromLatin1(r.title));
        QCOMPARE(screen->windowTitle(), QString::fromLatin1(r.title));
        QCOMPARE(groups(screen), QString::fromLatin1(r.groups));
        QCOMPARE(child<QLineEdit>(screen, "Result")->isVisible(), r.result);
        if (auto* button = child<QPushButton>(screen, "MoreInfoButton"))
            QCOMPARE(button->isVisible(), r.moreInfoButton);
        QVERIFY(openWindow<SelectorWindow>()->isVisible());
        if (r.inputs) {
            typeAll(screen, QString::fromLatin1(r.inputs));
            calculate(screen, *fake, r.dialogs, "0", r.resultText, r.interpretation);
        } else {
            QVERIFY(screenItem(screen->screenId(), screen->screenTitle())); // Calculate finds it
        }
        QUARVEX_VERIFY_NO_MODAL(guard);
    }

    void proceedOnAnOpenScreen()
    {
        // Renal: only the last item's groups take input, and MoreInfoButton
        // goes with an item that has no interpretation.
        CalculatorScreen* kidney = proceedTo(2, 10);
        proceedTo(2, 1);
        proceedTo(2, 2);
        QCOMPARE(groups(kidney), QStringLiteral("SerumCreatinine SerumPotassium "
                                                "UrineCreatinine UrinePotassium"));
        QVERIFY(!child<QPushButton>(kidney, "MoreInfoButton")->isVisible());

        // Lipid: every field usable again before the item's own settings.
        CalculatorScreen* heart = proceedTo(0, 2);
        type(heart, QStringLiteral("HDL"), QStringLiteral("50"));
        proceedTo(0, 0);
        QCOMPARE(groups(heart), QStringLiteral("Chol Gender HDL LDL"));
        QCOMPARE(text(heart, "HDL"), QStringLiteral("50"));

        // Liver: the Result hidden for ferritin shows again for the next item.
        CalculatorScreen* liver = proceedTo(1, 3);
        proceedTo(1, 0);
        QVERIFY(child<QLineEdit>(liver, "Result")->isVisible());
    }
};

QUARVEX_TEST_MAIN(TestSelector)
#include "tst_selector.moc"
