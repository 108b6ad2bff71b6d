// Every window as a screen reader and a keyboard user meet it: the names that
// Qt's accessibility layer reports for the inputs, the caption labels' buddies,
// Enter, Escape, the arrow keys and the Tab order.

#include "../catalogue/quickdriver.h"
#include "analytes/analyte.h"
#include "app/frmabout.h"
#include "app/frmdisclaimer.h"
#include "app/frmsplash.h"
#include "app/frmswitchboard.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"
#include "overview/overviewmodule.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QLabel>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

#include <functional>

using namespace quarvex;
using namespace quarvex::test;
using A = AnalyteId;

using Opener = std::function<QWidget*()>;
using Step = std::function<void()>;
using Check = std::function<bool()>;
Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(Check)

namespace {

QStringList strs(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << QString::fromLatin1(text);
    return out;
}

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

bool inside(const QWidget* widget, const QWidget* window, const char* className)
{
    for (QWidget* p = widget->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (p->inherits(className))
            return true;
    }
    return false;
}

// What a user types into or presses: fields, lists, buttons, the grid and the
// tab bar; not the parts that Qt builds inside them (the text part and the
// drop-down of a list, the tab bar's scroll arrows, the grid's corner button).
QList<QWidget*> inputs(QWidget* window)
{
    QList<QWidget*> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (inside(w, window, "QComboBox") || inside(w, window, "QTabBar") ||
            inside(w, window, "QAbstractItemView"))
            continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w) ||
            qobject_cast<QTabBar*>(w))
            found << w;
    }
    return found;
}

QString describe(QWidget* w)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()),
                                       w->objectName());
}

QWidget* shownWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            return w;
    }
    return nullptr;
}

// The focus widget of a window by the name a user knows it by: the text part
// of a drop-down list counts as the list.
QString focusName(QWidget* window)
{
    QWidget* focus = window->focusWidget();
    if (!focus)
        return QStringLiteral("<none>");
    if (auto* box = qobject_cast<QComboBox*>(focus->parentWidget());
        box && box->lineEdit() == focus)
        focus = box;
    return focus->objectName();
}

void activate(QWidget* window)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void key(QWidget* window, const char* focusOn, Qt::Key k)
{
    QWidget* target = window;
    if (focusOn && *focusOn) {
        target = window->findChild<QWidget*>(QString::fromLatin1(focusOn));
        QVERIFY2(target, focusOn);
        target->setFocus(Qt::OtherFocusReason);
    }
    QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(focus, k);
}

// The renal screen after the selector's Proceed on "Creatinine Clearance
// Estimated", with the values of the typical request typed in.
CalculatorScreen* creatinineClearanceTyped()
{
    CalculatorScreen* screen = proceedTo(2, 1);
    screen->form().setValue(A::Age, QStringLiteral("40"));
    screen->form().setValue(A::Weight, QStringLiteral("70"));
    screen->form().setUnit(A::Weight, QStringLiteral("kg"));
    screen->form().setValue(A::Gender, QStringLiteral("Male"));
    screen->form().setValue(A::SerumCreatinine, QStringLiteral("1.0"));
    screen->form().setUnit(A::SerumCreatinine, QStringLiteral("mg/dL"));
    return screen;
}

FrmData* dataEntryWithFerritin()
{
    showDataEntry();
    FrmData* data = openWindow<FrmData>();
    data->form().setValue(A::Ferritin, QStringLiteral("150"));
    data->form().setUnit(A::Ferritin, QStringLiteral("ng/ml"));
    return data;
}

// Every drop-down list of the window given its first entry: many lists then
// show the same unit, and each must still be told apart by its name.
QWidget* withListsChosen(QWidget* window)
{
    for (QComboBox* box : window->findChildren<QComboBox*>()) {
        if (box->objectName() != QLatin1String("Category"))
            box->setCurrentIndex(0);
    }
    return window;
}

