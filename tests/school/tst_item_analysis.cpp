// Item analysis against values worked by hand. Five students whose other rows rank them
// strongest to weakest (their corrected scores are 1, .8, .6, .4, .2) answer the row under
// test; the class is the five four times over, which leaves every correlation as it is and
// gives the twenty students the flags need.
#include "ItemAnalysis.h"

#include <orvik3/Skills.h>

#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::school;

namespace {

struct ItemCase {
    const char *name;
    const char *right;       // per student, strongest first: '1' right at the first try
    const char *answers[5];  // what each gave
    double difficulty;
    double discrimination;   // NAN: cannot be told
    const char *flags;
};

void PrintTo(const ItemCase &c, std::ostream *os) { *os << c.name; }

// r = Σdx·dy / √(Σdx²·Σdy²), y = (1, .8, .6, .4, .2).
const ItemCase kCases[] = {
    {"StrongStudentsRight", "11100", {"Nach vorne", "Nach vorne", "Nach vorne", "Nach links", "Nach rechts"}, 0.6, 0.8660, ""},
    {"WeakStudentsRight", "00111", {"Nach hinten", "Nach links", "Nach vorne", "Nach vorne", "Nach vorne"}, 0.6, -0.8660, "negative-discrimination"},
    {"OnlyTheWeakestWrong", "11110", {"Nach vorne", "Nach vorne", "Nach vorne", "Nach vorne", "Nach links"}, 0.8, 0.7071, ""},
    {"EveryoneRight", "11111", {"Nach vorne", "Nach vorne", "Nach vorne", "Nach vorne", "Nach vorne"}, 1.0, NAN, ""},
    {"AWrongAnswerAboveTheKey", "00011", {"Nach hinten", "Nach hinten", "Nach hinten", "Nach vorne", "Nach vorne"}, 0.4, -0.8660,
     "negative-discrimination,distractor-above-key"},
    {"OptionsNobodyChose", "10000", {"Nach vorne", "Nach hinten", "Nach hinten", "Nach hinten", "Nach hinten"}, 0.2, 0.7071,
     "distractor-above-key,unchosen-distractor"},
};

class ItemAnalysisTest : public ::testing::TestWithParam<ItemCase>
{
};

int skill(const char *id) { return skillIndex(skillById(QString::fromLatin1(id))); }

TEST_P(ItemAnalysisTest, MatchesTheHandWorkedFigures)
{
    const ItemCase &c = GetParam();
    std::vector<StudentRecord> students;
    const char *sides[] = {"Nach vorne", "Nach rechts", "Nach hinten", "Nach links", "Nach vorne"};
    for (int copy = 0; copy < 4; ++copy)
        for (int s = 0; s < 5; ++s) {
            StudentRecord r;
            r.pseudonym = QStringLiteral("s%1-%2").arg(copy).arg(s);
            // The ranking: the radial of VOR questions 1..4, right for the strongest 4, 3, ...
            for (int q = 1; q <= 4; ++q)
                r.firstTries.push_back({2, q, skill("position.vor.radial"), 4 - s >= q, QStringLiteral("090")});
            // HSI question 2: everyone right, each side right somewhere: the row's options.
            r.firstTries.push_back({1, 2, skill("position.hsi.station-side"), true, QString::fromUtf8(sides[s])});
            // HSI question 1: the row under test.
            r.firstTries.push_back({1, 1, skill("position.hsi.station-side"), c.right[s] == '1', QString::fromUtf8(c.answers[s])});
            students.push_back(r);
        }
    const std::vector<ItemStats> items = analyseItems(students);
    const auto it = std::find_if(items.begin(), items.end(), [](const ItemStats &i) { return i.type == 1 && i.question == 1; });
    ASSERT_NE(it, items.end());
    EXPECT_EQ(it->file, QLatin1String("hsi.sty"));
    EXPECT_EQ(it->students, 20);
    EXPECT_NEAR(it->difficulty, c.difficulty, 1e-9);
    EXPECT_EQ(it->discriminationKnown, !std::isnan(c.discrimination));
    if (it->discriminationKnown)
        EXPECT_NEAR(it->discrimination, c.discrimination, 1e-4);
    EXPECT_EQ(it->flags.join(QLatin1Char(',')).toStdString(), c.flags);
}

INSTANTIATE_TEST_SUITE_P(Rows, ItemAnalysisTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
