// "Weiter", "Lösung zeigen" and "Abbrechen" on the position panel.
#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace orvik3;
using orvik3::test::TestHost;
using orvik3::test::tagged;

namespace {

// Two type-1 (or type-10) records: 045 / 090 / "Nach links" and 180 / 270 / "+Nach vorne+Nach hinten+".
void writeTwoRecords(TestHost &host, const QString &file)
{
    host.writeStudyFile(file, {":qa:,Position?", ":qb:,Radial?", ":qc:,Nadel?",
                               tagged(5, "045"), tagged(5, "090"), tagged(5, "Nach links"), tagged(4, "a.ses"), "",
                               tagged(5, "180"), tagged(5, "270"), tagged(5, "+Nach vorne+Nach hinten+"),
                               tagged(4, "b.ses"), ""});
}

void writeStdVor(TestHost &host)
{
    host.writeStudyFile(QStringLiteral("stdvor.sty"),
                        {":qa:,Position?", ":qb:,Radial?", tagged(5, "Dritte"), tagged(5, "045"), tagged(5, "090"),
                         tagged(5, "Nach links"), tagged(4, "a.ses"), "", tagged(5, "Vierte"), tagged(5, "180"),
                         tagged(5, "270"), tagged(5, "Bleibt gleich"), tagged(4, "b.ses"), ""});
}

class PositionButtons : public ::testing::Test
{
protected:
    QAform &startHsi()
    {
        writeTwoRecords(host, QStringLiteral("hsi.sty"));
        QAform &f = host.select(1);
        f.setC_showResult(0);
        return f;
    }
    void answerFirstRight()
    {
        ASSERT_TRUE(host.ctl(QStringLiteral("Combo1")).choose(10));
        ASSERT_TRUE(host.ctl(QStringLiteral("Combo2")).choose(19));
        ASSERT_TRUE(host.ctl(QStringLiteral("Combo3")).choose(3));
    }
    bool next() { return host.ctl(QStringLiteral("Command1")).click(); }

    TestHost host;
};

TEST_F(PositionButtons, NextWithoutAnswerCountsNothing)
{
    QAform &f = startHsi();
    ASSERT_TRUE(next());
    EXPECT_EQ(f.c_showResult(), 2);
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_TRUE(host.stat(QStringLiteral("hsipos_total")).isEmpty());
    EXPECT_TRUE(host.stat(QStringLiteral("hsipos_total 0")).isEmpty());
}

TEST_F(PositionButtons, NextAfterAllRightCountsAttemptAndMovesOn)
{
    QAform &f = startHsi();
    answerFirstRight();
    EXPECT_EQ(f.c_showResult(), 6);
    ASSERT_TRUE(next());
    EXPECT_EQ(f.c_showResult(), 2);
    EXPECT_EQ(host.stat(QStringLiteral("hsipos_total 0")), QStringLiteral("1"));
    EXPECT_TRUE(host.stat(QStringLiteral("hsipos_bad 0")).isEmpty());
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_EQ(host.ctl(QStringLiteral("Label1")).caption(),
              QStringLiteral("Versuche: 1     Richtige: 1     Performance: 100%"));
    // The next question starts clean: result boxes gone, lists back at the prompt, flags off.
    for (const char *name : {"Text11", "Text12", "Text13"})
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isVisible()) << name;
    for (const char *name : {"Combo1", "Combo2", "Combo3"}) {
        EXPECT_TRUE(host.ctl(QLatin1String(name)).isVisible()) << name;
        EXPECT_EQ(host.ctl(QLatin1String(name)).listIndex(), 0) << name;
    }
    EXPECT_EQ(host.ctl(QStringLiteral("Text1")).backColor(), colors::darkTeal);
    EXPECT_EQ(host.ctl(QStringLiteral("Text1")).foreColor(), colors::windowBackground);
    EXPECT_FALSE(f.partDone(1));
}

TEST_F(PositionButtons, OneWrongListRepeatsTheQuestionInFileOrder)
{
    QAform &f = startHsi();
    ASSERT_TRUE(host.ctl(QStringLiteral("Combo2")).choose(20)); // 095, wrong
    ASSERT_TRUE(next());
    EXPECT_EQ(f.currentQuestion(), 0);
    EXPECT_EQ(host.stat(QStringLiteral("hsipos_total 0")), QStringLiteral("1"));
    EXPECT_EQ(host.stat(QStringLiteral("hsipos_bad 0")), QStringLiteral("1"));
    EXPECT_EQ(host.stat(QStringLiteral("hsipos_bad")), QStringLiteral("1"));
    EXPECT_EQ(f.c_QASessionFileName(), host.base() + QStringLiteral("/default/sessions/a.ses"));

    // Question 1 with a two-alternative answer, all right: counted once, no wrong answer.
    answerFirstRight();
    ASSERT_TRUE(next());
    ASSERT_EQ(f.currentQuestion(), 1);
    ASSERT_TRUE(host.ctl(QStringLiteral("Combo1")).choose(37));
    ASSERT_TRUE(host.ctl(QStringLiteral("Combo2")).choose(55));
    ASSERT_TRUE(host.ctl(QStringLiteral("Combo3")).choose(2));
    EXPECT_EQ(host.ctl(QStringLiteral("Text13")).text(), QStringLiteral("+Nach vorne+Nach hinten+"));
    ASSERT_TRUE(next());
    EXPECT_EQ(host.stat(QStringLiteral("hsipos_total")), QStringLiteral("3"));
    EXPECT_EQ(host.stat(QStringLiteral("hsipos_bad")), QStringLiteral("1"));
    EXPECT_EQ(f.currentQuestion(), 0);
}

