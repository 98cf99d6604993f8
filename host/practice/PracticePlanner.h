#pragma once

#include "SkillMemory.h"

#include <orvik3/Skills.h>

#include <QtGlobal>

#include <vector>

namespace orvik3::practice {

// One question of a practice set: the exercise type, the skill it is made to exercise (the
// generator's wanted skill) and the seed of its situation.
struct PlannedQuestion {
    qint16 type = 0;
    const Skill *skill = nullptr;
    quint64 seed = 0;
};

// When a skill comes back: the time its predicted recall falls to the target.
struct Comeback {
    const Skill *skill = nullptr;
    qint64 at = 0;
};

struct PlanOptions {
    double target = 0.9;  // a skill is due when its predicted recall is below this
    int size = 10;        // questions in a set
    int newPerSet = 3;    // skills never reviewed that one set introduces at most
    quint64 seed = 0;
};

// "Today": sets made of the skills due now, the most forgotten first, then a few new skills,
// then the skills whose recall is lowest. Every question is asked for its skill; a question
// also reviews the other rows of its type, so a set asks for no skill that an earlier
// question of it already covers until every skill had its turn. The set alternates between
// families and never asks for one skill more than twice in a row.
class PracticePlanner
{
public:
    PracticePlanner(const SkillMemory &memory, const PlanOptions &options) : m_memory(memory), m_options(options) {}

    // The skills reviewed before whose predicted recall at `now` is below the target, the
    // most forgotten first.
    std::vector<const Skill *> due(qint64 now) const;
    std::vector<PlannedQuestion> todaySet(qint64 now) const;
    // When each of the skills comes back, the soonest first; skills never reviewed are left out.
    std::vector<Comeback> comebacks(const std::vector<const Skill *> &reviewed) const;

private:
    std::vector<int> priorities(qint64 now) const;
    const SkillMemory &m_memory;
    PlanOptions m_options;
};

// The questions reordered so that no two neighbours share a family where the mix allows it,
// and no skill is asked more than twice in a row (a third is moved on, or dropped when
// nothing else is left).
std::vector<PlannedQuestion> interleave(std::vector<PlannedQuestion> questions);

} // namespace orvik3::practice
