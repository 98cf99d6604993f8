#include "explain/PositionExplainer.h"

#include "explain/BearingExplainer.h"
#include "explain/Explanation.h"

#include <cmath>

namespace orvik3::trainer {

QString PositionExplainer::reason(const host::Session &session)
{
    namespace nav = host::nav;
    const host::Station *st = session.instruments.rmi || session.instruments.adf ? host::adfStation(session)
                                                                                  : host::navStation(session);
    if (!st)
        return {};
    const nav::Point a = host::aircraftPosition(session);
    const double qdr = nav::qdr(a, st->position);
    // An NDB sends no radials: its line to the aircraft is the QDR.
    return (st->kind == host::StationKind::Ndb ? tr("The aircraft is on QDR %1 of %2, %3 NM out. %4")
                                               : tr("The aircraft is on radial %1 of %2, %3 NM out. %4"))
        .arg(threeDigits(qdr), st->id)
        .arg(nav::distance(a, st->position), 0, 'f', 1)
        .arg(BearingExplainer::reciprocal(nav::qdm(a, st->position)));
}

} // namespace orvik3::trainer
