#pragma once

#include "analytes/analyte.h"

#include <QHash>
#include <QString>

namespace quarvex {

// What the checks and calculations read from a screen: the text of an
// analyte's value field and of its unit list, exactly as typed. For Gender
// the value is the text of the gender list; analytes without a unit list
// have an empty unit text.
class Fields
{
public:
    virtual ~Fields() = default;
    virtual QString value(AnalyteId id) const = 0;
    virtual QString unit(AnalyteId id) const = 0;
};

// Fields held in a plain map, for tests and the command-line overview.
class MapFields final : public Fields
{
public:
    MapFields() = default;
    MapFields(std::initializer_list<std::pair<AnalyteId, std::pair<QString, QString>>> entries);

    void setValue(AnalyteId id, const QString& text) { m_values[id] = text; }
    void setUnit(AnalyteId id, const QString& text) { m_units[id] = text; }
    void set(AnalyteId id, const QString& value, const QString& unit = {});
    void clear();

    QString value(AnalyteId id) const override { return m_values.value(id); }
    QString unit(AnalyteId id) const override { return m_units.value(id); }

private:
    QHash<AnalyteId, QString> m_values;
    QHash<AnalyteId, QString> m_units;
};

} // namespace quarvex
