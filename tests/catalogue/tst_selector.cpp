#include "catalogue/forms.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "quickdriver.h"
#include "testmain.h"

#include <QLabel>

using namespace quarvex;
using namespace quarvex::test;

namespace {

QStringList names(const char* spaced) {
    return QString::fromLatin1(spaced).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList listTexts(const SelectorWindow* selector) {
    QStringList out;
    auto* list = child<QListWidget>(selector, "SubCat");
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

bool buttonsEnabled(const SelectorWindow* selector) {
    const bool proceed = child<QPushButton>(selector, "Proceed")->isEnabled();
    const bool explain = child<QPushButton>(selector, "Explain")->isEnabled();
    Q_ASSERT(proceed == explain);
    return proceed;
}

int openExplainWindows() {
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += qobject_cast<ExplainWindow*>(w) && w->isVisible() ? 1 : 0;
    return n;
}

QString explanationShown() {
    ExplainWindow* window = openWindow<ExplainWindow>();
    return window ? child<QLabel>(window, "Explanation")->text() : QStringLiteral("<no window>");
}

// Which analyte groups of a screen are fully enabled, and which single
// controls are disabled in groups that are not fully disabled.
void enabledState(CalculatorScreen* screen, QStringList* enabled, QStringList* partly) {
    for (AnalyteId id : screen->form().order()) {
        const QList<QWidget*> group = screen->form().widgets(id).group();
        QStringList off;
        for (QWidget* w : group) {
            if (!w->isEnabled())
                off << w->objectName();
        }
        if (off.isEmpty())
            *enabled << analyte(id).fieldName();
        else if (off.size() < group.size())
            *partly << off;
    }
    enabled->sort();
    partly->sort();
}

} // namespace

class TestSelector : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { closeEverything(); }

    void startsWithNothingChosen();
    void categoryLists_data();
    void categoryLists();
    void categoryChoiceResetsTheButtons();
    void arrowKeysChooseACategory();
    void typedTextChoosesNothing();
    void explainTexts_data();
    void explainTexts();
    void explainTwiceKeepsOneWindow();
    void explanationWindowIsFixedAndEscapeCloses();
    void proceed_data();
    void proceed();
    void renalAndLiverSettingsAccumulate();
    void lipidProceedStartsFromEveryFieldEnabled();
    void closedScreenStartsAgain();
    void showMoreInfoNames_data();
    void showMoreInfoNames();
    void selectorAccessibleNames();
};

void TestSelector::startsWithNothingChosen() {
    SelectorWindow* selector = openSelector();
    QVERIFY(selector);
    QCOMPARE(selector->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(selector->windowTitle(), QStringLiteral("Medical Calculator"));
    QCOMPARE(child<QLabel>(selector, "CategoryLabel")->text(),
             QStringLiteral("Select a category:"));
    auto* box = child<QComboBox>(selector, "Category");
    QVERIFY(box->isEditable());
    QCOMPARE(box->count(), 3);
    QCOMPARE(box->itemText(0), QStringLiteral("Cholesterol and Coronary Heart Disease"));
    QCOMPARE(box->itemText(1), QStringLiteral("Liver Functions"));
    QCOMPARE(box->itemText(2), QStringLiteral("Renal & Urinary System"));
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(box->currentText(), QString());
    QCOMPARE(selector->focusWidget(), box);
    QVERIFY(listTexts(selector).isEmpty());
    QVERIFY(!buttonsEnabled(selector));
    // Shown again: still one selector.
    QCOMPARE(openSelector(), selector);
}

void TestSelector::categoryLists_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");
    QTest::addRow("cholesterol") << 0 << 4 << "Cholesterol Level Interpretation"
                                 << "Total Cholesterol-to-HDL Cholesterol Ratio"
                                 << "NCEP Adult Treatment Panel III Classification of Serum Lipids";
    QTest::addRow("liver") << 1 << 7 << "AST-to-ALT (SGOT-to-SGPT) Ratio"
                           << "Serum Albumin-to-Globulin Ratio"
                           << "Transferrin Calculated";
    QTest::addRow("renal") << 2 << 12 << "Amylase Clearance to Creatinine Clearance"
                           << "Creatinine Clearance Estimated"
                           << "Urine Protein to Urine Creatinine Ratio";
}

void TestSelector::categoryLists() {
    QFETCH(int, category);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, last);
    SelectorWindow* selector = openSelector();
    pickCategory(selector, category);
    const QStringList texts = listTexts(selector);
    QCOMPARE(texts.size(), count);
    QCOMPARE(texts.first(), first);
    QCOMPARE(texts.at(1), second);
    QCOMPARE(texts.last(), last);
    QVERIFY(!buttonsEnabled(selector));
    if (category == 0) {
        QVERIFY(texts.indexOf(QStringLiteral("Total Cholesterol-to-HDL Cholesterol Ratio")) <
                texts.indexOf(QStringLiteral("LDL Cholesterol-to-HDL Cholesterol Ratio")));
    }
}

