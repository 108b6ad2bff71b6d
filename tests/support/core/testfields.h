#pragma once

// Fields, locales and files for tests: fields from the text forms a test
// writes them in, the example input, the two locales most tests use, whole
// files, and an environment variable set for a while.

#include "analytes/analyte.h"
#include "analytes/fields.h"
#include "cases/casefile.h"

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QMetaType>
#include <QString>
#include <QtGlobal>

namespace quarvex::test {

inline const QLocale English(QLocale::English, QLocale::UnitedStates);
inline const QLocale German(QLocale::German, QLocale::Germany);

// The bytes of a file; empty when it cannot be read.
inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Fields from "Name=text" lines, the format of a case and of quarvex-cli's input.
inline MapFields fieldsFrom(const QByteArray& lines)
{
    CaseInput input;
    if (const auto error = parseCase(lines, input))
        qFatal("bad test input on line %d", error->line);
    return input.fields;
}

// "Age=40; Weight=70 kg": each value field by its name, then its unit text
// after the first blank.
inline MapFields F(const QString& entries)
{
    MapFields fields;
    for (const QString& entry : entries.split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.trimmed().section(u'=', 0, 0);
        const QString rest = entry.trimmed().section(u'=', 1);
        const qsizetype blank = rest.indexOf(u' ');
        const Analyte* field = nullptr;
        for (const Analyte& a : analytes()) {
            if (a.fieldName() == name)
                field = &a;
        }
        if (!field)
            qFatal("no field %s", qPrintable(name));
        fields.set(field->id, rest.left(blank), blank < 0 ? QString() : rest.mid(blank + 1));
    }
    return fields;
}

#ifdef QUARVEX_EXAMPLE_INPUT
// The example input: every field of a full, valid case.
inline MapFields exampleFields()
{
    return fieldsFrom(readFile(QStringLiteral(QUARVEX_EXAMPLE_INPUT)));
}
#endif

// Sets an environment variable for the life of the object.
struct ScopedEnvironment {
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name(name)
        , old(qgetenv(name))
        , had(qEnvironmentVariableIsSet(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (had)
            qputenv(name, old);
        else
            qunsetenv(name);
    }
    const char* name;
    QByteArray old;
    bool had;
};

} // namespace quarvex::test

Q_DECLARE_METATYPE(quarvex::MapFields)
