#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <vector>

namespace orvik3::trainer {

// Where a symbol waits for what lies beyond the drawn plan: on the border `margin` inside
// `rect`, on the line from the plan's centre toward it, then slid along that border off the
// plan's fixed furniture (wind rose, scale and north arrow) so that neither hides the other.
class PlanEdge
{
public:
    PlanEdge(const QRectF &rect, double margin) : m_rect(rect), m_margin(margin) {}

    // `at` itself when it lies inside the border, else its place on the border.
    QPointF toward(QPointF at) const;
    // `at` on the border moved the least distance along it, no further than past the things
    // in the way, so that a symbol `half` wide to each side touches none of `keepOff`, nor
    // does its pointer to `truly`; failing that, the nearest place where only the symbol is
    // clear; `at` unchanged when there is none.
    QPointF clearOf(QPointF at, QPointF truly, double half, const std::vector<QRectF> &keepOff) const;
    // The short line from a symbol `half` wide at `at` on toward `truly`, inside the plan.
    QLineF pointer(QPointF at, QPointF truly, double half) const;

private:
    QRectF m_rect;
    double m_margin;
};

} // namespace orvik3::trainer
