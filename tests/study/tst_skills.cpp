// The skill catalogue: the skill every answer row of every type reviews, entries shared by
// the three holding types and told apart by entry and hand.
#include <orvik3/Skills.h>

#include <gtest/gtest.h>

#include <set>

using namespace orvik3;

namespace {

struct RowSkill {
    const char *name;
    qint16 type;
    RowKind row;
    RowSituation situation;
    const char *skill; // nullptr: no skill
};

class SkillOfRow : public ::testing::TestWithParam<RowSkill>
{
};

TEST_P(SkillOfRow, IsTheSkillThatRowTrains)
{
    const RowSkill &p = GetParam();
    const Skill *s = skillOfRow(p.type, p.row, p.situation);
    EXPECT_EQ(s ? s->id : "none", std::string(p.skill ? p.skill : "none"));
}

using K = RowKind;
constexpr RowSituation kParallelLeft{HoldingEntry::Parallel, PatternHand::Left};
const RowSkill kRows[] = {
    {"HsiRadial", 1, K::Radial, {}, "position.hsi.radial"},
    {"VorNeedle", 2, K::NeedleMovement, {}, "position.vor.needle"},
    {"HsiHasNoNeedleRow", 1, K::NeedleMovement, {}, nullptr},
    {"HsiHoldingParallelLeft", 3, K::HoldingEntry, kParallelLeft, "holding.entry.parallel.left"},
    {"RbHoldingParallelLeft", 14, K::HoldingEntry, kParallelLeft, "holding.entry.parallel.left"},
    {"OffsetRight", 3, K::HoldingEntry, {HoldingEntry::Offset, PatternHand::Right}, "holding.entry.offset.right"},
    {"DirectLeft", 14, K::HoldingEntry, {HoldingEntry::Direct, PatternHand::Left}, "holding.entry.direct.left"},
    {"EntryWithoutHand", 3, K::HoldingEntry, {HoldingEntry::Parallel, PatternHand::None}, nullptr},
    {"EntryUnknown", 4, K::HoldingEntry, {}, nullptr},
    {"HoldingFirstTurnAnyEntry", 4, K::HoldingFirstTurn, kParallelLeft, "holding.first-turn"},
    {"ArcLeadRadial", 9, K::ArcLeadRadial, {}, "arc.lead-radial"},
    {"ArcHasNoEntry", 9, K::HoldingEntry, kParallelLeft, nullptr},
    {"AdfFixedCardQdmTrend", 11, K::AdfQdmTrend, {}, "adf.qdm-trend"},
    {"QdmRbTurn", 12, K::InterceptTurn, {}, "intercept.qdm.turn"},
    {"QdrRbHeading", 13, K::InterceptHeading, {}, "intercept.qdr.heading"},
    {"TypeZero", 0, K::WindTime, {}, nullptr},
    {"TypeFifteen", 15, K::Radial, {}, nullptr},
};
INSTANTIATE_TEST_SUITE_P(Catalogue, SkillOfRow, ::testing::ValuesIn(kRows), [](const auto &info) { return std::string(info.param.name); });

// Every row of every type has its skill, every skill is some row's, and ids are unique and
// found again.
TEST(Skills, CoverEveryRowOfEveryType)
{
    std::set<const Skill *> reviewed;
    const RowSituation situations[] = {{HoldingEntry::Direct, PatternHand::Right}, {HoldingEntry::Direct, PatternHand::Left},
                                       {HoldingEntry::Parallel, PatternHand::Right}, {HoldingEntry::Parallel, PatternHand::Left},
                                       {HoldingEntry::Offset, PatternHand::Right}, {HoldingEntry::Offset, PatternHand::Left}};
    for (const ExerciseType &t : exerciseTypes())
        for (const RowSituation &s : situations) {
            const std::vector<const Skill *> rows = skillsOfQuestion(t.type, s);
            EXPECT_EQ(rows.size(), t.rows.size()) << t.type;
            for (const Skill *k : rows) {
                EXPECT_EQ(k->family, t.family) << k->id;
                reviewed.insert(k);
            }
        }
    EXPECT_EQ(reviewed.size(), skills().size());
    std::set<std::string> ids;
    for (const Skill &s : skills()) {
        EXPECT_TRUE(ids.insert(s.id).second) << s.id;
        EXPECT_EQ(skillById(QString::fromLatin1(s.id)), &s);
    }
    EXPECT_EQ(skillById(u"holding.entry"), nullptr);
    EXPECT_EQ(typesTraining(*skillById(u"holding.outbound")), (std::vector<qint16>{3, 4, 14}));
}

} // namespace
