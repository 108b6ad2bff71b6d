#include "catalogue/forms.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "quickdriver.h"
#include "testmain.h"

#include <QLabel>

using namespace quarvex;
using namespace quarvex::test;

namespace {

QStringList listTexts(const SelectorWindow* selector)
{
    QStringList out;
    auto* list = child<QListWidget>(selector, "SubCat");
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

bool buttonsEnabled(const SelectorWindow* selector)
{
    const bool proceed = child<QPushButton>(selector, "Proceed")->isEnabled();
    return proceed && child<QPushButton>(selector, "Explain")->isEnabled();
}

QString explanationShown()
{
    ExplainWindow* window = openWindow<ExplainWindow>();
    return window ? child<QLabel>(window, "Explanation")->text() : QStringLiteral("<none>");
}

// Proceed's settings of one catalogue entry, as the screen shows them.
struct ProceedRow {
    int category, position;
    const char* title;
    const char* enabled;  // groups fully enabled
    const char* disabled; // single controls off in groups not fully off
    bool resultShown, moreInfoButton;
};
// clang-format off
const ProceedRow proceedRows[] = {
    {0, 0, "Cholesterol Level Interpretation", "Chol Gender HDL LDL", "", false, false},
    {0, 1, "Total Cholesterol-to-HDL Cholesterol Ratio", "Chol Gender HDL", "", true, false},
    {0, 2, "LDL Cholesterol-to-HDL Cholesterol Ratio", "HDL LDL", "Chol Gender UnitChol", true, false},
    {0, 3, "Adult Treatment Panel III Classification", "Chol HDL LDL", "Gender", false, false},
    {1, 0, "AST-to-ALT (SGOT-to-SGPT) Ratio", "ALT AST", "", true, false},
    {1, 1, "Serum Albumin-to-Globulin Ratio", "Albumin Globulin", "", true, false},
    {1, 2, "Serum Direct -to- Total Bilirubin Ratio", "BilirubinDirect BilirubinTotal", "", true, false},
    {1, 3, "Serum Ferritin and Estimate of Iron Stores", "Ferritin", "", false, false},
    {1, 4, "Serum Transferrin Saturation", "Iron TIBC", "", true, false},
    {1, 5, "Total Iron Binding Capacity (TIBC)", "Transferrin", "", true, false},
    {1, 6, "Transferrin", "TIBC", "", true, false},
    {2, 0, "Amylase Clearance to Creatinine Clearance", "SerumAmylase SerumCreatinine UrineAmylase UrineCreatinine", "", true, true},
    {2, 1, "Creatinine Clearance Estimated", "Age Gender SerumCreatinine Weight", "", true, true},
    {2, 2, "Fractional Potassium Excretion", "SerumCreatinine SerumPotassium UrineCreatinine UrinePotassium", "", true, false},
    {2, 3, "Fractional Sodium Excretion", "SerumCreatinine SerumSodium UrineCreatinine UrineSodium", "", true, false},
    {2, 4, "Glomerular Filtration Rate (GFR)", "Age Gender SerumCreatinine Weight", "", true, true},
    {2, 5, "Phosphorus Clearance Estimated", "Age Gender SerumPhosphorus Weight", "", true, false},
    {2, 6, "Renal Calcium to Creatinine Clearance", "SerumCalcium SerumCreatinine UrineCalcium UrineCreatinine", "", true, false},
    {2, 7, "Renal Failure Index (RFI)", "SerumCreatinine UrineCreatinine UrineSodium", "", true, false},
    {2, 8, "Urea Nitrogen and Creatinine Ratios", "SerumCreatinine SerumUrea UrineCreatinine UrineUrea", "", true, true},
    {2, 9, "Uric Acid-to-Creatinine Ratio", "SerumCreatinine SerumUrate", "", true, true},
    {2, 10, "Urinary Potassium Excretion Rate", "UrinePotassium UrineVolume", "", true, true},
    {2, 11, "Urine Protein to Urine Creatinine Ratio", "UrineCreatinine UrineProtein", "", true, true},
};
// clang-format on

// The sorted names of the fully enabled groups, and of the disabled controls
// of groups that are only partly disabled.
QString enabledState(CalculatorScreen* screen, QString* partly)
{
    QStringList enabled, off;
    for (AnalyteId id : screen->form().order()) {
        const QList<QWidget*> group = screen->form().widgets(id).group();
        QStringList groupOff;
        for (QWidget* w : group) {
            if (!w->isEnabled())
                groupOff << w->objectName();
        }
        if (groupOff.isEmpty())
            enabled << analyte(id).fieldName();
        else if (groupOff.size() < group.size())
            off << groupOff;
    }
    enabled.sort();
    off.sort();
    *partly = off.join(QLatin1Char(' '));
    return enabled.join(QLatin1Char(' '));
}

} // namespace

class TestSelector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { closeEverything(); }

