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

// --- angles and bearings ----------------------------------------------------

TEST(Angles, NormalizeAndDifference)
{
    struct Case { double in, norm; };
    for (const Case c : {Case{0, 0}, {360, 0}, {720.5, 0.5}, {-90, 270}, {-1e-15, 0}, {359.5, 359.5}}) {
        const double n = normalizeDegrees(c.in);
        EXPECT_GE(n, 0.0) << c.in;
        EXPECT_LT(n, 360.0) << c.in;
        EXPECT_NEAR(n, c.norm, kEps) << c.in;
    }

    struct Diff { double to, from, expected; };
    for (const Diff d : {Diff{10, 350, 20}, {350, 10, -20}, {180, 0, 180}, {0, 180, 180},
                         {90, 270, 180}, {271, 90, -179}, {45, 45, 0}}) {
        EXPECT_NEAR(angleDifference(d.to, d.from), d.expected, kEps) << d.to << " from " << d.from;
    }
}

TEST(Bearings, PlaneGeometryTable)
{
    const double r3 = std::sqrt(3.0);
    struct Case { Point from, to; double bearing, dist; };
    const Case cases[] = {
        {{0, 0}, {0, 5}, 0, 5},
        {{0, 0}, {5, 0}, 90, 5},
        {{0, 0}, {0, -5}, 180, 5},
        {{0, 0}, {-5, 0}, 270, 5},
        {{0, 0}, {1, 1}, 45, std::sqrt(2.0)},
        {{0, 0}, {-3, -4}, 180 + std::atan(3.0 / 4.0) / kDeg, 5}, // 3-4-5 triangle
        {{5, 5}, {4, 5 + r3}, 330, 2},                            // 30-60-90 triangle
        {{-2, 7}, {-2 + r3, 8}, 60, 2},
        {{10, -10}, {10, -10}, 0, 0}, // coincident: defined, not NaN
    };
    for (const Case &c : cases) {
        EXPECT_TRUE(sameAngle(bearing(c.from, c.to), c.bearing)) << c.to.x << "," << c.to.y;
        EXPECT_NEAR(distance(c.from, c.to), c.dist, kEps);
        const Point back = offset(c.from, c.bearing, c.dist);
        EXPECT_NEAR(back.x, c.to.x, 1e-9);
        EXPECT_NEAR(back.y, c.to.y, 1e-9);
    }
}

TEST(Bearings, QdmQdrAndRelativeBearing)
{
    const double a3_4 = std::atan(3.0 / 4.0) / kDeg; // 36.87 deg
    struct Case { Point aircraft, station; double heading, qdm, qdr, rb; };
    const Case cases[] = {
        // Aircraft SW of the station by a 3-4-5 triangle.
        {{-3, -4}, {0, 0}, 0, a3_4, 180 + a3_4, a3_4},
        {{-3, -4}, {0, 0}, 350, a3_4, 180 + a3_4, a3_4 + 10},
        {{-3, -4}, {0, 0}, a3_4, a3_4, 180 + a3_4, 0},
        // Station off the origin, aircraft due east of it heading north:
        // station on the left wing tip.
        {{12, 3}, {2, 3}, 0, 270, 90, 270},
        // Heading away from the station: it is right behind.
        {{0, 10}, {0, 0}, 360, 180, 0, 180},
        {{0, -10}, {0, 0}, 90, 0, 180, 270},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.aircraft.x << "," << c.aircraft.y << " hdg " << c.heading);
        EXPECT_TRUE(sameAngle(qdm(c.aircraft, c.station), c.qdm));
        EXPECT_TRUE(sameAngle(qdr(c.aircraft, c.station), c.qdr));
        const double rb = relativeBearing(c.aircraft, c.heading, c.station);
        EXPECT_TRUE(sameAngle(rb, c.rb));
        EXPECT_GE(rb, 0.0);
        EXPECT_LT(rb, 360.0);
    }
}

// --- trends -----------------------------------------------------------------

