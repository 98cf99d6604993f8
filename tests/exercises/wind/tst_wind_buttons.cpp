// "Weiter", "Lösung zeigen", "Selber Fliegen" and "Abbrechen" on the wind panel.
#include "WindStudy.h"

#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::test;

namespace {

class WindButtons : public ::testing::Test
{
protected:
    QAform &start()
    {
        WindRecord second;
        second.direction = QStringLiteral("090");
        writeWindFile(host, {WindRecord{}, second});
        QAform &f = host.select(8);
        f.setC_showResult(0);
        return f;
    }
    bool click(const char *name) { return host.ctl(QLatin1String(name)).click(); }

    TestHost host;
};

TEST_F(WindButtons, NextWithoutAnswerCountsNothing)
{
    QAform &f = start();
    ASSERT_TRUE(host.ctl(QStringLiteral("Text4")).type(QStringLiteral("20"))); // typed, not answered
    ASSERT_TRUE(click("Command12"));
    EXPECT_EQ(f.c_showResult(), 2);
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_TRUE(host.stat(QStringLiteral("wind_total")).isEmpty());
    EXPECT_EQ(host.ctl(QStringLiteral("Label33")).caption(), QStringLiteral("Wind mit 090/25"));
}

TEST_F(WindButtons, WrongRowRepeatsTheQuestionWithEmptyBoxes)
{
    QAform &f = start();
    answerWindRow(host, 1, true);
    answerWindRow(host, 2, false);
    ASSERT_TRUE(click("Command12"));
    EXPECT_EQ(f.currentQuestion(), 0);
    EXPECT_EQ(host.stat(QStringLiteral("wind_total 0")), QStringLiteral("1"));
    EXPECT_EQ(host.stat(QStringLiteral("wind_bad 0")), QStringLiteral("1"));
    for (const char *box : {"Text4", "Text5", "Text6", "Text7", "Text8"}) {
        EXPECT_TRUE(host.ctl(QLatin1String(box)).text().isEmpty()) << box;
        EXPECT_TRUE(host.ctl(QLatin1String(box)).isVisible()) << box;
    }
    for (const char *name : kWindOptions) {
        EXPECT_TRUE(host.ctl(QLatin1String(name)).isVisible()) << name;
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isEnabled()) << name;
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isSelected()) << name;
    }
    for (const char *name : {"Label34", "Label36"})
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isVisible()) << name;
    EXPECT_EQ(host.ctl(QStringLiteral("Label38")).foreColor(), colors::white);
    EXPECT_EQ(host.ctl(QStringLiteral("Label41")).backColor(), colors::darkTeal);
    EXPECT_FALSE(f.partDone(1));

    // Now all four right: counted once more, no wrong answer, and on to question 1.
    for (int row = 1; row <= 4; ++row)
        answerWindRow(host, row, true);
    EXPECT_EQ(f.c_showResult(), 6);
    ASSERT_TRUE(click("Command12"));
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_EQ(host.stat(QStringLiteral("wind_total")), QStringLiteral("2"));
    EXPECT_EQ(host.stat(QStringLiteral("wind_bad")), QStringLiteral("1"));
    EXPECT_EQ(host.ctl(QStringLiteral("Label42")).caption(),
              QStringLiteral("Versuche: 2     Richtige: 1     Performance: 50%"));
}

TEST_F(WindButtons, HeadTailAnsweredLastCountsAsWrong)
{
    QAform &f = start();
    for (int row : {2, 3, 4, 1})
        answerWindRow(host, row, true);
    EXPECT_NE(f.c_showResult(), 6);
    ASSERT_TRUE(click("Command12"));
    EXPECT_EQ(host.stat(QStringLiteral("wind_bad 0")), QStringLiteral("1"));
    EXPECT_EQ(f.currentQuestion(), 0);
}

TEST_F(WindButtons, SolutionShrinksThePanelAndShowsEveryRow)
{
    QAform &f = start();
    answerWindRow(host, 1, false);
    ASSERT_TRUE(click("Command11"));
    EXPECT_EQ(f.c_showResult(), 6);
    EXPECT_EQ(host.ctl(QStringLiteral("Frame29")).height(), 1100);
    const char *results[][2] = {{"Label34", "Head 20"}, {"Label36", "links 12"}, {"Label35", "right 5"},
                                {"Label37", "12.30 min.sec"}};
    for (auto &r : results) {
        FormControl &label = host.ctl(QLatin1String(r[0]));
        EXPECT_EQ(label.caption(), QLatin1String(r[1]));
        EXPECT_TRUE(label.isVisible());
        EXPECT_EQ(label.foreColor(), colors::white);
        EXPECT_EQ(label.backColor(), colors::darkTeal);
    }
    for (const char *name : {"Text4", "Text5", "Text6", "Text7", "Text8", "Label43", "Label46", "Option58", "Option35"})
        EXPECT_FALSE(host.ctl(QLatin1String(name)).isVisible()) << name;
    EXPECT_EQ(host.ctl(QStringLiteral("Label38")).backColor(), colors::darkTeal);
    EXPECT_FALSE(f.partCorrect(1));

    // The next question keeps the small panel; only the host gives the height back.
    ASSERT_TRUE(click("Command12"));
    EXPECT_EQ(host.ctl(QStringLiteral("Frame29")).height(), 1100);
    f.setC_QAFly(-4);
    EXPECT_EQ(host.ctl(QStringLiteral("Frame29")).height(), 4250);
}

TEST_F(WindButtons, SolutionThenNextCountsNothing)
{
    QAform &f = start();
    ASSERT_TRUE(click("Command11"));
    ASSERT_TRUE(click("Command12"));
    EXPECT_TRUE(host.stat(QStringLiteral("wind_total 0")).isEmpty());
    EXPECT_EQ(f.currentQuestion(), 1);
}

TEST_F(WindButtons, FlyYourselfSignalsTheHost)
{
    QAform &f = start();
    ASSERT_TRUE(click("Command14"));
    EXPECT_EQ(f.c_QAFly(), 4);
    EXPECT_EQ(f.c_TrackDelta(), 3);
    EXPECT_EQ(f.c_showResult(), 4);
    EXPECT_EQ(host.ctl(QStringLiteral("Frame29")).height(), 1100);
    EXPECT_TRUE(host.ctl(QStringLiteral("Frame29")).isVisible());
}

TEST_F(WindButtons, CancelOnlyHandsTypeZeroToTheHost)
{
    QAform &f = start();
    const QString session = f.c_QASessionFileName();
    ASSERT_TRUE(click("Command13"));
    EXPECT_EQ(f.c_QAtype(), 0);
    EXPECT_EQ(f.c_QASessionFileName(), session);
    EXPECT_EQ(host.ctl(QStringLiteral("Frame29")).height(), 4250);
}

TEST_F(WindButtons, EmptyStudyFileJudgesEverythingWrong)
{
    QAform &f = host.select(8); // no study file
    ASSERT_EQ(f.lastQuestion(), -1);
    answerWindRow(host, 1, true);
    answerWindRow(host, 4, true);
    EXPECT_EQ(host.ctl(QStringLiteral("Label34")).caption(), QStringLiteral("FALSCH"));
    EXPECT_EQ(host.ctl(QStringLiteral("Label37")).caption(), QStringLiteral("FALSCH"));
    ASSERT_TRUE(click("Command11"));
    EXPECT_EQ(host.ctl(QStringLiteral("Label36")).caption(), QStringLiteral(" "));
    EXPECT_EQ(host.ctl(QStringLiteral("Label37")).caption(), QStringLiteral(" min.sec"));
}

} // namespace
