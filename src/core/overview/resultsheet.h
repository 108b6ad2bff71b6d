#pragma once

#include "analytes/fields.h"
#include "calc/derivation.h"
#include "calc/notes.h"
#include "calc/outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

namespace quarvex {

// One value on the data entry screen as typed, with the unit it was typed in:
// the unit list's text, the fixed unit caption, or none.
struct SheetInput {
    QString name; // "Serum creatinine"
    QString value;
    QString unit;
};

// The worked steps of one item: its derivation, typeset as the steps window
// shows it (the item's name once as its heading, inputs, each row's working,
// band picture and legend, sources).
struct SheetSteps {
    QString item;
    Derivation derivation;
};

// What a printed result sheet holds, in the order it is printed: title,
// date and case, the values entered, the result rows, the hints, the worked
// steps when asked for, and the text at the foot of every page.
struct ResultSheet {
    QString title;
    QString date;
    QString caseName; // empty for a case not saved in a file
    QList<SheetInput> inputs;
    QList<ResultRow> rows;
    QList<QList<Note>> notes; // per row, printed under it in full
    QString noRows;           // said instead of the table when there are no rows
    QStringList hints;
    QList<SheetSteps> steps;
    QString footer;
};

// The values that hold text, in the given order (the data entry screen's).
QList<SheetInput> sheetInputs(const Fields& fields, std::span<const AnalyteId> order);

} // namespace quarvex
