#include "app/frmabout.h"
#include "app/frmdisclaimer.h"
#include "app/frmsplash.h"
#include "app/frmswitchboard.h"
#include "app/startup.h"
#include "app/windows.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "testmain.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>

using namespace quarvex;
using quarvex::test::ModalGuard;
using quarvex::test::ScopedFakeDialogs;

using Opener = std::function<QWidget*()>;
Q_DECLARE_METATYPE(Opener)

namespace {

// The object names of the visible top-level windows, sorted.
QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            names << w->objectName();
    }
    names.sort();
    return names;
}

QAbstractButton* control(QWidget* window, const char* name)
{
    return window->findChild<QAbstractButton*>(QLatin1String(name));
}

// Notes the windows as they are shown, and counts the moments at which the
// last visible window went away: each one would end the program.
class WindowLog : public QObject
{
public:
    WindowLog() { qApp->installEventFilter(this); }
    ~WindowLog() override { qApp->removeEventFilter(this); }
    QStringList shown;
    int emptied = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Show)
            shown << widget->objectName();
        if (event->type() == QEvent::Hide && visibleWindows().isEmpty())
            ++emptied;
        return false;
    }
};

// Runs the application's event loop as the program does, after step, until the
// program ends by itself; returns false if it had not ended after five seconds.
bool programEnds(const std::function<void()>& step)
{
    QTimer timeout;
    timeout.callOnTimeout(qApp, [] { QCoreApplication::exit(99); });
    timeout.start(5000);
    QTimer::singleShot(0, qApp, step);
    return QApplication::exec() == 0;
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_dialogs->clear(); }
    void cleanup();

    void startupLeadsToSwitchboard();
    void splashIgnoresInput_data();
    void splashIgnoresInput();
    void disclaimerExitEndsProgram();
    void switchboardOpens_data();
    void switchboardOpens();
    void switchboardExitLeavesOthersOpen();
    void oneInstancePerWindow();
    void texts_data();
    void texts();
    void sysInfo_data();
    void sysInfo();

private:
    ScopedFakeDialogs m_dialogs;
};

void TestShell::cleanup()
{
    QApplication::closeAllWindows();
    // The splash screen refuses to close before its timer: take it away.
    if (SplashWindow* splash = openWindow<SplashWindow>())
        delete splash;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(visibleWindows().isEmpty());
}

