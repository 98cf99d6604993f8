#pragma once

#include "MemoryModel.h"

#include <orvik3/Skills.h>

#include <QString>

#include <map>
#include <vector>

namespace orvik3::practice {

// The trainee's memory of every skill of the catalogue, by skill index, with the model that
// predicts it: what the scheduler and the readiness work on.
class SkillMemory
{
public:
    explicit SkillMemory(const MemoryParameters &parameters = MemoryParameters::defaults());
    // From a review log's states by skill id; unknown ids are left out.
    SkillMemory(const std::map<QString, MemoryState> &states, const MemoryParameters &parameters);

    const MemoryModel &model() const { return m_model; }
    const MemoryState &state(int skill) const { return m_states[std::size_t(skill)]; }
    int size() const { return int(m_states.size()); }
    // Predicted recall of a skill at `at`; 0 for a skill never reviewed.
    double recall(int skill, qint64 at) const { return m_model.recallAt(state(skill), at); }
    // One review of a skill.
    void review(int skill, Grade g, qint64 at);

private:
    MemoryModel m_model;
    std::vector<MemoryState> m_states;
};

} // namespace orvik3::practice
