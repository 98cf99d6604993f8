#include "HoldingTrainee.h"

#include <algorithm>
#include <array>

using namespace orvik3;
using namespace orvik3::test;
using namespace orvik3::test::holding;

namespace {

// Rows of the holding panel: prompt, result label and the options of the row.
struct RowControls {
    const char *prompt, *result;
    int first, last;
};
constexpr RowControls kRows[] = {
    {"Label3", "Label8", 11, 13}, {"Label6", "Label9", 1, 5}, {"Label4", "Label10", 6, 10}, {"Label5", "Label11", 14, 16}};

const QString hsiFile = QStringLiteral("HSIHLD.sty");

// Question 0: standard holding inbound 090 flown on 240, an offset entry onto gate 240 (row 3
// option inbound + 150); question 1: left-hand holding inbound 90 flown on 290, an offset entry
// onto 300 (inbound + 210).
QStringList twoQuestions()
{
    return holdingRecord("240", "090", "Standard", "q1.ses") + holdingRecord("290", "90", "Links", "q2.ses");
}

struct HoldingFixture : ::testing::Test {
    TestHost host{spreadDraws()};
    QAform &start(const QStringList &records, qint16 type = 3)
    {
        host.writeStudyFile(type == 3 ? hsiFile : type == 4 ? QStringLiteral("dgHLD.sty") : QStringLiteral("dgrbHLD.sty"),
                            records);
        return host.select(type);
    }
    void answer(int row, const char *caption) { choose(host, kRows[row - 1].first, kRows[row - 1].last, QLatin1String(caption)); }
};

TEST_F(HoldingFixture, QuestionSetUp)
{
    QAform &f = start(holdingRecord("100", "230", "Standard"));
    EXPECT_EQ(host.ctl("Label2").caption(),
              QStringLiteral("Fly the current heading to the Station. Join the  Standard Holding inbound 230"));
    EXPECT_EQ(host.ctl("Frame2").caption(), QStringLiteral("HSI HOLDING ÜBUNGEN ( 1 von 1)"));
    EXPECT_TRUE(f.questionShown());
    EXPECT_EQ(f.c_QASessionFileName(), host.base() + QStringLiteral("/default/sessions/h.ses"));
    for (const RowControls &r : kRows) {
        EXPECT_EQ(host.ctl(r.prompt).foreColor(), colors::white);
        EXPECT_EQ(host.ctl(r.prompt).backColor(), colors::darkTeal);
        EXPECT_FALSE(host.ctl(r.result).isVisible()) << r.result;
        for (int n = r.first; n <= r.last; ++n) {
            EXPECT_TRUE(host.ctl(optionName(n)).isReachable()) << n;
            EXPECT_FALSE(host.ctl(optionName(n)).isSelected()) << n;
        }
    }
    std::array<bool, 6> seen{};
    for (int k = 1; k <= 5; ++k)
        seen[f.optionOrder(k)] = true;
    EXPECT_TRUE(std::all_of(seen.begin() + 1, seen.end(), [](bool b) { return b; })) << "not a permutation";
}

struct CaptionCase {
    const char *inbound;
    QStringList candidates; // inbound + 90, 150, 180, 210, 270
};

class Captions : public HoldingFixture, public ::testing::WithParamInterface<CaptionCase>
{
};

TEST_P(Captions, CandidateHeadings)
{
    start(holdingRecord("90", GetParam().inbound, "Standard"));
    EXPECT_EQ(captions(host, 6, 10), GetParam().candidates);
    QStringList outbound = captions(host, 1, 5), expected = GetParam().candidates;
    outbound.sort();
    expected.sort();
    EXPECT_EQ(outbound, expected);
}

INSTANTIATE_TEST_SUITE_P(HoldingPanel, Captions,
                         ::testing::Values(CaptionCase{"5", {"095", " 155", " 185", " 215", " 275"}},
                                           CaptionCase{"180", {" 270", " 330", " 360", "030", "090"}},
                                           CaptionCase{"0", {"090", " 150", " 180", " 210", " 270"}},
                                           CaptionCase{"360", {"090", " 150", " 180", " 210", " 270"}},
                                           CaptionCase{" 270 ", {" 360", "060", "090", " 120", " 180"}}));

struct RowCase {
    int row;
    const char *caption;
    bool right;
    const char *shown; // result label on a right answer
};

void PrintTo(const RowCase &c, std::ostream *os) { *os << "row " << c.row << " '" << c.caption << "'"; }

class EachRow : public HoldingFixture, public ::testing::WithParamInterface<RowCase>
{
};

// Question 0 of twoQuestions(): offset entry, outbound 270, first heading 240, "maintain".
TEST_P(EachRow, MarkedOnceAndLocked)
{
    const RowCase &c = GetParam();
    const RowControls &r = kRows[c.row - 1];
    QAform &f = start(twoQuestions());
    answer(c.row, c.caption);

    FormControl &prompt = host.ctl(r.prompt), &result = host.ctl(r.result);
    EXPECT_TRUE(f.partDone(c.row));
    EXPECT_EQ(f.partCorrect(c.row), c.right);
    EXPECT_TRUE(result.isVisible());
    if (c.right) {
        EXPECT_EQ(result.caption(), QLatin1String(c.shown));
        EXPECT_EQ(result.foreColor(), colors::green);
        EXPECT_EQ(result.backColor(), colors::darkTeal);
        EXPECT_EQ(prompt.foreColor(), colors::green);
        EXPECT_EQ(prompt.backColor(), colors::darkTeal);
    } else {
        EXPECT_EQ(result.caption(), QStringLiteral("FALSCH"));
        EXPECT_EQ(result.backColor(), colors::red);
        EXPECT_EQ(prompt.foreColor(), colors::white);
        EXPECT_EQ(prompt.backColor(), colors::red);
    }
    for (int n = r.first; n <= r.last; ++n) {
        EXPECT_FALSE(host.ctl(optionName(n)).isVisible()) << n;
        if (c.row == 1 || c.row == 4)
            EXPECT_FALSE(host.ctl(optionName(n)).isSelected()) << n;
    }
    for (int other = 1; other <= 4; ++other)
        if (other != c.row)
            EXPECT_FALSE(f.partDone(other)) << other;
    EXPECT_EQ(f.c_showResult(), 0);

    // The row is locked: even a selection the trainee cannot make (the options are hidden) is not judged.
    for (int n = r.first; n <= r.last; ++n) {
        host.ctl(optionName(n)).setValue(0);
        host.ctl(optionName(n)).setValue(-1);
    }
    EXPECT_EQ(f.partCorrect(c.row), c.right);
    EXPECT_EQ(result.caption(), c.right ? QLatin1String(c.shown) : QLatin1String("FALSCH"));
}

INSTANTIATE_TEST_SUITE_P(HoldingPanel, EachRow,
                         ::testing::Values(RowCase{1, "Offset", true, "offset"}, RowCase{1, "Direct", false, ""},
                                           RowCase{1, "Parallel", false, ""}, RowCase{2, " 270", true, " 270"},
                                           RowCase{2, " 180", false, ""}, RowCase{2, " 360", false, ""},
                                           RowCase{3, " 240", true, " 240"}, RowCase{3, " 270", false, ""},
                                           RowCase{3, " 300", false, ""}, RowCase{4, "Maintain", true, "maintain"},
                                           RowCase{4, "Left", false, ""}, RowCase{4, "Right", false, ""}));

// Without a study file the set-up finds no inbound course to build candidates from: the
// selection raises a type mismatch, and the panel judges nothing afterwards.
TEST_F(HoldingFixture, NoStudyFileRaisesAndNothingIsJudged)
{
    host.form().setC_MainAppPath(host.base());
    try {
        host.form().setC_QAtype(3);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::TypeMismatch);
    }
    QAform &f = host.form();
    EXPECT_EQ(f.lastQuestion(), -1);
    EXPECT_FALSE(f.questionShown());
    EXPECT_TRUE(host.ctl("Option11").click());
    EXPECT_FALSE(f.partDone(1));
    EXPECT_FALSE(host.ctl("Label8").isVisible());
}

