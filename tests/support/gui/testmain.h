#pragma once

#include <QApplication>
#include <QLocale>
#include <QtTest>

// Like QTEST_MAIN, on the offscreen platform (with the options the run gives
// it), with the fixed locale every test starts from (US English);
// a test that needs another locale sets QLocale::setDefault itself.
#define QUARVEX_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))       \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
