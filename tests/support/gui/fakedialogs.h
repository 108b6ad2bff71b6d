#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quarvex::test {

// Records every beep, message box, input box and question in order; input
// boxes are answered from a script (an empty answer, like Cancel, when it runs
// out), questions from another (Yes, when it runs out).
class FakeDialogs final : public Dialogs
{
public:
    enum class Kind { Beep, Message, Input, Question };
    struct Call {
        Kind kind;
        QString text; // message text or input prompt
        MessageIcon icon = MessageIcon::None;
        QString title;
        QString defaultText; // input boxes
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

    void answerInputWith(const QString& text) { m_answers << text; }
    void answerQuestionWith(bool yes) { m_yesNo << yes; }
    void clear()
    {
        m_calls.clear();
        m_answers.clear();
        m_yesNo.clear();
    }

    const QList<Call>& calls() const { return m_calls; }
    int beeps() const { return int(trace().count(QStringLiteral("beep"))); }
    QList<Call> messages() const;
    // A compact trace for QCOMPARE: "beep", "critical:<text>", "warning:<text>",
    // "information:<text>", "message:<text>", "input:<title>", "question:<text>".
    QStringList trace() const;

private:
    QList<Call> m_calls;
    QStringList m_answers;
    QList<bool> m_yesNo;
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
