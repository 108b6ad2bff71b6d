#include "analytes/number.h"

#include <cmath>
#include <limits>

namespace quarvex {

std::optional<double> readNumber(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    // A locale that rejects group separators already is used as it is: setting
    // the option makes a copy of the locale's data, on every reading.
    QLocale reader = locale;
    if (!locale.numberOptions().testFlag(QLocale::RejectGroupSeparator))
        reader.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = reader.toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

WholeNumber readWholeNumber(const QString& text, const QLocale& locale)
{
    WholeNumber result;
    const std::optional<double> number = readNumber(text, locale);
    if (!number)
        return result;
    result.number = *number;
    // Half to even, independent of the floating-point environment.
    double rounded = std::round(*number);
    if (std::fabs(*number - std::trunc(*number)) == 0.5)
        rounded = 2.0 * std::round(*number / 2.0);
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
