#include "paint/PlanPainter.h"

#include "paint/PaintKit.h"
#include "paint/PlanEdge.h"
#include "paint/PlanFurniture.h"
#include "paint/PlanLabels.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

namespace nav = host::nav;
using namespace paintkit;

namespace {

const QColor kPaper(0xf5, 0xf2, 0xe9);
const QColor kGrid(0xe0, 0xdb, 0xcc);
const QColor kInk(0x2b, 0x2b, 0x2b);
const QColor kVor(0x1f, 0x4e, 0x99);
const QColor kNdb(0x8b, 0x1a, 0x5a);
const QColor kHolding(0x1f, 0x6f, 0xb2);
const QColor kArc(0x7b, 0x3f, 0xa0);
const QColor kTarget(0xd2, 0x69, 0x1e);
const QColor kSolution(0x1e, 0x9e, 0x4a);
const QColor kTrack(0x44, 0x44, 0x44);
const QColor kAircraft(0xc0, 0x39, 0x2b);

QPolygonF toPolygon(const Path &path, const PlanTransform &t)
{
    QPolygonF poly;
    poly.reserve(int(path.size()));
    for (const nav::Point &pt : path)
        poly << t.toScreen(pt);
    return poly;
}

double screenAngle(QPointF from, QPointF to)
{
    return std::atan2(to.x() - from.x(), -(to.y() - from.y())) * 180.0 / M_PI;
}

// An arrow head halfway along a polyline, to show which way it is flown.
void midArrow(QPainter &p, const QPolygonF &poly, double size, const QColor &colour)
{
    if (poly.size() < 2)
        return;
    double total = 0.0;
    for (int i = 1; i < poly.size(); ++i)
        total += QLineF(poly[i - 1], poly[i]).length();
    double walked = 0.0;
    for (int i = 1; i < poly.size(); ++i) {
        const double seg = QLineF(poly[i - 1], poly[i]).length();
        if (walked + seg >= total / 2.0 && seg > 0.0) {
            const QPointF at = poly[i - 1] + (poly[i] - poly[i - 1]) * ((total / 2.0 - walked) / seg);
            arrowHead(p, at + (poly[i] - poly[i - 1]) / seg * size / 2, screenAngle(poly[i - 1], poly[i]), size, colour);
            return;
        }
        walked += seg;
    }
}

} // namespace

double PlanPainter::unitIn(const QRectF &rect)
{
    return std::max(1.0, std::min(rect.width(), rect.height()) / 420.0);
}

QRectF PlanPainter::windRose(const QRectF &rect)
{
    return PlanFurniture::windRose(rect);
}

PlanPainter::Inks PlanPainter::inks()
{
    return {kAircraft, kHolding, PlanFurniture::windInk(), kVor, kNdb};
}

PlanTransform PlanPainter::transformFor(const QRectF &rect, const Situation &s, const PlanOverlay &o)
{
    PlanTransform t = PlanTransform::fit(rect, planExtent(s, o));
    // An aircraft far from the fix must not shrink the pattern past reading.
    t.keepReadable(rect, o.holding, 0.22 * std::min(rect.width(), rect.height()));
    return t;
}