void TestSelector::categoryChoiceResetsTheButtons() {
    SelectorWindow* selector = openSelector();
    pickCategory(selector, 2);
    clickItem(selector, 3);
    QVERIFY(buttonsEnabled(selector));
    pickCategory(selector, 0);
    QVERIFY(!buttonsEnabled(selector));
    QCOMPARE(listTexts(selector).size(), 4);
    clickItem(selector, 1);
    QVERIFY(buttonsEnabled(selector));
    // The same category again also starts over.
    pickCategory(selector, 0);
    QVERIFY(!buttonsEnabled(selector));
    // A click below the items chooses nothing.
    auto* list = child<QListWidget>(selector, "SubCat");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(4, list->viewport()->height() - 4));
    QVERIFY(!buttonsEnabled(selector));
}

void TestSelector::arrowKeysChooseACategory() {
    SelectorWindow* selector = openSelector();
    auto* box = child<QComboBox>(selector, "Category");
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(listTexts(selector).size(), 4);
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(listTexts(selector).size(), 7);
}

void TestSelector::typedTextChoosesNothing() {
    ScopedFakeDialogs fake;
    SelectorWindow* selector = openSelector();
    pickCategory(selector, 2);
    clickItem(selector, 1);
    auto* box = child<QComboBox>(selector, "Category");
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), QStringLiteral("Liver Functions"));
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(listTexts(selector).size(), 12);
    QVERIFY(buttonsEnabled(selector));
    press(selector, "Explain");
    QCOMPARE(explanationShown(), QString());
    press(selector, "Proceed");
    QCOMPARE(openCalculatorScreen(ScreenId::Kidney), nullptr);
    QCOMPARE(openCalculatorScreen(ScreenId::Liver), nullptr);
    // Picking from the list again counts.
    pickCategory(selector, 1);
    QCOMPARE(listTexts(selector).size(), 7);
    QVERIFY(fake->calls().isEmpty());
}

void TestSelector::explainTexts_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addRow("cholesterol 1, quoted Americans")
        << 0 << 1
        << "The total cholesterol-to-HDL cholesterol ratio can be used to assess the risk of "
           "coronary artery disease as compared to that of 'Average Americans'.";
    QTest::addRow("cholesterol 3, Eduction")
        << 0 << 3
        << "The Adult Treatment Panel III (ATP III) of the National Cholesterol Eduction Program "
           "(NCEP) revised the interpretation of serum lipid values and provided goals for LDL "
           "cholesterol based on the number of risk factors for coronary heart disease (CHD).";
    QTest::addRow("liver 2, mg/dl")
        << 1 << 2
        << "The ratio of direct to total serum bilirubin can help in predicting the cause of "
           "jaundice. The total serum bilirubin must exceed 2.5 mg/dl to produce clinical "
           "jaundice.";
    QTest::addRow("liver 6") << 1 << 6
                             << "Serum transferrin is a transport protein for serum iron.";
    QTest::addRow("renal 0, dudodenal")
        << 2 << 0
        << "The amylase-creatinine clearance may be calculated if random simultaneously collected "
           "serum and urine samples are analyzed for both creatinine and amylase. May be used to "
           "diagnose acute pancreatitis as well as the effect of burns, diabetic ketoacidosis, "
           "acute defects in renal tubular function, severe renal insufficiency, dudodenal "
           "perforation, and pancreatic cancer.";
    QTest::addRow("renal 11")
        << 2 << 11
        << "The ratio of urine protein to urine creatinine ratio reliably detects significant "
           "proteinuria and is useful in assessing patients with proteinuria.";
}

