#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace quarvex {

// How a value text reads as a real number in a locale's number format.
enum class NumberStatus {
    Ok,         // a finite number (subnormal numbers included)
    NotANumber, // not a number in the locale's format; infinities and NaN typed as words
    Overflow,   // a number whose magnitude exceeds the largest double (value: +-infinity)
    Underflow,  // a nonzero number whose magnitude lies below the smallest double (value: +-0)
};
struct NumberReading {
    NumberStatus status = NumberStatus::NotANumber;
    double value = 0.0;
};
NumberReading readNumberText(const QString& text, const QLocale& locale = QLocale());

// The decimal point of a locale that writes its digits as ASCII digits and
// its decimal point as one character; 0 for any other locale. For reading
// and writing the plain decimals most values are without asking the locale
// every time.
char16_t plainDecimalPoint(const QLocale& locale);

// Reads a value text as a real number in the given locale's number format
// (the user's, QLocale(), unless a caller says otherwise). Blanks around the
// number are allowed; group separators, infinities and NaN are not numbers,
// and neither is a number too large or too small for a double.
std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());

// The smallest positive value a check accepts: anything nearer to zero is no
// measurement, and dividing by it would leave the range of doubles.
inline constexpr double SmallestPositiveValue = 1e-300;

// The whole-number reading of the checks: the number rounded half to even,
// which must fit a signed 16-bit whole number. A positive number below
// SmallestPositiveValue (a subnormal number, or one too small for a double)
// is too small.
enum class WholeNumberStatus { Ok, NotANumber, TooLarge, TooSmall };
struct WholeNumber {
    WholeNumberStatus status = WholeNumberStatus::NotANumber;
    double number = 0.0; // the number as read (valid unless NotANumber; +-infinity beyond doubles)
    int rounded = 0;     // half to even (valid when Ok)
};
WholeNumber readWholeNumber(const QString& text, const QLocale& locale = QLocale());

} // namespace quarvex
