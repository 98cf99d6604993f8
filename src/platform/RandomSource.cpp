#include <orvik3/Error.h>
#include <orvik3/RandomSource.h>

#include <chrono>

#include <QCoreApplication>

namespace orvik3 {

RandomSource::~RandomSource() = default;

ClockRandomSource::ClockRandomSource()
{
    reseed();
}

void ClockRandomSource::reseed()
{
    // Two reseeds within one clock tick must not give the same sequence.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{std::uint64_t(ticks) & 0xFFFFFFFFu, std::uint64_t(ticks) >> 32, ++m_reseeds};
    m_engine.seed(seq);
}

float ClockRandomSource::next()
{
    // 24 random bits scaled by 2^-24 give every float step in [0, 1) and can never reach 1,
    // unlike generate_canonical<float>, which may round up to 1.
    return float(m_engine() >> 8) * 0x1p-24f;
}

ScriptedRandomSource::ScriptedRandomSource(std::vector<float> values)
    : m_values(std::move(values))
{
    for (float v : m_values)
        if (!(v >= 0.0f && v < 1.0f))
            throw Error(ErrorKind::ControlFailure, QCoreApplication::translate("orvik3::Error", "scripted random value %1 outside [0, 1)").arg(v));
    if (m_values.empty())
        m_values.push_back(0.0f);
}

float ScriptedRandomSource::next()
{
    return m_values[m_drawn++ % m_values.size()];
}

} // namespace orvik3