void TestSelector::explainTexts() {
    QFETCH(int, category);
    QFETCH(int, position);
    QFETCH(QString, text);
    SelectorWindow* selector = openSelector();
    pickCategory(selector, category);
    clickItem(selector, position);
    press(selector, "Explain");
    QCOMPARE(explanationShown(), text);
    QCOMPARE(openWindow<ExplainWindow>()->windowTitle(), QStringLiteral("Explanation"));
    QVERIFY(selector->isVisible());
}

void TestSelector::explainTwiceKeepsOneWindow() {
    SelectorWindow* selector = openSelector();
    pickCategory(selector, 1);
    clickItem(selector, 0);
    press(selector, "Explain");
    ExplainWindow* first = openWindow<ExplainWindow>();
    clickItem(selector, 6);
    press(selector, "Explain");
    QCOMPARE(openWindow<ExplainWindow>(), first);
    QCOMPARE(openExplainWindows(), 1);
    QCOMPARE(explanationShown(),
             QStringLiteral("Serum transferrin is a transport protein for serum iron."));
}

void TestSelector::explanationWindowIsFixedAndEscapeCloses() {
    SelectorWindow* selector = openSelector();
    pickCategory(selector, 2);
    clickItem(selector, 0);
    press(selector, "Explain");
    ExplainWindow* window = openWindow<ExplainWindow>();
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    auto* label = child<QLabel>(window, "Explanation");
    QVERIFY(label->wordWrap());
    // Every explanation fits.
    for (const TestItem& item : catalogue()) {
        window->setExplanation(QString::fromLatin1(item.explanation));
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), item.selectorName);
    }
    QTest::keyClick(window, Qt::Key_Escape);
    QCOMPARE(openWindow<ExplainWindow>(), nullptr);
    QVERIFY(selector->isVisible());
}

