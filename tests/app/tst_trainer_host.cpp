// The host's reactions to the control's signal properties and its typed verdicts.

#include "panel/ControlSignals.h"
#include "panel/TrainerHost.h"
#include "TrainerTestKit.h"

#include <orvik3/QAform.h>

#include <QSignalSpy>

#include <functional>
#include <new>
#include <stdexcept>
#include <gtest/gtest.h>

using namespace orvik3;
using namespace orvik3::trainer;

namespace {

ControlSignals sig(const char *session, qint16 result, qint16 fly, qint16 type, qint16 delta = 0)
{
    return {QString::fromLatin1(session), result, fly, type, delta};
}

Services memoryServices()
{
    Services s;
    s.settings = std::make_shared<MemorySettingsStore>();
    s.random = std::make_shared<ScriptedRandomSource>(std::vector<float>{0.0f});
    return s;
}

} // namespace

TEST(HostReactions, EachSignalValue)
{
    struct Row {
        const char *what;
        ControlChanges changed; // what the control announced
        ControlSignals now;     // sig(session, showResult, fly, type, trackDelta)
        bool load = false, solution = false, chooser = false;
        int fly = 0;
        double rate = 0;
    };
    const ControlChanges session{.sessionFile = true}, result{.showResult = true}, fly{.fly = true},
        resultAndFly{.showResult = true, .fly = true}, type{.type = true};
    const Row rows[] = {
        {.what = "new session name", .changed = session, .now = sig("b", 0, 0, 6), .load = true},
        {.what = "same question again after Weiter", .changed = result, .now = sig("a", 2, 0, 6), .load = true},
        {.what = "nothing changed", .now = sig("a", 0, 0, 6)},
        {.what = "result cleared by the host", .changed = result, .now = sig("a", 0, 0, 6)},
        {.what = "solution, position and ADF", .changed = result, .now = sig("a", 1, 0, 1), .solution = true},
        {.what = "solution, other families", .changed = result, .now = sig("a", 6, 0, 8), .solution = true},
        {.what = "fly holding", .changed = resultAndFly, .now = sig("a", 4, 2, 3, 3), .fly = 2, .rate = 3},
        {.what = "fly QDM/QDR", .changed = resultAndFly, .now = sig("a", 4, 3, 6, 3), .fly = 3, .rate = 3},
        {.what = "fly wind, no rate given", .changed = resultAndFly, .now = sig("a", 4, 4, 8, 0), .fly = 4, .rate = 3},
        {.what = "fly again with the code unchanged", .changed = result, .now = sig("a", 4, 4, 8, 3), .fly = 4, .rate = 3},
        {.what = "fly code already acted on", .now = sig("a", 0, 4, 8, 3)},
        {.what = "panel given back", .changed = fly, .now = sig("a", 0, -4, 8, 3)},
        {.what = "host's own code is no request", .changed = fly, .now = sig("a", 0, -5, 5)},
        {.what = "cancel", .changed = type, .now = sig("a", 0, 0, 0), .chooser = true},
        {.what = "cancel seen already", .now = sig("a", 0, 0, 0)},
    };
    for (const Row &r : rows) {
        const HostReaction h = react(r.changed, r.now);
        SCOPED_TRACE(r.what);
        EXPECT_EQ(h.loadSession, r.load);
        EXPECT_EQ(h.showSolution, r.solution);
        EXPECT_EQ(h.toChooser, r.chooser);
        EXPECT_EQ(h.flyCode, r.fly);
        if (r.fly)
            EXPECT_EQ(h.turnRate, r.rate);
        EXPECT_EQ(h.resetShowResult, r.now.showResult != 0 && r.now.type != 0);
    }
}

TEST(HostReactions, VerdictsAndClosingsFromTheControl)
{
    test::Installation inst;
    inst.writeType(1, 2);
    TrainerHost host(memoryServices());
    QSignalSpy judged(&host, &TrainerHost::rowJudged), closed(&host, &TrainerHost::questionClosed),
        shown(&host, &TrainerHost::questionShown);
    host.setBasePath(inst.base());
    host.startExercise(1);
    // The study file stores 100 for every answer: list entry 21 (100°) is right.
    host.control()->control(QStringLiteral("Combo1")).choose(21);
    host.control()->control(QStringLiteral("Combo2")).choose(1);
    ASSERT_EQ(judged.size(), 2);
    EXPECT_EQ(judged[0], (QVariantList{1, true, QStringLiteral("100")}));
    EXPECT_EQ(judged[1], (QVariantList{2, false, QStringLiteral("000")}));
    EXPECT_TRUE(closed.isEmpty());
    // Wrong in file order: closed, counted wrong, and the same question again.
    host.next();
    ASSERT_EQ(closed.size(), 1);
    EXPECT_EQ(closed[0], (QVariantList{0, true, false, true}));
    EXPECT_EQ(host.control()->currentQuestion(), 0);
    EXPECT_EQ(shown.size(), 2);
    // Nothing answered: closed, nothing counted, on to the next.
    host.next();
    EXPECT_EQ(closed.last(), (QVariantList{0, false, false, false}));
    EXPECT_EQ(host.control()->currentQuestion(), 1);
}

struct CutRow {
    int type;
    const char *frame;
    bool cut;
};

