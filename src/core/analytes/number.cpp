#include "analytes/number.h"

#include <algorithm>
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

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Qt reports a number too small for a double like a text that is no number
// (false and 0), whether it is written with an exponent ("1e-400") or in full
// ("0.000...1"). The text is such a number when it is a plain decimal, with
// perhaps an exponent, whose first nonzero digit lies beyond the 300th place
// after the decimal point; gives its sign then.
std::optional<double> underflowSign(QStringView text, const QLocale& reader)
{
    double sign = 1.0;
    if (text.startsWith(reader.negativeSign())) {
        sign = -1.0;
        text = text.mid(reader.negativeSign().size());
    } else if (text.startsWith(reader.positiveSign())) {
        text = text.mid(reader.positiveSign().size());
    }
    // The mantissa: digits, perhaps a decimal point and more digits.
    const QString point = reader.decimalPoint();
    qsizetype i = 0;
    qsizetype pointAt = -1;
    qsizetype firstNonzero = -1;
    qsizetype digits = 0;
    while (i < text.size()) {
        if (isAsciiDigit(text[i])) {
            if (text[i] != u'0' && firstNonzero < 0)
                firstNonzero = digits;
            ++digits;
            ++i;
        } else if (pointAt < 0 && text.mid(i).startsWith(point)) {
            pointAt = digits;
            i += point.size();
        } else {
            break;
        }
    }
    if (digits == 0 || firstNonzero < 0)
        return std::nullopt;
    // The decimal place of the first nonzero digit: 0 for units, -1 for tenths.
    const qsizetype integerDigits = pointAt < 0 ? digits : pointAt;
    qint64 place = qint64(integerDigits) - 1 - qint64(firstNonzero);
    if (i < text.size()) {
        if (text[i] != u'e' && text[i] != u'E' && text.mid(i, 1) != reader.exponential())
            return std::nullopt;
        ++i;
        qint64 exponentSign = 1;
        if (text.mid(i).startsWith(reader.negativeSign())) {
            exponentSign = -1;
            i += reader.negativeSign().size();
        } else if (text.mid(i).startsWith(reader.positiveSign())) {
            i += reader.positiveSign().size();
        }
        if (i == text.size())
            return std::nullopt;
        qint64 exponent = 0;
        for (; i < text.size(); ++i) {
            if (!isAsciiDigit(text[i]))
                return std::nullopt;
            exponent = std::min<qint64>(exponent * 10 + (text[i].unicode() - u'0'), 1'000'000'000);
        }
        place += exponentSign * exponent;
    }
    if (place >= -300)
        return std::nullopt;
    return sign;
}

} // namespace

NumberReading readNumberText(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A locale that rejects group separators already is used as it is: setting
    // the option makes a copy of the locale's data, on every reading.
    const QLocale reader = locale.numberOptions().testFlag(QLocale::RejectGroupSeparator)
                               ? locale
                               : strictReader(locale);
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
