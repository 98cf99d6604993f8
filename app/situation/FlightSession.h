#pragma once

#include "situation/PathBuilder.h"
#include "situation/Situation.h"

#include "nav/FlightModel.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace orvik3::trainer {

// Flying the situation yourself: the aircraft leaves the session's position at its airspeed,
// drifts with the session's wind and turns while the trainee holds a turn key. Time runs on
// a timer, optionally faster than real time; advance() runs it by hand.
class FlightSession : public QObject
{
    Q_OBJECT
public:
    explicit FlightSession(QObject *parent = nullptr);

    // Sets up the model from the situation's start and begins flying (the timer runs).
    void start(const Situation &situation, double turnRateDegPerSecond);
    void stop();
    void restart();
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }
    bool isActive() const { return m_active; }

    // -1 turning left, 0 straight, +1 turning right.
    void setTurn(int direction);
    int turn() const { return m_turn; }
    void setTimeFactor(double factor) { m_factor = factor; }
    double timeFactor() const { return m_factor; }
    double turnRate() const { return m_rate; }

    // Flies `seconds` of simulated time.
    void advance(double seconds);

    AircraftState aircraft() const;
    const Path &track() const { return m_track; }
    const host::nav::FlightModel &model() const { return m_model; }
    double elapsedSeconds() const { return m_elapsed; }

signals:
    void moved();

private:
    void tick();

    host::nav::FlightModel m_model;
    host::nav::FlightModel m_startModel;
    Path m_track;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_rate = 3.0;
    double m_factor = 1.0;
    double m_elapsed = 0.0;
    int m_turn = 0;
    bool m_paused = false;
    bool m_active = false;
};

} // namespace orvik3::trainer
