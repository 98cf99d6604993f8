#include "QdmQdrFixture.h"

using namespace orvik3;
using namespace orvik3::test;

namespace {

// For the default record: one right and one wrong option per row (slots in order 1..4).
const int kRight[] = {49, 40, 45, 37};
const int kWrong[] = {50, 38, 43, 36};

QdmRecord second()
{
    QdmRecord r;
    r.required = QStringLiteral("180");
    r.session = QStringLiteral("q2.ses");
    return r;
}

} // namespace

class QdmQdrTypes : public ::testing::TestWithParam<qint16>
{
protected:
    bool qdm() const { return GetParam() == 6 || GetParam() == 12; }
    QString prefix() const { return qdm() ? QStringLiteral("qdm") : QStringLiteral("qdr"); }
};

TEST_P(QdmQdrTypes, QuestionIsSetUpForAnswering)
{
    QdmHost h(GetParam(), {QdmRecord{}, second()}, {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f});
    const QAform &f = *h.form;
    EXPECT_EQ(h.ctl("Frame20").caption(), qdm() ? QStringLiteral("QDM ÜBUNGEN ( 1 von 2)")
                                                : QStringLiteral("QDR ÜBUNGEN ( 1 von 2)"));
    EXPECT_EQ(h.ctl("Label32").caption(), qdm() ? QStringLiteral("Intercept QDM 090") : QStringLiteral("Intercept QDR 090"));
    EXPECT_EQ(h.ctl("Label31").caption(), qdm() ? QStringLiteral("Actual QDM:") : QStringLiteral("Actual QDR:"));
    EXPECT_EQ(h.ctl("Label28").caption(), qdm() ? QStringLiteral("Winkel zw. ACT und RQ QDM wird:")
                                                : QStringLiteral("Winkel zw. ACT und RQ QDR wird:"));
    EXPECT_EQ(h.ctl("Option38").caption(), QStringLiteral("größer"));
    EXPECT_EQ(h.ctl("Option37").caption(), qdm() ? QStringLiteral("< als actual QDM") : QStringLiteral("< als RQ QDR"));
    EXPECT_EQ(h.ctl("Option36").caption(), qdm() ? QStringLiteral("> als actual QDM") : QStringLiteral(">  RQ QDR"));
    for (int r = 0; r < 4; ++r) {
        EXPECT_FALSE(h.ctl(kQdmResults[r]).isVisible());
        EXPECT_EQ(h.ctl(kQdmLabels[r]).foreColor(), colors::white);
        EXPECT_EQ(h.ctl(kQdmLabels[r]).backColor(), colors::darkTeal);
        for (int n : kQdmRows[r])
            EXPECT_TRUE(h.ctl(opt(n)).isReachable() && !h.ctl(opt(n)).isSelected()) << n;
    }
    EXPECT_EQ(f.c_QASessionFileName(), h.host.base() + QStringLiteral("/default/sessions/q1.ses"));
}

TEST_P(QdmQdrTypes, NextCountsUnderTheTypesPrefix)
{
    QdmHost h(GetParam(), {QdmRecord{}, second()}, {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f});
    QAform &f = *h.form;

    h.ctl("Command9").click(); // nothing answered
    EXPECT_EQ(f.c_showResult(), 2);
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_TRUE(h.host.stat(prefix() + QStringLiteral("_total")).isEmpty());

    h.click(kRight[0]);
    h.ctl("Command9").click(); // three rows open: wrong
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_TRUE(h.ctl("Frame20").caption().endsWith(QStringLiteral("( 2 von 2)")));
    EXPECT_EQ(h.host.stat(prefix() + QStringLiteral("_total 1")), QStringLiteral("1"));
    EXPECT_EQ(h.host.stat(prefix() + QStringLiteral("_bad 1")), QStringLiteral("1"));
    EXPECT_EQ(h.ctl("Label23").caption(), QStringLiteral("Versuche: 1     Richtige: 0     Performance: 0%"));
    for (int r = 0; r < 4; ++r)
        EXPECT_FALSE(h.ctl(kQdmResults[r]).isVisible());

    // Candidates were drawn again for the repeat: find the right one by its caption.
    for (int n : kQdmRows[0])
        if (h.ctl(opt(n)).caption() == QStringLiteral("085"))
            h.click(n);
    for (int r = 1; r < 4; ++r)
        h.click(kRight[r]);
    EXPECT_EQ(f.c_showResult(), 6);
    h.ctl("Command9").click();
    EXPECT_EQ(f.currentQuestion(), 0);
    EXPECT_EQ(h.host.stat(prefix() + QStringLiteral("_total")), QStringLiteral("2"));
    EXPECT_EQ(h.host.stat(prefix() + QStringLiteral("_bad")), QStringLiteral("1"));
}

