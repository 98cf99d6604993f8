#include "paint/PlanTransform.h"

#include <algorithm>

namespace orvik3::trainer {

PlanTransform PlanTransform::fit(const QRectF &viewport, const Path &points, double minSpanNm)
{
    PlanTransform t;
    t.m_centreScreen = viewport.center();
    if (points.empty()) {
        t.m_scale = std::min(viewport.width(), viewport.height()) / minSpanNm;
        return t;
    }
    double minX = points.front().x, maxX = minX, minY = points.front().y, maxY = minY;
    for (const host::nav::Point &p : points) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    t.m_centreWorld = {(minX + maxX) / 2.0, (minY + maxY) / 2.0};
    const double spanX = std::max(maxX - minX, minSpanNm);
    const double spanY = std::max(maxY - minY, minSpanNm);
    const double usableW = std::max(viewport.width() * 0.84, 1.0);
    const double usableH = std::max(viewport.height() * 0.84, 1.0);
    t.m_scale = std::min(usableW / spanX, usableH / spanY);
    return t;
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
