#pragma once

// Notes beside an interpretation: short sentences that qualify a result row
// for the case in front of the reader, never rewriting the row's own texts.
// Every rule is a row of a table of its item; the code only walks the tables.

#include "analytes/inputs.h"
#include "calc/items.h"
#include "calc/notedata.h"
#include "calc/outcome.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace quarvex {

struct Note {
    NoteKind kind;
    QString text;
    QStringList sources; // reference ids ("R30", "U5"), in order, each once
    // The text as a template and what fills it: `pattern`, one of the
    // templates of `id` (noteTemplates), with %1, %2, … replaced by the
    // arguments (the numbers of the case) in order. Empty for the dated and
    // unsourced notes, which are the same in every case.
    QString id;
    QStringList arguments;
    QString pattern;
    // The rows of the case it is shown for, when it stands for several
    // (showSharedOnce); its text then starts with their names.
    QStringList rows;

    bool operator==(const Note&) const = default;
};

// "context", "rounding", "dated", "unsourced": the stable names for files and tools.
QString noteKindName(NoteKind kind);
// The short tag a window shows in place of an evidence note ("dated",
// "no source"); empty for the kinds that are always shown in full.
QString noteTag(NoteKind kind);
// The same tag in the language installed, for the windows.
QString shownNoteTag(NoteKind kind);

// The notes of one result row of an item, computed from the one reading the
// row was computed from and its outcome: context notes first, then rounding,
// dated and unsourced. Numbers in the texts use the locale.
QList<Note> rowNotes(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                     const QLocale& locale);

// What of a note an output writes: everything; only its text, for a note
// of a context rule (the batch CSV); or only its id, template and arguments,
// no text and no sources (a lean JSON line).
enum class NoteParts { All, Text, Template };

// The notes of the row that belong to this case alone: its context notes,
// then rounding; rowNotes without the dated and unsourced notes, which are
// the row's in every case, with the parts an output writes.
QList<Note> caseNotes(ItemId item, int row, const Inputs& inputs, const Outcome& outcome,
                      const QLocale& locale, NoteParts parts = NoteParts::All);

// The notes of a case's rows (parallel to rowNames) with each context note
// that several rows carry shown once: on the first of them, its text (and
// pattern) led by the names of all of them ("Renal Failure Index, Fractional
// Sodium Excretion: Serum creatinine … is not raised. …") and those names in
// `rows`; the other rows lose it.
void showSharedOnce(QList<QList<Note>>& notes, const QStringList& rowNames);

// The sentence with each %1 … %9 replaced by that argument, in one pass (an
// argument's own text is never read again); a %n without an argument stays.
QString fillTemplate(const QString& sentence, const QStringList& arguments);

// The templates of every note a case can carry (context and rounding notes),
// each with its note's stable id: the context rule's own ("egfr.steady-state"),
// "<item key>.cut-off.<row>.<place>" with ".shown" when the result shows a number,
// "rounding.<side>" with ".none" when the row gives no interpretation. What
// a case cannot change is written in (numbers as the locale writes them): a
// context note has one template for each gender and unit whose reference
// interval it quotes, a cut-off note its cut-offs. A note's text is its
// pattern, one of these, filled with its arguments.
struct NoteTemplate {
    QString id;
    QString text;
};
QList<NoteTemplate> noteTemplates(const QLocale& locale);

// The tables the notes come from are each item's own (ItemDescriptor::notes,
// calc/notedata.h).

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
