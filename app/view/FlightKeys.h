#pragma once

#include <QObject>

namespace orvik3::trainer {

class FlightSession;

// The keys of flying it yourself, wherever the focus is while a flight is on: the arrow keys
// turn while held, space pauses.
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
    FlightSession &m_flight;
};

} // namespace orvik3::trainer
