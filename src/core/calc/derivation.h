#pragma once

#include "analytes/analyte.h"
#include "analytes/hints.h"
#include "analytes/inputs.h"
#include "calc/items.h"
#include "calc/notes.h"
#include "calc/outcome.h"
#include "calc/sources.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

namespace quarvex {

// One input of a derivation as a person reads it.
struct DerivedInput {
    AnalyteId id;
    QString field;               // "SerumCreatinine"
    QString name;                // "Serum creatinine"
    QString text;                // the value as typed
    std::optional<QString> unit; // the unit text as chosen; none for a fixed unit
    QString fixedUnit;           // the caption of a fixed unit ("U/L"); empty otherwise
    QString conversion; // "÷ 88.4 umol/L per mg/dL", "× 1000 ÷ 88.4"; empty when none is applied
    QString formulaUnit; // the unit of `value` ("mg/dL", "years"); empty for Gender
    double value = 0.0;  // in the formula unit (NaN for Gender)
    QStringList hints;   // the case's hints on this value (caseHints)
};

// One band of a row's table, with its bounds made explicit.
struct DerivedBand {
    std::optional<double> lower; // none: open below
    std::optional<double> upper; // none: open above
    bool lowerIncluded = false;
    bool upperIncluded = false;
    std::optional<QString> text; // none: the bands leave such a value without text
    // The interpretation this band gives, in full: the text itself, or the
    // sentence it completes when the band texts are fragments ("twice that
    // of" in "The risk … is twice that of the 'average American'.").
    std::optional<QString> sentence;
    bool chosen = false;
};

// The word shown for a band that gives no text.
inline constexpr const char* NoBandText = "no interpretation";

// The derivation of one result row.
struct DerivedRow {
    QString name;              // the grid's row name
    QString symbol;            // "CrCl"
    QString words;             // "CrCl = ((140 − age) × weight) ÷ (72 × serum creatinine)"
    QString symbols;           // "CrCl = ((140 − Age) × Weight) ÷ (K × SerumCreatinine)"
    QString constant;          // "K = 72 for Male, 85 for Female"; empty when there is none
    QString expression;        // "((140 - Age) * Weight) / (72 * SerumCreatinine)"
    QString substituted;       // "((140 − 60) × 70) ÷ (72 × 1.13122)"
    QList<FormulaStep> steps;  // each operation with its numbers, in the order it is worked
    QString valueUnit;         // the unit of a value taken as it is ("mg/dL"); else empty
    double value = 0.0;        // before rounding, the number the result and band come from
    QString result;            // exactly as in the grid
    Shown shown = Shown::Text; // how the result shows the value
    QString suffix;            // after the number of a "###0.00" result
    QString interpretation;
    QList<DerivedBand> bands; // empty when the row has no band table
    int chosenBand = -1;      // index into bands, -1 for none
    // What qualifies the interpretation for this case (rowNotes), in order.
    QList<Note> notes;
    // The notes as the worked steps show them: a note that several of the
    // item's rows carry only under the first of them, naming them.
    QList<Note> shownNotes;
    // Where the value is a typed value taken as it is and was typed in
    // another unit than the formula's: that value's field and unit, and the
    // factor from the formula unit to it; the band table shows both units.
    QString typedField;
    QString typedUnit; // empty when the bands are in the unit typed
    double toTyped = 1.0;

    const DerivedBand* band() const { return chosenBand >= 0 ? &bands[chosenBand] : nullptr; }
};

// The derivation of one computed item: its inputs, one derivation per row, and
// where the formula and bands come from.
struct Derivation {
    ItemId item;
    QString listText;
    QList<DerivedInput> inputs;
    QList<DerivedRow> rows;
    std::optional<ItemSources> sources;
    QStringList changes; // what changed from an older form of the item, and why (stepNotes)
    // The comparison after the rows (calc/compare.h): the same inputs put
    // through the item beside this one; empty for most items.
    QStringList compare;
};

// The derivation of an item computed from these inputs; `outcome` is what
// `item.compute(inputs)` returned (the derivation reads the values and the
// formulas it recorded, and computes nothing again).
// `hints` are the case's hints (caseHints(inputs)): work out once per reading
// when deriving several items.
Derivation derive(const ItemDescriptor& item, const Inputs& inputs, const Outcome& outcome,
                  const QList<FieldHint>& hints);
Derivation derive(const ItemDescriptor& item, const Inputs& inputs, const Outcome& outcome);

// The value before rounding to 4 significant digits more than the result
// shows, and never more than 10 ("97.663839" for "97.66 mL/min").
QString unroundedText(const DerivedRow& row, const QLocale& locale = QLocale());

// The text a band gives (its sentence, or NoBandText).
QString bandMeaning(const DerivedBand& band);

// An input as the steps show it: "154 lbs ÷ 2.2 lbs per kg = 70 kg", "1.2 mg/dL",
// "Female", "20 mg/dL (serum urea nitrogen)".
QString inputLine(const DerivedInput& in, const QLocale& locale = QLocale());

// One labelled line of a row's working: a label ("Formula:", "Step 1:"; empty
// for a note under the line before) and its text, with a tooltip where the
// text has another form to read (the formula in words and as an expression).
struct WorkLine {
    QString label;
    QString text;
    QString tip;
    int indent = 2; // in the plain text
};

// The working of a row in the order a person reads it: the formula in
// symbols, the numbers put in, each operation on its own line, the value
// before rounding, the result and the interpretation. Text, HTML and the
// printed sheet all render these lines.
QList<WorkLine> workLines(const DerivedRow& row, const QLocale& locale = QLocale());

// The worked steps as plain text with LF line ends, and as simple HTML for a
// rich-text viewer. Numbers use the locale.
QString stepsText(const Derivation& derivation, const QLocale& locale = QLocale());
QString stepsHtml(const Derivation& derivation, const QLocale& locale = QLocale());

// Parts of the HTML a view may leave out to show them its own way (the steps
// view draws each band table as a picture with its legend, then the sources).
enum class HtmlPart { BandTables = 1, Sources = 2 };
Q_DECLARE_FLAGS(HtmlParts, HtmlPart)
QString stepsHtml(const Derivation& derivation, const QLocale& locale, HtmlParts parts);
// The sources and notes of the item, as in the full HTML.
QString sourcesHtml(const Derivation& derivation);

// "0.85 lies in the band from 0.8 up to 1.3: normal": the chosen band of a row in
// one sentence (for an accessible description); empty when the row has none.
QString bandSentence(const DerivedRow& row, const QLocale& locale = QLocale());
// The same sentence for a value and the band it lies in.
QString bandSentence(double value, const DerivedBand& band, const QLocale& locale = QLocale());

// A band bound as text: "from 0.8" / "above 0.8", "up to 1.3" / "below 1.3".
QString bandRangeText(const DerivedBand& band, const QLocale& locale = QLocale());
// A band of a row as its table shows it: where the value was typed in another
// unit, each bound in the formula unit and, beside it, in the unit typed
// ("from 200 mg/dL (5.18 mmol/L) to below 240 mg/dL (6.21 mmol/L)").
QString bandRangeText(const DerivedRow& row, const DerivedBand& band,
                      const QLocale& locale = QLocale());

// The label a note has in the worked steps: "Note:" for a context or
// rounding note, the tag for evidence ("Dated:", "No source:").
QString noteLabel(const Note& note);

} // namespace quarvex

Q_DECLARE_OPERATORS_FOR_FLAGS(quarvex::HtmlParts)
