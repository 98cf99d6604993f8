#include "nav/Geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvik3::host::nav {

namespace {

constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr double kRadToDeg = 180.0 / std::numbers::pi;
// Below this, two points are the same place and a bearing is meaningless.
constexpr double kCoincidentNm = 1e-9;

double sinDeg(double deg) { return std::sin(deg * kDegToRad); }
double cosDeg(double deg) { return std::cos(deg * kDegToRad); }

} // namespace

double normalizeDegrees(double deg)
{
    double r = std::fmod(deg, 360.0);
    if (r < 0.0)
        r += 360.0;
    // fmod of a tiny negative plus 360 rounds to exactly 360.
    if (r >= 360.0)
        r -= 360.0;
    return r == 0.0 ? 0.0 : r; // no -0 leaking into text output
}

double angleDifference(double to, double from)
{
    double d = normalizeDegrees(to - from);
    if (d > 180.0)
        d -= 360.0;
    return d;
}

double reciprocal(double deg) { return normalizeDegrees(deg + 180.0); }

double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

double bearing(Point from, Point to)
{
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    if (std::hypot(dx, dy) < kCoincidentNm)
        return 0.0;
    // atan2(east, north) measures clockwise from north.
    return normalizeDegrees(std::atan2(dx, dy) * kRadToDeg);
}

Point offset(Point origin, double bearingDeg, double distanceNm)
{
    return {origin.x + distanceNm * sinDeg(bearingDeg), origin.y + distanceNm * cosDeg(bearingDeg)};
}

double qdm(Point aircraft, Point station) { return bearing(aircraft, station); }

double qdr(Point aircraft, Point station) { return bearing(station, aircraft); }

double relativeBearing(Point aircraft, double headingDeg, Point station)
{
    return normalizeDegrees(qdm(aircraft, station) - headingDeg);
}

Trend bearingTrend(Point aircraft, double trackDeg, Point station, double toleranceDeg)
{
    if (distance(aircraft, station) < kCoincidentNm)
        return Trend::Constant;
    // d(radial)/dt = V sin(track - radial) / r: only the sign matters here,
    // and the angle itself gives a tolerance that does not depend on range.
    const double a = angleDifference(trackDeg, qdr(aircraft, station));
    if (std::abs(a) <= toleranceDeg || std::abs(a) >= 180.0 - toleranceDeg)
        return Trend::Constant;
    return a > 0.0 ? Trend::Increase : Trend::Decrease;
}

Trend qdmTrend(Point aircraft, double trackDeg, Point station, double toleranceDeg)
{
    return bearingTrend(aircraft, trackDeg, station, toleranceDeg);
}

Trend qdrTrend(Point aircraft, double trackDeg, Point station, double toleranceDeg)
{
    return bearingTrend(aircraft, trackDeg, station, toleranceDeg);
}

CdiIndication cdiIndication(double radialDeg, double courseDeg, double ambiguityDeg)
{
    CdiIndication out;
    const double toStation = reciprocal(radialDeg);
    const double offCourse = angleDifference(toStation, courseDeg);
    const double fromAbeam = std::abs(std::abs(offCourse) - 90.0);

    if (std::abs(offCourse) < 90.0) {
        out.flag = ToFrom::To;
        out.deviationDeg = offCourse;
    } else {
        out.flag = ToFrom::From;
        out.deviationDeg = angleDifference(courseDeg, radialDeg);
    }
    if (fromAbeam <= ambiguityDeg)
        out.flag = ToFrom::Off;

    out.needleDeg = std::clamp(out.deviationDeg, -kCdiFullScaleDeg, kCdiFullScaleDeg);
    out.fullScale = std::abs(out.deviationDeg) >= kCdiFullScaleDeg;
    return out;
}

WindComponents windComponents(double courseDeg, double windFromDeg, double windSpeedKt)
{
    // Positive angle: the wind blows from the right of the course.
    const double windAngle = angleDifference(windFromDeg, courseDeg);
    const double cross = windSpeedKt * sinDeg(windAngle);

    WindComponents c;
    c.headwindKt = windSpeedKt * cosDeg(windAngle);
    c.crosswindKt = std::abs(cross);
    if (c.crosswindKt > 1e-9)
        c.crosswindFrom = cross > 0.0 ? Side::Right : Side::Left;
    else
        c.crosswindKt = 0.0;
    return c;
}

std::optional<WindSolution> solveWind(double courseDeg, double tasKt, double windFromDeg,
                                      double windSpeedKt)
{
    if (tasKt <= 0.0 || windSpeedKt < 0.0)
        return std::nullopt;

    WindSolution s;
    s.components = windComponents(courseDeg, windFromDeg, windSpeedKt);
    const double signedCross = s.components.crosswindFrom == Side::Left
                                   ? -s.components.crosswindKt
                                   : s.components.crosswindKt;
    if (std::abs(signedCross) > tasKt)
        return std::nullopt;

    // Crab into the wind: wind from the right needs a correction to the right.
    s.wcaDeg = std::asin(signedCross / tasKt) * kRadToDeg;
    s.headingDeg = normalizeDegrees(courseDeg + s.wcaDeg);
    s.groundspeedKt = tasKt * cosDeg(s.wcaDeg) - s.components.headwindKt;
    if (s.groundspeedKt <= 0.0)
        return std::nullopt;
    return s;
}

std::optional<LegTime> legTime(double distanceNm, double groundspeedKt)
{
    if (groundspeedKt <= 0.0 || distanceNm < 0.0)
        return std::nullopt;
    LegTime t;
    t.totalSeconds = distanceNm / groundspeedKt * 3600.0;
    const long long whole = std::llround(t.totalSeconds);
    t.minutes = static_cast<int>(whole / 60);
    t.seconds = static_cast<int>(whole % 60);
    return t;
}

double arcHeading(double radialDeg, ArcDirection direction)
{
    return normalizeDegrees(radialDeg + (direction == ArcDirection::Clockwise ? 90.0 : -90.0));
}

ArcDirection shorterArcDirection(double fromRadialDeg, double toRadialDeg)
{
    return angleDifference(toRadialDeg, fromRadialDeg) >= 0.0 ? ArcDirection::Clockwise
                                                               : ArcDirection::Counterclockwise;
}

Turn turnToJoinArc(double headingDeg, double radialDeg, ArcDirection direction,
                   double toleranceDeg)
{
    // angleDifference() returns +180 for a reversal, so that case turns right.
    const double d = angleDifference(arcHeading(radialDeg, direction), headingDeg);
    if (std::abs(d) <= toleranceDeg)
        return Turn::Maintain;
    return d > 0.0 ? Turn::Right : Turn::Left;
}

double leadAngle(double leadDistanceNm, double arcRadiusNm)
{
    return 60.0 * leadDistanceNm / arcRadiusNm;
}

double leadRadial(double finalRadialDeg, ArcDirection direction, double leadDistanceNm,
                  double arcRadiusNm)
{
    const double lead = leadAngle(leadDistanceNm, arcRadiusNm);
    return normalizeDegrees(finalRadialDeg
                            + (direction == ArcDirection::Clockwise ? -lead : lead));
}

Turn turnOntoFinal(ArcDirection direction, bool inbound)
{
    const bool clockwise = direction == ArcDirection::Clockwise;
    return clockwise == inbound ? Turn::Right : Turn::Left;
}

} // namespace orvik3::host::nav