    void startsWithNothingChosen();
    void categoryLists_data();
    void categoryLists();
    void choosingResetsTheButtons();
    void typedTextChoosesNothing();
    void explainTwiceKeepsOneWindow();
    void proceed_data();
    void proceed();
    void settingsOnAnOpenScreen();
    void closedScreenStartsAgain();
    void showMoreInfoNames_data();
    void showMoreInfoNames();
};

void TestSelector::startsWithNothingChosen()
{
    SelectorWindow* selector = openSelector();
    QCOMPARE(selector->windowTitle(), QStringLiteral("Medical Calculator"));
    auto* box = child<QComboBox>(selector, "Category");
    QVERIFY(box->isEditable());
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QString());
    QCOMPARE(selector->focusWidget(), box);
    QVERIFY(listTexts(selector).isEmpty());
    QVERIFY(!child<QPushButton>(selector, "Proceed")->isEnabled());
    QVERIFY(!child<QPushButton>(selector, "Explain")->isEnabled());
    QCOMPARE(openSelector(), selector); // shown again: still one
}

void TestSelector::categoryLists_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    QTest::addRow("cholesterol") << 0 << "Cholesterol and Coronary Heart Disease" << 4
                                 << "Cholesterol Level Interpretation"
                                 << "Total Cholesterol-to-HDL Cholesterol Ratio"
                                 << "NCEP Adult Treatment Panel III Classification of Serum Lipids";
    QTest::addRow("liver") << 1 << "Liver Functions" << 7 << "AST-to-ALT (SGOT-to-SGPT) Ratio"
                           << "Serum Albumin-to-Globulin Ratio"
                           << "Transferrin Calculated";
    QTest::addRow("renal") << 2 << "Renal & Urinary System" << 12
                           << "Amylase Clearance to Creatinine Clearance"
                           << "Creatinine Clearance Estimated"
                           << "Urine Protein to Urine Creatinine Ratio";
}

void TestSelector::categoryLists()
{
    QFETCH(int, category);
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, last);
    SelectorWindow* selector = openSelector();
    QCOMPARE(child<QComboBox>(selector, "Category")->itemText(category), text);
    pickCategory(selector, category);
    const QStringList texts = listTexts(selector);
    QCOMPARE(texts.size(), count);
    QCOMPARE(texts.at(0), first);
    QCOMPARE(texts.at(1), second);
    QCOMPARE(texts.last(), last);
    QVERIFY(!buttonsEnabled(selector));
}

void TestSelector::choosingResetsTheButtons()
{
    SelectorWindow* selector = openSelector();
    pickCategory(selector, 2);
    clickItem(selector, 3);
    QVERIFY(buttonsEnabled(selector));
    pickCategory(selector, 0);
    QVERIFY(!buttonsEnabled(selector));
    QCOMPARE(listTexts(selector).size(), 4);
    clickItem(selector, 1);
    QVERIFY(buttonsEnabled(selector));
    pickCategory(selector, 0); // the same category again also starts over
    QVERIFY(!buttonsEnabled(selector));
    // The arrow keys choose as well.
    QTest::keyClick(child<QComboBox>(selector, "Category"), Qt::Key_Down);
    QCOMPARE(listTexts(selector).size(), 7);
}

