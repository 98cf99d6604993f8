#include "paint/PlanTransform.h"

#include <algorithm>

namespace orvik3::trainer {

namespace {

struct Bounds {
    double minX, maxX, minY, maxY;
};

// The box around `points`, which are not empty.
Bounds bounds(const Path &points)
{
    Bounds b{points.front().x, points.front().x, points.front().y, points.front().y};
    for (const host::nav::Point &p : points) {
        b.minX = std::min(b.minX, p.x);
        b.maxX = std::max(b.maxX, p.x);
        b.minY = std::min(b.minY, p.y);
        b.maxY = std::max(b.maxY, p.y);
    }
    return b;
}

} // namespace

PlanTransform PlanTransform::fit(const QRectF &viewport, const Path &points, double minSpanNm)
{
    PlanTransform t;
    t.m_centreScreen = viewport.center();
    if (points.empty()) {
        t.m_scale = std::min(viewport.width(), viewport.height()) / minSpanNm;
        return t;
    }
    const auto [minX, maxX, minY, maxY] = bounds(points);
    t.m_centreWorld = {(minX + maxX) / 2.0, (minY + maxY) / 2.0};
    const double spanX = std::max(maxX - minX, minSpanNm);
    const double spanY = std::max(maxY - minY, minSpanNm);
    const double usableW = std::max(viewport.width() * 0.84, 1.0);
    const double usableH = std::max(viewport.height() * 0.84, 1.0);
    t.m_scale = std::min(usableW / spanX, usableH / spanY);
    return t;
}

void PlanTransform::keepReadable(const QRectF &viewport, const Path &detail, double minPixels)
{
    if (detail.empty())
        return;
    const auto [minX, maxX, minY, maxY] = bounds(detail);
    const double span = std::max(maxX - minX, maxY - minY);
    if (span <= 0.0 || span * m_scale >= minPixels)
        return;
    m_scale = minPixels / span;
    // The centre moves toward the detail until all of it lies inside the margin.
    const QRectF room = viewport.adjusted(viewport.width() * 0.08, viewport.height() * 0.08, -viewport.width() * 0.08, -viewport.height() * 0.08);
    const QRectF at = QRectF(toScreen({minX, maxY}), toScreen({maxX, minY})).normalized();
    const double dx = at.left() < room.left() ? room.left() - at.left() : at.right() > room.right() ? room.right() - at.right() : 0.0;
    const double dy = at.top() < room.top() ? room.top() - at.top() : at.bottom() > room.bottom() ? room.bottom() - at.bottom() : 0.0;
    m_centreWorld = {m_centreWorld.x - dx / m_scale, m_centreWorld.y + dy / m_scale};
}

QPointF PlanTransform::toScreen(host::nav::Point p) const
{
    return {m_centreScreen.x() + (p.x - m_centreWorld.x) * m_scale,
            m_centreScreen.y() - (p.y - m_centreWorld.y) * m_scale};
}

host::nav::Point PlanTransform::toWorld(QPointF p) const
{
    return {m_centreWorld.x + (p.x() - m_centreScreen.x()) / m_scale,
            m_centreWorld.y - (p.y() - m_centreScreen.y()) / m_scale};
}

} // namespace orvik3::trainer
