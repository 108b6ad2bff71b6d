#pragma once

#include <array>
#include <initializer_list>
#include <span>

namespace quarvex {

// A short list held in place, so a descriptor can be a constant.
template <class T, size_t Capacity>
struct ShortList {
    std::array<T, Capacity> items{};
    size_t count = 0;

    constexpr ShortList() = default;
    constexpr ShortList(std::initializer_list<T> list)
    {
        for (const T& item : list)
            items[count++] = item;
    }
    std::span<const T> view() const { return {items.data(), count}; }
};

} // namespace quarvex