void TestSelector::typedTextChoosesNothing()
{
    ScopedFakeDialogs fake;
    SelectorWindow* selector = openSelector();
    pickCategory(selector, 2);
    clickItem(selector, 1);
    QLineEdit* edit = child<QComboBox>(selector, "Category")->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Liver Functions"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(listTexts(selector).size(), 12);
    QVERIFY(buttonsEnabled(selector));
    press(selector, "Explain");
    QCOMPARE(explanationShown(), QString());
    press(selector, "Proceed");
    QCOMPARE(openCalculatorScreen(ScreenId::Kidney), nullptr);
    QCOMPARE(openCalculatorScreen(ScreenId::Liver), nullptr);
    QVERIFY(fake->calls().isEmpty());
}

void TestSelector::explainTwiceKeepsOneWindow()
{
    SelectorWindow* selector = openSelector();
    pickCategory(selector, 0);
    clickItem(selector, 3);
    press(selector, "Explain");
    ExplainWindow* window = openWindow<ExplainWindow>();
    QCOMPARE(window->windowTitle(), QStringLiteral("Explanation"));
    QVERIFY(explanationShown().contains(QLatin1String("National Cholesterol Eduction Program")));
    pickCategory(selector, 2);
    clickItem(selector, 0);
    press(selector, "Explain");
    QCOMPARE(openWindow<ExplainWindow>(), window);
    QVERIFY(explanationShown().endsWith(QLatin1String(
        "severe renal insufficiency, dudodenal perforation, and pancreatic cancer.")));
    QVERIFY(selector->isVisible());
    // Fixed size, room for every explanation; Escape closes it.
    QCOMPARE(window->minimumSize(), window->maximumSize());
    auto* label = child<QLabel>(window, "Explanation");
    for (const TestItem& item : catalogue()) {
        window->setExplanation(QString::fromLatin1(item.explanation));
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), item.selectorName);
    }
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(openWindow<ExplainWindow>(), nullptr);
}

void TestSelector::proceed_data()
{
    QTest::addColumn<int>("row");
    for (const ProceedRow& r : proceedRows)
        QTest::addRow("%d.%d %s", r.category, r.position, r.title) << int(&r - proceedRows);
}

