#pragma once

// The notes an item's rows carry, as data of the item: the context rules,
// cut-off notes and dated or unsourced sentences each item's descriptor
// holds. The engine that reads them against a case is catalogue/notes.*.

#include "analytes/analyte.h"
#include "analytes/bands.h"
#include "calc/itemid.h"
#include "calc/shortlist.h"

#include <QtGlobal>

namespace quarvex {

enum class NoteKind {
    Context,   // the case makes the reading doubtful (a normal creatinine beside urinary indices)
    Rounding,  // the shown number lies in another band than the value the band was chosen from
    Dated,     // the bands or texts were superseded, or differ from their source
    Unsourced, // no source was found for the bands or texts
};

// What a context rule asks of the reading.
enum class NoteTest : unsigned char {
    NotAboveUpper, // the analyte has a valid value not above its adult upper reference limit
    NotBelowLower, // the analyte has a valid value not below its adult lower reference limit
    NotGiven,      // the analyte has no valid value (empty, unreadable or failing its check)
    Below,         // the analyte has a valid value below `bound`, in the formula unit
    TopBand,       // the row's value falls in the last band of its band table
    RowFromTo,     // the row's value lies from `bound` to `upper`, both included
    AboveUpper,    // the analyte has a valid value above its adult upper reference limit
    BelowLower,    // the analyte has a valid value below its adult lower reference limit
    Above,         // the analyte has a valid value above `bound`, in the formula unit
    RowBelow,      // the number the row's bands are read from is below `bound`
    RowAbove,      // the number the row's bands are read from is above `bound`
    NotTopBand,    // the row's value falls in a band of its table other than the last
    // Another item's row, worked from the same case through that item's
    // descriptor (`item`, `otherRow`): its value lies from `bound` up to but
    // not including `upper`, and its result, as shown, is what the condition
    // found. The other item must compute.
    OtherRow,
};

// Whether a note stands on the program's literature list, or states what no
// source there gives (the note's text then says so).
enum class NoteBasis : unsigned char {
    Sourced,
    Unsourced,        // no source on the list states it
    ReasonedEstimate, // a bound in it is the program's reasoned estimate
};

struct NoteCondition {
    NoteTest test = NoteTest::NotGiven;
    AnalyteId analyte = AnalyteId::Age; // unused by TopBand and RowFromTo
    double bound = 0.0;
    double upper = 0.0;
    ItemId item = ItemId::CholesterolLevels; // OtherRow only
    int otherRow = 0;                        // OtherRow only
};

// The conditions, as the items' tables write them.
namespace when {
constexpr NoteCondition notAboveUpper(AnalyteId analyte)
{
    return {NoteTest::NotAboveUpper, analyte, 0.0, 0.0};
}
constexpr NoteCondition notBelowLower(AnalyteId analyte)
{
    return {NoteTest::NotBelowLower, analyte, 0.0, 0.0};
}
constexpr NoteCondition notGiven(AnalyteId analyte)
{
    return {NoteTest::NotGiven, analyte, 0.0, 0.0};
}
constexpr NoteCondition below(AnalyteId analyte, double bound)
{
    return {NoteTest::Below, analyte, bound, 0.0};
}
constexpr NoteCondition topBand()
{
    return {NoteTest::TopBand, AnalyteId::Age, 0.0, 0.0};
}
constexpr NoteCondition rowFromTo(double low, double high)
{
    return {NoteTest::RowFromTo, AnalyteId::Age, low, high};
}
constexpr NoteCondition aboveUpper(AnalyteId analyte)
{
    return {NoteTest::AboveUpper, analyte, 0.0, 0.0};
}
constexpr NoteCondition belowLower(AnalyteId analyte)
{
    return {NoteTest::BelowLower, analyte, 0.0, 0.0};
}
constexpr NoteCondition above(AnalyteId analyte, double bound)
{
    return {NoteTest::Above, analyte, bound, 0.0};
}
constexpr NoteCondition rowBelow(double bound)
{
    return {NoteTest::RowBelow, AnalyteId::Age, bound, 0.0};
}
constexpr NoteCondition rowAbove(double bound)
{
    return {NoteTest::RowAbove, AnalyteId::Age, bound, 0.0};
}
constexpr NoteCondition notTopBand()
{
    return {NoteTest::NotTopBand, AnalyteId::Age, 0.0, 0.0};
}
// Another item's row with a value from `low` up to but not including `high`.
constexpr NoteCondition otherRow(ItemId item, int row, double low, double high)
{
    return {NoteTest::OtherRow, AnalyteId::Age, low, high, item, row};
}
// Another item's row, whatever its value: the note quotes it.
constexpr NoteCondition otherRowShown(ItemId item, int row)
{
    return otherRow(item, row, -AndAbove, AndAbove);
}
} // namespace when

// A context note: raised on the item's row (every row for row -1) when all of
// its conditions hold. In the text, %1, %2, … stand for the
// conditions in order, each written as what it found ("Serum creatinine 1.0
// mg/dL (adult reference 0.7–1.3 mg/dL, men)", "age 16 years", the row's value).
struct ContextRule {
    int row = -1;
    ShortList<NoteCondition, 3> conditionList;
    const char* text = nullptr;
    const char* sources = ""; // reference ids separated by blanks; those of the limits are added
    // The note's stable id ("egfr.steady-state"), which every rule has: a
    // lean JSON line names the note by it, with the template it selects.
    const char* id = nullptr;
    NoteBasis basis = NoteBasis::Sourced;

    std::span<const NoteCondition> conditions() const { return conditionList.view(); }
};

// A row without a band table whose value is read against cut-offs from the
// literature: its note always gives the value to four decimals and the
// cut-offs.
struct CutOffNote {
    int row = 0;
    double low = 0.0;
    double high = 0.0;
    const char* meaning = nullptr; // what the cut-offs mean
    const char* sources = "";
};

// A dated or unsourced note of an item's row (every row for row -1).
struct EvidenceNote {
    int row = -1;
    NoteKind kind = NoteKind::Dated; // Dated or Unsourced
    const char* text = nullptr;
    const char* sources = "";
};

// The notes of one item.
struct ItemNotes {
    std::span<const ContextRule> context{};
    std::span<const CutOffNote> cutOffs{};
    std::span<const EvidenceNote> evidence{};
};

// The context sentence of the urinary indices of acute kidney injury, read
// beside a creatinine that is not raised (renal.cpp and renalratios.cpp).
inline constexpr const char* KidneyIndicesNote =
    "%1 is not raised. This urinary index separates prerenal failure from acute tubular "
    "necrosis in acute kidney injury (oliguric, before diuretics or fluids); read it only when "
    "kidney function is known to be failing.";
inline constexpr const char* KidneyIndicesSources = "R3 R73 R13";

// The same for the fractional urea excretion, which keeps its meaning on
// diuretics (renal.cpp).
inline constexpr const char* UreaFractionIndexNote = QT_TRANSLATE_NOOP(
    "quarvex::ClinicalProse",
    "%1 is not raised. The fractional urea excretion separates prerenal failure from acute "
    "tubular necrosis in acute kidney injury and, unlike the fractional sodium excretion, keeps "
    "its meaning on diuretics; read it only when kidney function is known to be failing.");

} // namespace quarvex
