#pragma once

// Point-mass aircraft for the trainer's animation and for checking answers:
// it flies at constant TAS along its heading and drifts with the wind. No
// inertia, bank or climb; the exercises only need the ground track.

#include "nav/Geometry.h"

namespace orvik3::host::nav {

class FlightModel
{
public:
    FlightModel() = default;
    FlightModel(Point position, double headingDeg, double tasKt);

    Point position() const { return m_position; }
    double heading() const { return m_heading; }
    double tas() const { return m_tas; }
    double windFrom() const { return m_windFrom; }
    double windSpeed() const { return m_windSpeed; }

    void setPosition(Point p) { m_position = p; }
    void setHeading(double deg);
    void setTas(double kt) { m_tas = kt; }
    // Wind as reported: the direction it blows from, and its speed.
    void setWind(double fromDeg, double speedKt);

    // Velocity over the ground, NM per hour east and north.
    Point groundVelocity() const;
    double groundspeed() const;
    // Direction of travel over the ground; equals the heading in still air.
    double track() const;

    // Fly straight for dtSeconds.
    void step(double dtSeconds);
    // Fly for dtSeconds while turning at a constant rate (positive = right).
    // Integrated exactly along the circular air path, so step size does not
    // change where the aircraft ends up.
    void turn(double degPerSecond, double dtSeconds);

private:
    Point windVelocity() const;

    Point m_position;
    double m_heading = 0.0;
    double m_tas = 0.0;
    double m_windFrom = 0.0;
    double m_windSpeed = 0.0;
};

} // namespace orvik3::host::nav
