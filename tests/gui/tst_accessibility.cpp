// Every window as a screen reader and a keyboard user meet it: the names that
// Qt's accessibility layer reports for the inputs, the caption labels' buddies,
// Enter and Escape.

#include "analytes/analyte.h"
#include "app/announce.h"
#include "app/frmabout.h"
#include "app/frmdisclaimer.h"
#include "app/frmsplash.h"
#include "app/frmswitchboard.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "overview/frmdata.h"
#include "overview/frmlist.h"
#include "overview/frmresult.h"
#include "overview/overviewwindows.h"
#include "practice/frmpractice.h"
#include "quickdriver.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include <algorithm>
#include <functional>
#include <memory>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;
using A = AnalyteId;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

bool isAny(const QWidget* w, std::initializer_list<const char*> classNames)
{
    return std::any_of(classNames.begin(), classNames.end(),
                       [w](const char* name) { return w->inherits(name); });
}

// What a user types into or presses: fields, lists, buttons, the grid and the
// tab bar; not the parts that Qt builds inside them (the icons inside a field, the text part and
// the drop-down of a list, the tab bar's scroll arrows, the grid's corner button).
QList<QWidget*> inputs(QWidget* window)
{
    QList<QWidget*> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        bool part = false;
        for (QWidget* p = w->parentWidget(); p != window; p = p->parentWidget())
            part = part || isAny(p, {"QComboBox", "QLineEdit", "QTabBar", "QAbstractItemView"});
        if (!part &&
            isAny(w, {"QLineEdit", "QComboBox", "QAbstractButton", "QAbstractItemView", "QTabBar"}))
            found << w;
    }
    return found;
}

template <class W>
QWidget* shown()
{
    return showWindow<W>();
}

// Runs a routine that shows window W, and returns W.
template <class W, void (*show)()>
QWidget* via()
{
    show();
    return openWindow<W>();
}

// The overview the tests open; a new one for each test.
std::unique_ptr<OverviewWindows> g_overview;
OverviewWindows& overview()
{
    if (!g_overview)
        g_overview = std::make_unique<OverviewWindows>(dialogs());
    return *g_overview;
}
QWidget* dataEntry()
{
    return overview().showDataEntry();
}
QWidget* itemList()
{
    overview().listComputableItems();
    return overview().itemList();
}
QWidget* results()
{
    overview().fillResultGrid();
    return overview().results();
}

// The window W over the switchboard, which stays when W goes.
template <class W>
QWidget* overSwitchboard()
{
    showWindow<SwitchboardWindow>();
    return showWindow<W>();
}