TEST_F(HoldingFixture, AllRowsRightInAnyOrder)
{
    const char *rightAnswers[] = {"Offset", " 270", " 240", "Maintain"};
    std::array<int, 4> order{1, 2, 3, 4};
    do {
        TestHost fresh{spreadDraws()};
        fresh.writeStudyFile(hsiFile, twoQuestions());
        QAform &f = fresh.select(3);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(f.c_showResult(), 0);
            choose(fresh, kRows[order[i] - 1].first, kRows[order[i] - 1].last, QLatin1String(rightAnswers[order[i] - 1]));
        }
        EXPECT_EQ(f.c_showResult(), 6) << order[0] << order[1] << order[2] << order[3];
        ASSERT_TRUE(press(fresh, "Command28"));
        EXPECT_EQ(fresh.stat("hsihld_total 0"), QStringLiteral("1"));
        EXPECT_EQ(fresh.stat("hsihld_bad 0"), QString());
        EXPECT_EQ(f.c_showResult(), 2);
        EXPECT_EQ(f.currentQuestion(), 1);
    } while (std::next_permutation(order.begin(), order.end()));
}

struct Judged {
    const char *heading, *inbound, *kind;
    int row;
    const char *rightCaption;
    const char *shown;
};

void PrintTo(const Judged &j, std::ostream *os)
{
    *os << j.kind << " inbound " << j.inbound << " HDG " << j.heading << " row " << j.row;
}

