// Judging the three lists of the position panel, as a trainee chooses rows.
#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace orvik3;
using orvik3::test::TestHost;
using orvik3::test::tagged;

namespace {

struct Answers {
    QString a1, a2, a3;
    QString third = QStringLiteral("Frage 3 von Aufgabe"); // type 2 only: the record's own third question
};

// The study file of a position type with the given records (types 1 and 10 share a layout;
// type 2 starts each record with its third question).
void writePositionFile(TestHost &host, qint16 type, const std::vector<Answers> &records)
{
    QStringList lines{QStringLiteral(":qa:,Wo ist das Flugzeug?"), QStringLiteral(":qb:,Welches Radial?")};
    if (type != 2)
        lines << QStringLiteral(":qc:,Was macht die Nadel?");
    int n = 0;
    for (const Answers &r : records) {
        if (type == 2)
            lines << tagged(5, r.third);
        lines << tagged(5, r.a1) << tagged(5, r.a2) << tagged(5, r.a3)
              << tagged(4, QStringLiteral("pos%1.ses").arg(n++)) << QString();
    }
    const char *file = type == 1 ? "hsi.sty" : type == 2 ? "stdvor.sty" : "orientation.sty";
    host.writeStudyFile(QLatin1String(file), lines);
}

QAform &start(TestHost &host, qint16 type, const Answers &answers)
{
    writePositionFile(host, type, {answers});
    QAform &f = host.select(type);
    f.setC_showResult(0);
    return f;
}

// --- one list, one choice ---------------------------------------------------------------

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
    const QString stored = QString::fromUtf8(c.stored);
    Answers answers{QStringLiteral("000"), QStringLiteral("000"), QString()};
    (c.list == 1 ? answers.a1 : c.list == 2 ? answers.a2 : answers.a3) = stored;
    TestHost host;
    QAform &f = start(host, c.type, answers);

    const QString n = QString::number(c.list);
    FormControl &combo = host.ctl(QStringLiteral("Combo") + n);
    FormControl &caption = host.ctl(QStringLiteral("Text") + n);
    FormControl &result = host.ctl(QStringLiteral("Text1") + n);
    ASSERT_TRUE(combo.choose(c.row));

    EXPECT_TRUE(f.partDone(1));
    EXPECT_EQ(f.partCorrect(c.list), c.right);
    EXPECT_FALSE(combo.isVisible());
    EXPECT_TRUE(result.isVisible());
    if (c.right) {
        EXPECT_EQ(result.text(), stored); // as stored: "45" stays "45", plus signs stay
        EXPECT_EQ(result.foreColor(), colors::green);
        EXPECT_EQ(result.backColor(), colors::darkTeal);
        EXPECT_EQ(caption.foreColor(), colors::green);
        EXPECT_EQ(caption.backColor(), colors::darkTeal);
    } else {
        EXPECT_EQ(result.text(), QStringLiteral("FALSCH"));
        EXPECT_EQ(result.foreColor(), colors::white);
        EXPECT_EQ(result.backColor(), colors::red);
        EXPECT_EQ(caption.foreColor(), colors::white);
        EXPECT_EQ(caption.backColor(), colors::red);
    }
    EXPECT_EQ(f.c_showResult(), 0); // one list alone never finishes the question
}

// Degree rows are worth (row - 1) * 5; the stored text is read as a whole number, halves to even.
INSTANTIATE_TEST_SUITE_P(Degrees, PositionChoice, ::testing::Values(
    Choice{"leading zero", 1, 1, "045", 10, true},
    Choice{"no leading zero", 1, 1, "45", 10, true},
    Choice{"neighbour row", 1, 1, "045", 11, false},
    Choice{"second list", 1, 2, "355", 72, true},
    Choice{"type 2 second list", 2, 2, "90", 19, true},
    Choice{"empty last row is 360", 1, 1, "360", 73, true},
    Choice{"360 on row 000", 2, 1, "360", 1, false},
    Choice{"prompt row is -5", 1, 1, "000", 0, false},
    Choice{"prompt row matches a stored -5", 2, 2, "-5", 0, true},
    Choice{"half rounds down to even", 1, 1, "10.5", 3, true},
    Choice{"half rounds up to even", 1, 2, "9.5", 3, true},
    Choice{"not a multiple of five", 1, 1, "47", 10, false},
    Choice{"empty stored value", 1, 1, "", 1, false},
    Choice{"text stored value", 2, 1, "Nord", 1, false},
    Choice{"number with trailing text", 1, 2, "45abc", 10, false},
    Choice{"beyond the Integer range", 1, 1, "99999", 73, false}));

