#pragma once

// Shared by the fuzz targets: dialogs that only count, and a check that
// aborts (which libFuzzer reports as a crash with its input).

#include "analytes/dialogs.h"

#include <QLocale>

#include <cstdint>
#include <cstdlib>

namespace quarvex::fuzz {

class CountingDialogs final : public Dialogs
{
public:
    void beep() override { ++beeps; }
    void message(const QString&, MessageIcon, const QString&) override { ++messages; }
    QString input(const QString&, const QString&, const QString&) override { return {}; }
    int beeps = 0;
    int messages = 0;
};

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
