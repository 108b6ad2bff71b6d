#pragma once

#include <QApplication>
#include <QLocale>
#include <QtTest>

// Like QTEST_MAIN, with the fixed locale every test starts from (US English);
// a test that needs another locale sets QLocale::setDefault itself.
#define QUARVEX_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                   \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
