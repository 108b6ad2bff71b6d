#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quarvex {

// The line end of written CSV records.
inline constexpr char CsvLineEnd[] = "\r\n";

// Appends one field of a CSV record as RFC 4180 writes it: in double quotes,
// with every quote inside doubled, when it holds the delimiter, a quote or a
// line break; as it is otherwise.
void appendCsvField(QByteArray& out, QByteArrayView field, char delimiter);
void appendCsvField(QByteArray& out, const QString& field, char delimiter);

} // namespace quarvex
