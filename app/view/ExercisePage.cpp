#include "view/ExercisePage.h"

#include "practice/LearningSession.h"
#include "view/FlightBar.h"
#include "view/Legend.h"
#include "view/SituationView.h"
#include "view/SolutionBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvik3::trainer {

namespace {

QLabel *namedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText); // its texts name files and questions
    return label;
}

} // namespace

ExercisePage::ExercisePage(FlightSession &flight, QWidget *parent) : QWidget(parent), m_flight(flight)
{
    m_view = new SituationView(this);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(m_view, 1);
    m_column = new QVBoxLayout;
    m_progress = namedLabel("progressLabel", this);
    m_status = namedLabel("endlessLabel", this);
    m_status->setWordWrap(true);
    m_status->setMaximumWidth(540);
    m_status->hide();
    m_repeat = namedLabel("repeatLabel", this);
    m_repeat->setWordWrap(true); // as wide as the column, so that its height is reckoned right
    QPalette red = m_repeat->palette();
    red.setColor(QPalette::WindowText, QColor(0xa0, 0, 0));
    m_repeat->setPalette(red);
    m_repeat->hide();
    m_next = new QPushButton(this);
    m_next->setObjectName(QStringLiteral("trainerNext"));
    m_next->hide();
    m_legend = new Legend(this);
    m_column->addWidget(m_progress);
    m_column->addWidget(m_status);
    m_column->addWidget(m_repeat);
    m_column->addWidget(m_next, 0, Qt::AlignLeft);
    m_column->addWidget(m_legend);
    m_column->addStretch();
    row->addLayout(m_column);
    connect(m_next, &QPushButton::clicked, this, &ExercisePage::nextWanted);
    retranslate();
}

// The panel refers to the control; it goes first.
ExercisePage::~ExercisePage() { delete m_panel; }

void ExercisePage::setPanel(QWidget *panel)
{
    delete m_panel;
    m_panel = panel;
    if (panel) {
        m_column->insertWidget(0, panel);
        panel->show(); // at once, also on a page that is on screen already
    }
}

SolutionBox *ExercisePage::solutionBox()
{
    if (!m_solution) {
        m_solution = new SolutionBox(this);
        m_column->insertWidget(m_column->indexOf(m_next) + 1, m_solution);
    }
    return m_solution;
}

FlightBar *ExercisePage::flightBar()
{
    if (!m_flightBar) {
        m_flightBar = new FlightBar(m_flight, this);
        m_flightBar->setLanguage(m_language);
        m_flightBar->hide();
        m_column->insertWidget(m_column->indexOf(m_legend), m_flightBar);
        connect(m_flightBar, &FlightBar::panelWanted, this, &ExercisePage::panelWanted);
    }
    return m_flightBar;
}

void ExercisePage::showProgress(const LearningSession &learning, const QString &statusLine)
{
    m_progress->setText(learning.progressText());
    m_repeat->setText(learning.repeatText());
    m_repeat->setVisible(!learning.repeatText().isEmpty());
    m_status->setText(statusLine);
    m_status->setVisible(!statusLine.isEmpty());
}

void ExercisePage::showSolution(const Explanation &explanation)
{
    solutionBox()->show(explanation);
    m_next->show();
}

void ExercisePage::clearQuestion()
{
    if (m_solution)
        m_solution->hide();
    m_next->hide();
    showFlight(false);
}

void ExercisePage::showFlight(bool on)
{
    if (!on && !m_flightBar)
        return;
    flightBar()->setVisible(on);
    if (on) {
        m_flightBar->refresh();
        m_next->show();
    }
}

void ExercisePage::setLanguage(Language language)
{
    m_language = language;
    if (m_flightBar)
        m_flightBar->setLanguage(language);
    retranslate();
}

void ExercisePage::retranslate()
{
    m_next->setText(tr("Next question (Enter)"));
    m_legend->retranslate();
}

} // namespace orvik3::trainer
