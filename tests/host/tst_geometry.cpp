// Geometry checked against hand-worked textbook values and against
// independent vector formulas (cross/dot products, vector sum of the wind
// triangle), never against the same expressions the code uses.

#include "nav/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace orvik3::host::nav;

namespace {

constexpr double kEps = 1e-9;
constexpr double kDeg = std::numbers::pi / 180.0;

// Angle equality that treats 359.9999999 and 0 as equal.
::testing::AssertionResult sameAngle(double actual, double expected, double tol = 1e-6)
{
    if (std::abs(std::remainder(actual - expected, 360.0)) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}

// Unit vector along a bearing, x east / y north.
Point dir(double deg) { return {std::sin(deg * kDeg), std::cos(deg * kDeg)}; }
double cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }

} // namespace

TEST(Angles, NormalizeAndDifference)
{
    struct Case { double in, norm; };
    for (const Case c : {Case{360, 0}, {720.5, 0.5}, {-90, 270}, {-1e-15, 0}}) {
        const double n = normalizeDegrees(c.in);
        EXPECT_TRUE(n >= 0.0 && n < 360.0) << c.in;
        EXPECT_NEAR(n, c.norm, kEps) << c.in;
    }
    struct Diff { double to, from, expected; };
    for (const Diff d : {Diff{10, 350, 20}, {350, 10, -20}, {0, 180, 180}, {271, 90, -179}})
        EXPECT_NEAR(angleDifference(d.to, d.from), d.expected, kEps) << d.to << " from " << d.from;
}

TEST(Bearings, PlaneGeometryAndStationBearings)
{
    const double r3 = std::sqrt(3.0), a34 = std::atan(3.0 / 4.0) / kDeg; // 3-4-5 triangle: 36.87 deg
    struct Case { Point from, to; double bearing, dist; };
    // The last case is coincident: defined, not NaN.
    for (const Case &c : {Case{{0, 0}, {5, 0}, 90, 5}, {{0, 0}, {-3, -4}, 180 + a34, 5},
                          {{5, 5}, {4, 5 + r3}, 330, 2}, {{10, -10}, {10, -10}, 0, 0}}) {
        EXPECT_TRUE(sameAngle(bearing(c.from, c.to), c.bearing)) << c.to.x << "," << c.to.y;
        EXPECT_NEAR(distance(c.from, c.to), c.dist, kEps);
        const Point back = offset(c.from, c.bearing, c.dist);
        EXPECT_NEAR(back.x, c.to.x, kEps);
        EXPECT_NEAR(back.y, c.to.y, kEps);
    }
    struct Station { Point aircraft, station; double heading, qdm, qdr, rb; };
    // South-west of the station; station on the left wing tip; due south heading east.
    for (const Station &c : {Station{{-3, -4}, {0, 0}, 350, a34, 180 + a34, a34 + 10},
                             {{12, 3}, {2, 3}, 0, 270, 90, 270}, {{0, -10}, {0, 0}, 90, 0, 180, 270}}) {
        EXPECT_TRUE(sameAngle(qdm(c.aircraft, c.station), c.qdm));
        EXPECT_TRUE(sameAngle(qdr(c.aircraft, c.station), c.qdr));
        EXPECT_TRUE(sameAngle(relativeBearing(c.aircraft, c.heading, c.station), c.rb));
    }
}

TEST(Trends, HandWorkedAndFiniteDifference)
{
    // Station at the origin, aircraft 10 NM south of it (radial 180).
    const Point south{0, -10};
    struct Case { double track; Trend expected; };
    for (const Case c : {Case{0, Trend::Constant}, {0.5, Trend::Constant}, {179.2, Trend::Constant},
                         {3, Trend::Decrease}, {357, Trend::Increase}}) {
        EXPECT_EQ(qdrTrend(south, c.track, {0, 0}), c.expected) << "track " << c.track;
        EXPECT_EQ(qdmTrend(south, c.track, {0, 0}), c.expected) << "track " << c.track;
    }
    EXPECT_EQ(qdmTrend({4, 4}, 123, {4, 4}), Trend::Constant); // on the station
    EXPECT_EQ(qdmTrend(south, 4, {0, 0}, 5.0), Trend::Constant);

    // Around the compass: fly a short distance and see where the radial went.
    const Point station{3, -2};
    for (double radial = 0; radial < 360; radial += 20) {
        for (double dist : {0.5, 60.0}) {
            const Point ac = offset(station, radial, dist);
            for (double track = 0; track < 360; track += 15) {
                const double off = std::abs(angleDifference(track, radial));
                if (off <= 1.0 || off >= 179.0)
                    continue;
                const Point next{ac.x + 1e-4 * dist * std::sin(track * kDeg), ac.y + 1e-4 * dist * std::cos(track * kDeg)};
                const double moved = std::remainder(
                    std::atan2(next.x - station.x, next.y - station.y) / kDeg - radial, 360.0);
                EXPECT_EQ(qdrTrend(ac, track, station), moved > 0 ? Trend::Increase : Trend::Decrease)
                    << "radial " << radial << " dist " << dist << " track " << track;
            }
        }
    }
}

