#include "SkillMemory.h"

namespace orvik3::practice {

SkillMemory::SkillMemory(const MemoryParameters &parameters) : m_model(parameters), m_states(skills().size()) {}

SkillMemory::SkillMemory(const std::map<QString, MemoryState> &states, const MemoryParameters &parameters)
    : SkillMemory(parameters)
{
    for (const auto &[id, s] : states)
        if (const int i = skillIndex(skillById(id)); i >= 0)
            m_states[std::size_t(i)] = s;
}

void SkillMemory::review(int skill, Grade g, qint64 at)
{
    MemoryState &s = m_states[std::size_t(skill)];
    s = m_model.review(s, g, at);
}

} // namespace orvik3::practice
