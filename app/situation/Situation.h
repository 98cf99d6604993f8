#pragma once

#include "situation/InstrumentReadings.h"

#include "session/SessionFile.h"

#include <QString>
#include <optional>
#include <vector>

namespace orvik3::trainer {

// Everything the situation view draws: the session of the question on display (or why there
// is none), where the aircraft is now, the path it has flown, and whether the solution is on.
struct Situation {
    int type = 0;
    Language language = Language::English; // of the messages and labels drawn
    QString path;
    std::optional<host::Session> session;
    QString error; // set when there is no session to draw
    AircraftState start;
    AircraftState aircraft;
    std::vector<host::nav::Point> track;
    bool showSolution = false;
    bool flying = false;
    // Instrument-only: the plan keeps the aircraft to itself until the solution or a flight.
    bool hideAircraft = false;
    bool aircraftVisible() const { return !hideAircraft || showSolution || flying; }

    bool isValid() const { return session.has_value(); }
    // Back to the situation as the session describes it.
    void resetAircraft();
};

// Loads the session at `path` for exercise `type`. A missing or unreadable file, or one that
// does not parse, gives a situation without a session and a message saying why. With a
// sessions folder, a path whose name leads out of it is refused the same way.
Situation loadSituation(const QString &path, int type, Language language = Language::English,
                        const QString &sessionsFolder = {});

} // namespace orvik3::trainer