TEST(Cdi, HandWorkedAndLateralOffsetFromTheCourseLine)
{
    struct Case { double radial, course, deviation; ToFrom flag; double needle; };
    // West of the inbound course: fly right; outbound east of radial 360; pegged; abeam.
    for (const Case c : {Case{190, 360, 10, ToFrom::To, 10}, {5, 360, -5, ToFrom::From, -5},
                         {240, 90, -30, ToFrom::To, -10}, {90, 360, -90, ToFrom::Off, -10}}) {
        const CdiIndication ind = cdiIndication(c.radial, c.course);
        EXPECT_NEAR(ind.deviationDeg, c.deviation, kEps) << c.radial << "/" << c.course;
        EXPECT_NEAR(ind.needleDeg, c.needle, kEps) << c.radial << "/" << c.course;
        EXPECT_EQ(ind.flag, c.flag) << c.radial << "/" << c.course;
        EXPECT_EQ(ind.fullScale, std::abs(c.deviation) >= 10);
    }
    EXPECT_EQ(cdiIndication(95, 0, 10).flag, ToFrom::Off);
    EXPECT_EQ(cdiIndication(79, 0, 10).flag, ToFrom::From);

    for (double course = 0; course < 360; course += 15) {
        for (double radial = 0; radial < 360; radial += 7) {
            if (std::abs(std::abs(angleDifference(radial, course)) - 90.0) < 0.5)
                continue;
            const Point p = offset({0, 0}, radial, 10);
            const Point d = dir(course);
            // Left of the course line (cross > 0) means the needle shows right.
            const CdiIndication ind = cdiIndication(radial, course);
            EXPECT_NEAR(ind.deviationDeg, std::asin(cross(d, p) / 10.0) / kDeg, 1e-6) << radial << "/" << course;
            EXPECT_EQ(ind.flag, dot(d, p) < 0 ? ToFrom::To : ToFrom::From) << radial << "/" << course;
        }
    }
}

TEST(Wind, TextbookTableWithTheArcsineCorrection)
{
    struct Case { double course, tas, windFrom, windSpeed, headwind, crosswind; Side side; };
    const double s45 = std::sin(45 * kDeg);
    const Case cases[] = {
        {360, 100, 90, 20, 0, 20, Side::Right}, // asin(0.2) = 11.54 deg
        {90, 120, 270, 30, -30, 0, Side::None},
        {90, 120, 90, 30, 30, 0, Side::None},
        {0, 120, 300, 20, 10, 20 * std::sin(60 * kDeg), Side::Left},
        {180, 150, 225, 40, 40 * s45, 40 * s45, Side::Right},
        {270, 90, 270, 0, 0, 0, Side::None}, // calm
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "course " << c.course << " wind " << c.windFrom << "/" << c.windSpeed);
        const auto s = solveWind(c.course, c.tas, c.windFrom, c.windSpeed);
        ASSERT_TRUE(s.has_value());
        EXPECT_NEAR(s->components.headwindKt, c.headwind, 1e-6);
        EXPECT_NEAR(s->components.crosswindKt, c.crosswind, 1e-6);
        EXPECT_EQ(s->components.crosswindFrom, c.side);
        const double wca = (c.side == Side::Left ? -1 : 1) * std::asin(c.crosswind / c.tas) / kDeg;
        EXPECT_NEAR(s->wcaDeg, wca, 1e-6);
        EXPECT_TRUE(sameAngle(s->headingDeg, c.course + wca));
        EXPECT_NEAR(s->groundspeedKt, c.tas * std::cos(wca * kDeg) - c.headwind, 1e-6);
    }
    EXPECT_NEAR(solveWind(360, 100, 90, 20)->wcaDeg, 11.536959, 1e-6);
    EXPECT_NEAR(solveWind(0, 120, 300, 20)->groundspeedKt, 108.743421, 1e-6);
}

