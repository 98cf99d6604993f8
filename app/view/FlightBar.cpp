#include "view/FlightBar.h"

#include "situation/FlightSession.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace orvik3::trainer {

namespace {
QString threeDigits(double deg)
{
    int d = int(std::lround(host::nav::normalizeDegrees(deg))) % 360;
    return QStringLiteral("%1").arg(d == 0 ? 360 : d, 3, 10, QLatin1Char('0'));
}
} // namespace

FlightBar::FlightBar(FlightSession &flight, QWidget *parent) : QFrame(parent), m_flight(flight)
{
    setFrameShape(QFrame::StyledPanel);
    m_title = new QLabel(this);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_readout = new QLabel(this);
    m_readout->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    m_left = new QPushButton(QStringLiteral("◀"), this);
    m_right = new QPushButton(QStringLiteral("▶"), this);
    m_pause = new QPushButton(this);
    m_restart = new QPushButton(this);
    m_speed = new QComboBox(this);
    for (int f : {1, 2, 4, 8})
        m_speed->addItem(QStringLiteral("%1×").arg(f), f);
    m_back = new QPushButton(this);
    for (QPushButton *b : {m_left, m_right, m_pause, m_restart, m_back})
        b->setFocusPolicy(Qt::NoFocus);
    m_speed->setFocusPolicy(Qt::NoFocus);

    auto *grid = new QGridLayout(this);
    grid->addWidget(m_title, 0, 0, 1, 6);
    grid->addWidget(m_left, 1, 0);
    grid->addWidget(m_right, 1, 1);
    grid->addWidget(m_pause, 1, 2);
    grid->addWidget(m_restart, 1, 3);
    grid->addWidget(m_speed, 1, 4);
    grid->addWidget(m_readout, 2, 0, 1, 6);
    grid->addWidget(m_back, 3, 0, 1, 6);

    connect(m_left, &QPushButton::pressed, this, [this] { m_flight.setTurn(-1); });
    connect(m_right, &QPushButton::pressed, this, [this] { m_flight.setTurn(1); });
    for (QPushButton *b : {m_left, m_right})
        connect(b, &QPushButton::released, this, [this] { m_flight.setTurn(0); });
    connect(m_pause, &QPushButton::clicked, this, [this] {
        m_flight.setPaused(!m_flight.isPaused());
        refresh();
    });
    connect(m_restart, &QPushButton::clicked, this, [this] { m_flight.restart(); });
    connect(m_speed, &QComboBox::currentIndexChanged, this,
            [this] { m_flight.setTimeFactor(m_speed->currentData().toDouble()); });
    connect(m_back, &QPushButton::clicked, this, &FlightBar::panelWanted);
    setLanguage(m_language);
}

void FlightBar::setLanguage(Language language)
{
    m_language = language;
    m_restart->setText(tr("Restart"));
    m_back->setText(tr("Back to the questions"));
    m_left->setToolTip(tr("Turn left (left arrow)"));
    m_right->setToolTip(tr("Turn right (right arrow)"));
    m_left->setAccessibleName(tr("Turn left (left arrow)"));
    m_right->setAccessibleName(tr("Turn right (right arrow)"));
    m_speed->setAccessibleName(tr("Speed of the time"));
    refresh();
}

void FlightBar::refresh()
{
    m_title->setText(tr("Flying yourself: a tap on an arrow key turns %1°, holding it turns at %1°/s; space pauses")
                          .arg(m_flight.turnRate()));
    m_pause->setText(m_flight.isPaused() ? tr("Resume") : tr("Pause"));
    const auto &m = m_flight.model();
    const int t = int(m_flight.elapsedSeconds());
    m_readout->setText(QStringLiteral("HDG %1  TRK %2  GS %3 kt  %4:%5")
                           .arg(threeDigits(m.heading()), threeDigits(m.track()))
                           .arg(std::lround(m.groundspeed()), 3)
                           .arg(t / 60, 2, 10, QLatin1Char('0'))
                           .arg(t % 60, 2, 10, QLatin1Char('0')));
}

} // namespace orvik3::trainer