const Opener Splash = [] { return showWindow<SplashWindow>(60000); };
const Opener Disclaimer = [] { return showWindow<DisclaimerWindow>(); };
const Opener Switchboard = [] { return showWindow<SwitchboardWindow>(); };
const Opener About = [] { return showWindow<AboutWindow>(); };
const Opener Selector = [] { return openSelector(); };
const Opener Explain = [] { return showWindow<ExplainWindow>(); };
const Opener Kidney = [] { return showCalculatorScreen(ScreenId::Kidney); };
const Opener Heart = [] { return showCalculatorScreen(ScreenId::Heart); };
const Opener Liver = [] { return showCalculatorScreen(ScreenId::Liver); };
const Opener Data = [] {
    showDataEntry();
    return openWindow<FrmData>();
};
const Opener List = [] {
    ListComputableItems();
    return openWindow<FrmList>();
};
const Opener Result = [] {
    FillResultGrid();
    return openWindow<FrmResult>();
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup();

    void inputsAreNamed_data();
    void inputsAreNamed();
    void gridCellsRead();
    void assistiveToolPicksFromLists_data();
    void assistiveToolPicksFromLists();
    void enterPressesTheDefault_data();
    void enterPressesTheDefault();
    void escapeCloses_data();
    void escapeCloses();
    void switchboardArrowKeys();
    void tabOrder_data();
    void tabOrder();

private:
    ScopedFakeDialogs m_dialogs;
};

void TestAccessibility::cleanup()
{
    QApplication::closeAllWindows();
    if (SplashWindow* splash = openWindow<SplashWindow>())
        delete splash;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_dialogs->clear();
}

void TestAccessibility::inputsAreNamed_data()
{
    QTest::addColumn<Opener>("open");
    // Names that no rule of the analyte table or the button captions gives.
    QTest::addColumn<QStringList>("named"); // objectName=accessible name
    QTest::addColumn<int>("count");         // how many inputs the window has

    QTest::addRow("frmSplash") << Splash << QStringList() << 0;
    QTest::addRow("frmDisclaimer") << Disclaimer << QStringList() << 2;
    QTest::addRow("frmSwitchboard")
        << Switchboard << strs({"Option1=Quick Calculator", "Option2=Comprehensive Overview"}) << 5;
    QTest::addRow("frmAbout") << About << strs({"cmdSysInfo=System Info..."}) << 2;
    QTest::addRow("frmMain") << Selector << strs({"Category=Category", "SubCat=Test items"}) << 4;
    QTest::addRow("frmExplain") << Explain << QStringList() << 0;
    QTest::addRow("frmKidney") << Kidney
                               << strs({"Result=Result", "Clear=Clear All",
                                        "MoreInfoButton=More Info", "Errors=Error count"})
                               << 33;
    QTest::addRow("frmKidney, lists chosen")
        << Opener([] { return withListsChosen(Kidney()); }) << strs({"Result=Result"}) << 33;
    QTest::addRow("frmHeart") << Heart << strs({"Result=Result"}) << 11;
    QTest::addRow("frmLiver") << Liver << strs({"Result=Result"}) << 22;
    QTest::addRow("frmData, blood") << Data << strs({"qt_tabwidget_tabbar=Blood"}) << 57;
    QTest::addRow("frmData, urine") << Opener([] {
        FrmData* data = static_cast<FrmData*>(Data());
        data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
        return data;
    }) << strs({"qt_tabwidget_tabbar=Urine"})
                                    << 57;
    QTest::addRow("frmData, lists chosen")
        << Opener([] { return withListsChosen(Data()); }) << QStringList() << 57;
    QTest::addRow("frmList") << List << strs({"List1=Computable items"}) << 3;
    QTest::addRow("frmResult") << Result << strs({"FlexGrid=Test results"}) << 4;
}

