#include "climessages.h"

#include <cstdio>

namespace quarvex {

void printErr(const QString& text)
{
    // Texts from the input in a message come quoted, cut short and escaped
    // (shownText); this is the last guard, so that no control character
    // whatever reaches the terminal.
    const QByteArray bytes =
        (QStringLiteral("quarvex-cli: ") + shownPath(text) + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

QString shownPath(const QString& path)
{
    QString out;
    out.reserve(path.size());
    for (QChar c : path) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0))
            out += QStringLiteral("\\x") + QString::number(u, 16).rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

QString inputName(const QString& path)
{
    return path == QLatin1String("-") ? Cli::tr("standard input") : shownPath(path);
}

} // namespace quarvex
