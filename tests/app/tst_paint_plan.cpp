// The plan view as drawn: north up and east right, the aircraft's nose along its heading,
// the holding pattern on its side of the inbound course, the wind arrow downwind.

#include "situation/PathBuilder.h"
#include "paint/PlanPainter.h"
#include "PaintProbe.h"
#include "PlanCrowding.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>

using namespace orvik3::trainer;
using namespace orvik3::trainer::test;
namespace host = orvik3::host;
namespace nav = orvik3::host::nav;

namespace {

const QRectF kPlan(0, 0, 840, 840);

Situation situation(std::vector<host::Station> stations, AircraftState aircraft)
{
    Situation s;
    s.session = host::Session{};
    s.session->stations = std::move(stations);
    s.session->aircraft.tasKt = 120;
    s.start = aircraft;
    s.resetAircraft();
    return s;
}

host::Station ndb(nav::Point at = {0, 0}) { return {QStringLiteral("NB"), host::StationKind::Ndb, at}; }

QImage paintPlan(const Situation &s, const std::string &name)
{
    const QImage image = render(kPlan.size().toSize(), [&](QPainter &p) { PlanPainter().paint(p, kPlan, s); });
    keepPicture(image, QString::fromStdString(rowName(name)));
    return image;
}

QPointF onScreen(const Situation &s, nav::Point at)
{
    return PlanPainter::transformFor(kPlan, s, planOverlay(s)).toScreen(at);
}

const auto nameOf = [](const auto &info) { return rowName(info.param.name); };

// North up, east right: where a second station shows, seen from the first.
struct Bearing {
    std::string name;
    double bearing;    // of the VOR from the NDB, 6 NM away
    double screenDeg;  // direction on the screen, clockwise from up
};

class PlanOrientation : public testing::TestWithParam<Bearing>
{
};

TEST_P(PlanOrientation, StationsWhereTheyLie)
{
    const Bearing &row = GetParam();
    const nav::Point vorAt = nav::offset({0, 0}, row.bearing, 6);
    const Situation s = situation({ndb(), {QStringLiteral("VR"), host::StationKind::Vor, vorAt}},
                                  {nav::offset({0, 0}, row.bearing + 180, 3), 0});
    const QImage image = paintPlan(s, row.name);
    const auto ndbSeen = inkCentroid(image, kPlan, PlanPainter::inks().ndb, 6);
    const auto vorSeen = inkCentroid(image, kPlan, PlanPainter::inks().vor, 6);
    ASSERT_TRUE(ndbSeen && vorSeen);
    const QPointF d = *vorSeen - *ndbSeen;
    const double seen = std::atan2(d.x(), -d.y()) * 180.0 / M_PI;
    // The labels beside the symbols pull the centres a little to the right.
    EXPECT_LT(std::abs(nav::angleDifference(seen, row.screenDeg)), 8.0) << "seen at " << seen;
}

const Bearing kBearings[] = {
    {"VOR north of NDB above", 0, 0},
    {"VOR east of NDB right", 90, 90},
    {"VOR south west of NDB lower left", 225, 225},
    {"VOR 300 of NDB upper left", 300, 300},
};
INSTANTIATE_TEST_SUITE_P(Paint, PlanOrientation, testing::ValuesIn(kBearings), nameOf);

// The aircraft symbol: narrow nose ahead, tailplane behind.
struct Heading {
    std::string name;
    double heading;
};

class PlanAircraft : public testing::TestWithParam<Heading>
{
};

TEST_P(PlanAircraft, NoseAlongTheHeading)
{
    const Heading &row = GetParam();
    const nav::Point at{4, 2};
    const Situation s = situation({ndb()}, {at, row.heading});
    const QImage image = paintPlan(s, row.name);
    const QPointF c = onScreen(s, at);
    // The symbol is 16 units from its middle to the nose; the tailplane spans 0.84 of that.
    const double size = 16 * PlanPainter::unitIn(kPlan);
    const QColor ink = PlanPainter::inks().aircraft;
    EXPECT_TRUE(inkNear(image, polar(c, row.heading, size * 0.85), ink)) << "no nose ahead";
    for (int side : {-1, 1}) {
        EXPECT_TRUE(inkNear(image, local(c, row.heading, -size * 0.85, side * size * 0.35), ink)) << "no tailplane behind";
        EXPECT_FALSE(inkNear(image, local(c, row.heading, size * 0.85, side * size * 0.35), ink, 1.5, 40))
            << "tailplane ahead";
    }
}

const Heading kHeadings[] = {
    {"aircraft heading 000 nose up", 0},
    {"aircraft heading 090 nose right", 90},
    {"aircraft heading 200 nose down", 200},
    {"aircraft heading 315 nose upper left", 315},
};
INSTANTIATE_TEST_SUITE_P(Paint, PlanAircraft, testing::ValuesIn(kHeadings), nameOf);

// The racetrack: inbound leg to the fix along the course, the outbound leg two turn radii
// off to the side of the turns.
struct Hold {
    std::string name;
    double inbound;
    host::HoldingTurn turn;
    double sideDeg; // bearing from the inbound leg to the outbound leg
};

class PlanHolding : public testing::TestWithParam<Hold>
{
};

TEST_P(PlanHolding, PatternOnItsSide)
{
    const Hold &row = GetParam();
    // The aircraft ahead of the fix, out of the pattern's way.
    Situation s = situation({ndb()}, {nav::offset({0, 0}, row.inbound, 5), row.inbound});
    s.session->holding = host::Holding{QString(), row.inbound, row.turn};
    const QImage image = paintPlan(s, row.name);
    const QColor ink = PlanPainter::inks().holding;
    // One-minute legs at 120 kt are 2 NM; both legs are probed 1 NM back from the fix.
    const nav::Point midInbound = nav::offset({0, 0}, nav::reciprocal(row.inbound), 1.0);
    const double apart = 2 * PathBuilder::rateOneRadius(120);
    const nav::Point outbound = nav::offset(midInbound, row.sideDeg, apart);
    const nav::Point wrongSide = nav::offset(midInbound, row.sideDeg + 180, apart);
    EXPECT_TRUE(inkNear(image, onScreen(s, midInbound), ink, 2.5)) << "no inbound leg";
    EXPECT_TRUE(inkNear(image, onScreen(s, outbound), ink, 2.5)) << "no outbound leg on the holding side";
    EXPECT_FALSE(inkNear(image, onScreen(s, wrongSide), ink, 4.0, 30)) << "pattern on the other side";
}

const Hold kHolds[] = {
    {"hold inbound 090 right hand south", 90, host::HoldingTurn::Right, 180},
    {"hold inbound 090 left hand north", 90, host::HoldingTurn::Left, 0},
    {"hold inbound 270 left hand south", 270, host::HoldingTurn::Left, 180},
    {"hold inbound 180 right hand west", 180, host::HoldingTurn::Right, 270},
    {"hold inbound 045 right hand south east", 45, host::HoldingTurn::Right, 135},
    {"hold inbound 330 left hand south west", 330, host::HoldingTurn::Left, 240},
};
INSTANTIATE_TEST_SUITE_P(Paint, PlanHolding, testing::ValuesIn(kHolds), nameOf);

// Closed in on the pattern, an aircraft far away waits at the plan's edge, whole, and it and
// its pointer off the wind rose, the scale and the north arrow, whichever corner it lies toward.
struct FarAway {
    std::string name;
    double bearing; // of the aircraft from the fix, 40 NM out
    bool wind;
};

class PlanEdgeAircraft : public testing::TestWithParam<FarAway>
{
};

TEST_P(PlanEdgeAircraft, BesideTheFurnitureNotOnIt)
{
    const FarAway &row = GetParam();
    Situation s = situation({ndb()}, {nav::offset({0, 0}, row.bearing, 40), 90});
    s.session->holding = host::Holding{QString(), 90, host::HoldingTurn::Right};
    if (row.wind)
        s.session->wind = host::Wind{300, 20, std::nullopt};
    PlanProbe probe;
    keepPicture(render(kPlan.size().toSize(), [&](QPainter &p) { PlanPainter().paint(p, kPlan, s, &probe); }),
                QString::fromStdString(rowName(row.name)));
    ASSERT_FALSE(kPlan.contains(onScreen(s, s.aircraft.position))) << "the aircraft is on the plan";
    EXPECT_TRUE(kPlan.contains(probe.aircraft));
    EXPECT_EQ(crowdedLabels(probe), "");
}

const FarAway kFar[] = {
    {"aircraft far south west beside the scale", 225, false},
    {"aircraft far north east beside the wind rose", 45, true},
    {"aircraft far south with the wind", 200, true},
    {"aircraft far south south west by the scale label", 212, false},
};
INSTANTIATE_TEST_SUITE_P(Paint, PlanEdgeAircraft, testing::ValuesIn(kFar), nameOf);

// The wind rose: the arrow flies with the wind, its head downwind.
struct WindRow {
    std::string name;
    double from;
    double headDeg; // where the head points on the screen
};

class PlanWind : public testing::TestWithParam<WindRow>
{
};

TEST_P(PlanWind, ArrowPointsDownwind)
{
    const WindRow &row = GetParam();
    Situation s = situation({ndb()}, {{-3, -3}, 45});
    s.session->wind = host::Wind{row.from, 25, std::nullopt};
    const QImage image = paintPlan(s, row.name);
    const QRectF rose = PlanPainter::windRose(kPlan);
    const QPointF c = rose.center();
    const double r = rose.width() / 2, unit = PlanPainter::unitIn(kPlan);
    const QColor ink = PlanPainter::inks().wind;
    // A head 10 units long with its tip at 0.8 of the rose, wider than the shaft behind it.
    const double along = r * 0.8 - 8 * unit, across = 2.5 * unit;
    for (int side : {-1, 1}) {
        EXPECT_TRUE(inkNear(image, local(c, row.headDeg, along, side * across), ink, 1.0))
            << "no arrow head at " << row.headDeg;
        EXPECT_FALSE(inkNear(image, local(c, row.headDeg + 180, along, side * across), ink, 1.0, 40))
            << "arrow head upwind";
    }
    // The shaft runs across most of the rose: its tail three quarters of the way upwind.
    EXPECT_TRUE(inkNear(image, local(c, row.headDeg + 180, r * 0.7, 0), ink, 1.5)) << "shaft too short";
}

const WindRow kWinds[] = {
    {"wind from 120 arrow to upper left", 120, 300},
    {"wind from 270 arrow to the right", 270, 90},
    {"wind from 000 arrow down", 0, 180},
    {"wind from 200 arrow up right", 200, 20},
};
INSTANTIATE_TEST_SUITE_P(Paint, PlanWind, testing::ValuesIn(kWinds), nameOf);

} // namespace
