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
    for (const Call& c : m_calls) {
        switch (c.kind) {
        case Kind::Beep:
            out << QStringLiteral("beep");
            break;
        case Kind::Message:
            out << QString::fromLatin1(icons[int(c.icon)]) + c.text;
            break;
        case Kind::Input:
            out << QStringLiteral("input:") + c.title;
            break;
        case Kind::Question:
            out << QStringLiteral("question:") + c.text;
            break;
        case Kind::SaveQuestion:
            out << QStringLiteral("save?:") + c.text;
            break;
        case Kind::Confirm:
            out << QStringLiteral("confirm:") + c.text;
            break;
        case Kind::File:
            out << QStringLiteral("file:") + c.title;
            break;
        case Kind::Print:
            out << QStringLiteral("print");
            break;
        }
    }
    return out;
}

} // namespace quarvex::test
