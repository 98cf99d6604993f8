#pragma once

#include "ExerciseCatalog.h"

#include <QFrame>

class QComboBox;
class QLabel;
class QPushButton;

namespace orvik3::trainer {

class FlightSession;

// The controls of flying it yourself: turn buttons (the arrow keys do the same), pause,
// restart, time factor, a readout of the flight, and the way back to the panel.
class FlightBar : public QFrame
{
    Q_OBJECT
public:
    FlightBar(FlightSession &flight, QWidget *parent = nullptr);
    void setLanguage(Language language);
    // Updates the readout and the pause button from the flight.
    void refresh();

    QPushButton *backButton() const { return m_back; }
    QPushButton *pauseButton() const { return m_pause; }
    QPushButton *restartButton() const { return m_restart; }

signals:
    void panelWanted();

private:
    FlightSession &m_flight;
    Language m_language = Language::German;
    QLabel *m_title;
    QLabel *m_readout;
    QPushButton *m_left;
    QPushButton *m_right;
    QPushButton *m_pause;
    QPushButton *m_restart;
    QComboBox *m_speed;
    QPushButton *m_back;
};

} // namespace orvik3::trainer
