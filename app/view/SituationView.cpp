#include "view/SituationView.h"

#include "paint/SituationRenderer.h"

#include <QPainter>

namespace orvik3::trainer {

SituationView::SituationView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_situation.error = tr("Choose an exercise to begin.");
}

void SituationView::setSituation(Situation situation)
{
    m_situation = std::move(situation);
    update();
}

std::vector<InstrumentKind> SituationView::instruments() const
{
    if (!m_situation.session)
        return {};
    return instrumentsFor(*m_situation.session, m_situation.type);
}

void SituationView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    SituationRenderer().paint(p, QRectF(rect()), m_situation);
}

} // namespace orvik3::trainer
