#include "practice/itemkeys.h"

#include "calc/items.h"

namespace quarvex {

QString itemKey(ItemId id)
{
    return QString::fromLatin1(item(id).key);
}

std::optional<ItemId> findItem(QStringView text)
{
    const QStringView wanted = text.trimmed();
    for (const ItemDescriptor& item : overviewItems()) {
        if (wanted.compare(QLatin1String(item.key), Qt::CaseInsensitive) == 0 ||
            wanted.compare(QLatin1String(item.listText), Qt::CaseInsensitive) == 0)
            return item.id;
    }
    return std::nullopt;
}

} // namespace quarvex
