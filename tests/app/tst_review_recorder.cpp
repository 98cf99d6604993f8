// What the trainee does on the panel, as reviews in the log: one per judged row with the skill
// of its row (a holding's entry from the solver), "Lösung zeigen" for the rows not judged, all
// written when the question is left, whichever way.
#include "TrainerTestKit.h"
#include "panel/TrainerHost.h"
#include "practice/Practice.h"
#include "practice/PracticeMemory.h"
#include "practice/ReviewRecorder.h"
#include "practice/SetPractice.h"

#include <ReviewLog.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;
using practice::Outcome;

namespace {

enum class Act { Right, Wrong, Solution, Close, Chooser };
struct Step {
    Act act;
    int row = 0;
};
struct Logged {
    const char *skill;
    Outcome outcome;
    const char *answer;
};
struct RecorderRow {
    const char *name;
    int type;
    std::vector<Step> steps;
    const char *question;
    std::vector<Logged> logged;
};

class Recording : public ::testing::TestWithParam<RecorderRow> {};

TEST_P(Recording, LogsEveryRowOfTheQuestion)
{
    const RecorderRow &r = GetParam();
    test::HostKit kit(r.type, 2);
    TrainerHost &host = kit.host;
    QTemporaryDir dir;
    Practice practice(host, kit.store);
    PracticeMemory memory(dir.filePath(QStringLiteral("reviews.sqlite")));
    {
        ReviewRecorder recorder(host, memory);
        ASSERT_TRUE(practice.run(std::make_unique<SetPractice>(r.type)));
        for (const Step &step : r.steps) {
            switch (step.act) {
            case Act::Right: emit host.rowJudged(step.row, true, QStringLiteral("given %1").arg(step.row)); break;
            case Act::Wrong: emit host.rowJudged(step.row, false, QStringLiteral("given %1").arg(step.row)); break;
            case Act::Solution: emit host.solutionShown(); break;
            case Act::Close: emit host.questionClosed(0, true, true, false); break;
            case Act::Chooser: emit host.exerciseEnded(); break;
            }
        }
        EXPECT_TRUE(recorder.pending().empty()) << "written when the question is left";
    }
    memory.waitForIdle();
    EXPECT_EQ(memory.reviewCount(), qint64(r.logged.size()));
    QString error;
    const auto log = practice::ReviewLog::open(memory.path(), &error);
    ASSERT_TRUE(log) << error.toStdString();
    const std::vector<practice::Review> reviews = log->reviews();
    ASSERT_EQ(reviews.size(), r.logged.size());
    for (std::size_t i = 0; i < reviews.size(); ++i) {
        EXPECT_EQ(reviews[i].skill, QLatin1String(r.logged[i].skill)) << i;
        EXPECT_EQ(reviews[i].outcome, r.logged[i].outcome) << i;
        EXPECT_EQ(reviews[i].answer, QLatin1String(r.logged[i].answer)) << i;
        EXPECT_EQ(reviews[i].question, QLatin1String(r.question)) << i;
        EXPECT_EQ(reviews[i].type, r.type);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Recording,
    ::testing::Values(
        // Heading 100 to a hold inbound 100 of a non-standard pattern: a direct entry, left-hand.
        RecorderRow{"holdingEntryWrongThenRight", 3, {{Act::Wrong, 1}, {Act::Right, 1}, {Act::Close}}, "hsihld 1",
                    {{"holding.entry.direct.left", Outcome::Wrong, "given 1"}, {"holding.entry.direct.left", Outcome::Right, "given 1"}}},
        RecorderRow{"solutionShownForTheRowsLeft", 8, {{Act::Right, 2}, {Act::Solution}, {Act::Close}}, "wind 1",
                    {{"wind.crosswind", Outcome::Right, "given 2"}, {"wind.head-tail", Outcome::Shown, ""},
                     {"wind.wca", Outcome::Shown, ""}, {"wind.time", Outcome::Shown, ""}}},
        RecorderRow{"solutionTwiceLogsOnce", 10, {{Act::Solution}, {Act::Solution}, {Act::Close}}, "hsipos 1",
                    {{"orientation.qdm", Outcome::Shown, ""}, {"orientation.qdr", Outcome::Shown, ""},
                     {"orientation.rb", Outcome::Shown, ""}}},
        RecorderRow{"leftForTheChooser", 6, {{Act::Wrong, 4}, {Act::Chooser}}, "qdm 1",
                    {{"intercept.qdm.heading", Outcome::Wrong, "given 4"}}},
        RecorderRow{"nothingJudgedNothingLogged", 1, {{Act::Close}}, "hsipos 1", {}},
        RecorderRow{"rowOutsideTheTypeIgnored", 1, {{Act::Right, 9}, {Act::Close}}, "hsipos 1", {}}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
