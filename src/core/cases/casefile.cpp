#include "cases/casefile.h"

#include "analytes/analyte.h"
#include "analytes/findings.h"
#include "analytes/number.h"
#include "calc/formula.h"
#include "cases/fieldtext.h"
#include "overview/export.h"

#include <QBuffer>
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace quarvex {

namespace {

// An error from its source text (marked in CaseFileContext), with its
// arguments filled in one pass: a name or a line may hold "%1".
const char* const NotUtf8 = QT_TRANSLATE_NOOP("quarvex::CaseFile", "not UTF-8 text");

CaseFileError error(int line, const char* source, const QString& a = {}, const QString& b = {})
{
    const auto fill = [&](QString format) {
        if (!format.contains(QLatin1String("%1")))
            return format;
        return format.contains(QLatin1String("%2")) ? format.arg(a, b) : format.arg(a);
    };
    return {line, fill(QString::fromUtf8(source)),
            fill(QCoreApplication::translate(CaseFileContext, source))};
}

const InputField* findField(const QString& name)
{
    for (const InputField& f : inputFields()) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

// A "Locale=" line: a locale name as localeNamed takes it.
std::optional<CaseFileError> takeLocale(const QString& name, int lineNo, CaseInput& input)
{
    if (input.locale) {
        //: A line name of the case file ("Locale"), not translated.
        return error(lineNo, QT_TRANSLATE_NOOP("quarvex::CaseFile", "%1 was already given"),
                     QLatin1String(LocaleLineName));
    }
    const std::optional<QLocale> locale = localeNamed(name);
    if (!locale)
        return error(lineNo, QT_TRANSLATE_NOOP("quarvex::CaseFile", "unknown locale %1"),
                     quotedText(name));
    input.locale = *locale;
    return std::nullopt;
}

// One line (without its line end) into the fields.
std::optional<CaseFileError> takeLine(const QByteArray& bytes, int lineNo, CaseInput& input)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString line = decoder(bytes);
    if (decoder.hasError())
        return error(lineNo, NotUtf8);
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
        return std::nullopt;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        //: "Name=text" shows the form of a line; it stays as it is.
        return error(lineNo, QT_TRANSLATE_NOOP("quarvex::CaseFile", "expected Name=text, found %1"),
                     quotedText(line));
    const QString name = line.left(eq).trimmed();
    if (name == QLatin1String(LocaleLineName))
        return takeLocale(line.mid(eq + 1).trimmed(), lineNo, input);
    const InputField* field = findField(name);
    if (!field)
        return error(lineNo, QT_TRANSLATE_NOOP("quarvex::CaseFile", "unknown field name %1"),
                     quotedText(name));
    if (input.lines.contains(name)) {
        //: A field name ("SerumCreatinine"), not translated, and a line number.
        return error(lineNo,
                     QT_TRANSLATE_NOOP("quarvex::CaseFile", "%1 was already given on line %2"),
                     name, QString::number(input.lines.value(name)));
    }
    input.lines.insert(name, lineNo);
    const QString value = typedText(field->id, field->unit, line.mid(eq + 1));
    if (field->unit)
        input.fields.setUnit(field->id, value);
    else
        input.fields.setValue(field->id, value);
    return std::nullopt;
}

// The lines of the bytes, each without its ending (LF, CR LF or CR).
QList<QByteArrayView> splitLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '\n' && c != '\r')
            continue;
        lines << bytes.sliced(start, i - start);
        if (c == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines << bytes.sliced(start);
    return lines;
}

QString oneLine(const QString& text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

} // namespace

std::optional<QLocale> localeNamed(const QString& name)
{
    if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QLocale::c();
    // Parts by "_" or "-": a language of two or three small letters, then
    // maybe a script of a capital and three small letters, then maybe a
    // territory of two capitals or three digits. Read by hand: a regular
    // expression may fail to match where memory is short.
    const QStringList parts = QString(name).replace(u'-', u'_').split(u'_');
    const auto all = [](QStringView part, qsizetype size, auto test) {
        return part.size() == size && std::all_of(part.begin(), part.end(), test);
    };
    const auto lower = [](QChar c) { return c >= u'a' && c <= u'z'; };
    const auto upper = [](QChar c) { return c >= u'A' && c <= u'Z'; };
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    QString language, script, territory;
    qsizetype next = 1;
    language = parts.front();
    if (!all(language, 2, lower) && !all(language, 3, lower))
        return std::nullopt;
    if (next < parts.size() && parts[next].size() == 4 && upper(parts[next].front()) &&
        all(QStringView(parts[next]).sliced(1), 3, lower))
        script = parts[next++];
    if (next < parts.size() && (all(parts[next], 2, upper) || all(parts[next], 3, digit)))
        territory = parts[next++];
    if (next != parts.size())
        return std::nullopt;
    const QLocale locale(name);
    if (locale.language() == QLocale::C || QLocale::languageToCode(locale.language()) != language)
        return std::nullopt;
    if (!script.isEmpty() && QLocale::scriptToCode(locale.script()) != script)
        return std::nullopt;
    if (!territory.isEmpty() && QLocale::territoryToCode(locale.territory()) != territory)
        return std::nullopt;
    return locale;
}

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

std::optional<CaseFileError> readCaseInput(QIODevice& device, CaseInput& input)
{
    QByteArray line;
    int lineNo = 1;
    qint64 total = 0;
    bool afterCr = false; // the last byte ended a line with CR: an LF next belongs to it
    char chunk[16384];
    for (;;) {
        const qint64 got = device.read(chunk, qint64(sizeof chunk));
        if (got < 0)
            return CaseFileError{0, device.errorString()};
        if (got == 0)
            break;
        for (qint64 i = 0; i < got; ++i) {
            if (++total > MaxInputBytes) {
                return error(lineNo,
                             QT_TRANSLATE_NOOP("quarvex::CaseFile",
                                               "the input is larger than %1 bytes (1 MiB)"),
                             QString::number(MaxInputBytes));
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
                return error(
                    lineNo,
                    QT_TRANSLATE_NOOP("quarvex::CaseFile", "the line is longer than %1 bytes"),
                    QString::number(MaxLineBytes));
            }
            line += c;
        }
    }
    if (!line.isEmpty())
        return takeLine(line, lineNo, input);
    return std::nullopt;
}

std::optional<CaseFileError> parseCaseText(const QString& text, CaseInput& input)
{
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return readCaseInput(buffer, input);
}

std::optional<CaseFileError> parseCase(const QByteArray& bytes, CaseInput& input)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringList lines;
    for (QByteArrayView line : splitLines(view)) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        lines << decoder(line);
        if (decoder.hasError())
            return error(int(lines.size()), NotUtf8);
    }
    CaseInput parsed;
    if (auto error = parseCaseText(lines.join(QLatin1Char('\n')), parsed))
        return error;
    input = std::move(parsed);
    return std::nullopt;
}