class Judgement : public HoldingFixture, public ::testing::WithParamInterface<Judged>
{
};

// Every option of the row is tried on a fresh question; only the captioned one is right.
TEST_P(Judgement, OnlyTheRightOption)
{
    const Judged &j = GetParam();
    const RowControls &r = kRows[j.row - 1];
    int rightSeen = 0;
    for (int n = r.first; n <= r.last; ++n) {
        TestHost fresh{spreadDraws()};
        fresh.writeStudyFile(hsiFile, holdingRecord(j.heading, j.inbound, j.kind));
        QAform &f = fresh.select(3);
        const bool expected = fresh.ctl(optionName(n)).caption() == QLatin1String(j.rightCaption);
        ASSERT_TRUE(fresh.ctl(optionName(n)).click());
        EXPECT_EQ(f.partCorrect(j.row), expected) << "Option" << n;
        if (expected) {
            ++rightSeen;
            EXPECT_EQ(fresh.ctl(r.result).caption(), QLatin1String(j.shown));
        }
    }
    EXPECT_EQ(rightSeen, 1);
}

INSTANTIATE_TEST_SUITE_P(
    HoldingPanel, Judgement,
    ::testing::Values(
        // Outbound 0 is offered as 360 and shown as 0.
        Judged{"90", "180", "Standard", 2, " 360", " 0"}, Judged{"90", "180", "Standard", 3, " 360", " 0"},
        // Inbound 360 judges as inbound 0.
        Judged{"90", "360", "Standard", 2, " 180", " 180"}, Judged{"90", "0", "Standard", 2, " 180", " 180"},
        Judged{"90", "360", "Standard", 1, "Direct", "direct"}, Judged{"90", "360", "Standard", 4, "Right", "right"},
        // Left-hand offset entry: first heading inbound + 210 (Option9, see Captions), a right turn onto it.
        Judged{"290", "90", "Links", 1, "Offset", "offset"}, Judged{"290", "90", "Links", 3, " 300", " 300"},
        Judged{"290", "90", "Links", 4, "Right", "right"},
        // Left-hand parallel entry.
        Judged{"230", "50", "standard", 1, "Parallel", "parallel"}, Judged{"230", "50", "standard", 4, "Right", "right"},
        // Offset entry across north: the shorter turn from 010 onto 350 is to the left.
        Judged{"10", "200", "Standard", 3, " 350", " 350"}, Judged{"10", "200", "Standard", 4, "Left", "left"},
        // Headings read leniently: "100.5" rounds to 100 (halves to even), a direct entry.
        Judged{"100.5", "0", "Standard", 1, "Direct", "direct"}));

