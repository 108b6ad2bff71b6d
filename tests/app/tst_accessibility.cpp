// Every window as a screen reader and a keyboard user meet it: the names that
// Qt's accessibility layer reports for the inputs, the caption labels' buddies,
// Enter and Escape.

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
#include <QLabel>
#include <QTabBar>

#include <functional>

using namespace quarvex;
using namespace quarvex::test;
using A = AnalyteId;

using Opener = std::function<QWidget*()>;
using Check = std::function<bool()>;
Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(Check)

namespace {

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

QWidget* shownWindow(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->objectName() == QLatin1String(name))
            return w;
    }
    return nullptr;
}

// Makes the window active, moves the focus (unless focusOn is empty) and presses the key.
void key(QWidget* window, const QString& focusOn, Qt::Key k)
{
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    if (!focusOn.isEmpty())
        window->findChild<QWidget*>(focusOn)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, k);
}

// The renal screen after the selector's Proceed on "Creatinine Clearance
// Estimated", with the values of the typical request typed in.
CalculatorScreen* creatinineClearanceTyped()
{
    CalculatorScreen* screen = proceedTo(2, 1);
    typeAll(screen, QStringLiteral("Age=40 Weight=70 UnitWeight=kg Gender=Male SerumCreatinine=1.0 "
                                   "UnitSerumCreatinine=mg/dL"));
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
    void keys_data();
    void keys();

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
    QTest::addColumn<int>("count"); // how many inputs the window has

    QTest::addRow("frmSplash") << Splash << 0;
    QTest::addRow("frmDisclaimer") << Disclaimer << 2;
    QTest::addRow("frmSwitchboard") << Switchboard << 5;
    QTest::addRow("frmAbout") << About << 2;
    QTest::addRow("frmMain") << Selector << 4;
    QTest::addRow("frmExplain") << Explain << 0;
    QTest::addRow("frmKidney") << Kidney << 33;
    QTest::addRow("frmHeart") << Heart << 11;
    QTest::addRow("frmLiver") << Liver << 22;
    QTest::addRow("frmData") << Data << 57;
    QTest::addRow("frmData, lists chosen") << Opener([] { return withListsChosen(Data()); }) << 57;
    QTest::addRow("frmList") << List << 3;
    QTest::addRow("frmResult") << Result << 4;
}

void TestAccessibility::inputsAreNamed()
{
    QFETCH(Opener, open);
    QFETCH(int, count);
    ModalGuard guard;
    QWidget* window = open();
    QVERIFY(window);

    const QList<QWidget*> found = inputs(window);
    QCOMPARE(found.size(), count);
    QHash<QString, QString> seen; // name -> the input that has it
    for (QWidget* w : found) {
        const QString name = accessibleName(w);
        QVERIFY2(!name.isEmpty(), qPrintable(w->objectName() + QStringLiteral(" has no name")));
        QVERIFY2(!seen.contains(name),
                 qPrintable(QStringLiteral("%1 and %2 are both named \"%3\"")
                                .arg(seen.value(name), w->objectName(), name)));
        seen.insert(name, w->objectName());
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
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestAccessibility::keys_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QByteArray>("focusOn"); // empty: where the window puts it
    QTest::addColumn<Check>("pressed");      // by Enter, or by Escape where the name says so

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
    QTest::addRow("renal screen, in a value field: Calculate")
        << Opener([] { return creatinineClearanceTyped(); }) << QByteArray("SerumCreatinine")
        << Check([] {
               return text(openCalculatorScreen(ScreenId::Kidney), "Result") ==
                      QLatin1String("97.22 mL/min");
           });
    QTest::addRow("data entry, in a field: OK")
        << Opener([] { return dataEntryWithFerritin(); }) << QByteArray("Ferritin")
        << Check([] { return shownWindow("frmList") && openWindow<FrmList>()->list()->count(); });
    QTest::addRow("list, in the list: OK") << Opener([] {
        dataEntryWithFerritin();
        ListComputableItems();
        return openWindow<FrmList>();
    }) << QByteArray("List1") << Check([] { return shownWindow("frmResult"); });
    // The switchboard below stays.
    QTest::addRow("Escape on the explanation") << Opener([] {
        showWindow<SwitchboardWindow>();
        return Explain();
    }) << QByteArray() << Check([] {
        return !openWindow<ExplainWindow>() && shownWindow("frmSwitchboard");
    });
    QTest::addRow("Escape on the about box") << Opener([] {
        showWindow<SwitchboardWindow>();
        return About();
    }) << QByteArray() << Check([] {
        return !openWindow<AboutWindow>() && shownWindow("frmSwitchboard");
    });
}

void TestAccessibility::keys()
{
    QFETCH(Opener, open);
    QFETCH(QByteArray, focusOn);
    QFETCH(Check, pressed);
    ModalGuard guard;
    const bool escape = QString::fromLatin1(QTest::currentDataTag()).startsWith(u"Escape");
    key(open(), QString::fromLatin1(focusOn), escape ? Qt::Key_Escape : Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(pressed());
    QVERIFY2(m_dialogs->calls().isEmpty(), qPrintable(m_dialogs->trace().join(u'|')));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

QUARVEX_TEST_MAIN(TestAccessibility)

#include "tst_accessibility.moc"
