#pragma once

#include "analytes/fields.h"

#include <QHash>
#include <QStringList>

#include <optional>

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

// Data entry fields read from "Name=text" lines.
struct CliInput {
    MapFields fields;
    // The line each field name was set on, for messages about it.
    QHash<QString, int> lines;
};

struct CliInputError {
    int line = 0;
    QString message;
};

// Reads "Name=text" lines: the text after the first "=" is taken as typed
// (only the line ending is dropped); blank lines and lines starting with "#"
// are skipped; an unknown name, a line without "=" or a name given twice is an
// error naming the line.
std::optional<CliInputError> parseCliInput(const QString& text, CliInput& input);

} // namespace quarvex
