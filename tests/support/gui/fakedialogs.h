#pragma once

#include "app/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quarvex::test {

// Records every beep, message box and input box in order; input boxes are
// answered from a script (an empty answer, like Cancel, when it runs out).
class FakeDialogs final : public Dialogs
{
public:
    enum class Kind { Beep, Message, Input };
    struct Call {
        Kind kind;
        QString text; // message text or input prompt
        MessageIcon icon = MessageIcon::None;
        QString title;
        QString defaultText; // input boxes
    };

    void beep() override { m_calls.append({Kind::Beep, {}, MessageIcon::None, {}, {}}); }
    void message(const QString& text, MessageIcon icon, const QString& title) override
    {
        m_calls.append({Kind::Message, text, icon, title, {}});
    }
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        m_calls.append({Kind::Input, prompt, MessageIcon::None, title, defaultText});
        return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
    }

    void answerInputWith(const QString& text) { m_answers << text; }
    void clear()
    {
        m_calls.clear();
        m_answers.clear();
    }

    const QList<Call>& calls() const { return m_calls; }
    int beeps() const { return int(trace().count(QStringLiteral("beep"))); }
    QList<Call> messages() const;
    // A compact trace for QCOMPARE: "beep", "critical:<text>", "warning:<text>",
    // "information:<text>", "message:<text>", "input:<title>".
    QStringList trace() const;

private:
    QList<Call> m_calls;
    QStringList m_answers;
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
