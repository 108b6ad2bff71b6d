#pragma once

#include "analytes/findings.h"

#include <QList>
#include <QString>

class QPrinter;

namespace quarvex {

// The application title, the caption of every message box without one of its own.
inline constexpr const char* AppTitle = "Quarvex";

enum class MessageIcon { None, Information, Warning, Critical };

// The answers to a question about changes that are not saved.
enum class SaveChoice { Save, Discard, Cancel };

// What a file dialog chooses a file for.
enum class FileDialogMode { Open, Save };

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
    // A modal question with Save, Discard and Cancel; Save is the default
    // button, Escape answers Cancel. Dialogs that cannot ask answer Cancel, so
    // nothing is lost.
    virtual SaveChoice askToSave(const QString& /*text*/, const QString& /*title*/)
    {
        return SaveChoice::Cancel;
    }
    // A modal question with a button named action and Cancel, the default;
    // true for the action. Dialogs that cannot ask answer Cancel.
    virtual bool confirm(const QString& /*text*/, const QString& /*title*/,
                         const QString& /*action*/)
    {
        return false;
    }
    // A modal file dialog for a file of the filter's kind ("Quarvex cases
    // (*.quarvex)"), starting at path: a folder, or a file to propose. Returns
    // the chosen path, or an empty text on Cancel. When saving, a name without
    // a suffix gets the filter's, and replacing a file that exists is
    // confirmed in the dialog.
    virtual QString fileName(FileDialogMode /*mode*/, const QString& /*title*/,
                             const QString& /*path*/, const QString& /*filter*/)
    {
        return {};
    }
    // The modal print dialog for printer; true to print with what was chosen in it.
    virtual bool choosePrinter(QPrinter& /*printer*/) { return false; }
};

// The dialogs in use by the program; set once at start-up (tests set a recorder).
Dialogs& dialogs();
void setDialogs(Dialogs* dialogs);

// "Data entry incomplete": a beep, then the warning box; the findings' texts,
// one a line, are its detail text. A value that could not be read is named
// in the box itself ("AST: "abc" is not a number. …"), so one box says it all.
void ErrMsg(Dialogs& dialogs, const QList<Finding>& findings = {});

// Announces findings, in order, as alertFor says: a beep for each that beeps,
// then, with boxes, one critical box naming every value that could not be
// read (each once, however many items it stopped). Without boxes it only
// beeps, for a caller whose own box names them (ErrMsg).
void playFindings(const QList<Finding>& findings, Dialogs& dialogs, bool boxes = true);

} // namespace quarvex
