#pragma once

#include "analytes/fields.h"

#include <QHash>
#include <QStringList>

#include <optional>

class QIODevice;

namespace quarvex {

// One name a command-line input may set: an analyte's value field or, with
// unit set, its unit list.
struct InputField {
    QString name;
    AnalyteId id;
    bool unit;
};

// Every such name, in the order of the analyte table.
const QList<InputField>& inputFields();

// The names a command-line input file may set: the data entry screen's value
// fields ("Age", "Gender", "SerumCreatinine", ...) and unit lists
// ("UnitWeight", "UnitSerumCreatinine", ...), in the order of the analyte table.
QStringList inputFieldNames();

// The most an input may hold, in bytes: the whole input and one line (without
// its line end). Nothing a person types comes near either.
inline constexpr qint64 MaxInputBytes = 1024 * 1024;
inline constexpr qint64 MaxLineBytes = 4096;

// Data entry fields read from "Name=text" lines.
struct CliInput {
    MapFields fields;
    // The line each field name was set on, for messages about it.
    QHash<QString, int> lines;
};

struct CliInputError {
    int line = 0; // 0: the error is about the input as a whole (it could not be read)
    QString message;
};

// Reads "Name=text" lines from a device, line by line, stopping at the first
// bad line. LF, CR LF and a lone CR each end a line. The text after the first
// "=" is taken as typed, except that blanks and tabs at the end of a unit or
// Gender text are dropped (they cannot be seen); blank lines and lines
// starting with "#" are skipped. An unknown name, a line without "=", a name
// given twice, a line over MaxLineBytes or an input over MaxInputBytes is an
// error naming the line.
std::optional<CliInputError> readCliInput(QIODevice& device, CliInput& input);

// The same over a text held in memory.
std::optional<CliInputError> parseCliInput(const QString& text, CliInput& input);

} // namespace quarvex
