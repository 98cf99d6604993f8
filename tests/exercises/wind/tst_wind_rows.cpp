// Judging the four answer rows of the wind panel, as a trainee types and clicks.
#include "WindStudy.h"

#include <orvik3/Error.h>

#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::test;

namespace {

// --- the question as it is set up -------------------------------------------------------

TEST(WindPanel, QuestionStartsWithEmptyBoxesAndDisabledOptions)
{
    TestHost host;
    writeWindFile(host, {WindRecord{}});
    host.select(8);
    EXPECT_EQ(host.ctl(QStringLiteral("Label33")).caption(), QStringLiteral("Wind mit 270/25"));
    EXPECT_EQ(host.ctl(QStringLiteral("Label38")).caption(), QStringLiteral("Head or Tail Wind:"));
    EXPECT_EQ(host.ctl(QStringLiteral("Option54")).caption(), QStringLiteral("Left"));
    EXPECT_EQ(host.ctl(QStringLiteral("Option53")).caption(), QStringLiteral("Zero"));
    EXPECT_EQ(host.ctl(QStringLiteral("Frame37")).caption(), QStringLiteral("Statistik"));
    for (const char *name : kWindOptions) {
        FormControl &option = host.ctl(QLatin1String(name));
        EXPECT_TRUE(option.isVisible()) << name;
        EXPECT_FALSE(option.isEnabled()) << name;
        EXPECT_FALSE(option.isSelected()) << name;
        EXPECT_FALSE(option.click()) << name;
    }
    for (const char *name : {"Label34", "Label36", "Label35", "Label37"})
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isVisible()) << name;
    EXPECT_EQ(host.ctl(QStringLiteral("Label38")).backColor(), colors::darkTeal);
}

// Typing enables exactly the options of the box's own row, and emptying the box again does
// not take that back.
TEST(WindPanel, TypingEnablesTheRowsOptions)
{
    TestHost host;
    writeWindFile(host, {WindRecord{}});
    host.select(8);
    ASSERT_TRUE(host.ctl(QStringLiteral("Text5")).type(QStringLiteral("1")));
    ASSERT_TRUE(host.ctl(QStringLiteral("Text5")).type(QString()));
    ASSERT_TRUE(host.ctl(QStringLiteral("Text8")).type(QStringLiteral("30")));
    for (const char *name : kWindOptions) {
        const bool expected = QLatin1String(name) == QLatin1String("Option54")
            || QLatin1String(name) == QLatin1String("Option55") || QLatin1String(name) == QLatin1String("Option56")
            || QLatin1String(name) == QLatin1String("Option58");
        EXPECT_EQ(host.ctl(QLatin1String(name)).isEnabled(), expected) << name;
    }
}

// --- the three rows with a side -----------------------------------------------------------

struct SideCase {
    const char *what;
    int row; // 1 head/tail, 2 crosswind, 3 WCA
    const char *word;
    const char *number;
    const char *typed;
    const char *option;
    bool right;
};

void PrintTo(const SideCase &c, std::ostream *os) { *os << c.what; }

class WindSide : public ::testing::TestWithParam<SideCase>
{
};

