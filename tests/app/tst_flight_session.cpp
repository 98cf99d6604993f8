// Flying it yourself: where the aircraft goes over time, with and without wind and turns, and
// how the arrow keys turn it.

#include "situation/FlightSession.h"
#include "TrainerTestKit.h"
#include "view/FlightBar.h"
#include "view/FlightKeys.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvik3::trainer;
namespace host = orvik3::host;
namespace nav = orvik3::host::nav;

namespace {

Situation situation(nav::Point at, double heading, double tas, std::optional<host::Wind> wind = std::nullopt)
{
    Situation s;
    s.type = 8;
    host::Session session;
    session.stations.push_back({QStringLiteral("ST"), host::StationKind::Vor, {0, 0}});
    session.aircraft = {at, heading, tas};
    session.wind = wind;
    s.session = session;
    s.start = {at, heading};
    s.resetAircraft();
    return s;
}

} // namespace

TEST(Flying, StillAirAndWindTriangle)
{
    FlightSession flight;
    flight.start(situation({0, 0}, 90, 120), 3);
    flight.setPaused(true);
    flight.advance(60);
    EXPECT_NEAR(flight.aircraft().position.x, 2.0, 1e-9) << "120 kt for one minute is 2 NM";
    EXPECT_NEAR(flight.aircraft().position.y, 0.0, 1e-9);
    EXPECT_NEAR(flight.elapsedSeconds(), 60.0, 1e-9);

    // A wind from the south pushes the aircraft north of its heading by the drift angle.
    flight.start(situation({0, 0}, 90, 100, host::Wind{180, 20, std::nullopt}), 3);
    flight.setPaused(true);
    flight.advance(180);
    EXPECT_NEAR(flight.aircraft().position.x, 5.0, 1e-9);
    EXPECT_NEAR(flight.aircraft().position.y, 1.0, 1e-9);
    EXPECT_NEAR(flight.model().track(), 90 - std::atan2(20, 100) * 180 / M_PI, 1e-9);

    // Flying the heading the wind triangle gives makes good the course at its groundspeed.
    const auto w = nav::solveWind(90, 100, 140, 30);
    ASSERT_TRUE(w);
    flight.start(situation({0, 0}, w->headingDeg, 100, host::Wind{140, 30, std::nullopt}), 3);
    flight.setPaused(true);
    flight.advance(120);
    EXPECT_NEAR(flight.aircraft().position.y, 0.0, 1e-9);
    EXPECT_NEAR(flight.aircraft().position.x, w->groundspeedKt / 30.0, 1e-9);
}

TEST(Flying, TurnsAtTheTrackDeltaAndRestarts)
{
    FlightSession flight;
    flight.start(situation({1, 1}, 0, 120), 3);
    flight.setPaused(true);
    flight.setTurn(1);
    flight.advance(30);
    EXPECT_NEAR(flight.aircraft().headingDeg, 90, 1e-9);
    flight.setTurn(-1);
    flight.advance(10);
    EXPECT_NEAR(flight.aircraft().headingDeg, 60, 1e-9);
    flight.setTurn(0);
    flight.advance(20);
    EXPECT_NEAR(flight.aircraft().headingDeg, 60, 1e-9);
    // The track follows the aircraft and starts where the situation does.
    EXPECT_GT(flight.track().size(), 20u);
    EXPECT_EQ(flight.track().front(), (nav::Point{1, 1}));
    EXPECT_LT(nav::distance(flight.track().back(), flight.aircraft().position), 0.06);

    flight.restart();
    EXPECT_EQ(flight.aircraft().position, (nav::Point{1, 1}));
    EXPECT_EQ(flight.aircraft().headingDeg, 0);
    EXPECT_EQ(flight.track().size(), 1u);
    EXPECT_EQ(flight.turn(), 0);
    EXPECT_FALSE(flight.isPaused());

    // A faster turn rate from the control is honoured; none at all means rate one.
    flight.start(situation({0, 0}, 0, 120), 6);
    flight.setPaused(true);
    flight.setTurn(-1);
    flight.advance(10);
    EXPECT_NEAR(flight.aircraft().headingDeg, 300, 1e-9);
    flight.start(situation({0, 0}, 0, 120), 0);
    EXPECT_EQ(flight.turnRate(), 3.0);
    flight.stop();
    EXPECT_FALSE(flight.isActive());
}

// The arrow keys while flying: a tap turns one step (a second of turning at the rate) even
// when the key is up at once, holding turns on until it is let go; the bar's hint says both.
struct KeyRow {
    const char *name;
    int key;
    double heldS;        // flight time run while the key is down
    int heldMs;          // real time between press and release; a step is a second
    bool turnsAfterUp;   // still turning the moment the key is up: the rest of the step
    double headingAfter; // after one more second of flight time
};

class FlightKeyTaps : public testing::TestWithParam<KeyRow> {};

TEST_P(FlightKeyTaps, TapTurnsOneStepHoldTurnsAtTheRate)
{
    const KeyRow &row = GetParam();
    FlightSession flight;
    flight.start(situation({0, 0}, 90, 120), 3);
    flight.setPaused(true); // time is run by hand below
    QWidget target;
    FlightKeys keys(flight);
    target.installEventFilter(&keys);
    QTest::keyPress(&target, Qt::Key(row.key));
    EXPECT_EQ(flight.turn(), row.key == Qt::Key_Left ? -1 : 1);
    flight.advance(row.heldS);
    QTest::qWait(row.heldMs);
    QTest::keyRelease(&target, Qt::Key(row.key));
    EXPECT_EQ(flight.turn() != 0, row.turnsAfterUp);
    flight.advance(1.0);
    EXPECT_NEAR(flight.aircraft().headingDeg, row.headingAfter, 1e-9);
    EXPECT_TRUE(QTest::qWaitFor([&] { return flight.turn() == 0; }, 5000)) << "the step never ended";

    FlightBar bar(flight);
    const QString hint = bar.findChild<QLabel *>()->text();
    EXPECT_TRUE(hint.contains(QStringLiteral("3°")) && hint.contains(QStringLiteral("3°/s"))) << qPrintable(hint);
}

const KeyRow kKeyRows[] = {
    {"tap_right", Qt::Key_Right, 0, 0, true, 93},
    {"tap_left", Qt::Key_Left, 0, 0, true, 87},
    {"held_right_two_seconds", Qt::Key_Right, 2, 1200, false, 96},
};
INSTANTIATE_TEST_SUITE_P(Keys, FlightKeyTaps, testing::ValuesIn(kKeyRows), [](const auto &info) { return std::string(info.param.name); });