void TestAccessibility::inputsAreNamed()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, named);
    QFETCH(int, count);
    ModalGuard guard;
    QWidget* window = open();
    QVERIFY(window);

    const QList<QWidget*> found = inputs(window);
    QCOMPARE(found.size(), count);
    QHash<QString, QString> seen; // name -> the input that has it
    for (QWidget* w : found) {
        const QString name = accessibleName(w);
        QVERIFY2(!name.isEmpty(), qPrintable(describe(w) + QStringLiteral(" has no name")));
        QVERIFY2(!seen.contains(name), qPrintable(QStringLiteral("%1 and %2 are both named \"%3\"")
                                                      .arg(seen.value(name), describe(w), name)));
        seen.insert(name, describe(w));
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QString caption = button->text();
            caption.remove(QLatin1Char('&'));
            QCOMPARE(name, caption);
        }
        // The text part of a drop-down list says what the list is; the
        // list's value is its text.
        if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit()) {
            QCOMPARE(accessibleName(box->lineEdit()), name);
            QCOMPARE(accessibleName(box->view()), name);
            QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Value),
                     box->currentText());
        }
    }

    // Analyte fields by the analyte table; caption labels are buddies.
    for (const Analyte& a : analytes()) {
        auto* value = window->findChild<QWidget*>(a.fieldName());
        if (!value)
            continue;
        QCOMPARE(accessibleName(value), a.accessibleName());
        auto* caption = window->findChild<QLabel*>(a.labelName());
        QVERIFY2(caption, qPrintable(a.labelName()));
        QCOMPARE(caption->buddy(), value);
        if (auto* unit = window->findChild<QComboBox*>(a.unitFieldName()))
            QCOMPARE(accessibleName(unit), a.unitAccessibleName());
    }
    if (auto* categoryLabel = window->findChild<QLabel*>(QStringLiteral("CategoryLabel")))
        QCOMPARE(categoryLabel->buddy(), window->findChild<QWidget*>(QStringLiteral("Category")));

    for (const QString& pair : named) {
        const QString objectName = pair.section(QLatin1Char('='), 0, 0);
        auto* w = window->findChild<QWidget*>(objectName);
        QVERIFY2(w, qPrintable(objectName));
        QCOMPARE(accessibleName(w), pair.section(QLatin1Char('='), 1));
    }
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestAccessibility::gridCellsRead()
{
    // A screen reader reads the grid cell by cell and names each cell's column
    // by the heading above it.
    ModalGuard guard;
    dataEntryWithFerritin();
    ListComputableItems();
    FillResultGrid();
    ResultGrid* grid = openWindow<FrmResult>()->grid();
    QCOMPARE(grid->rowCount(), 1);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(grid);
    QVERIFY(iface);
    QAccessibleTableInterface* table = iface->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->columnCount(), 3);
    const char* const headings[] = {"Test Item", "Result", "Interpretation"};
    for (int column = 0; column < 3; ++column)
        QCOMPARE(table->columnDescription(column), QString::fromLatin1(headings[column]));
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Ferritin Stores"));
    QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), QString());
    QCOMPARE(table->cellAt(0, 2)->text(QAccessible::Name), grid->row(0).interpretation);
    QVERIFY(!grid->row(0).interpretation.isEmpty());
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestAccessibility::assistiveToolPicksFromLists_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<Check>("picked");

    QTest::addRow("selector category") << Selector << QByteArray("Category") << 2 << Check([] {
        return child<QListWidget>(openWindow<SelectorWindow>(), "SubCat")->count() == 12;
    });
    QTest::addRow("selector category after typing") << Opener([] {
        SelectorWindow* selector = openSelector();
        QTest::keyClicks(child<QComboBox>(selector, "Category")->lineEdit(), QStringLiteral("Liv"));
        return selector;
    }) << QByteArray("Category") << 1 << Check([] {
        return child<QListWidget>(openWindow<SelectorWindow>(), "SubCat")->count() == 7;
    });
    QTest::addRow("weight unit") << Kidney << QByteArray("UnitWeight") << 0 << Check([] {
        return openCalculatorScreen(ScreenId::Kidney)->form().unit(A::Weight) ==
               QLatin1String("kg");
    });
    QTest::addRow("gender") << Data << QByteArray("Gender") << 1 << Check([] {
        return openWindow<FrmData>()->form().value(A::Gender) == QLatin1String("Female");
    });
}

void TestAccessibility::assistiveToolPicksFromLists()
{
    // A screen reader's "Toggle" on an entry of a drop-down list selects it in
    // the list's view without moving the view's current entry.
    QFETCH(Opener, open);
    QFETCH(QByteArray, list);
    QFETCH(int, row);
    QFETCH(Check, picked);
    QWidget* window = open();
    auto* box = window->findChild<QComboBox*>(QString::fromLatin1(list));
    QVERIFY(box);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(box->view());
    QVERIFY(view && view->tableInterface());
    QAccessibleInterface* cell = view->tableInterface()->cellAt(row, 0);
    QVERIFY(cell && cell->actionInterface());
    cell->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(picked());
    QCOMPARE(box->currentIndex(), row);
    QVERIFY(!box->view()->isVisible());
}

