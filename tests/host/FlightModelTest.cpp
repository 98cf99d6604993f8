#include "nav/FlightModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace orvik3::host::nav;

namespace {
constexpr double kDeg = std::numbers::pi / 180.0;

void flyStraight(FlightModel &m, double seconds, int steps)
{
    for (int i = 0; i < steps; ++i)
        m.step(seconds / steps);
}
} // namespace

TEST(FlightModel, StillAirMovesAlongHeading)
{
    struct Case { double heading, tas, seconds; Point end; };
    const Case cases[] = {
        {90, 120, 60, {2, 0}},   // 120 kt for a minute is 2 NM
        {0, 120, 60, {0, 2}},
        {180, 90, 120, {0, -3}},
        {270, 60, 3600, {-60, 0}},
        {45, 100, 36, {std::sqrt(0.5), std::sqrt(0.5)}},
    };
    for (const Case &c : cases) {
        FlightModel m({0, 0}, c.heading, c.tas);
        flyStraight(m, c.seconds, 7);
        EXPECT_NEAR(m.position().x, c.end.x, 1e-9) << "hdg " << c.heading;
        EXPECT_NEAR(m.position().y, c.end.y, 1e-9) << "hdg " << c.heading;
        EXPECT_NEAR(m.groundspeed(), c.tas, 1e-9);
        EXPECT_NEAR(std::remainder(m.track() - c.heading, 360.0), 0, 1e-9);
    }
}

TEST(FlightModel, CorrectedHeadingHoldsTheCourseAsTheWindTriangleSays)
{
    struct Case { double course, tas, windFrom, windSpeed; };
    const Case cases[] = {
        {0, 100, 90, 20}, {90, 120, 30, 35}, {225, 150, 200, 45}, {300, 80, 120, 15},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "course " << c.course << " wind " << c.windFrom);
        const auto sol = solveWind(c.course, c.tas, c.windFrom, c.windSpeed);
        ASSERT_TRUE(sol.has_value());
        const Point start{5, -3};
        FlightModel m(start, sol->headingDeg, c.tas);
        m.setWind(c.windFrom, c.windSpeed);
        flyStraight(m, 1800, 30); // half an hour
        EXPECT_NEAR(std::remainder(bearing(start, m.position()) - c.course, 360.0), 0, 1e-6);
        EXPECT_NEAR(distance(start, m.position()), sol->groundspeedKt / 2, 1e-6);
    }
}

TEST(FlightModel, UncorrectedHeadingDrifts)
{
    // North at 100 kt with 20 kt from the west: drift atan(20/100) to the right.
    FlightModel m({0, 0}, 0, 100);
    m.setWind(270, 20);
    flyStraight(m, 3600, 10);
    EXPECT_NEAR(m.position().x, 20, 1e-9);
    EXPECT_NEAR(m.position().y, 100, 1e-9);
    EXPECT_NEAR(m.track(), std::atan(0.2) / kDeg, 1e-9);
    EXPECT_NEAR(m.groundspeed(), std::hypot(100, 20), 1e-9);
    EXPECT_NEAR(m.heading(), 0, 1e-12); // wind never changes the heading
}

TEST(FlightModel, TurnsFollowTheTurnCircle)
{
    // Rate-one turn at 120 kt: radius = V / omega.
    const double radius = (120.0 / 3600.0) / (3 * kDeg);
    struct Case { double rate, seconds, endHeading; Point end; };
    const Case cases[] = {
        {3, 60, 180, {2 * radius, 0}},     // half circle to the right
        {-3, 60, 180, {-2 * radius, 0}},   // half circle to the left
        {3, 30, 90, {radius, radius}},     // quarter circle
        {3, 120, 0, {0, 0}},               // full circle back to the start
        {0, 60, 0, {0, 2}},                // zero rate is a straight step
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "rate " << c.rate << " for " << c.seconds);
        FlightModel m({0, 0}, 0, 120);
        m.turn(c.rate, c.seconds);
        EXPECT_NEAR(std::remainder(m.heading() - c.endHeading, 360.0), 0, 1e-9);
        EXPECT_NEAR(m.position().x, c.end.x, 1e-9);
        EXPECT_NEAR(m.position().y, c.end.y, 1e-9);
    }
}

TEST(FlightModel, TurnDoesNotDependOnStepSizeAndDriftsWithWind)
{
    FlightModel whole({1, 1}, 30, 140);
    FlightModel pieces = whole;
    whole.setWind(200, 25);
    pieces.setWind(200, 25);
    whole.turn(3, 120);
    for (int i = 0; i < 40; ++i)
        pieces.turn(3, 3);
    EXPECT_NEAR(whole.position().x, pieces.position().x, 1e-9);
    EXPECT_NEAR(whole.position().y, pieces.position().y, 1e-9);
    // A full circle in moving air ends displaced by two minutes of wind.
    const Point drift = offset({1, 1}, 20, 25.0 * 120 / 3600);
    EXPECT_NEAR(whole.position().x, drift.x, 1e-9);
    EXPECT_NEAR(whole.position().y, drift.y, 1e-9);
    EXPECT_NEAR(whole.heading(), 30, 1e-9);
}
