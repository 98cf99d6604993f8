#pragma once

#include "paint/LabelPlacer.h"
#include "paint/PlanOverlay.h"
#include "paint/PlanTransform.h"
#include "situation/Situation.h"

#include <QColor>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace orvik3::trainer {

// What the plan drew where, for checks that nothing covers anything: every label's box and
// text, the symbols of the stations and the aircraft, and the lines labels keep off.
struct PlanProbe {
    struct Label {
        QString text;
        QRectF rect;
    };
    struct Line {
        QPolygonF points;
        double width;
    };
    std::vector<Label> labels;
    std::vector<QRectF> marks;
    std::vector<Line> lines;
    // The wind rose and the scale with its north arrow, and the aircraft's symbol (empty
    // when it is hidden).
    std::vector<QRectF> furniture;
    QRectF aircraft;
};

// The texts of the plan, laid out last so that they go where nothing else is: station names,
// the pattern's and the bearing's labels, the heading box and the solution box. The wind rose
// and the scale keep their corners; everything else finds its place around them.
class PlanLabels
{
public:
    PlanLabels(QPainter &p, const QRectF &rect, double unit, PlanProbe *probe);

    // Drawn things labels keep clear of.
    void mark(const QRectF &rect, bool isSymbol);
    // Room for a box of `size` holding `text`: at the first of `candidates` (top-left corners)
    // that is clear, else where it covers least; taken from then on.
    QRectF room(const std::vector<QPointF> &candidates, QSizeF size, const QString &text);
    // The same only where it is clear: false, and nothing taken, when no candidate is.
    bool roomIfClear(const std::vector<QPointF> &candidates, QSizeF size, const QString &text, QRectF *at);
    // A line drawn `width` wide that labels keep off.
    void line(const QPolygonF &points, double width);
    // The area of the lines so far that `rect` would hide.
    double lineCover(const QRectF &rect) const { return m_placer.lineCover(rect); }
    // A plain text next to `anchor`, tied to it by a line when it had to go further out.
    void text(QPointF anchor, const QString &text, const QColor &ink, double gap);
    // A boxed text in the first free corner of `corners` (0 top-left, then clockwise), or
    // down a side from it; in two lines when one line finds no room.
    void box(const std::vector<int> &corners, const QString &text, const QColor &ink, const QColor &paper);

private:
    // Top-left corners for a box of `size`: in each corner, then down the side from it.
    std::vector<QPointF> places(const std::vector<int> &corners, QSizeF size) const;
    void record(const QString &text, const QRectF &rect);

    QPainter &m_p;
    QRectF m_rect;
    double m_unit;
    PlanProbe *m_probe;
    LabelPlacer m_placer;
};

} // namespace orvik3::trainer