// The third list, and every list of type 10, compare the entry text exactly.
INSTANTIATE_TEST_SUITE_P(Texts, PositionChoice, ::testing::Values(
    Choice{"exact text", 1, 3, "Nach links", 3, true},
    Choice{"case matters", 1, 3, "nach links", 3, false},
    Choice{"prompt row as text", 1, 3, "auswählen !", 0, true},
    Choice{"first alternative", 1, 3, "+Nach links+Bleibt gleich+", 3, true},
    Choice{"second alternative", 1, 3, "+Nach links+Bleibt gleich+", 5, true},
    Choice{"neither alternative", 1, 3, "+Nach links+Bleibt gleich+", 1, false},
    Choice{"third plus missing", 1, 3, "+Nach links+Bleibt gleich", 3, false},
    Choice{"only one plus", 1, 3, "+Nach links", 3, false},
    Choice{"type 2 knows no alternatives", 2, 3, "+Nach links+Bleibt gleich+", 2, false},
    Choice{"type 2 empty row", 2, 3, "", 4, true},
    Choice{"type 2 empty row, text stored", 2, 3, "Nach links", 5, false},
    Choice{"type 10 entry text", 10, 1, "045", 2, true},
    Choice{"type 10 needs three digits", 10, 2, "45", 2, false},
    Choice{"type 10 empty row", 10, 3, "", 17, true},
    Choice{"type 10 prompt row", 10, 1, "030", 0, false}));

// --- the question as a whole ------------------------------------------------------------

struct Finish {
    qint16 type;
    int order[3];
    bool thirdWrong;
    qint16 showResult;
};

void PrintTo(const Finish &p, std::ostream *os)
{
    *os << "type " << p.type << ", lists " << p.order[0] << p.order[1] << p.order[2] << (p.thirdWrong ? ", third wrong" : "");
}

class PositionFinish : public ::testing::TestWithParam<Finish>
{
};

// The result code is tested only when the third list is answered, after the other two.
TEST_P(PositionFinish, ShowResultDependsOnOrder)
{
    const Finish &p = GetParam();
    TestHost host;
    const bool degrees = p.type != 10;
    QAform &f = start(host, p.type,
                      {QStringLiteral("045"), QStringLiteral("090"),
                       degrees ? QStringLiteral("Nach links") : QStringLiteral("060")});
    const int rightRow[4] = {0, degrees ? 10 : 2, degrees ? 19 : 4, p.type == 2 ? 2 : 3};
    for (int list : p.order) {
        int row = rightRow[list];
        if (list == 3 && p.thirdWrong)
            row = 1;
        ASSERT_TRUE(host.ctl(QStringLiteral("Combo%1").arg(list)).choose(row));
    }
    EXPECT_EQ(f.c_showResult(), p.showResult);
}

INSTANTIATE_TEST_SUITE_P(Orders, PositionFinish, ::testing::Values(
    Finish{1, {1, 2, 3}, false, 6},
    Finish{2, {2, 1, 3}, false, 1},
    Finish{10, {1, 2, 3}, false, 6},
    Finish{1, {3, 1, 2}, false, 0},
    Finish{2, {1, 3, 2}, false, 0},
    Finish{1, {1, 2, 3}, true, 0}));

TEST(PositionPanel, EachListIsAnsweredOnceAndTheResetIsNotJudged)
{
    TestHost host;
    QAform &f = start(host, 1, {QStringLiteral("045"), QStringLiteral("090"), QStringLiteral("Nach links")});
    // Selecting the prompt rows while the question was set up counted as nothing.
    EXPECT_FALSE(f.partDone(1));
    EXPECT_FALSE(host.ctl(QStringLiteral("Text11")).isVisible());
    EXPECT_EQ(host.ctl(QStringLiteral("Combo1")).listIndex(), 0);

    ASSERT_TRUE(host.ctl(QStringLiteral("Combo1")).choose(10));
    EXPECT_FALSE(host.ctl(QStringLiteral("Combo1")).choose(11)); // hidden now
    EXPECT_TRUE(f.partCorrect(1));
}

} // namespace