TEST(Trends, HandWorkedCases)
{
    // Station at the origin, aircraft 10 NM south of it (radial 180).
    const Point south{0, -10};
    struct Case { double track; Trend expected; };
    const Case cases[] = {
        {0, Trend::Constant},     // flying to the station
        {180, Trend::Constant},   // flying away from it
        {0.5, Trend::Constant},   // within the 1 deg tolerance
        {179.2, Trend::Constant}, // same, outbound
        {90, Trend::Decrease},    // radial 180 -> 170 -> ...
        {3, Trend::Decrease},
        {270, Trend::Increase},   // radial 180 -> 190 -> ...
        {357, Trend::Increase},
        {135, Trend::Decrease},
        {225, Trend::Increase},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(qdrTrend(south, c.track, {0, 0}), c.expected) << "track " << c.track;
        EXPECT_EQ(qdmTrend(south, c.track, {0, 0}), c.expected) << "track " << c.track;
    }
    EXPECT_EQ(qdmTrend({4, 4}, 123, {4, 4}), Trend::Constant); // on the station
    // A wider tolerance swallows a small closing angle.
    EXPECT_EQ(qdmTrend(south, 4, {0, 0}, 5.0), Trend::Constant);
}

TEST(Trends, AgreeWithFiniteDifferenceAroundTheCompass)
{
    const Point station{3, -2};
    for (double radial = 0; radial < 360; radial += 20) {
        for (double dist : {0.5, 8.0, 60.0}) {
            const Point ac = offset(station, radial, dist);
            for (double track = 0; track < 360; track += 15) {
                const double off = std::abs(angleDifference(track, radial));
                if (off <= 1.0 || off >= 179.0)
                    continue; // tolerance band, checked above
                // Fly a short distance and see where the radial went.
                const Point next{ac.x + 1e-4 * dist * std::sin(track * kDeg),
                                 ac.y + 1e-4 * dist * std::cos(track * kDeg)};
                const double moved = std::remainder(
                    std::atan2(next.x - station.x, next.y - station.y) / kDeg - radial, 360.0);
                const Trend expected = moved > 0 ? Trend::Increase : Trend::Decrease;
                EXPECT_EQ(qdrTrend(ac, track, station), expected)
                    << "radial " << radial << " dist " << dist << " track " << track;
            }
        }
    }
}

// --- HSI / VOR --------------------------------------------------------------

TEST(Cdi, HandWorkedIndications)
{
    struct Case { double radial, course, deviation; ToFrom flag; double needle; };
    const Case cases[] = {
        {180, 360, 0, ToFrom::To, 0},        // on the inbound course
        {190, 360, 10, ToFrom::To, 10},      // west of the course: fly right
        {175, 360, -5, ToFrom::To, -5},      // east of it: fly left
        {5, 360, -5, ToFrom::From, -5},      // outbound, east of radial 360
        {355, 0, 5, ToFrom::From, 5},
        {270, 90, 0, ToFrom::To, 0},
        {300, 90, 30, ToFrom::To, 10},       // pegged right
        {240, 90, -30, ToFrom::To, -10},
        {60, 90, 30, ToFrom::From, 10},
        {90, 360, -90, ToFrom::Off, -10},    // abeam
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "radial " << c.radial << " course " << c.course);
        const CdiIndication ind = cdiIndication(c.radial, c.course);
        EXPECT_NEAR(ind.deviationDeg, c.deviation, kEps);
        EXPECT_NEAR(ind.needleDeg, c.needle, kEps);
        EXPECT_EQ(ind.flag, c.flag);
        EXPECT_EQ(ind.fullScale, std::abs(c.deviation) >= 10);
    }
    EXPECT_EQ(cdiIndication(95, 0, 10).flag, ToFrom::Off);
    EXPECT_EQ(cdiIndication(79, 0, 10).flag, ToFrom::From);
}

