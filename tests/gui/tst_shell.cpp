#include "app/frmabout.h"
#include "app/frmdisclaimer.h"
#include "app/frmsplash.h"
#include "app/frmswitchboard.h"
#include "app/startup.h"
#include "app/windows.h"
#include "fakedialogs.h"
#include "modalguard.h"
#include "quickdriver.h"
#include "testmain.h"

#include <QFile>
#include <QRadioButton>
#include <QSysInfo>
#include <QTemporaryDir>

#include <functional>

using namespace quarvex;
using namespace Qt::StringLiterals;
using namespace quarvex::test;

namespace {

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
    ScopedFakeDialogs m_dialogs;
    ModalGuard m_guard;

private Q_SLOTS:
    void init()
    {
        m_dialogs->clear();
        m_guard.reset();
    }
    void cleanup()
    {
        // The splash screen refuses to close before its timer, and would stop
        // closeAllWindows() from closing the rest: take it away first.
        delete openWindow<SplashWindow>();
        QApplication::closeAllWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibleWindows(), QStringList());
        QUARVEX_VERIFY_NO_MODAL(m_guard);
    }

    void startupLeadsToSwitchboard()
    {
        // Runs as the program does: it must not end while one window follows another.
        QStringList seen;
        int emptied = 0;
        connect(qApp, &QGuiApplication::lastWindowClosed, this, [&] { ++emptied; });
        QTimer::singleShot(0, qApp, [&] {
            modStartup(50);
            seen << visibleWindows();
        });
        QTimer later; // a timer that ends with this test
        later.setSingleShot(true);
        later.callOnTimeout(qApp, [&] {
            seen << visibleWindows();
            if (DisclaimerWindow* disclaimer = openWindow<DisclaimerWindow>())
                press(disclaimer, "CommandButton0");
            seen << visibleWindows();
            QCoreApplication::exit(7);
        });
        later.start(500);
        QCOMPARE(QApplication::exec(), 7);
        disconnect(qApp, &QGuiApplication::lastWindowClosed, this, nullptr);
        QCOMPARE(emptied, 0);
        QCOMPARE(seen, (QStringList{u"frmSplash"_s, u"frmDisclaimer"_s, u"frmSwitchboard"_s}));
        QVERIFY(!openWindow<SplashWindow>() && !openWindow<DisclaimerWindow>());
        QVERIFY(m_dialogs->calls().isEmpty());
    }

    void splashIgnoresInput()
    {
        SplashWindow* splash = showWindow<SplashWindow>(60000);
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QTest::mouseClick(splash, Qt::LeftButton);
        QTest::keyClick(splash, Qt::Key_Escape);
        QVERIFY(!splash->close());
        QTest::qWait(20);
        QCOMPARE(visibleWindows(), QStringList{u"frmSplash"_s});
        QCOMPARE(openWindow<SplashWindow>(), splash);
        QVERIFY(splash->timer()->isActive());
    }

    void disclaimerExitEndsProgram()
    {
        DisclaimerWindow* disclaimer = showWindow<DisclaimerWindow>();
        QVERIFY(programEnds([disclaimer] { press(disclaimer, "CommandButton1"); }));
        QVERIFY(visibleWindows().isEmpty());
        QVERIFY(!openWindow<SwitchboardWindow>());
    }

    void switchboardOpens_data()
    {
        QTest::addColumn<QString>("option"); // clicked before OK; empty: none
        QTest::addColumn<QString>("window");
        QTest::addRow("untouched: selector") << QString() << u"frmMain"_s;
        QTest::addRow("Comprehensive Overview: data entry") << u"Option2"_s << u"frmData"_s;
    }

    void switchboardOpens()
    {
        QFETCH(QString, option);
        QFETCH(QString, window);
        SwitchboardWindow* switchboard = showWindow<SwitchboardWindow>();
        if (!option.isEmpty())
            switchboard->findChild<QRadioButton*>(option)->click();
        press(switchboard, "OKButton");
        QCOMPARE(visibleWindows(), (QStringList{window, u"frmSwitchboard"_s}));
    }

    void switchboardExitLeavesOthersOpen()
    {
        SwitchboardWindow* switchboard = showWindow<SwitchboardWindow>();
        press(switchboard, "OKButton");
        press(switchboard, "AboutButton");
        QStringList afterExit;
        QVERIFY(programEnds([&] {
            press(switchboard, "ExitButton");
            QTimer::singleShot(50, qApp, [&] {
                afterExit = visibleWindows();
                QApplication::closeAllWindows();
            });
        }));
        QCOMPARE(afterExit, (QStringList{u"frmAbout"_s, u"frmMain"_s}));
    }

    void oneInstancePerWindow()
    {
        // Through the window mechanism and through a button; once closed, a window opens afresh.
        SwitchboardWindow* switchboard = showWindow<SwitchboardWindow>();
        QCOMPARE(showWindow<SwitchboardWindow>(), switchboard);
        const QStringList both{u"frmAbout"_s, u"frmSwitchboard"_s};
        for (int i = 0; i < 2; ++i)
            press(switchboard, "AboutButton");
        QCOMPARE(visibleWindows(), both);
        openWindow<AboutWindow>()->close();
        press(switchboard, "AboutButton");
        QCOMPARE(visibleWindows(), both);
    }

    void platform_data()
    {
        QTest::addColumn<QString>("kernel");
        QTest::addColumn<int>("bits");
        QTest::addColumn<QString>("shown");
        QTest::addRow("Linux, 64 bits") << u"linux"_s << 64 << u"Linux 64-bit"_s;
        QTest::addRow("macOS, 32 bits") << u"darwin"_s << 32 << u"macOS 32-bit"_s;
        QTest::addRow("a kernel without a known name") << u"haiku"_s << 64 << u"Haiku 64-bit"_s;
        QTest::addRow("no kernel type") << QString() << 64 << u"Unknown system 64-bit"_s;
    }

    void platform()
    {
        QFETCH(QString, kernel);
        QFETCH(int, bits);
        QFETCH(QString, shown);
        QCOMPARE(platformText(kernel, bits), shown);
    }

    void texts()
    {
        const QString version = u"Version 2.0.1"_s;
        QCOMPARE(text(showWindow<SplashWindow>(60000), "lblVersion"), version);
#if defined(Q_OS_LINUX) && Q_PROCESSOR_WORDSIZE == 8
        QCOMPARE(text(showWindow<SplashWindow>(60000), "lblPlatform"), u"Linux 64-bit"_s);
#endif
        QCOMPARE(text(showWindow<AboutWindow>(), "lblVersion"), version);
        // Shown with line feeds for its CRs, the double space kept.
        const QString disclaimer = text(showWindow<DisclaimerWindow>(), "Label");
        QVERIFY(disclaimer.startsWith(u"This software is intended only for educational"_s));
        QVERIFY(disclaimer.contains(u"validated prior to use.\n\n Although every attempt"_s));
        QVERIFY(disclaimer.endsWith(u"as a result of  running this program."_s));
        QVERIFY(!disclaimer.contains(u'\r'));
    }

    void sysInfo_data()
    {
        QTest::addColumn<QByteArray>("script"); // the one program on the PATH; empty: none
        QTest::addColumn<bool>("starts");
        QTest::addRow("no program on the PATH") << QByteArray() << false;
        QTest::addRow("program cannot start")
            << QByteArray("#!/nonexistent/interpreter\n") << false;
        QTest::addRow("program starts")
            << QByteArray("#!/bin/sh\n: > \"${0%/*}/started\"\n") << true;
    }

    void sysInfo()
    {
        QFETCH(QByteArray, script);
        QFETCH(bool, starts);
        QTemporaryDir dir;
        if (!script.isEmpty()) {
            QFile tool(dir.filePath(u"hardinfo"_s));
            QVERIFY(tool.open(QIODevice::WriteOnly) && tool.write(script) == script.size());
            tool.setPermissions(tool.permissions() | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        press(showWindow<AboutWindow>(), "cmdSysInfo");
        qputenv("PATH", path);
        if (starts)
            QTRY_VERIFY(QFile::exists(dir.filePath(u"started"_s)));
        if (starts) {
            QCOMPARE(m_dialogs->trace(), QStringList());
            return;
        }
        // Without a program, the box tells what the program itself knows.
        QCOMPARE(m_dialogs->messages().size(), 1);
        const QString text = m_dialogs->messages().first().text;
        QCOMPARE(m_dialogs->messages().first().title, u"System Information"_s);
        QVERIFY2(text.contains(QString::fromLatin1(qVersion())), qPrintable(text));
        QVERIFY2(text.contains(QSysInfo::prettyProductName()), qPrintable(text));
        const QSize pixels = QGuiApplication::primaryScreen()->size() *
                             QGuiApplication::primaryScreen()->devicePixelRatio();
        QVERIFY2(text.contains(u"%1 x %2 pixels"_s.arg(pixels.width()).arg(pixels.height())),
                 qPrintable(text));
        QVERIFY(!text.contains(u"Unavailable"_s));
    }
};

QUARVEX_TEST_MAIN(TestShell)
#include "tst_shell.moc"
