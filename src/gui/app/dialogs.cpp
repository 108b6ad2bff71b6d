#include "app/dialogs.h"

#include <QCoreApplication>

#include <QStringList>
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

void ErrMsg(Dialogs& dialogs, const QList<Finding>& findings)
{
    dialogs.beep();
    const QString text = QCoreApplication::translate("quarvex::Dialogs", "Data entry incomplete");
    if (findings.isEmpty()) {
        dialogs.message(text, MessageIcon::Warning);
        return;
    }
    QStringList reasons;
    QStringList unread;
    for (const Finding& finding : findings) {
        reasons << finding.shownText();
        if (alertFor(finding).box)
            unread << finding.shownText();
    }
    dialogs.detailedMessage(
        unread.isEmpty() ? text : text + QStringLiteral("\r\r") + unread.join(QLatin1Char('\r')),
        reasons.join(QLatin1Char('\n')), MessageIcon::Warning);
}

void playFindings(const QList<Finding>& findings, Dialogs& dialogs, bool boxes)
{
    QStringList unread;
    for (const Finding& finding : findings) {
        const FindingAlert alert = alertFor(finding);
        if (alert.beep)
            dialogs.beep();
        if (alert.box && !unread.contains(finding.shownText()))
            unread << finding.shownText();
    }
    if (boxes && !unread.isEmpty())
        dialogs.message(unread.join(QLatin1Char('\r')), MessageIcon::Critical);
}

} // namespace quarvex
