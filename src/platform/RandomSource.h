#pragma once

#include <orvik3/orvik3_export.h>

#include <cstdint>
#include <random>
#include <vector>

namespace orvik3 {

// Uniform numbers in [0, 1) as 32-bit floats, the way the panels draw question orders and
// candidate places.
class ORVIK3_EXPORT RandomSource
{
public:
    virtual ~RandomSource();
    // Seeds the generator from the clock; the panels do this before every drawing.
    virtual void reseed() = 0;
    // A number in [0, 1); never 1.
    virtual float next() = 0;
};

class ORVIK3_EXPORT ClockRandomSource : public RandomSource
{
public:
    ClockRandomSource();
    void reseed() override;
    float next() override;

private:
    std::mt19937 m_engine;
    std::uint64_t m_reseeds = 0;
};

// Returns the given numbers in order, then starts again from the first; a reseed does not
// restart them, so a test scripts a whole sequence of drawings.
class ORVIK3_EXPORT ScriptedRandomSource : public RandomSource
{
public:
    explicit ScriptedRandomSource(std::vector<float> values);
    void reseed() override {}
    float next() override;
    std::size_t drawn() const { return m_drawn; }

private:
    std::vector<float> m_values;
    std::size_t m_drawn = 0;
};

} // namespace orvik3
