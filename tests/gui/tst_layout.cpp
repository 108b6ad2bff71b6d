// Every window laid out as a user sees it: shown on a 1280x1024 screen at the
// scale factor and default font size the test run was given (see
// CMakeLists.txt), each window is checked for texts that do not fit, widgets
// squeezed below their minimum, widgets that overlap their siblings and a
// window larger than the screen. The windows are saved as images beside the
// test program, for a look.

#include "app/frmabout.h"
#include "app/frmdisclaimer.h"
#include "app/frmsplash.h"
#include "app/frmswitchboard.h"
#include "app/scrollfit.h"
#include "calc/items.h"
#include "catalogue/catalogue.h"
#include "fakedialogs.h"
#include "i18n/language.h"
#include "overview/frmresult.h"
#include "overview/overviewwindows.h"
#include "practice/frmpractice.h"
#include "quickdriver.h"
#include "steps/stepsview.h"
#include "testmain.h"
#include "worksheet/classgradewindow.h"
#include "worksheet/frmworksheet.h"
#include "worksheet/worksheetdialog.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {

// Types the example panel of the overview into the data entry window.
// The grading window of a class of 30 on six items with Email and ID
// number, every step of each item counted and a line skipped.
QWidget* classGradesOfThirty()
{
    ClassGradeSummary summary;
    ClassGradebook& book = summary.gradebook;
    book.identityColumns = {u"Email"_s, u"ID number"_s};
    for (const ItemDescriptor& d : overviewItems().first(6))
        book.items << d.id;
    for (int k = 1; k <= 30; ++k) {
        GradebookRow row{u"Student with a long name %1"_s.arg(k),
                         {u"student.%1@university.example.org"_s.arg(k), u"2026%1"_s.arg(k)},
                         6,
                         4.5,
                         QList<double>(6, 0.75),
                         QList<int>(6, 1)};
        book.students << row;
    }
    summary.students = 30;
    summary.exercises = 180;
    summary.meanScore = 0.75;
    summary.slips = {{u"conversion-not-done"_s, 12},
                     {u"wrong-factor"_s, 5},
                     {u"rounded-too-early"_s, 3},
                     {u"decimal-point"_s, 2}};
    for (ItemId item : book.items)
        for (const char* step :
             {"convert-SerumCreatinine", "step-1", "step-2", "step-3", "step-4", "result", "band"})
            summary.steps << StepShare{item, QString::fromLatin1(step), 24, 30};
    auto* window = new ClassGradeWindow(
        dialogs(), summary,
        {u"line 1: warning: columns \"Email\", \"ID number\" named no step of any item; "
         "passed through to the output as they are"_s,
         u"line 17: the exercise code K2PR-2-2X has a wrong check character: a character is "
         "mistyped or two are swapped; row skipped"_s},
        u"/home/teacher/classes/kidney-and-lipids-week-3.csv"_s, QString(), QLocale());
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

QWidget* dataEntryWithExample()
{
    // One overview for the whole run, as the switchboard keeps it.
    static auto* overview = new OverviewWindows(dialogs(), qApp);
    overview->showDataEntry();
    QWidget* window = topLevel("frmData");
    QFile file(QStringLiteral(QUARVEX_EXAMPLE_INPUT));
    if (!window || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return nullptr;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#') || line.startsWith(u"Locale="_s))
            continue;
        type(window, line.section(u'=', 0, 0), line.section(u'=', 1));
    }
    return window;
}

// The item with the most steps at level 2 (every step asked), on case 1.
ItemId longestExercise()
{
    ItemId longest = ItemId::CholesterolLevels;
    qsizetype most = 0;
    for (int i = 0; i < ItemCount; ++i) {
        const qsizetype steps = makeExercise(ItemId(i), 1, 2).steps.size();
        if (steps > most) {
            most = steps;
            longest = ItemId(i);
        }
    }
    return longest;
}

QString describe(const QWidget* w)
{
    return QStringLiteral("%1 %2 [%3x%4]")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName())
        .arg(w->width())
        .arg(w->height());
}

// Parts that Qt builds inside its widgets and lays out itself.
bool isInnerPart(const QWidget* w)
{
    for (const QWidget* p = w->parentWidget(); p && !p->isWindow(); p = p->parentWidget()) {
        if (p->inherits("QComboBox") || p->inherits("QAbstractSpinBox") ||
            (p->inherits("QAbstractScrollArea") && !p->inherits("QScrollArea")))
            return true;
    }
    return false;
}

