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
#include "fakedialogs.h"
#include "overview/overviewwindows.h"
#include "quickdriver.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>

#include <functional>

using namespace quarvex;
using namespace quarvex::test;
using namespace Qt::StringLiterals;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {

// Types the example panel of the overview into the data entry window.
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
            SelectorWindow* selector = openSelector();
            pickCategory(selector, 2);
            clickItem(selector, 0);
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