TEST_P(WindSide, IsJudgedAtTheClick)
{
    const SideCase &c = GetParam();
    WindRecord record;
    const QString word = QString::fromUtf8(c.word), number = QString::fromUtf8(c.number);
    if (c.row == 1) {
        record.headWord = word;
        record.head = number;
    } else if (c.row == 2) {
        record.crossWord = word;
        record.cross = number;
    } else {
        record.wcaWord = word;
        record.wca = number;
    }
    TestHost host;
    writeWindFile(host, {record});
    QAform &f = host.select(8);

    const WindRowNames &r = kWindRows[c.row];
    ASSERT_TRUE(host.ctl(QLatin1String(r.box)).type(QString::fromUtf8(c.typed)));
    ASSERT_TRUE(host.ctl(QLatin1String(c.option)).click());

    EXPECT_EQ(f.partCorrect(c.row), c.right);
    EXPECT_TRUE(f.partDone(c.row));
    EXPECT_TRUE(f.partDone(1)); // every side row, the crosswind and WCA too, closes head/tail
    FormControl &result = host.ctl(QLatin1String(r.result));
    FormControl &label = host.ctl(QLatin1String(r.label));
    EXPECT_TRUE(result.isVisible());
    if (c.right) {
        EXPECT_EQ(result.caption(), word + u' ' + number);
        EXPECT_EQ(result.foreColor(), colors::green);
        EXPECT_EQ(result.backColor(), colors::darkTeal);
        EXPECT_EQ(label.foreColor(), colors::green);
    } else {
        EXPECT_EQ(result.caption(), QStringLiteral("FALSCH"));
        EXPECT_EQ(result.backColor(), colors::red);
        EXPECT_EQ(label.foreColor(), colors::white);
        EXPECT_EQ(label.backColor(), colors::red);
    }
    for (const char *name : {r.box, r.unit, r.options[0], r.options[1], r.options[2]})
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isVisible()) << name;
}

INSTANTIATE_TEST_SUITE_P(TwentyPerCent, WindSide, ::testing::Values(
    SideCase{"head 16.5 of 20", 1, "Head", "20", "16.5", "Option47", true},
    SideCase{"head 23 of 20", 1, "Head", "20", "23", "Option47", true},
    SideCase{"head 16 of 20: difference 4 is not less", 1, "Head", "20", "16", "Option47", false},
    SideCase{"head 24 of 20", 1, "Head", "20", "24", "Option47", false},
    SideCase{"tail on a headwind", 1, "Head", "20", "20", "Option35", false},
    SideCase{"zero on a headwind", 1, "Head", "20", "20", "Option42", false},
    SideCase{"tail with text after the number", 1, "Tail", "10", " 9 kt", "Option35", true},
    SideCase{"stored zero accepts no side", 1, "Head", "0", "0", "Option47", false},
    SideCase{"non-numeric input is 0", 1, "Tail", "10", "zehn", "Option35", false},
    SideCase{"crosswind links", 2, "links", "12", "10", "Option54", true},
    SideCase{"crosswind rechts", 2, "rechts", "12", "13", "Option56", true},
    SideCase{"crosswind right word, left option", 2, "right", "12", "12", "Option54", false},
    SideCase{"capital Left matches nothing", 2, "Left", "12", "12", "Option54", false},
    SideCase{"WCA left", 3, "left", "7", "6", "Option52", true},
    SideCase{"WCA right", 3, "right", "5", "5.9", "Option41", true}));

INSTANTIATE_TEST_SUITE_P(ZeroIsExact, WindSide, ::testing::Values(
    SideCase{"head/tail zero typed 0", 1, "-", "0", "0", "Option42", true},
    SideCase{"head/tail zero typed 0.5", 1, "-", "0", "0.5", "Option42", false},
    SideCase{"crosswind zero, blank typed", 2, "-", "0", " ", "Option55", true},
    SideCase{"WCA zero needs the side word", 3, "left", "0", "0", "Option53", false},
    SideCase{"WCA zero with a stored number", 3, "-", "3", "3", "Option53", true}));

// --- the time row -----------------------------------------------------------------------

struct TimeCase {
    const char *stored;
    const char *minutes;
    const char *seconds;
    bool right;
};

void PrintTo(const TimeCase &c, std::ostream *os)
{
    *os << c.stored << " typed " << c.minutes << " min " << c.seconds << " s";
}

class WindTime : public ::testing::TestWithParam<TimeCase>
{
};

