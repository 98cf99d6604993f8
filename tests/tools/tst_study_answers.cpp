// The generator's navigation against independent textbook formulas: vectors and atan2
// worked out here, hand-worked cases, and finite differences instead of the sign rules
// the generator uses.

#include "Answers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace orvik3::study;

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

Point at(double radialDeg, double nm) { return {nm * std::sin(radialDeg * kRad), nm * std::cos(radialDeg * kRad)}; }
Point ahead(Point p, double headingDeg, double nm) { return {p.x + nm * std::sin(headingDeg * kRad), p.y + nm * std::cos(headingDeg * kRad)}; }
double norm360(double d) { return std::fmod(std::fmod(d, 360.0) + 360.0, 360.0); }
double signedDiff(double to, double from)
{
    const double d = norm360(to - from);
    return d > 180.0 ? d - 360.0 : d;
}
// Bearing from a to b, by atan2 of the east and north differences.
double bearingTo(Point a, Point b) { return norm360(std::atan2(b.x - a.x, b.y - a.y) / kRad); }

// Needle of a VOR indicator with the course through the station (at the origin) along
// courseDeg: positive when the course line lies right of the aircraft seen along the course.
double needle(Point p, double courseDeg)
{
    const Point c{std::sin(courseDeg * kRad), std::cos(courseDeg * kRad)};
    const Point right{c.y, -c.x};
    const double along = p.x * c.x + p.y * c.y;
    const double side = p.x * right.x + p.y * right.y;
    return -std::atan2(side, std::abs(along)) / kRad;
}

} // namespace

TEST(Degrees, MultiplesAndTexts)
{
    struct Case { double in; std::optional<int> out; };
    for (const Case c : {Case{35, 35}, {34.2, 35}, {33.5, std::nullopt}, {359.2, 0}, {360, 0}, {-5, 355}, {2.6, std::nullopt}})
        EXPECT_EQ(multipleOf5(c.in), c.out) << c.in;
    EXPECT_EQ(threeDigits(5), "005");
    EXPECT_EQ(threeDigits(90), "090");
    EXPECT_EQ(threeDigits(0), "000");
    EXPECT_EQ(threeDigits(360), "000");
    EXPECT_EQ(threeDigits(0, true), "360");
    EXPECT_EQ(threeDigits(275, true), "275");
    EXPECT_EQ(minutesSeconds(12, 5), "12.05");
    EXPECT_EQ(minutesSeconds(0, 59), "0.59");
}

