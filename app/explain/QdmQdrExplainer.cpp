#include "explain/QdmQdrExplainer.h"

#include "explain/BearingExplainer.h"
#include "explain/Explanation.h"

#include <cmath>

namespace orvik3::trainer {

QString QdmQdrExplainer::reason(const host::Session &session)
{
    namespace nav = host::nav;
    const host::Station *st = host::findStation(session, session.target ? session.target->station : QString());
    if (!st)
        return {};
    const nav::Point a = host::aircraftPosition(session);
    const double qdm = nav::qdm(a, st->position);
    QString text = tr("Seen from %1: %2").arg(st->id, BearingExplainer::reciprocal(qdm));
    if (session.target && session.target->qdmDeg)
        text += QLatin1Char(' ')
                + tr("The required QDM is %1, %2° away.")
                       .arg(threeDigits(*session.target->qdmDeg))
                       .arg(std::lround(std::abs(nav::angleDifference(*session.target->qdmDeg, qdm))));
    else if (session.target && session.target->qdrDeg)
        text += QLatin1Char(' ')
                + tr("The required QDR is %1, %2° away.")
                       .arg(threeDigits(*session.target->qdrDeg))
                       .arg(std::lround(std::abs(nav::angleDifference(*session.target->qdrDeg, nav::reciprocal(qdm)))));
    return text;
}

} // namespace orvik3::trainer
