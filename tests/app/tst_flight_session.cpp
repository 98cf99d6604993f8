// Flying it yourself: where the aircraft goes over time, with and without wind and turns.

#include "situation/FlightSession.h"
#include "TrainerTestKit.h"

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
