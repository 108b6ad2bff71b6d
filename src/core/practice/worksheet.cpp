#include "practice/worksheet.h"

#include "csvio/csvwriter.h"
#include "practice/exercisecode.h"
#include "practice/itemkeys.h"
#include "practice/practicejson.h"
#include "practice/prng.h"

#include <QCoreApplication>
#include <QFileDevice>
#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace quarvex {

namespace {

// A problem with a sheet's settings or file, in the language installed.
QString sheetText(const char* text)
{
    return QCoreApplication::translate("quarvex::Worksheet", text);
}

// FNV-1a of the item's stable id: the same number whatever order the items
// are declared in.
quint64 fnv1a(QByteArrayView bytes)
{
    quint64 hash = 0xcbf29ce484222325ULL;
    for (char c : bytes) {
        hash ^= quint64(static_cast<unsigned char>(c));
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

quint64 keyHash(ItemId item)
{
    return fnv1a(itemKey(item).toLatin1());
}

} // namespace

quint64 worksheetExerciseSeed(quint64 seed, int version, ItemId item, int index)
{
    quint64 state = seed;
    quint64 mixed = PracticeRandom::splitmix64(state);
    for (const quint64 part : {quint64(version), keyHash(item), quint64(index)}) {
        state = mixed ^ part;
        mixed = PracticeRandom::splitmix64(state);
    }
    return mixed & MaxPracticeSeed;
}

QString worksheetSettingsProblem(const WorksheetSettings& s)
{
    if (s.items.isEmpty())
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "choose at least one item"));
    if (QSet<ItemId>(s.items.begin(), s.items.end()).size() != s.items.size())
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "each item can be chosen once"));
    if (s.count < 1 || s.count > MaxWorksheetCount)
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                           "the number of exercises per item must be from 1 to %1"))
            .arg(MaxWorksheetCount);
    if (s.versions < 1 || s.versions > MaxWorksheetVersions)
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                           "the number of versions must be from 1 to %1"))
            .arg(MaxWorksheetVersions);
    if (s.level < 1 || s.level > PracticeLevels)
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "the level must be 1, 2 or 3"));
    if (s.seed > MaxPracticeSeed)
        return sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                           "the seed must be a whole number from 0 to %1"))
            .arg(MaxPracticeSeed);
    for (ItemId item : s.items) {
        if (const QString problem = scenarioProblem(item, s.scenarios); !problem.isEmpty())
            return problem;
    }
    return {};
}

namespace {

WorksheetVersion makeVersion(const WorksheetSettings& settings, int v, const QLocale& locale)
{
    WorksheetVersion version;
    version.number = v;
    for (ItemId item : settings.items) {
        for (int i = 0; i < settings.count; ++i) {
            version.exercises << makeExercise(
                item, worksheetExerciseSeed(settings.seed, v, item, i), settings.level,
                std::nullopt, locale, settings.scenarios);
        }
    }
    return version;
}

} // namespace

Worksheet makeWorksheet(const WorksheetSettings& settings, const QLocale& locale)
{
    Worksheet sheet;
    sheet.settings = settings;
    for (int v = 1; v <= settings.versions; ++v)
        sheet.versions << makeVersion(settings, v, locale);
    return sheet;
}

