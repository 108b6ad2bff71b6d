#include "app/dialogs.h"

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
    const QString text = QStringLiteral("Data entry incomplete");
    if (findings.isEmpty()) {
        dialogs.message(text, MessageIcon::Warning);
        return;
    }
    QStringList reasons;
    for (const Finding& finding : findings)
        reasons << finding.text;
    dialogs.detailedMessage(text, reasons.join(QLatin1Char('\n')), MessageIcon::Warning);
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