INSTANTIATE_TEST_SUITE_P(Types, QdmQdrTypes, ::testing::Values(qint16(6), qint16(7), qint16(12), qint16(13)));

TEST(QdmQdrWords, EachWordRowAcceptsItsOwnWords)
{
    struct Case {
        int row; // 1 difference, 2 turn, 3 heading
        const char *stored;
        int rightOption; // 0: every option of the row is wrong
    };
    const Case cases[] = {
        {1, "kleiner", 40},  {1, "decrease", 40}, {1, "gleich", 39},  {1, "remain constant", 39},
        {1, "grösser", 38},  {1, "increase", 38}, {1, "größer", 0},   {1, "Kleiner", 0},
        {2, "left", 45},     {2, "maintain", 44}, {2, "right", 43},   {2, "Right", 0},
        {3, "kleiner", 37},  {3, "decrease", 37}, {3, "grösser", 36}, {3, "increase", 36},
        {3, "maintain", 36}, {3, "gleich", 0},
    };
    for (const Case &c : cases) {
        for (int option : kQdmRows[c.row]) {
            QdmRecord r;
            QString *field[] = {nullptr, &r.difference, &r.turn, &r.heading};
            *field[c.row] = QString::fromUtf8(c.stored);
            QdmHost h(7, {r}, inOrder());
            ASSERT_TRUE(h.click(option));
            const bool right = option == c.rightOption;
            EXPECT_EQ(h.form->partCorrect(c.row + 1), right) << c.stored << " on Option" << option;
            EXPECT_EQ(h.ctl(kQdmResults[c.row]).caption(), right ? *field[c.row] : QStringLiteral("FALSCH"));
        }
    }
}

TEST(QdmQdrWords, MaintainedHeadingShowsTheActualQdrOnTheGreaterOption)
{
    QdmRecord r;
    r.actual = QStringLiteral("085");
    r.heading = QStringLiteral("maintain");
    QdmHost qdr(13, {r}, inOrder());
    EXPECT_EQ(qdr.ctl("Option36").caption(), QStringLiteral("085"));
    EXPECT_EQ(qdr.ctl("Option37").caption(), QStringLiteral("< als RQ QDR"));
    QdmHost qdm(12, {r}, inOrder());
    EXPECT_EQ(qdm.ctl("Option36").caption(), QStringLiteral("> als actual QDM"));

    // The caption follows each question.
    QdmRecord plain;
    plain.session = QStringLiteral("q2.ses");
    QdmHost two(7, {r, plain}, {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f});
    EXPECT_EQ(two.ctl("Option36").caption(), QStringLiteral("085"));
    two.form->DisplayQuestion();
    EXPECT_EQ(two.ctl("Option36").caption(), QStringLiteral(">  RQ QDR"));
}

TEST(QdmQdrMarks, FourthRightRowInAnyOrderShowsTheResult)
{
    const QList<QList<int>> orders = {{0, 1, 2, 3}, {3, 2, 1, 0}, {1, 3, 0, 2}};
    for (const QList<int> &order : orders) {
        QdmHost h(6, {QdmRecord{}}, inOrder());
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(h.form->c_showResult(), 0);
            h.click(kRight[order[i]]);
        }
        EXPECT_EQ(h.form->c_showResult(), 6);
    }
    for (int wrong = 0; wrong < 4; ++wrong) {
        QdmHost h(7, {QdmRecord{}}, inOrder());
        for (int r = 0; r < 4; ++r)
            h.click(r == wrong ? kWrong[r] : kRight[r]);
        EXPECT_EQ(h.form->c_showResult(), 0) << "wrong row " << wrong;
    }
}

