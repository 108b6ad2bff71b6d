#include "practice/worksheet.h"

#include "practice/itemkeys.h"
#include "practice/practicejson.h"
#include "practice/prng.h"

#include <QJsonArray>
#include <QSet>

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
    for (ItemId item : s.items) {
        if (const QString problem = scenarioProblem(item, s.scenarios); !problem.isEmpty())
            return problem;
    }
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
                version.exercises << makeExercise(
                    item, worksheetExerciseSeed(settings.seed, v, item, i), settings.level,
                    std::nullopt, locale, settings.scenarios);
            }
        }
        sheet.versions << version;
    }
    return sheet;
}

QJsonObject worksheetJson(const Worksheet& sheet)
{
    const WorksheetSettings& s = sheet.settings;
    QJsonArray items;
    for (ItemId item : s.items)
        items << itemKey(item);
    QJsonArray versions, answers;
    for (const WorksheetVersion& v : sheet.versions) {
        QJsonArray exercises, keys;
        for (const Exercise& ex : v.exercises) {
            exercises << exerciseJson(ex, false);
            // The expected values as --practice --answers writes them.
            const QJsonArray steps = exerciseJson(ex, true)[QStringLiteral("steps")].toArray();
            QJsonObject expected;
            for (qsizetype i = 0; i < steps.size(); ++i) {
                if (!ex.steps[i].given)
                    expected[ex.steps[i].id] = steps[i][QStringLiteral("expected")];
            }
            QJsonObject key{{QStringLiteral("item"), itemKey(ex.item)},
                            {QStringLiteral("seed"), QJsonValue(qint64(ex.seed))},
                            {QStringLiteral("level"), ex.level},
                            {QStringLiteral("generator"), GeneratorVersion},
                            {QStringLiteral("expected"), expected}};
            if (!s.scenarios.isEmpty())
                key[QStringLiteral("scenarios")] = QJsonArray::fromStringList(s.scenarios);
            keys << key;
        }
        versions << QJsonObject{{QStringLiteral("version"), v.number},
                                {QStringLiteral("exercises"), exercises}};
        answers << QJsonObject{{QStringLiteral("version"), v.number},
                               {QStringLiteral("exercises"), keys}};
    }
    QJsonObject root{
        {QStringLiteral("title"), s.title},   {QStringLiteral("seed"), QJsonValue(qint64(s.seed))},
        {QStringLiteral("level"), s.level},   {QStringLiteral("count"), s.count},
        {QStringLiteral("items"), items},     {QStringLiteral("versions"), versions},
        {QStringLiteral("answers"), answers}, {QStringLiteral("generator"), GeneratorVersion},
    };
    if (!s.scenarios.isEmpty())
        root[QStringLiteral("scenarios")] = QJsonArray::fromStringList(s.scenarios);
    return root;
}

} // namespace quarvex
