#pragma once

// Notes beside an interpretation: short sentences that qualify a result row
// for the case in front of the reader, never rewriting the row's own texts.
// Every rule is a row of a table; the code only walks the tables.

#include "analytes/inputs.h"
#include "calc/items.h"
#include "calc/outcome.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace quarvex {

enum class NoteKind {
    Context,   // the case makes the reading doubtful (a normal creatinine beside urinary indices)
    Rounding,  // the shown number lies in another band than the value the band was chosen from
    Dated,     // the bands or texts were superseded, or differ from their source
    Unsourced, // no source was found for the bands or texts
};

struct Note {
    NoteKind kind;
    QString text;
    QStringList sources; // reference ids ("R30", "U5"), in order, each once

    bool operator==(const Note&) const = default;
};

// "context", "rounding", "dated", "unsourced": the stable names for files and tools.
QString noteKindName(NoteKind kind);
// The short tag a window shows in place of an evidence note ("dated",
// "no source"); empty for the kinds that are always shown in full.
QString noteTag(NoteKind kind);

// The notes of one result row of an item, computed from the one reading the
// row was computed from and its outcome: context notes first, then rounding,
// dated and unsourced. Numbers in the texts use the locale.
QList<Note> rowNotes(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                     const QLocale& locale);

// --- The tables, for tests and documentation. ---

// What a context rule asks of the reading.
enum class NoteTest : unsigned char {
    NotAboveUpper, // the analyte has a valid value not above its adult upper reference limit
    NotBelowLower, // the analyte has a valid value not below its adult lower reference limit
    NotGiven,      // the analyte has no valid value (empty, unreadable or failing its check)
    Below,         // the analyte has a valid value below `bound`, in the formula unit
    TopBand,       // the row's value falls in the last band of its band table
    RowFromTo,     // the row's value lies from `bound` to `upper`, both included
};

struct NoteCondition {
    NoteTest test;
    AnalyteId analyte = AnalyteId::Age; // unused by TopBand and RowFromTo
    double bound = 0.0;
    double upper = 0.0;
};

// A context note: raised on the item's row (every row for row -1) when all of
// its conditions hold. In the text, %1 and %2 stand for the conditions in
// order, each written as what it found ("Serum creatinine 1.0 mg/dL (adult
// reference 0.7–1.3 mg/dL, men)", "age 16 years", the row's value).
struct ContextRule {
    ItemId item;
    int row;
    ShortList<NoteCondition, 2> conditionList;
    const char* text;
    const char* sources; // reference ids separated by blanks; those of the limits are added

    std::span<const NoteCondition> conditions() const { return conditionList.view(); }
};
std::span<const ContextRule> contextRules();

// A row without a band table whose value is read against cut-offs from the
// literature: its note always gives the value to four decimals and the
// cut-offs.
struct CutOffNote {
    ItemId item;
    int row;
    double low;
    double high;
    const char* meaning; // what the cut-offs mean
    const char* sources;
};
std::span<const CutOffNote> cutOffNotes();

// A dated or unsourced note of an item's row (every row for row -1).
struct EvidenceNote {
    ItemId item;
    int row;
    NoteKind kind; // Dated or Unsourced
    const char* text;
    const char* sources;
};
std::span<const EvidenceNote> evidenceNotes();

// An analyte's adult reference limits in the unit it was typed in, for the
// case's gender (no gender: the widest reading of the men's and women's
// limits). Nothing where the analyte has no reference interval, no valid
// value or a unit the table does not know.
struct AdultLimits {
    double low = 0.0;  // 0 where the interval has no lower limit
    double high = 0.0; // infinity where it has no upper limit
    bool highIncluded = true;
    QString range; // "0.7–1.3 mg/dL, men"
    QString unit;  // "mg/dL"
    QStringList sources;
};
std::optional<AdultLimits> adultLimits(const ConvertedInput& input, const QString& gender,
                                       const QLocale& locale);

} // namespace quarvex
