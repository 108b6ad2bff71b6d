#pragma once

#include "fakedialogs.h"
#include "quickdriver.h"

#include <QApplication>
#include <QObject>

namespace quarvex::test {

// The fixture of tests that work the calculator screens: every test function
// starts with fresh fake dialogs installed and ends with every window closed
// and destroyed. A test class derives from it and adds its own test slots.
class ScreenFixture : public QObject
{
    Q_OBJECT
protected:
    FakeDialogs m_fake;

protected Q_SLOTS:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init()
    {
        m_fake.clear();
        setDialogs(&m_fake);
    }
    void cleanup()
    {
        closeEverything();
        setDialogs(nullptr);
    }
};

} // namespace quarvex::test
