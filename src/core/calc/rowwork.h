#pragma once

// Working out one row of an item: a formula and its band table to a value,
// its result text and band text. Used only inside src/core/calc; rowwork.cpp
// also holds the descriptor's findings and its one computation of the rows.

#include "analytes/bands.h"
#include "analytes/format.h"
#include "analytes/inputs.h"
#include "calc/outcome.h"

#include <QLocale>
#include <QString>

#include <initializer_list>

namespace quarvex::rowwork {

// The carriage return that breaks lines in labels and message boxes.
inline constexpr QChar CR = QChar(13);

// A fixed text of the calculations (all plain ASCII); nullptr is no text.
inline QString text(const char* fixed)
{
    return fixed ? QString::fromLatin1(fixed) : QString();
}

// The "###0.00" result text with its unit suffix.
inline QString resultText(double value, const char* suffix, const QLocale& locale)
{
    return formatFixed(value, 2, locale, suffix);
}

// One row worked out from its formula: the value, the result as the formula
// shows it, the text of the band that holds the value, and the record of both.
struct Worked {
    double value;
    QString result;
    QString bandText;
    RowWorking working;
};
Worked work(const Formula& formula, std::span<const Band> bands, const Inputs& inputs);

} // namespace quarvex::rowwork
