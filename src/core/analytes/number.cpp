#include "analytes/number.h"

#include <cmath>
#include <limits>

namespace quarvex {

namespace {

QLocale strictReader(const QLocale& locale)
{
    QLocale reader = locale;
    reader.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    return reader;
}

// True when the text is a whole number in plain digits with an optional sign,
// however many digits it has.
bool isExponent(QStringView text, const QLocale& locale)
{
    if (text.startsWith(locale.negativeSign()) || text.startsWith(locale.positiveSign()))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (!c.isDigit() || c.unicode() > 0x7f)
            return false;
    }
    return true;
}

// Qt reports a number too small for a double like a text that is no number
// (false and 0). It is one when its mantissa reads as a nonzero number and its
// exponent is a plain negative whole number; gives its sign then.
std::optional<double> underflowSign(const QString& text, const QLocale& reader)
{
    const qsizetype e = text.lastIndexOf(reader.exponential(), -1, Qt::CaseInsensitive);
    if (e <= 0)
        return std::nullopt;
    const QString exponent = text.mid(e + 1);
    if (!isExponent(exponent, reader) || !exponent.startsWith(reader.negativeSign()))
        return std::nullopt;
    bool ok = false;
    const double mantissa = reader.toDouble(text.left(e), &ok);
    if (!ok || mantissa == 0.0 || !std::isfinite(mantissa))
        return std::nullopt;
    return mantissa > 0 ? 1.0 : -1.0;
}

} // namespace

NumberReading readNumberText(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QLocale reader = strictReader(locale);
    bool ok = false;
    const double value = reader.toDouble(trimmed, &ok);
    if (ok)
        return std::isfinite(value) ? NumberReading{NumberStatus::Ok, value} : NumberReading{};
    if (std::isinf(value))
        return {NumberStatus::Overflow, value};
    if (const std::optional<double> sign = underflowSign(trimmed, reader))
        return {NumberStatus::Underflow, std::copysign(0.0, *sign)};
    return {};
}

std::optional<double> readNumber(const QString& text, const QLocale& locale)
{
    const NumberReading reading = readNumberText(text, locale);
    if (reading.status != NumberStatus::Ok)
        return std::nullopt;
    return reading.value;
}

WholeNumber readWholeNumber(const QString& text, const QLocale& locale)
{
    WholeNumber result;
    const NumberReading reading = readNumberText(text, locale);
    result.number = reading.value;
    switch (reading.status) {
    case NumberStatus::NotANumber:
        return result;
    case NumberStatus::Overflow:
        result.status = WholeNumberStatus::TooLarge;
        return result;
    case NumberStatus::Underflow:
        if (!std::signbit(reading.value)) {
            result.status = WholeNumberStatus::TooSmall;
            return result;
        }
        break; // a negative number next to zero: 0 as a whole number
    case NumberStatus::Ok:
        if (reading.value > 0.0 && reading.value < SmallestPositiveValue) {
            result.status = WholeNumberStatus::TooSmall;
            return result;
        }
        break;
    }
    const double number = reading.value;
    // Half to even, independent of the floating-point environment.
    double rounded = std::round(number);
    if (std::fabs(number - std::trunc(number)) == 0.5)
        rounded = 2.0 * std::round(number / 2.0);
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max()) {
        result.status = WholeNumberStatus::TooLarge;
        return result;
    }
    result.status = WholeNumberStatus::Ok;
    result.rounded = int(rounded);
    return result;
}

} // namespace quarvex
