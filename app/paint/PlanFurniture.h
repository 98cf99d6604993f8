#pragma once

#include "paint/PlanTransform.h"

#include "session/SessionFile.h"

#include <QColor>
#include <QRectF>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace orvik3::trainer {

// The plan's fixed furniture: the wind rose in a top corner, the scale with the north arrow
// in a bottom corner. Each goes to the right-hand or left-hand corner, whichever hides less
// of what must stay in sight (the aircraft, the stations, the lines), the usual one when both
// hide as much.
class PlanFurniture
{
public:
    PlanFurniture(const QRectF &rect, const PlanTransform &t, std::optional<host::Wind> wind, double unit);

    // `hides` tells how much a box would hide of what must stay in sight.
    void arrange(const std::function<double(const QRectF &)> &hides);
    void paint(QPainter &p) const;
    // What it covers: the north arrow, the scale, and the rose with its label when there is wind.
    std::vector<QRectF> boxes() const;

    // The wind rose's circle in `rect`, in the top-right corner or the top-left one.
    static QRectF windRose(const QRectF &rect, bool left = false);
    static QColor windInk();

private:
    QRectF scaleBox() const;
    QRectF windBox() const;

    QRectF m_rect;
    std::optional<host::Wind> m_wind;
    double m_unit;
    double m_nm = 1.0;       // the scale's length in NM
    double m_len = 0.0;      // and on screen
    bool m_scaleRight = false;
    bool m_windLeft = false;
};

} // namespace orvik3::trainer
