#include "QdmQdrFixture.h"

using namespace orvik3;
using namespace orvik3::test;

namespace {

struct CandidateCase {
    const char *stored;
    std::vector<float> draws; // after the one draw of the question order
    std::array<qint16, 4> order;
    std::array<const char *, 4> captions; // Option50, Option49, Option48, Option46
    int rightOption;                      // 0 when no candidate is right
};

void PrintTo(const CandidateCase &c, std::ostream *os)
{
    *os << "stored \"" << c.stored << "\"";
}

class Candidates : public ::testing::TestWithParam<CandidateCase>
{
};

} // namespace

TEST_P(Candidates, CaptionsAndTheOneRightBearing)
{
    const CandidateCase &c = GetParam();
    std::vector<float> random{0.0f};
    random.insert(random.end(), c.draws.begin(), c.draws.end());
    QdmRecord r;
    r.actual = QLatin1String(c.stored);

    for (int place = 0; place < 4; ++place) {
        QdmHost h(6, {r}, random);
        const QAform &f = *h.form;
        for (int k = 1; k <= 4; ++k) {
            EXPECT_EQ(f.optionOrder(k), c.order[k - 1]) << k;
            EXPECT_EQ(h.ctl(opt(kQdmRows[0][k - 1])).caption(), QString::fromUtf8(c.captions[k - 1])) << k;
        }
        EXPECT_EQ(f.optionOffsets(1), 90);
        EXPECT_EQ(f.optionOffsets(2), 0);
        EXPECT_EQ(f.optionOffsets(3), 180);
        EXPECT_EQ(f.optionOffsets(4), 10);

        const int option = kQdmRows[0][place];
        ASSERT_TRUE(h.click(option));
        const bool right = option == c.rightOption;
        EXPECT_EQ(f.partCorrect(1), right) << "Option" << option;
        EXPECT_EQ(h.ctl("Label27").caption(), right ? r.actual : QStringLiteral("FALSCH"));
        EXPECT_TRUE(f.partDone(1));
    }
}

INSTANTIATE_TEST_SUITE_P(
    StoredBearings, Candidates,
    ::testing::Values(
        CandidateCase{"270", {0.0f, 0.25f, 0.5f, 0.75f}, {1, 2, 3, 4}, {" 360", " 270", "090", " 280"}, 49},
        CandidateCase{"355", {0.75f, 0.5f, 0.25f, 0.0f}, {4, 3, 2, 1}, {"005", " 175", " 355", "085"}, 48},
        // 360 is captioned 360 but compares as 0 against 360: nothing is right.
        CandidateCase{"360", {0.25f, 0.0f, 0.5f, 0.75f}, {2, 1, 3, 4}, {" 360", "090", " 180", "010"}, 0},
        CandidateCase{"000", {0.25f, 0.0f, 0.5f, 0.75f}, {2, 1, 3, 4}, {" 360", "090", " 180", "010"}, 50},
        CandidateCase{"0", {0.5f, 0.25f, 0.0f, 0.75f}, {3, 2, 1, 4}, {" 180", " 360", "090", "010"}, 49},
        // Not a number: read as 0.
        CandidateCase{"abc", {0.0f, 0.25f, 0.5f, 0.75f}, {1, 2, 3, 4}, {"090", " 360", " 180", "010"}, 49},
        // Unrounded comparison: a half degree is right on the offset-0 option only.
        CandidateCase{" 45.5", {0.0f, 0.25f, 0.5f, 0.75f}, {1, 2, 3, 4}, {" 136", "046", " 226", "056"}, 49},
        CandidateCase{"5", {0.0f, 0.25f, 0.5f, 0.75f}, {1, 2, 3, 4}, {"095", "005", " 185", "015"}, 49}));

TEST(QdmCandidateDrawing, TakenSlotsAreDrawnAgain)
{
    // 0.1 hits slot 1 again, 0.99 hits slot 4; then 0.3 and 0.6 fill slots 2 and 3.
    QdmHost h(6, {QdmRecord{}}, {0.0f, 0.1f, 0.1f, 0.99f, 0.3f, 0.6f});
    EXPECT_EQ(h.form->optionOrder(1), 1);
    EXPECT_EQ(h.form->optionOrder(2), 4);
    EXPECT_EQ(h.form->optionOrder(3), 2);
    EXPECT_EQ(h.form->optionOrder(4), 3);
    EXPECT_EQ(h.host.random().drawn(), 6u);
}

TEST(QdmCandidateDrawing, ThousandTakenDrawsKeepTheLastOne)
{
    // Every draw lands on slot 1: each later slot gives up after 1000 draws and repeats it.
    QdmHost h(6, {QdmRecord{}}, {0.0f});
    EXPECT_EQ(h.host.random().drawn(), 1u + 1u + 3u * 1000u);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(h.form->optionOrder(k), 1);
        EXPECT_EQ(h.ctl(opt(kQdmRows[0][k - 1])).caption(), QStringLiteral(" 175"));
    }
    h.click(46);
    EXPECT_FALSE(h.form->partCorrect(1));
}

TEST(QdmCandidateDrawing, DrawJustBelowOneStaysOnTheLastSlot)
{
    // In single precision 0.99999994 × 4 + 1 rounds to 5; there is no fifth candidate here.
    QdmHost h(6, {QdmRecord{}}, {0.0f, 0.99999994f, 0.0f, 0.3f, 0.6f});
    EXPECT_EQ(h.form->optionOrder(1), 4);
    EXPECT_EQ(h.form->optionOrder(2), 1);
    EXPECT_EQ(h.ctl("Option50").caption(), QStringLiteral("095"));
}

TEST(QdmCandidateDrawing, DrawnAnewForEveryQuestion)
{
    QdmRecord second;
    second.actual = QStringLiteral("200");
    second.session = QStringLiteral("q2.ses");
    // Order draws 0.0, 0.5; first question 0.0..0.75 in order; the second reversed.
    QdmHost h(6, {QdmRecord{}, second}, {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f, 0.75f, 0.5f, 0.25f, 0.0f});
    EXPECT_EQ(h.ctl("Option49").caption(), QStringLiteral("085"));
    h.form->DisplayQuestion();
    EXPECT_EQ(h.form->optionOrder(1), 4);
    EXPECT_EQ(h.ctl("Option50").caption(), QStringLiteral(" 210"));
    EXPECT_EQ(h.ctl("Option46").caption(), QStringLiteral(" 290"));
    h.click(48);
    EXPECT_TRUE(h.form->partCorrect(1));
    EXPECT_EQ(h.ctl("Label27").caption(), QStringLiteral("200"));
}
