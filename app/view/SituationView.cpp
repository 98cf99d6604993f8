#include "view/SituationView.h"

#include "situation/InstrumentReadings.h"

#include "paint/SituationRenderer.h"

#include <QPainter>

namespace orvik3::trainer {

SituationView::SituationView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus); // it takes keys only while flying, and gets the focus then
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_situation.error = tr("Choose an exercise to begin.");
    setAccessibleName(tr("Situation: plan view and instruments"));
}

void SituationView::setSituation(Situation situation)
{
    m_situation = std::move(situation);
    update();
}

QString SituationView::description() const
{
    const Situation &s = m_situation;
    if (!s.session)
        return s.error;
    // What is drawn, never the values asked for: those would give the answer away.
    QStringList stations;
    for (const host::Station &st : s.session->stations)
        stations << st.id;
    QStringList parts{tr("Plan view with the stations %1").arg(stations.join(QStringLiteral(", ")))};
    if (s.session->holding)
        parts << tr("a holding pattern");
    if (s.session->dmeArc)
        parts << tr("a DME arc");
    if (s.session->wind)
        parts << tr("the wind");
    parts << (s.aircraftVisible() ? tr("the aircraft") : tr("the aircraft hidden until the solution"));
    QStringList shown;
    for (InstrumentKind k : instruments())
        shown << instrumentName(k);
    if (!shown.isEmpty())
        parts << tr("instruments: %1").arg(shown.join(QStringLiteral(", ")));
    if (s.flying)
        parts << tr("you are flying the situation");
    else if (s.showSolution)
        parts << tr("the solution is drawn");
    return parts.join(QStringLiteral("; ")) + u'.';
}

std::vector<InstrumentKind> SituationView::instruments() const
{
    if (!m_situation.session)
        return {};
    return instrumentsFor(*m_situation.session, m_situation.type);
}

void SituationView::paintEvent(QPaintEvent *)
{
    if (const QString said = description(); said != accessibleDescription())
        setAccessibleDescription(said);
    QPainter p(this);
    SituationRenderer().paint(p, QRectF(rect()), m_situation);
}

} // namespace orvik3::trainer
