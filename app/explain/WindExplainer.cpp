#include "explain/WindExplainer.h"

#include "nav/Geometry.h"

#include <QRegularExpression>
#include <cmath>

namespace orvik3::trainer {

namespace {

QString kt(double v) { return QString::number(v, 'f', 1); }

} // namespace

Explanation WindExplainer::explain(const Leg &leg)
{
    namespace nav = host::nav;
    Explanation e;
    const double angle = nav::angleDifference(leg.windFromDeg, leg.courseDeg);
    const double off = std::abs(angle);
    const auto sol = nav::solveWind(leg.courseDeg, leg.tasKt, leg.windFromDeg, leg.windKt);
    const nav::WindComponents c = nav::windComponents(leg.courseDeg, leg.windFromDeg, leg.windKt);
    const bool head = c.headwindKt >= 0;
    // Each line whole in every variant, so that a translation can order its words freely.
    // The sign of the cosine written out: a tailwind is the negative headwind.
    const bool none = std::abs(c.headwindKt) < 0.05;
    e.working << (none   ? tr("Wind %1° is %2° off course %3: headwind = %4 kt × cos %2° = %5 kt, no head- or tailwind")
                  : head ? tr("Wind %1° is %2° off course %3: headwind = %4 kt × cos %2° = %5 kt")
                         : tr("Wind %1° is %2° off course %3: tailwind = −%4 kt × cos %2° = %5 kt"))
                     .arg(threeDigits(leg.windFromDeg))
                     .arg(std::lround(off))
                     .arg(threeDigits(leg.courseDeg), kt(leg.windKt), kt(std::abs(c.headwindKt)));
    const QString cross = c.crosswindFrom == nav::Side::Right  ? tr("crosswind = %1 kt × sin %2° = %3 kt from the right")
                          : c.crosswindFrom == nav::Side::Left ? tr("crosswind = %1 kt × sin %2° = %3 kt from the left")
                                                               : tr("crosswind = %1 kt × sin %2° = %3 kt");
    e.working << cross.arg(kt(leg.windKt)).arg(std::lround(off)).arg(kt(c.crosswindKt));
    if (!sol) {
        e.reason = tr("The crosswind is stronger than the true airspeed: this course cannot be held.");
        return e;
    }
    const double wca = sol->wcaDeg;
    const QString wcaLine = wca > 0   ? tr("WCA = asin(%1 / %2) = %3° right, heading %4")
                            : wca < 0 ? tr("WCA = asin(%1 / %2) = %3° left, heading %4")
                                      : tr("WCA = asin(%1 / %2) = %3°, heading %4");
    e.working << wcaLine.arg(kt(c.crosswindKt), kt(leg.tasKt)).arg(std::abs(wca), 0, 'f', 1).arg(threeDigits(sol->headingDeg));
    e.working << tr("GS = %1 × cos %2° %3 %4 = %5 kt")
                     .arg(kt(leg.tasKt))
                     .arg(std::abs(wca), 0, 'f', 1)
                     .arg(head ? QStringLiteral("−") : QStringLiteral("+"), kt(std::abs(c.headwindKt)), kt(sol->groundspeedKt));
    if (leg.legNm) {
        if (const auto t = nav::legTime(*leg.legNm, sol->groundspeedKt)) {
            e.working << tr("time = %1 NM ÷ %2 kt × 60 = %3:%4 min:s")
                             .arg(kt(*leg.legNm), kt(sol->groundspeedKt))
                             .arg(t->minutes)
                             .arg(t->seconds, 2, 10, QLatin1Char('0'));
        }
    }
    e.reason = c.crosswindFrom == nav::Side::None
                   ? tr("The wind blows along the course, so it only changes the ground speed.")
                   : (c.crosswindFrom == nav::Side::Right
                          ? tr("Turn the nose into the wind (to the right) by the WCA so that the track stays on course %1.")
                          : tr("Turn the nose into the wind (to the left) by the WCA so that the track stays on course %1."))
                         .arg(threeDigits(leg.courseDeg));
    return e;
}

QString WindExplainer::minutesSeconds(const QString &stored)
{
    static const QRegularExpression time(QStringLiteral("^\\s*(\\d+)[.,:](\\d{1,2})\\s*$"));
    const QRegularExpressionMatch m = time.match(stored);
    if (!m.hasMatch())
        return stored;
    QString sec = m.captured(2);
    if (sec.size() == 1)
        sec += QLatin1Char('0'); // "33.5" is written for 33 minutes 50 seconds
    return tr("%1:%2 min:s").arg(m.captured(1).toInt()).arg(sec);
}

} // namespace orvik3::trainer