TEST_F(PositionButtons, WrongAnswerInRandomOrderMovesOn)
{
    TestHost shuffled({0.6f, 0.1f}); // question order 1, 0
    writeTwoRecords(shuffled, QStringLiteral("orientation.sty"));
    QAform &f = shuffled.select(10); // type 10 ticks "Zufall"
    ASSERT_EQ(shuffled.ctl(QStringLiteral("Check1")).value(), 1);
    ASSERT_EQ(f.currentQuestion(), 0); // questionOrder(1) comes first
    ASSERT_TRUE(shuffled.ctl(QStringLiteral("Combo1")).choose(1)); // "030", wrong
    ASSERT_TRUE(shuffled.ctl(QStringLiteral("Command1")).click());
    EXPECT_EQ(f.currentQuestion(), 1);
    // Type 10 counts with type 1.
    EXPECT_EQ(shuffled.stat(QStringLiteral("hsipos_bad 0")), QStringLiteral("1"));
}

TEST_F(PositionButtons, StandardVorCountsUnderItsOwnPrefix)
{
    writeStdVor(host);
    QAform &f = host.select(2);
    ASSERT_TRUE(host.ctl(QStringLiteral("Combo3")).choose(2));
    ASSERT_TRUE(next());
    EXPECT_EQ(host.stat(QStringLiteral("stdvor_total 0")), QStringLiteral("1"));
    EXPECT_EQ(host.stat(QStringLiteral("stdvor_bad 0")), QStringLiteral("1"));
    EXPECT_TRUE(host.stat(QStringLiteral("hsipos_total")).isEmpty());
    EXPECT_EQ(f.currentQuestion(), 0);
}

TEST_F(PositionButtons, SolutionOverwritesResultsAndCountsNothing)
{
    QAform &f = startHsi();
    ASSERT_TRUE(host.ctl(QStringLiteral("Combo1")).choose(1)); // wrong: "FALSCH"
    ASSERT_TRUE(host.ctl(QStringLiteral("Command2")).click());
    EXPECT_EQ(f.c_showResult(), 1);
    const char *expected[] = {"045", "090", "Nach links"};
    for (int i = 1; i <= 3; ++i) {
        FormControl &result = host.ctl(QStringLiteral("Text1%1").arg(i));
        FormControl &caption = host.ctl(QStringLiteral("Text%1").arg(i));
        EXPECT_EQ(result.text(), QLatin1String(expected[i - 1]));
        EXPECT_TRUE(result.isVisible());
        EXPECT_EQ(result.foreColor(), colors::white);
        EXPECT_EQ(result.backColor(), colors::darkTeal);
        EXPECT_EQ(caption.foreColor(), colors::white);
        EXPECT_EQ(caption.backColor(), colors::darkTeal);
        EXPECT_FALSE(host.ctl(QStringLiteral("Combo%1").arg(i)).isVisible());
    }
    EXPECT_FALSE(f.partCorrect(1));
    EXPECT_TRUE(f.partDone(1)); // from the wrong choice, not from the solution
}

TEST_F(PositionButtons, SolutionThenNextCountsNothing)
{
    QAform &f = startHsi();
    ASSERT_TRUE(host.ctl(QStringLiteral("Command2")).click());
    EXPECT_FALSE(f.partDone(1));
    ASSERT_TRUE(next());
    EXPECT_TRUE(host.stat(QStringLiteral("hsipos_total 0")).isEmpty());
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_EQ(f.c_showResult(), 2);
}

TEST_F(PositionButtons, CancelOnlyHandsTypeZeroToTheHost)
{
    QAform &f = startHsi();
    const QString session = f.c_QASessionFileName();
    ASSERT_TRUE(host.ctl(QStringLiteral("Combo1")).choose(10));
    ASSERT_TRUE(host.ctl(QStringLiteral("Command3")).click());
    EXPECT_EQ(f.c_QAtype(), 0);
    EXPECT_EQ(f.c_QASessionFileName(), session);
    EXPECT_TRUE(host.ctl(QStringLiteral("Frame1")).isVisible());
    EXPECT_TRUE(f.partCorrect(1));
    // With no exercise running the lists judge nothing.
    EXPECT_TRUE(host.ctl(QStringLiteral("Combo2")).choose(19));
    EXPECT_FALSE(f.partCorrect(2));
    EXPECT_FALSE(host.ctl(QStringLiteral("Text12")).isVisible());
}

TEST_F(PositionButtons, EmptyStudyFileJudgesEveryDegreeWrong)
{
    QAform &f = host.select(1); // no study file at all
    ASSERT_EQ(f.lastQuestion(), -1);
    EXPECT_NO_THROW(host.ctl(QStringLiteral("Combo1")).choose(1));
    EXPECT_EQ(host.ctl(QStringLiteral("Text11")).text(), QStringLiteral("FALSCH"));
    ASSERT_TRUE(host.ctl(QStringLiteral("Command2")).click());
    EXPECT_EQ(host.ctl(QStringLiteral("Text13")).text(), QString());
}

} // namespace
