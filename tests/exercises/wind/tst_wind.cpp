// The wind panel's four rows, as a trainee types and clicks.
#include "../PanelTest.h"

using namespace orvik3;
using namespace orvik3::test;

namespace {

const char *const kOptions[] = {"Option47", "Option42", "Option35", "Option54", "Option55",
                                "Option56", "Option52", "Option53", "Option41", "Option58"};

QAform &start(TestHost &host, const WindRecord &record = {})
{
    host.writeStudyFile("wind.sty", studyLines({record.values()}));
    return host.select(8);
}

// The options stay off until their row's box is typed into, and emptying it does not take that back.
TEST(WindPanel, TypingEnablesOnlyTheRowsOptions)
{
    TestHost host;
    start(host);
    EXPECT_EQ(host.ctl("Label33").caption(), QStringLiteral("Wind mit 270/25"));
    for (const char *name : kOptions)
        EXPECT_TRUE(host.ctl(name).isVisible() && !host.ctl(name).isEnabled() && !host.ctl(name).click()) << name;
    ASSERT_TRUE(host.ctl("Text5").type("1") && host.ctl("Text5").type("") && host.ctl("Text8").type("30"));
    const QStringList enabled{"Option54", "Option55", "Option56", "Option58"};
    for (const char *name : kOptions)
        EXPECT_EQ(host.ctl(name).isEnabled(), enabled.contains(name)) << name;
}

struct SideCase {
    const char *what;
    int row; // 1 head/tail, 2 crosswind, 3 WCA
    const char *word, *number, *typed, *option;
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
    QString *fields[][2] = {{}, {&record.headWord, &record.head}, {&record.crossWord, &record.cross},
                            {&record.wcaWord, &record.wca}};
    *fields[c.row][0] = QString::fromUtf8(c.word);
    *fields[c.row][1] = QString::fromUtf8(c.number);
    TestHost host;
    QAform &f = start(host, record);
    const char *box[] = {nullptr, "Text4", "Text5", "Text6"}, *unit[] = {nullptr, "Label43", "Label44", "Label45"};
    const char *result[] = {nullptr, "Label34", "Label36", "Label35"};
    ASSERT_TRUE(host.ctl(box[c.row]).type(QString::fromUtf8(c.typed)));
    ASSERT_TRUE(host.ctl(c.option).click());

    EXPECT_EQ(f.partCorrect(c.row), c.right);
    EXPECT_TRUE(f.partDone(1)); // every side row closes head/tail
    EXPECT_EQ(host.ctl(result[c.row]).caption(),
              c.right ? *fields[c.row][0] + u' ' + *fields[c.row][1] : QStringLiteral("FALSCH"));
    for (const char *hidden : {box[c.row], unit[c.row], c.option})
        EXPECT_FALSE(host.ctl(hidden).isVisible()) << hidden;
}

// Right within twenty per cent of the stored number, strictly.
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

// Minutes and seconds typed, against twenty per cent of the stored min.sec in seconds.
TEST(WindPanel, TimeRow)
{
    const std::tuple<const char *, const char *, const char *, bool> cases[] = {
        {"12.30", "11", "0", true},   // 660 of 750 s
        {"12.30", "10", "0", false},  // 600: difference 150 is not less than 150
        {"12.30", "14", "58", true},  // 898
        {"12.29", "14", "57", true},  // 897 of 748 s
        {"12.29", "14", "58", false}, // 898: 12.29 is 748 s, not 749
        {"12.5", "", "620", true},    // seconds alone; twelve minutes fifty
        {"546.59", "546", "59", true}, {"0", "0", "0", false}};
    for (const auto &[stored, minutes, seconds, right] : cases) {
        WindRecord record;
        record.time = QLatin1String(stored);
        TestHost host;
        QAform &f = start(host, record);
        ASSERT_TRUE(host.ctl("Text7").type(minutes));
        ASSERT_TRUE(host.ctl("Text8").type(seconds));
        ASSERT_TRUE(host.ctl("Option58").click());
        EXPECT_EQ(f.partCorrect(4), right) << stored << " typed " << minutes << " min " << seconds << " s";
        EXPECT_EQ(host.ctl("Label37").caption(), right ? record.time + " min.sec" : QStringLiteral("FALSCH"));
        for (const char *name : {"Option58", "Text7", "Text8", "Label46", "Label47"})
            EXPECT_FALSE(host.ctl(name).isVisible()) << name;
    }
}

TEST(WindPanel, TimeBeyond546MinutesNamesTheBrokenRecord)
{
    WindRecord broken;
    broken.time = QStringLiteral("547.00");
    TestHost host;
    host.writeStudyFile("wind.sty", studyLines({WindRecord{}.values(), broken.values()}));
    QAform &f = host.select(8);
    f.DisplayQuestion();
    ASSERT_EQ(f.currentQuestion(), 1);
    ASSERT_TRUE(host.ctl("Text7").type("547"));
    const QString message = expectError(ErrorKind::Overflow, [&] { host.ctl("Option58").click(); });
    EXPECT_TRUE(message.contains("question 2") && message.contains("qaCol19")) << message.toStdString();
    EXPECT_FALSE(f.partDone(4));
}

// Any other row answered first closes the head/tail row: it can no longer be right.
TEST(WindPanel, HeadTailRowMustComeFirst)
{
    for (int row : {2, 3, 4}) {
        TestHost host;
        QAform &f = start(host);
        answerWindRow(host, row, true);
        ASSERT_TRUE(f.partCorrect(row));
        ASSERT_TRUE(host.ctl("Text4").type("20"));
        ASSERT_TRUE(host.ctl("Option47").click()); // still reachable, but closed
        EXPECT_FALSE(f.partCorrect(1)) << row;
        EXPECT_FALSE(host.ctl("Label34").isVisible());
        EXPECT_TRUE(host.ctl("Text4").isVisible());
    }
}

} // namespace