TEST(Wind, HeadingMakesGoodTheCourseByVectorSum)
{
    for (double course = 0; course < 360; course += 30) {
        for (double windFrom = 5; windFrom < 360; windFrom += 40) {
            for (double windSpeed : {5.0, 60.0}) {
                const double tas = 110;
                const auto s = solveWind(course, tas, windFrom, windSpeed);
                ASSERT_TRUE(s.has_value());
                const Point air = dir(s->headingDeg), windTo = dir(windFrom + 180);
                const Point ground{tas * air.x + windSpeed * windTo.x, tas * air.y + windSpeed * windTo.y};
                EXPECT_TRUE(sameAngle(bearing({0, 0}, ground), course, 1e-6)) << course << " " << windFrom << "/" << windSpeed;
                EXPECT_NEAR(std::hypot(ground.x, ground.y), s->groundspeedKt, 1e-6);
            }
        }
    }
}

TEST(Wind, ImpossibleCasesAndLegTime)
{
    EXPECT_FALSE(solveWind(0, 50, 90, 60).has_value()); // crosswind above TAS
    EXPECT_FALSE(solveWind(0, 50, 0, 60).has_value());  // headwind above TAS
    EXPECT_FALSE(solveWind(0, 0, 0, 10).has_value());
    EXPECT_FALSE(solveWind(0, 50, 90, 50).has_value()); // crab 90 deg: no headway
    EXPECT_TRUE(solveWind(0, 50, 90, 49).has_value());

    struct Case { double dist, gs; int min, sec; }; // 59.6 s rounds up into the next minute
    for (const Case c : {Case{30, 120, 15, 0}, {10, 97, 6, 11}, {0.5, 120, 0, 15}, {0.993333, 60, 1, 0}}) {
        const auto t = legTime(c.dist, c.gs);
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(t->minutes * 60 + t->seconds, c.min * 60 + c.sec) << c.dist << " NM at " << c.gs;
        EXPECT_LT(t->seconds, 60);
        EXPECT_NEAR(t->totalSeconds, c.dist / c.gs * 3600, 1e-9);
    }
    EXPECT_FALSE(legTime(10, 0).has_value());
    EXPECT_FALSE(legTime(10, -5).has_value());
}

TEST(DmeArc, JoiningLeadAndFinalTurns)
{
    using enum ArcDirection;
    struct Join { double heading, radial; ArcDirection dir; double arcHdg; Turn turn; };
    // Outbound and inbound, maintain, across north, and a reversal (right by convention).
    for (const Join c : {Join{90, 90, Clockwise, 180, Turn::Right}, {270, 90, Clockwise, 180, Turn::Left},
                         {270, 90, Counterclockwise, 0, Turn::Right}, {180, 90, Clockwise, 180, Turn::Maintain},
                         {182, 90, Clockwise, 180, Turn::Left}, {350, 300, Clockwise, 30, Turn::Right},
                         {90, 180, Clockwise, 270, Turn::Right}}) {
        EXPECT_TRUE(sameAngle(arcHeading(c.radial, c.dir), c.arcHdg)) << c.heading << " " << c.radial;
        EXPECT_EQ(turnToJoinArc(c.heading, c.radial, c.dir), c.turn) << c.heading << " " << c.radial;
    }
    struct Lead { double finalRadial; ArcDirection dir; double lead, radius, leadAngle, leadRadial; };
    // The lead radial comes before the final radial in the direction of flight, across north too.
    for (const Lead c : {Lead{180, Clockwise, 1, 10, 6, 174}, {180, Counterclockwise, 1, 10, 6, 186},
                         {5, Clockwise, 2, 12, 10, 355}, {355, Counterclockwise, 2, 12, 10, 5}}) {
        EXPECT_NEAR(leadAngle(c.lead, c.radius), c.leadAngle, kEps);
        EXPECT_TRUE(sameAngle(leadRadial(c.finalRadial, c.dir, c.lead, c.radius), c.leadRadial)) << c.finalRadial;
    }
    EXPECT_EQ(shorterArcDirection(10, 350), Counterclockwise);
    EXPECT_EQ(shorterArcDirection(350, 10), Clockwise);
    // Inbound turns toward the station, which is on the right of a clockwise arc.
    EXPECT_EQ(turnOntoFinal(Clockwise, true), Turn::Right);
    EXPECT_EQ(turnOntoFinal(Clockwise, false), Turn::Left);
    EXPECT_EQ(turnOntoFinal(Counterclockwise, true), Turn::Left);
}
