#include "csvio/csvwriter.h"

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

void appendCsvField(QByteArray& out, const QString& field, char delimiter)
{
    // Nearly every text is ASCII without quotes: it is copied straight into
    // the output, without a UTF-8 copy of its own. One pass notes what the
    // text holds and another copies it, both without an early exit, so that
    // they vectorise. Only text beyond ASCII or with quotes of its own takes
    // the way over UTF-8.
    const qsizetype size = field.size();
    const char16_t* text = reinterpret_cast<const char16_t*>(field.constData());
    const char16_t separator = char16_t(static_cast<unsigned char>(delimiter));
    unsigned all = 0;
    unsigned quotes = 0;
    unsigned breaks = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const unsigned c = text[i];
        all |= c;
        quotes |= unsigned(c == u'"');
        breaks |= unsigned(c == separator) | unsigned(c == u'\n') | unsigned(c == u'\r');
    }
    if (all >= 0x80 || quotes != 0) {
        appendCsvField(out, QByteArrayView(field.toUtf8()), delimiter);
        return;
    }
    const qsizetype start = out.size();
    const qsizetype quote = breaks != 0 ? 1 : 0;
    out.resize(start + size + 2 * quote);
    char* to = out.data() + start;
    if (quote != 0) {
        to[0] = '"';
        to[size + 1] = '"';
    }
    to += quote;
    for (qsizetype i = 0; i < size; ++i)
        to[i] = char(text[i]);
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
