#include "explain/ArcExplainer.h"

#include "explain/BearingExplainer.h"
#include "explain/Explanation.h"

#include <cmath>

namespace orvik3::trainer {

QString ArcExplainer::reason(const host::Session &session)
{
    namespace nav = host::nav;
    if (!session.dmeArc)
        return {};
    const host::DmeArc &arc = *session.dmeArc;
    const host::Station *st = host::findStation(session, arc.station);
    if (!st)
        return {};
    const double radial = nav::qdr(host::aircraftPosition(session), st->position);
    const double finalRadial = nav::reciprocal(arc.finalCourseDeg);
    const nav::ArcDirection dir = arc.direction.value_or(nav::shorterArcDirection(radial, finalRadial));
    const bool cw = dir == nav::ArcDirection::Clockwise;
    QString text = (cw ? tr("On radial %1 the %2 NM arc is flown clockwise with heading %1 + 90 = %3.")
                       : tr("On radial %1 the %2 NM arc is flown counter-clockwise with heading %1 − 90 = %3."))
                       .arg(threeDigits(radial))
                       .arg(arc.radiusNm, 0, 'f', 0)
                       .arg(threeDigits(nav::arcHeading(radial, dir)));
    if (arc.leadNm)
        text += QLatin1Char(' ')
                + tr("Lead: 60 × %1 / %2 = %3°, so turn onto the final course at radial %4.")
                    .arg(*arc.leadNm, 0, 'f', 1)
                    .arg(arc.radiusNm, 0, 'f', 0)
                    .arg(nav::leadAngle(*arc.leadNm, arc.radiusNm), 0, 'f', 1)
                    .arg(threeDigits(nav::leadRadial(finalRadial, dir, *arc.leadNm, arc.radiusNm)));
    return text;
}

} // namespace orvik3::trainer
