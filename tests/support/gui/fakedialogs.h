#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace quarvex::test {

// Records every beep, message box, input box, question, file dialog and print
// dialog in order. Each kind is answered from its own script; when a script
// runs out: input boxes and file dialogs as Cancel, yes/no questions Yes,
// Save/Discard/Cancel Discard, Clear/Cancel the action, the print dialog
// Cancel. Those defaults let a test that does not care go on as if no
// question had been asked.
class FakeDialogs final : public Dialogs
{
public:
    enum class Kind { Beep, Message, Input, Question, SaveQuestion, Confirm, File, Print };
    struct Call {
        Kind kind;
        QString text; // message text or input prompt
        MessageIcon icon = MessageIcon::None;
        QString title;
        QString defaultText; // input boxes; the path a file dialog starts at
        QString detail;      // a message box's detail text
    };

    void beep() override { m_calls.append({Kind::Beep, {}, MessageIcon::None, {}, {}, {}}); }
    void message(const QString& text, MessageIcon icon, const QString& title) override
    {
        m_calls.append({Kind::Message, text, icon, title, {}, {}});
    }
    void detailedMessage(const QString& text, const QString& detail, MessageIcon icon,
                         const QString& title) override
    {
        m_calls.append({Kind::Message, text, icon, title, {}, detail});
    }
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        m_calls.append({Kind::Input, prompt, MessageIcon::None, title, defaultText, {}});
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }
    bool question(const QString& text, const QString& title) override
    {
        m_calls.append({Kind::Question, text, MessageIcon::None, title, {}, {}});
        return m_yesNo.isEmpty() || m_yesNo.takeFirst();
    }
    SaveChoice askToSave(const QString& text, const QString& title) override
    {
        m_calls.append({Kind::SaveQuestion, text, MessageIcon::None, title, {}, {}});
        return m_saveChoices.isEmpty() ? SaveChoice::Discard : m_saveChoices.takeFirst();
    }
    bool confirm(const QString& text, const QString& title, const QString& action) override
    {
        m_calls.append({Kind::Confirm, text, MessageIcon::None, title, action, {}});
        return m_confirms.isEmpty() || m_confirms.takeFirst();
    }
    QString fileName(FileDialogMode mode, const QString& title, const QString& path,
                     const QString& filter) override
    {
        m_calls.append({Kind::File, filter, MessageIcon::None, title, path, {}});
        m_fileModes << mode;
        return m_files.isEmpty() ? QString() : m_files.takeFirst();
    }
    bool choosePrinter(QPrinter& printer) override
    {
        m_calls.append({Kind::Print, {}, MessageIcon::None, {}, {}, {}});
        const bool print = !m_prints.isEmpty() && m_prints.takeFirst();
        if (print && m_setUpPrinter)
            m_setUpPrinter(printer);
        return print;
    }

    void answerInputWith(const QString& text) { m_answers << text; }
    void answerQuestionWith(bool yes) { m_yesNo << yes; }
    void answerSaveWith(SaveChoice choice) { m_saveChoices << choice; }
    void answerConfirmWith(bool action) { m_confirms << action; }
    // The path a file dialog chooses; an empty one cancels it.
    void answerFileWith(const QString& path) { m_files << path; }
    // The next print dialog prints, after setup has set up the printer (a
    // test points it at a PDF file).
    void answerPrintWith(std::function<void(QPrinter&)> setup)
    {
        m_prints << true;
        m_setUpPrinter = std::move(setup);
    }
    void answerPrintWithCancel() { m_prints << false; }
    const QList<FileDialogMode>& fileModes() const { return m_fileModes; }
    void clear()
    {
        m_calls.clear();
        m_answers.clear();
        m_yesNo.clear();
        m_saveChoices.clear();
        m_confirms.clear();
        m_files.clear();
        m_fileModes.clear();
        m_prints.clear();
        m_setUpPrinter = nullptr;
    }

    const QList<Call>& calls() const { return m_calls; }
    int beeps() const { return int(trace().count(QStringLiteral("beep"))); }
    QList<Call> messages() const;
    // A compact trace for QCOMPARE: "beep", "critical:<text>", "warning:<text>",
    // "information:<text>", "message:<text>", "input:<title>", "question:<text>",
    // "save?:<text>", "confirm:<text>", "file:<title>", "print".
    QStringList trace() const;

private:
    QList<Call> m_calls;
    QStringList m_answers;
    QList<bool> m_yesNo;
    QList<SaveChoice> m_saveChoices;
    QList<bool> m_confirms;
    QStringList m_files;
    QList<FileDialogMode> m_fileModes;
    QList<bool> m_prints;
    std::function<void(QPrinter&)> m_setUpPrinter;
};

// Installs a FakeDialogs as the program's dialogs for the life of the object.
class ScopedFakeDialogs
{
public:
    ScopedFakeDialogs() { setDialogs(&m_fake); }
    ~ScopedFakeDialogs() { setDialogs(nullptr); }
    FakeDialogs* operator->() { return &m_fake; }
    FakeDialogs& operator*() { return m_fake; }

private:
    FakeDialogs m_fake;
};

} // namespace quarvex::test
