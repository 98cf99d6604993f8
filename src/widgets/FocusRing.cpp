#include "widgets/FocusRing.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvik3 {

namespace {
constexpr int kWidth = 2; // pixels at 96 dpi
}

FocusRing::FocusRing(QWidget *panel) : QWidget(panel), m_panel(panel)
{
    setObjectName(QStringLiteral("orvik3FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusMoved(now); });
}

void FocusRing::focusMoved(QWidget *now)
{
    for (QWidget *w = m_target; w && w != m_panel; w = w->parentWidget())
        w->removeEventFilter(this);
    m_target = (now && now != m_panel && m_panel->isAncestorOf(now)) ? now : nullptr;
    // Its frames too: a frame cut short can hide the target without moving it.
    for (QWidget *w = m_target; w && w != m_panel; w = w->parentWidget())
        w->installEventFilter(this);
    follow();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    if (m_target && watched->isWidgetType() && (event->type() == QEvent::Move || event->type() == QEvent::Resize
                                || event->type() == QEvent::Hide || event->type() == QEvent::Show))
        follow();
    return QWidget::eventFilter(watched, event);
}

void FocusRing::follow()
{
    // A target clipped away by a frame cut short has no ring floating where it would be.
    bool clipped = false;
    for (QWidget *w = m_target; w && w != m_panel && !clipped; w = w->parentWidget()) {
        const QWidget *frame = w->parentWidget();
        clipped = frame && frame != m_panel && !QRect(QPoint(0, 0), frame->size()).intersects(w->geometry());
    }
    if (!m_target || !m_target->isVisibleTo(m_panel) || clipped) {
        hide();
        return;
    }
    const int w = std::max(kWidth, int(std::lround(kWidth * logicalDpiY() / 96.0)));
    const QRect around(m_target->mapTo(m_panel, QPoint(0, 0)), m_target->size());
    setGeometry(around.adjusted(-w, -w, w, w).intersected(m_panel->rect()));
    raise();
    show();
    update();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    if (!m_target)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = std::max(kWidth, int(std::lround(kWidth * logicalDpiY() / 96.0)));
    // The palette's highlight, as other focused fields show it.
    p.setBrush(Qt::NoBrush);
    const QRectF ring = QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
    p.setPen(QPen(palette().color(QPalette::Active, QPalette::Highlight), w));
    p.drawRoundedRect(ring, w, w);
    // A light line inside, so that the ring also stands out on the dark rows.
    p.setPen(QPen(Qt::white, 1));
    p.drawRoundedRect(ring.adjusted(w / 2.0 + 0.5, w / 2.0 + 0.5, -w / 2.0 - 0.5, -w / 2.0 - 0.5), w / 2.0, w / 2.0);
}

} // namespace orvik3
