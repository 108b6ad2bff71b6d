#pragma once

#include <QStringList>
#include <QTimer>

namespace quarvex::test {

// Watches for modal dialogs that a test did not route through the fake
// dialogs. Any such dialog is noted and closed at once, so the test fails
// with its text instead of hanging on it.
class ModalGuard
{
public:
    ModalGuard();
    // The texts (window titles) of the dialogs closed so far; empty when none appeared.
    QStringList caught() const { return m_caught; }
    void reset() { m_caught.clear(); }

private:
    QTimer m_timer;
    QStringList m_caught;
};

} // namespace quarvex::test

// Fails the current test function if an unexpected modal dialog appeared.
#define QUARVEX_VERIFY_NO_MODAL(guard)                                                             \
    QVERIFY2((guard).caught().isEmpty(), qPrintable(QStringLiteral("unexpected modal dialog: ") +  \
                                                    (guard).caught().join(QStringLiteral(" | "))))
