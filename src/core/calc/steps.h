#pragma once

// Shared steps of the calculations: reading the inputs, forming texts and
// filling an outcome. Used only inside src/core/calc.

#include "analytes/inputs.h"
#include "calc/bands.h"
#include "calc/format.h"
#include "calc/outcome.h"

#include <QLocale>
#include <QString>

#include <initializer_list>

namespace quarvex::steps {

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
    return formatFixed2(value, locale) + QLatin1String(suffix);
}

// The outcome of an item with one value, one result text and one row whose
// texts are those of the screen.
Outcome oneRow(QList<ConvertedInput> inputs, double value, const QString& result,
               const QString& interpretation);

} // namespace quarvex::steps
