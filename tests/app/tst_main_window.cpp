// The trainer's window driven in-process: every exercise type on a small installation, the
// view's reactions, the remembered settings and the statistics.

#include "ChooserPage.h"
#include "FlightBar.h"
#include "FlightSession.h"
#include "MainWindow.h"
#include "SituationView.h"
#include "StatisticsData.h"
#include "StatisticsWindow.h"
#include "TrainerHost.h"
#include "TrainerTestKit.h"

#include "questions/Statistics.h"

#include <orvik3/QAform.h>

#include <QImage>
#include <QPushButton>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

class TrainerWindow : public testing::Test
{
protected:
    TrainerWindow()
        : settings(dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat)
        , store(std::make_shared<MemorySettingsStore>())
    {
        inst.writeAllTypes(2);
    }

    std::unique_ptr<MainWindow> window()
    {
        Services s;
        s.settings = store;
        s.random = std::make_shared<ScriptedRandomSource>(std::vector<float>{0.0f});
        auto w = std::make_unique<MainWindow>(s, settings, inst.base());
        w->setScripted(true);
        w->resize(1100, 700);
        return w;
    }

    // Distinct colours in the picture of the view: a blank view has one or two.
    static int colours(QWidget *w)
    {
        const QImage img = w->grab().toImage();
        QSet<QRgb> seen;
        for (int y = 0; y < img.height(); y += 3)
            for (int x = 0; x < img.width(); x += 3)
                seen.insert(img.pixel(x, y));
        return int(seen.size());
    }

    QTemporaryDir dir;
    QSettings settings;
    std::shared_ptr<MemorySettingsStore> store;
    test::Installation inst;
};

} // namespace

TEST_F(TrainerWindow, EveryTypeDrawsItsSituation)
{
    auto w = window();
    EXPECT_TRUE(w->chooserShown());
    for (int type = 1; type <= 14; ++type) {
        SCOPED_TRACE(type);
        w->startExercise(type);
        EXPECT_FALSE(w->chooserShown());
        const Situation &s = w->situationView()->situation();
        ASSERT_TRUE(s.isValid()) << s.error.toStdString();
        EXPECT_EQ(s.type, type);
        EXPECT_EQ(w->situationView()->instruments(), instrumentsFor(test::sessionFor(type), type));
        EXPECT_GT(colours(w->situationView()), 40);
        ASSERT_NE(w->panel(), nullptr);
    }
}

TEST_F(TrainerWindow, BrokenSessionShowsAMessageAndThePanelStays)
{
    inst.writeRaw(QStringLiteral("default/sessions/t6_1.session"), "[session]\nversion = 1\n");
    inst.writeRaw(QStringLiteral("default/sessions/t7_0.session"), QByteArray());
    QFile::remove(inst.sessionPath(QStringLiteral("t8_0.session")));
    auto w = window();
    TrainerOptions o;
    o.type = 6;
    o.question = 2;
    w->applyOptions(o);
    const Situation &s = w->situationView()->situation();
    EXPECT_FALSE(s.isValid());
    EXPECT_TRUE(s.error.contains(QStringLiteral("t6_1.session"))) << s.error.toStdString();
    EXPECT_TRUE(s.error.contains(QStringLiteral("[station]"))) << s.error.toStdString();
    w->startExercise(8);
    EXPECT_TRUE(w->situationView()->situation().error.contains(QStringLiteral("t8_0.session")));
    EXPECT_GT(colours(w->situationView()), 10) << "the message is drawn";
    ASSERT_NE(w->panel(), nullptr);
    EXPECT_TRUE(w->panel()->isVisibleTo(w.get()));
    // Flying is refused without a situation, and the panel comes back at once.
    ASSERT_TRUE(w->host().control()->control(QStringLiteral("Command14")).click());
    w->host().panelActed();
    EXPECT_FALSE(w->flight().isActive());
    EXPECT_EQ(w->host().control()->c_QAFly(), -4);
}

