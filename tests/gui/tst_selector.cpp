#include "modalguard.h"
#include "quickdriver.h"
#include "testfields.h"
#include "testmain.h"

#include <algorithm>

using namespace quarvex;
using namespace quarvex::test;

namespace {

bool buttonsEnabled(const SelectorWindow* selector)
{
    return child<QPushButton>(selector, "Proceed")->isEnabled() &&
           child<QPushButton>(selector, "Explain")->isEnabled();
}

// A Calculate typed into the widgets: an interpretation of several lines
// (line feeds for CR), and the urea ratios' box after a beep.
struct CalculateRow {
    int category, position;
    const char *inputs, *resultText, *interpretation, *dialogs;
};
// clang-format off
const CalculateRow calculateRows[] = {
    {0, 0, "Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL", "", "Total Cholesterol: desirable\n\nHDL Cholesterol: average\n\nLDL Cholesterol: desirable\n\n", ""},
    {2, 8, "SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=60 UnitUrineCreatinine=mg/dL SerumUrea=15 UnitSerumUrea=mg/dL UrineUrea=600 UnitUrineUrea=mg/dL", "15.00 ; 60.00 ; 40.00", "The first number represents the BUN to Creatinine ratio.\n\nThe second number represents the Creatinine to Creatinine ratio.\n\nThe third number represents the BUN to BUN ratio.", "beep|information:Serum BUN to Serum Creatinine ratio: 15.00\rUrine Creatinine to Serum Creatinine: 60.00\rUrine BUN to Serum BUN ratio: 40.00\r\r"},
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
            {"Cholesterol and Coronary Heart Disease", "Cholesterol Level Interpretation", "LDL Cholesterol (Sampson)", 7},
            {"Liver Functions", "AST-to-ALT (SGOT-to-SGPT) Ratio", "Transferrin Calculated", 7},
            {"Renal & Urinary System", "Amylase Clearance to Creatinine Clearance", "Fractional Urea Excretion", 15}};
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
        QTest::addRow("past the end stays on the last item") << 0 << QList<int>(9, down) << 6;
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

    // Proceed to each catalogue entry: its screen and title; exactly the
    // analytes its item checks take input (the lipid screen leaves the others'
    // captions enabled); Result for an item that writes one; More Info as the
    // catalogue says (which items have it: tst_catalogue).
    void proceedToEveryEntry_data()
    {
        QTest::addColumn<int>("index");
        for (const TestItem& entry : catalogue())
            QTest::addRow("%d.%d %s", entry.category, entry.position, entry.selectorName)
                << int(&entry - catalogue().data());
    }

    void proceedToEveryEntry()
    {
        QFETCH(int, index);
        const TestItem& entry = catalogue()[size_t(index)];
        static const char* const screenNames[] = {"frmHeart", "frmLiver", "frmKidney"};
        ScopedFakeDialogs fake;
        ModalGuard guard;
        CalculatorScreen* screen = proceedTo(entry.category, entry.position);
        QVERIFY(screen && screen->isVisible());
        QCOMPARE(screen->objectName(), QString::fromLatin1(screenNames[entry.category]));
        QCOMPARE(child<QLabel>(screen, "TitleLabel")->text(),
                 QString::fromLatin1(entry.screenTitle));
        QCOMPARE(screen->windowTitle(), QString::fromLatin1(entry.screenTitle));
        QCOMPARE(screen->itemId(), std::optional<ItemId>(entry.item));
        const std::span<const AnalyteId> checks = entry.descriptor().checks();
        for (AnalyteId id : screen->form().order()) {
            const AnalyteWidgets& w = screen->form().widgets(id);
            const bool checked = std::find(checks.begin(), checks.end(), id) != checks.end();
            for (QWidget* part : w.group()) {
                if (checked || part != w.caption)
                    QVERIFY2(part->isEnabled() == checked, qPrintable(part->objectName()));
            }
        }
        const bool writesResult =
            entry.descriptor().compute(Inputs(exampleFields())).result.has_value();
        QCOMPARE(child<QLineEdit>(screen, "Result")->isVisible(), writesResult);
        if (auto* button = child<QPushButton>(screen, "MoreInfoButton"))
            QCOMPARE(button->isVisible(), entry.settings.showMoreInfoButton);
        QVERIFY(openWindow<SelectorWindow>()->isVisible());
        QUARVEX_VERIFY_NO_MODAL(guard);
    }

    void calculateShowsTheOutcome_data()
    {
        QTest::addColumn<int>("row");
        for (const CalculateRow& r : calculateRows)
            QTest::addRow("%d.%d", r.category, r.position) << int(&r - calculateRows);
    }

    void calculateShowsTheOutcome()
    {
        QFETCH(int, row);
        const CalculateRow& r = calculateRows[row];
        ScopedFakeDialogs fake;
        CalculatorScreen* screen = proceedTo(r.category, r.position);
        typeAll(screen, QString::fromLatin1(r.inputs));
        calculate(screen, *fake, r.dialogs, "0", r.resultText, r.interpretation);
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
