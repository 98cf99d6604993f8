// Endless practice: the Leitner rule that picks what comes next, the score kept apart from
// the study files' statistics, and the flow going from one fresh set to the next.
#include "TrainerTestKit.h"
#include "panel/TrainerHost.h"
#include "practice/EndlessPractice.h"
#include "practice/EndlessRecord.h"
#include "practice/Practice.h"
#include "statistics/StatisticsData.h"

#include <orvik3/QAform.h>

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

// --- the Leitner rule -------------------------------------------------------------------------

struct Answered {
    int type;
    QStringList kinds;
    bool right;
};

struct LeitnerRow {
    const char *name;
    std::vector<Answered> history;
    std::vector<int> types;
    QMap<int, int> wrongPercent;
    int nextType;
    std::vector<QStringList> wishes;
};

void PrintTo(const LeitnerRow &r, std::ostream *os) { *os << r.name; }

class Leitner : public testing::TestWithParam<LeitnerRow> {};

TEST_P(Leitner, ChoosesTheLowestBoxThenTheLongestUnpractised)
{
    const LeitnerRow &row = GetParam();
    study::LeitnerBoxes boxes;
    for (const Answered &a : row.history)
        boxes.record(a.type, a.kinds, a.right);
    const study::LeitnerBoxes::Choice c = boxes.next(row.types, row.wrongPercent);
    EXPECT_EQ(c.type, row.nextType);
    EXPECT_EQ(c.wishes, row.wishes);
    // What is saved comes back the same.
    study::LeitnerBoxes again;
    again.load(boxes.save());
    EXPECT_EQ(again.save(), boxes.save());
}

const QStringList kAnyKind;

