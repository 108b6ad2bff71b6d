#pragma once

#include "analytes/analyte.h"

#include <QString>

#include <span>

namespace quarvex {

// What one unit text of an analyte means, in words for the people who pick
// it: "mg/dL of urea nitrogen (BUN)". Kept apart from the analyte table, which
// holds only what the checks and calculations read.
struct UnitNote {
    AnalyteId analyte;
    const char* unit; // as offered by the unit list, or the fixed unit caption
    const char* note;
};

// Every note, analyte by analyte, each analyte's units in list order.
std::span<const UnitNote> unitNotes();

// The note on a unit of an analyte, or an empty text when the analyte does
// not offer that unit.
QString unitNote(AnalyteId analyte, const QString& unit);

// The notes on every unit of an analyte, one line each (empty for Age and
// Gender, which have no unit).
QString unitNotes(AnalyteId analyte);

// The same two in the language installed, for the windows' tooltips (the
// unit symbols themselves are never translated).
QString shownUnitNote(AnalyteId analyte, const QString& unit);
QString shownUnitNotes(AnalyteId analyte);

} // namespace quarvex
