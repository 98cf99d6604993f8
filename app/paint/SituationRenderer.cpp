#include "paint/SituationRenderer.h"

#include "paint/InstrumentPainter.h"
#include "paint/PlanPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

SituationLayout layoutSituation(const QRectF &rect, int n)
{
    SituationLayout l;
    if (n <= 0) {
        l.plan = rect;
        return l;
    }
    const double w = rect.width(), h = rect.height();
    if (w >= 1.25 * h) {
        const int cols = (n >= 3 && h / n < std::min(w * 0.3, h) * 0.75) ? 2 : 1;
        const int rows = (n + cols - 1) / cols;
        const double cell = std::min(h / rows, w * 0.42 / cols);
        const double colW = cell * cols;
        l.plan = QRectF(rect.left(), rect.top(), w - colW, h);
        const double top = rect.top() + (h - cell * rows) / 2.0;
        for (int i = 0; i < n; ++i)
            l.instruments.push_back(QRectF(l.plan.right() + (i % cols) * cell, top + (i / cols) * cell, cell, cell));
    } else {
        const double cell = std::min(w / n, h * 0.4);
        l.plan = QRectF(rect.left(), rect.top(), w, h - cell);
        const double left = rect.left() + (w - cell * n) / 2.0;
        for (int i = 0; i < n; ++i)
            l.instruments.push_back(QRectF(left + i * cell, l.plan.bottom(), cell, cell));
    }
    return l;
}

void SituationRenderer::paint(QPainter &p, const QRectF &rect, const Situation &s, PlanProbe *probe) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    std::vector<InstrumentKind> kinds;
    if (s.session)
        kinds = instrumentsFor(*s.session, s.type);
    const SituationLayout l = layoutSituation(rect, int(kinds.size()));
    p.fillRect(rect, QColor(0xe6, 0xe4, 0xde));
    PlanPainter().paint(p, l.plan, s, probe);
    p.setPen(QPen(QColor(0xb8, 0xb4, 0xa8), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(l.plan.adjusted(0.5, 0.5, -0.5, -0.5));
    const InstrumentPainter painter;
    for (size_t i = 0; i < kinds.size(); ++i) {
        const QRectF cell = l.instruments[i];
        const double pad = std::max(4.0, cell.width() * 0.05);
        painter.paint(p, cell.adjusted(pad, pad, -pad, -pad * 0.5), readInstrument(kinds[i], *s.session, s.aircraft));
    }
    p.restore();
}

} // namespace orvik3::trainer
