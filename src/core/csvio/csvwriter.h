#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace quarvex {

// The line end of written CSV records.
inline constexpr char CsvLineEnd[] = "\r\n";

// Appends one field of a CSV record as RFC 4180 writes it: in double quotes,
// with every quote inside doubled, when it holds the delimiter, a quote or a
// line break; as it is otherwise.
void appendCsvField(QByteArray& out, QByteArrayView field, char delimiter);
void appendCsvField(QByteArray& out, const QString& field, char delimiter);
// The texts joined by the joiner as one field: the same bytes as the joined
// text would give, without making it.
void appendCsvField(QByteArray& out, const QStringList& parts, QStringView joiner, char delimiter);

// Appends a field whose text came from the input (a case or student name, a
// column passed through), guarded for spreadsheets, which take a cell that
// starts with "=", "+", "-", "@", a tab or a carriage return for a formula:
// such a cell gets a leading apostrophe and double quotes. A control
// character other than tab, line feed and carriage return is written as
// "\xNN". Numbers Quarvex computes go through appendCsvField and stay numbers.
void appendCsvText(QByteArray& out, QByteArrayView utf8, char delimiter);
void appendCsvText(QByteArray& out, const QString& text, char delimiter);

} // namespace quarvex
