#include "view/FlightKeys.h"

#include "situation/FlightSession.h"

#include <QKeyEvent>

namespace orvik3::trainer {

FlightKeys::FlightKeys(FlightSession &flight, QObject *parent) : QObject(parent), m_flight(flight) {}

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
                m_flight.setTurn(dir);
            else if (m_flight.turn() == dir)
                m_flight.setTurn(0);
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
