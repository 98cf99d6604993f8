// The trainer's window wiring host, practice and views: what it remembers, a situation it
// cannot draw, and what the plan keeps to itself. The loop itself is driven end to end.

#include "TrainerTestKit.h"
#include "panel/TrainerHost.h"
#include "practice/Practice.h"
#include "situation/FlightSession.h"
#include "statistics/StatisticsData.h"
#include "statistics/QueuedStore.h"
#include "statistics/StatisticsSaving.h"
#include "view/ChooserPage.h"
#include "view/ExercisePage.h"
#include "view/SituationView.h"

#include <orvik3/QAform.h>
#include <orvik3/StatisticsKeys.h>

#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
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

// The trainer's statistics on disk, in a folder of the test's own.
class Stored : public Window
{
protected:
    QString folder() const { return dir.filePath(QStringLiteral("store")); }
    QString lockPath() const { return folder() + QStringLiteral("/avx1.ini.update-lock"); }
    // The window on that folder, its first type-1 question answered.
    MainWindow &answering()
    {
        inst.writeType(1);
        QDir(dir.path()).mkpath(QStringLiteral("store"));
        IniSettingsStore(folder()).write(StatisticsKeys::app(), QStringLiteral("trainer"), QStringLiteral("k"), QStringLiteral("1"));
        MainWindow &w = open({.settings = std::make_shared<IniSettingsStore>(folder())});
        w.setLanguage(Language::English);
        w.startExercise(1);
        w.host().control()->control(QStringLiteral("Combo1")).choose(21);
        return w;
    }
    // What is on disk, by a store that waits for nothing of the window's.
    double attempts(const QString &key) { return StatisticsKeys::read(*std::make_shared<IniSettingsStore>(folder()), key); }
    bool written(MainWindow &w)
    {
        auto &store = dynamic_cast<QueuedStore &>(w.host().control()->settings());
        return QTest::qWaitFor([&] { return store.waiting() == 0; }, 20000);
    }
    const QString question0 = StatisticsKeys::questionKey(statisticsPrefix(1), StatisticsKeys::Counter::Total, 0);
    const QString sum = StatisticsKeys::sumKey(statisticsPrefix(1), StatisticsKeys::Counter::Total);
};

struct Meanwhile {
    const char *name;
    // Done by the other program while it holds the lock, after the window counted.
    std::function<void(IniSettingsStore &other, const QString &file)> act;
    double question0, sum; // on disk at the end
    const char *reported;  // in the message box, or nothing
};

const Meanwhile kMeanwhile[] = {
    {"nothing", [](IniSettingsStore &, const QString &) {}, 1, 1, nullptr},
    {"counts_the_same_question", [](IniSettingsStore &other, const QString &) {
         other.write(StatisticsKeys::app(), StatisticsKeys::section(), QStringLiteral("hsipos_total 0"), QStringLiteral("1"));
         other.write(StatisticsKeys::app(), StatisticsKeys::section(), QStringLiteral("hsipos_total"), QStringLiteral("1"));
     }, 2, 2, nullptr},
    {"makes_the_file_read_only", [](IniSettingsStore &, const QString &file) { QFile::setPermissions(file, QFileDevice::ReadOwner); },
     0, 0, "read-only"},
};

void PrintTo(const Meanwhile &m, std::ostream *os) { *os << m.name; }

class CountWhileLocked : public Stored, public testing::WithParamInterface<Meanwhile>
{
};

