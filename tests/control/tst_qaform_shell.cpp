#include "support/TestHost.h"

#include <gtest/gtest.h>

using namespace orvik3;
using orvik3::test::TestHost;

TEST(QAformShell, NewInstanceDefaults)
{
    TestHost host;
    QAform &f = host.form();
    EXPECT_EQ(f.c_QAtype(), 1);
    EXPECT_FALSE(f.c_smallFrame());
    EXPECT_TRUE(f.c_MainAppPath().isEmpty());
    EXPECT_TRUE(f.c_QASessionFileName().isEmpty());
    EXPECT_EQ(f.lastQuestion(), -1);
    EXPECT_EQ(f.width(), 7950);
    EXPECT_EQ(f.height(), 4250);
    EXPECT_EQ(f.control(QStringLiteral("Text1")).backColor(), 0x808080u);
}

TEST(QAformShell, SelectsAndShowsFirstQuestion)
{
    TestHost host;
    host.writeStudyFile(QStringLiteral("qdm.sty"),
                        {"#####090", "#####a", "#####b", "#####c", "#####085", "#####kleiner", "#####left",
                         "#####kleiner", "####s1.ses", "", "#####180", "#####a", "#####b", "#####c", "#####170",
                         "#####kleiner", "#####left", "#####kleiner", "####s2.ses", ""});
    QAform &f = host.select(6);
    EXPECT_EQ(f.lastQuestion(), 1);
    EXPECT_EQ(f.currentQuestion(), 0);
    EXPECT_TRUE(f.questionShown());
    EXPECT_TRUE(f.control(QStringLiteral("Frame20")).isVisible());
    EXPECT_FALSE(f.control(QStringLiteral("Frame1")).isVisible());
    EXPECT_EQ(f.control(QStringLiteral("Frame20")).caption(), QStringLiteral("QDM ÜBUNGEN ( 1 von 2)"));
    EXPECT_EQ(f.control(QStringLiteral("Label23")).caption(), QStringLiteral("Versuche: 0"));
    EXPECT_EQ(f.c_QASessionFileName(), host.base() + QStringLiteral("/default/sessions/s1.ses"));
    f.DisplayQuestion();
    EXPECT_EQ(f.currentQuestion(), 1);
    f.DisplayQuestion();
    EXPECT_EQ(f.currentQuestion(), 0);
}