TEST(HostReactions, SolutionCutsThePanelsThatFlyAndNextGivesItBack)
{
    for (const CutRow row : {CutRow{6, "Frame20", true}, CutRow{8, "Frame29", true}, CutRow{3, "Frame2", true},
                             CutRow{5, "Frame11", false}, CutRow{1, "Frame1", false}}) {
        SCOPED_TRACE(row.type);
        test::Installation inst;
        inst.writeType(row.type, 2);
        TrainerHost host(memoryServices());
        host.setBasePath(inst.base());
        host.startExercise(row.type);
        QSignalSpy solution(&host, &TrainerHost::solutionRequested);
        const FormControl &frame = host.control()->control(QLatin1String(row.frame));
        const int full = frame.height();
        host.showSolution();
        EXPECT_EQ(solution.size(), 1);
        EXPECT_EQ(host.panelShrunk(), row.cut);
        EXPECT_EQ(frame.height(), row.cut ? 1100 : full);
        host.next();
        EXPECT_FALSE(host.panelShrunk());
        EXPECT_EQ(frame.height(), full);
        EXPECT_EQ(host.control()->currentQuestion(), 1);
    }
}

TEST(HostReactions, FlyGiveBackAndCancel)
{
    test::Installation inst;
    inst.writeType(6, 2);
    TrainerHost host(memoryServices());
    QSignalSpy fly(&host, &TrainerHost::flyRequested), flyEnded(&host, &TrainerHost::flyEnded),
        ended(&host, &TrainerHost::exerciseEnded), shown(&host, &TrainerHost::questionShown);
    host.setBasePath(inst.base());
    host.startExercise(6);
    ASSERT_TRUE(host.control()->control(QStringLiteral("Command15")).click());
    host.panelActed();
    ASSERT_EQ(fly.size(), 1);
    EXPECT_EQ(fly[0], (QVariantList{3, 3.0}));
    EXPECT_TRUE(host.panelShrunk());
    host.giveBackPanel();
    EXPECT_EQ(host.control()->c_QAFly(), -3);
    EXPECT_EQ(flyEnded.size(), 1);
    EXPECT_FALSE(host.panelShrunk());
    ASSERT_TRUE(host.control()->control(QStringLiteral("Command8")).click());
    host.panelActed();
    EXPECT_EQ(ended.size(), 1);
    EXPECT_EQ(host.currentType(), 0);
    // Starting it again puts up its first question, though the session's name repeats.
    host.startExercise(6);
    EXPECT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.last()[0].toString(), inst.sessionPath(QStringLiteral("t6_0.session")));
}

TEST(HostReactions, LanguageSwitchMakesANewControl)
{
    test::Installation inst;
    inst.writeType(5, 1);
    // Only the English file of type 5 has two questions.
    inst.writeType(11, 2);
    TrainerHost host(memoryServices());
    QSignalSpy created(&host, &TrainerHost::controlCreated);
    host.setBasePath(inst.base());
    host.startExercise(5);
    EXPECT_EQ(host.control()->lastQuestion(), 0);
    const QAform *german = host.control();

    host.setLanguage(Language::English);
    ASSERT_EQ(created.size(), 1);
    EXPECT_NE(host.control(), german);
    EXPECT_FALSE(host.control()->texts().isGerman());
    EXPECT_EQ(host.control()->c_QAtype(), 5) << "the running exercise starts again";
    EXPECT_EQ(host.control()->lastQuestion(), 1);
    EXPECT_EQ(host.control()->c_MainAppPath(), inst.base());
}

// Whatever a handler raises reaches the trainee as one sentence: its kind said once, an
// allocation failure as such rather than a bare "std::bad_alloc", and where it happened.
TEST(HostReactions, FailuresSayTheirKindOnceAndWhere)
{
    struct Row {
        const char *name;
        std::function<void()> raise;
        const char *kind;
        bool ended = false; // the exercise was left before
    };
    const Row rows[] = {
        {"file_failure", [] { throw Error(ErrorKind::FileFailure, QStringLiteral("pwr.rtf: is a pipe (FIFO)")); },
         "file failure"},
        {"store_failure", [] { throw Error(ErrorKind::StoreFailure, QStringLiteral("avx1.ini: larger than 4 MB")); },
         "store failure"},
        {"out_of_memory", [] { throw std::bad_alloc(); }, "out of memory"},
        {"other_exception", [] { throw std::runtime_error("odd"); }, "control failure"},
        {"after_the_exercise_ended", [] { throw std::runtime_error("odd"); }, "control failure", true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        struct Throwing : PowerTipWindow {
            std::function<void()> raise;
            void setFileName(const QString &) override {}
            void load() override { raise(); }
            void show(int) override {}
        };
        test::Installation inst;
        inst.writeType(6, 2);
        Services s = memoryServices();
        s.powerTipFactory = [&] {
            auto w = std::make_unique<Throwing>();
            w->raise = row.raise;
            return w;
        };
        TrainerHost host(s);
        host.setBasePath(inst.base());
        host.startExercise(6);
        if (row.ended)
            host.endExercise();
        QSignalSpy failed(&host, &TrainerHost::failed);
        host.loadPowerTip();
        ASSERT_EQ(failed.size(), 1);
        const QString message = failed[0][0].toString();
        EXPECT_TRUE(message.startsWith(QLatin1String(row.kind) + QStringLiteral(": "))) << qPrintable(message);
        EXPECT_EQ(message.count(QLatin1String(row.kind)), 1) << qPrintable(message);
        EXPECT_TRUE(message.contains(QStringLiteral("qdm.sty, question 1 of 2"))) << qPrintable(message);
        EXPECT_EQ(host.currentType(), row.ended ? 0 : 6) << "a failed handler leaves the exercise as it was";
    }
}
