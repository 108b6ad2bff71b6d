#pragma once

#include <QLocale>
#include <QString>

namespace quarvex {

// The result number format "###0.00": at least one integer digit, exactly two
// decimals, no group separators, a minus sign for negative values. The value is
// first taken as its decimal form of up to 15 significant digits, and that
// decimal is rounded half away from zero, so 2.675 gives "2.68" and 1.005 gives
// "1.01". A negative value that rounds to zero gives "0.00". Large values are
// written out in full (1e20 gives "100000000000000000000.00"). The decimal
// separator is the locale's. A value that is not finite gives a readable word
// ("not a number", "infinity", "-infinity").
QString formatFixed2(double value, const QLocale& locale = QLocale());

// The same with 0 to 2 decimals: "###0" (89.5 gives "90", -0.4 gives "0")
// and "###0.0".
QString formatFixed(double value, int decimals, const QLocale& locale = QLocale());
// formatFixed with a suffix (UTF-8, may be null) written after the number in
// the same text; with `shown`, also the number the text shows (fixedValue),
// from the same rounding.
QString formatFixed(double value, int decimals, const QLocale& locale, const char* suffix,
                    double* shown = nullptr);
// The number formatFixed writes, read back: the value rounded to `decimals`
// places as the text shows it (not finite: the value itself).
double fixedValue(double value, int decimals);

// A plain decimal number: up to 15 significant digits, no trailing zeros, the
// locale's decimal separator and no group separators (200, 193.050193050193).
// Only magnitudes far outside anything a laboratory value reaches (at least
// 1e21 or below 1e-7) are written with an exponent.
QString formatPlain(double value, const QLocale& locale = QLocale());

} // namespace quarvex
