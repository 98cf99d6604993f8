// The trainer's window: flying the situation of the question to see where the answer leads.
#include "MainWindow.h"

#include "panel/TrainerHost.h"
#include "situation/FlightSession.h"
#include "view/ExercisePage.h"
#include "view/FlightBar.h"
#include "view/SituationView.h"

namespace orvik3::trainer {

void MainWindow::flyRequested(int, double turnRate)
{
    Situation &s = m_exercise->view()->situation();
    if (!s.session) {
        report(tr("There is no situation to fly."));
        m_host->giveBackPanel();
        return;
    }
    s.flying = true;
    m_flight->start(s, turnRate);
    m_exercise->showFlight(true);
    m_exercise->view()->setFocus();
}

void MainWindow::flyEnded()
{
    m_flight->stop();
    m_exercise->showFlight(false);
    Situation &s = m_exercise->view()->situation();
    s.flying = false;
    s.resetAircraft();
    m_exercise->view()->update();
}

void MainWindow::flightMoved()
{
    Situation &s = m_exercise->view()->situation();
    s.aircraft = m_flight->aircraft();
    s.track = m_flight->track();
    s.track.push_back(s.aircraft.position);
    m_exercise->view()->update();
    m_exercise->flightBar()->refresh();
}

} // namespace orvik3::trainer
