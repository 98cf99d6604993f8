// The trainer's window wiring host, practice and views: what it remembers, a situation it
// cannot draw, and what the plan keeps to itself. The loop itself is driven end to end.

#include "TrainerTestKit.h"
#include "panel/TrainerHost.h"
#include "practice/Practice.h"
#include "situation/FlightSession.h"
#include "statistics/StatisticsData.h"
#include "view/ChooserPage.h"
#include "view/ExercisePage.h"
#include "view/SituationView.h"

#include <orvik3/QAform.h>

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

#include <sys/file.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

class Window : public testing::Test, protected test::WindowKit
{
};

} // namespace

TEST_F(Window, RemembersLanguageInstallationAndType)
{
    inst.writeType(9);
    {
        MainWindow &w = open();
        w.applyOptions({});
        w.setLanguage(Language::English);
        w.setBasePath(inst.base());
        w.chooser()->buttonFor(9)->click();
        EXPECT_FALSE(w.host().control()->texts().isGerman());
        w.close();
    }
    MainWindow &again = open();
    EXPECT_EQ(again.language(), Language::English);
    EXPECT_EQ(again.basePath(), QDir::cleanPath(inst.base()));
    EXPECT_EQ(settings.value(QStringLiteral("trainer/type")).toInt(), 9);
    EXPECT_FALSE(settings.value(QStringLiteral("window/geometry")).toByteArray().isEmpty());
}

TEST_F(Window, BrokenSessionIsSaidAndNothingIsFlown)
{
    inst.writeType(8);
    QFile::remove(inst.sessionPath(QStringLiteral("t8_0.session")));
    MainWindow &w = open();
    w.startExercise(8);
    const Situation &s = w.exercisePage().view()->situation();
    EXPECT_FALSE(s.isValid());
    EXPECT_TRUE(s.error.contains(QStringLiteral("t8_0.session"))) << qPrintable(s.error);
    EXPECT_TRUE(s.error.contains(QStringLiteral("question 1 of 2")) || s.error.contains(QStringLiteral("Frage 1 von 2")));
    ASSERT_TRUE(w.panel() && w.panel()->isVisibleTo(&w));
    // Flying is refused without a situation, and the panel comes back at once.
    ASSERT_TRUE(w.host().control()->control(QStringLiteral("Command14")).click());
    w.host().panelActed();
    EXPECT_FALSE(w.flight().isActive());
    EXPECT_EQ(w.host().control()->c_QAFly(), -4);
    EXPECT_EQ(w.reportCount(), 1);
}

struct Hidden {
    int type;
    bool hides; // with "instruments only" on
};

TEST_F(Window, InstrumentsOnlyHidesTheAircraftUntilTheSolution)
{
    for (const Hidden h : {Hidden{1, true}, Hidden{5, true}, Hidden{6, true}, Hidden{3, false}, Hidden{8, false}}) {
        SCOPED_TRACE(h.type);
        inst.writeType(h.type);
        MainWindow &w = open();
        w.startExercise(h.type);
        const Situation &s = w.exercisePage().view()->situation();
        EXPECT_EQ(s.aircraftVisible(), !h.hides);
        w.setInstrumentOnly(false);
        EXPECT_TRUE(s.aircraftVisible());
        w.setInstrumentOnly(true);
        w.host().showSolution();
        EXPECT_TRUE(s.aircraftVisible());
    }
}

// Another program holding the statistics lock costs the window a moment, not seconds: the
// trainee is told which lock it is, the question stays, and "Weiter" counts it once the lock is free.
TEST_F(Window, HeldStatisticsLockIsNamedAndTheCountMadeLater)
{
    inst.writeType(1);
    QDir(dir.path()).mkpath(QStringLiteral("store"));
    auto ini = std::make_shared<IniSettingsStore>(dir.filePath(QStringLiteral("store")));
    MainWindow &w = open({.settings = ini});
    w.setScripted(false);
    w.startExercise(1);
    w.host().control()->control(QStringLiteral("Combo1")).choose(21);
    QFile lock(dir.filePath(QStringLiteral("store/avx1.ini.update-lock")));
    ASSERT_TRUE(lock.open(QIODevice::ReadWrite) && ::flock(lock.handle(), LOCK_EX) == 0);
    QElapsedTimer clock;
    clock.start();
    w.nextQuestion();
    EXPECT_LT(clock.elapsed(), 500);
    const QMessageBox *box = w.findChild<QMessageBox *>();
    EXPECT_TRUE(box && box->text().contains(QStringLiteral("avx1.ini.update-lock")));
    EXPECT_EQ(w.host().control()->currentQuestion(), 0);
    lock.close();
    w.nextQuestion();
    EXPECT_EQ(readStatistics(*ini, statisticsPrefix(1)).attempts, 1);
}