// Another program holding the statistics lock never holds up the window: the count is made
// at once, shown by the panel and named in the status bar with the lock, and written when
// the lock is free, keeping what the other program counted meanwhile.
TEST_P(CountWhileLocked, TheWindowGoesOnAndTheCountIsWrittenLater)
{
    const Meanwhile &m = GetParam();
    ASSERT_EQ(statisticsPrefix(1), QStringLiteral("hsipos"));
    MainWindow &w = answering();
    w.setScripted(false);
    IniSettingsStore other(folder());
    const bool ran = other.tryUpdate(StatisticsKeys::app(), [&] {
        w.nextQuestion(); // returns while the lock is held here
        EXPECT_EQ(w.reportCount(), 0);
        EXPECT_EQ(StatisticsKeys::read(w.host().control()->settings(), question0), 1);
        EXPECT_EQ(StatisticsKeys::read(w.host().control()->settings(), sum), 1);
        EXPECT_EQ(attempts(question0), 0);
        EXPECT_TRUE(w.statisticsSaving()->note().contains(lockPath())) << qPrintable(w.statisticsSaving()->note());
        m.act(other, other.fileName(StatisticsKeys::app()));
    }, 0);
    ASSERT_TRUE(ran);
    if (m.reported) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.reportCount() > 0; }, 20000));
        const QMessageBox *box = w.findChild<QMessageBox *>();
        ASSERT_TRUE(box);
        EXPECT_TRUE(box->text().contains(QStringLiteral("avx1.ini")) && box->text().contains(QLatin1String(m.reported)))
            << qPrintable(box->text());
    } else {
        ASSERT_TRUE(written(w));
        EXPECT_EQ(w.reportCount(), 0);
    }
    EXPECT_EQ(attempts(question0), m.question0);
    EXPECT_EQ(attempts(sum), m.sum);
    // With nothing waiting, the next count is written at once.
    QFile::setPermissions(other.fileName(StatisticsKeys::app()), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    w.host().control()->control(QStringLiteral("Combo1")).choose(21);
    w.nextQuestion();
    EXPECT_EQ(attempts(sum), m.sum + 1);
}

INSTANTIATE_TEST_SUITE_P(Window, CountWhileLocked, testing::ValuesIn(kMeanwhile),
                         [](const auto &info) { return std::string(info.param.name); });

// A sum is read part by part; another program counting a part between those looks (here it
// writes the file as the moment comes) keeps its count in the sum.
TEST_F(Stored, SumKeepsACountMadeBetweenTheLooksAtItsParts)
{
    const QString app = StatisticsKeys::app(), section = StatisticsKeys::section();
    const QString question1 = StatisticsKeys::questionKey(statisticsPrefix(1), StatisticsKeys::Counter::Total, 1);
    QueuedStore store(std::make_shared<IniSettingsStore>(folder()));
    IniSettingsStore other(folder());
    ASSERT_TRUE(other.tryUpdate(app, [&] {
        store.update(app, [&] {
            store.write(app, section, question0, QStringLiteral("1"));
            const QString part = store.read(app, section, question1);
            QSettings file(other.fileName(app), QSettings::IniFormat);
            file.setValue(section + u'/' + question1, 1);
            file.setValue(section + u'/' + sum, 1);
            file.sync();
            store.write(app, section, sum, QString::number(1 + part.toInt()));
        });
    }, 0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return store.waiting() == 0; }, 20000));
    EXPECT_EQ(attempts(question1), 1);
    EXPECT_EQ(attempts(sum), 2);
}

// Quitting while counts wait: a moment to write them, and the trainee told of any lost.
TEST_F(Stored, QuitWaitsForTheCountsOrSaysTheyAreLost)
{
    for (const bool freed : {true, false}) {
        SCOPED_TRACE(freed);
        QFile::remove(folder() + QStringLiteral("/avx1.ini"));
        MainWindow &w = answering();
        QFile lock(lockPath());
        ASSERT_TRUE(lock.open(QIODevice::ReadWrite) && ::flock(lock.handle(), LOCK_EX) == 0);
        w.nextQuestion();
        QObject context;
        if (freed)
            QTimer::singleShot(0, &context, [&lock] { lock.close(); }); // while the window waits
        else
            w.statisticsSaving()->setQuitWait(0);
        w.close();
        EXPECT_EQ(w.reportCount(), freed ? 0 : 1);
        EXPECT_EQ(w.statisticsSaving()->note().startsWith(QStringLiteral("Counts of the statistics not saved (1)")), !freed);
        EXPECT_EQ(w.statisticsSaving()->note().contains(lockPath()), !freed);
        window.reset();
        EXPECT_EQ(attempts(sum), freed ? 1 : 0);
    }
}
