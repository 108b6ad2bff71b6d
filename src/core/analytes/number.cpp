#include "analytes/number.h"

#include <algorithm>
#include <charconv>
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

// Most values are typed as plain decimals: ASCII digits, perhaps a decimal
// point with digits on both sides, no sign, blank or leading zero. Up to 17
// digits such a text is a finite number of the locale well inside the range
// of doubles, and std::from_chars rounds it correctly, as Qt does: the same
// value, without the copies Qt makes on the way. Any other text is left to Qt.
std::optional<double> readPlainDecimal(const QString& text, const QLocale& locale)
{
    constexpr qsizetype MaxDigits = 17;
    const qsizetype size = text.size();
    if (size == 0 || size > MaxDigits + 1)
        return std::nullopt;
    const char16_t point = plainDecimalPoint(locale);
    if (point == u'\0')
        return std::nullopt;
    char buffer[MaxDigits + 1];
    qsizetype pointAt = -1;
    const QChar* chars = text.constData();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = chars[i].unicode();
        if (c >= u'0' && c <= u'9') {
            buffer[i] = char(c);
        } else if (c == point && pointAt < 0 && i > 0 && i + 1 < size) {
            pointAt = i;
            buffer[i] = '.';
        } else {
            return std::nullopt;
        }
    }
    const qsizetype integerDigits = pointAt < 0 ? size : pointAt;
    if ((buffer[0] == '0' && integerDigits > 1) || size - (pointAt < 0 ? 0 : 1) > MaxDigits)
        return std::nullopt;
    double value = 0.0;
    const std::from_chars_result read =
        std::from_chars(buffer, buffer + size, value, std::chars_format::fixed);
    if (read.ec != std::errc() || read.ptr != buffer + size)
        return std::nullopt;
    return value;
}

} // namespace

char16_t plainDecimalPoint(const QLocale& locale)
{
    // Asking the locale makes strings, so the answer is kept for the locale
    // last asked about on the thread.
    thread_local QLocale known = QLocale::c();
    thread_local char16_t point = u'.';
    if (locale != known) {
        known = locale;
        const QString decimal = locale.decimalPoint();
        point = decimal.size() == 1 && locale.zeroDigit() == QLatin1String("0")
                    ? decimal.front().unicode()
                    : u'\0';
    }
    return point;
}

NumberReading readNumberText(const QString& text, const QLocale& locale)
{
    if (const std::optional<double> plain = readPlainDecimal(text, locale))
        return {NumberStatus::Ok, *plain};
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
