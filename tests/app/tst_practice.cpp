// The ways of practising without a window: a set's progress as the panel closes its questions
// and the summary at its end, the whole study file, only my mistakes, and the controller that
// runs them on the host.
#include "TrainerTestKit.h"
#include "panel/TrainerHost.h"
#include "practice/LearningSession.h"
#include "practice/MistakesPractice.h"
#include "practice/Practice.h"
#include "practice/SetPractice.h"
#include "view/SummaryPage.h"

#include <orvik3/QAform.h>
#include <orvik3/StatisticsKeys.h>

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

// --- a set's progress -----------------------------------------------------------------------

struct Closing {
    int question;
    bool answered, right, repeats;
};
struct SetRow {
    const char *name;
    int size;
    std::vector<Closing> closings;
    int done, right;
    bool finished;
    std::vector<int> mistakes;
};
class SetProgress : public ::testing::TestWithParam<SetRow> {};
TEST_P(SetProgress, FollowsThePanel)
{
    const SetRow &r = GetParam();
    LearningSession s;
    s.start(3, r.size);
    qint64 t = 0;
    for (const Closing &c : r.closings) {
        s.shown(c.question, t += 1000);
        s.closed(c.question, c.answered, c.right, c.repeats, t += 4000);
    }
    EXPECT_EQ(s.doneCount(), r.done);
    EXPECT_EQ(s.rightCount(), r.right);
    EXPECT_EQ(s.finished(), r.finished);
    EXPECT_EQ(s.mistakes(), r.mistakes);
    EXPECT_EQ(s.repeatText().isEmpty(), r.closings.empty() || !r.closings.back().repeats);
    EXPECT_EQ(s.progressText(), QStringLiteral("%1/%2, %3 right").arg(std::min(r.done + 1, r.size)).arg(r.size).arg(r.right));
    // The summary: "Only my mistakes" only when there are some, and 2 of 3 right is 67 %.
    SummaryPage summary;
    summary.show(s, QStringLiteral("QDM"), ExerciseStats{.prefix = {}, .questions = {{.question = 0, .attempts = 3, .wrong = 1}}});
    EXPECT_EQ(summary.findChild<QPushButton *>(QStringLiteral("summaryMistakes"))->isEnabled(), !r.mistakes.empty());
    // It says which questions it would ask again and why, or that none are left.
    const QString said = summary.findChild<QLabel *>(QStringLiteral("summaryMistakesSaid"))->text();
    EXPECT_EQ(said.contains(QStringLiteral("none left")), r.mistakes.empty()) << qPrintable(said);
    QStringList numbers;
    for (int q : r.mistakes)
        numbers << QString::number(q + 1);
    EXPECT_EQ(said.endsWith(QStringLiteral("not right at the first try: %1.").arg(numbers.join(u", "))), !r.mistakes.empty())
        << qPrintable(said);
    EXPECT_TRUE(summary.findChild<QLabel *>(QStringLiteral("summaryWeakest"))->text().contains(QStringLiteral("(67% right of 3)")));
}
INSTANTIATE_TEST_SUITE_P(
    Rows, SetProgress,
    // Closings are {question, answered, right, repeats}.
    ::testing::Values(SetRow{.name = "allRight", .size = 2, .closings = {{0, true, true, false}, {1, true, true, false}},
                             .done = 2, .right = 2, .finished = true, .mistakes = {}},
                      SetRow{.name = "wrongThenRight", .size = 2, .closings = {{0, true, false, true}, {0, true, true, false}},
                             .done = 1, .right = 0, .finished = false, .mistakes = {0}},
                      SetRow{.name = "wrongStillOpen", .size = 3, .closings = {{0, true, true, false}, {1, true, false, true}},
                             .done = 1, .right = 1, .finished = false, .mistakes = {}},
                      SetRow{.name = "skippedIsNeitherRightNorMistake", .size = 2,
                             .closings = {{0, false, false, false}, {1, true, true, false}},
                             .done = 2, .right = 1, .finished = true, .mistakes = {}},
                      SetRow{.name = "mostTriesFirst", .size = 2,
                             .closings = {{0, true, false, true}, {0, true, true, false}, {1, true, false, true},
                                          {1, true, false, true}, {1, true, true, false}},
                             .done = 2, .right = 0, .finished = true, .mistakes = {1, 0}},
                      SetRow{.name = "randomWrongMovesOn", .size = 2, .closings = {{1, true, false, false}, {0, true, true, false}},
                             .done = 2, .right = 1, .finished = true, .mistakes = {1}}),
    [](const auto &info) { return std::string(info.param.name); });

