#include "explain/BearingExplainer.h"

#include <cmath>

namespace orvik3::trainer {

QString BearingExplainer::reciprocal(double qdmDeg)
{
    const long qdm = std::lround(qdmDeg) % 360;
    const bool add = qdm < 180;
    const long sum = add ? qdm + 180 : qdm - 180;
    return tr("QDM %1 and QDR %2 are the same line seen from its two ends: QDR = QDM %3 180 = %2.")
        .arg(threeDigits(double(qdm)), threeDigits(double(sum)), add ? QStringLiteral("+") : QStringLiteral("−"));
}

QString BearingExplainer::adfSum(double headingDeg, double relativeBearingDeg)
{
    const long hdg = std::lround(headingDeg) % 360;
    const long rb = std::lround(relativeBearingDeg) % 360;
    const long sum = hdg + rb;
    const QString total = sum >= 360 ? tr("%1 − 360 = %2").arg(sum).arg(threeDigits(double(sum - 360)))
                                     : threeDigits(double(sum));
    const long qdm = sum % 360;
    const long qdr = (qdm + 180) % 360;
    return tr("QDM = HDG %1 + RB %2 = %3; QDR = QDM ± 180 = %4.")
        .arg(threeDigits(double(hdg)), threeDigits(double(rb)), total, threeDigits(double(qdr)));
}

} // namespace orvik3::trainer
