// The host's reactions to the control's signal properties.

#include "ControlSignals.h"
#include "TrainerHost.h"
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

TEST(HostReactions, TrainerHostWithTheControl)
{
    test::Installation inst;
    inst.writeType(6, 3);
    inst.writeType(8, 1);
    TrainerHost host(memoryServices());
    QSignalSpy shown(&host, &TrainerHost::questionShown);
    QSignalSpy solution(&host, &TrainerHost::solutionRequested);
    QSignalSpy fly(&host, &TrainerHost::flyRequested);
    QSignalSpy flyEnded(&host, &TrainerHost::flyEnded);
    QSignalSpy ended(&host, &TrainerHost::exerciseEnded);
    host.setBasePath(inst.base());

    host.startExercise(6);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0][0].toString(), inst.sessionPath(QStringLiteral("t6_0.session")));
    EXPECT_EQ(shown[0][1].toInt(), 6);
    host.displayQuestion();
    EXPECT_EQ(shown.last()[0].toString(), inst.sessionPath(QStringLiteral("t6_1.session")));

    // The control shows the solution: the host draws it and clears the signal again.
    host.control()->setC_showResult(6);
    host.sync();
    EXPECT_EQ(solution.size(), 1);
    EXPECT_EQ(host.control()->c_showResult(), 0);

    // "Selber Fliegen" on the QDM/QDR panel.
    ASSERT_TRUE(host.control()->control(QStringLiteral("Command15")).click());
    host.panelActed();
    ASSERT_EQ(fly.size(), 1);
    EXPECT_EQ(fly[0][0].toInt(), 3);
    EXPECT_EQ(fly[0][1].toDouble(), 3.0);
    EXPECT_EQ(host.control()->control(QStringLiteral("Frame20")).height(), 1100);
    host.giveBackPanel();
    EXPECT_EQ(host.control()->c_QAFly(), -3);
    EXPECT_EQ(host.control()->control(QStringLiteral("Frame20")).height(), 4250);
    EXPECT_EQ(flyEnded.size(), 1);

    // "Abbrechen" ends the exercise.
    ASSERT_TRUE(host.control()->control(QStringLiteral("Command8")).click());
    host.panelActed();
    EXPECT_EQ(ended.size(), 1);
    EXPECT_EQ(host.currentType(), 0);

    // Starting the same type again puts up its first question even though the name repeats.
    host.startExercise(8);
    host.startExercise(8);
    EXPECT_EQ(shown.last()[0].toString(), inst.sessionPath(QStringLiteral("t8_0.session")));
    EXPECT_EQ(shown.size(), 4);
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

TEST(HostReactions, ControlErrorsAreReportedNotThrown)
{
    // A power-tip window whose file cannot be read.
    struct BrokenTips : PowerTipWindow {
        void setFileName(const QString &path) override { file = path; }
        void load() override { throw Error(ErrorKind::FileFailure, file + QStringLiteral(" cannot be read")); }
        void show(int) override {}
        QString file;
    };
    Services s = memoryServices();
    s.powerTipFactory = [] { return std::make_unique<BrokenTips>(); };
    TrainerHost host(s);
    host.setBasePath(QStringLiteral("nowhere"));
    QSignalSpy failed(&host, &TrainerHost::failed);
    host.loadPowerTip();
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0][0].toString().contains(QStringLiteral("pwr.rtf")));
}

// Whatever a handler raises reaches the trainee as one sentence: its kind said once, an
// allocation failure as such rather than a bare "std::bad_alloc", and where it happened.
TEST(HostReactions, FailuresSayTheirKindOnceAndWhere)
{
    struct Row {
        const char *name;
        std::function<void()> raise;
        const char *kind;
    };
    const Row rows[] = {
        {"file_failure", [] { throw Error(ErrorKind::FileFailure, QStringLiteral("pwr.rtf: is a pipe (FIFO)")); },
         "file failure"},
        {"store_failure", [] { throw Error(ErrorKind::StoreFailure, QStringLiteral("avx1.ini: larger than 4 MB")); },
         "store failure"},
        {"out_of_memory", [] { throw std::bad_alloc(); }, "out of memory"},
        {"other_exception", [] { throw std::runtime_error("odd"); }, "control failure"},
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
        QSignalSpy failed(&host, &TrainerHost::failed);
        host.loadPowerTip();
        ASSERT_EQ(failed.size(), 1);
        const QString message = failed[0][0].toString();
        EXPECT_TRUE(message.startsWith(QLatin1String(row.kind) + QStringLiteral(": "))) << qPrintable(message);
        EXPECT_EQ(message.count(QLatin1String(row.kind)), 1) << qPrintable(message);
        EXPECT_TRUE(message.contains(QStringLiteral("qdm.sty, question 1 of 2"))) << qPrintable(message);
        EXPECT_EQ(host.currentType(), 6) << "a failed handler leaves the exercise as it was";
    }
}
