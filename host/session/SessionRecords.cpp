#include "session/SessionRecords.h"

namespace orvik3::host {

QString stationKindName(StationKind kind)
{
    switch (kind) {
    case StationKind::Vor: return QStringLiteral("VOR");
    case StationKind::Ndb: return QStringLiteral("NDB");
    case StationKind::VorDme: return QStringLiteral("VOR/DME");
    }
    return {};
}

const Station *findStation(const Session &session, const QString &id)
{
    if (session.stations.empty())
        return nullptr;
    if (id.isEmpty())
        return &session.stations.front();
    for (const Station &st : session.stations)
        if (st.id == id)
            return &st;
    return nullptr;
}

nav::Point aircraftPosition(const Session &session)
{
    if (const auto *p = std::get_if<nav::Point>(&session.aircraft.position))
        return *p;
    const auto &rel = std::get<RelativePosition>(session.aircraft.position);
    const Station *st = findStation(session, rel.station);
    const nav::Point origin = st ? st->position : nav::Point{};
    return nav::offset(origin, rel.radialDeg, rel.distanceNm);
}

const Station *navStation(const Session &session)
{
    if (!session.instruments.navStation.isEmpty())
        return findStation(session, session.instruments.navStation);
    for (const Station &st : session.stations)
        if (st.kind != StationKind::Ndb)
            return &st;
    return nullptr;
}

const Station *adfStation(const Session &session)
{
    if (!session.instruments.adfStation.isEmpty())
        return findStation(session, session.instruments.adfStation);
    for (const Station &st : session.stations)
        if (st.kind == StationKind::Ndb)
            return &st;
    return findStation(session, {});
}

} // namespace orvik3::host
