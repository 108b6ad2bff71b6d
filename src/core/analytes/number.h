#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace quarvex {

// Reads a value text as a real number in the given locale's number format
// (the user's, QLocale(), unless a caller says otherwise). Blanks around the
// number are allowed; group separators, infinities and NaN are not numbers.
std::optional<double> readNumber(const QString& text, const QLocale& locale = QLocale());

// The whole-number reading of the checks: the number rounded half to even,
// which must fit a signed 16-bit whole number.
enum class WholeNumberStatus { Ok, NotANumber, TooLarge };
struct WholeNumber {
    WholeNumberStatus status = WholeNumberStatus::NotANumber;
    double number = 0.0; // the number as read (valid unless NotANumber)
    int rounded = 0;     // half to even (valid when Ok)
};
WholeNumber readWholeNumber(const QString& text, const QLocale& locale = QLocale());

} // namespace quarvex
