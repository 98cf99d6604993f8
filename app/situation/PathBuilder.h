#pragma once

#include "nav/Geometry.h"

#include <vector>

namespace orvik3::trainer {

using Path = std::vector<host::nav::Point>;

// Traces a flight path the way a pilot flies it: straight legs and rate-one turns.
// Turns are sampled every few degrees, so the result can be drawn as a polyline.
class PathBuilder
{
public:
    PathBuilder(host::nav::Point start, double headingDeg, double turnRadiusNm);

    void straight(double nm);
    // Turns through `deg` degrees, positive to the right.
    void turn(double deg);
    // Turns onto `headingDeg`: to the right (right = true) or to the left.
    void turnTo(double headingDeg, bool right);
    // Turns onto `headingDeg` the shorter way.
    void turnToShorter(double headingDeg);
    // A straight line to `p`, leaving the heading pointing along it.
    void lineTo(host::nav::Point p);

    host::nav::Point position() const { return m_pos; }
    double heading() const { return m_heading; }
    const Path &path() const { return m_path; }

    // Radius of a rate-one turn (3 degrees per second) at this true airspeed.
    static double rateOneRadius(double tasKt);

private:
    host::nav::Point m_pos;
    double m_heading;
    double m_radius;
    Path m_path;
};

} // namespace orvik3::trainer