void TestAccessibility::enterPressesTheDefault_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QByteArray>("focusOn"); // empty: where the window puts it
    QTest::addColumn<Check>("pressed");

    QTest::addRow("disclaimer: Continue")
        << Disclaimer << QByteArray() << Check([] { return shownWindow("frmSwitchboard"); });
    QTest::addRow("disclaimer, Exit focused: Exit")
        << Disclaimer << QByteArray("CommandButton1")
        << Check([] { return !shownWindow("frmDisclaimer") && !shownWindow("frmSwitchboard"); });
    QTest::addRow("switchboard: OK opens the selector")
        << Switchboard << QByteArray("Option1") << Check([] { return shownWindow("frmMain"); });
    QTest::addRow("about box: OK")
        << About << QByteArray() << Check([] { return !shownWindow("frmAbout"); });
    QTest::addRow("selector, item chosen, in the list: Proceed") << Opener([] {
        SelectorWindow* selector = openSelector();
        pickCategory(selector, 2);
        clickItem(selector, 1);
        return selector;
    }) << QByteArray("SubCat") << Check([] {
        CalculatorScreen* screen = openCalculatorScreen(ScreenId::Kidney);
        return screen && screen->screenTitle() == QLatin1String("Creatinine Clearance Estimated");
    });
    QTest::addRow("selector, item chosen, in the category: Proceed") << Opener([] {
        SelectorWindow* selector = openSelector();
        pickCategory(selector, 1);
        clickItem(selector, 5);
        return selector;
    }) << QByteArray("Category") << Check([] {
        CalculatorScreen* screen = openCalculatorScreen(ScreenId::Liver);
        return screen &&
               screen->screenTitle() == QLatin1String("Total Iron Binding Capacity (TIBC)");
    });
    QTest::addRow("selector, no item chosen: nothing") << Opener([] {
        SelectorWindow* selector = openSelector();
        pickCategory(selector, 2);
        return selector;
    }) << QByteArray("SubCat") << Check([] { return !openCalculatorScreen(ScreenId::Kidney); });
    QTest::addRow("renal screen, in a value field: Calculate")
        << Opener([] { return creatinineClearanceTyped(); }) << QByteArray("SerumCreatinine")
        << Check([] {
               return text(openCalculatorScreen(ScreenId::Kidney), "Result") ==
                      QLatin1String("97.22 mL/min");
           });
    QTest::addRow("renal screen, in a unit list: Calculate")
        << Opener([] { return creatinineClearanceTyped(); }) << QByteArray("UnitWeight")
        << Check([] {
               return text(openCalculatorScreen(ScreenId::Kidney), "Result") ==
                      QLatin1String("97.22 mL/min");
           });
    QTest::addRow("data entry, in a field: OK")
        << Opener([] { return dataEntryWithFerritin(); }) << QByteArray("Ferritin")
        << Check([] { return shownWindow("frmList") && openWindow<FrmList>()->list()->count(); });
    QTest::addRow("data entry, Clear focused: Clear")
        << Opener([] { return dataEntryWithFerritin(); }) << QByteArray("ClearButton") << Check([] {
               return !shownWindow("frmList") &&
                      openWindow<FrmData>()->form().value(A::Ferritin).isEmpty();
           });
    QTest::addRow("list, in the list: OK") << Opener([] {
        dataEntryWithFerritin();
        ListComputableItems();
        return openWindow<FrmList>();
    }) << QByteArray("List1") << Check([] { return shownWindow("frmResult"); });
    QTest::addRow("results, Back focused: Back") << Opener([] {
        dataEntryWithFerritin();
        FillResultGrid();
        return openWindow<FrmResult>();
    }) << QByteArray("BackButton") << Check([] {
        return !shownWindow("frmResult") && shownWindow("frmData");
    });
}

void TestAccessibility::enterPressesTheDefault()
{
    QFETCH(Opener, open);
    QFETCH(QByteArray, focusOn);
    QFETCH(Check, pressed);
    ModalGuard guard;
    QWidget* window = open();
    activate(window);
    key(window, focusOn.constData(), Qt::Key_Return);
    QVERIFY(pressed());
    QVERIFY2(m_dialogs->calls().isEmpty(), qPrintable(m_dialogs->trace().join(u'|')));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestAccessibility::escapeCloses_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<Check>("closed");
    QTest::addRow("explanation") << Explain << Check([] { return !openWindow<ExplainWindow>(); });
    QTest::addRow("about box") << About << Check([] { return !openWindow<AboutWindow>(); });
}

