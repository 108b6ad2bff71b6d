#include "app/dialogs.h"

#include <QtGlobal>

namespace quarvex {

namespace {
Dialogs* g_dialogs = nullptr;
}

Dialogs& dialogs()
{
    Q_ASSERT_X(g_dialogs, "quarvex::dialogs", "no dialogs set");
    return *g_dialogs;
}

void setDialogs(Dialogs* dialogs)
{
    g_dialogs = dialogs;
}

void ErrMsg(Dialogs& dialogs)
{
    dialogs.beep();
    dialogs.message(QStringLiteral("Data entry incomplete"), MessageIcon::Warning);
}

void playFindings(const QList<Finding>& findings, Dialogs& dialogs)
{
    for (const Finding& finding : findings) {
        const FindingAlert alert = alertFor(finding);
        if (alert.beep)
            dialogs.beep();
        if (alert.box)
            dialogs.message(finding.text, MessageIcon::Critical);
    }
}

} // namespace quarvex
