#pragma once

// One exercise situation as stored in a session file (format described in
// docs/session-format.md): stations, the aircraft, the instrument panel and
// the exercise-specific data. The structs are plain values so the trainer
// and the study-file generator can build and compare them directly.

#include "nav/Geometry.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace orvik3::host {

// The version of the text format that the reader accepts and the writer produces.
inline constexpr int kSessionFormatVersion = 1;
// The most stations a file may hold: a situation needs two or three, a busy map a dozen.
inline constexpr int kMaxStations = 50;

enum class StationKind { Vor, Ndb, VorDme };

struct Station {
    QString id; // 1-8 letters or digits, unique within the file
    StationKind kind = StationKind::Vor;
    nav::Point position; // NM on the local plane
    friend bool operator==(const Station &, const Station &) = default;
};

// A point given by radial (QDR) and distance from a station.
struct RelativePosition {
    QString station; // empty: the first station of the file
    double radialDeg = 0.0;
    double distanceNm = 0.0;
    friend bool operator==(const RelativePosition &, const RelativePosition &) = default;
};

struct Aircraft {
    std::variant<RelativePosition, nav::Point> position;
    double headingDeg = 0.0;
    double tasKt = 0.0;
    friend bool operator==(const Aircraft &, const Aircraft &) = default;
};

struct Instruments {
    std::optional<double> hsiCourseDeg; // HSI shown, with this course set
    std::optional<double> vorObsDeg;    // standard VOR indicator, with this OBS
    bool rmi = false;                   // RMI (ADF needle over a compass card)
    bool adf = false;                   // relative-bearing ADF (fixed card)
    bool dg = false;                    // directional gyro
    bool dme = false;
    QString navStation; // tuned VOR; empty: first VOR or VOR/DME of the file
    QString adfStation; // tuned NDB; empty: first NDB, else first station
    friend bool operator==(const Instruments &, const Instruments &) = default;
};

enum class HoldingTurn { Right, Left };

struct Holding {
    QString fix; // station id; empty: the first station
    double inboundCourseDeg = 0.0;
    HoldingTurn turn = HoldingTurn::Right;
    friend bool operator==(const Holding &, const Holding &) = default;
};

struct DmeArc {
    QString station; // must be a VOR/DME; empty: the first station
    double radiusNm = 0.0;
    double finalCourseDeg = 0.0; // inbound course to the station after the arc
    std::optional<nav::ArcDirection> direction; // empty: the shorter way round
    std::optional<double> leadNm;               // lead distance for the final turn
    friend bool operator==(const DmeArc &, const DmeArc &) = default;
};

// The bearing the trainee is asked to intercept or to reason about.
struct Target {
    QString station; // empty: the first station
    std::optional<double> qdmDeg;
    std::optional<double> qdrDeg;
    friend bool operator==(const Target &, const Target &) = default;
};

struct Wind {
    double fromDeg = 0.0;
    double speedKt = 0.0;
    std::optional<double> legNm; // leg flown for the timing question
    friend bool operator==(const Wind &, const Wind &) = default;
};

struct Session {
    std::optional<int> exercise; // exercise type 1..14, if the file says
    QString title;               // one line, free text
    std::vector<Station> stations;
    Aircraft aircraft;
    Instruments instruments;
    std::optional<Holding> holding;
    std::optional<DmeArc> dmeArc;
    std::optional<Target> target;
    std::optional<Wind> wind;
    friend bool operator==(const Session &, const Session &) = default;
};

// Station by id; an empty id means the first station. Null when absent.
const Station *findStation(const Session &session, const QString &id);
// The aircraft position on the plane, resolving a radial/distance against
// its station. Assumes a session that parsed (the station exists).
nav::Point aircraftPosition(const Session &session);
// The stations the receivers are tuned to, after applying the defaults.
const Station *navStation(const Session &session);
const Station *adfStation(const Session &session);

QString stationKindName(StationKind kind);

} // namespace orvik3::host
