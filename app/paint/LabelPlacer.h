#pragma once

#include <QLineF>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace orvik3::trainer {

// Whether a stroke along `line`, `halfWidth` to each side, touches `rect`.
bool crosses(const QLineF &line, double halfWidth, const QRectF &rect);

// Finds room for the labels of a picture: each label goes to the first of a ring of places
// around its anchor that stays inside the picture and clear of everything taken so far;
// failing that, further out (where a leader line ties it to its anchor), and as a last resort
// to the place that covers least. What it places is taken from then on. Drawn lines count as
// well as boxes: a text over a line is as hard to read as one over a symbol.
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
    // A drawn line `width` wide, as a polyline.
    void take(const QPolygonF &line, double width);
    // A label of `size` next to `anchor`, `gap` away from it.
    Placed place(QPointF anchor, QSizeF size, double gap);
    // A box in the first of `candidates` (top-left corners) that is clear, else in the one
    // that covers least.
    QRectF placeAt(const std::vector<QPointF> &candidates, QSizeF size);
    // The first clear one, not yet taken; none when none is clear.
    std::optional<QRectF> firstClear(const std::vector<QPointF> &candidates, QSizeF size) const;
    bool clear(const QRectF &rect) const;
    // How much of the lines taken `rect` would hide: the area of their strokes inside it.
    double lineCover(const QRectF &rect) const;

private:
    double covered(const QRectF &rect) const;

    QRectF m_bounds;
    std::vector<QRectF> m_taken;
    struct Stroke {
        QLineF line;
        double halfWidth;
    };
    std::vector<Stroke> m_strokes;
};

} // namespace orvik3::trainer
