#include "exercises/CommonButtons.h"
#include "exercises/PanelContext.h"
#include "questions/Statistics.h"

#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>
#include <orvik3/TextTable.h>

#include <gtest/gtest.h>

using namespace orvik3;

namespace {

class StatisticsTest : public ::testing::Test
{
protected:
    QString get(const QString &key) { return store.read(QStringLiteral("avx1"), QStringLiteral("stats"), key); }
    void put(const QString &key, const QString &value)
    {
        store.write(QStringLiteral("avx1"), QStringLiteral("stats"), key, value);
    }
    Statistics stats(qint16 lastQuestion) { return Statistics(store, *texts, lastQuestion); }

    MemorySettingsStore store;
    std::shared_ptr<TextTable> texts = TextTable::german();
};

} // namespace

// Per-question keys carry the number as signed number text; the aggregates follow each count.
TEST_F(StatisticsTest, KeysAndAggregatesOfACount)
{
    for (const char *prefix : {"hsipos", "qdm", "dmearc"})
        EXPECT_EQ(stats(10).summaryLine(QLatin1String(prefix)), QStringLiteral("Versuche: 0"));
    EXPECT_EQ(store.writeCount(), 0);

    Statistics s = stats(24);
    s.countQuestion(QStringLiteral("qdm"), 4, true);
    EXPECT_EQ(get(QStringLiteral("qdm_total 4")), QStringLiteral("1"));
    EXPECT_EQ(get(QStringLiteral("qdm_bad 4")), QStringLiteral("1"));
    EXPECT_EQ(get(QStringLiteral("qdm_bad")), QStringLiteral("1"));
    EXPECT_EQ(s.summaryLine(QStringLiteral("qdm")), QStringLiteral("Versuche: 1     Richtige: 0     Performance: 0%"));
    s.countQuestion(QStringLiteral("qdm"), 0, false);
    EXPECT_EQ(get(QStringLiteral("qdm_total")), QStringLiteral("2"));
    EXPECT_EQ(get(QStringLiteral("qdm_bad")), QStringLiteral("1"));
    EXPECT_EQ(get(QStringLiteral("qdm_bad 0")), QString()); // never written
    EXPECT_EQ(s.summaryLine(QStringLiteral("qdm")), QStringLiteral("Versuche: 2     Richtige: 1     Performance: 50%"));
}

TEST_F(StatisticsTest, AggregateSumsTheQuestionsOfTheLoadedFileOnly)
{
    const QString p = QStringLiteral("dghld");
    stats(9).countAttempt(p, 9);
    stats(9).countAttempt(p, 2);
    EXPECT_EQ(get(QStringLiteral("dghld_total")), QStringLiteral("2"));
    stats(4).countAttempt(p, 2); // a shorter file under the same prefix
    EXPECT_EQ(get(QStringLiteral("dghld_total")), QStringLiteral("2"));
    EXPECT_EQ(get(QStringLiteral("dghld_total 9")), QStringLiteral("1")); // kept, just not summed
    stats(9).countAttempt(p, 0);
    EXPECT_EQ(get(QStringLiteral("dghld_total")), QStringLiteral("4"));
    stats(-1).countWrong(p, 0); // nothing loaded: an empty sum
    EXPECT_EQ(get(QStringLiteral("dghld_bad")), QStringLiteral("0"));
}

TEST_F(StatisticsTest, CountersReadLeniently)
{
    put(QStringLiteral("qdr_total 1"), QStringLiteral("  7 attempts"));
    put(QStringLiteral("qdr_total 2"), QStringLiteral("many"));
    put(QStringLiteral("qdr_total 3"), QStringLiteral("2.5"));
    stats(3).countAttempt(QStringLiteral("qdr"), 2);
    EXPECT_EQ(get(QStringLiteral("qdr_total 2")), QStringLiteral("1")); // overwritten at the count
    EXPECT_EQ(get(QStringLiteral("qdr_total")), QStringLiteral("10.5"));
}

TEST_F(StatisticsTest, SummaryLines)
{
    struct Row { const char *total, *bad, *line; };
    const Row rows[] = {
        {"8", "3", "Versuche: 8     Richtige: 5     Performance: 62%"},
        {"2", "5", "Versuche: 2     Richtige:-3     Performance:-150%"},
        {"4", "-4", "Versuche: 4     Richtige: 8     Performance: 200%"},
        {"3", "1", "Versuche: 3     Richtige: 2     Performance: 66%"},
        {"0", "2", "Versuche: 0"},  {"-3", "0", "Versuche: 0"}, {"x", "1", "Versuche: 0"},
    };
    for (const Row &row : rows) {
        put(QStringLiteral("adfpos_total"), QLatin1String(row.total));
        put(QStringLiteral("adfpos_bad"), QLatin1String(row.bad));
        EXPECT_EQ(stats(0).summaryLine(QStringLiteral("adfpos")), QLatin1String(row.line))
            << row.total << " / " << row.bad;
    }
}

TEST_F(StatisticsTest, StoreFailureReachesTheCaller)
{
    store.setFailWrites(true);
    try {
        stats(2).countAttempt(QStringLiteral("qdm"), 1);
        FAIL() << "no error";
    } catch (const Error &e) {
        EXPECT_EQ(e.kind(), ErrorKind::StoreFailure);
    }
}

// The count of "Weiter", as every family does it.
TEST(WeiterCount, CountsOnlyWhatWasAnswered)
{
    struct Row { const char *name; bool done, allRight; const char *total, *bad; qint16 next; };
    for (const Row &row : {Row{"nothing answered", false, false, "", "", 5}, {"all right", true, true, "1", "", 5},
                           {"one wrong", true, false, "1", "1", 4}}) {
        auto store = std::make_shared<MemorySettingsStore>();
        Services services;
        services.settings = store;
        services.texts = TextTable::german();
        services.random = std::make_shared<ScriptedRandomSource>(std::vector<float>{0.0f});
        Form form;
        QuestionTable table;
        QuestionState s;
        const qint16 type = 3;
        s.lastQuestion = 9;
        s.currentQuestion = 5;
        s.partDone[2] = row.done;
        s.partCorrect[1] = s.partCorrect[2] = row.allRight;
        buttons::countAnswers(PanelContext{form, services, table, s, type}, QStringLiteral("hsihld"), 2);
        EXPECT_EQ(store->read(QStringLiteral("avx1"), QStringLiteral("stats"), QStringLiteral("hsihld_total 5")),
                  QLatin1String(row.total))
            << row.name;
        EXPECT_EQ(store->read(QStringLiteral("avx1"), QStringLiteral("stats"), QStringLiteral("hsihld_bad")),
                  QLatin1String(row.bad))
            << row.name;
        EXPECT_EQ(s.currentQuestion, row.next) << row.name;
        if (!row.done)
            EXPECT_EQ(store->writeCount(), 0);
    }
}
