#include "HoldingTrainee.h"

using namespace orvik3;
using namespace orvik3::test;
using namespace orvik3::test::holding;

namespace {

const QString arcFile = QStringLiteral("dmearc.sty");

QStringList arcQuestion(const QString &turn = QStringLiteral("left"), const QString &heading = QStringLiteral("030"),
                        const QString &radial = QStringLiteral("250"))
{
    return record(QStringLiteral("Join the 12 DME arc"), turn, heading, radial, QStringLiteral("a1.ses"));
}

// Draws for a one-question file: the first goes to the question order, the next five place the
// candidates so that the right one (place 5) lands on Option<rightAt> of row 2.
std::vector<float> drawsPlacingRightAt(int rightAt)
{
    std::vector<float> draws{0.0f};
    int next = 1;
    for (int k = 1; k <= 5; ++k) {
        const int place = k == rightAt ? 5 : next++;
        draws.push_back(0.2f * float(place - 1) + 0.1f);
    }
    return draws;
}

// Where row 3 has its right answer for each place of row 2's.
constexpr int kLeadRadialOption[] = {0, 10, 8, 9, 7, 6};

TEST(DmeArcPanel, QuestionSetUp)
{
    TestHost host{spreadDraws()};
    host.writeStudyFile(QStringLiteral("HSIHLD.sty"), holdingRecord("90", "0", "Standard"));
    host.writeStudyFile(arcFile, arcQuestion());
    host.select(3);
    QAform &f = host.select(9);
    EXPECT_EQ(host.ctl("Frame2").caption(), QStringLiteral("DME ARC ÜBUNGEN ( 1 von 1)"));
    EXPECT_EQ(host.ctl("Label2").caption(), QStringLiteral("Join the 12 DME arc"));
    EXPECT_EQ(host.ctl("Label3").caption(), QStringLiteral("First Turn to join the ARC:"));
    EXPECT_EQ(captions(host, 11, 13), QStringList({"Left", "Maintain", "Right"}));
    EXPECT_FALSE(host.ctl("Label5").isVisible());
    for (int n = 1; n <= 16; ++n)
        EXPECT_EQ(host.ctl(optionName(n)).isReachable(), n <= 13) << n;
    QStringList headings = captions(host, 1, 5), radials = captions(host, 6, 10);
    headings.sort();
    radials.sort();
    EXPECT_EQ(headings, QStringList({" 120", " 180", " 210", " 240", "030"}));
    EXPECT_EQ(radials, QStringList({" 100", " 250", " 340", "040", "070"}));
    EXPECT_EQ(f.c_QASessionFileName(), host.base() + QStringLiteral("/default/sessions/a1.ses"));

    // The fourth row does not exist for the DME arc, not even for a selection the trainee cannot make.
    host.ctl("Option14").setValue(-1);
    EXPECT_FALSE(f.partDone(4));

    // Back to a holding: the fourth row returns.
    host.select(3);
    EXPECT_TRUE(host.ctl("Label5").isVisible());
    EXPECT_TRUE(host.ctl("Option16").isReachable());
}

class Placement : public ::testing::TestWithParam<int>
{
};

// For every place of the right first heading, row 3 has its right lead radial on the option
// the permutation read in its second order gives, and every other option is wrong.
TEST_P(Placement, RightAnswersOfRowsTwoAndThree)
{
    const int p = GetParam();
    {
        TestHost host{drawsPlacingRightAt(p)};
        host.writeStudyFile(arcFile, arcQuestion());
        QAform &f = host.select(9);
        ASSERT_EQ(f.optionOrder(p), 5);
        EXPECT_EQ(host.ctl(optionName(p)).caption(), QStringLiteral("030"));
        EXPECT_EQ(host.ctl(optionName(kLeadRadialOption[p])).caption(), QStringLiteral(" 250"));
        ASSERT_TRUE(host.ctl(optionName(p)).click());
        ASSERT_TRUE(host.ctl(optionName(kLeadRadialOption[p])).click());
        EXPECT_TRUE(f.partCorrect(2));
        EXPECT_TRUE(f.partCorrect(3));
        EXPECT_EQ(host.ctl("Label9").caption(), QStringLiteral("030"));
        EXPECT_EQ(host.ctl("Label10").caption(), QStringLiteral("250"));
    }
    for (int n = 1; n <= 10; ++n) {
        if (n == p || n == kLeadRadialOption[p])
            continue;
        TestHost host{drawsPlacingRightAt(p)};
        host.writeStudyFile(arcFile, arcQuestion());
        QAform &f = host.select(9);
        ASSERT_TRUE(host.ctl(optionName(n)).click());
        const int row = n <= 5 ? 2 : 3;
        EXPECT_TRUE(f.partDone(row)) << n;
        EXPECT_FALSE(f.partCorrect(row)) << n;
        EXPECT_EQ(host.ctl(row == 2 ? "Label9" : "Label10").caption(), QStringLiteral("FALSCH"));
    }
}

INSTANTIATE_TEST_SUITE_P(DmeArcPanel, Placement, ::testing::Range(1, 6));

struct TurnCase {
    const char *stored;
    int option;
    bool right;
};

class FirstTurn : public ::testing::TestWithParam<TurnCase>
{
};

TEST_P(FirstTurn, ExactWordOnly)
{
    const TurnCase &c = GetParam();
    TestHost host{spreadDraws()};
    host.writeStudyFile(arcFile, arcQuestion(QLatin1String(c.stored)));
    QAform &f = host.select(9);
    ASSERT_TRUE(host.ctl(optionName(c.option)).click());
    EXPECT_EQ(f.partCorrect(1), c.right);
    EXPECT_EQ(host.ctl("Label8").caption(), c.right ? QLatin1String(c.stored) : QLatin1String("FALSCH"));
    for (int n = 11; n <= 13; ++n) {
        EXPECT_FALSE(host.ctl(optionName(n)).isVisible());
        EXPECT_FALSE(host.ctl(optionName(n)).isSelected());
    }
}

INSTANTIATE_TEST_SUITE_P(DmeArcPanel, FirstTurn,
                         ::testing::Values(TurnCase{"left", 11, true}, TurnCase{"maintain", 12, true},
                                           TurnCase{"right", 13, true}, TurnCase{"left", 13, false},
                                           TurnCase{"Left", 11, false}, TurnCase{"right ", 13, false}));

TEST(DmeArcPanel, FirstHeadingNorth)
{
    for (const char *heading : {"000", "360", "0"}) {
        TestHost host{spreadDraws()};
        host.writeStudyFile(arcFile, arcQuestion(QStringLiteral("left"), QLatin1String(heading)));
        QAform &f = host.select(9);
        choose(host, 1, 5, QStringLiteral(" 360"));
        EXPECT_TRUE(f.partCorrect(2)) << heading;
        EXPECT_EQ(host.ctl("Label9").caption(), QLatin1String(heading));
    }
}

TEST(DmeArcPanel, WorkedThroughEndToEnd)
{
    TestHost host{spreadDraws()};
    host.writeStudyFile(arcFile, arcQuestion() + arcQuestion(QStringLiteral("right"), QStringLiteral("90"),
                                                             QStringLiteral("180")));
    QAform &f = host.select(9);

    // All three rows right: the result signal comes with the third answer.
    ASSERT_TRUE(host.ctl("Option11").click());
    choose(host, 1, 5, QStringLiteral("030"));
    EXPECT_EQ(f.c_showResult(), 0);
    choose(host, 6, 10, QStringLiteral(" 250"));
    EXPECT_EQ(f.c_showResult(), 6);
    ASSERT_TRUE(press(host, "Command28"));
    EXPECT_EQ(host.stat("dmearc_total 0"), QStringLiteral("1"));
    EXPECT_EQ(host.stat("dmearc_bad 0"), QString());
    EXPECT_EQ(f.currentQuestion(), 1);

    // Second question: one row wrong, then the solution, then the next question.
    choose(host, 1, 5, QStringLiteral(" 180"));
    ASSERT_TRUE(press(host, "Command27"));
    EXPECT_EQ(f.c_showResult(), 6);
    EXPECT_EQ(host.ctl("Frame2").height(), 1100);
    const char *shown[][2] = {{"Label8", "right"}, {"Label9", "90"}, {"Label10", "180"}};
    for (auto [label, text] : shown) {
        EXPECT_EQ(host.ctl(label).caption(), QLatin1String(text));
        EXPECT_TRUE(host.ctl(label).isVisible());
        EXPECT_EQ(host.ctl(label).backColor(), colors::darkTeal);
        EXPECT_EQ(host.ctl(label).foreColor(), colors::white);
    }
    for (const char *prompt : {"Label3", "Label6", "Label4"})
        EXPECT_EQ(host.ctl(prompt).backColor(), colors::darkTeal);
    EXPECT_FALSE(host.ctl("Label11").isVisible());
    for (int n = 1; n <= 16; ++n)
        EXPECT_FALSE(host.ctl(optionName(n)).isVisible()) << n;

    ASSERT_TRUE(press(host, "Command26"));
    EXPECT_EQ(f.c_QAFly(), 2);
    EXPECT_EQ(f.c_TrackDelta(), 3);
    EXPECT_EQ(f.c_showResult(), 4);

    ASSERT_TRUE(press(host, "Command28"));
    EXPECT_EQ(host.stat("dmearc_total 1"), QStringLiteral("1"));
    EXPECT_EQ(host.stat("dmearc_bad 1"), QStringLiteral("1"));
    EXPECT_EQ(host.stat("dmearc_total"), QStringLiteral("2"));
    EXPECT_EQ(f.currentQuestion(), 1); // the same question again
    EXPECT_TRUE(host.ctl("Option1").isVisible());
    EXPECT_FALSE(host.ctl("Label9").isVisible());
}

TEST(DmeArcPanel, SolutionBeforeAnyAnswerCountsNothing)
{
    TestHost host{spreadDraws()};
    host.writeStudyFile(arcFile, arcQuestion() + arcQuestion());
    QAform &f = host.select(9);
    press(host, "Command27");
    press(host, "Command28");
    EXPECT_EQ(host.stat("dmearc_total"), QString());
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_EQ(f.c_showResult(), 2);
}

TEST(DmeArcPanel, NumbersThatAreNotNumbersRaiseTypeMismatch)
{
    for (const QStringList &question : {arcQuestion("left", "3O", "250"), arcQuestion("left", "30", "")}) {
        TestHost host{spreadDraws()};
        host.writeStudyFile(arcFile, question);
        try {
            host.select(9);
            ADD_FAILURE() << "no error";
        } catch (const Error &e) {
            EXPECT_EQ(e.kind(), ErrorKind::TypeMismatch);
        }
    }
}

} // namespace
