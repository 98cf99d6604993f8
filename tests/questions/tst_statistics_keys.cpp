// The statistics key names: what the control writes reads back as the same prefix, counter
// and question; anything else is no counter and survives a reset.
#include "questions/StatisticsKeys.h"

#include <orvik3/SettingsStore.h>

#include <gtest/gtest.h>

using namespace orvik3;
using Counter = StatisticsKeys::Counter;

namespace {

struct RoundTrip {
    const char *name;
    const char *prefix;
    Counter counter;
    int question; // -1: the sum
    const char *key;
};

class StatisticsKeyRoundTrip : public ::testing::TestWithParam<RoundTrip>
{
};

TEST_P(StatisticsKeyRoundTrip, BuildsAndParsesBack)
{
    const RoundTrip &c = GetParam();
    const QString prefix = QString::fromLatin1(c.prefix);
    const QString built = c.question < 0 ? StatisticsKeys::sumKey(prefix, c.counter)
                                         : StatisticsKeys::questionKey(prefix, c.counter, c.question);
    EXPECT_EQ(built, QString::fromLatin1(c.key));
    const std::optional<StatisticsKeys::Parsed> parsed = StatisticsKeys::parse(built);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->prefix, prefix);
    EXPECT_EQ(parsed->counter, c.counter);
    EXPECT_EQ(parsed->question.value_or(-1), c.question);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StatisticsKeyRoundTrip,
    ::testing::Values(RoundTrip{"SumTotal", "qdm", Counter::Total, -1, "qdm_total"},
                      RoundTrip{"SumBad", "qdm", Counter::Bad, -1, "qdm_bad"},
                      RoundTrip{"FirstQuestion", "hsipos", Counter::Total, 0, "hsipos_total 0"},
                      RoundTrip{"LastRow", "wind", Counter::Bad, 300, "wind_bad 300"},
                      RoundTrip{"FiveDigits", "qdm", Counter::Total, 12345, "qdm_total 12345"},
                      RoundTrip{"PrefixWithUnderscore", "my_total", Counter::Bad, 7, "my_total_bad 7"},
                      RoundTrip{"PrefixEndingInDigits", "avx2", Counter::Total, 12, "avx2_total 12"}),
    [](const auto &info) { return std::string(info.param.name); });

class MalformedStatisticsKey : public ::testing::TestWithParam<const char *>
{
};

TEST_P(MalformedStatisticsKey, IsNoCounter)
{
    EXPECT_FALSE(StatisticsKeys::parse(QString::fromUtf8(GetParam()))) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Keys, MalformedStatisticsKey,
                         ::testing::Values("qdm", "_total", "_bad 3", "qdm_total4", "qdm_total  4", "qdm_total 123456",
                                           "qdm_total -1", "qdm_total 4 ", "qdm_totals", "qdm_good 4", "qdm_total 4x",
                                           "qdm_total \u0663", ""));

// Reset takes a prefix's sums and questions, whatever the question number, and leaves both
// the keys of a prefix that merely starts alike and keys that are no counter.
TEST(StatisticsKeyReset, RemovesOnlyThePrefixesCounters)
{
    MemorySettingsStore store;
    const QString app = StatisticsKeys::app(), section = StatisticsKeys::section();
    const QStringList gone{"qdm_total", "qdm_bad", "qdm_total 0", "qdm_bad 300", "qdm_total 4000"};
    const QStringList kept{"qdmrb_total 1", "qdmrb_bad", "qdm_total4", "qdm", "dghld_total 2"};
    for (const QString &key : gone + kept)
        store.write(app, section, key, QStringLiteral("1"));
    EXPECT_EQ(StatisticsKeys::reset(store, QStringLiteral("qdm")), gone.size());
    QStringList left = store.keys(app, section);
    left.sort();
    QStringList expected = kept;
    expected.sort();
    EXPECT_EQ(left, expected);
}

} // namespace
