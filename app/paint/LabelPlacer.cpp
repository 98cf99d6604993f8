#include "paint/LabelPlacer.h"

#include <algorithm>
#include <limits>

namespace orvik3::trainer {

namespace {

// The length of `line` inside `rect` (Liang-Barsky clipping), zero when it misses.
double lengthInside(const QLineF &line, const QRectF &rect)
{
    const double dx = line.dx(), dy = line.dy();
    double t0 = 0.0, t1 = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {line.x1() - rect.left(), rect.right() - line.x1(), line.y1() - rect.top(), rect.bottom() - line.y1()};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0)
                return 0.0;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t1 > t0 ? (t1 - t0) * line.length() : 0.0;
}

} // namespace

bool crosses(const QLineF &line, double halfWidth, const QRectF &rect)
{
    return lengthInside(line, rect.adjusted(-halfWidth, -halfWidth, halfWidth, halfWidth)) > 0.0;
}

void LabelPlacer::take(const QRectF &rect)
{
    if (!rect.isEmpty())
        m_taken.push_back(rect);
}

void LabelPlacer::take(const QPolygonF &line, double width)
{
    for (int i = 1; i < line.size(); ++i)
        m_strokes.push_back({QLineF(line[i - 1], line[i]), width / 2.0});
}

bool LabelPlacer::clear(const QRectF &rect) const
{
    if (!m_bounds.contains(rect))
        return false;
    for (const QRectF &t : m_taken)
        if (t.intersects(rect))
            return false;
    return std::none_of(m_strokes.begin(), m_strokes.end(), [&](const Stroke &s) { return crosses(s.line, s.halfWidth, rect); });
}

double LabelPlacer::lineCover(const QRectF &rect) const
{
    // A line costs the strip it blots out.
    double area = 0.0;
    for (const Stroke &s : m_strokes)
        area += lengthInside(s.line, rect.adjusted(-s.halfWidth, -s.halfWidth, s.halfWidth, s.halfWidth)) * 2.0 * s.halfWidth;
    return area;
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
    return area + lineCover(rect);
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

std::optional<QRectF> LabelPlacer::firstClear(const std::vector<QPointF> &candidates, QSizeF size) const
{
    for (const QPointF &c : candidates)
        if (const QRectF r(c, size); clear(r))
            return r;
    return std::nullopt;
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
