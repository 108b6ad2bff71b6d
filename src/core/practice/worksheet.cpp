#include "practice/worksheet.h"

#include "practice/itemkeys.h"
#include "practice/practicejson.h"
#include "practice/prng.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <new>
#include <vector>

namespace quarvex {

namespace {

// FNV-1a of the item's stable id: the same number whatever order the items
// are declared in.
quint64 keyHash(ItemId item)
{
    quint64 hash = 0xcbf29ce484222325ULL;
    for (char c : itemKey(item).toLatin1()) {
        hash ^= quint64(static_cast<unsigned char>(c));
        hash *= 0x100000001b3ULL;
    }
    return hash;
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
        return QStringLiteral("choose at least one item");
    if (QSet<ItemId>(s.items.begin(), s.items.end()).size() != s.items.size())
        return QStringLiteral("each item can be chosen once");
    if (s.count < 1 || s.count > MaxWorksheetCount)
        return QStringLiteral("the number of exercises per item must be from 1 to %1")
            .arg(MaxWorksheetCount);
    if (s.versions < 1 || s.versions > MaxWorksheetVersions)
        return QStringLiteral("the number of versions must be from 1 to %1")
            .arg(MaxWorksheetVersions);
    if (s.level < 1 || s.level > PracticeLevels)
        return QStringLiteral("the level must be 1, 2 or 3");
    if (s.seed > MaxPracticeSeed)
        return QStringLiteral("the seed must be a whole number from 0 to %1").arg(MaxPracticeSeed);
    return {};
}

Worksheet makeWorksheet(const WorksheetSettings& settings, const QLocale& locale)
{
    Worksheet sheet;
    sheet.settings = settings;
    for (int v = 1; v <= settings.versions; ++v) {
        WorksheetVersion version;
        version.number = v;
        for (ItemId item : settings.items) {
            for (int i = 0; i < settings.count; ++i) {
                version.exercises << makeExercise(item,
                                                  worksheetExerciseSeed(settings.seed, v, item, i),
                                                  settings.level, std::nullopt, locale);
            }
        }
        sheet.versions << version;
    }
    return sheet;
}

namespace {

// One version's exercises, and its answers, as the document holds them.
QJsonObject versionJson(const WorksheetVersion& v)
{
    QJsonArray exercises;
    for (const Exercise& ex : v.exercises)
        exercises << exerciseJson(ex, false);
    return QJsonObject{{QStringLiteral("version"), v.number},
                       {QStringLiteral("exercises"), exercises}};
}

QJsonObject answersJson(const WorksheetVersion& v)
{
    QJsonArray keys;
    for (const Exercise& ex : v.exercises) {
        // The expected values as --practice --answers writes them.
        const QJsonArray steps = exerciseJson(ex, true)[QStringLiteral("steps")].toArray();
        QJsonObject expected;
        for (qsizetype i = 0; i < steps.size(); ++i) {
            if (!ex.steps[i].given)
                expected[ex.steps[i].id] = steps[i][QStringLiteral("expected")];
        }
        keys << QJsonObject{{QStringLiteral("item"), itemKey(ex.item)},
                            {QStringLiteral("seed"), QJsonValue(qint64(ex.seed))},
                            {QStringLiteral("level"), ex.level},
                            {QStringLiteral("expected"), expected}};
    }
    return QJsonObject{{QStringLiteral("version"), v.number}, {QStringLiteral("exercises"), keys}};
}

// What the document holds besides the versions and answers.
QJsonObject settingsJson(const WorksheetSettings& s)
{
    QJsonArray items;
    for (ItemId item : s.items)
        items << itemKey(item);
    return QJsonObject{
        {QStringLiteral("title"), s.title}, {QStringLiteral("seed"), QJsonValue(qint64(s.seed))},
        {QStringLiteral("level"), s.level}, {QStringLiteral("count"), s.count},
        {QStringLiteral("items"), items},
    };
}

WorksheetVersion makeVersion(const WorksheetSettings& settings, int v, const QLocale& locale)
{
    WorksheetVersion version;
    version.number = v;
    for (ItemId item : settings.items) {
        for (int i = 0; i < settings.count; ++i) {
            version.exercises << makeExercise(item,
                                              worksheetExerciseSeed(settings.seed, v, item, i),
                                              settings.level, std::nullopt, locale);
        }
    }
    return version;
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
    QJsonArray versions, answers;
    for (const WorksheetVersion& v : sheet.versions) {
        versions << versionJson(v);
        answers << answersJson(v);
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
    std::vector<QByteArray> versions;
    versions.reserve(size_t(settings.versions));
    if (!writeAll(device, "{\n    \"answers\": [\n"))
        return false;
    for (int v = 1; v <= settings.versions; ++v) {
        const WorksheetVersion version = makeVersion(settings, v, locale);
        const QByteArray end = v < settings.versions ? ",\n" : "\n";
        if (!writeAll(device, nested(answersJson(version), 2) + end))
            return false;
        versions.push_back(qCompress(nested(versionJson(version), 2) + end, 1));
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

} // namespace quarvex