namespace {

// One version's exercises, and its answers, as the document holds them.
QJsonObject versionJson(const WorksheetVersion& v, const QString& sheetId)
{
    QJsonArray exercises;
    for (qsizetype n = 0; n < v.exercises.size(); ++n) {
        QJsonObject exercise = exerciseJson(v.exercises[n], false);
        exercise[QStringLiteral("code")] = worksheetExerciseCode(sheetId, v.number, int(n));
        exercises << exercise;
    }
    return QJsonObject{{QStringLiteral("version"), v.number},
                       {QStringLiteral("exercises"), exercises}};
}

QJsonObject answersJson(const WorksheetVersion& v, const QString& sheetId,
                        const QStringList& scenarios)
{
    QJsonArray keys;
    for (qsizetype n = 0; n < v.exercises.size(); ++n) {
        const Exercise& ex = v.exercises[n];
        // The expected values as --practice --answers writes them.
        const QJsonArray steps = exerciseJson(ex, true)[QStringLiteral("steps")].toArray();
        QJsonObject expected;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            if (!ex.steps[i].given)
                expected[ex.steps[i].id] = steps[i][QStringLiteral("expected")];
        }
        keys << QJsonObject{
            {QStringLiteral("code"), worksheetExerciseCode(sheetId, v.number, int(n))},
            {QStringLiteral("item"), itemKey(ex.item)},
            {QStringLiteral("seed"), QJsonValue(qint64(ex.seed))},
            {QStringLiteral("level"), ex.level},
            {QStringLiteral("generator"), GeneratorVersion},
            {QStringLiteral("expected"), expected}};
        if (!scenarios.isEmpty()) {
            QJsonObject key = keys.last().toObject();
            key[QStringLiteral("scenarios")] = QJsonArray::fromStringList(scenarios);
            keys.last() = key;
        }
    }
    return QJsonObject{{QStringLiteral("version"), v.number}, {QStringLiteral("exercises"), keys}};
}

// What the document holds besides the versions and answers.
QJsonObject settingsJson(const WorksheetSettings& s)
{
    QJsonArray items;
    for (ItemId item : s.items)
        items << itemKey(item);
    QJsonObject root{
        {QStringLiteral("sheet"), worksheetId(s)},
        {QStringLiteral("title"), s.title},
        {QStringLiteral("seed"), QJsonValue(qint64(s.seed))},
        {QStringLiteral("level"), s.level},
        {QStringLiteral("count"), s.count},
        {QStringLiteral("items"), items},
        {QStringLiteral("generator"), GeneratorVersion},
    };
    if (!s.scenarios.isEmpty())
        root[QStringLiteral("scenarios")] = QJsonArray::fromStringList(s.scenarios);
    return root;
}

// An object as an indented document writes it at a depth: its lines shifted
// right, without the last line end.
QByteArray nested(const QJsonObject& object, qsizetype depth)
{
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    const QByteArray indent(depth * 4, ' ');
    QByteArray out;
    out.reserve(text.size() + text.count('\n') * indent.size());
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf('\n', start);
        const qsizetype stop = end < 0 ? text.size() : end;
        if (start > 0)
            out.append('\n');
        out.append(indent);
        out.append(text.constData() + start, stop - start);
        start = stop + 1;
    }
    return out;
}

bool writeAll(QIODevice& device, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 n = device.write(bytes.data(), bytes.size());
        if (n <= 0)
            return false;
        bytes = bytes.sliced(n);
    }
    return true;
}

} // namespace

QJsonObject worksheetJson(const Worksheet& sheet)
{
    const QString id = worksheetId(sheet.settings);
    QJsonArray versions, answers;
    for (const WorksheetVersion& v : sheet.versions) {
        versions << versionJson(v, id);
        answers << answersJson(v, id, sheet.settings.scenarios);
    }
    QJsonObject root = settingsJson(sheet.settings);
    root[QStringLiteral("versions")] = versions;
    root[QStringLiteral("answers")] = answers;
    return root;
}

bool writeWorksheetJson(const WorksheetSettings& settings, const QLocale& locale, QIODevice& device)
{
    // The keys of a JSON object come in order: "answers", then the settings
    // ("count" to "title"), then "versions". Each version is made once: its
    // answers are written at once and its exercises kept, compressed (to
    // about a tenth), until the answers of every version are out.
    const QString id = worksheetId(settings);
    std::vector<QByteArray> versions;
    versions.reserve(size_t(settings.versions));
    if (!writeAll(device, "{\n    \"answers\": [\n"))
        return false;
    for (int v = 1; v <= settings.versions; ++v) {
        const WorksheetVersion version = makeVersion(settings, v, locale);
        const QByteArray end = v < settings.versions ? ",\n" : "\n";
        if (!writeAll(device, nested(answersJson(version, id, settings.scenarios), 2) + end))
            return false;
        versions.push_back(qCompress(nested(versionJson(version, id), 2) + end, 1));
        if (versions.back().isEmpty()) // zlib's memory ran out
            throw std::bad_alloc();
    }
    QByteArray middle = QJsonDocument(settingsJson(settings)).toJson(QJsonDocument::Indented);
    // Without its braces: "    \"count\": 1,\n" to the title's line.
    middle = middle.sliced(2, middle.size() - 5);
    if (!writeAll(device, "    ],\n" + middle + ",\n    \"versions\": [\n"))
        return false;
    for (QByteArray& version : versions) {
        const QByteArray text = qUncompress(version);
        if (text.isEmpty())
            throw std::bad_alloc();
        if (!writeAll(device, text))
            return false;
        version = QByteArray();
    }
    return writeAll(device, "    ]\n}\n");
}

