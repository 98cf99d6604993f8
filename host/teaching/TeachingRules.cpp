#include "teaching/TeachingRules.h"

#include "exercises/holding/HoldingSolver.h"
#include "study/ExerciseTypes.h"

#include <cmath>
#include <variant>

namespace orvik3::teaching {

using namespace host::nav;

namespace {

QString degrees(double deg)
{
    return QStringLiteral("%1").arg(int(std::lround(normalizeDegrees(deg))) % 360, 3, 10, QLatin1Char('0'));
}

QString entryAt(int headingDeg, int inboundDeg, bool rightHand)
{
    qint16 hdg = qint16(((headingDeg % 360) + 360) % 360), inbound = qint16(inboundDeg), outbound = 0, gate = 0, abeam = 0,
           first = 0;
    QString kind = rightHand ? QStringLiteral("Standard") : QStringLiteral("Non-Standard");
    QString entry, turn;
    findHoldingAnswer(hdg, inbound, kind, entry, outbound, gate, abeam, first, turn);
    return entry;
}

enum class FirstTurn { Maintain, Left, Right };

QString turnName(FirstTurn t)
{
    switch (t) {
    case FirstTurn::Maintain: return QStringLiteral("maintain");
    case FirstTurn::Left: return QStringLiteral("left");
    case FirstTurn::Right: return QStringLiteral("right");
    }
    return {};
}

QString range(const char *what, double v, const Range &r, const char *unit)
{
    return QStringLiteral("%1 %2 %3 is outside the realistic %4..%5 %3")
        .arg(QLatin1String(what))
        .arg(v)
        .arg(QLatin1String(unit))
        .arg(r.low)
        .arg(r.high);
}

} // namespace

std::optional<QString> holdingSectorProblem(int headingDeg, int inboundDeg, bool rightHand)
{
    const QString entry = entryAt(headingDeg, inboundDeg, rightHand);
    // The heading on a line belongs to one of its sectors, so a heading 5 degrees from the
    // line meets the other sector only 6 degrees away.
    for (int k = 1; k <= int(kSectorMarginDeg) + 1; ++k) {
        for (const int other : {headingDeg - k, headingDeg + k}) {
            const QString there = entryAt(other, inboundDeg, rightHand);
            if (there != entry)
                return QStringLiteral("heading %1 lies within %2 degrees of the line between the %3 and %4 sectors "
                                      "(inbound %5, %6-hand): either entry is correct there")
                    .arg(degrees(headingDeg))
                    .arg(kSectorMarginDeg)
                    .arg(entry, there, degrees(inboundDeg), rightHand ? QStringLiteral("right") : QStringLiteral("left"));
        }
    }
    return std::nullopt;
}

std::optional<QString> interceptTurnProblem(Bearing kind, double actualDeg, double requiredDeg, double headingDeg)
{
    const double offset = angleDifference(actualDeg, requiredDeg);
    if (std::abs(offset) <= kCentredDeg)
        return std::nullopt;
    const double sign = offset > 0.0 ? 1.0 : -1.0;
    std::optional<FirstTurn> first;
    double firstAngle = 0.0;
    for (const double angle : kInterceptAngles) {
        if (angle <= std::abs(offset))
            continue; // would not bring the aircraft onto the bearing
        const double intercept = kind == Bearing::Qdm ? requiredDeg + sign * angle : requiredDeg - sign * angle;
        const double t = angleDifference(intercept, headingDeg);
        const FirstTurn turn = std::abs(t) <= kCentredDeg ? FirstTurn::Maintain : t > 0.0 ? FirstTurn::Right : FirstTurn::Left;
        if (!first) {
            first = turn;
            firstAngle = angle;
        } else if (turn != *first) {
            return QStringLiteral("the first turn from heading %1 is %2 with a %3 degree intercept but %4 with %5 degrees "
                                  "(%6 %7, required %8)")
                .arg(degrees(headingDeg), turnName(*first))
                .arg(firstAngle)
                .arg(turnName(turn))
                .arg(angle)
                .arg(kind == Bearing::Qdm ? QStringLiteral("QDM") : QStringLiteral("QDR"), degrees(actualDeg),
                     degrees(requiredDeg));
        }
    }
    return std::nullopt;
}

std::optional<QString> instrumentProblem(double radialDeg, double courseDeg, bool asksSide)
{
    const CdiIndication cdi = cdiIndication(radialDeg, courseDeg, kFlagDeg);
    if (cdi.flag == ToFrom::Off)
        return QStringLiteral("radial %1 with course %2 is abeam the station: the flag is in view and the bar shows nothing")
            .arg(degrees(radialDeg), degrees(courseDeg));
    if (cdi.fullScale)
        return QStringLiteral("radial %1 lies %2 degrees off course %3: the bar is at its stop and the radial cannot be read")
            .arg(degrees(radialDeg))
            .arg(std::lround(std::abs(cdi.deviationDeg)))
            .arg(degrees(courseDeg));
    if (asksSide && std::abs(cdi.deviationDeg) < kCentredDeg)
        return QStringLiteral("radial %1 with course %2 centres the needle: no side can be read")
            .arg(degrees(radialDeg), degrees(courseDeg));
    return std::nullopt;
}

QStringList rangeProblems(const host::Session &session)
{
    QStringList out;
    const double tas = session.aircraft.tasKt;
    if (!kTasKt.contains(tas))
        out << range("TAS", tas, kTasKt, "kt");
    if (session.wind) {
        if (!kWindKt.contains(session.wind->speedKt))
            out << range("wind", session.wind->speedKt, kWindKt, "kt");
        if (session.wind->legNm && !kLegNm.contains(*session.wind->legNm))
            out << range("leg", *session.wind->legNm, kLegNm, "NM");
    } else if (const auto *p = std::get_if<host::RelativePosition>(&session.aircraft.position)) {
        if (!kDistanceNm.contains(p->distanceNm))
            out << range("distance", p->distanceNm, kDistanceNm, "NM");
    }
    if (session.dmeArc) {
        if (!kDmeRadiusNm.contains(session.dmeArc->radiusNm))
            out << range("DME radius", session.dmeArc->radiusNm, kDmeRadiusNm, "NM");
        if (session.dmeArc->leadNm && !kDmeLeadNm.contains(*session.dmeArc->leadNm))
            out << range("DME lead", *session.dmeArc->leadNm, kDmeLeadNm, "NM");
    }
    return out;
}

QStringList sessionProblems(int exerciseType, const host::Session &session, bool asksSide)
{
    QStringList out = rangeProblems(session);
    const ExerciseType *type = orvik3::exerciseType(qint16(exerciseType));
    if (!type || session.stations.empty())
        return out;
    const Point station = session.stations.front().position;
    const Point aircraft = host::aircraftPosition(session);
    const double heading = session.aircraft.headingDeg;
    auto add = [&](const std::optional<QString> &problem) {
        if (problem)
            out << *problem;
    };
    switch (type->family) {
    case Family::Holding:
        if (session.holding)
            add(holdingSectorProblem(int(std::lround(heading)), int(std::lround(session.holding->inboundCourseDeg)),
                                     session.holding->turn == host::HoldingTurn::Right));
        break;
    case Family::QdmQdr:
        if (session.target) {
            const bool qdmKind = session.target->qdmDeg.has_value();
            const double required = qdmKind ? *session.target->qdmDeg : session.target->qdrDeg.value_or(0.0);
            add(interceptTurnProblem(qdmKind ? Bearing::Qdm : Bearing::Qdr,
                                     std::lround(qdmKind ? qdm(aircraft, station) : qdr(aircraft, station)), required,
                                     heading));
        }
        break;
    case Family::Position:
        if (variantOf(qint16(exerciseType)) == Variant::Orientation)
            break;
        if (const std::optional<double> course =
                session.instruments.hsiCourseDeg ? session.instruments.hsiCourseDeg : session.instruments.vorObsDeg)
            add(instrumentProblem(qdr(aircraft, station), *course, asksSide));
        break;
    default: break;
    }
    return out;
}

} // namespace orvik3::teaching