std::optional<CaseFileError> readCaseFile(const QString& path, CaseInput& input)
{
    // Checked before opening: opening a FIFO waits for a writer, for good.
    const QFileInfo info(path);
    if (info.isDir())
        //: Follows the file's path.
        return error(0, QT_TRANSLATE_NOOP("quarvex::CaseFile", "is a folder, not a case file"));
    if (info.exists() && !info.isFile())
        return error(0, QT_TRANSLATE_NOOP("quarvex::CaseFile",
                                          "is not a regular file (a device or a pipe), not a "
                                          "case file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CaseFileError{0, file.errorString()};
    // Read one byte more than a case may have, so that an endless device
    // (or a file growing meanwhile) is still caught.
    const QByteArray bytes = file.read(MaxCaseFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return CaseFileError{0, file.errorString()};
    if (bytes.size() > MaxCaseFileSize) {
        return error(0,
                     QT_TRANSLATE_NOOP("quarvex::CaseFile",
                                       "is larger than %1 KiB, too large for a case file"),
                     QString::number(MaxCaseFileSize / 1024));
    }
    return parseCase(bytes, input);
}

void takeNumbersInto(CaseInput& input, const QLocale& reader)
{
    if (!input.locale)
        return;
    const QLocale written = *input.locale;
    input.locale = reader;
    if (written.decimalPoint() == reader.decimalPoint() &&
        written.groupSeparator() == reader.groupSeparator())
        return;
    for (const InputField& field : inputFields()) {
        if (field.unit || field.id == AnalyteId::Gender || !input.lines.contains(field.name))
            continue;
        const QString text = input.fields.value(field.id);
        const std::optional<double> value = readNumber(text, written);
        if (!value)
            continue;
        // The digits as typed ("1.0" becomes "1,0", not "1"), the reader's
        // separator in place of the writer's, as long as that reads the same.
        QString same = text;
        same.replace(written.decimalPoint(), reader.decimalPoint());
        const std::optional<double> again = readNumber(same, reader);
        input.fields.setValue(field.id,
                              again && *again == *value ? same : shortestNumber(*value, reader));
    }
}

QByteArray caseBytes(const Fields& fields, std::span<const AnalyteId> order, const QDate& date,
                     const QLocale& locale)
{
    QByteArray out = "# Quarvex case, saved on ";
    out += date.toString(Qt::ISODate).toLatin1();
    out += '\n';
    out += LocaleLineName;
    out += '=';
    out += locale.name().toLatin1();
    out += '\n';
    auto line = [&out](const QString& name, const QString& text) {
        if (text.isEmpty())
            return;
        out += name.toUtf8();
        out += '=';
        out += oneLine(text).toUtf8();
        out += '\n';
    };
    for (AnalyteId id : order) {
        const Analyte& a = analyte(id);
        line(a.fieldName(), fields.value(id));
        if (a.unitKind == UnitKind::List)
            line(a.unitFieldName(), fields.unit(id));
    }
    return out;
}

std::optional<QString> saveCaseFile(const QString& path, const Fields& fields,
                                    std::span<const AnalyteId> order, const QDate& date,
                                    const QLocale& locale)
{
    return saveBytes(path, caseBytes(fields, order, date, locale));
}

} // namespace quarvex
