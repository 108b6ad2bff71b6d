#include "fakedialogs.h"

namespace quarvex::test {

QList<FakeDialogs::Call> FakeDialogs::messages() const
{
    QList<Call> out;
    for (const Call& c : m_calls)
        if (c.kind == Kind::Message)
            out << c;
    return out;
}

QStringList FakeDialogs::trace() const
{
    static const char* const icons[] = {"message:", "information:", "warning:", "critical:"};
    QStringList out;
    for (const Call& c : m_calls)
        out << (c.kind == Kind::Beep       ? QStringLiteral("beep")
                : c.kind == Kind::Input    ? QStringLiteral("input:") + c.title
                : c.kind == Kind::Question ? QStringLiteral("question:") + c.text
                                           : QString::fromLatin1(icons[int(c.icon)]) + c.text);
    return out;
}

} // namespace quarvex::test
