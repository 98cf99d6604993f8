// Today's practice: what is due, how a set is made and ordered, when skills come back, and the
// readiness for the exam.
#include "PracticePlanner.h"
#include "Readiness.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

using namespace orvik3;
using namespace orvik3::practice;

namespace {

constexpr qint64 kDay = MemoryModel::kDayMs;
constexpr qint64 kNow = 100 * kDay;

const Skill *skill(const char *id) { return skillById(QString::fromLatin1(id)); }
int index(const char *id) { return skillIndex(skill(id)); }

// Every skill reviewed once, right: those named `daysAgo` days before now, the others now.
SkillMemory memoryWith(const std::map<std::string, double> &daysAgo)
{
    SkillMemory m;
    for (int i = 0; i < m.size(); ++i) {
        const auto it = daysAgo.find(skills()[std::size_t(i)].id);
        m.review(i, Grade::Good, kNow - (it == daysAgo.end() ? 0 : qint64(it->second * kDay)));
    }
    return m;
}

std::set<const Skill *> askedFor(const std::vector<PlannedQuestion> &set)
{
    std::set<const Skill *> out;
    for (const PlannedQuestion &q : set)
        out.insert(q.skill);
    return out;
}

void expectWellMixed(const std::vector<PlannedQuestion> &set)
{
    for (std::size_t i = 0; i < set.size(); ++i) {
        EXPECT_TRUE(set[i].skill->trainedBy(set[i].type)) << set[i].skill->id;
        if (i >= 2)
            EXPECT_FALSE(set[i].skill == set[i - 1].skill && set[i].skill == set[i - 2].skill) << "three in a row at " << i;
    }
}

TEST(PracticePlanner, DueIsRecallBelowTheTargetMostForgottenFirst)
{
    const SkillMemory m = memoryWith({{"wind.wca", 20}, {"adf.rb", 5}, {"arc.turn", 3.0}, {"orientation.qdr", 3.2}});
    PlanOptions o;
    const std::vector<const Skill *> due = PracticePlanner(m, o).due(kNow);
    // Stability 3.173 days: recall is 90 % after exactly that long.
    EXPECT_EQ(due, (std::vector{skill("wind.wca"), skill("adf.rb"), skill("orientation.qdr")}));
    o.target = 0.7;
    EXPECT_EQ(PracticePlanner(m, o).due(kNow), (std::vector{skill("wind.wca")}));
    EXPECT_TRUE(PracticePlanner(SkillMemory(), o).due(kNow).empty()); // nothing known, nothing due
}

// The due skills open the set; a holding asks for the entry needed most; the other rows of a
// question count as asked.
TEST(PracticePlanner, TodayAsksForTheDueSkillsFirst)
{
    const SkillMemory m = memoryWith({{"wind.wca", 20}, {"holding.entry.offset.left", 9}, {"holding.first-turn", 30},
                                      {"intercept.qdr.turn", 6}});
    PlanOptions o;
    o.size = 4;
    const std::vector<PlannedQuestion> set = PracticePlanner(m, o).todaySet(kNow);
    // The first turn, most forgotten, comes with the offset entry's holding; the room left goes
    // to the first of the skills not due.
    EXPECT_EQ(askedFor(set), (std::set{skill("wind.wca"), skill("holding.entry.offset.left"), skill("intercept.qdr.turn"),
                               skill("position.hsi.radial")}));
    expectWellMixed(set);
}

TEST(PracticePlanner, AFreshStudentMeetsAFewNewSkillsFromDifferentFamilies)
{
    PlanOptions o;
    o.seed = 7;
    const std::vector<PlannedQuestion> set = PracticePlanner(SkillMemory(), o).todaySet(kNow);
    ASSERT_EQ(set.size(), 10u);
    std::set<Family> families;
    for (const Skill *s : askedFor(set))
        families.insert(s->family);
    EXPECT_EQ(askedFor(set).size(), 3u);
    EXPECT_EQ(families.size(), 3u);
    expectWellMixed(set);
    const std::vector<PlannedQuestion> again = PracticePlanner(SkillMemory(), o).todaySet(kNow);
    EXPECT_TRUE(std::equal(set.begin(), set.end(), again.begin(), again.end(),
                           [](const auto &a, const auto &b) { return a.type == b.type && a.skill == b.skill && a.seed == b.seed; }));
}

struct Mix {
    const char *name;
    std::vector<const char *> skills;
    const char *families; // of the questions in their new order: Position, Holding, Adf, QdmQdr, Wind
};

class Interleave : public ::testing::TestWithParam<Mix>
{
};

TEST_P(Interleave, AlternatesFamiliesAndNeverAsksThreeInARow)
{
    std::vector<PlannedQuestion> in;
    for (const char *id : GetParam().skills)
        in.push_back({typesTraining(*skill(id)).front(), skill(id), 0});
    const std::vector<PlannedQuestion> out = interleave(in);
    std::string families;
    for (const PlannedQuestion &q : out)
        families += "PHAQW"[int(q.skill->family)];
    EXPECT_EQ(families, GetParam().families);
    expectWellMixed(out);
}

// The largest family first, never after itself while another is left; ties to the earlier.
const Mix kMixes[] = {
    {"OneFamilyBlockSpreadOut", {"wind.wca", "wind.time", "wind.crosswind", "adf.rb", "adf.qdm", "arc.turn"}, "WAWAWH"},
    {"ThirdOfASkillMovedOn", {"wind.wca", "wind.wca", "wind.wca", "wind.time"}, "WWWW"},
    {"ThirdOfTheLastSkillDropped", {"adf.rb", "adf.rb", "adf.rb"}, "AA"},
    {"Empty", {}, ""},
};
INSTANTIATE_TEST_SUITE_P(Sets, Interleave, ::testing::ValuesIn(kMixes), [](const auto &info) { return std::string(info.param.name); });

TEST(PracticePlanner, ComebacksSoonestFirst)
{
    SkillMemory m;
    m.review(index("wind.wca"), Grade::Easy, kNow);
    m.review(index("adf.rb"), Grade::Again, kNow);
    const std::vector<Comeback> back = PracticePlanner(m, {}).comebacks({skill("wind.wca"), skill("arc.turn"), skill("adf.rb"), skill("adf.rb")});
    ASSERT_EQ(back.size(), 2u); // arc.turn never reviewed; adf.rb once
    EXPECT_EQ(back[0].skill, skill("adf.rb"));
    EXPECT_NEAR(double(back[0].at), kNow + 0.40255 * kDay, 1000);
    EXPECT_NEAR(double(back[1].at), kNow + 15.69105 * kDay, 1000);
}

TEST(Readiness, PredictsRecallAtTheExamAndForecastsReviews)
{
    SkillMemory m;
    m.review(index("wind.wca"), Grade::Good, kNow);
    m.review(index("wind.time"), Grade::Good, kNow);
    const Readiness r = readinessAt(m, kNow + qint64(3.173 * kDay));
    EXPECT_NEAR(r.families[std::size_t(Family::Wind)].share, 0.9 * 2 / 4, 1e-9);
    EXPECT_EQ(r.families[std::size_t(Family::Holding)].share, 0);
    EXPECT_NEAR(r.overall, 0.9 * 2 / m.size(), 1e-9);

    m.review(index("adf.rb"), Grade::Again, kNow - 3 * kDay); // overdue: today
    const std::vector<int> days = reviewForecast(m, kNow + 1, 14);
    ASSERT_EQ(days.size(), 14u);
    EXPECT_EQ(days[0], 1);
    EXPECT_EQ(days[1] + days[2], 0); // reviewed today after three days, it holds for days
    EXPECT_EQ(days[3], 2);           // stability 3.17 days
    const int total = std::accumulate(days.begin(), days.end(), 0);
    EXPECT_GT(total, 3);  // each comes back again once answered
    EXPECT_LT(total, 12); // at ever longer intervals
    EXPECT_TRUE(reviewForecast(SkillMemory(), kNow, 14) == std::vector<int>(14));
}

} // namespace
