#include "cases/cliinput.h"

#include "analytes/analyte.h"

namespace quarvex {

namespace {

const InputField* findField(const QString& name)
{
    for (const InputField& f : inputFields()) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

} // namespace

const QList<InputField>& inputFields()
{
    static const QList<InputField> fields = [] {
        QList<InputField> out;
        for (const Analyte& a : analytes()) {
            out.append({a.fieldName(), a.id, false});
            if (a.unitKind == UnitKind::List)
                out.append({a.unitFieldName(), a.id, true});
        }
        return out;
    }();
    return fields;
}

QStringList inputFieldNames()
{
    QStringList names;
    for (const InputField& f : inputFields())
        names << f.name;
    return names;
}

std::optional<CliInputError> parseCliInput(const QString& text, CliInput& input)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = int(i) + 1;
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            return CliInputError{lineNo,
                                 QStringLiteral("expected Name=text, found \"%1\"").arg(line)};
        const QString name = line.left(eq).trimmed();
        const InputField* field = findField(name);
        if (!field)
            return CliInputError{lineNo, QStringLiteral("unknown field name \"%1\"").arg(name)};
        if (input.lines.contains(name)) {
            return CliInputError{lineNo, QStringLiteral("%1 was already given on line %2")
                                             .arg(name)
                                             .arg(input.lines.value(name))};
        }
        input.lines.insert(name, lineNo);
        const QString value = line.mid(eq + 1);
        if (field->unit)
            input.fields.setUnit(field->id, value);
        else
            input.fields.setValue(field->id, value);
    }
    return std::nullopt;
}

} // namespace quarvex