// What a screen reader is told while a test runs: each event's kind, and the
// object's name as the reader would read it then.
struct HeardEvent {
    QAccessible::Event type;
    QObject* object;
    QString name;
};
QList<HeardEvent> g_heard;
void hear(QAccessibleEvent* event)
{
    QAccessibleInterface* iface = event->accessibleInterface();
    g_heard << HeardEvent{event->type(), event->object(),
                          iface ? iface->text(QAccessible::Name) : QString()};
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
    ScopedFakeDialogs m_dialogs;
    ModalGuard m_guard;

private Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { m_guard.reset(); }

    void cleanup()
    {
        delete openWindow<SplashWindow>(); // it would stop closeAllWindows()
        g_overview.reset();
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_dialogs->clear();
        QUARVEX_VERIFY_NO_MODAL(m_guard);
    }

    void inputsAreNamed_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<int>("count"); // how many inputs the window has
        QTest::addRow("frmSplash") << Opener([] { return showWindow<SplashWindow>(60000); }) << 0;
        QTest::addRow("frmDisclaimer") << Opener(shown<DisclaimerWindow>) << 2;
        QTest::addRow("frmSwitchboard") << Opener(shown<SwitchboardWindow>) << 6;
        QTest::addRow("frmAbout") << Opener(shown<AboutWindow>) << 2;
        QTest::addRow("frmMain") << Opener(via<SelectorWindow, showSelector>) << 4;
        QTest::addRow("frmExplain") << Opener(shown<ExplainWindow>) << 0;
        for (auto [name, id, count] : {std::tuple{"frmKidney", ScreenId::Kidney, 40},
                                       {"frmHeart", ScreenId::Heart, 16},
                                       {"frmLiver", ScreenId::Liver, 25}})
            QTest::addRow("%s", name)
                << Opener([screen = id] { return showCalculatorScreen(screen); }) << count;
        QTest::addRow("frmData") << Opener(dataEntry) << 67;
        // Every list at its first entry: many then show the same unit, and each
        // must still be told apart by its name.
        QTest::addRow("frmData, lists chosen") << Opener([] {
            QWidget* window = dataEntry();
            for (QComboBox* box : window->findChildren<QComboBox*>())
                box->setCurrentIndex(
                    box->objectName() == QLatin1String("Category") ? box->currentIndex() : 0);
            return window;
        }) << 67;
        QTest::addRow("frmList") << Opener(itemList) << 3;
        QTest::addRow("frmResult") << Opener(results) << 7;
        // The item, the level, the case number, the carried check box, eight buttons and
        // an answer per step.
        for (int level = 1; level <= PracticeLevels; ++level)
            QTest::addRow("frmPractice, level %d", level) << Opener([level] {
                PracticeWindow* window = showPractice(ItemId::CreatinineClearance);
                window->openCase(1);
                window->setLevel(level);
                return window;
            }) << 12 + int(makeExercise(ItemId::CreatinineClearance, 1, level).steps.size());
    }

    void inputsAreNamed()
    {
        QFETCH(Opener, open);
        QFETCH(int, count);
        QWidget* window = open();
        QVERIFY(window);
        const QList<QWidget*> found = inputs(window);
        QCOMPARE(found.size(), count);
        QHash<QString, QString> seen; // name -> the input that has it
        for (QWidget* w : found) {
            const QString name = accessibleName(w);
            QVERIFY2(!name.isEmpty() && !seen.contains(name),
                     qPrintable(w->objectName() + u" is named \""_s + name + u"\" "_s +
                                seen.value(name)));
            seen.insert(name, u"as is "_s + w->objectName());
            // UTF-8 read as Latin-1 leaves C1 control characters ("Open Case…").
            QVERIFY2(
                std::none_of(name.cbegin(), name.cend(),
                             [](QChar c) { return c.unicode() >= 0x80 && c.unicode() < 0xa0; }),
                qPrintable(w->objectName()));
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                QCOMPARE(name, QString(button->text()).remove(u'&'));
            // The text part of a drop-down list says what the list is; the
            // list's value is its text.
            if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit()) {
                QCOMPARE(accessibleName(box->lineEdit()), name);
                QCOMPARE(accessibleName(box->view()), name);
                QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Value),
                         box->currentText());
            }
        }

        // The mark and hint icons inside a field are buttons to a screen reader.
        for (auto* edit : window->findChildren<QLineEdit*>()) {
            for (auto* icon : edit->findChildren<QAbstractButton*>())
                QVERIFY2(!accessibleName(icon).isEmpty(), qPrintable(edit->objectName()));
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
            QCOMPARE(categoryLabel->buddy(),
                     window->findChild<QWidget*>(QStringLiteral("Category")));
    }

    // Every input says what it is for when the pointer rests on it; each
    // unit list says what its units mean.
    void toolTips_data() { inputsAreNamed_data(); }

    void toolTips()
    {
        QFETCH(Opener, open);
        QWidget* window = open();
        QVERIFY(window);
        for (QWidget* w : inputs(window)) {
            if (!w->isVisibleTo(window))
                continue; // the hidden error count
            // A widget without a tip of its own shows that of the widget it is part of.
            QString tip;
            for (QWidget* p = w; tip.isEmpty() && p != window; p = p->parentWidget())
                tip = p->toolTip();
            QVERIFY2(!tip.isEmpty(), qPrintable(w->objectName() + u" has no tooltip"_s));
        }
        for (const Analyte& a : analytes()) {
            auto* unit = window->findChild<QComboBox*>(a.unitFieldName());
            if (!unit)
                continue;
            for (int row = 0; row < unit->count(); ++row) {
                const QString entry = unit->itemData(row, Qt::ToolTipRole).toString();
                QVERIFY2(entry.startsWith(unit->itemText(row)) && entry.size() > 8,
                         qPrintable(entry));
                QVERIFY(unit->toolTip().contains(entry));
            }
        }
    }

    void keys_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("focusOn"); // empty: where the window puts it
        QTest::addColumn<QString>(
            "windows"); // what shows after Enter, or Escape where the name says so
        const Opener ferritin = [] {
            auto* data = static_cast<DataEntryWindow*>(dataEntry());
            data->form().setValue(A::Ferritin, u"150"_s);
            data->form().setUnit(A::Ferritin, u"ng/ml"_s);
            return data;
        };
        const Opener disclaimer = shown<DisclaimerWindow>, about = overSwitchboard<AboutWindow>;
        QTest::addRow("disclaimer: Continue") << disclaimer << QString() << u"frmSwitchboard"_s;
        QTest::addRow("disclaimer, Exit focused: Exit")
            << disclaimer << u"CommandButton1"_s << QString();
        QTest::addRow("switchboard: OK opens the selector")
            << Opener(shown<SwitchboardWindow>) << u"Option1"_s << u"frmMain frmSwitchboard"_s;
        QTest::addRow("about box: OK") << about << QString() << u"frmSwitchboard"_s;
        QTest::addRow("selector, item chosen, in the list: Proceed") << Opener([] {
            SelectorWindow* selector = openSelector();
            pickCategory(selector, 2);
            clickItem(selector, 1);
            return selector;
        }) << u"SubCat"_s << u"frmKidney frmMain"_s;
        QTest::addRow("data entry, in a field: OK")
            << ferritin << u"Ferritin"_s << u"frmData frmList"_s;
        QTest::addRow("list, in the list: OK") << Opener([ferritin] {
            ferritin();
            return itemList();
        }) << u"List1"_s << u"frmData frmList frmResult"_s;
        QTest::addRow("Escape on the explanation")
            << Opener(overSwitchboard<ExplainWindow>) << QString() << u"frmSwitchboard"_s;
        QTest::addRow("Escape on the about box") << about << QString() << u"frmSwitchboard"_s;
    }

    // A Check as a screen reader meets it: each mark and feedback read with
    // its text and its step, the case read as shown, and the verdict
    // announced (an alert on the verdict, whose name is its text).
    void practiceCheckIsHeard()
    {
        PracticeWindow* window = showPractice(ItemId::CreatinineClearance);
        window->openCase(21);
        window->setLevel(2);
        const Exercise& ex = window->exercise();
        QCOMPARE(accessibleName(window->findChild<QLabel*>(u"CaseText"_s)),
                 u"Case 21: "_s + ex.caseText());
        // The first asked number wrong, the rest left blank.
        const ExerciseStep* wrong = nullptr;
        for (const ExerciseStep& step : ex.steps) {
            if (!step.given && step.kind == StepKind::Number && !wrong)
                wrong = &step;
        }
        QVERIFY(wrong);
        window->findChild<QLineEdit*>(u"Answer_"_s + wrong->id)->setText(u"1"_s);
        g_heard.clear();
        // (Qt passes events on only while a screen reader listens.)
        watchAnnouncements(hear);
        window->check();
        watchAnnouncements(nullptr);
        QVERIFY(window->lastGrade());

        for (const StepGrade& g : window->lastGrade()->steps) {
            const ExerciseStep& step = ex.steps[ex.stepIndex(g.id)];
            const QString mark = accessibleName(window->findChild<QLabel*>(u"Mark_"_s + g.id));
            const QString feedback =
                accessibleName(window->findChild<QLabel*>(u"Feedback_"_s + g.id));
            QVERIFY2(mark.contains(step.label), qPrintable(mark));
            QVERIFY2(feedback.contains(step.label) && feedback.contains(g.feedback),
                     qPrintable(feedback + u" / "_s + g.feedback));
            if (g.id == wrong->id)
                QVERIFY2(mark.endsWith(u"Wrong"_s), qPrintable(mark));
        }

        auto* verdict = window->findChild<QLabel*>(u"Verdict"_s);
        const QString said = QString(verdict->text()).remove(QChar(0x2060));
        QVERIFY(said.contains(u"steps right"_s));
        QCOMPARE(accessibleName(verdict), said);
        const bool announced =
            std::any_of(g_heard.cbegin(), g_heard.cend(), [&](const HeardEvent& e) {
                return e.object == verdict && e.name == said &&
                       (e.type == QAccessible::Alert || e.type == QAccessible::NameChanged);
            });
        QVERIFY2(announced,
                 qPrintable(u"%1 events, none announcing \"%2\""_s.arg(g_heard.size()).arg(said)));
    }

    void keys()
    {
        QFETCH(Opener, open);
        QFETCH(QString, focusOn);
        QFETCH(QString, windows);
        QWidget* window = open();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (!focusOn.isEmpty())
            window->findChild<QWidget*>(focusOn)->setFocus(Qt::OtherFocusReason);
        const bool escape = QString::fromLatin1(QTest::currentDataTag()).startsWith(u"Escape");
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window,
                        escape ? Qt::Key_Escape : Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibleWindows().join(u' '), windows);
        if (ItemListWindow* list = g_overview ? g_overview->itemList()
                                              : nullptr) // listing what the typed values allow
            QVERIFY(list->list()->count() > 0);
        QVERIFY2(m_dialogs->calls().isEmpty(), qPrintable(m_dialogs->trace().join(u'|')));
    }
};

QUARVEX_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
