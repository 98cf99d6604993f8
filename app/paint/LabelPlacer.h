#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace orvik3::trainer {

// Finds room for the labels of a picture: each label goes to the first of a ring of places
// around its anchor that stays inside the picture and clear of everything taken so far;
// failing that, further out (where a leader line ties it to its anchor), and as a last resort
// to the place that covers least. What it places is taken from then on.
class LabelPlacer
{
public:
    explicit LabelPlacer(const QRectF &bounds) : m_bounds(bounds) {}

    struct Placed {
        QRectF rect;
        bool leader = false; // far from the anchor: draw a line to it
    };

    // Something drawn that labels must not cover (a symbol, a box, the wind rose).
    void take(const QRectF &rect);
    // A label of `size` next to `anchor`, `gap` away from it.
    Placed place(QPointF anchor, QSizeF size, double gap);
    // A box in the first of `candidates` (top-left corners) that is clear.
    QRectF placeAt(const std::vector<QPointF> &candidates, QSizeF size);
    bool clear(const QRectF &rect) const;

private:
    double covered(const QRectF &rect) const;

    QRectF m_bounds;
    std::vector<QRectF> m_taken;
};

} // namespace orvik3::trainer
