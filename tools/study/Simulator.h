#pragma once

// The benchmark of the schedulers: simulated students with hidden memories practise for a
// number of evenings under one scheduler each, and what they truly know at the exam is
// measured. The same students (the same hidden memories and the same luck) meet every
// scheduler, so the schedulers differ by their choices alone.

#include <QString>
#include <QtGlobal>

#include <vector>

namespace orvik3::study {

enum class Scheduler { Random, Leitner, Model };

struct SimulationOptions {
    int students = 200;
    int days = 14;
    int perDay = 20;   // questions each evening
    quint64 seed = 1;
    int examAfter = 1; // days from the last evening to the exam
};

struct SchedulerOutcome {
    Scheduler scheduler = Scheduler::Random;
    double recall = 0;   // mean true recall at the exam over every student and skill, 0..1
    // Mean over the students who mix up parallel and offset entries of their weakest skill's
    // true recall at the exam.
    double weakest = 0;
    double weakestAll = 0; // the same over every student
    int skillsUnseen = 0;  // skills never reviewed, summed over the students
};

// "random", "leitner", "model".
QString schedulerName(Scheduler scheduler);

// Every fifth student mixes up parallel and offset entries; forgetting speeds spread
// between half and twice the model's default. The same options give the same outcome.
std::vector<SchedulerOutcome> simulate(const SimulationOptions &options);
SchedulerOutcome simulate(const SimulationOptions &options, Scheduler scheduler);

} // namespace orvik3::study
