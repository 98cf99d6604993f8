// Judging the three lists of the position panel, as a trainee chooses rows.
#include "../PanelTest.h"

using namespace orvik3;
using namespace orvik3::test;

namespace {

struct Choice {
    const char *what;
    qint16 type;
    int list; // 1..3
    const char *stored;
    int row;
    bool right;
};

void PrintTo(const Choice &c, std::ostream *os) { *os << c.what; }

class PositionChoice : public ::testing::TestWithParam<Choice>
{
};

TEST_P(PositionChoice, IsJudgedAtOnce)
{
    const Choice &c = GetParam();
    QStringList answers{"000", "000", ""};
    answers[c.list - 1] = QString::fromUtf8(c.stored);
    TestHost host;
    writePositionFile(host, c.type, {answers});
    QAform &f = host.select(c.type);
    f.setC_showResult(0);

    const QString n = QString::number(c.list);
    ASSERT_TRUE(host.ctl("Combo" + n).choose(c.row));
    EXPECT_TRUE(f.partDone(1));
    EXPECT_EQ(f.partCorrect(c.list), c.right);
    EXPECT_FALSE(host.ctl("Combo" + n).choose(c.row)); // hidden: answered once only
    // As stored: "45" stays "45", plus signs stay.
    expectMark(host.ctl("Text" + n), host.ctl("Text1" + n), c.right ? Mark::Right : Mark::Wrong, answers[c.list - 1]);
    EXPECT_EQ(f.c_showResult(), 0); // one list alone never finishes the question
}

// Degree rows are worth (row - 1) * 5; the stored text is read as a whole number, halves to even.
INSTANTIATE_TEST_SUITE_P(Lists, PositionChoice, ::testing::Values(
    Choice{"leading zero", 1, 1, "045", 10, true},
    Choice{"no leading zero", 1, 1, "45", 10, true},
    Choice{"neighbour row", 1, 1, "045", 11, false},
    Choice{"second list", 2, 2, "355", 72, true},
    Choice{"empty last row is 360", 1, 1, "360", 73, true},
    Choice{"360 on row 000", 2, 1, "360", 1, false},
    Choice{"prompt row is -5", 1, 1, "000", 0, false},
    Choice{"prompt row matches a stored -5", 2, 2, "-5", 0, true},
    Choice{"half rounds down to even", 1, 1, "10.5", 3, true},
    Choice{"half rounds up to even", 1, 2, "9.5", 3, true},
    Choice{"not a multiple of five", 1, 1, "47", 10, false},
    Choice{"empty stored value", 1, 1, "", 1, false},
    Choice{"number with trailing text", 1, 2, "45abc", 10, false},
    Choice{"beyond the Integer range", 1, 1, "99999", 73, false},
    // The third list, and every list of type 10, compare the entry text exactly; type 1
    // accepts either of two texts stored as "+first+second+".
    Choice{"exact text", 1, 3, "Nach links", 3, true},
    Choice{"case matters", 1, 3, "nach links", 3, false},
    Choice{"prompt row as text", 1, 3, "auswählen !", 0, true},
    Choice{"first alternative", 1, 3, "+Nach links+Bleibt gleich+", 3, true},
    Choice{"second alternative", 1, 3, "+Nach links+Bleibt gleich+", 5, true},
    Choice{"neither alternative", 1, 3, "+Nach links+Bleibt gleich+", 1, false},
    Choice{"third plus missing", 1, 3, "+Nach links+Bleibt gleich", 3, false},
    Choice{"type 2 knows no alternatives", 2, 3, "+Nach links+Bleibt gleich+", 2, false},
    Choice{"type 2 empty row", 2, 3, "", 4, true},
    Choice{"type 10 entry text", 10, 1, "045", 2, true},
    Choice{"type 10 needs three digits", 10, 2, "45", 2, false},
    Choice{"type 10 empty row", 10, 3, "", 17, true},
    Choice{"type 10 prompt row", 10, 1, "030", 0, false}));

// The result code is decided only when the third list is answered, after the other two right
// (all right in file order and one wrong row: see the panels' common tests).
TEST(PositionPanel, ShowResultDependsOnOrder)
{
    const struct {
        qint16 type;
        int order[3];
        qint16 showResult;
    } cases[] = {{2, {2, 1, 3}, 1}, {10, {1, 2, 3}, 6}, {1, {3, 1, 2}, 0}, {2, {1, 3, 2}, 0}, {10, {2, 3, 1}, 0}};
    for (const auto &c : cases) {
        TestHost host;
        const bool degrees = c.type != 10;
        writePositionFile(host, c.type, {{"045", "090", degrees ? "Nach links" : "060"}});
        QAform &f = host.select(c.type);
        f.setC_showResult(0);
        const int rightRow[] = {degrees ? 10 : 2, degrees ? 19 : 4, c.type == 2 ? 2 : 3};
        for (int list : c.order)
            ASSERT_TRUE(host.ctl(QStringLiteral("Combo%1").arg(list)).choose(rightRow[list - 1]));
        EXPECT_EQ(f.c_showResult(), c.showResult) << "type " << c.type << " from list " << c.order[0];
    }
}

// With no exercise running (after "Abbrechen") the lists judge nothing.
TEST(PositionPanel, NothingIsJudgedAfterCancel)
{
    TestHost host;
    writePositionFile(host, 1, {{"045", "090", "Nach links"}});
    QAform &f = host.select(1);
    ASSERT_TRUE(host.ctl("Command3").click());
    EXPECT_TRUE(host.ctl("Combo2").choose(19));
    EXPECT_FALSE(f.partCorrect(2));
    EXPECT_FALSE(host.ctl("Text12").isVisible());
}

// In random order ("Zufall", ticked by type 10) a wrong answer moves on instead of stepping
// back; type 10 counts with type 1.
TEST(PositionPanel, WrongAnswerInRandomOrderMovesOn)
{
    TestHost host({0.6f, 0.1f}); // question order 1, 0
    writePositionFile(host, 10, {{"045", "090", "060"}, {"180", "270", "120"}});
    QAform &f = host.select(10);
    ASSERT_EQ(host.ctl("Check1").value(), 1);
    ASSERT_EQ(f.currentQuestion(), 0);
    ASSERT_TRUE(host.ctl("Combo1").choose(1)); // "030", wrong
    ASSERT_TRUE(host.ctl("Command1").click());
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_EQ(host.stat("hsipos_bad 0"), QStringLiteral("1"));
}

} // namespace
