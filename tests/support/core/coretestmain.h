#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QtTest>

// The main of a core test: a QCoreApplication only (no display, no widgets)
// and the fixed locale every test starts from (US English); a test that
// needs another locale sets QLocale::setDefault itself.
#define QUARVEX_CORE_TEST_MAIN(TestObject)                                                         \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                     \
        QCoreApplication app(argc, argv);                                                          \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