TEST_F(HoldingFixture, SolutionAfterTwoRowsThenNext)
{
    QAform &f = start(twoQuestions());
    answer(1, "Offset");
    answer(2, " 180");
    ASSERT_TRUE(press(host, "Command27"));
    EXPECT_EQ(f.c_showResult(), 6);
    EXPECT_EQ(host.ctl("Frame2").height(), 1100);
    const char *shown[] = {"offset", "270", "240", "maintain"};
    for (int row = 1; row <= 4; ++row) {
        const RowControls &r = kRows[row - 1];
        EXPECT_EQ(host.ctl(r.result).caption(), QLatin1String(shown[row - 1]));
        EXPECT_TRUE(host.ctl(r.result).isVisible());
        for (const char *name : {r.result, r.prompt}) {
            EXPECT_EQ(host.ctl(name).foreColor(), colors::white) << name;
            EXPECT_EQ(host.ctl(name).backColor(), colors::darkTeal) << name;
        }
        for (int n = r.first; n <= r.last; ++n)
            EXPECT_FALSE(host.ctl(optionName(n)).click()) << n;
    }
    EXPECT_TRUE(f.partCorrect(1));
    EXPECT_FALSE(f.partDone(3));

    ASSERT_TRUE(press(host, "Command28"));
    EXPECT_EQ(host.stat("hsihld_total 0"), QStringLiteral("1"));
    EXPECT_EQ(host.stat("hsihld_bad 0"), QStringLiteral("1"));
    EXPECT_EQ(f.c_showResult(), 2);
    EXPECT_EQ(f.currentQuestion(), 0); // the same question again
    EXPECT_TRUE(host.ctl("Option14").isVisible());
    EXPECT_FALSE(host.ctl("Label8").isVisible());
    f.setC_QAFly(-2);
    EXPECT_EQ(host.ctl("Frame2").height(), 4250);
}

TEST_F(HoldingFixture, NextCountsOnlyWhatWasAnswered)
{
    struct Step {
        QStringList answers; // rows 1..4 in turn; empty: not answered
        bool solutionFirst;
        const char *total, *bad;
        qint16 nextQuestion;
    };
    const Step steps[] = {
        {{}, false, "", "", 1},
        {{}, true, "", "", 1},
        {{"Offset", " 270", " 240", ""}, false, "1", "1", 0},
        {{"Offset", "", "", ""}, true, "1", "1", 0},
        {{"Direct", " 270", " 240", "Maintain"}, false, "1", "1", 0},
    };
    for (const Step &step : steps) {
        TestHost fresh{spreadDraws()};
        fresh.writeStudyFile(hsiFile, twoQuestions());
        QAform &f = fresh.select(3);
        for (int row = 1; row <= step.answers.size(); ++row)
            if (!step.answers[row - 1].isEmpty())
                choose(fresh, kRows[row - 1].first, kRows[row - 1].last, step.answers[row - 1]);
        if (step.solutionFirst)
            press(fresh, "Command27");
        press(fresh, "Command28");
        EXPECT_EQ(fresh.stat("hsihld_total 0"), QLatin1String(step.total)) << step.answers.join('|').toStdString();
        EXPECT_EQ(fresh.stat("hsihld_bad 0"), QLatin1String(step.bad));
        EXPECT_EQ(f.currentQuestion(), step.nextQuestion);
        EXPECT_EQ(f.c_showResult(), 2);
    }
}

