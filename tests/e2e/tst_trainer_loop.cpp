// The learning loop of the trainer on a real window: a private X server, the xcb platform and
// real mouse and key events. For every exercise type: a wrong answer and the panel's "Weiter"
// (the question comes back, and the window says why), a right answer, the solution, the
// trainer's own "Weiter" by Enter, and on to the next question; the statistics file then
// holds exactly what the panel counts. For one type of each family: the end of a set and a
// set of only the mistakes. Endless practice: a typical mistake made by real clicks is named
// in the solution box.
#include "TrainerLoopKit.h"

#include "ExerciseCatalog.h"
#include "practice/EndlessPractice.h"
#include "practice/PracticeMemory.h"
#include "statistics/ChartLoader.h"
#include "statistics/ReadinessView.h"
#include "view/ChooserPage.h"
#include "situation/FlightSession.h"
#include "statistics/StatisticsData.h"
#include "view/ExercisePage.h"
#include "view/SolutionBox.h"
#include "view/SummaryPage.h"
#include "XvfbMain.h"

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <ReviewLog.h>
#include <orvik3/HoldingAnswer.h>

using namespace orvik3;
using namespace orvik3::trainer;
using namespace orvik3::trainer::test;

namespace {

// --- one question round in every type -------------------------------------------------------

class EveryType : public ::testing::TestWithParam<int> {};

TEST_P(EveryType, WrongRightSolutionEnterNextQuestion)
{
    const int type = GetParam();
    Trainer t;
    if (takingShots())
        t.window->setLanguage(Language::English);
    t.window->startExercise(type);
    QAform &form = t.form();
    // Questions in file order, so that a wrong answer brings the question back.
    const FamilyControls &c = controlsOf(type);
    if (form.form().control(QLatin1String(c.randomBox)).value() != 0) {
        t.click(QLatin1String(c.randomBox));
        ASSERT_EQ(form.form().control(QLatin1String(c.randomBox)).value(), 0) << "the random box stays ticked";
        t.window->host().jumpTo(0);
    }
    ASSERT_EQ(form.currentQuestion(), 0);
    const auto wrong = findAnswer(t.base(), type, 0, 0);
    const auto right = findAnswer(t.base(), type, 0, 1);
    ASSERT_TRUE(wrong && right) << "no right and wrong answer found";

    // Wrong, then the panel's own "Weiter": the same question, and the window says why.
    t.answer(*wrong);
    t.click(QLatin1String(c.next));
    EXPECT_EQ(form.currentQuestion(), 0);
    EXPECT_TRUE(t.page().repeatLabel()->isVisible());
    EXPECT_FALSE(t.page().repeatLabel()->text().isEmpty());

    // Right, the solution: box and the trainer's "Weiter" are out whatever the panel's height.
    t.answer(*right);
    shot(t.window.get(), qPrintable(QStringLiteral("loop-right-type%1.png").arg(type)));
    EXPECT_TRUE(form.partCorrect(1) || form.partCorrect(2) || form.partCorrect(3) || form.partCorrect(4) || form.partCorrect(5));
    t.click(QLatin1String(c.showSolution));
    EXPECT_TRUE(t.page().solutionBox()->isVisible());
    EXPECT_TRUE(t.page().nextButton()->isVisible());
    const Family family = exerciseType(qint16(type))->family;
    const bool cuts = family == Family::Holding || family == Family::QdmQdr || family == Family::Wind;
    EXPECT_EQ(t.window->host().panelShrunk(), cuts);
    if (type == 3 || type == 8)
        shot(t.window.get(), type == 3 ? "loop-holding-solution.png" : "loop-wind-solution.png");

    // Enter: the panel comes back and counts; one part right is not all right, so again.
    t.enter();
    EXPECT_FALSE(t.window->host().panelShrunk());
    EXPECT_EQ(form.currentQuestion(), 0);
    EXPECT_FALSE(t.page().solutionBox()->isVisible());

    // The solution with nothing answered, Enter: on to the next question, nothing counted.
    t.click(QLatin1String(c.showSolution));
    t.enter();
    EXPECT_EQ(form.currentQuestion(), 1);
    EXPECT_TRUE(t.page().progressLabel()->text().startsWith(QStringLiteral("2/"))) << qPrintable(t.page().progressLabel()->text());

    const QString p = statisticsPrefix(type);
    EXPECT_EQ(t.stat(p + QStringLiteral("_total 0")), QStringLiteral("2"));
    EXPECT_EQ(t.stat(p + QStringLiteral("_bad 0")), QStringLiteral("2"));
    EXPECT_EQ(t.stat(p + QStringLiteral("_total")), QStringLiteral("2"));
    EXPECT_EQ(t.stat(p + QStringLiteral("_bad")), QStringLiteral("2"));
    EXPECT_TRUE(t.stat(p + QStringLiteral("_total 1")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Types, EveryType, ::testing::Range(1, 15),
                         [](const auto &info) { return "type" + std::to_string(info.param); });

// --- a flight, then Enter -----------------------------------------------------------------------

struct FlyRow {
    int type;
    const char *flyButton;
};
class AfterFlight : public ::testing::TestWithParam<FlyRow> {};

TEST_P(AfterFlight, EnterGivesThePanelBackAndMovesOn)
{
    const FlyRow &r = GetParam();
    Trainer t;
    t.window->startExercise(r.type);
    QAform &form = t.form();
    const int first = form.currentQuestion();
    t.click(QLatin1String(r.flyButton));
    EXPECT_TRUE(t.window->host().panelShrunk());
    EXPECT_TRUE(t.window->flight().isActive());
    ASSERT_TRUE(t.page().nextButton()->isVisible());
    QTest::qWait(150); // a few steps of flight
    t.enter();
    EXPECT_FALSE(t.window->flight().isActive());
    EXPECT_FALSE(t.window->host().panelShrunk());
    EXPECT_EQ(form.currentQuestion(), first + 1);
    EXPECT_TRUE(t.stat(statisticsPrefix(r.type) + QStringLiteral("_total")).isEmpty()) << "nothing answered, nothing counted";
}

INSTANTIATE_TEST_SUITE_P(FlyingFamilies, AfterFlight,
                         ::testing::Values(FlyRow{3, "Command26"}, FlyRow{9, "Command26"}, FlyRow{6, "Command15"},
                                           FlyRow{8, "Command14"}),
                         [](const auto &info) { return "type" + std::to_string(info.param.type); });

// --- the end of a set and the mistakes ---------------------------------------------------------

class SetEnd : public ::testing::TestWithParam<int> {};

TEST_P(SetEnd, SummaryThenOnlyMyMistakes)
{
    const int type = GetParam();
    Trainer t(3);
    if (takingShots())
        t.window->setLanguage(Language::English);
    t.window->startExercise(type);
    QAform &form = t.form();
    ASSERT_EQ(form.lastQuestion(), 2);
    const auto wrong = findAnswer(t.base(), type, 0, 0);
    ASSERT_TRUE(wrong);
    const FamilyControls &c = controlsOf(type);
    t.answer(*wrong);
    t.click(QLatin1String(c.next));
    for (int q = 0; q < 3; ++q) {
        if (q == 1) {
            // A change of language goes on at the question it was at (the panel is built anew
            // in the other language); progress and summary follow.
            const int at = t.form().currentQuestion();
            const QString counted = t.page().progressLabel()->text().section(u' ', 0, 1); // "2/3, 0"
            t.window->setLanguage(t.window->language() == Language::German ? Language::English : Language::German);
            EXPECT_EQ(t.form().currentQuestion(), at) << "the language switch restarted the set";
            EXPECT_EQ(t.page().progressLabel()->text().section(u' ', 0, 1), counted) << qPrintable(t.page().progressLabel()->text());
        }
        ASSERT_FALSE(t.window->summaryShown()) << "summary before question " << q + 1;
        t.click(QLatin1String(c.showSolution));
        t.enter();
    }
    ASSERT_TRUE(t.window->summaryShown());
    EXPECT_EQ(t.window->learning().rightCount(), 0);
    EXPECT_EQ(t.window->learning().mistakes(), std::vector<int>{0});
    auto *table = t.window->summaryPage()->findChild<QWidget *>(QStringLiteral("summaryTable"));
    ASSERT_TRUE(table && table->isVisible());
    if (type == 6)
        shot(t.window.get(), "loop-summary.png");

    t.click(t.window->summaryPage()->findChild<QPushButton *>(QStringLiteral("summaryMistakes")));
    ASSERT_FALSE(t.window->summaryShown());
    EXPECT_EQ(t.form().currentQuestion(), 0);
    // "1/1, 0 right" in whichever language the window speaks
    EXPECT_TRUE(t.page().progressLabel()->text().startsWith(QStringLiteral("1/1, 0 "))) << qPrintable(t.page().progressLabel()->text());
    t.click(QLatin1String(c.showSolution));
    t.enter();
    EXPECT_TRUE(t.window->summaryShown());

    const QString p = statisticsPrefix(type);
    EXPECT_EQ(t.stat(p + QStringLiteral("_total 0")), QStringLiteral("1"));
    EXPECT_EQ(t.stat(p + QStringLiteral("_bad 0")), QStringLiteral("1"));
    EXPECT_TRUE(t.stat(p + QStringLiteral("_total 1")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(OnePerFamily, SetEnd, ::testing::Values(1, 3, 5, 6, 8),
                         [](const auto &info) { return "type" + std::to_string(info.param); });

// --- endless practice: a mistake named ------------------------------------------------------------

// Wind components given on the wrong side and a time from the TAS by real clicks: the
// solution box names each mistake.
TEST(EndlessMistake, WindMistakesAreNamed)
{
    Trainer t;
    t.window->setLanguage(Language::English);
    t.window->startEndless(8, 4242);
    QApplication::processEvents();
    ASSERT_TRUE(t.window->endless());
    QAform &form = t.form();
    const int q = form.currentQuestion();
    const bool head = form.qaCol(14, q).trimmed() == QLatin1String("Head");
    ASSERT_TRUE(head || form.qaCol(14, q).trimmed() == QLatin1String("Tail"));
    t.click(QStringLiteral("Text4"));
    QTest::keyClicks(t.widget(QStringLiteral("Text4")), form.qaCol(13, q).trimmed());
    t.click(QLatin1String(head ? "Option35" : "Option47"));
    ASSERT_TRUE(form.partDone(1) && !form.partCorrect(1)) << "the click was not judged wrong";
    // The crosswind from the side it blows to, and the time worked out with the TAS.
    const double rad = M_PI / 180.0, off = (form.qaCol(1, q).toDouble() - form.qaCol(3, q).toDouble()) * rad;
    const double tas = form.qaCol(4, q).toDouble(), wind = form.qaCol(2, q).toDouble();
    const double gs = tas * std::cos(std::asin(wind * std::sin(off) / tas)) - wind * std::cos(off);
    const QStringList stored = form.qaCol(19, q).trimmed().split(u'.');
    const long fromTas = std::lround((stored[0].toInt() * 60 + stored[1].leftJustified(2, u'0').toInt()) * gs / tas);
    ASSERT_GT(std::abs(std::sin(off)), 0.1) << "no crosswind to mix up";
    t.click(QStringLiteral("Text5"));
    QTest::keyClicks(t.widget(QStringLiteral("Text5")), form.qaCol(15, q).trimmed());
    t.click(QLatin1String(std::sin(off) > 0 ? "Option54" : "Option56"));
    for (const auto &[box, value] : {std::pair{"Text7", fromTas / 60}, std::pair{"Text8", fromTas % 60}}) {
        t.click(QLatin1String(box));
        QTest::keyClicks(t.widget(QLatin1String(box)), QString::number(value));
    }
    t.click(QStringLiteral("Option58"));
    t.click(QLatin1String(controlsOf(8).showSolution));
    for (const char *mistake : {"Head and tail wind mixed up", "Crosswind side mixed up", "Time from the true airspeed"})
        EXPECT_TRUE(t.page().solutionBox()->plainText().contains(QLatin1String(mistake))) << qPrintable(t.page().solutionBox()->plainText());
    shot(t.window.get(), "endless-mistake.png");
    // Through the set with the solution and Enter: the next set comes by itself, apart from
    // the study files' statistics.
    for (int k = 0; k < 3 * EndlessSets::kSetSize && t.window->endless()->sets().setNumber() == 1; ++k) {
        t.click(QLatin1String(controlsOf(8).showSolution));
        t.enter();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.window->endless()->sets().setNumber() == 2; }, 5000)) << "no second set";
    EXPECT_TRUE(t.page().progressLabel()->text().startsWith(QStringLiteral("1/"))) << qPrintable(t.page().progressLabel()->text());
    EXPECT_TRUE(t.stat(statisticsPrefix(8) + QStringLiteral("_total")).isEmpty());
}

// The ADF's QDR answered with the QDM and its QDM with the QDR (or the RB, where the panel
// offers it) by real clicks: the solution box names both.
TEST(EndlessMistake, AdfBearingsMixedUpAreNamed)
{
    Trainer t;
    t.window->setLanguage(Language::English);
    t.window->startEndless(5, 4242);
    QApplication::processEvents();
    QAform &form = t.form();
    const int q = form.currentQuestion();
    auto clickCaption = [&](int first, const QStringList &wanted) {
        for (const QString &w : wanted)
            for (int k = first; k < first + 4; ++k)
                if (form.control(QStringLiteral("Option%1").arg(k)).caption().trimmed() == w)
                    return t.click(QStringLiteral("Option%1").arg(k));
        FAIL() << "no option " << qPrintable(wanted.join(u'/'));
    };
    clickCaption(20, {form.qaCol(15, q).trimmed()});                              // the QDM as QDR
    clickCaption(29, {form.qaCol(17, q).trimmed(), form.qaCol(13, q).trimmed()}); // the RB or the QDR as QDM
    ASSERT_TRUE(!form.partCorrect(1) && !form.partCorrect(3)) << "the clicks were not judged wrong";
    t.click(QLatin1String(controlsOf(5).showSolution));
    const QString box = t.page().solutionBox()->plainText();
    EXPECT_TRUE(box.contains(QStringLiteral("is the QDM, the reciprocal of the QDR"))) << qPrintable(box);
    EXPECT_TRUE(box.contains(QStringLiteral("is the QDR, the reciprocal of the QDM")) || box.contains(QStringLiteral("Relative bearing taken for the QDM")))
        << qPrintable(box);
}

// The offset heading of the other side clicked in an offset entry: the solution box names it.
TEST(EndlessMistake, MirroredOffsetHeadingIsNamed)
{
    Trainer t;
    t.window->setLanguage(Language::English);
    t.window->startEndless(3, 4242);
    QApplication::processEvents();
    QAform &form = t.form();
    auto column = [&](int c) { return form.qaCol(c, form.currentQuestion()).trimmed(); };
    bool rightHand = true;
    for (int k = 0; k < EndlessSets::kSetSize; ++k) {
        rightHand = column(15) == QLatin1String("Standard");
        if (holdingEntry(column(13).toInt(), column(14).toInt(), rightHand) == HoldingEntry::Offset)
            break;
        t.click(QLatin1String(controlsOf(3).showSolution));
        t.enter();
    }
    ASSERT_EQ(holdingEntry(column(13).toInt(), column(14).toInt(), rightHand), HoldingEntry::Offset) << "no offset entry in the set";
    // The first heading's candidates are the inbound + 90, 150, 180, 210 and 270 degrees; the
    // offset heading of a right-hand hold is + 150, its mirror + 210.
    t.click(QLatin1String(rightHand ? "Option9" : "Option7"));
    ASSERT_TRUE(partsDone(form) == 1 && !form.partCorrect(3)) << "the click was not judged wrong";
    t.click(QLatin1String(controlsOf(3).showSolution));
    EXPECT_TRUE(t.page().solutionBox()->plainText().contains(QLatin1String("Offset heading mirrored"))) << qPrintable(t.page().solutionBox()->plainText());
}

// --- today's practice on two evenings ---------------------------------------------------------

// Every question of the first evening's set shown, not answered: the second evening finds all
// its skills due, and the statistics window draws the readiness and the forecast.
TEST(TodayPractice, TwoEveningsThenTheCharts)
{
    ChartLoader::addSearchPath(QStringLiteral(ORVIK3_BUILD_CHARTS_DIR));
    Trainer t;
    QTemporaryDir logDir;
    t.window->practiceMemory().setPath(logDir.filePath(QStringLiteral("reviews.sqlite")));
    const auto dueText = [&] { return t.window->chooser()->findChild<QLabel *>(QStringLiteral("todayDue"))->text(); };

    qputenv("ORVIK3_PRACTICE_NOW", "2027-03-01T19:00:00Z");
    t.window->applyOptions({});
    ASSERT_TRUE(t.window->chooserShown());
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.window->practiceMemory().isOpen(); }, 5000));
    EXPECT_FALSE(dueText().contains(QStringLiteral(": "))) << qPrintable(dueText());
    t.click(t.window->chooser()->findChild<QPushButton *>(QStringLiteral("today")));
    for (int q = 0; q < 30 && !t.window->summaryShown(); ++q) {
        t.click(QLatin1String(controlsOf(t.window->host().currentType()).showSolution));
        t.enter();
    }
    ASSERT_TRUE(t.window->summaryShown());
    EXPECT_FALSE(t.window->summaryPage()->findChild<QLabel *>(QStringLiteral("summaryWeakest"))->text().isEmpty());

    qputenv("ORVIK3_PRACTICE_NOW", "2027-03-02T19:00:00Z");
    QTest::keyClick(t.window.get(), Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(t.window->chooserShown());
    t.window->practiceMemory().waitForIdle();
    QString error;
    const auto log = practice::ReviewLog::open(t.window->practiceMemory().path(), &error);
    ASSERT_TRUE(log) << qPrintable(error);
    EXPECT_TRUE(dueText().endsWith(QStringLiteral(": %1").arg(log->states().size()))) << qPrintable(dueText());

    bool drawn = false;
    QTimer::singleShot(0, [&] {
        QWidget *w = QApplication::activeModalWidget();
        auto *readiness = w ? w->findChild<ReadinessView *>() : nullptr;
        if (readiness) {
            EXPECT_TRUE(readiness->problem().isEmpty()) << qPrintable(readiness->problem());
            for (const char *name : {"readinessChart", "forecastChart"}) {
                auto *chart = readiness->findChild<QWidget *>(QLatin1String(name));
                EXPECT_TRUE(chart && chart->isVisible()) << name;
            }
            drawn = readiness->chartCount() == 2;
        }
        if (w)
            w->close();
    });
    QTest::keyClick(t.window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(drawn);
    qunsetenv("ORVIK3_PRACTICE_NOW");
}

} // namespace

int main(int argc, char **argv) { return orvik3::test::runOnPrivateXServer(argc, argv); }
