#include "MemoryModel.h"

#include <algorithm>
#include <cmath>

namespace orvik3::practice {

namespace {
constexpr double kMinStability = 0.01;
constexpr double kMaxStability = 36500;
double clampDifficulty(double d) { return std::clamp(d, 1.0, 10.0); }
double clampStability(double s) { return std::clamp(s, kMinStability, kMaxStability); }

struct Range {
    double lo, hi;
};
// The defaults and the ranges within which a fit may move them.
constexpr double kDefaults[MemoryParameters::kCount] = {0.40255, 1.18385, 3.173,   15.69105, 7.1949,  0.5345,
                                                        1.4604,  0.0046,  1.54575, 0.1192,  1.01925, 1.9395,
                                                        0.11,    0.29605, 2.2698,  0.2315,  2.9898};
constexpr Range kRanges[MemoryParameters::kCount] = {
    {0.01, 100}, {0.01, 100}, {0.01, 100}, {0.01, 100}, {1, 10},     {0.001, 4}, {0.001, 4},
    {0.001, 0.75}, {0, 4.5},  {0, 0.8},    {0.001, 3.5}, {0.001, 5}, {0.001, 0.25}, {0.001, 0.9},
    {0, 4},      {0, 1},      {1, 6}};
} // namespace

MemoryParameters MemoryParameters::defaults()
{
    MemoryParameters p;
    std::copy(std::begin(kDefaults), std::end(kDefaults), p.w.begin());
    return p;
}

double MemoryParameters::lowest(int i) { return kRanges[i].lo; }
double MemoryParameters::highest(int i) { return kRanges[i].hi; }

double MemoryModel::recall(double days, double stability)
{
    return std::pow(1.0 + kFactor * std::max(days, 0.0) / std::max(stability, kMinStability), kDecay);
}

double MemoryModel::interval(double stability, double target)
{
    return stability / kFactor * (std::pow(std::clamp(target, 0.01, 0.99), 1.0 / kDecay) - 1.0);
}

double MemoryModel::initialStability(Grade g) const { return clampStability(m_w[int(g) - 1]); }

double MemoryModel::initialDifficulty(Grade g) const
{
    return clampDifficulty(m_w[4] - std::exp(m_w[5] * (int(g) - 1)) + 1.0);
}

double MemoryModel::nextDifficulty(double d, Grade g) const
{
    // The step shrinks near the top of the scale, and every review pulls a little towards
    // the difficulty of a first "easy" answer, so that no skill is stuck at the top.
    const double delta = -m_w[6] * (int(g) - 3);
    const double stepped = d + delta * (10.0 - d) / 9.0;
    const double easy = m_w[4] - std::exp(m_w[5] * 3) + 1.0;
    return clampDifficulty(m_w[7] * easy + (1.0 - m_w[7]) * stepped);
}

double MemoryModel::stabilityAfterRecall(double d, double s, double r, Grade g) const
{
    const double hard = g == Grade::Hard ? m_w[15] : 1.0;
    const double easy = g == Grade::Easy ? m_w[16] : 1.0;
    return clampStability(s * (1.0 + std::exp(m_w[8]) * (11.0 - d) * std::pow(s, -m_w[9])
                                         * (std::exp(m_w[10] * (1.0 - r)) - 1.0) * hard * easy));
}

double MemoryModel::stabilityAfterLapse(double d, double s, double r) const
{
    const double after = m_w[11] * std::pow(d, -m_w[12]) * (std::pow(s + 1.0, m_w[13]) - 1.0) * std::exp(m_w[14] * (1.0 - r));
    // A lapse never makes a memory more stable than it was.
    return clampStability(std::min(after, s));
}

MemoryState MemoryModel::review(const MemoryState &state, Grade g, qint64 at) const
{
    MemoryState next = state;
    next.reviews = state.reviews + 1;
    next.lastReview = at;
    if (g == Grade::Again)
        ++next.lapses;
    if (!state.known()) {
        next.difficulty = initialDifficulty(g);
        next.stability = initialStability(g);
        return next;
    }
    const double days = double(std::max<qint64>(at - state.lastReview, 0)) / kDayMs;
    const double r = recall(days, state.stability);
    if (g == Grade::Again)
        next.stability = stabilityAfterLapse(state.difficulty, state.stability, r);
    else
        next.stability = stabilityAfterRecall(state.difficulty, state.stability, r, g);
    next.difficulty = nextDifficulty(state.difficulty, g);
    return next;
}

double MemoryModel::recallAt(const MemoryState &state, qint64 at) const
{
    if (!state.known())
        return 0;
    return recall(double(at - state.lastReview) / kDayMs, state.stability);
}

qint64 MemoryModel::dueAt(const MemoryState &state, double target) const
{
    return state.lastReview + qint64(interval(state.stability, target) * kDayMs);
}

} // namespace orvik3::practice
