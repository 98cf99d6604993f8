#include "SimulatedStudent.h"

#include <orvik3/Skills.h>

#include <algorithm>
#include <cmath>

namespace orvik3::study {

using practice::Grade;
using practice::MemoryParameters;

namespace {

double uniform(Prng &r, double lo, double hi) { return lo + (hi - lo) * double(r.below(1000000)) / 1e6; }

} // namespace

SimulatedStudent::SimulatedStudent(const StudentProfile &profile, quint64 seed)
    : m_states(skills().size()), m_draws(seed)
{
    for (const Skill &s : skills()) {
        m_prior.push_back(uniform(m_draws, 0.2 + profile.priorShift, 0.5 + profile.priorShift));
        m_offset.push_back(uniform(m_draws, -2, 2));
        // Some skills come easier to a student than others: up to twice as slow or as fast.
        m_pace.push_back(profile.forgetting * std::exp(uniform(m_draws, -std::log(2.0), std::log(2.0))));
        const bool mixed = profile.mixesEntries
                           && (s.entry == HoldingEntry::Parallel || s.entry == HoldingEntry::Offset);
        m_mixUp.push_back(mixed ? 0.9 : 0);
    }
}

qint64 SimulatedStudent::clock(int skill, qint64 at) const
{
    return qint64(double(at) * m_pace[std::size_t(skill)]);
}

double SimulatedStudent::trueRecall(int skill, qint64 at) const
{
    const auto i = std::size_t(skill);
    const double r = m_states[i].known() ? m_model.recallAt(m_states[i], clock(skill, at)) : m_prior[i];
    return r * (1 - m_mixUp[i]);
}

bool SimulatedStudent::answer(int skill, qint64 at)
{
    const auto i = std::size_t(skill);
    const bool right = double(m_draws.below(1000000)) / 1e6 < trueRecall(skill, at);
    const bool first = !m_states[i].known();
    m_states[i] = m_model.review(m_states[i], right ? Grade::Good : Grade::Again, clock(skill, at));
    if (first)
        m_states[i].difficulty = std::clamp(m_states[i].difficulty + m_offset[i], 1.0, 10.0);
    // Every solution seen of the mixed-up entry makes the mix-up rarer.
    m_mixUp[i] *= 0.8;
    return right;
}

} // namespace orvik3::study
