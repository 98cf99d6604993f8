#include "paint/PlanOverlay.h"

#include "situation/SolutionPaths.h"

#include <QCoreApplication>

#include <cmath>

namespace orvik3::trainer {

namespace nav = host::nav;

namespace {

QString degrees(double deg)
{
    int d = int(std::lround(nav::normalizeDegrees(deg))) % 360;
    return QStringLiteral("%1").arg(d == 0 ? 360 : d, 3, 10, QLatin1Char('0'));
}

bool isPositionType(int type) { return type == 1 || type == 2 || type == 5 || type == 10 || type == 11; }

QString entryName(const QString &entry)
{
    if (entry == QLatin1String("parallel"))
        return QCoreApplication::translate("PlanOverlay", "Parallel entry");
    if (entry == QLatin1String("offset"))
        return QCoreApplication::translate("PlanOverlay", "Offset entry");
    if (entry == QLatin1String("direct"))
        return QCoreApplication::translate("PlanOverlay", "Direct entry");
    return {};
}

void addSolution(const Situation &s, PlanOverlay &o)
{
    const host::Session &session = *s.session;
    const nav::Point ac = s.start.position;
    const double hdg = s.start.headingDeg;
    const double tas = session.aircraft.tasKt;

    if (session.holding) {
        const host::Station *fix = host::findStation(session, session.holding->fix);
        if (fix) {
            QString entry;
            o.solution = holdingEntry(ac, hdg, fix->position, session.holding->inboundCourseDeg, session.holding->turn,
                                      tas, &entry);
            o.solutionLabel = entryName(entry);
        }
        return;
    }
    if (session.dmeArc) {
        const host::Station *st = host::findStation(session, session.dmeArc->station);
        if (st) {
            o.solution = dmeArcPath(ac, st->position, *session.dmeArc);
            const bool cw = arcDirection(ac, st->position, *session.dmeArc) == nav::ArcDirection::Clockwise;
            const QString way = cw ? QCoreApplication::translate("PlanOverlay", "clockwise")
                                   : QCoreApplication::translate("PlanOverlay", "counterclockwise");
            o.solutionLabel = QCoreApplication::translate("PlanOverlay", "Arc %1, final %2")
                                  .arg(way, degrees(session.dmeArc->finalCourseDeg));
        }
        return;
    }
    if (session.target) {
        const host::Station *st = host::findStation(session, session.target->station);
        if (st) {
            const bool inbound = session.target->qdmDeg.has_value();
            const double course = inbound ? *session.target->qdmDeg : session.target->qdrDeg.value_or(0.0);
            double intercept = 0.0;
            o.solution = interceptPath(ac, hdg, st->position, course, inbound, tas, &intercept);
            o.solutionLabel = QCoreApplication::translate("PlanOverlay", "Intercept heading %1").arg(degrees(intercept));
        }
        return;
    }
    if (session.wind && s.type == 8) {
        const double leg = session.wind->legNm.value_or(std::max(10.0, tas / 6.0));
        o.solution = {ac, nav::offset(ac, hdg, leg)};
        if (auto w = nav::solveWind(hdg, tas, session.wind->fromDeg, session.wind->speedKt)) {
            o.solutionLabel = QCoreApplication::translate("PlanOverlay", "Course %1: heading %2, GS %3 kt")
                                  .arg(degrees(hdg), degrees(w->headingDeg))
                                  .arg(std::lround(w->groundspeedKt));
        }
        return;
    }
    if (isPositionType(s.type)) {
        const host::Station *st = (s.type == 5 || s.type == 11) ? host::adfStation(session) : host::navStation(session);
        if (!st)
            st = host::findStation(session, QString());
        if (st) {
            const double radial = nav::qdr(ac, st->position);
            o.solution = radialLine(st->position, radial, nav::distance(ac, st->position) * 1.3 + 1.0);
            o.solutionLabel = QStringLiteral("QDR %1 / QDM %2  %3 NM")
                                  .arg(degrees(radial), degrees(nav::reciprocal(radial)))
                                  .arg(nav::distance(ac, st->position), 0, 'f', 1);
        }
    }
}

} // namespace

PlanOverlay planOverlay(const Situation &s)
{
    PlanOverlay o;
    if (!s.session)
        return o;
    const host::Session &session = *s.session;
    const nav::Point ac = s.start.position;

    if (session.holding) {
        if (const host::Station *fix = host::findStation(session, session.holding->fix)) {
            o.holding = holdingPattern(fix->position, session.holding->inboundCourseDeg, session.holding->turn,
                                       session.aircraft.tasKt);
            o.holdingRight = session.holding->turn == host::HoldingTurn::Right;
            o.holdingInboundDeg = session.holding->inboundCourseDeg;
            const double leg = std::max(session.aircraft.tasKt, 60.0) / 60.0;
            // Beyond the far end of the pattern, where no leg or label of the fix gets in the way.
            const double r = PathBuilder::rateOneRadius(session.aircraft.tasKt);
            const double side = session.holding->inboundCourseDeg + (o.holdingRight ? 90.0 : -90.0);
            o.holdingLabel = nav::offset(nav::offset(fix->position, nav::reciprocal(session.holding->inboundCourseDeg),
                                                     leg + r + 0.3 * leg),
                                         side, r);
        }
    }
    if (session.dmeArc) {
        if (const host::Station *st = host::findStation(session, session.dmeArc->station)) {
            o.arc = arcPoints(st->position, session.dmeArc->radiusNm, 0.0, 360.0, nav::ArcDirection::Clockwise);
            o.arc.push_back(o.arc.front());
            const double finalRadial = nav::reciprocal(session.dmeArc->finalCourseDeg);
            o.finalCourse = radialLine(st->position, finalRadial, session.dmeArc->radiusNm * 1.25);
        }
    }
    if (session.target) {
        if (const host::Station *st = host::findStation(session, session.target->station)) {
            // A hidden aircraft must not show itself in how far the line reaches.
            const double reach = s.aircraftVisible() ? std::max(nav::distance(ac, st->position) * 1.3, 8.0) : 10.0;
            if (session.target->qdmDeg) {
                o.target = radialLine(st->position, nav::reciprocal(*session.target->qdmDeg), reach);
                o.targetLabel = QStringLiteral("QDM %1").arg(degrees(*session.target->qdmDeg));
            } else if (session.target->qdrDeg) {
                o.target = radialLine(st->position, *session.target->qdrDeg, reach);
                o.targetLabel = QStringLiteral("QDR %1").arg(degrees(*session.target->qdrDeg));
            }
            // Labels with bearings wait for the solution, like every other number of the answer.
            if (!s.showSolution)
                o.targetLabel.clear();
        }
    }
    if (s.showSolution)
        addSolution(s, o);
    return o;
}

Path planExtent(const Situation &s, const PlanOverlay &o)
{
    Path points;
    if (!s.session)
        return points;
    for (const host::Station &st : s.session->stations)
        points.push_back(st.position);
    // A hidden aircraft must not give itself away by where the plan is centred or how far
    // it reaches: neither it nor its track (which starts where it is) counts then.
    const bool visible = s.aircraftVisible();
    if (visible) {
        points.push_back(s.start.position);
        points.push_back(s.aircraft.position);
    }
    for (const Path *p : {&o.holding, &o.arc, &o.finalCourse, &o.target, &o.solution, visible ? &s.track : nullptr})
        if (p)
            points.insert(points.end(), p->begin(), p->end());
    return points;
}

} // namespace orvik3::trainer
