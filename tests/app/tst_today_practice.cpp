// Today's practice without a window: the planned questions one after another, each of its
// type and made for its skill, the answers in the log, and at the end when they come back.
#include "TrainerTestKit.h"
#include "panel/TrainerHost.h"
#include "practice/Practice.h"
#include "practice/PracticeMemory.h"
#include "practice/ReviewRecorder.h"
#include "practice/TodayPractice.h"

#include <ReviewLog.h>

#include <orvik3/QAform.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

struct TodayRow {
    const char *name;
    bool right;
    const char *comesBack; // in the text at the end
};

class Today : public ::testing::TestWithParam<TodayRow> {};

TEST_P(Today, RunsThePlanAndSaysWhatComesBack)
{
    const TodayRow &r = GetParam();
    test::HostKit kit(1, 1);
    TrainerHost &host = kit.host;
    QTemporaryDir dir;
    PracticeMemory memory(dir.filePath(QStringLiteral("reviews.sqlite")));
    ReviewRecorder recorder(host, memory);
    Practice practice(host, kit.store);
    recorder.setNamer([&](int type, int q) {
        return practice.flow() ? practice.flow()->questionName(type, q) : PracticeFlow::studyQuestionName(type, q);
    });
    QSignalSpy summary(&practice, &Practice::summaryWanted);

    ASSERT_TRUE(practice.run(std::make_unique<TodayPractice>(memory, 7)));
    const TodayPractice *today = practice.flowAs<TodayPractice>();
    const auto plan = today->plan();
    ASSERT_GE(plan.size(), 5u);
    int rows = 0;
    for (std::size_t k = 0; k < plan.size(); ++k) {
        ASSERT_EQ(host.currentType(), plan[k].type) << k;
        EXPECT_NE(host.basePath(), kit.inst.base()) << "a question of its own, not the study file";
        EXPECT_TRUE(today->statusLine().contains(QStringLiteral("%1 of %2").arg(k + 1).arg(plan.size())));
        for (const AnswerRow &row : exerciseType(plan[k].type)->rows) {
            emit host.rowJudged(row.number, r.right, QStringLiteral("x"));
            ++rows;
        }
        emit host.questionClosed(host.control()->currentQuestion(), true, r.right, false);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(summary.size(), 1);
    EXPECT_EQ(today->progress().rightCount(), r.right ? int(plan.size()) : 0);
    EXPECT_TRUE(today->comebackText().contains(QLatin1String(r.comesBack))) << today->comebackText().toStdString();
    EXPECT_EQ(memory.reviewCount(), rows);

    practice.stop();
    EXPECT_EQ(host.basePath(), kit.inst.base());
    EXPECT_EQ(host.currentType(), plan.back().type);
    QString error;
    const auto log = practice::ReviewLog::open(memory.path(), &error);
    ASSERT_TRUE(log) << error.toStdString();
    EXPECT_EQ(log->reviews().front().question, QStringLiteral("seed %1").arg(plan.front().seed));
}

INSTANTIATE_TEST_SUITE_P(Rows, Today,
                         ::testing::Values(TodayRow{"allRightComeBackInDays", true, "in 3 days"},
                                           TodayRow{"allForgottenComeBackToday", false, "later today"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
