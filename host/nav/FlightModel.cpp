#include "nav/FlightModel.h"

#include <cmath>
#include <numbers>

namespace orvik3::host::nav {

namespace {
constexpr double kDegToRad = std::numbers::pi / 180.0;
constexpr double kSecondsPerHour = 3600.0;
} // namespace

FlightModel::FlightModel(Point position, double headingDeg, double tasKt)
    : m_position(position), m_heading(normalizeDegrees(headingDeg)), m_tas(tasKt)
{
}

void FlightModel::setHeading(double deg) { m_heading = normalizeDegrees(deg); }

void FlightModel::setWind(double fromDeg, double speedKt)
{
    m_windFrom = normalizeDegrees(fromDeg);
    m_windSpeed = speedKt;
}

Point FlightModel::windVelocity() const
{
    // The air mass moves toward the reciprocal of where the wind comes from.
    const double to = (m_windFrom + 180.0) * kDegToRad;
    return {m_windSpeed * std::sin(to), m_windSpeed * std::cos(to)};
}

Point FlightModel::groundVelocity() const
{
    const double h = m_heading * kDegToRad;
    const Point w = windVelocity();
    return {m_tas * std::sin(h) + w.x, m_tas * std::cos(h) + w.y};
}

double FlightModel::groundspeed() const
{
    const Point v = groundVelocity();
    return std::hypot(v.x, v.y);
}

double FlightModel::track() const { return bearing({0.0, 0.0}, groundVelocity()); }

void FlightModel::step(double dtSeconds)
{
    const Point v = groundVelocity();
    const double hours = dtSeconds / kSecondsPerHour;
    m_position.x += v.x * hours;
    m_position.y += v.y * hours;
}

void FlightModel::turn(double degPerSecond, double dtSeconds)
{
    if (degPerSecond == 0.0) {
        step(dtSeconds);
        return;
    }
    // Air path is a circle of radius V/omega; integrate sin/cos of the heading.
    const double omega = degPerSecond * kDegToRad;            // rad per second
    const double speed = m_tas / kSecondsPerHour;             // NM per second
    const double h0 = m_heading * kDegToRad;
    const double h1 = h0 + omega * dtSeconds;
    const double r = speed / omega;
    const Point w = windVelocity();
    const double hours = dtSeconds / kSecondsPerHour;

    m_position.x += r * (std::cos(h0) - std::cos(h1)) + w.x * hours;
    m_position.y += r * (std::sin(h1) - std::sin(h0)) + w.y * hours;
    m_heading = normalizeDegrees(m_heading + degPerSecond * dtSeconds);
}

} // namespace orvik3::host::nav
