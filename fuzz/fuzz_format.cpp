// The "###0.00" result format and the plain number writer on arbitrary
// doubles: the text must have the right shape, and read back to the value
// rounded to two decimals (or, for the plain writer, to the value itself).
#include "analytes/format.h"
#include "fuzzsupport.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace quarvex;
    using namespace quarvex::fuzz;
    if (size != sizeof(double))
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);

    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString fixed = formatFixed2(value, english);
    const QString plainText = formatPlain(value, english);

    // The German texts differ only by the decimal separator.
    QString fixedGerman = formatFixed2(value, german);
    require(fixedGerman.replace(QLatin1Char(','), QLatin1Char('.')) == fixed);

    if (!std::isfinite(value)) {
        require(!fixed.isEmpty() && fixed == plainText);
        return 0;
    }

    static const QRegularExpression shape(QStringLiteral("^-?[0-9]+\\.[0-9]{2}$"));
    require(shape.match(fixed).hasMatch());
    require(fixed != QStringLiteral("-0.00"));
    require(fixed.size() == 4 || !fixed.startsWith(QStringLiteral("0")) ||
            fixed.startsWith(QStringLiteral("0.")));

    // The 15-digit form of the very largest doubles lies beyond the largest double.
    if (std::fabs(value) > 1.797693134862315e308)
        return 0;
    bool ok = false;
    const double back = fixed.toDouble(&ok);
    require(ok);
    // 15 significant digits first, then two decimals, half away from zero.
    const double slack = std::fabs(value) * 1e-14 + 1e-300;
    require(std::fabs(back - value) <= 0.005 * (1 + 1e-12) + slack);
    if (std::fabs(value) < 1e13) {
        const double hundredths = std::fabs(value) * 100.0;
        const double expected = std::floor(hundredths + 0.5); // half away from zero
        // Only where the value is clearly away from a half does the plain rule decide.
        if (std::fabs(hundredths - std::floor(hundredths) - 0.5) > 1e-6 + hundredths * 1e-14)
            require(std::fabs(std::fabs(back) * 100.0 - expected) < 0.5);
    }

    const double plainBack = plainText.toDouble(&ok);
    require(ok);
    require(std::fabs(plainBack - value) <= std::fabs(value) * 1e-14);
    if (plainText.contains(QLatin1Char('.')) && !plainText.contains(QLatin1Char('e')))
        require(!plainText.endsWith(QLatin1Char('0')) && !plainText.endsWith(QLatin1Char('.')));
    return 0;
}