INSTANTIATE_TEST_SUITE_P(
    Rows, Leitner,
    testing::Values(
        LeitnerRow{"nothingYetFirstType", {}, {5, 3, 8}, {}, 3, {{"direct"}, kAnyKind, {"parallel"}, kAnyKind, {"offset"}, kAnyKind, {"right-hand"}, kAnyKind, {"left-hand"}, kAnyKind}},
        LeitnerRow{"kindlessTypeNoWishes", {}, {10}, {}, 10, {}},
        // Type 3's parallel entry right twice: its other kinds stay lowest and are asked for.
        LeitnerRow{"rightMovesUp",
                   {{3, {"parallel", "right-hand"}, true}, {3, {"parallel", "right-hand"}, true}},
                   {3},
                   {},
                   3,
                   {{"direct"}, kAnyKind, {"offset"}, kAnyKind, {"left-hand"}, kAnyKind}},
        // Everything of type 6 right once; type 8 untouched stays lower.
        LeitnerRow{"practisedTypeRises", {{6, {"left"}, true}, {6, {"right"}, true}}, {6, 8}, {}, 8,
                   {{"crosswind-left"}, kAnyKind, {"crosswind-right"}, kAnyKind, {"headwind"}, kAnyKind, {"tailwind"}, kAnyKind}},
        // Both at box 1; type 12 was practised last, so type 13 comes first, whatever the
        // study files say.
        LeitnerRow{"tieGoesToTheLongestAgo", {{13, {"left"}, false}, {12, {"left"}, false}}, {12, 13}, {{12, 90}}, 13,
                   {{"left"}, kAnyKind, {"right"}, kAnyKind}},
        // A wrong answer sends the kind back to box 1 from wherever it was.
        LeitnerRow{"wrongBackToBoxOne",
                   {{6, {"left"}, true}, {6, {"right"}, true}, {6, {"left"}, true}, {6, {"right"}, true},
                    {6, {"left"}, false}},
                   {6},
                   {},
                   6,
                   {{"left"}, kAnyKind}},
        // Words that are no kind of the type are left alone.
        // Nothing practised: the study files' statistics decide, the most wrong first.
        LeitnerRow{"studyStatisticsFirst", {}, {10, 5, 2}, {{5, 40}, {2, 10}}, 5, {}},
        LeitnerRow{"foreignWordsIgnored", {{6, {"headwind", "left"}, true}}, {6}, {}, 6, {{"right"}, kAnyKind}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LeitnerBoxes, BoxesStopAtTheTop)
{
    study::LeitnerBoxes boxes;
    for (int k = 0; k < 9; ++k)
        boxes.record(10, {}, true);
    EXPECT_EQ(boxes.box(10), study::LeitnerBoxes::kMaxBox);
    boxes.record(10, {}, false);
    EXPECT_EQ(boxes.box(10), 1);
}

struct LoadRow {
    const char *name;
    const char *text;
    int type;
    const char *kind;
    int box;
};

void PrintTo(const LoadRow &r, std::ostream *os) { *os << r.name; }

class LeitnerLoad : public testing::TestWithParam<LoadRow> {};

TEST_P(LeitnerLoad, KeepsOnlyWhatCanBeTrue)
{
    study::LeitnerBoxes boxes;
    boxes.load(QString::fromLatin1(GetParam().text));
    EXPECT_EQ(boxes.box(GetParam().type, QString::fromLatin1(GetParam().kind)), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(Texts, LeitnerLoad,
                         testing::Values(LoadRow{"good", "3:parallel=4;10:=2", 3, "parallel", 4},
                                         LoadRow{"kindless", "3:parallel=4;10:=2", 10, "", 2},
                                         LoadRow{"boxTooHigh", "3:parallel=6", 3, "parallel", 1},
                                         LoadRow{"boxZero", "3:parallel=0", 3, "parallel", 1},
                                         LoadRow{"kindOfOtherType", "3:headwind=3", 3, "headwind", 1},
                                         LoadRow{"typeOutOfRange", "15:=3", 15, "", 1},
                                         LoadRow{"garbage", "3:parallel", 3, "parallel", 1}),
                         [](const auto &info) { return std::string(info.param.name); });

// --- the score --------------------------------------------------------------------------------

struct ScoreRow {
    const char *name;
    std::vector<std::pair<Family, bool>> answers;
    int streak, best, answered, right, percent;
};

void PrintTo(const ScoreRow &r, std::ostream *os) { *os << r.name; }

class Score : public testing::TestWithParam<ScoreRow> {};

TEST_P(Score, StreakAndShare)
{
    const ScoreRow &row = GetParam();
    EndlessScore score;
    for (const auto &[family, right] : row.answers)
        score.record(family, right);
    EXPECT_EQ(score.streak(), row.streak);
    EXPECT_EQ(score.bestStreak(), row.best);
    EXPECT_EQ(score.total().answered, row.answered);
    EXPECT_EQ(score.total().right, row.right);
    EXPECT_EQ(EndlessScore::percent(score.total()), row.percent);
    int perFamily = 0;
    for (const Family f : families())
        perFamily += score.of(f).answered;
    EXPECT_EQ(perFamily, row.answered);
    EndlessScore again;
    again.load(score.save());
    EXPECT_EQ(again.save(), score.save());
}

constexpr auto H = Family::Holding;
constexpr auto W = Family::Wind;

INSTANTIATE_TEST_SUITE_P(Rows, Score,
                         testing::Values(ScoreRow{"none", {}, 0, 0, 0, 0, 0},
                                         ScoreRow{"oneWrong", {{W, false}}, 0, 0, 1, 0, 0},
                                         ScoreRow{"allRight", {{H, true}, {W, true}}, 2, 2, 2, 2, 100},
                                         ScoreRow{"twoOfThreeRoundsUp", {{H, true}, {W, false}, {H, true}}, 1, 1, 3, 2, 67},
                                         ScoreRow{"bestKeptAfterAMiss", {{H, true}, {H, true}, {H, true}, {W, false}, {W, true}}, 1, 3, 5, 4, 80}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(EndlessScore, ImpossibleSavedScoreIsDropped)
{
    EndlessScore score;
    score.load(QStringLiteral("2;1;5;3")); // a streak above the best
    EXPECT_EQ(score.total().answered, 0);
    score.load(QStringLiteral("0;0;3;4")); // more right than answered
    EXPECT_EQ(score.total().answered, 0);
}

// --- the flow ---------------------------------------------------------------------------------

class Endless : public testing::Test
{
protected:
    Endless() : settings(dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat)
    {
        inst.writeAllTypes(2);
        Services s;
        s.settings = store;
        host = std::make_unique<TrainerHost>(s);
        host->setBasePath(inst.base());
        host->setLanguage(Language::English);
        practice = std::make_unique<Practice>(*host, store);
    }
    EndlessPractice *flow() const { return practice->flowAs<EndlessPractice>(); }
    // Every question of the set closed as `right`, the first twice; then the next set comes.
    bool throughTheSet(bool right)
    {
        const int set = flow()->sets().setNumber();
        for (int q = 0; q < EndlessSets::kSetSize; ++q)
            for (int again = 0; again < (q == 0 ? 2 : 1); ++again)
                emit host->questionClosed(q, true, right, false);
        QApplication::processEvents();
        return flow() && flow()->sets().setNumber() == set + 1;
    }

    QTemporaryDir dir;
    QSettings settings;
    test::Installation inst;
    std::shared_ptr<MemorySettingsStore> store = std::make_shared<MemorySettingsStore>();
    std::unique_ptr<TrainerHost> host;
    std::unique_ptr<Practice> practice;
    EndlessRecord record{settings};
};

TEST_F(Endless, SetAfterSetScoredApartFromTheStudyFiles)
{
    QSignalSpy summary(practice.get(), &Practice::summaryWanted);
    ASSERT_TRUE(practice->run(std::make_unique<EndlessPractice>(8, 5, record)));
    EXPECT_NE(host->basePath(), inst.base());
    EXPECT_EQ(host->currentType(), 8);
    EXPECT_EQ(host->control()->lastQuestion() + 1, EndlessSets::kSetSize);
    EXPECT_FALSE(practice->flow()->countsInStatistics());
    const QString firstSet = host->basePath();
    ASSERT_TRUE(throughTheSet(false));
    EXPECT_TRUE(summary.isEmpty());
    EXPECT_FALSE(QDir(firstSet).exists()) << "the last set's folder stays";
    EXPECT_EQ(record.score().total().answered, EndlessSets::kSetSize) << "a question counts at its first closing";
    EXPECT_EQ(record.score().of(Family::Wind).right, 0);
    EXPECT_EQ(settings.value(QStringLiteral("endless/score")).toString(), record.score().save());
    EXPECT_TRUE(flow()->statusLine().contains(QStringLiteral("0 of 10"))) << qPrintable(flow()->statusLine());

    // The panel counted into a store of its own; back to the study file, its statistics again.
    host->control()->control(QStringLiteral("Text4")).type(QStringLiteral("1"));
    host->control()->control(QStringLiteral("Option47")).click();
    host->next();
    EXPECT_TRUE(store->keys(QStringLiteral("avx1"), QStringLiteral("stats")).isEmpty());
    practice->stop();
    EXPECT_EQ(host->basePath(), inst.base());
    EXPECT_EQ(host->control()->settings().keys(QStringLiteral("avx1"), QStringLiteral("stats")), QStringList());
    host->startExercise(8);
    host->control()->control(QStringLiteral("Text4")).type(QStringLiteral("1"));
    host->control()->control(QStringLiteral("Option47")).click();
    host->next();
    EXPECT_FALSE(store->keys(QStringLiteral("avx1"), QStringLiteral("stats")).isEmpty());
}

TEST_F(Endless, OtherLanguageGivesAFreshSetInIt)
{
    ASSERT_TRUE(practice->run(std::make_unique<EndlessPractice>(13, 8, record))); // its English file is another type's
    host->setLanguage(Language::German);
    practice->languageChanged();
    EXPECT_EQ(flow()->sets().setNumber(), 2);
    EXPECT_EQ(host->currentType(), 13);
    EXPECT_EQ(host->control()->lastQuestion() + 1, EndlessSets::kSetSize);
}

TEST_F(Endless, WeakestFirstAsksForTheLowestKinds)
{
    ASSERT_TRUE(practice->run(std::make_unique<EndlessPractice>(0, 11, record)));
    // Nothing practised yet: the first type of the catalogue, its kinds in turn.
    const int type = host->currentType();
    EXPECT_EQ(type, exerciseCatalog().front().type);
    ASSERT_TRUE(throughTheSet(true));
    EXPECT_NE(host->currentType(), type) << "all right at the first try: that type is no longer the weakest";
}

// No room in the temporary folder (here: a file size limit of 1 KB) is said as such, and
// no set of 0 questions is put up.
TEST_F(Endless, NoRoomForTheSetIsSaid)
{
    QSignalSpy failed(practice.get(), &Practice::failed);
    rlimit before{};
    ::getrlimit(RLIMIT_FSIZE, &before);
    const rlimit small{1024, before.rlim_max};
    const auto sigxfsz = std::signal(SIGXFSZ, SIG_IGN); // the write fails instead
    ::setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(practice->run(std::make_unique<EndlessPractice>(8, 5, record)));
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, sigxfsz);
    EXPECT_TRUE(failed.size() == 1 && failed[0][0].toString().contains(QStringLiteral("no room for the file")));
    EXPECT_EQ(host->basePath(), inst.base());
}

// A full disk under the temporary folder: a file system of 16 KB of its own, mounted in a
// private namespace in which this test runs once more (skipped where there are none).
TEST_F(Endless, FullDiskIsSaid)
{
    if (const QString small = qEnvironmentVariable("ORVIK3_SMALL_DISK"); !small.isEmpty()) {
        QSignalSpy failed(practice.get(), &Practice::failed);
        const QByteArray tmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(small)); // only the sets go there, not the fixture
        EXPECT_FALSE(practice->run(std::make_unique<EndlessPractice>(8, 5, record)));
        qputenv("TMPDIR", tmp);
        ASSERT_EQ(failed.size(), 1);
        EXPECT_TRUE(failed[0][0].toString().contains(QStringLiteral("the disk is full"))) << qPrintable(failed[0][0].toString());
        EXPECT_EQ(host->basePath(), inst.base());
        EXPECT_TRUE(QDir(small).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty()) << "left on the disk";
        return;
    }
    QProcess self;
    self.setProcessChannelMode(QProcess::MergedChannels);
    self.start(QStringLiteral("unshare"),
               {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                QStringLiteral("mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 99; ORVIK3_SMALL_DISK=\"$1\" exec \"$2\" "
                               "--gtest_filter=Endless.FullDiskIsSaid"),
                QStringLiteral("sh"), dir.path(), QCoreApplication::applicationFilePath()});
    const bool ended = self.waitForFinished(60000) && self.exitStatus() == QProcess::NormalExit;
    const QByteArray said = self.readAll();
    if (!ended || self.exitCode() == 99 || (self.exitCode() != 0 && said.startsWith("unshare")))
        GTEST_SKIP() << "no private mounts here";
    EXPECT_EQ(self.exitCode(), 0) << said.toStdString();
}

} // namespace
