#include "teaching/TeachingFacts.h"

#include "study/ExerciseTypes.h"

#include <cmath>

namespace orvik3::teaching {

using namespace host::nav;

namespace {

// Floating-point dust where the working is exactly zero (wind on the nose).
double clean(double v) { return std::abs(v) < 1e-9 ? 0.0 : std::abs(v); }

WindFigure figure(double exact) { return {clean(exact), std::round(clean(exact))}; }

} // namespace

Facts sessionFacts(int exerciseType, const host::Session &session, bool asksSide)
{
    Facts out;
    out.session = &session;
    const ExerciseType *type = orvik3::exerciseType(qint16(exerciseType));
    if (!type)
        return out;
    const double heading = session.aircraft.headingDeg;
    if (session.wind) {
        if (const std::optional<WindSolution> s =
                solveWind(heading, session.aircraft.tasKt, session.wind->fromDeg, session.wind->speedKt))
            out.wind = WindFacts{figure(s->components.headwindKt), figure(s->components.crosswindKt), figure(s->wcaDeg)};
    }
    if (session.stations.empty())
        return out;
    const Point station = session.stations.front().position;
    const Point aircraft = host::aircraftPosition(session);
    switch (type->family) {
    case Family::Holding:
        if (session.holding)
            out.holding = HoldingFacts{int(std::lround(normalizeDegrees(heading))) % 360,
                                       int(std::lround(session.holding->inboundCourseDeg)),
                                       session.holding->turn == host::HoldingTurn::Right};
        break;
    case Family::QdmQdr:
        if (session.target) {
            const bool qdmKind = session.target->qdmDeg.has_value();
            const double actual = qdmKind ? qdm(aircraft, station) : qdr(aircraft, station);
            out.intercept = InterceptFacts{qdmKind ? Bearing::Qdm : Bearing::Qdr, double(std::lround(actual) % 360),
                                           qdmKind ? *session.target->qdmDeg : session.target->qdrDeg.value_or(0.0),
                                           heading};
        }
        break;
    case Family::Position: {
        const Variant variant = variantOf(qint16(exerciseType));
        if (variant == Variant::Orientation)
            break;
        if (const std::optional<double> course =
                session.instruments.hsiCourseDeg ? session.instruments.hsiCourseDeg : session.instruments.vorObsDeg)
            out.instrument = InstrumentFacts{qdr(aircraft, station), *course, asksSide};
        if (variant == Variant::HsiPosition)
            out.stationBearingDeg = relativeBearing(aircraft, heading, station);
        break;
    }
    default: break;
    }
    return out;
}

} // namespace orvik3::teaching
