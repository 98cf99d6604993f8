#include "paint/PlanPainter.h"

#include "paint/PaintKit.h"
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
const QColor kWind(0x2a, 0x7a, 0xb0);

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

QString threeDigits(double deg)
{
    int d = int(std::lround(nav::normalizeDegrees(deg))) % 360;
    return QStringLiteral("%1").arg(d == 0 ? 360 : d, 3, 10, QLatin1Char('0'));
}

} // namespace

double PlanPainter::unitIn(const QRectF &rect)
{
    return std::max(1.0, std::min(rect.width(), rect.height()) / 420.0);
}

QRectF PlanPainter::windRose(const QRectF &rect)
{
    const double unit = unitIn(rect);
    const double r = 26.0 * unit;
    const QPointF c(rect.right() - r - 14 * unit, rect.top() + r + 14 * unit);
    return {c - QPointF(r, r), QSizeF(2 * r, 2 * r)};
}

PlanPainter::Inks PlanPainter::inks()
{
    return {kAircraft, kHolding, kWind, kVor, kNdb};
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
    paintOverlay(p, overlay, t, unit);
    paintStations(p, rect, *s.session, t, unit);

    if (s.track.size() > 1) {
        p.setPen(QPen(kTrack, 1.6 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(toPolygon(s.track, t));
    }
    // The texts come last and find room around what is drawn.
    PlanLabels labels(p, rect, unit, probe);
    for (const host::Station &st : s.session->stations)
        labels.mark(QRectF(t.toScreen(st.position) - QPointF(10, 10) * unit, QSizeF(20, 20) * unit), true);
    if (s.aircraftVisible()) {
        const QPointF at = onPlan(rect, t.toScreen(s.aircraft.position), 24 * unit);
        if (at != t.toScreen(s.aircraft.position)) {
            // Closed in on the pattern: the aircraft waits at the edge, in its true direction,
            // a dashed line pointing on to where it is.
            p.setPen(QPen(kAircraft, 1.4 * unit, Qt::DashLine));
            p.drawLine(at, onPlan(rect, t.toScreen(s.aircraft.position), 0.0));
        }
        paintAircraft(p, at, s.aircraft.headingDeg, unit);
        labels.mark(QRectF(at - QPointF(17, 17) * unit, QSizeF(34, 34) * unit), true);
    } else {
        labels.mark(paintMessage(p, QRectF(rect.left(), rect.bottom() - 110 * unit, rect.width(), 40 * unit),
                                 QCoreApplication::translate("PlanPainter", "Position hidden: read it from the instruments"), unit),
                    false);
    }
    if (s.session->wind)
        labels.mark(paintWind(p, rect, *s.session->wind, unit), false);
    labels.mark(paintScale(p, rect, t, unit), false);

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

void PlanPainter::paintOverlay(QPainter &p, const PlanOverlay &o, const PlanTransform &t, double unit) const
{
    p.setBrush(Qt::NoBrush);
    if (!o.arc.empty()) {
        p.setPen(QPen(kArc, 1.8 * unit, Qt::DashLine));
        p.drawPolyline(toPolygon(o.arc, t));
        const QPolygonF fin = toPolygon(o.finalCourse, t);
        p.setPen(QPen(kArc, 2.2 * unit));
        p.drawPolyline(fin);
        if (fin.size() == 2)
            arrowHead(p, fin[0] + (fin[1] - fin[0]) * 0.35, screenAngle(fin[1], fin[0]), 10 * unit, kArc);
    }
    if (!o.holding.empty()) {
        const QPolygonF poly = toPolygon(o.holding, t);
        p.setPen(QPen(kHolding, 2.4 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(poly);
        // Inbound leg arrow just before the fix.
        arrowHead(p, poly.last(), screenAngle(poly[poly.size() - 2], poly.last()), 11 * unit, kHolding);
    }
    if (!o.target.empty()) {
        const QPolygonF poly = toPolygon(o.target, t);
        p.setPen(QPen(kTarget, 2.2 * unit, Qt::DashLine));
        p.drawPolyline(poly);
    }
    if (o.solution.size() > 1) {
        const QPolygonF poly = toPolygon(o.solution, t);
        QColor halo = kSolution;
        halo.setAlpha(70);
        p.setPen(QPen(halo, 7.0 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(poly);
        p.setPen(QPen(kSolution, 2.6 * unit, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(poly);
        midArrow(p, poly, 12 * unit, kSolution.darker(120));
        arrowHead(p, poly.last(), screenAngle(poly[poly.size() - 2], poly.last()), 12 * unit, kSolution.darker(120));
    }
}

QPointF PlanPainter::onPlan(const QRectF &rect, QPointF at, double margin)
{
    const QPointF c = rect.center();
    const QPointF d = at - c;
    const double halfW = rect.width() / 2.0 - margin, halfH = rect.height() / 2.0 - margin;
    double k = 1.0;
    if (std::abs(d.x()) > halfW)
        k = std::min(k, halfW / std::abs(d.x()));
    if (std::abs(d.y()) > halfH)
        k = std::min(k, halfH / std::abs(d.y()));
    return k < 1.0 ? c + d * k : at;
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

QRectF PlanPainter::paintWind(QPainter &p, const QRectF &rect, const host::Wind &wind, double unit) const
{
    const QRectF rose = windRose(rect);
    const double r = rose.width() / 2.0;
    const QPointF c = rose.center();
    p.setPen(QPen(kWind.lighter(170), 1.0 * unit));
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(c, r, r);
    // The arrow flies with the wind: from where it blows toward where it goes.
    const QPointF d = direction(wind.fromDeg + 180.0);
    p.setPen(QPen(kWind, 2.4 * unit, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c - d * r * 0.75, c + d * r * 0.45);
    arrowHead(p, c + d * r * 0.8, wind.fromDeg + 180.0, 10 * unit, kWind);
    p.setFont(font(11 * unit, true));
    p.setPen(kWind.darker(130));
    const QString label = QStringLiteral("W/V %1/%2").arg(threeDigits(wind.fromDeg)).arg(std::lround(wind.speedKt));
    centredText(p, c + QPointF(0, r + 10 * unit), label);
    const double w = std::max(2 * r, QFontMetricsF(p.font()).horizontalAdvance(label));
    return QRectF(c.x() - w / 2 - 2 * unit, rose.top() - 2 * unit, w + 4 * unit, 2 * r + 20 * unit);
}

QRectF PlanPainter::paintScale(QPainter &p, const QRectF &rect, const PlanTransform &t, double unit) const
{
    double nm = 1.0;
    for (double s : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0})
        if (s * t.pixelsPerNm() <= rect.width() / 4.0)
            nm = s;
    const double len = nm * t.pixelsPerNm();
    const QPointF a(rect.left() + 14 * unit, rect.bottom() - 14 * unit);
    p.setPen(QPen(kInk, 1.5 * unit));
    p.drawLine(a, a + QPointF(len, 0));
    p.drawLine(a, a - QPointF(0, 5 * unit));
    p.drawLine(a + QPointF(len, 0), a + QPointF(len, -5 * unit));
    p.setFont(font(10.5 * unit));
    const QString label = QStringLiteral("%1 NM").arg(nm);
    p.drawText(a + QPointF(len + 5 * unit, 0), label);
    const double w = len + 5 * unit + QFontMetricsF(p.font()).horizontalAdvance(label);
    // North arrow above the scale.
    const QPointF n(a.x() + 6 * unit, a.y() - 38 * unit);
    arrowHead(p, n, 0.0, 12 * unit, kInk);
    p.setFont(font(11 * unit, true));
    centredText(p, n + QPointF(0, 14 * unit), QStringLiteral("N"));
    return QRectF(a.x() - 4 * unit, n.y() - 14 * unit, w + 8 * unit, a.y() - n.y() + 18 * unit);
}

QRectF PlanPainter::paintMessage(QPainter &p, const QRectF &rect, const QString &text, double unit) const
{
    p.setFont(font(15 * unit, true));
    const QFontMetricsF fm(p.font());
    const QRectF box = fm.boundingRect(rect.adjusted(40, 40, -40, -40), Qt::AlignCenter | Qt::TextWordWrap, text)
                           .adjusted(-20 * unit, -16 * unit, 20 * unit, 16 * unit);
    p.setPen(QPen(QColor(0xb0, 0x3a, 0x2e), 2 * unit));
    p.setBrush(QColor(0xfd, 0xec, 0xea));
    p.drawRoundedRect(box, 8 * unit, 8 * unit);
    p.setPen(QColor(0x6e, 0x1e, 0x16));
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
    return box;
}

} // namespace orvik3::trainer