TEST(QdmQdrButtons, SolutionShrinksThePanelAndReplacesMarks)
{
    QdmHost h(6, {QdmRecord{}, second()}, {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f});
    QAform &f = *h.form;
    h.click(kWrong[1]);
    h.ctl("Command10").click();
    EXPECT_EQ(f.c_showResult(), 6);
    EXPECT_EQ(h.ctl("Frame20").height(), 1100);
    const QString answers[] = {"085", "kleiner", "left", "kleiner"};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(h.ctl(kQdmResults[r]).caption(), answers[r]);
        EXPECT_TRUE(h.ctl(kQdmResults[r]).isVisible());
        EXPECT_EQ(h.ctl(kQdmResults[r]).backColor(), colors::darkTeal);
        EXPECT_EQ(h.ctl(kQdmResults[r]).foreColor(), colors::white);
        EXPECT_EQ(h.ctl(kQdmLabels[r]).backColor(), colors::darkTeal);
        for (int n : kQdmRows[r])
            EXPECT_FALSE(h.ctl(opt(n)).isVisible());
    }
    EXPECT_FALSE(f.partDone(1));
    EXPECT_TRUE(f.partDone(2));
    EXPECT_FALSE(f.partCorrect(2));
}

TEST(QdmQdrButtons, NextAfterSolutionAloneCountsNothingAndKeepsTheShortPanel)
{
    QdmHost h(6, {QdmRecord{}, second()}, {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f});
    QAform &f = *h.form;
    h.ctl("Command10").click();
    h.ctl("Command9").click();
    EXPECT_EQ(f.currentQuestion(), 1);
    EXPECT_EQ(f.c_showResult(), 2);
    EXPECT_TRUE(h.host.stat(QStringLiteral("qdm_total")).isEmpty());
    EXPECT_EQ(h.ctl("Frame20").height(), 1100);
    EXPECT_EQ(h.ctl("Label32").caption(), QStringLiteral("Intercept QDM 180"));
    f.setC_QAFly(-3);
    EXPECT_EQ(h.ctl("Frame20").height(), 4250);
}

TEST(QdmQdrButtons, FlyingHandsTheSituationToTheHost)
{
    QdmHost h(12, {QdmRecord{}, second()}, {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f});
    QAform &f = *h.form;
    h.click(kRight[0]);
    h.ctl("Command15").click();
    EXPECT_EQ(f.c_QAFly(), 3);
    EXPECT_EQ(f.c_showResult(), 4);
    EXPECT_EQ(f.c_TrackDelta(), 3);
    EXPECT_TRUE(h.ctl("Frame20").isVisible());
    EXPECT_EQ(h.ctl("Frame20").height(), 1100);
    EXPECT_EQ(f.currentQuestion(), 0);
    EXPECT_TRUE(f.partCorrect(1));
    EXPECT_TRUE(h.ctl("Label27").isVisible());
    f.setC_QAFly(-3);
    EXPECT_EQ(h.ctl("Frame20").height(), 4250);
}

TEST(QdmQdrButtons, WrongRowInRandomOrderMovesOn)
{
    QdmHost h(6, {QdmRecord{}, second()}, {0.0f, 0.5f, 0.0f, 0.25f, 0.5f, 0.75f});
    QAform &f = *h.form;
    h.ctl("Check4").click();
    f.DisplayQuestion(); // questionOrder(1) = 1
    ASSERT_EQ(f.currentQuestion(), 1);
    h.click(kWrong[2]);
    h.ctl("Command9").click();
    EXPECT_EQ(f.currentQuestion(), 0); // questionOrder(0), not question 1 again
    EXPECT_EQ(h.host.stat(QStringLiteral("qdm_bad 1")), QStringLiteral("1"));
}

TEST(QdmQdrEmpty, NoRecordsJudgesWordsWrongAndShowsEmptySolutions)
{
    QdmHost h(6, {}, inOrder());
    QAform &f = *h.form;
    ASSERT_EQ(f.lastQuestion(), -1);
    h.click(40);
    h.click(44);
    EXPECT_FALSE(f.partCorrect(2));
    EXPECT_FALSE(f.partCorrect(3));
    h.ctl("Command10").click();
    EXPECT_TRUE(h.ctl("Label24").caption().isEmpty());
    EXPECT_TRUE(h.ctl("Label24").isVisible());
}