TEST(Cdi, AgreesWithLateralOffsetFromTheCourseLine)
{
    const Point station{0, 0};
    for (double course = 0; course < 360; course += 15) {
        for (double radial = 0; radial < 360; radial += 7) {
            const double abeam = std::abs(std::abs(angleDifference(radial, course)) - 90.0);
            if (abeam < 0.5)
                continue;
            const Point p = offset(station, radial, 10);
            const Point d = dir(course);
            // Left of the course line (cross > 0) means the needle shows right.
            const double expected = std::asin(cross(d, p) / 10.0) / kDeg;
            const ToFrom flag = dot(d, p) < 0 ? ToFrom::To : ToFrom::From;
            const CdiIndication ind = cdiIndication(radial, course);
            EXPECT_NEAR(ind.deviationDeg, expected, 1e-6) << "radial " << radial << " course " << course;
            EXPECT_EQ(ind.flag, flag) << "radial " << radial << " course " << course;
        }
    }
}

// --- wind triangle ----------------------------------------------------------

TEST(Wind, TextbookTable)
{
    struct Case {
        double course, tas, windFrom, windSpeed;
        double headwind, crosswind;
        Side side;
        double wca, heading, gs;
    };
    const double xw60 = 20 * std::sin(60 * kDeg);
    const Case cases[] = {
        // 20 kt straight across from the right at TAS 100: asin(0.2) = 11.54 deg.
        {360, 100, 90, 20, 0, 20, Side::Right, 11.536959, 11.536959, 97.979590},
        {90, 120, 270, 30, -30, 0, Side::None, 0, 90, 150},
        {90, 120, 90, 30, 30, 0, Side::None, 0, 90, 90},
        // 60 deg off the nose from the left.
        {0, 120, 300, 20, 10, xw60, Side::Left, -8.298921, 351.701079, 108.743421},
        {180, 150, 225, 40, 40 * std::cos(45 * kDeg), 40 * std::sin(45 * kDeg), Side::Right,
         std::asin(40 * std::sin(45 * kDeg) / 150) / kDeg,
         180 + std::asin(40 * std::sin(45 * kDeg) / 150) / kDeg,
         150 * std::cos(std::asin(40 * std::sin(45 * kDeg) / 150)) - 40 * std::cos(45 * kDeg)},
        {270, 90, 270, 0, 0, 0, Side::None, 0, 270, 90}, // calm
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "course " << c.course << " wind " << c.windFrom << "/" << c.windSpeed);
        const auto s = solveWind(c.course, c.tas, c.windFrom, c.windSpeed);
        ASSERT_TRUE(s.has_value());
        EXPECT_NEAR(s->components.headwindKt, c.headwind, 1e-6);
        EXPECT_NEAR(s->components.crosswindKt, c.crosswind, 1e-6);
        EXPECT_EQ(s->components.crosswindFrom, c.side);
        EXPECT_NEAR(s->wcaDeg, c.wca, 1e-6);
        EXPECT_TRUE(sameAngle(s->headingDeg, c.heading));
        EXPECT_NEAR(s->groundspeedKt, c.gs, 1e-6);
    }
}

TEST(Wind, HeadingMakesGoodTheCourseByVectorSum)
{
    for (double course = 0; course < 360; course += 30) {
        for (double windFrom = 5; windFrom < 360; windFrom += 40) {
            for (double windSpeed : {5.0, 25.0, 60.0}) {
                const double tas = 110;
                const auto s = solveWind(course, tas, windFrom, windSpeed);
                ASSERT_TRUE(s.has_value());
                const Point air = dir(s->headingDeg);
                const Point windTo = dir(windFrom + 180);
                const Point ground{tas * air.x + windSpeed * windTo.x, tas * air.y + windSpeed * windTo.y};
                EXPECT_TRUE(sameAngle(bearing({0, 0}, ground), course, 1e-6))
                    << course << " " << windFrom << "/" << windSpeed;
                EXPECT_NEAR(std::hypot(ground.x, ground.y), s->groundspeedKt, 1e-6);
            }
        }
    }
}

TEST(Wind, ImpossibleCases)
{
    EXPECT_FALSE(solveWind(0, 50, 90, 60).has_value());  // crosswind above TAS
    EXPECT_FALSE(solveWind(0, 50, 0, 60).has_value());   // headwind above TAS
    EXPECT_FALSE(solveWind(0, 0, 0, 10).has_value());
    EXPECT_FALSE(solveWind(0, 50, 90, 50).has_value());   // crab 90 deg: no headway
    EXPECT_TRUE(solveWind(0, 50, 90, 49).has_value());
}