QString worksheetId(const WorksheetSettings& s)
{
    // A text that names every setting in a fixed form; a new setting that
    // changes the exercises joins it.
    QByteArray text = "quarvex-worksheet/1;items=";
    for (ItemId item : s.items)
        text += itemKey(item).toLatin1() + ',';
    text += ";count=" + QByteArray::number(s.count) + ";level=" + QByteArray::number(s.level) +
            ";versions=" + QByteArray::number(s.versions) + ";seed=" + QByteArray::number(s.seed);
    if (!s.scenarios.isEmpty())
        text += ";scenarios=" + s.scenarios.join(QLatin1Char(',')).toUtf8();
    return sheetIdFromHash(fnv1a(text));
}

QString worksheetExerciseCode(const QString& sheetId, int version, int index)
{
    return exerciseCode(ExerciseCode{sheetId, version, index + 1});
}

QString worksheetExerciseCode(const WorksheetSettings& settings, int version, int index)
{
    return worksheetExerciseCode(worksheetId(settings), version, index);
}

SheetExercise worksheetExercise(const WorksheetSettings& settings, int version, int index)
{
    const ItemId item = settings.items.at(index / settings.count);
    return {item, worksheetExerciseSeed(settings.seed, version, item, index % settings.count),
            settings.level};
}

CodedExercise findCodedExercise(const WorksheetSettings& settings, QStringView text)
{
    const CodeReading reading = readExerciseCode(text);
    if (!reading.code)
        return {0, -1, reading.problem};
    const ExerciseCode& code = *reading.code;
    const QString id = worksheetId(settings);
    if (code.sheet != id)
        return {0, -1,
                QStringLiteral("the exercise code %1 belongs to sheet %2, not to this sheet (%3)")
                    .arg(exerciseCode(code), code.sheet, id)};
    if (code.version > settings.versions || code.exercise > settings.items.size() * settings.count)
        return {0, -1,
                QStringLiteral("the sheet %1 has no version %2 with an exercise %3")
                    .arg(id)
                    .arg(code.version)
                    .arg(code.exercise)};
    return {code.version, code.exercise - 1, {}};
}

