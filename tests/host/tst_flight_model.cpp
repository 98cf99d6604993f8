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

TEST(FlightModel, StraightFlightInStillAirAndInWind)
{
    struct Case { double heading, tas, windFrom, windSpeed, seconds; Point end; };
    const Case cases[] = {
        {90, 120, 0, 0, 60, {2, 0}}, // 120 kt for a minute is 2 NM
        {180, 90, 0, 0, 120, {0, -3}},
        {45, 100, 0, 0, 36, {std::sqrt(0.5), std::sqrt(0.5)}},
        // North at 100 kt with 20 kt from the west: an hour drifts 20 NM east.
        {0, 100, 270, 20, 3600, {20, 100}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "hdg " << c.heading << " wind " << c.windFrom << "/" << c.windSpeed);
        FlightModel m({0, 0}, c.heading, c.tas);
        m.setWind(c.windFrom, c.windSpeed);
        flyStraight(m, c.seconds, 7);
        EXPECT_NEAR(m.position().x, c.end.x, 1e-9);
        EXPECT_NEAR(m.position().y, c.end.y, 1e-9);
        EXPECT_NEAR(m.groundspeed(), std::hypot(c.end.x, c.end.y) * 3600 / c.seconds, 1e-9);
        EXPECT_NEAR(std::remainder(m.track() - std::atan2(c.end.x, c.end.y) / kDeg, 360.0), 0, 1e-9);
        EXPECT_NEAR(m.heading(), c.heading, 1e-12); // wind never changes the heading
    }
}

TEST(FlightModel, CorrectedHeadingHoldsTheCourseAsTheWindTriangleSays)
{
    struct Case { double course, tas, windFrom, windSpeed; };
    for (const Case &c : {Case{0, 100, 90, 20}, {90, 120, 30, 35}, {225, 150, 200, 45}, {300, 80, 120, 15}}) {
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

TEST(FlightModel, TurnsFollowTheTurnCircleWhateverTheStepSize)
{
    // Rate-one turn at 120 kt: radius = V / omega.
    const double radius = (120.0 / 3600.0) / (3 * kDeg);
    struct Case { double rate, seconds, endHeading; Point end; };
    const Case cases[] = {
        {3, 60, 180, {2 * radius, 0}},   // half circle to the right
        {-3, 60, 180, {-2 * radius, 0}}, // half circle to the left
        {3, 30, 90, {radius, radius}},   // quarter circle
        {0, 60, 0, {0, 2}},              // zero rate is a straight step
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "rate " << c.rate << " for " << c.seconds);
        FlightModel m({0, 0}, 0, 120);
        m.turn(c.rate, c.seconds);
        EXPECT_NEAR(std::remainder(m.heading() - c.endHeading, 360.0), 0, 1e-9);
        EXPECT_NEAR(m.position().x, c.end.x, 1e-9);
        EXPECT_NEAR(m.position().y, c.end.y, 1e-9);
    }

    FlightModel whole({1, 1}, 30, 140);
    whole.setWind(200, 25);
    FlightModel pieces = whole;
    whole.turn(3, 120);
    for (int i = 0; i < 40; ++i)
        pieces.turn(3, 3);
    // A full circle in moving air ends displaced by two minutes of wind, in one step or forty.
    const Point drift = offset({1, 1}, 20, 25.0 * 120 / 3600);
    for (const FlightModel &m : {whole, pieces}) {
        EXPECT_NEAR(m.position().x, drift.x, 1e-9);
        EXPECT_NEAR(m.position().y, drift.y, 1e-9);
        EXPECT_NEAR(std::remainder(m.heading() - 30, 360.0), 0, 1e-9);
    }
}
