// The lines of the plan view: holding entries, interceptions, DME arcs, and the fit of the
// plan into its rectangle.

#include "paint/PlanOverlay.h"
#include "paint/PlanTransform.h"
#include "situation/SolutionPaths.h"
#include "TrainerTestKit.h"

#include <gtest/gtest.h>

using namespace orvik3::trainer;
namespace host = orvik3::host;
namespace nav = orvik3::host::nav;

namespace {

bool passesNear(const Path &path, nav::Point p, double tolerance)
{
    for (const nav::Point &q : path)
        if (nav::distance(p, q) < tolerance)
            return true;
    return false;
}

// Signed distance of p from the line through `origin` along `deg`, positive to the right.
double sideOf(nav::Point p, nav::Point origin, double deg)
{
    const double a = deg * M_PI / 180.0;
    return (p.x - origin.x) * std::cos(a) - (p.y - origin.y) * std::sin(a);
}

} // namespace

TEST(SolutionPaths, HoldingPatternLiesOnItsSide)
{
    for (auto turn : {host::HoldingTurn::Right, host::HoldingTurn::Left}) {
        const Path p = holdingPattern({0, 0}, 90, turn, 120);
        const double sign = turn == host::HoldingTurn::Right ? 1.0 : -1.0;
        double farthest = 0.0;
        for (const nav::Point &q : p) {
            EXPECT_GE(sign * sideOf(q, {0, 0}, 90), -1e-9);
            farthest = std::max(farthest, std::abs(sideOf(q, {0, 0}, 90)));
        }
        // Two rate-one turns apart, and the pattern closes at the fix.
        EXPECT_NEAR(farthest, 2 * PathBuilder::rateOneRadius(120), 1e-3);
        EXPECT_LT(nav::distance(p.back(), {0, 0}), 1e-9);
    }
}

TEST(SolutionPaths, HoldingEntryFollowsTheSolver)
{
    struct Row {
        double heading, inbound;
        host::HoldingTurn turn;
        const char *entry;
    };
    const Row rows[] = {
        {130, 90, host::HoldingTurn::Right, "direct"},
        {240, 90, host::HoldingTurn::Right, "offset"},
        {330, 90, host::HoldingTurn::Right, "parallel"},
        {230, 50, host::HoldingTurn::Left, "parallel"},
        {120, 270, host::HoldingTurn::Left, "offset"},
    };
    for (const Row &r : rows) {
        // The aircraft approaches the fix on its heading.
        const nav::Point start = nav::offset({0, 0}, nav::reciprocal(r.heading), 10);
        QString entry;
        const Path p = holdingEntry(start, r.heading, {0, 0}, r.inbound, r.turn, 120, &entry);
        EXPECT_EQ(entry, QLatin1String(r.entry)) << r.heading << "/" << r.inbound;
        EXPECT_LT(nav::distance(p.front(), start), 1e-9);
        EXPECT_LT(nav::distance(p.back(), {0, 0}), 1e-9) << "every entry ends back at the fix";
        // Whichever the entry, it ends up on the side of the pattern.
        const double holdingSign = r.turn == host::HoldingTurn::Right ? 1.0 : -1.0;
        double maxSide = 0.0;
        for (const nav::Point &q : p)
            maxSide = std::max(maxSide, holdingSign * sideOf(q, {0, 0}, r.inbound));
        EXPECT_GT(maxSide, 0.5) << r.entry;
    }
}

