#pragma once

// A seeded random source whose draws are the same on every standard library: the engine's
// output is fixed by the standard, the mapping to ranges is our own (the library's
// distributions may differ between implementations).

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <random>

namespace orvik3::study {

class Prng
{
public:
    explicit Prng(quint64 seed) : m_engine(seed) {}

    // Uniform in 0..n-1 (n > 0): draws from the incomplete last block of n are thrown away,
    // so every remainder is equally likely.
    quint64 below(quint64 n)
    {
        const quint64 limit = ~quint64(0) - (~quint64(0) % n + 1) % n;
        quint64 x = m_engine();
        while (x > limit)
            x = m_engine();
        return x % n;
    }

    // Uniform in lo..hi, both included.
    int between(int lo, int hi) { return lo + int(below(quint64(hi - lo + 1))); }

    // Uniform in lo..hi in steps of `step`, lo included.
    int stepped(int lo, int hi, int step) { return lo + step * int(below(quint64((hi - lo) / step + 1))); }

    // True with the probability num/den.
    bool chance(int num, int den) { return int(below(quint64(den))) < num; }

    // A seed for a sub-stream, so that one question's draws do not shift the next one's.
    quint64 next() { return m_engine(); }

private:
    std::mt19937_64 m_engine;
};

// A seed made from a name (FNV-1a) and a number, the same on every machine: for draws that
// must stay put while the name does, as in the scenario files.
inline quint64 seedOf(const QByteArray &name, quint64 n)
{
    quint64 h = 14695981039346656037ull;
    for (const char c : name)
        h = (h ^ quint64(quint8(c))) * 1099511628211ull;
    return h ^ (n * 0x9E3779B97F4A7C15ull);
}

} // namespace orvik3::study
