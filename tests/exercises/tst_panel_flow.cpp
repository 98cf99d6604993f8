// What every panel shares: marking each row, the result code, "Weiter", "Lösung zeigen",
// "Selber Fliegen" and "Abbrechen", and the drawing of candidate places.
#include "control/QAformTestAccess_p.h"
#include "PanelFamilies.h"

#include <algorithm>

using namespace orvik3;
using namespace orvik3::test;

namespace {

class Panel : public ::testing::TestWithParam<test::Family>
{
protected:
    const test::Family &fam = GetParam();
    std::unique_ptr<TestHost> host;

    QAform &start()
    {
        host = std::make_unique<TestHost>(fam.draws);
        fam.write(*host);
        QAform &f = host->select(fam.type);
        f.setC_showResult(0);
        return f;
    }
    int rows() const { return int(fam.results.size()); }
    void answer(int row, bool right) { fam.answer(*host, row, right); }
    QString solved(int row) { return (fam.solved.empty() ? fam.shown : fam.solved)[row - 1]; }
    bool press(const char *button) { return host->ctl(button).click(); }
    QString stat(const char *key) { return host->stat(fam.prefix + QStringLiteral("_") + QLatin1String(key)); }
    FormControl &prompt(int row) { return host->ctl(fam.prompts[row - 1]); }
    FormControl &result(int row) { return host->ctl(fam.results[row - 1]); }
    QString session(int n) { return host->base() + QStringLiteral("/default/sessions/s%1.ses").arg(n); }
    void expectFreshQuestion(int n)
    {
        EXPECT_EQ(host->form().currentQuestion(), n);
        EXPECT_EQ(host->form().c_QASessionFileName(), session(n));
        EXPECT_EQ(host->ctl(fam.frame).caption(), fam.title + QStringLiteral(" ( %1 von 2)").arg(n + 1));
        for (int row = 1; row <= rows(); ++row) {
            EXPECT_FALSE(result(row).isVisible()) << row;
            EXPECT_EQ(prompt(row).backColor(), colors::darkTeal) << row;
            EXPECT_FALSE(host->form().partDone(row)) << row;
        }
    }
};

// The result code comes with the last right answer, in any order (position: see its tests);
// "Weiter" counts the attempt and resets the panel for the next question.
TEST_P(Panel, AllRightInAnyOrderCountsOnceAndMovesOn)
{
    std::vector<int> order(rows());
    for (int i = 0; i < rows(); ++i)
        order[i] = i + 1;
    do {
        QAform &f = start();
        for (int row : order) {
            EXPECT_EQ(f.c_showResult(), 0);
            answer(row, true);
        }
        EXPECT_EQ(f.c_showResult(), fam.allRight) << ::testing::PrintToString(order);
        for (int row = 1; row <= rows(); ++row)
            expectMark(prompt(row), result(row), Mark::Right, fam.shown[row - 1]);
        ASSERT_TRUE(press(fam.next));
        EXPECT_EQ(stat("total 0"), QStringLiteral("1"));
        EXPECT_EQ(stat("bad 0"), QString());
        EXPECT_EQ(host->ctl(fam.summary).caption(), "Versuche: 1     Richtige: 1     Performance: 100%");
        EXPECT_EQ(f.c_showResult(), 2);
        expectFreshQuestion(1);
    } while (fam.permuteFrom <= rows() && std::next_permutation(order.begin() + fam.permuteFrom - 1, order.end()));
}

// One wrong row: no result code, and "Weiter" counts a wrong answer and repeats the question
// (also after the solution was shown over the marks).
TEST_P(Panel, AnyWrongRowIsCountedAndTheQuestionRepeated)
{
    for (int wrong = 1; wrong <= rows(); ++wrong) {
        QAform &f = start();
        for (int row = 1; row <= rows(); ++row)
            answer(row, row != wrong);
        expectMark(prompt(wrong), result(wrong), Mark::Wrong);
        EXPECT_FALSE(f.partCorrect(wrong));
        EXPECT_EQ(f.c_showResult(), 0) << "wrong row " << wrong;
        if (wrong == rows()) {
            ASSERT_TRUE(press(fam.solution));
            expectMark(prompt(wrong), result(wrong), Mark::Solution, solved(wrong));
        }
        ASSERT_TRUE(press(fam.next));
        EXPECT_EQ(stat("total 0"), QStringLiteral("1"));
        EXPECT_EQ(stat("bad 0"), QStringLiteral("1"));
        EXPECT_EQ(host->ctl(fam.summary).caption(), "Versuche: 1     Richtige: 0     Performance: 0%");
        expectFreshQuestion(0);
    }
}

// "Weiter" with nothing answered, the solution alone included, counts nothing and moves on.
TEST_P(Panel, NothingAnsweredCountsNothing)
{
    for (const bool solution : {false, true}) {
        QAform &f = start();
        expectFreshQuestion(0);
        const int height = host->ctl(fam.frame).height();
        if (solution) {
            ASSERT_TRUE(press(fam.solution));
            EXPECT_EQ(f.c_showResult(), fam.solutionCode);
            for (int row = 1; row <= rows(); ++row)
                expectMark(prompt(row), result(row), Mark::Solution, solved(row));
            EXPECT_FALSE(f.partDone(1));
        }
        ASSERT_TRUE(press(fam.next));
        EXPECT_EQ(stat("total"), QString());
        EXPECT_EQ(f.c_showResult(), 2);
        expectFreshQuestion(1);
        // The solution cuts the panel short until the host ends the flight.
        EXPECT_EQ(host->ctl(fam.frame).height(), solution && fam.flyCode ? 1100 : height);
        f.setC_QAFly(qint16(-fam.flyCode));
        EXPECT_EQ(host->ctl(fam.frame).height(), fam.flyCode ? 4250 : height);
    }
}

// The panels with "Selber Fliegen".
class FlyingPanel : public Panel
{
};

TEST_P(FlyingPanel, FlyYourselfHandsTheSituationToTheHost)
{
    QAform &f = start();
    answer(1, true);
    ASSERT_TRUE(press(fam.fly));
    EXPECT_EQ(f.c_QAFly(), fam.flyCode);
    EXPECT_EQ(f.c_TrackDelta(), 3);
    EXPECT_EQ(f.c_showResult(), 4);
    EXPECT_TRUE(host->ctl(fam.frame).isVisible());
    EXPECT_EQ(host->ctl(fam.frame).height(), 1100);
    EXPECT_EQ(stat("total"), QString());
    answer(rows(), true); // the rows still answer while the panel is short
    EXPECT_TRUE(f.partCorrect(rows()));
    f.setC_QAFly(qint16(-fam.flyCode));
    EXPECT_EQ(host->ctl(fam.frame).height(), 4250);
}

TEST_P(Panel, CancelOnlyHandsTypeZeroToTheHost)
{
    QAform &f = start();
    answer(rows(), true);
    ASSERT_TRUE(press(fam.cancel));
    EXPECT_EQ(f.c_QAtype(), 0);
    EXPECT_EQ(f.c_QASessionFileName(), session(0));
    EXPECT_TRUE(host->ctl(fam.frame).isVisible());
    EXPECT_TRUE(result(rows()).isVisible());
    EXPECT_TRUE(f.partCorrect(rows()));
}

// Without a study file the rows judge against empty answers and the solution shows them, or
// the set-up raises because a number is missing.
TEST_P(Panel, NoStudyFile)
{
    TestHost h(fam.draws);
    h.form().setC_MainAppPath(h.base());
    if (QLatin1String(fam.emptyFile) == QLatin1String("!")) {
        expectError(ErrorKind::TypeMismatch, [&] { h.form().setC_QAtype(fam.type); });
        EXPECT_FALSE(h.form().questionShown());
        return;
    }
    QAform &f = h.select(fam.type);
    ASSERT_EQ(f.lastQuestion(), -1);
    for (int row = 1; row <= rows(); ++row) {
        fam.answer(h, row, true);
        EXPECT_EQ(f.partCorrect(row), fam.emptyFile[row - 1] == '1') << row;
    }
    ASSERT_TRUE(h.ctl(fam.solution).click());
    EXPECT_TRUE(h.ctl(fam.results.last()).isVisible());
}

auto testName = [](const auto &i) { return i.param.name + std::to_string(i.param.type); };
INSTANTIATE_TEST_SUITE_P(Families, Panel, ::testing::ValuesIn(kFamilies), testName);
std::vector<test::Family> flying()
{
    std::vector<test::Family> out;
    std::copy_if(std::begin(kFamilies), std::end(kFamilies), std::back_inserter(out), [](auto &f) { return f.fly; });
    return out;
}
INSTANTIATE_TEST_SUITE_P(Families, FlyingPanel, ::testing::ValuesIn(flying()), testName);

// The candidate places: a permutation drawn in single precision; a place already taken is
// drawn again, up to 1000 times, and then taken once more.
TEST(CandidatePlaces, DrawnInSinglePrecisionWithAThousandTries)
{
    const struct {
        qint16 type;
        std::vector<float> draws; // the first builds the question order
        std::vector<qint16> order;
        std::size_t drawn;
    } cases[] = {
        {3, {0.0f, 0.79999995f, 0.0f, 0.2f, 0.4f, 0.6f}, {5, 1, 2, 3, 4}, 6}, // 4 in double precision
        {3, {0.0f}, {1, 1, 1, 1, 1}, 2 + 4 * 1000},
        {6, {0.0f, 0.1f, 0.1f, 0.99f, 0.3f, 0.6f}, {1, 4, 2, 3}, 6},
        {6, {0.0f, 0.99999994f, 0.0f, 0.3f, 0.6f}, {4, 1, 2, 3}, 5}, // rounds up to 5, stays on 4
    };
    for (const auto &c : cases) {
        TestHost h(c.draws);
        if (c.type == 3)
            h.writeStudyFile("HSIHLD.sty", studyLines({holdingRecord("90", "0", "Standard")}));
        else
            h.writeStudyFile("qdm.sty", studyLines({QdmRecord{}.values()}));
        QAform &f = h.select(c.type);
        for (std::size_t k = 1; k <= c.order.size(); ++k)
            EXPECT_EQ(QAformTestAccess(f).optionOrder(int(k)), c.order[k - 1]) << "type " << c.type << " place " << k;
        EXPECT_EQ(h.random().drawn(), c.drawn) << "type " << c.type;
    }
}

} // namespace
