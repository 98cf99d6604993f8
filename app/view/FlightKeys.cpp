#include "view/FlightKeys.h"

#include "situation/FlightSession.h"

#include <QKeyEvent>
#include <QTimer>

#include <algorithm>

namespace orvik3::trainer {

FlightKeys::FlightKeys(FlightSession &flight, QObject *parent)
    : QObject(parent), m_flight(flight), m_stepEnd(new QTimer(this))
{
    m_stepEnd->setSingleShot(true);
    connect(m_stepEnd, &QTimer::timeout, this, [this] { m_flight.setTurn(0); });
}

// One step lasts a second of flight time, however fast the time runs.
static int stepMs(const FlightSession &flight) { return int(1000 / std::max(0.1, flight.timeFactor())); }

void FlightKeys::press(int direction)
{
    m_stepEnd->stop();
    m_flight.setTurn(direction);
    m_held.start();
}

void FlightKeys::release(int direction)
{
    if (m_flight.turn() != direction)
        return;
    const qint64 left = stepMs(m_flight) - m_held.elapsed();
    if (left > 0)
        m_stepEnd->start(int(left)); // a tap: the step is finished
    else
        m_flight.setTurn(0);
}

bool FlightKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_flight.isActive() || (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease))
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    const bool press = event->type() == QEvent::KeyPress;
    if (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right) {
        if (!key->isAutoRepeat()) {
            const int dir = key->key() == Qt::Key_Left ? -1 : 1;
            if (press)
                this->press(dir);
            else
                release(dir);
        }
        return true;
    }
    if (key->key() == Qt::Key_Space && press && !key->isAutoRepeat()) {
        m_flight.setPaused(!m_flight.isPaused());
        emit pauseToggled();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvik3::trainer
