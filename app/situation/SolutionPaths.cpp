#include "situation/SolutionPaths.h"

#include <orvik3/HoldingAnswer.h>

#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

namespace nav = host::nav;

namespace {

double legLength(double tasKt) { return std::max(tasKt, 60.0) / 60.0; } // one minute

// Where the ray from `p` along `headingDeg` meets the line through `q` along `lineDeg`;
// the distance along the ray, or a negative value when it never gets there.
double rayToLine(nav::Point p, double headingDeg, nav::Point q, double lineDeg)
{
    const double h = headingDeg * M_PI / 180.0, l = lineDeg * M_PI / 180.0;
    const double dx = std::sin(h), dy = std::cos(h);
    const double ex = std::sin(l), ey = std::cos(l);
    const double denom = dx * ey - dy * ex;
    if (std::abs(denom) < 1e-9)
        return -1.0;
    return ((q.x - p.x) * ey - (q.y - p.y) * ex) / denom;
}

} // namespace

Path holdingPattern(nav::Point fix, double inboundDeg, host::HoldingTurn turn, double tasKt)
{
    const bool right = turn == host::HoldingTurn::Right;
    PathBuilder b(fix, inboundDeg, PathBuilder::rateOneRadius(tasKt));
    b.turn(right ? 180.0 : -180.0);
    b.straight(legLength(tasKt));
    b.turn(right ? 180.0 : -180.0);
    b.lineTo(fix);
    return b.path();
}

Path holdingEntry(nav::Point aircraft, double headingDeg, nav::Point fix, double inboundDeg, host::HoldingTurn turn,
                  double tasKt, QString *entry)
{
    const int hdg = int(std::lround(nav::normalizeDegrees(headingDeg))) % 360;
    const int inbound = int(std::lround(nav::normalizeDegrees(inboundDeg))) % 360;
    const HoldingAnswer answer = holdingAnswer(hdg, inbound, turn == host::HoldingTurn::Right);
    if (entry)
        *entry = answer.entryWord;

    const bool right = turn == host::HoldingTurn::Right;
    const double leg = legLength(tasKt);
    PathBuilder b(aircraft, headingDeg, PathBuilder::rateOneRadius(tasKt));
    b.lineTo(fix);
    if (answer.entry == HoldingEntry::Parallel) {
        b.turnTo(answer.outbound, !right);
        b.straight(leg);
        // Round through more than a half circle, toward the holding side, back to the fix.
        b.turn(right ? -225.0 : 225.0);
        b.lineTo(fix);
    } else if (answer.entry == HoldingEntry::Offset) {
        b.turnToShorter(answer.gate);
        b.straight(leg);
        b.turnTo(inboundDeg, right);
        b.lineTo(fix);
    } else {
        // A direct entry is the pattern itself, joined at the fix.
        Path p = b.path();
        const Path pattern = holdingPattern(fix, inboundDeg, turn, tasKt);
        p.insert(p.end(), pattern.begin() + 1, pattern.end());
        return p;
    }
    return b.path();
}

Path interceptPath(nav::Point aircraft, double headingDeg, nav::Point station, double courseDeg, bool inbound,
                   double tasKt, double *interceptHeading)
{
    // Signed angle between where the station is and where the course runs: positive when
    // the line lies to the right, so the intercept turns right.
    const double bearingNow = inbound ? nav::qdm(aircraft, station) : nav::qdr(aircraft, station);
    const double off = inbound ? nav::angleDifference(bearingNow, courseDeg) : nav::angleDifference(courseDeg, bearingNow);
    const double angle = std::clamp(2.0 * std::abs(off), 20.0, 90.0);
    const double heading = nav::normalizeDegrees(courseDeg + (off >= 0 ? angle : -angle));
    if (interceptHeading)
        *interceptHeading = heading;

    PathBuilder b(aircraft, headingDeg, PathBuilder::rateOneRadius(tasKt));
    if (std::abs(off) < 0.5) {
        b.turnToShorter(courseDeg);
    } else {
        b.turnToShorter(heading);
        const double t = rayToLine(b.position(), heading, station, courseDeg);
        // The turn onto the course starts early enough to roll out on the line.
        const double turn = std::abs(nav::angleDifference(courseDeg, heading)) * M_PI / 180.0;
        const double lead = PathBuilder::rateOneRadius(tasKt) * std::tan(turn / 2.0);
        if (t - lead > 0.0 && t < 500.0)
            b.straight(t - lead);
        b.turnToShorter(courseDeg);
    }
    if (inbound)
        b.lineTo(station);
    else
        b.straight(std::max(5.0, nav::distance(aircraft, station)));
    return b.path();
}

Path radialLine(nav::Point station, double radialDeg, double lengthNm)
{
    return {station, nav::offset(station, radialDeg, lengthNm)};
}

Path arcPoints(nav::Point centre, double radiusNm, double fromRadialDeg, double toRadialDeg,
               nav::ArcDirection direction)
{
    double sweep = nav::normalizeDegrees(toRadialDeg - fromRadialDeg);
    // From a radial round to the same radial given a different way (0 to 360) is a full circle.
    if (sweep == 0.0 && toRadialDeg != fromRadialDeg)
        sweep = 360.0;
    if (direction == nav::ArcDirection::Counterclockwise)
        sweep = sweep == 0.0 ? 0.0 : sweep - 360.0;
    const int steps = std::max(1, int(std::ceil(std::abs(sweep) / 3.0)));
    Path p;
    for (int i = 0; i <= steps; ++i)
        p.push_back(nav::offset(centre, fromRadialDeg + sweep * i / steps, radiusNm));
    return p;
}

nav::ArcDirection arcDirection(nav::Point aircraft, nav::Point station, const host::DmeArc &arc)
{
    if (arc.direction)
        return *arc.direction;
    return nav::shorterArcDirection(nav::qdr(aircraft, station), nav::reciprocal(arc.finalCourseDeg));
}

Path dmeArcPath(nav::Point aircraft, nav::Point station, const host::DmeArc &arc)
{
    const double radial = nav::qdr(aircraft, station);
    const double finalRadial = nav::reciprocal(arc.finalCourseDeg);
    const nav::ArcDirection dir = arcDirection(aircraft, station, arc);
    const double lead = arc.leadNm.value_or(0.0);
    const double turnRadial = lead > 0.0 ? nav::leadRadial(finalRadial, dir, lead, arc.radiusNm) : finalRadial;

    Path p{aircraft};
    const Path around = arcPoints(station, arc.radiusNm, radial, turnRadial, dir);
    p.insert(p.end(), around.begin(), around.end());
    if (lead > 0.0)
        p.push_back(nav::offset(station, finalRadial, std::max(arc.radiusNm - lead, 0.0)));
    p.push_back(station);
    return p;
}

} // namespace orvik3::trainer
