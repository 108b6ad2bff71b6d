#pragma once

// Drives the Comprehensive Overview the way its tests need it.

#include "analytes/analyte.h"
#include "analytes/fields.h"
#include "overview/frmdata.h"
#include "overview/overviewwindows.h"

namespace quarvex::test {

// Opens frmData if needed and types the fields into it (the others emptied).
inline DataEntryWindow* typeIntoDataEntry(OverviewWindows& overview, const Fields& fields)
{
    DataEntryWindow* data = overview.showDataEntry();
    for (const Analyte& a : analytes()) {
        data->form().setValue(a.id, fields.value(a.id));
        if (a.unitKind == UnitKind::List)
            data->form().setUnit(a.id, fields.unit(a.id));
    }
    return data;
}

} // namespace quarvex::test