// What does not fit in one window, one line per fault.
QStringList layoutFaults(QWidget* window)
{
    QStringList faults;
    const QRect screen = window->screen()->availableGeometry();
    if (!screen.contains(window->frameGeometry()))
        faults << QStringLiteral("the window (%1x%2) is larger than the screen (%3x%4)")
                      .arg(window->frameGeometry().width())
                      .arg(window->frameGeometry().height())
                      .arg(screen.width())
                      .arg(screen.height());
    if (window->layout() && !window->size().expandedTo(window->minimumSizeHint()).isValid())
        faults << QStringLiteral("the window has no valid size");

    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) || w->isWindow() || isInnerPart(w))
            continue;
        // Squeezed below what it needs.
        // (A widget at its preferred size is never squeezed: a tab bar's
        // minimum leaves room for scroll buttons it does not show then.)
        const QSize minimum = w->minimumSizeHint().boundedTo(w->sizeHint());
        if (minimum.isValid() && !w->inherits("QAbstractScrollArea") &&
            (w->width() < minimum.width() || w->height() < minimum.height()))
            faults << describe(w) + QStringLiteral(" is smaller than its minimum %1x%2")
                                        .arg(minimum.width())
                                        .arg(minimum.height());
        // A label's text, a button's text, a box's text.
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const bool fits = label->wordWrap()
                                  ? label->heightForWidth(label->width()) <= label->height()
                                  : label->sizeHint().width() <= label->width() &&
                                        label->sizeHint().height() <= label->height();
            if (!fits)
                faults << describe(w) + QStringLiteral(" cuts \"%1\"").arg(label->text().left(40));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w);
            button && button->sizeHint().width() > button->width())
            faults << describe(w) + QStringLiteral(" cuts \"%1\"").arg(button->text());
        if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !edit->text().isEmpty()) {
            const int needed = edit->fontMetrics().horizontalAdvance(edit->text()) + 8;
            if (needed > edit->width())
                faults << describe(w) + QStringLiteral(" cuts \"%1\"").arg(edit->text());
        }
        // A horizontal scroll bar only where the screen has no more width to
        // give, and never on the renal screen, which fits 640 logical pixels.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w);
            area && !isInnerPart(w) && area->horizontalScrollBar()->isVisible() &&
            window->objectName() == "frmKidney"_L1)
            faults << describe(w) + QStringLiteral(" scrolls sideways");
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w);
            area && !isInnerPart(w) && area->horizontalScrollBar()->isVisible() &&
            window->width() < roomOnScreen(window).width())
            faults << describe(w) +
                          QStringLiteral(" scrolls sideways while the window could be wider");
        // Inside its parent, which clips what stands out (a scroll area's
        // content may be larger than its view).
        QWidget* parent = w->parentWidget();
        if (parent && !parent->inherits("QScrollArea") &&
            parent->objectName() != QLatin1String("qt_scrollarea_viewport") &&
            !parent->rect().contains(w->geometry()))
            faults << describe(w) + QStringLiteral(" stands out of ") + describe(parent);
        // Over a sibling.
        for (QObject* other : parent ? parent->children() : QObjectList()) {
            auto* sibling = qobject_cast<QWidget*>(other);
            if (!sibling || sibling <= w || !sibling->isVisibleTo(window) || sibling->isWindow())
                continue;
            if (w->geometry().intersects(sibling->geometry()))
                faults << describe(w) + QStringLiteral(" overlaps ") + describe(sibling);
        }
    }
    return faults;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT
    ScopedFakeDialogs m_dialogs;
    QDir m_images;

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        // The default font size of the run: a larger one, as a user may set.
        if (const int points = qEnvironmentVariableIntValue("QUARVEX_TEST_FONT_POINTS")) {
            QFont font = QApplication::font();
            font.setPointSize(points);
            QApplication::setFont(font);
        }
        // The language of the run: German has longer words than English.
        const QString language = qEnvironmentVariable("QUARVEX_TEST_LANGUAGE", u"en"_s);
        QVERIFY2(installLanguage(language), qPrintable(language));
        const QSize screen = QGuiApplication::primaryScreen()->size() *
                             QGuiApplication::primaryScreen()->devicePixelRatio();
        // (to a pixel: 1024 / 1.5 is no whole number)
        QVERIFY2(qAbs(screen.width() - 1280) <= 1 && qAbs(screen.height() - 1024) <= 1,
                 qPrintable(u"%1x%2"_s.arg(screen.width()).arg(screen.height())));
        m_images.setPath(qEnvironmentVariable("QUARVEX_LAYOUT_IMAGES"));
        QVERIFY(m_images.mkpath(QStringLiteral(".")));
    }

    void cleanup()
    {
        delete openWindow<SplashWindow>(); // it would stop closeAllWindows()
        closeEverything();
    }

    void windowsFit_data()
    {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<QString>("name");
        const auto add = [](const char* tag, const char* name, const Opener& open) {
            QTest::addRow("%s", tag) << open << QString::fromLatin1(name);
        };
        add("splash", "frmSplash", [] { return showWindow<SplashWindow>(60000); });
        add("disclaimer", "frmDisclaimer", [] { return showWindow<DisclaimerWindow>(); });
        add("switchboard", "frmSwitchboard", [] { return showWindow<SwitchboardWindow>(); });
        add("about", "frmAbout", [] { return showWindow<AboutWindow>(); });
        add("selector", "frmMain", [] {
            SelectorWindow* selector = openSelector();
            pickCategory(selector, 2);
            clickItem(selector, 11);
            return selector;
        });
        add("explanation, the longest", "frmExplain", [] {
            // The longest in the language of the run.
            const TestItem* longest = &catalogue().front();
            for (const TestItem& entry : catalogue()) {
                if (entry.shownExplanation().size() > longest->shownExplanation().size())
                    longest = &entry;
            }
            SelectorWindow* selector = openSelector();
            pickCategory(selector, longest->category);
            clickItem(selector, longest->position);
            press(selector, "Explain");
            return topLevel("frmExplain");
        });
        // clang-format off
        add("renal screen with a result", "frmKidney", [] {
            return calculated(2, 4, "Age=40 Weight=154 UnitWeight=lbs Gender=Female SerumCreatinine=88.4 UnitSerumCreatinine=umol/L");
        });
        add("renal screen, three ratios", "frmKidney", [] {
            return calculated(2, 8, "SerumCreatinine=1 UnitSerumCreatinine=mg/dL UrineCreatinine=60 UnitUrineCreatinine=mg/dL SerumUrea=15 UnitSerumUrea=mg/dL UrineUrea=600 UnitUrineUrea=mg/dL");
        });
        add("lipid screen with an interpretation", "frmHeart", [] {
            return calculated(0, 0, "Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL LDL=120 UnitLDL=mg/dL");
        });
        add("liver screen, the longest interpretation", "frmLiver", [] {
            return calculated(1, 1, "Albumin=2 UnitAlbumin=g/dL Globulin=4 UnitGlobulin=g/dL");
        });
        // clang-format on
        add("data entry with the example", "frmData", dataEntryWithExample);
        add("list of computable items", "frmList", [] {
            press(dataEntryWithExample(), "OKbutton");
            return topLevel("frmList");
        });
        add("practice", "frmPractice", [] {
            PracticeWindow* window = ensureWindow<PracticeWindow>();
            window->practise(ItemId::CreatinineClearance);
            window->openCase(1);
            return showWindow<PracticeWindow>();
        });
        add("practice, the longest exercise checked", "frmPractice",
            [] { return practiceChecked(longestExercise()); });
        add("worksheet", "frmWorksheet",
            []() -> QWidget* { return showWorksheetDialog(nullptr, ItemId::CreatinineClearance); });
        add("class grades of thirty", "frmClassGrade", classGradesOfThirty);
        add("results of the example", "frmResult", [] {
            press(dataEntryWithExample(), "OKbutton");
            press(topLevel("frmList"), "OKButton");
            return topLevel("frmResult");
        });
    }

    void windowsFit()
    {
        QFETCH(Opener, open);
        QFETCH(QString, name);
        QWidget* window = open();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->objectName(), name);
        QCoreApplication::processEvents();
        QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
        QVERIFY(window->grab().save(m_images.filePath(tag.remove(u',') + u".png"_s)));
        const QStringList faults = layoutFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(u"\n  "_s + faults.join(u"\n  "_s)));
    }

    // The Worked Steps window opens beside the screen it follows, within the
    // screen, and shows the inputs and the first formula without scrolling.
    void workedStepsBesideItsScreen_data()
    {
        QTest::addColumn<int>("category");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("inputs");
        // clang-format off
        QTest::addRow("renal clearance") << 2 << 4 << u"Age=40 Weight=154 UnitWeight=lbs Gender=Female SerumCreatinine=88.4 UnitSerumCreatinine=umol/L"_s;
        QTest::addRow("lipid ratio") << 0 << 1 << u"Gender=Male Chol=180 UnitChol=mg/dL HDL=48 UnitHDL=mg/dL"_s;
        // clang-format on
    }

    void workedStepsBesideItsScreen()
    {
        QFETCH(int, category);
        QFETCH(int, position);
        QFETCH(QString, inputs);
        CalculatorScreen* screen = proceedTo(category, position);
        typeAll(screen, inputs);
        press(screen, "Calculate");
        press(screen, "StepsButton");
        QWidget* steps = topLevel("frmSteps");
        QVERIFY(steps && steps->isVisible());
        QCoreApplication::processEvents();
        const QRect room = steps->screen()->availableGeometry();
        QVERIFY2(room.contains(steps->frameGeometry()), "the steps leave the screen");
        const QRect beside = screen->frameGeometry();
        const bool sideHasRoom = room.right() - beside.right() >= steps->frameGeometry().width() ||
                                 beside.left() - room.left() >= steps->frameGeometry().width();
        if (sideHasRoom) {
            QVERIFY2(!steps->frameGeometry().intersects(beside), "the steps cover their screen");
            QCOMPARE(steps->frameGeometry().top(),
                     std::clamp(beside.top(), room.top(),
                                room.bottom() + 1 - steps->frameGeometry().height()));
        }
        // Beside or not, the screen's result and its buttons stay in sight.
        for (const char* name : {"Calculate", "Result", "Clear", "StepsButton", "PracticeButton"}) {
            auto* w = screen->findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(w, name);
            QVERIFY2(!steps->frameGeometry().intersects(QRect(w->mapToGlobal(QPoint()), w->size())),
                     qPrintable(u"the steps cover "_s + QLatin1String(name)));
        }

        // The first formula's line lies within the view, unscrolled.
        auto* view = steps->findChild<StepsView*>();
        QVERIFY(view);
        QCOMPARE(view->scrollArea()->verticalScrollBar()->value(), 0);
        QTextBrowser* text = view->browser();
        const QTextCursor formula = text->document()->find(u"Formula:"_s);
        QVERIFY(!formula.isNull());
        const QPoint bottom = text->viewport()->mapTo(view->scrollArea()->viewport(),
                                                      text->cursorRect(formula).bottomLeft());
        QVERIFY2(
            bottom.y() <= view->scrollArea()->viewport()->height(),
            qPrintable(u"%1 > %2"_s.arg(bottom.y()).arg(view->scrollArea()->viewport()->height())));
        const QStringList faults = layoutFaults(steps);
        QVERIFY2(faults.isEmpty(), qPrintable(u"\n  "_s + faults.join(u"\n  "_s)));
    }

    // An eGFR exercise at level 2 shows whole step rows without scrolling:
    // at least 8 at scale 1, 5 at 1.5 and 3 at 2 (a 1280x1024 screen of
    // 1280x1024, 853x683 and 640x512 logical pixels), before and after a
    // Check whose feedback runs under every row; the window fits the screen.
    void practiceShowsItsSteps_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addRow("opened") << false;
        QTest::addRow("checked, every answer wrong") << true;
    }

    void practiceShowsItsSteps()
    {
        QFETCH(bool, checked);
        const qreal scale = QGuiApplication::primaryScreen()->devicePixelRatio();
        // A larger default font counts as the scale it is like.
        const qreal font = qEnvironmentVariableIntValue("QUARVEX_TEST_FONT_POINTS") > 0 ? 1.5 : 1.0;
        const int wanted = scale * font >= 2 ? 3 : scale * font >= 1.5 ? 5 : 8;
        PracticeWindow* window = showPractice(ItemId::EgfrCkdEpi);
        window->openCase(1);
        window->setLevel(2);
        QVERIFY(window->exercise().steps.size() > wanted);
        if (checked) {
            for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
                if (edit->objectName().startsWith(u"Answer_"_s) && !edit->isReadOnly())
                    edit->setText(u"1"_s);
            }
            window->check();
        }
        QCoreApplication::processEvents();
        QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
        auto* area = window->findChild<QScrollArea*>(u"StepsArea"_s);
        QVERIFY(area);
        QCOMPARE(area->verticalScrollBar()->value(), 0);
        // A row is seen whole when its prompt, answer, unit and mark (and its
        // feedback, once shown) lie inside the view.
        const QRect view = area->viewport()->rect();
        int whole = 0;
        for (const ExerciseStep& step : window->exercise().steps) {
            bool seen = true;
            for (const QString& part :
                 {u"Prompt_"_s, u"Answer_"_s, u"Unit_"_s, u"Mark_"_s, u"Feedback_"_s}) {
                auto* w = window->findChild<QWidget*>(part + step.id);
                QVERIFY2(w, qPrintable(part + step.id));
                if (w->isVisibleTo(window))
                    seen = seen && view.contains(
                                       QRect(w->mapTo(area->viewport(), QPoint(0, 0)), w->size()));
            }
            if (!seen)
                break;
            ++whole;
        }
        // The figure in the log, and the window beside the others' images.
        qInfo("%d of %d rows whole at %dx%d", whole, int(window->exercise().steps.size()),
              window->width(), window->height());
        QVERIFY(window->grab().save(
            m_images.filePath(checked ? u"practice-egfr-checked.png"_s : u"practice-egfr.png"_s)));
        QVERIFY2(whole >= wanted,
                 qPrintable(u"%1 rows of %2 seen whole at %3x%4, %5 wanted"_s.arg(whole)
                                .arg(window->exercise().steps.size())
                                .arg(window->width())
                                .arg(window->height())
                                .arg(wanted)));
        const QStringList faults = layoutFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(u"\n  "_s + faults.join(u"\n  "_s)));
    }

    // The results window gives the steps pane at least a third of its height.
    void resultsStepsPane()
    {
        press(dataEntryWithExample(), "OKbutton");
        press(topLevel("frmList"), "OKButton");
        auto* results = qobject_cast<ResultsWindow*>(topLevel("frmResult"));
        QVERIFY(results);
        QCoreApplication::processEvents();
        results->grid()->selectRow(3);
        QCoreApplication::processEvents();
        const QList<int> sizes = results->splitter()->sizes();
        QCOMPARE(sizes.size(), 2);
        QVERIFY2(sizes[1] * 3 >= sizes[0] + sizes[1],
                 qPrintable(u"%1 of %2"_s.arg(sizes[1]).arg(sizes[0] + sizes[1])));
        QVERIFY(!results->steps()->pictures().isEmpty());
        // Nothing in the pane squeezed: the pictures keep their height (their
        // bound labels inside) at every scale.
        const QStringList faults = layoutFaults(results);
        QVERIFY2(faults.isEmpty(), qPrintable(u"\n  "_s + faults.join(u"\n  "_s)));
    }

    // An icon inside a field never covers its text: Age 150 with its hint
    // icon reads "150", not "50".
    void iconsKeepTheTextInView()
    {
        QWidget* data = dataEntryWithExample();
        auto* age = data->findChild<QLineEdit*>(u"Age"_s);
        QVERIFY(age);
        age->setFocus();
        type(data, u"Age"_s, u"150"_s);
        QMetaObject::invokeMethod(age, "editingFinished");
        QCoreApplication::processEvents();
        const QAction* hint = age->findChild<QAction*>(u"AgeHint"_s);
        QVERIFY(hint && hint->isVisible());
        // With the cursor at the end the text is not scrolled: the end lies
        // as far from the start as the text is wide.
        age->end(false);
        const int end = age->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        age->home(false);
        const int start = age->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        QCOMPARE(end - start, age->fontMetrics().horizontalAdvance(u"150"_s));
    }

    // As small as the window lets a user (or a window manager) make it.
    void windowsAtTheirMinimum_data() { windowsFit_data(); }

    void windowsAtTheirMinimum()
    {
        QFETCH(Opener, open);
        QWidget* window = open();
        QVERIFY(window && window->isVisible());
        QVERIFY2(!window->minimumSize().isEmpty(), "the window can be shrunk to nothing");
        window->resize(window->minimumSize());
        QCoreApplication::processEvents();
        const QStringList faults = layoutFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(u"\n  "_s + faults.join(u"\n  "_s)));
    }
};

QUARVEX_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
