// Endless practice on a real window: a private X server, the xcb platform and real mouse and
// key events. For one type of each family the trainee goes through a whole fresh set with
// the panel's solution button and Enter, and a second set comes up by itself, with new
// situations, while the study files' statistics stay untouched.
#include "MainWindow.h"
#include "panel/TrainerHost.h"
#include "practice/EndlessPractice.h"
#include "statistics/StatisticsData.h"
#include "view/ExercisePage.h"
#include "view/SolutionBox.h"
#include "XvfbMain.h"

#include <orvik3/ExerciseCatalog.h>

#include <orvik3/QAform.h>
#include <orvik3/QAformWidget.h>
#include <orvik3/SettingsStore.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

class EndlessFamily : public ::testing::TestWithParam<int> {};

TEST_P(EndlessFamily, ThroughAFreshSetToTheNext)
{
    const int type = GetParam();
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat);
    Services s;
    s.settings = std::make_shared<IniSettingsStore>(dir.filePath(QStringLiteral("store")));
    MainWindow window(s, settings, QStringLiteral(ORVIK3_SAMPLE_DATA_DIR));
    window.setScripted(true);
    window.resize(1500, 950);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    (void)QTest::qWaitForWindowActive(&window, 2000);

    window.startEndless(type, 1000 + quint64(type));
    ASSERT_TRUE(window.endless());
    EXPECT_TRUE(window.exercisePage().statusLabel()->isVisible());
    const QString solutionButton = QLatin1String(familyControls(exerciseType(qint16(type))->family).showSolution);
    auto *panel = qobject_cast<QAformWidget *>(window.panel());
    ASSERT_TRUE(panel);
    const QString firstSession = window.host().control()->c_QASessionFileName();
    QStringList seen;
    auto setNumber = [&] { return window.endless() ? window.endless()->sets().setNumber() : 0; };
    for (int k = 0; k < 3 * EndlessSets::kSetSize && setNumber() == 1; ++k) {
        seen << QFileInfo(window.host().control()->c_QASessionFileName()).fileName();
        QWidget *solution = qobject_cast<QAformWidget *>(window.panel())->widgetFor(solutionButton);
        ASSERT_TRUE(solution && solution->isVisible()) << "question " << k + 1;
        QTest::mouseClick(solution, Qt::LeftButton, {}, solution->rect().center());
        QApplication::processEvents();
        ASSERT_TRUE(window.exercisePage().nextButton()->isVisible());
        QTest::keyClick(&window, Qt::Key_Return);
        QApplication::processEvents();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return setNumber() == 2; }, 5000)) << "no second set";
    seen.removeDuplicates();
    EXPECT_EQ(seen.size(), EndlessSets::kSetSize) << "every question of the first set was on display";
    EXPECT_EQ(window.host().currentType(), type);
    EXPECT_EQ(window.host().control()->lastQuestion() + 1, EndlessSets::kSetSize);
    EXPECT_NE(window.host().control()->c_QASessionFileName(), firstSession);
    EXPECT_TRUE(window.exercisePage().progressLabel()->text().startsWith(QStringLiteral("1/")))
        << qPrintable(window.exercisePage().progressLabel()->text());
    EXPECT_FALSE(window.summaryShown());
    IniSettingsStore store(dir.filePath(QStringLiteral("store")));
    EXPECT_TRUE(store.read(QStringLiteral("avx1"), QStringLiteral("stats"), statisticsPrefix(type) + QStringLiteral("_total")).isEmpty());
}

// A wind component given on the wrong side by real clicks: the solution box names the mistake.
TEST(EndlessMistake, HeadAndTailWindMixedUpIsNamed)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("trainer.ini")), QSettings::IniFormat);
    Services s;
    s.settings = std::make_shared<MemorySettingsStore>();
    MainWindow window(s, settings, QStringLiteral(ORVIK3_SAMPLE_DATA_DIR));
    window.setScripted(true);
    window.setLanguage(Language::English);
    window.resize(1500, 950);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    (void)QTest::qWaitForWindowActive(&window, 2000);
    window.startEndless(8, 4242);
    QApplication::processEvents();
    QAform &form = *window.host().control();
    auto *panel = qobject_cast<QAformWidget *>(window.panel());
    ASSERT_TRUE(panel);
    const int q = form.currentQuestion();
    const bool head = form.qaCol(14, q).trimmed() == QLatin1String("Head");
    ASSERT_TRUE(head || form.qaCol(14, q).trimmed() == QLatin1String("Tail"));
    QWidget *box = panel->widgetFor(QStringLiteral("Text4"));
    ASSERT_TRUE(box && box->isVisible());
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTest::keyClicks(box, form.qaCol(13, q).trimmed());
    QApplication::processEvents();
    QWidget *wrong = panel->widgetFor(QLatin1String(head ? "Option35" : "Option47"));
    ASSERT_TRUE(wrong && wrong->isVisible());
    QTest::mouseClick(wrong, Qt::LeftButton, {}, QPoint(6, wrong->height() / 2));
    QApplication::processEvents();
    ASSERT_TRUE(form.partDone(1) && !form.partCorrect(1)) << "the click was not judged wrong";
    QWidget *solution = panel->widgetFor(QStringLiteral("Command11"));
    QTest::mouseClick(solution, Qt::LeftButton, {}, solution->rect().center());
    QApplication::processEvents();
    EXPECT_TRUE(window.exercisePage().solutionBox()->plainText().contains(QStringLiteral("Head and tail wind mixed up")))
        << qPrintable(window.exercisePage().solutionBox()->plainText());
    // With ORVIK3_LOOP_SHOTS set to a folder, the documentation's picture is taken here.
    if (qEnvironmentVariableIsSet("ORVIK3_LOOP_SHOTS")) {
        window.statusBar()->clearMessage();
        window.grab().save(qEnvironmentVariable("ORVIK3_LOOP_SHOTS") + QStringLiteral("/endless-mistake.png"));
    }
}

INSTANTIATE_TEST_SUITE_P(OnePerFamily, EndlessFamily, ::testing::Values(2, 3, 5, 7, 8),
                         [](const auto &info) { return "type" + std::to_string(info.param); });

} // namespace

int main(int argc, char **argv) { return orvik3::test::runOnPrivateXServer(argc, argv, 177); }
