#include "fakedialogs.h"

namespace quarvex::test {

void FakeDialogs::beep()
{
    m_calls.append({Kind::Beep, {}, MessageIcon::None, {}, {}});
}

void FakeDialogs::message(const QString& text, MessageIcon icon, const QString& title)
{
    m_calls.append({Kind::Message, text, icon, title, {}});
}

QString FakeDialogs::input(const QString& prompt, const QString& title, const QString& defaultText)
{
    m_calls.append({Kind::Input, prompt, MessageIcon::None, title, defaultText});
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}

void FakeDialogs::clear()
{
    m_calls.clear();
    m_answers.clear();
}

int FakeDialogs::beeps() const
{
    int n = 0;
    for (const Call& c : m_calls)
        n += c.kind == Kind::Beep ? 1 : 0;
    return n;
}

QList<FakeDialogs::Call> FakeDialogs::messages() const
{
    QList<Call> out;
    for (const Call& c : m_calls) {
        if (c.kind == Kind::Message)
            out << c;
    }
    return out;
}

QStringList FakeDialogs::trace() const
{
    QStringList out;
    for (const Call& c : m_calls) {
        switch (c.kind) {
        case Kind::Beep:
            out << QStringLiteral("beep");
            break;
        case Kind::Input:
            out << QStringLiteral("input:") + c.title;
            break;
        case Kind::Message: {
            static const char* const names[] = {
                "message:", "information:", "warning:", "critical:"};
            out << QString::fromLatin1(names[int(c.icon)]) + c.text;
            break;
        }
        }
    }
    return out;
}

} // namespace quarvex::test
