#pragma once

// A model of the trainee's memory of one skill: difficulty, stability and retrievability, as
// in the open spaced-repetition model of that name (its published formulas and default
// parameters, written anew here). Stability is the time in days after which recall has
// dropped to 90 %; the forgetting curve is a power law in the elapsed time. Time runs in
// fractions of a day throughout: a second review minutes later finds recall near 1 and so
// adds little, which is what massed practice is worth.

#include <QtGlobal>

#include <array>

namespace orvik3::practice {

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

struct MemoryParameters {
    static constexpr int kCount = 17;
    std::array<double, kCount> w;

    static MemoryParameters defaults();
    // The range a fitted parameter stays in.
    static double lowest(int i);
    static double highest(int i);
    bool operator==(const MemoryParameters &) const = default;
};

struct MemoryState {
    double difficulty = 0; // 1 (easy) .. 10 (hard)
    double stability = 0;  // days
    qint64 lastReview = 0; // ms since the epoch
    int reviews = 0;       // 0: never reviewed; the other fields mean nothing then
    int lapses = 0;
    bool known() const { return reviews > 0; }
    bool operator==(const MemoryState &) const = default;
};

class MemoryModel
{
public:
    static constexpr double kDecay = -0.5;
    static constexpr double kFactor = 19.0 / 81.0; // so that recall(S, S) = 0.9
    static constexpr qint64 kDayMs = 86400000;

    explicit MemoryModel(const MemoryParameters &parameters = MemoryParameters::defaults()) : m_w(parameters.w) {}

    // Predicted recall after `days` without review.
    static double recall(double days, double stability);
    // The days after which recall falls to `target`.
    static double interval(double stability, double target);

    double initialStability(Grade g) const;
    double initialDifficulty(Grade g) const;
    double nextDifficulty(double difficulty, Grade g) const;
    double stabilityAfterRecall(double difficulty, double stability, double recall, Grade g) const;
    double stabilityAfterLapse(double difficulty, double stability, double recall) const;

    // The state after a review at `at` (ms since the epoch) graded g.
    MemoryState review(const MemoryState &state, Grade g, qint64 at) const;
    // Predicted recall at `at`; 0 for a skill never reviewed.
    double recallAt(const MemoryState &state, qint64 at) const;
    // When recall falls to `target`.
    qint64 dueAt(const MemoryState &state, double target) const;

private:
    std::array<double, MemoryParameters::kCount> m_w;
};

} // namespace orvik3::practice