void PlanPainter::paint(QPainter &p, const QRectF &rect, const Situation &s, PlanProbe *probe) const
{
    const double unit = unitIn(rect);
    p.save();
    p.setClipRect(rect);
    p.fillRect(rect, kPaper);
    if (!s.session) {
        paintMessage(p, rect, s.error.isEmpty() ? QCoreApplication::translate("PlanPainter", "No exercise situation loaded.") : s.error, unit);
        p.restore();
        return;
    }
    const PlanOverlay overlay = planOverlay(s);
    const PlanTransform t = transformFor(rect, s, overlay);
    paintGrid(p, rect, t, unit);
    // The texts come last and find room around what is drawn, lines included.
    PlanLabels labels(p, rect, unit, probe);
    paintOverlay(p, overlay, t, unit, labels);
    paintStations(p, rect, *s.session, t, unit);

    if (s.track.size() > 1) {
        p.setPen(QPen(kTrack, 1.6 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(toPolygon(s.track, t));
    }
    // The wind rose and the scale keep to corners, the ones that hide least of the stations,
    // the aircraft and the lines; an aircraft beyond the plan waits beside them.
    std::vector<QRectF> inSight;
    for (const host::Station &st : s.session->stations)
        inSight.push_back(QRectF(t.toScreen(st.position) - QPointF(10, 10) * unit, QSizeF(20, 20) * unit));
    if (s.aircraftVisible())
        inSight.push_back(QRectF(t.toScreen(s.aircraft.position) - QPointF(17, 17) * unit, QSizeF(34, 34) * unit));
    PlanFurniture corners(rect, t, s.session->wind, unit);
    corners.arrange([&](const QRectF &box) {
        double area = labels.lineCover(box);
        for (const QRectF &r : inSight)
            area += (box & r).width() * (box & r).height();
        return area;
    });
    corners.paint(p);
    const std::vector<QRectF> furniture = corners.boxes();
    for (const QRectF &r : furniture)
        labels.mark(r, false);
    if (probe)
        probe->furniture = furniture;
    for (std::size_t k = 0; k < s.session->stations.size(); ++k)
        labels.mark(inSight[k], true);
    if (s.aircraftVisible()) {
        const QPointF truly = t.toScreen(s.aircraft.position);
        const PlanEdge edge(rect, 24 * unit);
        QPointF at = edge.toward(truly);
        if (at != truly) {
            // Closed in on the pattern: the aircraft waits at the edge, in its true direction,
            // a short dashed line pointing on to where it is.
            at = edge.clearOf(at, truly, 17 * unit, furniture);
            const QLineF on = edge.pointer(at, truly, 17 * unit);
            p.setPen(QPen(kAircraft, 1.4 * unit, Qt::DashLine));
            p.drawLine(on);
            labels.line(QPolygonF{on.p1(), on.p2()}, 1.4 * unit);
        }
        paintAircraft(p, at, s.aircraft.headingDeg, unit);
        const QRectF symbol(at - QPointF(17, 17) * unit, QSizeF(34, 34) * unit);
        labels.mark(symbol, true);
        if (probe)
            probe->aircraft = symbol;
    } else {
        paintHiddenMessage(p, rect, unit, labels);
    }

    p.setFont(font(11 * unit, true));
    for (const host::Station &st : s.session->stations)
        labels.text(t.toScreen(st.position), st.id, st.kind == host::StationKind::Ndb ? kNdb : kVor, 11 * unit);
    p.setFont(font(11 * unit));
    if (!overlay.holding.empty())
        labels.text(t.toScreen(overlay.holdingLabel),
                    QStringLiteral("IB %1 %2").arg(threeDigits(overlay.holdingInboundDeg), overlay.holdingRight ? QStringLiteral("R") : QStringLiteral("L")),
                    kHolding.darker(130), 2 * unit);
    p.setFont(font(11.5 * unit, true));
    if (!overlay.targetLabel.isEmpty() && !overlay.target.empty())
        labels.text(t.toScreen(overlay.target.back()), overlay.targetLabel, kTarget.darker(130), 6 * unit);

    // Heading and speed of the aircraft, and the session's title, in a corner clear of it.
    p.setFont(font(11.5 * unit));
    QString info = QStringLiteral("HDG %1   TAS %2 kt").arg(threeDigits(s.aircraft.headingDeg)).arg(std::lround(s.session->aircraft.tasKt));
    if (!s.session->title.isEmpty())
        info = s.session->title + QLatin1Char('\n') + info;
    labels.box({0, 3, 1, 2}, info, kInk, QColor(255, 255, 255, 225));
    if (!overlay.solutionLabel.isEmpty()) {
        p.setFont(font(12 * unit, true));
        labels.box({2, 3, 1, 0}, overlay.solutionLabel, kSolution.darker(140), QColor(235, 250, 238, 235));
    }
    p.restore();
}

void PlanPainter::paintGrid(QPainter &p, const QRectF &rect, const PlanTransform &t, double unit) const
{
    // A grid line every 1, 2, 5, 10 ... NM, whichever keeps the lines some 60 pixels apart.
    const double target = 60.0 * unit / t.pixelsPerNm();
    double step = 1.0;
    for (double s : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0})
        if (s >= target) {
            step = s;
            break;
        }
    const nav::Point a = t.toWorld(rect.topLeft()), b = t.toWorld(rect.bottomRight());
    p.setPen(QPen(kGrid, 1.0));
    for (double x = std::floor(a.x / step) * step; x <= b.x; x += step) {
        const double sx = t.toScreen({x, 0}).x();
        p.drawLine(QPointF(sx, rect.top()), QPointF(sx, rect.bottom()));
    }
    for (double y = std::floor(b.y / step) * step; y <= a.y; y += step) {
        const double sy = t.toScreen({0, y}).y();
        p.drawLine(QPointF(rect.left(), sy), QPointF(rect.right(), sy));
    }
}

void PlanPainter::paintStations(QPainter &p, const QRectF &rect, const host::Session &s, const PlanTransform &t, double unit) const
{
    const double r = 9.0 * unit;
    // Only a symbol that can reach the plan is drawn; names are placed as labels elsewhere.
    const QRectF reach = rect.adjusted(-r, -r, r, r);
    for (const host::Station &st : s.stations) {
        const QPointF c = t.toScreen(st.position);
        if (!reach.contains(c))
            continue;
        if (st.kind == host::StationKind::Ndb) {
            p.setPen(Qt::NoPen);
            p.setBrush(kNdb);
            for (int ring = 1; ring <= 2; ++ring)
                for (int k = 0; k < 12 * ring; ++k) {
                    const QPointF d = direction(k * 360.0 / (12 * ring));
                    p.drawEllipse(c + d * (r * 0.5 * ring), 0.9 * unit, 0.9 * unit);
                }
            p.drawEllipse(c, 2.6 * unit, 2.6 * unit);
        } else {
            QPolygonF hex;
            for (int k = 0; k < 6; ++k)
                hex << c + direction(30.0 + 60.0 * k) * r;
            p.setPen(QPen(kVor, 1.8 * unit));
            p.setBrush(QColor(255, 255, 255, 200));
            if (st.kind == host::StationKind::VorDme)
                p.drawRect(QRectF(c - QPointF(r, r * 0.87), c + QPointF(r, r * 0.87)));
            p.drawPolygon(hex);
            p.setBrush(kVor);
            p.drawEllipse(c, 1.8 * unit, 1.8 * unit);
        }
    }
}

void PlanPainter::paintOverlay(QPainter &p, const PlanOverlay &o, const PlanTransform &t, double unit, PlanLabels &labels) const
{
    p.setBrush(Qt::NoBrush);
    const auto stroke = [&](const QPolygonF &poly, const QPen &pen) {
        p.setPen(pen);
        p.drawPolyline(poly);
        labels.line(poly, pen.widthF());
    };
    if (!o.arc.empty()) {
        stroke(toPolygon(o.arc, t), QPen(kArc, 1.8 * unit, Qt::DashLine));
        const QPolygonF fin = toPolygon(o.finalCourse, t);
        stroke(fin, QPen(kArc, 2.2 * unit));
        if (fin.size() == 2)
            arrowHead(p, fin[0] + (fin[1] - fin[0]) * 0.35, screenAngle(fin[1], fin[0]), 10 * unit, kArc);
    }
    if (!o.holding.empty()) {
        const QPolygonF poly = toPolygon(o.holding, t);
        stroke(poly, QPen(kHolding, 2.4 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        // Inbound leg arrow just before the fix.
        arrowHead(p, poly.last(), screenAngle(poly[poly.size() - 2], poly.last()), 11 * unit, kHolding);
    }
    if (!o.target.empty()) {
        stroke(toPolygon(o.target, t), QPen(kTarget, 2.2 * unit, Qt::DashLine));
    }
    if (o.solution.size() > 1) {
        const QPolygonF poly = toPolygon(o.solution, t);
        QColor halo = kSolution;
        halo.setAlpha(70);
        stroke(poly, QPen(halo, 7.0 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setPen(QPen(kSolution, 2.6 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(poly);
        midArrow(p, poly, 12 * unit, kSolution.darker(120));
        arrowHead(p, poly.last(), screenAngle(poly[poly.size() - 2], poly.last()), 12 * unit, kSolution.darker(120));
    }
}

void PlanPainter::paintAircraft(QPainter &p, QPointF at, double headingDeg, double unit) const
{
    const double s = 16.0 * unit;
    QPainterPath plane;
    // Fuselage, wings and tail of a small aircraft, nose up, then turned to the heading.
    plane.moveTo(0, -s);
    plane.cubicTo(0.18 * s, -s, 0.18 * s, -0.7 * s, 0.18 * s, -0.25 * s);
    plane.lineTo(s, 0.05 * s);
    plane.lineTo(s, 0.25 * s);
    plane.lineTo(0.16 * s, 0.1 * s);
    plane.lineTo(0.1 * s, 0.6 * s);
    plane.lineTo(0.42 * s, 0.78 * s);
    plane.lineTo(0.42 * s, 0.92 * s);
    plane.lineTo(0, 0.85 * s);
    plane.lineTo(-0.42 * s, 0.92 * s);
    plane.lineTo(-0.42 * s, 0.78 * s);
    plane.lineTo(-0.1 * s, 0.6 * s);
    plane.lineTo(-0.16 * s, 0.1 * s);
    plane.lineTo(-s, 0.25 * s);
    plane.lineTo(-s, 0.05 * s);
    plane.lineTo(-0.18 * s, -0.25 * s);
    plane.cubicTo(-0.18 * s, -0.7 * s, -0.18 * s, -s, 0, -s);
    p.save();
    p.translate(at);
    p.rotate(headingDeg);
    p.setPen(QPen(Qt::white, 1.5 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kAircraft);
    p.drawPath(plane);
    p.restore();
}

void PlanPainter::paintHiddenMessage(QPainter &p, const QRectF &rect, double unit, PlanLabels &labels) const
{
    // Low in the middle, else higher up or to a side, else narrower in more lines: off the
    // lines and the stations; failing all, where it covers least.
    const QString hidden = QCoreApplication::translate("PlanPainter", "Position hidden: read it from the instruments");
    const auto places = [&](double width) {
        const QRectF low = messageBox(QRectF(rect.center().x() - width / 2, rect.bottom() - 110 * unit, width, 40 * unit), hidden, unit);
        std::vector<QPointF> at{low.topLeft()};
        const double room = rect.width() - 28 * unit - low.width();
        for (int row = 0; row <= 16; ++row)
            for (int k = 0; k <= 8; ++k)
                at.push_back({rect.left() + 14 * unit + room * k / 8.0, row == 0 ? low.top() : rect.top() + (0.9 - row / 20.0) * rect.height()});
        return std::pair{at, low.size()};
    };
    for (const double share : {1.0, 0.6, 0.45}) {
        const auto [at, size] = places(share * rect.width());
        if (QRectF box; labels.roomIfClear(at, size, hidden, &box)) {
            paintMessageAt(p, box, hidden, unit);
            return;
        }
    }
    const auto [at, size] = places(rect.width());
    paintMessageAt(p, labels.room(at, size, hidden), hidden, unit);
}

QRectF PlanPainter::paintMessage(QPainter &p, const QRectF &rect, const QString &text, double unit) const
{
    return paintMessageAt(p, messageBox(rect, text, unit), text, unit);
}

QRectF PlanPainter::messageBox(const QRectF &rect, const QString &text, double unit)
{
    const QFontMetricsF fm(font(15 * unit, true));
    return fm.boundingRect(rect.adjusted(40, 40, -40, -40), Qt::AlignCenter | Qt::TextWordWrap, text)
        .adjusted(-20 * unit, -16 * unit, 20 * unit, 16 * unit);
}

QRectF PlanPainter::paintMessageAt(QPainter &p, const QRectF &box, const QString &text, double unit) const
{
    p.setFont(font(15 * unit, true));
    p.setPen(QPen(QColor(0xb0, 0x3a, 0x2e), 2 * unit));
    p.setBrush(QColor(0xfd, 0xec, 0xea));
    p.drawRoundedRect(box, 8 * unit, 8 * unit);
    p.setPen(QColor(0x6e, 0x1e, 0x16));
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
    return box;
}

} // namespace orvik3::trainer
