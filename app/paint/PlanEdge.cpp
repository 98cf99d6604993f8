#include "paint/PlanEdge.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvik3::trainer {

QPointF PlanEdge::toward(QPointF at) const
{
    const QPointF c = m_rect.center();
    const QPointF d = at - c;
    const double halfW = m_rect.width() / 2.0 - m_margin, halfH = m_rect.height() / 2.0 - m_margin;
    double k = 1.0;
    if (std::abs(d.x()) > halfW)
        k = std::min(k, halfW / std::abs(d.x()));
    if (std::abs(d.y()) > halfH)
        k = std::min(k, halfH / std::abs(d.y()));
    return k < 1.0 ? c + d * k : at;
}

QPointF PlanEdge::clearOf(QPointF at, double half, const std::vector<QRectF> &keepOff) const
{
    const QRectF border = m_rect.adjusted(m_margin, m_margin, -m_margin, -m_margin);
    const auto free = [&](QPointF p) {
        const QRectF symbol(p - QPointF(half, half), QSizeF(2 * half, 2 * half));
        return border.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p)
               && std::none_of(keepOff.begin(), keepOff.end(), [&](const QRectF &r) { return r.intersects(symbol); });
    };
    if (free(at))
        return at;
    // Along a side the symbol lies on: just past either end of each thing in the way.
    const bool onTopOrBottom = std::abs(at.y() - border.top()) < 0.5 || std::abs(at.y() - border.bottom()) < 0.5;
    const bool onLeftOrRight = std::abs(at.x() - border.left()) < 0.5 || std::abs(at.x() - border.right()) < 0.5;
    std::vector<QPointF> tries;
    for (const QRectF &r : keepOff) {
        if (onTopOrBottom)
            tries.insert(tries.end(), {{r.left() - half - 1, at.y()}, {r.right() + half + 1, at.y()}});
        if (onLeftOrRight)
            tries.insert(tries.end(), {{at.x(), r.top() - half - 1}, {at.x(), r.bottom() + half + 1}});
    }
    QPointF best = at;
    double nearest = std::numeric_limits<double>::max();
    for (const QPointF &p : tries)
        if (const double d = std::hypot(p.x() - at.x(), p.y() - at.y()); d < nearest && free(p)) {
            nearest = d;
            best = p;
        }
    return best;
}

} // namespace orvik3::trainer
