#pragma once

#include "overview/cliinput.h"

#include <QFile>

namespace quarvex::test {

inline QStringList strs(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out << QString::fromUtf8(text);
    return out;
}

// Fields from "Name=text" lines, the quarvex-cli input format.
inline MapFields fieldsFrom(const QStringList& lines)
{
    CliInput input;
    if (const auto error = parseCliInput(lines.join(QLatin1Char('\n')), input))
        qFatal("bad test input on line %d", error->line);
    return input.fields;
}

inline QString exampleInputText()
{
    QFile file(QStringLiteral(QUARVEX_EXAMPLE_INPUT));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The example input file: a full, valid set of fields.
inline MapFields exampleFields()
{
    return fieldsFrom(exampleInputText().split(QLatin1Char('\n')));
}

} // namespace quarvex::test
