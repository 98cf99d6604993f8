#include "situation/PathBuilder.h"

#include <cmath>
#include <numbers>

namespace orvik3::trainer {

namespace nav = host::nav;

PathBuilder::PathBuilder(nav::Point start, double headingDeg, double turnRadiusNm)
    : m_pos(start), m_heading(nav::normalizeDegrees(headingDeg)), m_radius(turnRadiusNm)
{
    m_path.push_back(start);
}

double PathBuilder::rateOneRadius(double tasKt)
{
    const double omega = 3.0 * std::numbers::pi / 180.0; // rad per second
    return tasKt / 3600.0 / omega;
}

void PathBuilder::straight(double nm)
{
    m_pos = nav::offset(m_pos, m_heading, nm);
    m_path.push_back(m_pos);
}

void PathBuilder::turn(double deg)
{
    if (deg == 0.0)
        return;
    // The centre of the turn lies abeam on the side turned to.
    const double side = deg > 0 ? 90.0 : -90.0;
    const nav::Point centre = nav::offset(m_pos, m_heading + side, m_radius);
    const double startAngle = nav::bearing(centre, m_pos);
    const int steps = std::max(1, int(std::ceil(std::abs(deg) / 5.0)));
    for (int i = 1; i <= steps; ++i) {
        const double a = startAngle + deg * i / steps;
        m_path.push_back(nav::offset(centre, a, m_radius));
    }
    m_pos = m_path.back();
    m_heading = nav::normalizeDegrees(m_heading + deg);
}

void PathBuilder::turnTo(double headingDeg, bool right)
{
    const double cw = nav::normalizeDegrees(headingDeg - m_heading);
    if (cw == 0.0)
        return;
    turn(right ? cw : cw - 360.0);
}

void PathBuilder::turnToShorter(double headingDeg)
{
    turn(nav::angleDifference(headingDeg, m_heading));
}

void PathBuilder::lineTo(nav::Point p)
{
    if (nav::distance(m_pos, p) > 1e-9)
        m_heading = nav::bearing(m_pos, p);
    m_pos = p;
    m_path.push_back(p);
}

} // namespace orvik3::trainer
