#include "analytes/format.h"

#include "analytes/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

namespace quarvex {

namespace {

// A finite value as a decimal of at most 15 significant digits:
// 0.d1d2d3... times 10^pointPosition, with no trailing zeros in the digits
// (size is 0 for zero).
struct Decimal {
    bool negative = false;
    char digits[16] = {};
    int size = 0;
    int pointPosition = 0; // number of digits before the decimal point

    char at(int i) const { return i >= 0 && i < size ? digits[i] : '0'; }
    std::string_view view() const { return {digits, size_t(size)}; }
};

Decimal decimalOf(double value)
{
    Decimal d;
    d.negative = std::signbit(value);
    const double magnitude = std::fabs(value);
    if (magnitude == 0.0)
        return d;
    // "d.dddddddddddddde+XX": 15 significant digits, correctly rounded and
    // independent of the C library's locale.
    char buffer[64];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    const char* end = written.ptr;
    const char* e = buffer;
    while (e < end && *e != 'e')
        ++e;
    for (const char* c = buffer; c < e; ++c) {
        if (*c != '.')
            d.digits[d.size++] = *c;
    }
    const char* exponentText = e + 1;
    if (exponentText < end && *exponentText == '+')
        ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, end, exponent);
    while (d.size > 0 && d.digits[d.size - 1] == '0')
        --d.size;
    d.pointPosition = exponent + 1;
    return d;
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("not a number");
    return value < 0 ? QStringLiteral("-infinity") : QStringLiteral("infinity");
}

// The number's text: a minus sign, the integer digits, the locale's decimal
// point and the fraction (none when empty), then the suffix (UTF-8).
QString assemble(bool negative, std::string_view integerDigits, std::string_view fraction,
                 const QLocale& locale, std::string_view suffix = {})
{
    bool asciiSuffix = true;
    for (char c : suffix)
        asciiSuffix = asciiSuffix && static_cast<unsigned char>(c) < 0x80;
    // A positive number in a locale of ASCII digits and a one-character
    // decimal point is written in one piece, with an ASCII suffix.
    if (const char16_t point = plainDecimalPoint(locale);
        !negative && point != u'\0' && asciiSuffix) {
        const size_t size =
            integerDigits.size() + (fraction.empty() ? 0 : 1 + fraction.size()) + suffix.size();
        QString text(qsizetype(size), Qt::Uninitialized);
        QChar* to = text.data();
        for (char c : integerDigits)
            *to++ = QLatin1Char(c);
        if (!fraction.empty()) {
            *to++ = QChar(point);
            for (char c : fraction)
                *to++ = QLatin1Char(c);
        }
        for (char c : suffix)
            *to++ = QLatin1Char(c);
        return text;
    }
    QString text;
    if (negative)
        text += locale.negativeSign();
    text += QLatin1String(integerDigits.data(), qsizetype(integerDigits.size()));
    if (!fraction.empty()) {
        text += locale.decimalPoint();
        text += QLatin1String(fraction.data(), qsizetype(fraction.size()));
    }
    if (!suffix.empty())
        text += QString::fromUtf8(suffix.data(), qsizetype(suffix.size()));
    return text;
}

} // namespace

QString formatFixed2(double value, const QLocale& locale)
{
    return formatFixed(value, 2, locale);
}

namespace {

// The digits of a finite value rounded half away from zero to `decimals`
// places: the integer part without leading zeros (at least "0") and the
// fraction; whether it is negative (never for a value that rounds to zero).
struct FixedDigits {
    bool negative = false;
    std::string digits; // integer part, then the fraction
    size_t integerSize = 0;

