#include "csvio/csvwriter.h"

#include <QStringEncoder>

#include <span>

namespace quarvex {

namespace {

bool needsQuotes(QByteArrayView field, char delimiter)
{
    for (char c : field) {
        if (c == delimiter || c == '"' || c == '\n' || c == '\r')
            return true;
    }
    return false;
}

bool isFormulaStart(char16_t c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// A control character that a cell shows escaped: C0 but tab, line feed and
// carriage return, DEL and C1.
bool isEscapedControl(char16_t c)
{
    return (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') || (c >= 0x7f && c < 0xa0);
}

void appendQuoted(QByteArray& out, QByteArrayView field)
{
    out.append('"');
    qsizetype start = 0;
    for (qsizetype quote = field.indexOf('"'); quote >= 0; quote = field.indexOf('"', start)) {
        out.append(field.sliced(start, quote + 1 - start));
        out.append('"');
        start = quote + 1;
    }
    out.append(field.sliced(start));
    out.append('"');
}

} // namespace

void appendCsvField(QByteArray& out, QByteArrayView field, char delimiter)
{
    if (!needsQuotes(field, delimiter)) {
        out.append(field);
        return;
    }
    appendQuoted(out, field);
}

namespace {

// What a text holds, as far as writing it as a field goes. One pass with no
// early exit, so that it vectorises.
struct Scan {
    unsigned all = 0;    // every character or-ed: 0x80 or more is beyond ASCII
    unsigned quotes = 0; // a double quote
    unsigned breaks = 0; // the delimiter or a line break: the field is quoted

    void add(QStringView text, char16_t separator)
    {
        // Sixteen-bit lanes throughout, as wide as the characters.
        const char16_t* c = text.utf16();
        char16_t ored = 0, quote = 0, broken = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t u = c[i];
            ored |= u;
            quote |= char16_t(u == u'"');
            broken |=
                char16_t(char16_t(u == separator) | char16_t(u == u'\n') | char16_t(u == u'\r'));
        }
        all |= ored;
        quotes |= quote;
        breaks |= broken;
    }
    // Copied character by character, no UTF-8 and no doubled quotes needed.
    bool plain() const { return all < 0x80 && quotes == 0; }
};

char16_t separatorOf(char delimiter)
{
    return char16_t(static_cast<unsigned char>(delimiter));
}

// The ASCII text into bytes. The two never overlap: saying so lets the
// copy vectorise.
char* narrow(char* to, QStringView text)
{
    char* __restrict out = to;
    const char16_t* __restrict c = text.utf16();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = char(c[i]);
    return to + size;
}

// Writes the parts, joined by the joiner, as one field beyond ASCII without
// quotes of its own: encoded straight into the output.
void appendEncoded(QByteArray& out, std::span<const QString> parts, QStringView joiner, bool quoted)
{
    QStringEncoder encoder(QStringEncoder::Utf8);
    const auto add = [&out, &encoder](QStringView text) {
        const qsizetype start = out.size();
        out.resize(start + encoder.requiredSpace(text.size()));
        char* end = encoder.appendToBuffer(out.data() + start, text);
        out.truncate(end - out.constData());
    };
    if (quoted)
        out.append('"');
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            add(joiner);
        add(parts[i]);
    }
    if (quoted)
        out.append('"');
}

// The parts joined by the joiner as one field. Nearly every text is ASCII
// without quotes: it is copied straight into the output, without a joined
// or UTF-8 copy of its own. Only text beyond ASCII or with quotes of its own
// takes the way over UTF-8.
void appendJoined(QByteArray& out, std::span<const QString> parts, QStringView joiner,
                  char delimiter)
{
    Scan scan;
    qsizetype size = 0;
    for (const QString& part : parts) {
        scan.add(part, separatorOf(delimiter));
        size += part.size();
    }
    if (parts.size() > 1) {
        scan.add(joiner, separatorOf(delimiter));
        size += joiner.size() * qsizetype(parts.size() - 1);
    }
    if (scan.quotes != 0) {
        QString joined;
        for (size_t i = 0; i < parts.size(); ++i)
            joined += i > 0 ? joiner.toString() + parts[i] : parts[i];
        appendCsvField(out, QByteArrayView(joined.toUtf8()), delimiter);
        return;
    }
    if (!scan.plain()) {
        appendEncoded(out, parts, joiner, scan.breaks != 0);
        return;
    }
    const qsizetype start = out.size();
    const qsizetype quote = scan.breaks != 0 ? 1 : 0;
    out.resize(start + size + 2 * quote);
    char* to = out.data() + start;
    if (quote != 0) {
        to[0] = '"';
        to[size + 1] = '"';
    }
    to += quote;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            to = narrow(to, joiner);
        to = narrow(to, parts[i]);
    }
}

} // namespace

void appendCsvField(QByteArray& out, const QString& field, char delimiter)
{
    appendJoined(out, std::span<const QString>(&field, 1), {}, delimiter);
}

void appendCsvField(QByteArray& out, const QStringList& parts, QStringView joiner, char delimiter)
{
    appendJoined(out, std::span<const QString>(parts.constData(), size_t(parts.size())), joiner,
                 delimiter);
}

void appendCsvText(QByteArray& out, QByteArrayView utf8, char delimiter)
{
    // Most names are plain ASCII text: written as they are.
    bool plain = utf8.isEmpty() || !isFormulaStart(char16_t(static_cast<unsigned char>(utf8[0])));
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7f)
            plain = plain && (u == '\t' || u == '\n' || u == '\r');
    }
    if (plain)
        appendCsvField(out, utf8, delimiter);
    else
        appendCsvText(out, QString::fromUtf8(utf8), delimiter);
}

void appendCsvText(QByteArray& out, const QString& text, char delimiter)
{
    const bool formula = !text.isEmpty() && isFormulaStart(text.front().unicode());
    QString shown;
    shown.reserve(text.size() + 1);
    if (formula)
        shown += QLatin1Char('\'');
    for (QChar c : text) {
        if (isEscapedControl(c.unicode()))
            shown +=
                QStringLiteral("\\x") + QString::number(c.unicode(), 16).rightJustified(2, u'0');
        else
            shown += c;
    }
    if (formula)
        appendQuoted(out, QByteArrayView(shown.toUtf8()));
    else
        appendCsvField(out, shown, delimiter);
}

} // namespace quarvex