void TestSelector::proceed()
{
    QFETCH(int, row);
    const ProceedRow& r = proceedRows[row];
    static const char* const screenNames[] = {"frmHeart", "frmLiver", "frmKidney"};
    ModalGuard guard;
    CalculatorScreen* screen = proceedTo(r.category, r.position);
    QVERIFY(screen && screen->isVisible());
    QCOMPARE(screen->objectName(), QString::fromLatin1(screenNames[r.category]));
    QCOMPARE(child<QLabel>(screen, "TitleLabel")->text(), QString::fromLatin1(r.title));
    QCOMPARE(screen->windowTitle(), QString::fromLatin1(r.title));
    QString partly;
    QCOMPARE(enabledState(screen, &partly), QString::fromLatin1(r.enabled));
    QCOMPARE(partly, QString::fromLatin1(r.disabled));
    QCOMPARE(child<QLineEdit>(screen, "Result")->isVisible(), r.resultShown);
    if (auto* button = child<QPushButton>(screen, "MoreInfoButton"))
        QCOMPARE(button->isVisible(), r.moreInfoButton);
    // The keyboard starts in a field the item uses; the selector stays open.
    QWidget* focus = screen->focusWidget();
    QVERIFY(focus &&
            QString::fromLatin1(r.enabled).split(QLatin1Char(' ')).contains(focus->objectName()));
    QVERIFY(openWindow<SelectorWindow>()->isVisible());
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestSelector::settingsOnAnOpenScreen()
{
    // Renal: enables accumulate, More Info stays, typed values stay.
    CalculatorScreen* kidney = proceedTo(2, 10);
    type(kidney, "UrineVolume", QStringLiteral("1500"));
    proceedTo(2, 1);
    proceedTo(2, 2);
    QString partly;
    QCOMPARE(enabledState(kidney, &partly),
             QStringLiteral("Age Gender SerumCreatinine SerumPotassium UrineCreatinine "
                            "UrinePotassium UrineVolume Weight"));
    QVERIFY(child<QPushButton>(kidney, "MoreInfoButton")->isVisible());
    QCOMPARE(text(kidney, "UrineVolume"), QStringLiteral("1500"));

    // Lipid: every field usable again before the item's own settings.
    CalculatorScreen* heart = proceedTo(0, 1); // LDL off
    type(heart, "HDL", QStringLiteral("50"));
    proceedTo(0, 0); // Result hidden
    QCOMPARE(enabledState(heart, &partly), QStringLiteral("Chol Gender HDL LDL"));
    QVERIFY(!child<QLineEdit>(heart, "Result")->isVisible());
    proceedTo(0, 2);
    QVERIFY(child<QLineEdit>(heart, "Result")->isVisible());
    QCOMPARE(enabledState(heart, &partly), QStringLiteral("HDL LDL"));
    QCOMPARE(text(heart, "HDL"), QStringLiteral("50"));

    // Liver: the box hidden for ferritin shows again for the next item.
    CalculatorScreen* liver = proceedTo(1, 3);
    proceedTo(1, 0);
    QVERIFY(child<QLineEdit>(liver, "Result")->isVisible());
    QCOMPARE(enabledState(liver, &partly), QStringLiteral("ALT AST Ferritin"));
}

void TestSelector::closedScreenStartsAgain()
{
    CalculatorScreen* kidney = proceedTo(2, 10);
    type(kidney, "UrineVolume", QStringLiteral("1500"));
    closeWindow<KidneyScreen>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    kidney = proceedTo(2, 2);
    QString partly;
    QCOMPARE(enabledState(kidney, &partly),
             QStringLiteral("SerumCreatinine SerumPotassium UrineCreatinine UrinePotassium"));
    QVERIFY(!child<QPushButton>(kidney, "MoreInfoButton")->isVisible());
    QCOMPARE(text(kidney, "UrineVolume"), QString());
}

void TestSelector::showMoreInfoNames_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source");
    QTest::addRow("known names") << "Explain"
                                 << "Kidney";
    QTest::addRow("unknown target") << "Explanation"
                                    << "Kidney";
    QTest::addRow("target in lower case") << "explain"
                                          << "Kidney";
    QTest::addRow("unknown source") << "Explain"
                                    << "Heart";
}

void TestSelector::showMoreInfoNames()
{
    QFETCH(QString, target);
    QFETCH(QString, source);
    ScopedFakeDialogs fake;
    ModalGuard guard;
    ShowMoreInfo(target, source);
    if (target == QLatin1String("Explain") && source == QLatin1String("Kidney")) {
        QVERIFY(fake->calls().isEmpty());
        QCOMPARE(explanationShown(), QString()); // no renal screen open: nothing to show
    } else {
        QCOMPARE(fake->trace(),
                 QStringList({QStringLiteral("beep"),
                              QStringLiteral("message:Form name not in global list")}));
        QCOMPARE(fake->messages().first().title, QStringLiteral("Quarvex"));
        QCOMPARE(openWindow<ExplainWindow>(), nullptr);
    }
    QUARVEX_VERIFY_NO_MODAL(guard);
}

QUARVEX_TEST_MAIN(TestSelector)
#include "tst_selector.moc"