TEST(SolutionPaths, InterceptionReachesTheBearingLine)
{
    struct Row {
        nav::Point aircraft;
        double heading, course;
        bool inbound;
        bool turnsRight;
    };
    const Row rows[] = {
        // QDM 000 to the station, aircraft west of the inbound line: intercept to the right.
        {{-3, -10}, 0, 0, true, true},
        {{3, -10}, 0, 0, true, false},
        // QDR 000 from the station, aircraft west of the outbound line.
        {{-3, 10}, 0, 0, false, true},
        {{3, 10}, 90, 0, false, false},
    };
    for (const Row &r : rows) {
        double intercept = 0.0;
        const Path p = interceptPath(r.aircraft, r.heading, {0, 0}, r.course, r.inbound, 120, &intercept);
        EXPECT_EQ(nav::angleDifference(intercept, r.course) > 0, r.turnsRight);
        EXPECT_LE(std::abs(nav::angleDifference(intercept, r.course)), 90.0);
        if (r.inbound)
            EXPECT_LT(nav::distance(p.back(), {0, 0}), 1e-9);
        else
            EXPECT_NEAR(sideOf(p.back(), {0, 0}, r.course), 0.0, 0.05);
    }
}

TEST(SolutionPaths, DmeArcKeepsItsRadius)
{
    const host::DmeArc arc{QString(), 12.0, 0.0, std::nullopt, std::nullopt};
    const nav::Point aircraft = nav::offset({0, 0}, 90, 18);
    EXPECT_EQ(arcDirection(aircraft, {0, 0}, arc), nav::ArcDirection::Clockwise);
    const Path p = dmeArcPath(aircraft, {0, 0}, arc);
    ASSERT_GE(p.size(), 4u);
    for (size_t i = 1; i + 1 < p.size(); ++i)
        EXPECT_NEAR(nav::distance(p[i], {0, 0}), 12.0, 1e-9);
    EXPECT_TRUE(passesNear(p, nav::offset({0, 0}, 135, 12), 0.5)) << "clockwise from 090 to 180 passes 135";
    EXPECT_FALSE(passesNear(p, nav::offset({0, 0}, 0, 12), 2.0));
    EXPECT_LT(nav::distance(p.back(), {0, 0}), 1e-9);

    const Path circle = arcPoints({0, 0}, 5, 0, 360, nav::ArcDirection::Clockwise);
    EXPECT_TRUE(passesNear(circle, {0, -5}, 0.3)) << "0 to 360 is the whole circle";
}

TEST(PlanView, FitKeepsEveryPointInside)
{
    const QRectF viewport(10, 20, 600, 400);
    const Path points{{-30, 5}, {12, -8}, {0, 40}};
    const PlanTransform t = PlanTransform::fit(viewport, points);
    for (const nav::Point &p : points) {
        EXPECT_TRUE(viewport.contains(t.toScreen(p)));
        const nav::Point back = t.toWorld(t.toScreen(p));
        EXPECT_NEAR(back.x, p.x, 1e-9);
        EXPECT_NEAR(back.y, p.y, 1e-9);
    }
    // North is up and east is right.
    EXPECT_LT(t.toScreen({0, 40}).y(), t.toScreen({0, 5}).y());
    EXPECT_GT(t.toScreen({12, 0}).x(), t.toScreen({-30, 0}).x());
    // A single point still gets a sensible scale.
    EXPECT_NEAR(PlanTransform::fit(viewport, {{1, 1}}, 8).pixelsPerNm(), 400 * 0.84 / 8, 1e-9);
}

TEST(PlanView, OverlayShowsTheQuestionAndTheSolutionOnRequest)
{
    for (int type : {3, 6, 7, 8, 9, 1, 5}) {
        Situation s;
        s.type = type;
        s.session = test::sessionFor(type);
        s.start = {host::aircraftPosition(*s.session), s.session->aircraft.headingDeg};
        s.resetAircraft();
        const PlanOverlay question = planOverlay(s);
        EXPECT_TRUE(question.solution.empty()) << type;
        EXPECT_EQ(!question.holding.empty(), type == 3);
        EXPECT_EQ(!question.arc.empty(), type == 9);
        EXPECT_EQ(!question.target.empty(), type == 6 || type == 7);
        s.showSolution = true;
        const PlanOverlay solved = planOverlay(s);
        EXPECT_GE(solved.solution.size(), 2u) << type;
        EXPECT_FALSE(solved.solutionLabel.isEmpty()) << type;
    }
}