TEST_P(WindTime, TwentyPerCentOfTheSeconds)
{
    const TimeCase &c = GetParam();
    WindRecord record;
    record.time = QString::fromUtf8(c.stored);
    TestHost host;
    writeWindFile(host, {record});
    QAform &f = host.select(8);
    ASSERT_TRUE(host.ctl(QStringLiteral("Text7")).type(QString::fromUtf8(c.minutes)));
    ASSERT_TRUE(host.ctl(QStringLiteral("Text8")).type(QString::fromUtf8(c.seconds)));
    ASSERT_TRUE(host.ctl(QStringLiteral("Option58")).click());
    EXPECT_EQ(f.partCorrect(4), c.right);
    EXPECT_TRUE(f.partDone(4));
    EXPECT_EQ(host.ctl(QStringLiteral("Label37")).caption(),
              c.right ? record.time + QStringLiteral(" min.sec") : QStringLiteral("FALSCH"));
    for (const char *name : {"Option58", "Text7", "Text8", "Label46", "Label47"})
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isVisible()) << name;
}

INSTANTIATE_TEST_SUITE_P(Times, WindTime, ::testing::Values(
    TimeCase{"12.30", "11", "0", true},  // 660 of 750 s
    TimeCase{"12.30", "10", "0", false}, // 600: difference 150 is not less than 150
    TimeCase{"12.30", "14", "58", true}, // 898
    TimeCase{"12.29", "14", "57", true}, // 897 of 748 s
    TimeCase{"12.29", "14", "58", false}, // 898: 12.29 is 748 s, not 749
    TimeCase{"12.5", "12", "50", true},  // twelve minutes fifty
    TimeCase{"12.5", "", "620", true},   // seconds alone
    TimeCase{"546.59", "546", "59", true},
    TimeCase{"0", "0", "0", false}));

TEST(WindPanel, TimeBeyond546MinutesNamesTheBrokenRecord)
{
    WindRecord good, broken;
    broken.time = QStringLiteral("547.00");
    TestHost host;
    writeWindFile(host, {good, broken});
    QAform &f = host.select(8);
    f.DisplayQuestion();
    ASSERT_EQ(f.currentQuestion(), 1);
    ASSERT_TRUE(host.ctl(QStringLiteral("Text7")).type(QStringLiteral("547")));
    try {
        host.ctl(QStringLiteral("Option58")).click();
        FAIL() << "no overflow raised";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::Overflow);
        EXPECT_TRUE(e.message().contains(QStringLiteral("question 2"))) << e.what();
        EXPECT_TRUE(e.message().contains(QStringLiteral("qaCol19"))) << e.what();
    }
    EXPECT_FALSE(f.partDone(4));
}

// --- the head/tail row must come first ----------------------------------------------------

class WindHeadTailLast : public ::testing::TestWithParam<int>
{
};

TEST_P(WindHeadTailLast, OtherRowsCloseTheHeadTailRow)
{
    const int row = GetParam();
    TestHost host;
    writeWindFile(host, {WindRecord{}});
    QAform &f = host.select(8);
    answerWindRow(host, row, true);
    ASSERT_TRUE(f.partCorrect(row));
    ASSERT_TRUE(host.ctl(QStringLiteral("Text4")).type(QStringLiteral("20")));
    ASSERT_TRUE(host.ctl(QStringLiteral("Option47")).click()); // still reachable, but closed
    EXPECT_FALSE(f.partCorrect(1));
    EXPECT_FALSE(host.ctl(QStringLiteral("Label34")).isVisible());
    EXPECT_TRUE(host.ctl(QStringLiteral("Text4")).isVisible());
}

INSTANTIATE_TEST_SUITE_P(Rows, WindHeadTailLast, ::testing::Values(2, 3, 4));

TEST(WindPanel, AllFourRightSetsTheResultAtTheFourth)
{
    TestHost host;
    writeWindFile(host, {WindRecord{}});
    QAform &f = host.select(8);
    f.setC_showResult(0);
    for (int row = 1; row <= 3; ++row) {
        answerWindRow(host, row, true);
        EXPECT_EQ(f.c_showResult(), 0) << row;
    }
    answerWindRow(host, 4, true);
    EXPECT_EQ(f.c_showResult(), 6);
}

} // namespace
