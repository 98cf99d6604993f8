#pragma once

// A student of the simulator: a hidden memory of every skill that no scheduler sees, with its
// own forgetting speed, a chance to get a skill right before practising it, and, for some,
// a habit of mixing up the parallel and offset entries that only practice of those entries
// wears off. Answers are drawn from the true recall; the solution shown after every answer
// is a review of the skill.

#include "Prng.h"
#include "MemoryModel.h"

#include <vector>

namespace orvik3::study {

struct StudentProfile {
    double forgetting = 1.0;  // 2: forgets twice as fast as the model's default student
    bool mixesEntries = false; // mixes up parallel and offset entries
    double priorShift = 0;     // added to the chance of knowing a skill before practice (0.2..0.5)
};

class SimulatedStudent
{
public:
    SimulatedStudent(const StudentProfile &profile, quint64 seed);

    // Answers a row of the skill (an index of skills()) at `at`; true when right.
    bool answer(int skill, qint64 at);
    // The chance that the student answers the skill right at `at`.
    double trueRecall(int skill, qint64 at) const;

private:
    // The student's own time for the skill: a memory that fades k times as fast as the
    // model's default student's lives on a clock running k times as fast.
    qint64 clock(int skill, qint64 at) const;

    practice::MemoryModel m_model;
    std::vector<practice::MemoryState> m_states;
    std::vector<double> m_prior;    // right before any practice
    std::vector<double> m_mixUp;    // chance of answering with the mixed-up entry
    std::vector<double> m_offset;   // how much harder than usual the skill is for the student
    std::vector<double> m_pace;     // how fast the student forgets the skill
    Prng m_draws;
};

} // namespace orvik3::study