TEST(Wind, LegTime)
{
    struct Case { double dist, gs; int min, sec; };
    const Case cases[] = {
        {30, 120, 15, 0},
        {30, 150, 12, 0},
        {30, 90, 20, 0},
        {10, 97, 6, 11},               // 371.13 s
        {20, 97.979590, 12, 15},       // 734.85 s
        {0.5, 120, 0, 15},
        {0.993333, 60, 1, 0},          // 59.6 s rounds up into the next minute
    };
    for (const Case &c : cases) {
        const auto t = legTime(c.dist, c.gs);
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(t->minutes, c.min) << c.dist << " NM at " << c.gs;
        EXPECT_EQ(t->seconds, c.sec) << c.dist << " NM at " << c.gs;
        EXPECT_NEAR(t->totalSeconds, c.dist / c.gs * 3600, 1e-9);
    }
    EXPECT_FALSE(legTime(10, 0).has_value());
    EXPECT_FALSE(legTime(10, -5).has_value());
}

// --- DME arc ----------------------------------------------------------------

TEST(DmeArc, JoiningTurnAndArcHeading)
{
    using enum ArcDirection;
    struct Case { double heading, radial; ArcDirection dir; double arcHdg; Turn turn; };
    const Case cases[] = {
        {90, 90, Clockwise, 180, Turn::Right},         // outbound, arc clockwise
        {270, 90, Clockwise, 180, Turn::Left},         // inbound
        {90, 90, Counterclockwise, 0, Turn::Left},
        {270, 90, Counterclockwise, 0, Turn::Right},
        {180, 90, Clockwise, 180, Turn::Maintain},
        {182, 90, Clockwise, 180, Turn::Left},
        {350, 300, Clockwise, 30, Turn::Right},        // across north
        {0, 180, Clockwise, 270, Turn::Left},
        {90, 180, Clockwise, 270, Turn::Right},        // reversal: right by convention
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "hdg " << c.heading << " radial " << c.radial);
        EXPECT_TRUE(sameAngle(arcHeading(c.radial, c.dir), c.arcHdg));
        EXPECT_EQ(turnToJoinArc(c.heading, c.radial, c.dir), c.turn);
    }
}

TEST(DmeArc, LeadRadialRule)
{
    using enum ArcDirection;
    struct Case { double finalRadial; ArcDirection dir; double lead, radius, leadAngle, leadRadial; };
    const Case cases[] = {
        {180, Clockwise, 1, 10, 6, 174},
        {180, Counterclockwise, 1, 10, 6, 186},
        {5, Clockwise, 2, 12, 10, 355},          // wraps through north
        {355, Counterclockwise, 2, 12, 10, 5},
        {90, Clockwise, 1.5, 15, 6, 84},
    };
    for (const Case &c : cases) {
        EXPECT_NEAR(leadAngle(c.lead, c.radius), c.leadAngle, kEps);
        EXPECT_TRUE(sameAngle(leadRadial(c.finalRadial, c.dir, c.lead, c.radius), c.leadRadial))
            << c.finalRadial;
    }
}

TEST(DmeArc, DirectionAndFinalTurn)
{
    using enum ArcDirection;
    EXPECT_EQ(shorterArcDirection(90, 180), Clockwise);
    EXPECT_EQ(shorterArcDirection(10, 350), Counterclockwise);
    EXPECT_EQ(shorterArcDirection(350, 10), Clockwise);
    // Inbound turns toward the station, which is on the right of a clockwise arc.
    EXPECT_EQ(turnOntoFinal(Clockwise, true), Turn::Right);
    EXPECT_EQ(turnOntoFinal(Clockwise, false), Turn::Left);
    EXPECT_EQ(turnOntoFinal(Counterclockwise, true), Turn::Left);
    EXPECT_EQ(turnOntoFinal(Counterclockwise, false), Turn::Right);
}
