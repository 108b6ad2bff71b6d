#pragma once

#include "analytes/findings.h"

#include <QList>
#include <QString>

namespace quarvex {

// The application title, the caption of every message box without one of its own.
inline constexpr const char* AppTitle = "Quarvex";

enum class MessageIcon { None, Information, Warning, Critical };

// Every beep, message box and input box of the program goes through this
// interface: the desktop program shows real dialogs, tests record the calls.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    virtual void beep() = 0;
    // A modal message box with a single OK button.
    virtual void message(const QString& text, MessageIcon icon = MessageIcon::None,
                         const QString& title = QString::fromLatin1(AppTitle)) = 0;
    // A modal message box whose detail text (one reason a line) shows below
    // the text on request. Dialogs that have no detail area show the text alone.
    virtual void detailedMessage(const QString& text, const QString& detail, MessageIcon icon,
                                 const QString& title = QString::fromLatin1(AppTitle))
    {
        Q_UNUSED(detail);
        message(text, icon, title);
    }
    // A modal input box; returns the typed text, or an empty text on Cancel.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultText) = 0;
    // A modal question with Yes and No, No the default button; true for Yes.
    // Dialogs that cannot ask answer No, so nothing that needs a Yes happens.
    virtual bool question(const QString& /*text*/, const QString& /*title*/) { return false; }
};

// The dialogs in use by the program; set once at start-up (tests set a recorder).
Dialogs& dialogs();
void setDialogs(Dialogs* dialogs);

// "Data entry incomplete": a beep, then the warning box; the findings' texts,
// one a line, are its detail text.
void ErrMsg(Dialogs& dialogs, const QList<Finding>& findings = {});

// Announces the findings of one item's checks, in order, as alertFor says:
// a beep, and for a value that could not be read, a critical box with the
// finding's text.
void playFindings(const QList<Finding>& findings, Dialogs& dialogs);

} // namespace quarvex
