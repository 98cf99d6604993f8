// The generator asked for a skill, and the scheduler benchmark: on a smaller run than the
// published one, the memory model must still beat random order and the Leitner boxes.
#include "RandomSet.h"
#include "Simulator.h"

#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::study;

namespace {

struct Wanted {
    const char *name;
    qint16 type;
    const char *skill;
    bool made;
};

class WantedSkill : public ::testing::TestWithParam<Wanted>
{
};

TEST_P(WantedSkill, EveryQuestionExercisesIt)
{
    const Skill *skill = skillById(QString::fromLatin1(GetParam().skill));
    ASSERT_TRUE(skill);
    RandomRequest request;
    request.type = GetParam().type;
    request.count = 4;
    request.seed = 11;
    request.skills = {skill};
    QString error;
    const std::optional<RandomSet> set = randomSet(request, &error);
    ASSERT_EQ(bool(set), GetParam().made) << error.toStdString();
    if (!set) {
        EXPECT_TRUE(error.contains(QLatin1String("does not train"))) << error.toStdString();
        return;
    }
    for (const QStringList &kinds : set->kinds) {
        const std::vector<const Skill *> rows = skillsOfQuestion(request.type, rowSituationOf(kinds));
        EXPECT_NE(std::find(rows.begin(), rows.end(), skill), rows.end()) << kinds.join(u',').toStdString();
    }
}

const Wanted kWanted[] = {
    {"ParallelLeftInTheHsiHolding", 3, "holding.entry.parallel.left", true},
    {"OffsetRightWithTheRelativeBearing", 14, "holding.entry.offset.right", true},
    {"AnyHoldingForTheOutbound", 4, "holding.outbound", true},
    {"HoldingEntryNotInTheWind", 8, "holding.entry.direct.right", false},
    {"QdrTurnNotInAQdmType", 6, "intercept.qdr.turn", false},
};
INSTANTIATE_TEST_SUITE_P(Generator, WantedSkill, ::testing::ValuesIn(kWanted), [](const auto &info) { return std::string(info.param.name); });

// Forty students, two weeks of twenty questions an evening.
TEST(Simulator, TheModelBeatsRandomOrderAndLeitnerBoxes)
{
    SimulationOptions options;
    options.students = 40;
    const std::vector<SchedulerOutcome> o = simulate(options);
    ASSERT_EQ(o.size(), 3u);
    const SchedulerOutcome &random = o[0], &leitner = o[1], &model = o[2];
    EXPECT_GE(model.recall, leitner.recall + 0.10);
    EXPECT_GE(model.recall, random.recall + 0.10);
    EXPECT_GE(model.weakest, leitner.weakest + 0.20);
    EXPECT_EQ(model.skillsUnseen, 0);
    const SchedulerOutcome again = simulate(options, Scheduler::Leitner);
    EXPECT_EQ(again.recall, leitner.recall); // the same seed, the same students
}

} // namespace
