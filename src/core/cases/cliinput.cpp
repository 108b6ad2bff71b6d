#include "cases/cliinput.h"

#include "analytes/analyte.h"
#include "analytes/findings.h"

#include <QBuffer>

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

QString withoutTrailingBlanks(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && (text.at(end - 1) == u' ' || text.at(end - 1) == u'\t'))
        --end;
    text.truncate(end);
    return text;
}

// One line (without its line end) into the fields.
std::optional<CliInputError> takeLine(const QByteArray& bytes, int lineNo, CliInput& input)
{
    const QString line = QString::fromUtf8(bytes);
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return CliInputError{lineNo,
                             QStringLiteral("expected Name=text, found ") + quotedText(line)};
    const QString name = line.left(eq).trimmed();
    const InputField* field = findField(name);
    if (!field)
        return CliInputError{lineNo, QStringLiteral("unknown field name ") + quotedText(name)};
    if (input.lines.contains(name)) {
        return CliInputError{lineNo, name + QStringLiteral(" was already given on line ") +
                                         QString::number(input.lines.value(name))};
    }
    input.lines.insert(name, lineNo);
    const QString value = line.mid(eq + 1);
    if (field->unit)
        input.fields.setUnit(field->id, withoutTrailingBlanks(value));
    else if (field->id == AnalyteId::Gender)
        input.fields.setValue(field->id, withoutTrailingBlanks(value));
    else
        input.fields.setValue(field->id, value);
    return std::nullopt;
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

std::optional<CliInputError> readCliInput(QIODevice& device, CliInput& input)
{
    QByteArray line;
    int lineNo = 1;
    qint64 total = 0;
    bool afterCr = false; // the last byte ended a line with CR: an LF next belongs to it
    char chunk[16384];
    for (;;) {
        const qint64 got = device.read(chunk, qint64(sizeof chunk));
        if (got < 0)
            return CliInputError{0, device.errorString()};
        if (got == 0)
            break;
        for (qint64 i = 0; i < got; ++i) {
            if (++total > MaxInputBytes) {
                return CliInputError{lineNo, QStringLiteral("the input is larger than ") +
                                                 QString::number(MaxInputBytes) +
                                                 QStringLiteral(" bytes (1 MiB)")};
            }
            const char c = chunk[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\n' || c == '\r') {
                if (auto error = takeLine(line, lineNo, input))
                    return error;
                line.clear();
                ++lineNo;
                continue;
            }
            if (line.size() == MaxLineBytes) {
                return CliInputError{lineNo, QStringLiteral("the line is longer than ") +
                                                 QString::number(MaxLineBytes) +
                                                 QStringLiteral(" bytes")};
            }
            line += c;
        }
    }
    if (!line.isEmpty())
        return takeLine(line, lineNo, input);
    return std::nullopt;
}

std::optional<CliInputError> parseCliInput(const QString& text, CliInput& input)
{
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readCliInput(buffer, input);
}

} // namespace quarvex