void TestShell::startupLeadsToSwitchboard()
{
    ModalGuard guard;
    WindowLog log;
    modStartup(50);
    QTRY_COMPARE(visibleWindows(), QStringList{QStringLiteral("frmDisclaimer")});
    QVERIFY(!openWindow<SplashWindow>());

    control(openWindow<DisclaimerWindow>(), "CommandButton0")->click();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmSwitchboard")});
    QVERIFY(!openWindow<DisclaimerWindow>());
    QCOMPARE(log.shown, (QStringList{QStringLiteral("frmSplash"), QStringLiteral("frmDisclaimer"),
                                     QStringLiteral("frmSwitchboard")}));
    // The next window always opens before the last one closes.
    QCOMPARE(log.emptied, 0);
    QVERIFY(m_dialogs->calls().isEmpty());
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestShell::splashIgnoresInput_data()
{
    QTest::addColumn<std::function<void(QWidget*)>>("input");
    using Input = std::function<void(QWidget*)>;
    QTest::addRow("click") << Input([](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); });
    QTest::addRow("Escape") << Input([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    QTest::addRow("close request") << Input([](QWidget* w) { QVERIFY(!w->close()); });
}

void TestShell::splashIgnoresInput()
{
    QFETCH(std::function<void(QWidget*)>, input);
    ModalGuard guard;
    SplashWindow* splash = showWindow<SplashWindow>(60000);
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    input(splash);
    QTest::qWait(20);
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmSplash")});
    QCOMPARE(openWindow<SplashWindow>(), splash);
    QVERIFY(splash->timer()->isActive());
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestShell::disclaimerExitEndsProgram()
{
    ModalGuard guard;
    DisclaimerWindow* disclaimer = showWindow<DisclaimerWindow>();
    QVERIFY(programEnds([disclaimer] { control(disclaimer, "CommandButton1")->click(); }));
    QVERIFY(visibleWindows().isEmpty());
    QVERIFY(!openWindow<SwitchboardWindow>());
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestShell::switchboardOpens_data()
{
    QTest::addColumn<QString>("option"); // clicked before OK; empty: none
    QTest::addColumn<QString>("window");
    QTest::addRow("options untouched: selector") << ""
                                                 << "frmMain";
    QTest::addRow("Comprehensive Overview: data entry") << "Option2"
                                                        << "frmData";
}

void TestShell::switchboardOpens()
{
    QFETCH(QString, option);
    QFETCH(QString, window);
    ModalGuard guard;
    SwitchboardWindow* switchboard = showWindow<SwitchboardWindow>();
    if (!option.isEmpty())
        switchboard->findChild<QRadioButton*>(option)->click();
    control(switchboard, "OKButton")->click();
    QCOMPARE(visibleWindows(), (QStringList{window, QStringLiteral("frmSwitchboard")}));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestShell::switchboardExitLeavesOthersOpen()
{
    ModalGuard guard;
    SwitchboardWindow* switchboard = showWindow<SwitchboardWindow>();
    control(switchboard, "OKButton")->click();
    control(switchboard, "AboutButton")->click();

    QStringList afterExit;
    QVERIFY(programEnds([&] {
        control(switchboard, "ExitButton")->click();
        QTimer::singleShot(50, qApp, [&] {
            afterExit = visibleWindows();
            QApplication::closeAllWindows();
        });
    }));
    QCOMPARE(afterExit, (QStringList{QStringLiteral("frmAbout"), QStringLiteral("frmMain")}));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestShell::oneInstancePerWindow()
{
    // Through the window mechanism and through a button; once closed, a window opens afresh.
    ModalGuard guard;
    SwitchboardWindow* switchboard = showWindow<SwitchboardWindow>();
    QCOMPARE(showWindow<SwitchboardWindow>(), switchboard);
    const QStringList both{QStringLiteral("frmAbout"), QStringLiteral("frmSwitchboard")};
    for (int i = 0; i < 2; ++i)
        control(switchboard, "AboutButton")->click();
    QCOMPARE(visibleWindows(), both);
    openWindow<AboutWindow>()->close();
    QCOMPARE(visibleWindows(), QStringList{QStringLiteral("frmSwitchboard")});
    control(switchboard, "AboutButton")->click();
    QCOMPARE(visibleWindows(), both);
    QUARVEX_VERIFY_NO_MODAL(guard);
}

void TestShell::texts_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    const Opener splash = [] { return showWindow<SplashWindow>(60000); };
    const Opener about = [] { return showWindow<AboutWindow>(); };
    QTest::addRow("splash version") << splash << "lblVersion"
                                    << "Version 2.0.1";
    QTest::addRow("splash platform") << splash << "lblPlatform"
                                     << "Windows 32-bit";
    QTest::addRow("about version") << about << "lblVersion"
                                   << "Version 2.0.1";
    // Shown with line feeds for its CRs, the double space kept.
    QTest::addRow("disclaimer")
        << Opener([] { return showWindow<DisclaimerWindow>(); }) << "Label"
        << "This software is intended only for educational and personal use. It is not intended "
           "for making clinical decisions pertaining to diagnosis, care, or management. "
           "Outcomes may vary with other sources and are impacted by newer developments in "
           "diagnostics and therapeutics. These should be validated prior to use.\n\n Although "
           "every attempt has been made to provide the latest algorithms possible and to ensure "
           "the accuracy of calculations, the author of this software is not liable for the "
           "results generated. Likewise, while every effort has been made to make sure this "
           "program won't interfere with the normal functioning of the underlying operating "
           "system and other programs running, the author of this software won't be responsible "
           "for any problems that may occur either directly or indirectly as a result of  "
           "running this program.";
}

void TestShell::texts()
{
    QFETCH(Opener, open);
    QFETCH(QString, control);
    QFETCH(QString, text);
    auto* label = open()->findChild<QLabel*>(control);
    QVERIFY2(label, qPrintable(control));
    QCOMPARE(label->text(), text);
}

void TestShell::sysInfo_data()
{
    QTest::addColumn<QByteArray>("script"); // the one program on the PATH; empty: none
    QTest::addColumn<bool>("starts");
    QTest::addRow("no program on the PATH") << QByteArray() << false;
    QTest::addRow("program cannot start") << QByteArray("#!/nonexistent/interpreter\n") << false;
    QTest::addRow("program starts") << QByteArray("#!/bin/sh\n: > \"${0%/*}/started\"\n") << true;
}

void TestShell::sysInfo()
{
    QFETCH(QByteArray, script);
    QFETCH(bool, starts);
    ModalGuard guard;
    QTemporaryDir dir;
    if (!script.isEmpty()) {
        QFile tool(dir.filePath(QStringLiteral("hardinfo")));
        QVERIFY(tool.open(QIODevice::WriteOnly) && tool.write(script) == script.size());
        tool.setPermissions(tool.permissions() | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()));
    control(showWindow<AboutWindow>(), "cmdSysInfo")->click();
    qputenv("PATH", path);

    if (starts)
        QTRY_VERIFY(QFile::exists(dir.filePath(QStringLiteral("started"))));
    QCOMPARE(m_dialogs->trace(),
             starts ? QStringList()
                    : QStringList{QStringLiteral(
                          "message:System Information Is Unavailable At This Time")});
    if (!starts)
        QCOMPARE(m_dialogs->messages().first().title, QStringLiteral("Quarvex"));
    QUARVEX_VERIFY_NO_MODAL(guard);
}

QUARVEX_TEST_MAIN(TestShell)
#include "tst_shell.moc"
