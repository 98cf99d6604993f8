#pragma once

// Navigation geometry on a flat local plane.
//
// Conventions used throughout the host kit:
//   - x points east, y points north, distances in nautical miles (NM);
//   - angles are degrees clockwise from north, in [0, 360);
//   - magnetic and true north coincide (the trainer has no variation);
//   - speeds in knots, times in seconds unless a name says otherwise.
// Exercises span a few tens of NM, so a plane is accurate enough and keeps
// the answers reproducible by hand with the formulas a student learns.

#include <optional>

namespace orvik3::host::nav {

struct Point {
    double x = 0.0; // NM east
    double y = 0.0; // NM north
    friend bool operator==(const Point &, const Point &) = default;
};

enum class Side { None, Left, Right };
enum class Turn { Maintain, Left, Right };
enum class Trend { Constant, Increase, Decrease };
enum class ToFrom { Off, To, From };
// Clockwise: the radial read on the arc increases while flying it.
enum class ArcDirection { Clockwise, Counterclockwise };

// --- angles -----------------------------------------------------------------

// Any angle to [0, 360).
double normalizeDegrees(double deg);
// Shortest signed rotation from `from` to `to`, in (-180, 180].
// Positive means clockwise (a right turn).
double angleDifference(double to, double from);
double reciprocal(double deg);

// --- points and bearings ----------------------------------------------------

double distance(Point a, Point b);
// Direction of b seen from a; 0 when the points coincide.
double bearing(Point from, Point to);
// The point `distanceNm` away from `origin` in direction `bearingDeg`.
Point offset(Point origin, double bearingDeg, double distanceNm);

// Magnetic bearing from the aircraft to the station.
double qdm(Point aircraft, Point station);
// Radial the aircraft is on (bearing from the station to the aircraft).
double qdr(Point aircraft, Point station);
// What a relative-bearing ADF shows: QDM - heading, in [0, 360).
double relativeBearing(Point aircraft, double headingDeg, Point station);

// How QDM (or QDR; they always move together) changes while the aircraft
// flies straight along `trackDeg`. The bearing is reported constant when the
// track lies within `toleranceDeg` of the line through the station, i.e. the
// aircraft flies (almost) directly to or from it, or sits on the station.
Trend bearingTrend(Point aircraft, double trackDeg, Point station,
                   double toleranceDeg = 1.0);
Trend qdmTrend(Point aircraft, double trackDeg, Point station, double toleranceDeg = 1.0);
Trend qdrTrend(Point aircraft, double trackDeg, Point station, double toleranceDeg = 1.0);

// --- HSI / VOR indicator ----------------------------------------------------

inline constexpr double kCdiFullScaleDeg = 10.0;

struct CdiIndication {
    // Angular distance to the selected course, positive when the course lies
    // to the right (needle deflected right: fly right to intercept).
    double deviationDeg = 0.0;
    // deviationDeg clamped to the dial, +-kCdiFullScaleDeg.
    double needleDeg = 0.0;
    bool fullScale = false;
    ToFrom flag = ToFrom::Off;
};

// Indication for an aircraft on radial `radialDeg` with `courseDeg` set on
// the OBS / HSI course pointer. It does not depend on heading, only on where
// the aircraft is. The flag is Off within `ambiguityDeg` of abeam the station.
CdiIndication cdiIndication(double radialDeg, double courseDeg, double ambiguityDeg = 0.0);

// --- wind triangle ----------------------------------------------------------

struct WindComponents {
    double headwindKt = 0.0;  // positive headwind, negative tailwind
    double crosswindKt = 0.0; // magnitude, >= 0
    Side crosswindFrom = Side::None; // side the wind comes from, seen by the pilot
};

// Components of the wind (from `windFromDeg`) relative to `courseDeg`.
WindComponents windComponents(double courseDeg, double windFromDeg, double windSpeedKt);

struct WindSolution {
    WindComponents components;
    double wcaDeg = 0.0;        // wind correction angle, positive = correct to the right
    double headingDeg = 0.0;    // heading to fly to make good the course
    double groundspeedKt = 0.0;
};

// Heading and groundspeed to make good `courseDeg`. WCA = asin(crosswind / TAS);
// groundspeed = TAS cos(WCA) - headwind, which is exact for that heading.
// Empty when the crosswind exceeds the TAS (the course cannot be held) or the
// aircraft would not make headway.
std::optional<WindSolution> solveWind(double courseDeg, double tasKt, double windFromDeg,
                                      double windSpeedKt);

struct LegTime {
    double totalSeconds = 0.0;
    int minutes = 0; // rounded to the nearest whole second, then split
    int seconds = 0;
};

// Time to fly `distanceNm` at `groundspeedKt`; empty for a non-positive speed.
std::optional<LegTime> legTime(double distanceNm, double groundspeedKt);

// --- DME arc ----------------------------------------------------------------

// Heading that keeps the aircraft on the arc in still air: perpendicular to
// the radial, radial + 90 clockwise, radial - 90 counterclockwise.
double arcHeading(double radialDeg, ArcDirection direction);
// The direction that reaches `toRadial` from `fromRadial` the short way
// round; clockwise when they are exactly opposite.
ArcDirection shorterArcDirection(double fromRadialDeg, double toRadialDeg);
// First turn to join the arc: from the current heading to arcHeading(), the
// short way. Maintain within `toleranceDeg`; a reversal counts as right.
Turn turnToJoinArc(double headingDeg, double radialDeg, ArcDirection direction,
                   double toleranceDeg = 1.0);
// Rule of thumb: lead angle (deg) = 60 x lead distance / arc radius.
double leadAngle(double leadDistanceNm, double arcRadiusNm);
// Radial at which to start the turn onto the final radial, reached before
// the final radial in the direction of flight along the arc.
double leadRadial(double finalRadialDeg, ArcDirection direction, double leadDistanceNm,
                  double arcRadiusNm);
// Turn from the arc onto the final course: inbound turns toward the station
// (right on a clockwise arc), outbound away from it.
Turn turnOntoFinal(ArcDirection direction, bool inbound);

} // namespace orvik3::host::nav