TEST(Position, StationQuartersWithTheirMargins)
{
    using Q = Quarter;
    struct Case { double rb; std::vector<Quarter> expected; };
    const Case cases[] = {
        {0, {Q::Ahead}},           {39, {Q::Ahead}},         {41, {Q::Ahead, Q::Right}},  {45, {Q::Ahead, Q::Right}},
        {49, {Q::Ahead, Q::Right}}, {50, {Q::Right}},         {90, {Q::Right}},            {135, {Q::Right, Q::Behind}},
        {180, {Q::Behind}},         {226, {Q::Behind, Q::Left}}, {270, {Q::Left}},         {315, {Q::Left, Q::Ahead}},
        {319, {Q::Left, Q::Ahead}}, {320, {Q::Ahead}},        {359.9, {Q::Ahead}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(stationQuarters(c.rb), c.expected) << c.rb;
}

TEST(Position, NeedleMovementHandWorked)
{
    // East of the station, inbound course 270, flying north: drifting right of the course, so
    // the course line moves left.
    EXPECT_EQ(needleMovement(at(90, 10), 0, {}, 270), NeedleMove::Left);
    // The same place with the outbound course 090 selected: north is left of 090.
    EXPECT_EQ(needleMovement(at(90, 10), 0, {}, 90), NeedleMove::Right);
    // Flying straight out along the radial.
    EXPECT_EQ(needleMovement(at(180, 12), 180, {}, 0), NeedleMove::Same);
    // No clear answer: needle on its stop, near abeam, almost along the radial.
    EXPECT_FALSE(needleMovement(at(90, 10), 0, {}, 200));
    EXPECT_FALSE(needleMovement(at(90, 10), 90, {}, 5));
    EXPECT_FALSE(needleMovement(at(90, 10), 92, {}, 90));
}

TEST(Position, NeedleMovementMatchesFiniteDifferences)
{
    int checked = 0;
    for (int radial = 0; radial < 360; radial += 23)
        for (const int off : {-8, -3, 0, 4, 7})
            for (const bool to : {true, false})
                for (int heading = 0; heading < 360; heading += 37) {
                    const double obs = norm360(radial + (to ? 180 : 0) + off);
                    const Point p = at(radial, 14);
                    const std::optional<NeedleMove> move = needleMovement(p, heading, {}, obs);
                    if (!move)
                        continue;
                    const double delta = needle(ahead(p, heading, 0.05), obs) - needle(p, obs);
                    const NeedleMove expected = std::abs(delta) < 1e-6 ? NeedleMove::Same
                                                : delta > 0            ? NeedleMove::Right
                                                                       : NeedleMove::Left;
                    EXPECT_EQ(*move, expected) << "radial " << radial << " obs " << obs << " heading " << heading;
                    ++checked;
                }
    EXPECT_GT(checked, 500);
}

TEST(Interception, TextbookCases)
{
    struct Case {
        BearingKind kind;
        double radial, heading, required;
        int actual, interceptHeading;
        Turn turn;
        Trend difference, firstHeading;
    };
    using B = BearingKind;
    const Case cases[] = {
        // Inbound QDM 200 from QDM 220: the line lies right; 2 x 20 = 40 degrees.
        {B::Qdm, 40, 200, 200, 220, 240, Turn::Right, Trend::Increase, Trend::Increase},
        // QDM 180 for 200 wanted: intercept at 160, left of the actual QDM.
        {B::Qdm, 0, 180, 200, 180, 160, Turn::Left, Trend::Constant, Trend::Decrease},
        // Small difference: at least 30 degrees.
        {B::Qdm, 10, 160, 180, 190, 210, Turn::Right, Trend::Increase, Trend::Increase},
        // Large difference: at most 90 degrees.
        {B::Qdm, 60, 300, 180, 240, 270, Turn::Left, Trend::Decrease, Trend::Increase},
        // On the QDM already, flying it.
        {B::Qdm, 0, 180, 180, 180, 180, Turn::Maintain, Trend::Constant, Trend::Constant},
        // Outbound QDR 090 from QDR 110: turn left of 090 by 40.
        {B::Qdr, 110, 90, 90, 110, 50, Turn::Left, Trend::Decrease, Trend::Decrease},
        // QDR 060 for 090 wanted: 090 + 60.
        {B::Qdr, 60, 90, 90, 60, 150, Turn::Right, Trend::Decrease, Trend::Increase},
    };
    for (const Case &c : cases) {
        const Point p = at(c.radial, 12);
        const std::optional<Interception> a = intercept(c.kind, p, c.heading, {}, c.required);
        ASSERT_TRUE(a) << c.radial;
        EXPECT_EQ(a->actual, c.actual) << c.radial;
        EXPECT_EQ(a->interceptHeading, c.interceptHeading) << c.radial;
        EXPECT_EQ(a->firstTurn, c.turn) << c.radial;
        EXPECT_EQ(a->difference, c.difference) << c.radial;
        EXPECT_EQ(a->firstHeading, c.firstHeading) << c.radial;

        // The difference trend, by flying a short way and measuring again.
        auto bearing = [&](Point q) { return c.kind == B::Qdm ? bearingTo(q, {}) : bearingTo({}, q); };
        const double before = std::abs(signedDiff(bearing(p), c.required));
        const double after = std::abs(signedDiff(bearing(ahead(p, c.heading, 0.01)), c.required));
        const Trend measured = std::abs(after - before) < 1e-6 ? Trend::Constant
                               : after > before                ? Trend::Increase
                                                               : Trend::Decrease;
        EXPECT_EQ(a->difference, measured) << c.radial;
    }
}

TEST(Interception, SituationsWithoutAClearAnswerAreRefused)
{
    QString why;
    // More than 80 degrees between actual and required QDM.
    EXPECT_FALSE(intercept(BearingKind::Qdm, at(0, 10), 180, {}, 290, &why));
    EXPECT_FALSE(why.isEmpty());
    // A turn of 3 degrees to the intercept heading.
    EXPECT_FALSE(intercept(BearingKind::Qdm, at(40, 10), 237, {}, 200));
    // A reversal: intercept heading 240 from heading 062.
    EXPECT_FALSE(intercept(BearingKind::Qdm, at(40, 10), 62, {}, 200));
    // Heading 3 degrees off the station line: the bearing barely moves.
    EXPECT_FALSE(intercept(BearingKind::Qdm, at(40, 10), 223, {}, 200));
}

TEST(DmeArc, TextbookCases)
{
    struct Case {
        double radial, heading, finalCourse, radius, lead;
        ArcDirection direction;
        Turn turn;
        int firstHeading, leadRadial;
    };
    const Case cases[] = {
        {90, 90, 360, 10, 1, ArcDirection::Clockwise, Turn::Right, 180, 174},
        {270, 90, 360, 12, 1, ArcDirection::Counterclockwise, Turn::Right, 180, 185},
        {180, 0, 240, 15, 1.5, ArcDirection::Counterclockwise, Turn::Right, 90, 66},
        {360, 270, 90, 20, 2, ArcDirection::Counterclockwise, Turn::Maintain, 270, 276},
    };
    for (const Case &c : cases) {
        const std::optional<ArcAnswer> a = dmeArc(c.radial, c.heading, c.finalCourse, c.radius, c.lead, std::nullopt);
        ASSERT_TRUE(a) << c.radial;
        EXPECT_EQ(a->direction, c.direction) << c.radial;
        EXPECT_EQ(a->firstTurn, c.turn) << c.radial;
        EXPECT_EQ(a->firstHeading, c.firstHeading) << c.radial;
        EXPECT_EQ(a->leadRadial, c.leadRadial) << c.radial;
        // The rule of thumb stays within half a degree of the exact lead angle asin(lead / radius).
        const double exact = std::asin(c.lead / c.radius) / kRad;
        const double used = std::abs(signedDiff(a->leadRadial, norm360(c.finalCourse + 180)));
        EXPECT_NEAR(used, exact, 0.75) << c.radial;
    }
    // A reversal onto the arc, and an arc shorter than its lead.
    EXPECT_FALSE(dmeArc(90, 0, 360, 10, 1, std::nullopt));
    EXPECT_FALSE(dmeArc(175, 90, 360, 10, 1, ArcDirection::Clockwise));
}

TEST(Wind, MatchesTheVectorTriangle)
{
    struct Case { double course, tas, from, speed, leg; };
    const Case cases[] = {{90, 100, 90, 20, 45}, {360, 120, 90, 25, 38}, {45, 105, 75, 18, 70}, {225, 115, 15, 12, 84},
                          {300, 140, 270, 16, 48}, {150, 130, 260, 26, 25}, {10, 110, 0, 33, 66}, {180, 95, 90, 30, 52}};
    for (const Case &c : cases) {
        const std::optional<WindAnswer> a = windAnswer(c.course, c.tas, c.from, c.speed, c.leg);
        ASSERT_TRUE(a) << c.course;
        const double angle = (c.from - c.course) * kRad;
        EXPECT_EQ(a->headwind, std::lround(c.speed * std::cos(angle))) << c.course;
        EXPECT_EQ(a->crosswind, std::lround(std::abs(c.speed * std::sin(angle)))) << c.course;
        const Side from = a->crosswind == 0 ? Side::None : std::sin(angle) > 0 ? Side::Right : Side::Left;
        EXPECT_EQ(a->crosswindFrom, from) << c.course;
        EXPECT_EQ(a->wcaSide, a->wca == 0 ? Side::None : from) << c.course; // into the wind

        // Find the heading whose ground track is the course by bisection on the vector sum.
        const Point windVector{-c.speed * std::sin(c.from * kRad), -c.speed * std::cos(c.from * kRad)};
        auto ground = [&](double h) { return Point{c.tas * std::sin(h * kRad) + windVector.x, c.tas * std::cos(h * kRad) + windVector.y}; };
        double lo = c.course - 45, hi = c.course + 45;
        for (int i = 0; i < 100; ++i) {
            const double mid = (lo + hi) / 2;
            const Point g = ground(mid);
            (signedDiff(bearingTo({}, g), c.course) < 0 ? lo : hi) = mid;
        }
        const Point g = ground(lo);
        const double gs = std::hypot(g.x, g.y);
        EXPECT_EQ(a->wca, std::lround(std::abs(signedDiff(lo, c.course)))) << c.course;
        EXPECT_EQ(a->groundspeed, std::lround(gs)) << c.course;
        const long seconds = std::lround(c.leg / gs * 3600);
        EXPECT_EQ(a->minutes * 60 + a->seconds, seconds) << c.course;
    }
    // A crosswind stronger than the aircraft is fast.
    EXPECT_FALSE(windAnswer(0, 60, 90, 70, 20));
}

TEST(Adf, RightValuesAndPlausibleMistakes)
{
    struct Case { double radial, heading; int qdr, qdm, rb; Trend trend; };
    const Case cases[] = {
        {40, 250, 40, 220, 330, Trend::Decrease}, // station left of the nose
        {95, 230, 95, 275, 45, Trend::Increase},  // station right of the nose
        {130, 310, 130, 310, 0, Trend::Constant}, // flying to the station
        {345, 345, 345, 165, 180, Trend::Constant}, // flying away from it
    };
    for (int place = 0; place < 4; ++place)
        for (const Case &c : cases) {
            const Point p = at(c.radial, 10);
            // Each group its own place, not one place further on than the last.
            const std::array<int, 3> places{place, (place + 3) % 4, (2 * place + 1) % 4};
            const std::optional<AdfAnswer> a = adfAnswer(p, c.heading, {}, places);
            ASSERT_TRUE(a);
            EXPECT_EQ(a->qdm, std::lround(bearingTo(p, {})) % 360);
            EXPECT_EQ(a->qdr, c.qdr);
            EXPECT_EQ(a->qdm, c.qdm);
            EXPECT_EQ(a->rb, c.rb);
            EXPECT_EQ(a->trend, c.trend);
            // Each group: the right value once, in its slot, among four different values.
            auto check = [&](const std::array<int, 4> &options, int right, int slot) {
                EXPECT_EQ(options[std::size_t(slot)], right);
                for (std::size_t i = 0; i < 4; ++i)
                    for (std::size_t j = i + 1; j < 4; ++j)
                        EXPECT_NE(options[i], options[j]);
            };
            check(a->qdrOptions, c.qdr, places[0]);
            check(a->qdmOptions, c.qdm, places[1]);
            check(a->rbOptions, c.rb, places[2]);
            // The reciprocal is always offered as a mistake for QDR and QDM.
            EXPECT_NE(std::find(a->qdrOptions.begin(), a->qdrOptions.end(), c.qdm), a->qdrOptions.end());
            EXPECT_NE(std::find(a->qdmOptions.begin(), a->qdmOptions.end(), c.qdr), a->qdmOptions.end());
        }
    // Three degrees off the station line: refused.
    EXPECT_FALSE(adfAnswer(at(40, 10), 223, {}, {0, 1, 2}));
}
