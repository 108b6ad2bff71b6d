#include "analytes/fields.h"

namespace quarvex {

MapFields::MapFields(
    std::initializer_list<std::pair<AnalyteId, std::pair<QString, QString>>> entries)
{
    for (const auto& [id, texts] : entries)
        set(id, texts.first, texts.second);
}

void MapFields::set(AnalyteId id, const QString& value, const QString& unit)
{
    m_values[id] = value;
    m_units[id] = unit;
}

void MapFields::clear()
{
    m_values.clear();
    m_units.clear();
}

} // namespace quarvex
