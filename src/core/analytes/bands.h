#pragma once

#include <cmath>
#include <limits>
#include <span>

namespace quarvex {

// Band edges are decided as exact arithmetic on the typed decimals would
// decide them: a computed value within a relative 1e-9 of a bound counts as
// equal to it (iron 55 over TIBC 100 times 100 is 55.00000000000001 in
// doubles, and is exactly 55). Every band decision goes through these.
inline constexpr double BandTolerance = 1e-9;

inline bool approxEqual(double value, double bound)
{
    return value == bound || std::fabs(value - bound) <= BandTolerance * std::fabs(bound);
}
inline bool less(double value, double bound)
{
    return value < bound && !approxEqual(value, bound);
}
inline bool lessOrEqual(double value, double bound)
{
    return value < bound || approxEqual(value, bound);
}
inline bool greater(double value, double bound)
{
    return value > bound && !approxEqual(value, bound);
}
inline bool greaterOrEqual(double value, double bound)
{
    return value > bound || approxEqual(value, bound);
}

// One band of a table: the values up to `upTo` (including it when
// `inclusive`) that no earlier band took. text is nullptr for a band that
// gives no text.
struct Band {
    double upTo;
    bool inclusive;
    const char* text;
};

inline constexpr double AndAbove = std::numeric_limits<double>::infinity();

// Walks the bands in ascending order and returns the index of the first band
// that holds the value; the last band takes everything above. A value that is
// not a finite number falls in no band (-1).
inline int bandIndex(double value, std::span<const Band> bands)
{
    if (!std::isfinite(value) || bands.empty())
        return -1;
    const int last = int(bands.size()) - 1;
    for (int i = 0; i < last; ++i) {
        const Band& band = bands[size_t(i)];
        if (band.inclusive ? lessOrEqual(value, band.upTo) : less(value, band.upTo))
            return i;
    }
    return last;
}

// The text of the band that holds the value (nullptr for none).
inline const char* bandText(double value, std::span<const Band> bands)
{
    const int index = bandIndex(value, bands);
    return index < 0 ? nullptr : bands[size_t(index)].text;
}

} // namespace quarvex