void TestSelector::proceed_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("enabled");  // groups fully enabled
    QTest::addColumn<QStringList>("disabled"); // single controls off in partly enabled groups
    QTest::addColumn<bool>("resultShown");
    QTest::addColumn<bool>("moreInfoButton");

    const QString heart = QStringLiteral("frmHeart");
    const QString liver = QStringLiteral("frmLiver");
    const QString kidney = QStringLiteral("frmKidney");
    const QStringList none;
    auto list = [](const char* names) {
        return QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    };

    QTest::addRow("chol 0 level interpretation")
        << 0 << 0 << heart << "Cholesterol Level Interpretation" << list("Gender Chol HDL LDL")
        << none << false << false;
    QTest::addRow("chol 1 total to HDL")
        << 0 << 1 << heart << "Total Cholesterol-to-HDL Cholesterol Ratio"
        << list("Gender Chol HDL") << none << true << false;
    QTest::addRow("chol 2 LDL to HDL, captions stay enabled")
        << 0 << 2 << heart << "LDL Cholesterol-to-HDL Cholesterol Ratio" << list("HDL LDL")
        << list("Chol Gender UnitChol") << true << false;
    QTest::addRow("chol 3 ATP III") << 0 << 3 << heart << "Adult Treatment Panel III Classification"
                                    << list("Chol HDL LDL") << list("Gender") << false << false;

    QTest::addRow("liver 0 AST ALT") << 1 << 0 << liver << "AST-to-ALT (SGOT-to-SGPT) Ratio"
                                     << list("ALT AST") << none << true << false;
    QTest::addRow("liver 1 albumin globulin")
        << 1 << 1 << liver << "Serum Albumin-to-Globulin Ratio" << list("Albumin Globulin") << none
        << true << false;
    QTest::addRow("liver 2 bilirubin")
        << 1 << 2 << liver << "Serum Direct -to- Total Bilirubin Ratio"
        << list("BilirubinDirect BilirubinTotal") << none << true << false;
    QTest::addRow("liver 3 ferritin")
        << 1 << 3 << liver << "Serum Ferritin and Estimate of Iron Stores" << list("Ferritin")
        << none << false << false;
    QTest::addRow("liver 4 saturation") << 1 << 4 << liver << "Serum Transferrin Saturation"
                                        << list("Iron TIBC") << none << true << false;
    QTest::addRow("liver 5 TIBC") << 1 << 5 << liver << "Total Iron Binding Capacity (TIBC)"
                                  << list("Transferrin") << none << true << false;
    QTest::addRow("liver 6 transferrin")
        << 1 << 6 << liver << "Transferrin" << list("TIBC") << none << true << false;

    QTest::addRow("renal 0 amylase")
        << 2 << 0 << kidney << "Amylase Clearance to Creatinine Clearance"
        << list("SerumAmylase SerumCreatinine UrineAmylase UrineCreatinine") << none << true
        << true;
    QTest::addRow("renal 1 creatinine clearance")
        << 2 << 1 << kidney << "Creatinine Clearance Estimated"
        << list("Age Gender SerumCreatinine Weight") << none << true << true;
    QTest::addRow("renal 2 potassium excretion")
        << 2 << 2 << kidney << "Fractional Potassium Excretion"
        << list("SerumCreatinine SerumPotassium UrineCreatinine UrinePotassium") << none << true
        << false;
    QTest::addRow("renal 3 sodium excretion")
        << 2 << 3 << kidney << "Fractional Sodium Excretion"
        << list("SerumCreatinine SerumSodium UrineCreatinine UrineSodium") << none << true << false;
    QTest::addRow("renal 4 GFR") << 2 << 4 << kidney << "Glomerular Filtration Rate (GFR)"
                                 << list("Age Gender SerumCreatinine Weight") << none << true
                                 << true;
    QTest::addRow("renal 5 phosphorus")
        << 2 << 5 << kidney << "Phosphorus Clearance Estimated"
        << list("Age Gender SerumPhosphorus Weight") << none << true << false;
    QTest::addRow("renal 6 calcium")
        << 2 << 6 << kidney << "Renal Calcium to Creatinine Clearance"
        << list("SerumCalcium SerumCreatinine UrineCalcium UrineCreatinine") << none << true
        << false;
    QTest::addRow("renal 7 RFI") << 2 << 7 << kidney << "Renal Failure Index (RFI)"
                                 << list("SerumCreatinine UrineCreatinine UrineSodium") << none
                                 << true << false;
    QTest::addRow("renal 8 urea") << 2 << 8 << kidney << "Urea Nitrogen and Creatinine Ratios"
                                  << list("SerumCreatinine SerumUrea UrineCreatinine UrineUrea")
                                  << none << true << true;
    QTest::addRow("renal 9 urate") << 2 << 9 << kidney << "Uric Acid-to-Creatinine Ratio"
                                   << list("SerumCreatinine SerumUrate") << none << true << true;
    QTest::addRow("renal 10 potassium rate")
        << 2 << 10 << kidney << "Urinary Potassium Excretion Rate"
        << list("UrinePotassium UrineVolume") << none << true << true;
    QTest::addRow("renal 11 protein")
        << 2 << 11 << kidney << "Urine Protein to Urine Creatinine Ratio"
        << list("UrineCreatinine UrineProtein") << none << true << true;
}