TEST_F(TrainerWindow, SolutionFlyingAndCancel)
{
    auto w = window();
    w->startExercise(3);
    SituationView *view = w->situationView();
    EXPECT_FALSE(view->situation().showSolution);
    w->host().control()->setC_showResult(6);
    w->host().sync();
    EXPECT_TRUE(view->situation().showSolution);

    ASSERT_TRUE(w->host().control()->control(QStringLiteral("Command26")).click());
    w->host().panelActed();
    ASSERT_TRUE(w->flight().isActive());
    EXPECT_TRUE(w->flightBar()->isVisibleTo(w.get()));
    w->flight().setPaused(true);
    w->flight().advance(30);
    emit w->flight().moved();
    EXPECT_NE(view->situation().aircraft.position, view->situation().start.position);
    EXPECT_GT(view->situation().track.size(), 2u);

    w->flightBar()->backButton()->click();
    EXPECT_FALSE(w->flight().isActive());
    EXPECT_EQ(w->host().control()->c_QAFly(), -2);
    EXPECT_EQ(view->situation().aircraft.position, view->situation().start.position);

    ASSERT_TRUE(w->host().control()->control(QStringLiteral("Command4")).click());
    w->host().panelActed();
    EXPECT_TRUE(w->chooserShown());
}

TEST_F(TrainerWindow, RemembersLanguageInstallationAndType)
{
    {
        auto w = window();
        w->setLanguage(Language::English);
        w->setBasePath(inst.base());
        w->chooser()->buttonFor(9)->click();
        EXPECT_FALSE(w->host().control()->texts().isGerman());
        w->close();
    }
    auto again = window();
    EXPECT_EQ(again->language(), Language::English);
    EXPECT_EQ(again->basePath(), QDir::cleanPath(inst.base()));
    EXPECT_EQ(settings.value(QStringLiteral("trainer/type")).toInt(), 9);
    EXPECT_FALSE(settings.value(QStringLiteral("window/geometry")).toByteArray().isEmpty());
}

TEST_F(TrainerWindow, StatisticsPerQuestionAndReset)
{
    const QString app = Statistics::app(), section = Statistics::section();
    store->write(app, section, Statistics::totalKey(QStringLiteral("qdm"), 0), QStringLiteral("4"));
    store->write(app, section, Statistics::badKey(QStringLiteral("qdm"), 0), QStringLiteral("1"));
    store->write(app, section, Statistics::totalKey(QStringLiteral("qdm"), 2), QStringLiteral("2"));
    store->write(app, section, QStringLiteral("qdm_total"), QStringLiteral("6"));
    store->write(app, section, Statistics::totalKey(QStringLiteral("qdr"), 0), QStringLiteral("9"));

    const ExerciseStats fromStore = readStatistics(*store, QStringLiteral("qdm"));
    ASSERT_EQ(fromStore.questions.size(), 3u);
    EXPECT_EQ(fromStore.attempts, 6);
    EXPECT_EQ(fromStore.wrong, 1);
    EXPECT_EQ(fromStore.questions[0].rightPercent(), 75);
    EXPECT_EQ(fromStore.questions[1].attempts, 0);
    // With a loaded file of two questions only those count.
    EXPECT_EQ(readStatistics(*store, QStringLiteral("qdm"), 2).attempts, 4);

    StatisticsWindow stats(*store, QStringLiteral("qdm"), -1, Language::German);
    EXPECT_EQ(stats.shown().attempts, 6);
    stats.resetShown();
    EXPECT_EQ(stats.shown().attempts, 0);
    EXPECT_TRUE(store->read(app, section, QStringLiteral("qdm_total")).isEmpty());
    EXPECT_EQ(store->read(app, section, Statistics::totalKey(QStringLiteral("qdr"), 0)), QStringLiteral("9"))
        << "other exercises keep their counters";
    EXPECT_EQ(statisticsPrefix(12), QStringLiteral("qdm"));
    EXPECT_EQ(statisticsPrefixes().size(), 9);
}
