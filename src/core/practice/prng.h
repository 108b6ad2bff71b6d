#pragma once

#include <QtGlobal>

#include <cstdint>

namespace quarvex {

// The exercises' random numbers: xoshiro256** seeded through splitmix64, both
// written out here so that a seed gives the same numbers on every platform
// and with every library (the standard distributions and QRandomGenerator
// leave their algorithms to the implementation). Only integer arithmetic and
// exact scaling by a power of two: no library function takes part.
class PracticeRandom
{
public:
    explicit PracticeRandom(quint64 seed)
    {
        for (quint64& word : m_state)
            word = splitmix64(seed);
    }

    quint64 next()
    {
        const quint64 result = rotl(m_state[1] * 5, 7) * 9;
        const quint64 t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

    // A number in [0, 1) with 53 random bits.
    double unit() { return double(next() >> 11) * 0x1.0p-53; }

    // A whole number in [0, count); count > 0.
    int below(int count) { return int((next() >> 33) % quint64(count)); }

    // One step of splitmix64: the seeding generator, also a good mixer.
    static quint64 splitmix64(quint64& state)
    {
        quint64 z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

private:
    static quint64 rotl(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }

    quint64 m_state[4];
};

} // namespace quarvex
