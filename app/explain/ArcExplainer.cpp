#include "explain/ArcExplainer.h"

#include "explain/BearingExplainer.h"
#include "explain/Explanation.h"
#include "explain/RowReasons.h"

#include <cmath>

namespace orvik3::trainer {

namespace {

struct Arc {
    const host::DmeArc *arc = nullptr;
    double radial = 0, finalRadial = 0;
    host::nav::ArcDirection dir = host::nav::ArcDirection::Clockwise;
};

Arc arcOf(const host::Session &session)
{
    namespace nav = host::nav;
    if (!session.dmeArc)
        return {};
    const host::Station *st = host::findStation(session, session.dmeArc->station);
    if (!st)
        return {};
    Arc a;
    a.arc = &*session.dmeArc;
    a.radial = nav::qdr(host::aircraftPosition(session), st->position);
    a.finalRadial = nav::reciprocal(a.arc->finalCourseDeg);
    a.dir = a.arc->direction.value_or(nav::shorterArcDirection(a.radial, a.finalRadial));
    return a;
}

} // namespace

QString ArcExplainer::row(const host::Session &session, RowKind kind)
{
    namespace nav = host::nav;
    const Arc a = arcOf(session);
    if (!a.arc)
        return {};
    const bool cw = a.dir == nav::ArcDirection::Clockwise;
    switch (kind) {
    case RowKind::ArcFirstTurn: return RowReasons::turn(session.aircraft.headingDeg, nav::arcHeading(a.radial, a.dir));
    case RowKind::ArcFirstHeading:
        return (cw ? tr("On radial %1 the %2 NM arc is flown clockwise with heading %1 + 90 = %3.")
                   : tr("On radial %1 the %2 NM arc is flown counter-clockwise with heading %1 − 90 = %3."))
            .arg(threeDigits(a.radial))
            .arg(a.arc->radiusNm, 0, 'f', 0)
            .arg(threeDigits(nav::arcHeading(a.radial, a.dir)));
    case RowKind::ArcLeadRadial:
        if (!a.arc->leadNm)
            return {};
        return tr("Lead: 60 × %1 / %2 = %3°, so turn onto the final course at radial %4.")
            .arg(*a.arc->leadNm, 0, 'f', 1)
            .arg(a.arc->radiusNm, 0, 'f', 0)
            .arg(nav::leadAngle(*a.arc->leadNm, a.arc->radiusNm), 0, 'f', 1)
            .arg(threeDigits(nav::leadRadial(a.finalRadial, a.dir, *a.arc->leadNm, a.arc->radiusNm)));
    default: return {};
    }
}

QString ArcExplainer::reason(const host::Session &session)
{
    const QString lead = row(session, RowKind::ArcLeadRadial);
    return (row(session, RowKind::ArcFirstHeading) + u' ' + lead).trimmed();
}

} // namespace orvik3::trainer
