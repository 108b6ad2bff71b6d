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
    appendCsvField(out, QByteArrayView(field.toUtf8()), delimiter);
}

} // namespace quarvex
