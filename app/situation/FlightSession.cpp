#include "situation/FlightSession.h"

#include <algorithm>

namespace orvik3::trainer {

namespace nav = host::nav;

namespace {
constexpr int kTickMs = 40;
constexpr size_t kMaxTrackPoints = 20000;
constexpr double kTrackSpacingNm = 0.05;
} // namespace

FlightSession::FlightSession(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(kTickMs);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &FlightSession::tick);
}

void FlightSession::start(const Situation &situation, double turnRateDegPerSecond)
{
    m_rate = turnRateDegPerSecond > 0 ? turnRateDegPerSecond : 3.0;
    m_startModel = nav::FlightModel(situation.start.position, situation.start.headingDeg,
                                    situation.session ? situation.session->aircraft.tasKt : 100.0);
    if (situation.session && situation.session->wind)
        m_startModel.setWind(situation.session->wind->fromDeg, situation.session->wind->speedKt);
    m_active = true;
    restart();
}

void FlightSession::restart()
{
    m_model = m_startModel;
    m_track = {m_model.position()};
    m_elapsed = 0.0;
    m_turn = 0;
    setPaused(false);
    emit moved();
}

void FlightSession::stop()
{
    m_active = false;
    m_timer.stop();
    m_turn = 0;
}

void FlightSession::setPaused(bool paused)
{
    m_paused = paused;
    if (m_active && !paused) {
        m_clock.start();
        m_timer.start();
    } else {
        m_timer.stop();
    }
}

void FlightSession::setTurn(int direction) { m_turn = std::clamp(direction, -1, 1); }

void FlightSession::advance(double seconds)
{
    // Short steps keep the track smooth where the trainee starts or stops a turn.
    while (seconds > 1e-9) {
        const double dt = std::min(seconds, 1.0);
        if (m_turn != 0)
            m_model.turn(m_turn * m_rate, dt);
        else
            m_model.step(dt);
        seconds -= dt;
        m_elapsed += dt;
        if (nav::distance(m_track.back(), m_model.position()) >= kTrackSpacingNm) {
            if (m_track.size() >= kMaxTrackPoints)
                m_track.erase(m_track.begin(), m_track.begin() + kMaxTrackPoints / 2);
            m_track.push_back(m_model.position());
        }
    }
}

void FlightSession::tick()
{
    const double real = m_clock.restart() / 1000.0;
    // A stalled event loop should not make the aircraft jump.
    advance(std::min(real, 0.5) * m_factor);
    emit moved();
}

AircraftState FlightSession::aircraft() const
{
    return {m_model.position(), m_model.heading()};
}

} // namespace orvik3::trainer
