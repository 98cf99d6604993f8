#include "SimulatedStudent.h"

#include <orvik3/Skills.h>

#include <algorithm>
#include <cmath>

namespace orvik3::study {

using practice::Grade;
using practice::MemoryParameters;

namespace {

MemoryParameters trueParameters(double forgetting)
{
    MemoryParameters p = MemoryParameters::defaults();
    // Forgetting faster: shorter first memories and smaller gains from each review.
    for (int i = 0; i < 4; ++i)
        p.w[std::size_t(i)] /= forgetting;
    p.w[8] -= 0.5 * std::log(forgetting);
    return p;
}

double uniform(Prng &r, double lo, double hi) { return lo + (hi - lo) * double(r.below(1000000)) / 1e6; }

} // namespace

SimulatedStudent::SimulatedStudent(const StudentProfile &profile, quint64 seed)
    : m_model(trueParameters(profile.forgetting)), m_states(skills().size()), m_draws(seed)
{
    for (const Skill &s : skills()) {
        m_prior.push_back(uniform(m_draws, 0.2, 0.5));
        m_offset.push_back(uniform(m_draws, -2, 2));
        const bool mixed = profile.mixesEntries
                           && (s.entry == HoldingEntry::Parallel || s.entry == HoldingEntry::Offset);
        m_mixUp.push_back(mixed ? 0.9 : 0);
    }
}

double SimulatedStudent::trueRecall(int skill, qint64 at) const
{
    const auto i = std::size_t(skill);
    const double r = m_states[i].known() ? m_model.recallAt(m_states[i], at) : m_prior[i];
    return r * (1 - m_mixUp[i]);
}

bool SimulatedStudent::answer(int skill, qint64 at)
{
    const auto i = std::size_t(skill);
    const bool right = double(m_draws.below(1000000)) / 1e6 < trueRecall(skill, at);
    const bool first = !m_states[i].known();
    m_states[i] = m_model.review(m_states[i], right ? Grade::Good : Grade::Again, at);
    if (first)
        m_states[i].difficulty = std::clamp(m_states[i].difficulty + m_offset[i], 1.0, 10.0);
    // Every solution seen of the mixed-up entry makes the mix-up rarer.
    m_mixUp[i] *= 0.8;
    return right;
}

} // namespace orvik3::study
