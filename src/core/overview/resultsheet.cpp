#include "overview/resultsheet.h"

namespace quarvex {

QList<SheetInput> sheetInputs(const Fields& fields, std::span<const AnalyteId> order)
{
    QList<SheetInput> out;
    for (AnalyteId id : order) {
        const QString value = fields.value(id);
        if (value.isEmpty())
            continue;
        const Analyte& a = analyte(id);
        QString unit;
        if (a.unitKind == UnitKind::List)
            unit = fields.unit(id);
        else if (a.unitKind == UnitKind::Fixed)
            unit = QString::fromLatin1(a.fixedUnit);
        out.append({a.accessibleName(), value, unit});
    }
    return out;
}

} // namespace quarvex