TEST_F(HoldingFixture, FlyYourselfAndCancel)
{
    QAform &f = start(twoQuestions());
    answer(1, "Offset");
    ASSERT_TRUE(press(host, "Command26"));
    EXPECT_EQ(f.c_QAFly(), 2);
    EXPECT_EQ(f.c_TrackDelta(), 3);
    EXPECT_EQ(f.c_showResult(), 4);
    EXPECT_EQ(host.ctl("Frame2").height(), 1100);
    EXPECT_EQ(host.stat("hsihld_total"), QString());

    // The options still work while the panel is short.
    answer(4, "Maintain");
    EXPECT_TRUE(f.partCorrect(4));

    ASSERT_TRUE(press(host, "Command4"));
    EXPECT_EQ(f.c_QAtype(), 0);
    EXPECT_TRUE(host.ctl("Frame2").isVisible());
    EXPECT_TRUE(f.questionShown());
}

struct TypeCase {
    qint16 type;
    const char *file, *prefix, *title;
};

class Types : public ::testing::TestWithParam<TypeCase>
{
};

TEST_P(Types, TitleFileAndStatistics)
{
    const TypeCase &c = GetParam();
    TestHost host{spreadDraws()};
    host.writeStudyFile(QLatin1String(c.file), twoQuestions());
    QAform &f = host.select(c.type);
    EXPECT_EQ(host.ctl("Frame2").caption(), QString::fromUtf8(c.title) + QStringLiteral(" ( 1 von 2)"));
    for (int row = 1; row <= 4; ++row) {
        const char *right[] = {"Offset", " 270", " 240", "Maintain"};
        choose(host, kRows[row - 1].first, kRows[row - 1].last, QLatin1String(right[row - 1]));
    }
    press(host, "Command28");
    EXPECT_EQ(host.stat(QLatin1String(c.prefix) + QStringLiteral("_total 0")), QStringLiteral("1"));
    EXPECT_EQ(host.stat(QLatin1String(c.prefix) + QStringLiteral("_total")), QStringLiteral("1"));
    EXPECT_EQ(host.ctl("Label7").caption().left(10), QStringLiteral("Versuche: "));
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_EQ(host.ctl("Label2").caption(),
              QStringLiteral("Fly the current heading to the Station. Join the  Links Holding inbound 90"));
}

INSTANTIATE_TEST_SUITE_P(HoldingPanel, Types,
                         ::testing::Values(TypeCase{3, "HSIHLD.sty", "hsihld", "HSI HOLDING ÜBUNGEN"},
                                           TypeCase{4, "dgHLD.sty", "dghld", "DG HOLDING ÜBUNGEN"},
                                           TypeCase{14, "dgrbHLD.sty", "dghld", "DG HOLDING ÜBUNGEN"}));

TEST_F(HoldingFixture, InboundThatIsNoNumberRaisesTypeMismatch)
{
    host.writeStudyFile(hsiFile, holdingRecord("90", "09O", "Standard"));
    try {
        host.select(3);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::TypeMismatch);
    }
    EXPECT_FALSE(host.form().questionShown());
}

// The candidate places: single precision, and the 1000-draw rule.
TEST(HoldingPanelDraws, SinglePrecisionAndThousandDraws)
{
    {
        // 0.79999995 * 5 + 1 is 5 in single precision (4 in double); the first value goes to the question order.
        TestHost host{{0.79999995f, 0.0f, 0.2f, 0.4f, 0.6f}};
        host.writeStudyFile(hsiFile, holdingRecord("90", "0", "Standard"));
        QAform &f = host.select(3);
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(f.optionOrder(k), k);
        EXPECT_EQ(host.random().drawn(), 6u);
    }
    {
        // Every draw hits place 1: after 1000 draws the taken place is used again.
        TestHost host{{0.0f}};
        host.writeStudyFile(hsiFile, holdingRecord("90", "0", "Standard"));
        QAform &f = host.select(3);
        for (int k = 1; k <= 5; ++k)
            EXPECT_EQ(f.optionOrder(k), 1);
        EXPECT_EQ(host.random().drawn(), 1u + 1u + 4u * 1000u);
        EXPECT_EQ(captions(host, 1, 5), QStringList(5, QStringLiteral("090")));
    }
}

} // namespace