void TestSelector::proceed() {
    QFETCH(int, category);
    QFETCH(int, position);
    QFETCH(QString, screenName);
    QFETCH(QString, title);
    QFETCH(QStringList, enabled);
    QFETCH(QStringList, disabled);
    QFETCH(bool, resultShown);
    QFETCH(bool, moreInfoButton);
    ModalGuard guard;

    CalculatorScreen* screen = proceedTo(category, position);
    QVERIFY(screen);
    QCOMPARE(screen->objectName(), screenName);
    QVERIFY(screen->isVisible());
    QCOMPARE(child<QLabel>(screen, "TitleLabel")->text(), title);
    QCOMPARE(screen->windowTitle(), title);
    QStringList enabledNow, disabledNow;
    enabledState(screen, &enabledNow, &disabledNow);
    enabled.sort();
    disabled.sort();
    QCOMPARE(enabledNow, enabled);
    QCOMPARE(disabledNow, disabled);
    // The keyboard starts in the first field the item uses.
    QWidget* focus = screen->focusWidget();
    QVERIFY(focus && focus->isEnabled());
    QVERIFY2(enabled.contains(focus->objectName()), qPrintable(focus->objectName()));
    QCOMPARE(child<QLineEdit>(screen, "Result")->isVisible(), resultShown);
    QPushButton* button = child<QPushButton>(screen, "MoreInfoButton");
    QCOMPARE(button != nullptr, screenName == QLatin1String("frmKidney"));
    if (button)
        QCOMPARE(button->isVisible(), moreInfoButton);
    QCOMPARE(child<QLabel>(screen, "MoreInfo")->isVisible(),
             screenName != QLatin1String("frmKidney"));
    QVERIFY(!child<QLineEdit>(screen, "Errors")->isVisible());
    QCOMPARE(text(screen, "Errors"), QStringLiteral("0"));
    // The selector stays open, and only the category's screen opened.
    QVERIFY(openWindow<SelectorWindow>()->isVisible());
    int screens = 0;
    for (ScreenId id : {ScreenId::Heart, ScreenId::Liver, ScreenId::Kidney})
        screens += openCalculatorScreen(id) ? 1 : 0;
    QCOMPARE(screens, 1);
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestSelector::renalAndLiverSettingsAccumulate() {
    CalculatorScreen* kidney = proceedTo(2, 10); // urine potassium, volume; More Info
    type(kidney, "UrineVolume", QStringLiteral("1500"));
    QCOMPARE(proceedTo(2, 1), kidney); // age, weight, gender, serum creatinine
    proceedTo(2, 2);                   // no More Info of its own
    QStringList enabled, partly;
    enabledState(kidney, &enabled, &partly);
    QCOMPARE(enabled, names("Age Gender SerumCreatinine SerumPotassium UrineCreatinine "
                            "UrinePotassium UrineVolume Weight"));
    QVERIFY(partly.isEmpty());
    QVERIFY(child<QPushButton>(kidney, "MoreInfoButton")->isVisible());
    QCOMPARE(text(kidney, "UrineVolume"), QStringLiteral("1500"));
    QCOMPARE(kidney->windowTitle(), QStringLiteral("Fractional Potassium Excretion"));

    // Liver: the ferritin item hides Result; the next item shows it again.
    CalculatorScreen* liver = proceedTo(1, 3);
    QVERIFY(!child<QLineEdit>(liver, "Result")->isVisible());
    proceedTo(1, 0);
    QVERIFY(child<QLineEdit>(liver, "Result")->isVisible());
    enabled.clear();
    enabledState(liver, &enabled, &partly);
    QCOMPARE(enabled, names("ALT AST Ferritin"));
}

void TestSelector::lipidProceedStartsFromEveryFieldEnabled() {
    CalculatorScreen* heart = proceedTo(0, 1); // LDL disabled
    type(heart, "HDL", QStringLiteral("50"));
    type(heart, "UnitHDL", QStringLiteral("mg/dL"));
    QVERIFY(!child<QWidget>(heart, "LDL")->isEnabled());
    proceedTo(0, 0); // every field usable again; Result hidden
    QStringList enabled, partly;
    enabledState(heart, &enabled, &partly);
    QCOMPARE(enabled, names("Chol Gender HDL LDL"));
    QVERIFY(!child<QLineEdit>(heart, "Result")->isVisible());
    QCOMPARE(text(heart, "HDL"), QStringLiteral("50"));
    QCOMPARE(text(heart, "UnitHDL"), QStringLiteral("mg/dL"));
    proceedTo(0, 2); // Gender, Chol disabled; Result shown again
    QVERIFY(child<QLineEdit>(heart, "Result")->isVisible());
    QVERIFY(!child<QWidget>(heart, "Gender")->isEnabled());
    proceedTo(0, 1);
    QVERIFY(child<QWidget>(heart, "Gender")->isEnabled());
    QVERIFY(child<QWidget>(heart, "Chol")->isEnabled());
    QVERIFY(!child<QWidget>(heart, "UnitLDL")->isEnabled());
}

void TestSelector::closedScreenStartsAgain() {
    CalculatorScreen* kidney = proceedTo(2, 10);
    type(kidney, "UrineVolume", QStringLiteral("1500"));
    closeWindow<KidneyScreen>();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    kidney = proceedTo(2, 2);
    QStringList enabled, partly;
    enabledState(kidney, &enabled, &partly);
    QCOMPARE(enabled, names("SerumCreatinine SerumPotassium UrineCreatinine UrinePotassium"));
    QVERIFY(!child<QPushButton>(kidney, "MoreInfoButton")->isVisible());
    QCOMPARE(text(kidney, "UrineVolume"), QString());
}

void TestSelector::showMoreInfoNames_data() {
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("shows");
    QTest::addRow("known names") << "Explain"
                                 << "Kidney" << true;
    QTest::addRow("unknown target") << "Explanation"
                                    << "Kidney" << false;
    QTest::addRow("target in lower case") << "explain"
                                          << "Kidney" << false;
    QTest::addRow("unknown source") << "Explain"
                                    << "Heart" << false;
    QTest::addRow("empty names") << ""
                                 << "" << false;
}

void TestSelector::showMoreInfoNames() {
    QFETCH(QString, target);
    QFETCH(QString, source);
    QFETCH(bool, shows);
    ScopedFakeDialogs fake;
    ModalGuard guard;
    ShowMoreInfo(target, source);
    if (shows) {
        QVERIFY(fake->calls().isEmpty());
        QCOMPARE(explanationShown(), QString()); // no renal screen open: nothing to show
    } else {
        QCOMPARE(fake->trace(),
                 QStringList({QStringLiteral("beep"),
                              QStringLiteral("message:Form name not in global list")}));
        QCOMPARE(fake->messages().first().title, QStringLiteral("Quarvex"));
        QCOMPARE(openWindow<ExplainWindow>(), nullptr);
    }
    QString failure;
    QCOMPARE(GetTargetForm(target, &failure) != nullptr, target == QLatin1String("Explain"));
    QCOMPARE(failure.isEmpty(), target == QLatin1String("Explain"));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestSelector::selectorAccessibleNames() {
    SelectorWindow* selector = openSelector();
    QStringList names;
    for (QWidget* w : selector->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        QString name = w->accessibleName();
        if (auto* button = qobject_cast<QPushButton*>(w); button && name.isEmpty())
            name = button->text();
        QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
        names << name;
    }
    QCOMPARE(names.size(), 4);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
}

QUARVEX_TEST_MAIN(TestSelector)
#include "tst_selector.moc"
