#include "paint/LabelPlacer.h"

#include <limits>

namespace orvik3::trainer {

void LabelPlacer::take(const QRectF &rect)
{
    if (!rect.isEmpty())
        m_taken.push_back(rect);
}

bool LabelPlacer::clear(const QRectF &rect) const
{
    if (!m_bounds.contains(rect))
        return false;
    for (const QRectF &t : m_taken)
        if (t.intersects(rect))
            return false;
    return true;
}

double LabelPlacer::covered(const QRectF &rect) const
{
    // Outside the picture counts as covered, so that a label rather overlaps than vanishes.
    const QRectF inside = rect & m_bounds;
    double area = rect.width() * rect.height() - inside.width() * inside.height();
    for (const QRectF &t : m_taken) {
        const QRectF both = t & rect;
        area += both.width() * both.height();
    }
    return area;
}

LabelPlacer::Placed LabelPlacer::place(QPointF anchor, QSizeF size, double gap)
{
    // Right, left, above, below, then the corners: the order a map maker tries them in.
    static const QPointF kSides[] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};
    Placed best;
    double least = std::numeric_limits<double>::max();
    for (int ring = 1; ring <= 4; ++ring) {
        const double d = gap * (ring == 1 ? 1.0 : 2.5 * ring);
        for (const QPointF &s : kSides) {
            // The label's near edge `d` from the anchor on that side.
            const QPointF centre(anchor.x() + s.x() * (d + size.width() / 2.0), anchor.y() + s.y() * (d + size.height() / 2.0));
            const QRectF r(centre - QPointF(size.width() / 2.0, size.height() / 2.0), size);
            if (clear(r)) {
                take(r);
                return {r, ring > 1};
            }
            if (const double c = covered(r); c < least) {
                least = c;
                best = {r, ring > 1};
            }
        }
    }
    take(best.rect);
    return best;
}

QRectF LabelPlacer::placeAt(const std::vector<QPointF> &candidates, QSizeF size)
{
    QRectF best;
    double least = std::numeric_limits<double>::max();
    for (const QPointF &c : candidates) {
        const QRectF r(c, size);
        if (clear(r)) {
            take(r);
            return r;
        }
        if (const double v = covered(r); v < least) {
            least = v;
            best = r;
        }
    }
    take(best);
    return best;
}

} // namespace orvik3::trainer
