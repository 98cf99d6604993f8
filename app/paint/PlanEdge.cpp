#include "paint/PlanEdge.h"

#include "paint/LabelPlacer.h"

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

QLineF PlanEdge::pointer(QPointF at, QPointF truly, double half) const
{
    // As long again as the symbol reaches, clipped where it would leave the plan.
    const double far = std::hypot(truly.x() - at.x(), truly.y() - at.y());
    const QPointF d = (truly - at) * (far > 0.0 ? 2.2 * half / far : 0.0);
    double k = 1.0;
    if (d.x() > 0)
        k = std::min(k, (m_rect.right() - at.x()) / d.x());
    if (d.x() < 0)
        k = std::min(k, (m_rect.left() - at.x()) / d.x());
    if (d.y() > 0)
        k = std::min(k, (m_rect.bottom() - at.y()) / d.y());
    if (d.y() < 0)
        k = std::min(k, (m_rect.top() - at.y()) / d.y());
    return {at, at + d * std::max(0.0, k)};
}

QPointF PlanEdge::clearOf(QPointF at, QPointF truly, double half, const std::vector<QRectF> &keepOff) const
{
    const QRectF border = m_rect.adjusted(m_margin, m_margin, -m_margin, -m_margin);
    const auto free = [&](QPointF p) {
        const QRectF symbol(p - QPointF(half, half), QSizeF(2 * half, 2 * half));
        return border.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p)
               && std::none_of(keepOff.begin(), keepOff.end(), [&](const QRectF &r) { return r.intersects(symbol); });
    };
    const auto pointsClear = [&](QPointF p) {
        const QLineF line = pointer(p, truly, half);
        return std::none_of(keepOff.begin(), keepOff.end(), [&](const QRectF &r) { return crosses(line, 0.0, r); });
    };
    if (free(at) && pointsClear(at))
        return at;
    // Just past either end of each thing in the way, on each side of the border.
    std::vector<QPointF> tries{at};
    for (const QRectF &r : keepOff)
        for (double y : {border.top(), border.bottom()})
            tries.insert(tries.end(), {{r.left() - half - 1, y}, {r.right() + half + 1, y}});
    for (const QRectF &r : keepOff)
        for (double x : {border.left(), border.right()})
            tries.insert(tries.end(), {{x, r.top() - half - 1}, {x, r.bottom() + half + 1}});
    // Not round the corner to a place that says nothing of where the aircraft is.
    double reach = 0.0;
    for (const QRectF &r : keepOff)
        reach = std::max(reach, std::hypot(r.width(), r.height()) + 2 * half + 2);
    QPointF best = at, fallback = at;
    double nearest = std::numeric_limits<double>::max(), nearestFree = nearest;
    for (const QPointF &p : tries) {
        const double d = std::hypot(p.x() - at.x(), p.y() - at.y());
        if (!free(p) || d > reach)
            continue;
        if (d < nearestFree) {
            nearestFree = d;
            fallback = p;
        }
        if (d < nearest && pointsClear(p)) {
            nearest = d;
            best = p;
        }
    }
    return nearest < std::numeric_limits<double>::max() ? best : fallback;
}

} // namespace orvik3::trainer
