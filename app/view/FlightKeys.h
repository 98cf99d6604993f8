#pragma once

#include <QElapsedTimer>
#include <QObject>

class QTimer;

namespace orvik3::trainer {

class FlightSession;

// The keys of flying it yourself, wherever the focus is while a flight is on: a tap on an arrow
// key turns one step (one second of turning at the rate), holding it turns on at the rate;
// space pauses.
class FlightKeys : public QObject
{
    Q_OBJECT
public:
    explicit FlightKeys(FlightSession &flight, QObject *parent = nullptr);

signals:
    void pauseToggled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void press(int direction);
    void release(int direction);

    FlightSession &m_flight;
    QElapsedTimer m_held;
    QTimer *m_stepEnd;
};

} // namespace orvik3::trainer
