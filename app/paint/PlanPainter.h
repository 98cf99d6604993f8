#pragma once

#include "paint/PlanLabels.h"
#include "paint/PlanOverlay.h"
#include "paint/PlanTransform.h"
#include "situation/Situation.h"

#include <QColor>
#include <QRectF>

class QPainter;

namespace orvik3::trainer {

// Draws the plan view of a situation: map grid, stations, wind, the lines of the question,
// the flown track, the solution when it is on, and the aircraft at its position and heading.
// Without a session it draws the reason in the middle of the map.
class PlanPainter
{
public:
    // With a probe, what was drawn where is written into it.
    void paint(QPainter &p, const QRectF &rect, const Situation &situation, PlanProbe *probe = nullptr) const;

    // The transform paint() uses for `rect`; exposed so that positions can be checked.
    static PlanTransform transformFor(const QRectF &rect, const Situation &situation, const PlanOverlay &overlay);

    // Where paint() puts the wind rose in `rect`, and the inks of what the plan shows, so
    // that an image of it can be checked.
    struct Inks {
        QColor aircraft, holding, wind, vor, ndb;
    };
    static QRectF windRose(const QRectF &rect);
    // The drawing unit for `rect`: line widths and symbols scale with it.
    static double unitIn(const QRectF &rect);
    static Inks inks();

private:
    void paintGrid(QPainter &p, const QRectF &rect, const PlanTransform &t, double unit) const;
    void paintStations(QPainter &p, const QRectF &rect, const host::Session &s, const PlanTransform &t, double unit) const;
    // Its lines are handed to `labels` to keep clear of.
    void paintOverlay(QPainter &p, const PlanOverlay &o, const PlanTransform &t, double unit, PlanLabels &labels) const;
    void paintAircraft(QPainter &p, QPointF at, double headingDeg, double unit) const;
    // A message in a box, centred in `rect` or in `box`; they give back the box.
    QRectF paintMessage(QPainter &p, const QRectF &rect, const QString &text, double unit) const;
    QRectF paintMessageAt(QPainter &p, const QRectF &box, const QString &text, double unit) const;
    static QRectF messageBox(const QRectF &rect, const QString &text, double unit);
    // That the aircraft is hidden, where the message covers nothing.
    void paintHiddenMessage(QPainter &p, const QRectF &rect, double unit, PlanLabels &labels) const;
};

} // namespace orvik3::trainer