std::optional<WorksheetSettings> readWorksheetSettings(const QByteArray& json, QString& error)
{
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull()) {
        error = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet", "not JSON: %1 at byte %2"))
                    .arg(parseError.errorString())
                    .arg(parseError.offset);
        return std::nullopt;
    }
    const QJsonObject o = doc.object();
    const QString id = o[QStringLiteral("sheet")].toString();
    if (!doc.isObject() || !o[QStringLiteral("sheet")].isString() ||
        !o[QStringLiteral("items")].isArray() || !o[QStringLiteral("versions")].isArray()) {
        error = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                            "not a sheet file (it has no \"sheet\", \"items\" and "
                                            "\"versions\"; save the worksheet again)"));
        return std::nullopt;
    }
    // A whole number from 0 to MaxPracticeSeed, or -1.
    const auto whole = [&](const char* key) -> qint64 {
        const QJsonValue v = o[QLatin1String(key)];
        const double d = v.toDouble(-1);
        return v.isDouble() && d >= 0 && d <= double(MaxPracticeSeed) && d == std::floor(d)
                   ? qint64(d)
                   : -1;
    };
    WorksheetSettings s;
    for (const QJsonValue& v : o[QStringLiteral("items")].toArray()) {
        const std::optional<ItemId> item = findItem(v.toString());
        if (!v.isString() || !item || itemKey(*item) != v.toString()) {
            error = sheetText(
                        QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                          "the sheet names an item this program does not have: %1"))
                        .arg(v.toString().left(40));
            return std::nullopt;
        }
        s.items << *item;
    }
    s.count = int(std::min<qint64>(whole("count"), MaxWorksheetCount + 1));
    s.level = int(std::min<qint64>(whole("level"), PracticeLevels + 1));
    s.versions = int(o[QStringLiteral("versions")].toArray().size());
    s.seed = quint64(whole("seed"));
    s.title = o[QStringLiteral("title")].toString();
    if (o[QStringLiteral("generator")].toInt(-1) != GeneratorVersion) {
        error = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                            "the sheet was made by an earlier version of the "
                                            "exercise generator (this program's is %1): make the "
                                            "sheet again"))
                    .arg(GeneratorVersion);
        return std::nullopt;
    }
    for (const QJsonValue& v : o[QStringLiteral("scenarios")].toArray())
        s.scenarios << v.toString();
    if (whole("seed") < 0) {
        error = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                            "the sheet's seed is not a whole number from 0 to %1"))
                    .arg(MaxPracticeSeed);
        return std::nullopt;
    }
    if (const QString problem = worksheetSettingsProblem(s); !problem.isEmpty()) {
        error = sheetText(QT_TRANSLATE_NOOP("quarvex::Worksheet",
                                            "the sheet's settings are out of range: %1"))
                    .arg(problem);
        return std::nullopt;
    }
    if (worksheetId(s) != id) {
        error = QStringLiteral("the sheet's id %1 does not match its settings (%2): the file was "
                               "edited or made by a program that draws other exercises")
                    .arg(id.left(40), worksheetId(s));
        return std::nullopt;
    }
    return s;
}

std::optional<WorksheetSettings> readWorksheetFile(QIODevice& device, QString& error)
{
    QByteArray bytes;
    while (bytes.size() <= MaxSheetFileBytes) {
        const QByteArray chunk =
            device.read(std::min<qint64>(1 << 20, MaxSheetFileBytes + 1 - bytes.size()));
        if (chunk.isEmpty())
            break;
        bytes += chunk;
    }
    if (bytes.size() > MaxSheetFileBytes) {
        error =
            QStringLiteral("over %1 MiB, too large for a sheet file").arg(MaxSheetFileBytes >> 20);
        return std::nullopt;
    }
    if (const auto* file = qobject_cast<QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError) {
        error = file->errorString();
        return std::nullopt;
    }
    return readWorksheetSettings(bytes, error);
}

QByteArray worksheetClassCsv(const Worksheet& sheet, char delimiter)
{
    QStringList stepIds;
    for (const WorksheetVersion& v : sheet.versions) {
        for (const Exercise& ex : v.exercises) {
            for (const ExerciseStep& step : ex.steps) {
                if (!step.given && !stepIds.contains(step.id))
                    stepIds << step.id;
            }
        }
    }
    QByteArray out;
    const auto endRecord = [&] { out += CsvLineEnd; };
    appendCsvField(out, QByteArrayView("Student"), delimiter);
    out += delimiter;
    appendCsvField(out, QByteArrayView("Code"), delimiter);
    for (const QString& id : stepIds) {
        out += delimiter;
        appendCsvField(out, id, delimiter);
    }
    endRecord();
    const QString id = worksheetId(sheet.settings);
    for (const WorksheetVersion& v : sheet.versions) {
        for (qsizetype n = 0; n < v.exercises.size(); ++n) {
            out += delimiter; // Student, to fill in
            appendCsvField(out, worksheetExerciseCode(id, v.number, int(n)), delimiter);
            out += QByteArray(stepIds.size(), delimiter);
            endRecord();
        }
    }
    return out;
}

} // namespace quarvex
