#include "analytes/format.h"

#include "analytes/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace quarvex {

namespace {

// A finite value as a decimal of at most 15 significant digits:
// 0.d1d2d3... times 10^pointPosition, with no trailing zeros in the digits
// (digits is empty for zero).
struct Decimal {
    bool negative = false;
    std::string digits;
    int pointPosition = 0; // number of digits before the decimal point
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
    const std::string_view text(buffer, size_t(written.ptr - buffer));
    const size_t e = text.find('e');
    d.digits.reserve(15);
    for (size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            d.digits.push_back(text[i]);
    }
    int exponent = 0;
    std::string_view exponentText = text.substr(e + 1);
    if (!exponentText.empty() && exponentText.front() == '+')
        exponentText.remove_prefix(1);
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    d.pointPosition = exponent + 1;
    return d;
}

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("not a number");
    return value < 0 ? QStringLiteral("-infinity") : QStringLiteral("infinity");
}

QString assemble(bool negative, const std::string& integerDigits, const std::string& fraction,
                 const QLocale& locale)
{
    // A positive number in a locale of ASCII digits and a one-character
    // decimal point is written in one piece.
    if (const char16_t point = plainDecimalPoint(locale); !negative && point != u'\0') {
        const size_t size = integerDigits.size() + (fraction.empty() ? 0 : 1 + fraction.size());
        QString text(qsizetype(size), Qt::Uninitialized);
        QChar* to = text.data();
        for (char c : integerDigits)
            *to++ = QLatin1Char(c);
        if (!fraction.empty()) {
            *to++ = QChar(point);
            for (char c : fraction)
                *to++ = QLatin1Char(c);
        }
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
    std::string integer;
    std::string fraction;
};

FixedDigits fixedDigits(double value, int decimals)
{
    const Decimal d = decimalOf(value);
    const int size = int(d.digits.size());

    // The digits up to the last decimal, integer part included, and the
    // first digit after them (the one that decides the rounding).
    const int kept = d.pointPosition + decimals;
    std::string digits;
    if (kept > 0) {
        digits.reserve(size_t(kept) + 1);
        for (int i = 0; i < kept; ++i)
            digits.push_back(i < size ? d.digits[size_t(i)] : '0');
    }
    // Position of the deciding digit in d.digits (may be before the first digit).
    const int decidingIndex = kept;
    const bool roundUp =
        decidingIndex >= 0 && decidingIndex < size && d.digits[size_t(decidingIndex)] >= '5';
    const size_t least = size_t(decimals) + 1;
    if (digits.size() < least)
        digits.insert(0, least - digits.size(), '0');
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
    FixedDigits out;
    out.integer = digits.substr(0, digits.size() - size_t(decimals));
    out.fraction = digits.substr(digits.size() - size_t(decimals));
    const size_t firstNonZero = out.integer.find_first_not_of('0');
    out.integer.erase(0, std::min(firstNonZero, out.integer.size() - 1));
    const bool zero =
        out.integer == "0" && out.fraction.find_first_not_of('0') == std::string::npos;
    out.negative = d.negative && !zero;
    return out;
}

} // namespace

QString formatFixed(double value, int decimals, const QLocale& locale)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const FixedDigits digits = fixedDigits(value, decimals);
    return assemble(digits.negative, digits.integer, digits.fraction, locale);
}

double fixedValue(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    const FixedDigits digits = fixedDigits(value, decimals);
    std::string text;
    text.reserve(digits.integer.size() + digits.fraction.size() + 2);
    if (digits.negative)
        text += '-';
    text += digits.integer;
    if (!digits.fraction.empty()) {
        text += '.';
        text += digits.fraction;
    }
    double read = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), read);
    return read;
}

QString formatPlain(double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const Decimal d = decimalOf(value);
    if (d.digits.empty())
        return QStringLiteral("0");
    const int size = int(d.digits.size());
    if (d.pointPosition > 21 || d.pointPosition < -6) {
        // Scientific: d[.ddd]e+XX.
        QString text = assemble(d.negative, d.digits.substr(0, 1), d.digits.substr(1), locale);
        const int exponent = d.pointPosition - 1;
        text += QLatin1Char('e');
        text += exponent < 0 ? QLatin1Char('-') : QLatin1Char('+');
        text += QString::number(std::abs(exponent));
        return text;
    }
    if (d.pointPosition <= 0) {
        const std::string fraction = std::string(size_t(-d.pointPosition), '0') + d.digits;
        return assemble(d.negative, "0", fraction, locale);
    }
    std::string integerDigits = d.digits.substr(0, size_t(std::min(size, d.pointPosition)));
    if (d.pointPosition > size)
        integerDigits.append(size_t(d.pointPosition - size), '0');
    const std::string fraction =
        d.pointPosition < size ? d.digits.substr(size_t(d.pointPosition)) : std::string();
    return assemble(d.negative, integerDigits, fraction, locale);
}

} // namespace quarvex