    std::string_view integer() const { return std::string_view(digits).substr(0, integerSize); }
    std::string_view fraction() const { return std::string_view(digits).substr(integerSize); }
    // The number the digits write, as a double (correctly rounded).
    double value() const
    {
        char buffer[64];
        std::string text;
        const size_t size = digits.size() + 2;
        char* to = size <= sizeof buffer ? buffer : (text.resize(size), text.data());
        char* c = to;
        if (negative)
            *c++ = '-';
        c = std::copy(digits.begin(), digits.begin() + std::ptrdiff_t(integerSize), c);
        if (integerSize < digits.size()) {
            *c++ = '.';
            c = std::copy(digits.begin() + std::ptrdiff_t(integerSize), digits.end(), c);
        }
        double read = 0.0;
        std::from_chars(to, c, read);
        return read;
    }
};

FixedDigits fixedDigits(double value, int decimals)
{
    const Decimal d = decimalOf(value);

    // The digits up to the last decimal, integer part included (at least
    // one integer digit), and the first digit after them (the one that
    // decides the rounding).
    const int kept = d.pointPosition + decimals;
    const int least = decimals + 1;
    FixedDigits out;
    std::string& digits = out.digits;
    digits.reserve(size_t(std::max(kept, least)) + 1);
    if (kept < least)
        digits.append(size_t(least - std::max(kept, 0)), '0');
    for (int i = 0; i < kept; ++i)
        digits.push_back(d.at(i));
    const bool roundUp = kept >= 0 && kept < d.size && d.digits[kept] >= '5';
    if (roundUp) {
        int i = int(digits.size()) - 1;
        while (i >= 0 && digits[size_t(i)] == '9') {
            digits[size_t(i)] = '0';
            --i;
        }
        if (i >= 0)
            ++digits[size_t(i)];
        else
            digits.insert(digits.begin(), '1');
    }
    // No leading zeros in the integer part but its last digit.
    size_t integerSize = digits.size() - size_t(decimals);
    size_t leading = 0;
    while (leading + 1 < integerSize && digits[leading] == '0')
        ++leading;
    digits.erase(0, leading);
    integerSize -= leading;
    out.integerSize = integerSize;
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    out.negative = d.negative && !zero;
    return out;
}

} // namespace

QString formatFixed(double value, int decimals, const QLocale& locale)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const FixedDigits digits = fixedDigits(value, decimals);
    return assemble(digits.negative, digits.integer(), digits.fraction(), locale);
}

QString formatFixed(double value, int decimals, const QLocale& locale, const char* suffix,
                    double* shown)
{
    const std::string_view after = suffix ? std::string_view(suffix) : std::string_view();
    if (!std::isfinite(value)) {
        if (shown)
            *shown = value;
        return nonFiniteText(value) + QString::fromUtf8(after.data(), qsizetype(after.size()));
    }
    const FixedDigits digits = fixedDigits(value, decimals);
    if (shown)
        *shown = digits.value();
    return assemble(digits.negative, digits.integer(), digits.fraction(), locale, after);
}

double fixedValue(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    return fixedDigits(value, decimals).value();
}

QString formatPlain(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal d = decimalOf(value);
    if (d.size == 0)
        return QStringLiteral("0");
    const int size = d.size;
    const std::string_view digits = d.view();
    if (d.pointPosition > 21 || d.pointPosition < -6) {
        // Scientific: d[.ddd]e+XX.
        QString text = assemble(d.negative, digits.substr(0, 1), digits.substr(1), locale);
        const int exponent = d.pointPosition - 1;
        text += QLatin1Char('e');
        text += exponent < 0 ? QLatin1Char('-') : QLatin1Char('+');
        text += QString::number(std::abs(exponent));
        return text;
    }
    if (d.pointPosition <= 0) {
        const std::string fraction =
            std::string(size_t(-d.pointPosition), '0') + std::string(digits);
        return assemble(d.negative, "0", fraction, locale);
    }
    std::string integerDigits(digits.substr(0, size_t(std::min(size, d.pointPosition))));
    if (d.pointPosition > size)
        integerDigits.append(size_t(d.pointPosition - size), '0');
    const std::string_view fraction =
        d.pointPosition < size ? digits.substr(size_t(d.pointPosition)) : std::string_view();
    return assemble(d.negative, integerDigits, fraction, locale);
}

} // namespace quarvex
