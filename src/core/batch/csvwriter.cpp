#include "batch/csvwriter.h"

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

} // namespace

void appendCsvField(QByteArray& out, QByteArrayView field, char delimiter)
{
    if (!needsQuotes(field, delimiter)) {
        out.append(field);
        return;
    }
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

void appendCsvField(QByteArray& out, const QString& field, char delimiter)
{
    // Nearly every text is ASCII and needs no quotes: it is copied straight
    // into the output, without a UTF-8 copy of its own, and only when a
    // character says otherwise is the copy taken back.
    const qsizetype start = out.size();
    const qsizetype size = field.size();
    out.resize(start + size);
    char* to = out.data() + start;
    const QChar* text = field.constData();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= 0x80 || c == char16_t(delimiter) || c == u'"' || c == u'\n' || c == u'\r') {
            out.resize(start);
            appendCsvField(out, QByteArrayView(field.toUtf8()), delimiter);
            return;
        }
        to[i] = char(c);
    }
}

} // namespace quarvex