void TestAccessibility::escapeCloses()
{
    QFETCH(Opener, open);
    QFETCH(Check, closed);
    QWidget* switchboard = showWindow<SwitchboardWindow>();
    QWidget* window = open();
    activate(window);
    key(window, nullptr, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(closed());
    // The switchboard below stays.
    QVERIFY(switchboard->isVisible());
}

void TestAccessibility::switchboardArrowKeys()
{
    QWidget* switchboard = showWindow<SwitchboardWindow>();
    activate(switchboard);
    auto* quick = switchboard->findChild<QRadioButton*>(QStringLiteral("Option1"));
    auto* overview = switchboard->findChild<QRadioButton*>(QStringLiteral("Option2"));
    QCOMPARE(focusName(switchboard), QStringLiteral("Option1"));
    QTest::keyClick(quick, Qt::Key_Down);
    QVERIFY(overview->isChecked());
    QCOMPARE(focusName(switchboard), QStringLiteral("Option2"));
    QTest::keyClick(overview, Qt::Key_Up);
    QVERIFY(quick->isChecked());
    QTest::keyClick(quick, Qt::Key_Down);
    QTest::keyClick(overview, Qt::Key_Return);
    QVERIFY(shownWindow("frmData"));
    QVERIFY(!shownWindow("frmMain"));
}

void TestAccessibility::tabOrder_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("order"); // focus after opening, then after each Tab

    QTest::addRow("disclaimer") << Disclaimer
                                << strs({"CommandButton0", "CommandButton1", "CommandButton0"});
    QTest::addRow("switchboard") << Switchboard
                                 << strs({"Option1", "OKButton", "ExitButton", "AboutButton",
                                          "Option1"});
    QTest::addRow("about box") << About << strs({"cmdOK", "cmdSysInfo", "cmdOK"});
    QTest::addRow("explanation") << Explain << strs({"Explanation", "Explanation"});
    QTest::addRow("selector") << Opener([] {
        SelectorWindow* selector = openSelector();
        pickCategory(selector, 0);
        clickItem(selector, 0);
        child<QWidget>(selector, "Category")->setFocus();
        return selector;
    }) << strs({"Category", "SubCat", "Proceed", "Explain", "Category"});
    QTest::addRow("renal screen, creatinine clearance")
        << Opener([] { return proceedTo(2, 1); })
        << strs({"Age", "Gender", "Weight", "UnitWeight", "SerumCreatinine", "UnitSerumCreatinine",
                 "Calculate", "Clear", "MoreInfoButton", "Age"});
    QTest::addRow("lipid screen") << Opener([] { return proceedTo(0, 0); })
                                  << strs({"Gender", "Chol", "UnitChol", "HDL", "UnitHDL", "LDL",
                                           "UnitLDL", "Calculate", "Clear", "Gender"});
    QTest::addRow("liver screen, transferrin saturation")
        << Opener([] { return proceedTo(1, 4); })
        << strs({"Iron", "UnitIron", "TIBC", "UnitTIBC", "Calculate", "Clear", "Iron"});
    QTest::addRow("data entry, urine page") << Opener([] {
        FrmData* data = static_cast<FrmData*>(Data());
        data->findChild<QTabWidget*>(QStringLiteral("TabStrip1"))->setCurrentIndex(1);
        data->form().widgets(A::Age).value->setFocus();
        return data;
    }) << strs({"Age",
                "Gender",
                "Weight",
                "UnitWeight",
                "qt_tabwidget_tabbar",
                "UrineAmylase",
                "UrineCalcium",
                "UnitUrineCalcium",
                "UrineCreatinine",
                "UnitUrineCreatinine",
                "UrineProtein",
                "UrinePotassium",
                "UrineSodium",
                "UrineUrea",
                "UnitUrineUrea",
                "UrineVolume",
                "ClearButton",
                "OKbutton",
                "EXITbutton",
                "Age"});
    QTest::addRow("list") << Opener([] {
        dataEntryWithFerritin();
        ListComputableItems();
        return openWindow<FrmList>();
    }) << strs({"OKButton", "CancelButton", "List1", "OKButton"});
    // The grid is reached by Tab, and Tab leaves it again.
    QTest::addRow("results") << Opener([] {
        dataEntryWithFerritin();
        FillResultGrid();
        return openWindow<FrmResult>();
    }) << strs({"BackButton", "ExportButton", "CloseButton", "FlexGrid", "BackButton"});
}

void TestAccessibility::tabOrder()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, order);
    QWidget* window = open();
    activate(window);
    QStringList seen{focusName(window)};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Tab);
        seen << focusName(window);
    }
    QCOMPARE(seen, order);
}

QUARVEX_TEST_MAIN(TestAccessibility)

#include "tst_accessibility.moc"
