#pragma once

#include "situation/PathBuilder.h"

#include <QPointF>
#include <QRectF>

namespace orvik3::trainer {

// Maps the navigation plane (NM, x east, y north) onto a rectangle of the screen, north up,
// with the same scale in both directions.
class PlanTransform
{
public:
    PlanTransform() = default;

    // The transform that shows all `points` inside `viewport`, centred, with a margin, and
    // never closer than `minSpanNm` across.
    static PlanTransform fit(const QRectF &viewport, const Path &points, double minSpanNm = 8.0);

    // Closer in, when needed, so that `detail` spans at least `minPixels` on its longer side,
    // moved no further than keeps all of it inside `viewport`.
    void keepReadable(const QRectF &viewport, const Path &detail, double minPixels);

    QPointF toScreen(host::nav::Point p) const;
    host::nav::Point toWorld(QPointF p) const;
    double pixelsPerNm() const { return m_scale; }

private:
    QPointF m_centreScreen;
    host::nav::Point m_centreWorld;
    double m_scale = 1.0;
};

} // namespace orvik3::trainer
