#include "calc/sources.h"

#include "calc/items.h"

namespace quarvex {

namespace {

QString text(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

QString sourceRoleName(SourceRole role)
{
    switch (role) {
    case SourceRole::Formula:
        return QStringLiteral("formula");
    case SourceRole::Bands:
        return QStringLiteral("bands");
    case SourceRole::Guidance:
        return QStringLiteral("guidance");
    }
    return {};
}

namespace {

ItemSources buildSources(const ItemDescriptor& item)
{
    const ItemOrigins& row = item.origins;
    ItemSources result{item.id,
                       text(row.formulaOrigin),
                       text(row.bandsOrigin),
                       text(row.guidance),
                       text(row.ownChoice),
                       text(row.caveat),
                       {}};
    for (const SourceRow& s : row.sources) {
        const Reference* reference = findReference(QString::fromLatin1(s.id));
        Q_ASSERT(reference); // the table names only ids of the reference list
        if (!reference)
            continue;
        QStringList note;
        if (*s.note)
            note << text(s.note);
        if (const QString checked = reference->verificationNote(); !checked.isEmpty())
            note << checked;
        result.sources.append({s.role, reference, note.join(QLatin1Char(' '))});
    }
    return result;
}

// The texts of every item's sources, built once: a derivation asks for them
// every time, and copies share the strings.
const QList<ItemSources>& builtSources()
{
    static const QList<ItemSources> built = [] {
        QList<ItemSources> all;
        for (const ItemDescriptor& item : overviewItems())
            all << buildSources(item);
        return all;
    }();
    return built;
}

} // namespace

std::optional<ItemSources> itemSources(ItemId item)
{
    const QList<ItemSources>& all = builtSources();
    if (int(item) < 0 || int(item) >= all.size())
        return std::nullopt;
    return all.at(int(item));
}

QStringList stepNotes(ItemId item)
{
    QStringList notes;
    if (int(item) < 0 || int(item) >= ItemCount)
        return notes;
    for (const char* note : quarvex::item(item).origins.stepNotes)
        notes << text(note);
    return notes;
}

} // namespace quarvex
