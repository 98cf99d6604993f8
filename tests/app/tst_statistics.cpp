// The statistics of the study files as the trainer reads, shows and resets them, the questions
// it calls weakest, and what its chart leaves out.
#include "TrainerTestKit.h"
#include "statistics/StatisticsChart.h"
#include "statistics/StatisticsData.h"
#include "statistics/StatisticsWindow.h"

#include <orvik3/StatisticsKeys.h>

#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;
using Keys = orvik3::StatisticsKeys;

namespace {

// Per question {attempts, wrong} of the prefix "qdm".
struct Counts {
    const char *name;
    std::vector<std::pair<double, double>> attemptsWrong;
    QList<QPointF> points;  // of the chart: question, per cent right
    std::vector<int> weakest; // three at most
};

void PrintTo(const Counts &c, std::ostream *os) { *os << c.name; }

class Statistics : public testing::TestWithParam<Counts>
{
protected:
    ExerciseStats stats()
    {
        auto store = std::make_shared<MemorySettingsStore>();
        int q = 0;
        for (auto [attempts, wrong] : GetParam().attemptsWrong) {
            if (attempts > 0)
                store->write(Keys::app(), Keys::section(), Keys::questionKey(QStringLiteral("qdm"), Keys::Counter::Total, q),
                             QString::number(attempts));
            if (wrong > 0)
                store->write(Keys::app(), Keys::section(), Keys::questionKey(QStringLiteral("qdm"), Keys::Counter::Bad, q),
                             QString::number(wrong));
            ++q;
        }
        return readStatistics(*store, QStringLiteral("qdm"), int(GetParam().attemptsWrong.size()));
    }
};

} // namespace

TEST_P(Statistics, ChartAndWeakestQuestions)
{
    const ExerciseStats s = stats();
    double attempts = 0, wrong = 0;
    for (auto [a, w] : GetParam().attemptsWrong)
        attempts += a, wrong += w;
    EXPECT_EQ(s.attempts, attempts);
    EXPECT_EQ(s.wrong, wrong);
    EXPECT_EQ(StatisticsChart::ratePoints(s), GetParam().points);
    EXPECT_EQ(weakestQuestions(s, 3), GetParam().weakest);
    StatisticsChart chart; // takes the same stats without trouble
    chart.show(s, false);
}

INSTANTIATE_TEST_SUITE_P(
    Trainer, Statistics,
    testing::Values(Counts{"NothingTried", {{0, 0}, {0, 0}, {0, 0}}, {}, {}},
                    Counts{"GapBetweenTried", {{4, 1}, {0, 0}, {2, 2}}, {{0, 75}, {2, 0}}, {2, 0}},
                    Counts{"AllRight", {{3, 0}}, {{0, 100}}, {}},
                    Counts{"NoQuestions", {}, {}, {}},
                    Counts{"UntriedAtTheEnd", {{1, 0}, {0, 0}}, {{0, 100}}, {}},
                    // Worst share first, equal shares by more wrong answers; three at most.
                    Counts{"WorstFirst", {{4, 1}, {2, 1}, {4, 2}, {10, 9}, {5, 1}}, {{0, 75}, {1, 50}, {2, 50}, {3, 10}, {4, 80}},
                           {3, 2, 1}}),
    [](const testing::TestParamInfo<Counts> &info) { return std::string(info.param.name); });

TEST(StatisticsStore, ReadAndResetOnePrefix)
{
    MemorySettingsStore store;
    auto write = [&](const char *prefix, Keys::Counter c, int q, const char *value) {
        store.write(Keys::app(), Keys::section(), Keys::questionKey(QLatin1String(prefix), c, q), QLatin1String(value));
    };
    write("qdm", Keys::Counter::Total, 0, "4");
    write("qdm", Keys::Counter::Bad, 0, "1");
    write("qdm", Keys::Counter::Total, 2, "2");
    write("qdr", Keys::Counter::Total, 0, "9");
    store.write(Keys::app(), Keys::section(), QStringLiteral("qdm_total"), QStringLiteral("6"));
    // Without a loaded file the store says how many questions there are.
    EXPECT_EQ(readStatistics(store, QStringLiteral("qdm")).questions.size(), 3u);
    EXPECT_EQ(readStatistics(store, QStringLiteral("qdm"), 2).attempts, 4);

    StatisticsWindow window(store, QStringLiteral("qdm"), -1, Language::German);
    EXPECT_EQ(window.shown().attempts, 6);
    window.resetShown();
    EXPECT_EQ(window.shown().attempts, 0);
    EXPECT_TRUE(store.read(Keys::app(), Keys::section(), QStringLiteral("qdm_total")).isEmpty());
    EXPECT_EQ(readStatistics(store, QStringLiteral("qdr")).attempts, 9) << "other exercises keep their counters";
    EXPECT_EQ(statisticsPrefix(12), QStringLiteral("qdm"));
    EXPECT_EQ(statisticsPrefixes().size(), 9);
}
