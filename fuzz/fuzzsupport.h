#pragma once

// Shared by the fuzz targets: a check that aborts (which libFuzzer reports as
// a crash with its input) and the locale an input selects.

#include <QLocale>

#include <cstdint>
#include <cstdlib>

namespace quarvex::fuzz {

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The locale a fuzz input selects with its first byte: English or German.
inline QLocale localeOf(uint8_t selector)
{
    return selector & 1 ? QLocale(QLocale::German, QLocale::Germany)
                        : QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace quarvex::fuzz
