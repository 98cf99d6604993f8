#include "situation/InstrumentReadings.h"

#include <algorithm>

namespace orvik3::trainer {

namespace nav = host::nav;

std::vector<InstrumentKind> instrumentsFor(const host::Session &session, int type)
{
    const ExerciseType *t = exerciseType(qint16(type));
    const bool fixedCard = t && t->relativeBearing;
    const host::Instruments &in = session.instruments;
    std::vector<InstrumentKind> kinds;
    if (in.hsiCourseDeg)
        kinds.push_back(InstrumentKind::Hsi);
    if (in.vorObsDeg)
        kinds.push_back(InstrumentKind::Vor);
    if (in.dg)
        kinds.push_back(InstrumentKind::Dg);
    if (in.rmi && !fixedCard)
        kinds.push_back(InstrumentKind::Rmi);
    if (in.adf || (in.rmi && fixedCard))
        kinds.push_back(InstrumentKind::Adf);
    if (in.dme)
        kinds.push_back(InstrumentKind::Dme);
    if (const ExerciseInfo *info = exerciseInfo(type); kinds.empty() && info)
        kinds = info->defaultInstruments;
    return kinds;
}

InstrumentReading readInstrument(InstrumentKind kind, const host::Session &session, const AircraftState &aircraft)
{
    InstrumentReading r;
    r.kind = kind;
    const double heading = nav::normalizeDegrees(aircraft.headingDeg);
    const host::Station *nav = host::navStation(session);
    const host::Station *adf = host::adfStation(session);

    auto cdi = [&](double course) {
        r.value = nav::normalizeDegrees(course);
        if (!nav) {
            r.valid = false;
            return;
        }
        r.station = nav->id;
        const nav::CdiIndication ind = nav::cdiIndication(nav::qdr(aircraft.position, nav->position), r.value);
        r.deviation = std::clamp(ind.needleDeg / nav::kCdiFullScaleDeg, -1.0, 1.0);
        r.flag = ind.flag;
    };
    auto needle = [&](bool fixedCard) {
        if (!adf) {
            r.valid = false;
            return;
        }
        r.station = adf->id;
        r.pointerDeg = nav::relativeBearing(aircraft.position, heading, adf->position);
        r.value = fixedCard ? r.pointerDeg : nav::qdm(aircraft.position, adf->position);
    };

    switch (kind) {
    case InstrumentKind::Hsi:
        r.cardDeg = nav::normalizeDegrees(-heading);
        cdi(session.instruments.hsiCourseDeg.value_or(heading));
        r.pointerDeg = nav::normalizeDegrees(r.value - heading);
        break;
    case InstrumentKind::Vor:
        cdi(session.instruments.vorObsDeg.value_or(0.0));
        r.cardDeg = nav::normalizeDegrees(-r.value);
        break;
    case InstrumentKind::Rmi:
        r.cardDeg = nav::normalizeDegrees(-heading);
        needle(false);
        break;
    case InstrumentKind::Adf:
        needle(true);
        break;
    case InstrumentKind::Dg:
        r.cardDeg = nav::normalizeDegrees(-heading);
        r.value = heading;
        break;
    case InstrumentKind::Dme:
        if (nav && nav->kind == host::StationKind::VorDme) {
            r.station = nav->id;
            r.value = nav::distance(aircraft.position, nav->position);
        } else {
            r.valid = false;
        }
        break;
    }
    return r;
}

QString instrumentName(InstrumentKind kind)
{
    switch (kind) {
    case InstrumentKind::Hsi: return QStringLiteral("HSI");
    case InstrumentKind::Vor: return QStringLiteral("VOR");
    case InstrumentKind::Rmi: return QStringLiteral("RMI");
    case InstrumentKind::Adf: return QStringLiteral("ADF");
    case InstrumentKind::Dg: return QStringLiteral("DG");
    case InstrumentKind::Dme: return QStringLiteral("DME");
    }
    return {};
}

} // namespace orvik3::trainer
