#include "explain/AdfExplainer.h"

#include "explain/BearingExplainer.h"
#include "explain/Explanation.h"

#include <cmath>

namespace orvik3::trainer {

QString AdfExplainer::reason(const host::Session &session)
{
    namespace nav = host::nav;
    const host::Station *st = host::adfStation(session);
    if (!st)
        return {};
    const nav::Point a = host::aircraftPosition(session);
    const double rb = nav::relativeBearing(a, session.aircraft.headingDeg, st->position);
    return tr("%1 The needle points to %2.")
        .arg(BearingExplainer::adfSum(session.aircraft.headingDeg, rb), st->id);
}

} // namespace orvik3::trainer