// --- the flows on the host --------------------------------------------------------------------

// Four questions of the QDM interception; the closings come as the host reports them.
class Flows : public ::testing::Test
{
protected:
    Flows()
    {
        inst.writeType(6, 4);
        Services s;
        s.settings = store;
        s.random = std::make_shared<ScriptedRandomSource>(std::vector<float>{0.0f});
        host = std::make_unique<TrainerHost>(s);
        host->setBasePath(inst.base());
        practice = std::make_unique<Practice>(*host, store);
    }
    void close(int question, bool answered, bool right)
    {
        emit host->questionClosed(question, answered, right, answered && !right);
    }
    int current() const { return host->control()->currentQuestion(); }
    void count(int question, int attempts, int wrong)
    {
        using K = StatisticsKeys;
        store->write(K::app(), K::section(), K::questionKey(QStringLiteral("qdm"), K::Counter::Total, question), QString::number(attempts));
        store->write(K::app(), K::section(), K::questionKey(QStringLiteral("qdm"), K::Counter::Bad, question), QString::number(wrong));
    }

    test::Installation inst;
    std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
    std::unique_ptr<TrainerHost> host;
    std::unique_ptr<Practice> practice;
};

TEST_F(Flows, WholeFileThenTheSummary)
{
    QSignalSpy begun(practice.get(), &Practice::setBegun), summary(practice.get(), &Practice::summaryWanted);
    ASSERT_TRUE(practice->run(std::make_unique<SetPractice>(6)));
    ASSERT_EQ(begun.size(), 1);
    EXPECT_EQ(begun[0][0].toInt(), 6);
    EXPECT_EQ(practice->learning().setSize(), 4);
    for (int q = 0; q < 4; ++q) {
        EXPECT_TRUE(summary.isEmpty()) << q;
        close(q, q != 1, true);
    }
    EXPECT_EQ(summary.size(), 1);
    EXPECT_EQ(practice->learning().rightCount(), 3);
}

TEST_F(Flows, MistakesGivenAreStepsThroughTheFile)
{
    host->control()->control(QStringLiteral("Check4")).setValue(1);
    QSignalSpy summary(practice.get(), &Practice::summaryWanted);
    ASSERT_TRUE(practice->run(std::make_unique<MistakesPractice>(6, std::vector<int>{2, 0})));
    EXPECT_EQ(host->control()->control(QStringLiteral("Check4")).value(), 0) << "file order, so every question is reached";
    EXPECT_EQ(current(), 2);
    EXPECT_TRUE(practice->learning().isChosen());
    close(2, true, true);
    EXPECT_EQ(current(), 0);
    close(0, true, false); // wrong: the same question again, still open
    EXPECT_TRUE(summary.isEmpty());
    close(0, true, true);
    EXPECT_EQ(summary.size(), 1);
    EXPECT_EQ(practice->learning().progressText(), QStringLiteral("2/2, 1 right"));
}

TEST_F(Flows, MistakesFromTheStatisticsWorstFirst)
{
    count(1, 4, 1);
    count(3, 2, 2);
    count(2, 5, 0);
    ASSERT_TRUE(practice->run(std::make_unique<MistakesPractice>(6)));
    EXPECT_EQ(current(), 3);
    EXPECT_EQ(practice->learning().setSize(), 2);
    close(3, true, true);
    EXPECT_EQ(current(), 1);
}

TEST_F(Flows, NoMistakesYetSaysSoAndGoesThroughTheFile)
{
    QSignalSpy failed(practice.get(), &Practice::failed);
    ASSERT_TRUE(practice->run(std::make_unique<MistakesPractice>(6)));
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0][0].toString().contains(QStringLiteral("no mistakes")));
    EXPECT_FALSE(practice->learning().isChosen());
    EXPECT_EQ(practice->learning().setSize(), 4);
}

} // namespace
