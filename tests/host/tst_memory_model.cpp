// The memory model against values worked out by hand from its formulas and default
// parameters, and the fit of its parameters to a log.
#include "MemoryModel.h"
#include "ParameterFit.h"

#include <orvik3/Skills.h>

#include <gtest/gtest.h>

#include <functional>

using namespace orvik3;
using namespace orvik3::practice;

namespace {

struct Formula {
    const char *name;
    std::function<double(const MemoryModel &)> compute;
    double expected;
};

class MemoryFormula : public ::testing::TestWithParam<Formula>
{
};

TEST_P(MemoryFormula, MatchesTheHandWorkedValue)
{
    EXPECT_NEAR(GetParam().compute(MemoryModel()), GetParam().expected, 1e-6);
}

using M = const MemoryModel &;
const Formula kFormulas[] = {
    {"RecallAfterOneStabilityIsNinety", [](M) { return MemoryModel::recall(3.173, 3.173); }, 0.9},
    {"RecallAfterTenDays", [](M) { return MemoryModel::recall(10, 3.173); }, 0.7582588167},
    {"RecallHalfAnHourLater", [](M) { return MemoryModel::recall(0.5 / 24, 0.40255); }, 0.9939848675},
    {"RecallOfNegativeTimeIsFull", [](M) { return MemoryModel::recall(-2, 1); }, 1.0},
    {"IntervalForNinetyIsTheStability", [](M) { return MemoryModel::interval(3.173, 0.9); }, 3.173},
    {"IntervalForEighty", [](M) { return MemoryModel::interval(3.173, 0.8); }, 7.6089375},
    {"IntervalForNinetyFive", [](M) { return MemoryModel::interval(10, 0.95); }, 4.6056276425},
    {"FirstStabilityAgain", [](M m) { return m.initialStability(Grade::Again); }, 0.40255},
    {"FirstStabilityEasy", [](M m) { return m.initialStability(Grade::Easy); }, 15.69105},
    {"FirstDifficultyAgain", [](M m) { return m.initialDifficulty(Grade::Again); }, 7.1949},
    {"FirstDifficultyGood", [](M m) { return m.initialDifficulty(Grade::Good); }, 5.2824344223},
    {"FirstDifficultyEasy", [](M m) { return m.initialDifficulty(Grade::Easy); }, 3.2245015894},
    {"DifficultyAfterAgain", [](M m) { return m.nextDifficulty(5, Grade::Again); }, 6.6070351073},
    {"DifficultyAfterGoodRevertsToTheMean", [](M m) { return m.nextDifficulty(5, Grade::Good); }, 4.9918327073},
    {"DifficultyNearTheTopStepsLittle", [](M m) { return m.nextDifficulty(9.9, Grade::Again); }, 9.9015967553},
    {"DifficultyStaysAboveOne", [](M m) { return m.nextDifficulty(2, Grade::Easy); }, 1.0},
    {"StabilityAfterGood", [](M m) { return m.stabilityAfterRecall(5, 3.173, 0.9, Grade::Good); }, 11.524379354},
    {"StabilityAfterHard", [](M m) { return m.stabilityAfterRecall(5, 3.173, 0.9, Grade::Hard); }, 5.1063443205},
    {"StabilityAfterEasy", [](M m) { return m.stabilityAfterRecall(5, 3.173, 0.9, Grade::Easy); }, 28.141953993},
    {"StabilityAfterGoodWhenHard", [](M m) { return m.stabilityAfterRecall(8, 1, 0.7, Grade::Good); }, 6.0341101655},
    {"StabilityAfterLapse", [](M m) { return m.stabilityAfterLapse(5, 3.173, 0.9); }, 1.0733459984},
    {"StabilityAfterLapseOfAStrongMemory", [](M m) { return m.stabilityAfterLapse(8, 20, 0.6); }, 5.5958085418},
    {"LapseNeverRaisesStability", [](M m) { return m.stabilityAfterLapse(5, 0.5, 0.1); }, 0.5},
    {"LapseOfAWeakMemory", [](M m) { return m.stabilityAfterLapse(5, 0.1, 0.9); }, 0.05834789042},
};
INSTANTIATE_TEST_SUITE_P(Model, MemoryFormula, ::testing::ValuesIn(kFormulas),
                         [](const auto &info) { return std::string(info.param.name); });

// Good on day 0, Again two days later, Good a day after that: the review steps chain the
// formulas with the elapsed time between them.
TEST(MemoryReview, ChainsTheFormulasOverTime)
{
    const MemoryModel m;
    const qint64 day = MemoryModel::kDayMs;
    MemoryState s = m.review({}, Grade::Good, 0);
    EXPECT_NEAR(s.stability, 3.173, 1e-9);
    s = m.review(s, Grade::Again, 2 * day);
    EXPECT_NEAR(s.stability, 0.9890384868, 1e-6);
    EXPECT_NEAR(s.difficulty, 6.7969325799, 1e-6);
    s = m.review(s, Grade::Good, 3 * day);
    EXPECT_NEAR(s.stability, 3.1052778336, 1e-6);
    EXPECT_NEAR(s.difficulty, 6.7804993974, 1e-6);
    EXPECT_EQ(s.reviews, 3);
    EXPECT_EQ(s.lapses, 1);
    EXPECT_EQ(m.dueAt(s, 0.9), 3 * day + qint64(3.1052778336 * day));
    EXPECT_EQ(m.recallAt(MemoryState{}, day), 0.0); // never reviewed: not known
}

// A log made by a student whose memories last a third as long as the defaults say: the fit
// finds parameters that predict it better, and a short log is left alone.
TEST(MemoryFit, LearnsFromTheLogAboveTheMinimum)
{
    MemoryParameters truth = MemoryParameters::defaults();
    for (int i = 0; i < 4; ++i)
        truth.w[std::size_t(i)] /= 3;
    truth.w[8] -= 0.8;
    const MemoryModel student(truth);
    std::vector<Review> log;
    quint64 x = 12345;
    auto chance = [&] { return double((x = x * 6364136223846793005ull + 1442695040888963407ull) >> 11) / double(1ull << 53); };
    std::vector<MemoryState> states(skills().size());
    for (int day = 0; day < 40; ++day)
        for (std::size_t k = 0; k < states.size(); ++k) {
            if ((day + int(k)) % 3)
                continue;
            const qint64 at = day * MemoryModel::kDayMs + qint64(k) * 60000;
            const bool right = states[k].known() && chance() < student.recallAt(states[k], at);
            states[k] = student.review(states[k], right ? Grade::Good : Grade::Again, at);
            log.push_back({at, QString::fromLatin1(skills()[k].id), 1, {}, {}, right ? Outcome::Right : Outcome::Wrong, 0});
        }
    ASSERT_GE(log.size(), std::size_t(kMinimumReviewsToFit));
    const std::optional<FitResult> fit = fitParameters(log, MemoryParameters::defaults());
    ASSERT_TRUE(fit);
    EXPECT_NEAR(fit->lossBefore, logLoss(log, MemoryParameters::defaults()), 1e-12);
    EXPECT_LT(fit->lossAfter, fit->lossBefore - 0.02);
    EXPECT_NEAR(logLoss(log, fit->parameters), fit->lossAfter, 1e-12);
    // Every first answer is wrong here: learnt that a first memory fades sooner.
    EXPECT_LT(fit->parameters.w[0], MemoryParameters::defaults().w[0]);
    log.resize(kMinimumReviewsToFit - 1);
    EXPECT_FALSE(fitParameters(log, MemoryParameters::defaults()));
}

} // namespace
