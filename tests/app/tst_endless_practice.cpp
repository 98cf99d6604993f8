// Endless practice: the Leitner rule that picks what comes next, the score kept apart from
// the study files' statistics, and the window going from one fresh set to the next.
#include "MainWindow.h"
#include "StatisticsData.h"
#include "TrainerHost.h"
#include "TrainerTestKit.h"
#include "endless/EndlessPractice.h"
#include "endless/EndlessScore.h"
#include "endless/LeitnerBoxes.h"

#include <orvik3/QAform.h>
#include <orvik3/SettingsStore.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    LeitnerBoxes boxes;
    for (const Answered &a : row.history)
        boxes.record(a.type, a.kinds, a.right);
    const LeitnerBoxes::Choice c = boxes.next(row.types, row.wrongPercent);
    EXPECT_EQ(c.type, row.nextType);
    EXPECT_EQ(c.wishes, row.wishes);
    // What is saved comes back the same.
    LeitnerBoxes again;
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
    LeitnerBoxes boxes;
    for (int k = 0; k < 9; ++k)
        boxes.record(10, {}, true);
    EXPECT_EQ(boxes.box(10), LeitnerBoxes::kMaxBox);
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
    LeitnerBoxes boxes;
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
    std::vector<std::pair<ExerciseFamily, bool>> answers;
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
    for (const ExerciseFamily f : families())
        perFamily += score.of(f).answered;
    EXPECT_EQ(perFamily, row.answered);
    EndlessScore again;
    again.load(score.save());
    EXPECT_EQ(again.save(), score.save());
}

constexpr auto H = ExerciseFamily::HoldingArc;
constexpr auto W = ExerciseFamily::Wind;

INSTANTIATE_TEST_SUITE_P(Rows, Score,
                         testing::Values(ScoreRow{"none", {}, 0, 0, 0, 0, 0},
                                         ScoreRow{"oneWrong", {{W, false}}, 0, 0, 1, 0, 0},
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

// --- the window -------------------------------------------------------------------------------

class EndlessWindow : public testing::Test
{
protected:
    EndlessWindow()
        : settings(dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat)
        , store(std::make_shared<MemorySettingsStore>())
    {
        inst.writeAllTypes(2);
        Services s;
        s.settings = store;
        window = std::make_unique<MainWindow>(s, settings, inst.base());
        window->setScripted(true);
        window->resize(1100, 700);
    }
    // Solution and the trainer's "Weiter" until the set number changes.
    bool throughTheSet()
    {
        const int set = window->endless()->setNumber();
        for (int k = 0; k < 60 && window->endless() && window->endless()->setNumber() == set; ++k) {
            window->host().showSolution();
            window->nextQuestion();
            QApplication::processEvents();
        }
        return window->endless() && window->endless()->setNumber() == set + 1;
    }

    QTemporaryDir dir;
    QSettings settings;
    std::shared_ptr<MemorySettingsStore> store;
    test::Installation inst;
    std::unique_ptr<MainWindow> window;
};

TEST_F(EndlessWindow, WrongAnswerScoredApartThenANewSet)
{
    window->setLanguage(Language::English);
    window->startEndless(8, 5);
    ASSERT_TRUE(window->endless());
    QAform &form = *window->host().control();
    ASSERT_EQ(form.lastQuestion() + 1, EndlessPractice::kSetSize);
    EXPECT_NE(window->basePath(), inst.base());
    form.control(QStringLiteral("Text4")).type(QStringLiteral("999"));
    form.control(QStringLiteral("Option47")).click();
    window->host().sync();
    window->nextQuestion();
    EXPECT_EQ(window->endlessScore().total().answered, 1);
    EXPECT_EQ(window->endlessScore().total().right, 0);
    EXPECT_EQ(window->endlessScore().of(ExerciseFamily::Wind).answered, 1);
    EXPECT_TRUE(window->endlessLabel()->text().contains(QStringLiteral("0 of 1"))) << qPrintable(window->endlessLabel()->text());
    const QString firstSet = window->basePath();
    ASSERT_TRUE(throughTheSet());
    EXPECT_FALSE(QDir(firstSet).exists()) << "the last set's folder stays";
    EXPECT_EQ(window->host().control()->lastQuestion() + 1, EndlessPractice::kSetSize);
    EXPECT_FALSE(window->summaryShown());
    // The study files' statistics saw nothing of it.
    EXPECT_TRUE(store->read(QStringLiteral("avx1"), QStringLiteral("stats"), statisticsPrefix(8) + QStringLiteral("_total")).isEmpty());
    EXPECT_EQ(settings.value(QStringLiteral("endless/score")).toString(), window->endlessScore().save());

    // Back to a study file: its installation and its statistics again.
    window->startExercise(8);
    EXPECT_FALSE(window->endless());
    EXPECT_EQ(window->basePath(), inst.base());
    EXPECT_FALSE(window->endlessLabel()->isVisible());
    EXPECT_EQ(window->host().control()->lastQuestion(), 1);
}

TEST_F(EndlessWindow, OtherLanguageGivesAFreshSetInIt)
{
    window->setLanguage(Language::German);
    window->startEndless(13, 8); // its English file is another type's
    ASSERT_TRUE(window->endless());
    window->setLanguage(Language::English);
    ASSERT_TRUE(window->endless());
    EXPECT_EQ(window->endless()->setNumber(), 2);
    EXPECT_EQ(window->host().currentType(), 13);
    EXPECT_EQ(window->host().control()->lastQuestion() + 1, EndlessPractice::kSetSize);
}

TEST_F(EndlessWindow, WeakestFirstAsksForTheLowestKinds)
{
    window->startEndless(0, 11);
    ASSERT_TRUE(window->endless());
    // Nothing practised yet: the first type of the catalogue, its kinds in turn.
    const int type = window->host().currentType();
    EXPECT_EQ(type, exerciseCatalog().front().type);
    ASSERT_TRUE(throughTheSet());
    // Nothing answered, nothing recorded: the same type is still the weakest.
    EXPECT_EQ(window->host().currentType(), type);
}

} // namespace
