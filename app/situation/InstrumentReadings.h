#pragma once

#include "ExerciseCatalog.h"

#include "nav/Geometry.h"
#include "session/SessionFile.h"

#include <QString>
#include <vector>

namespace orvik3::trainer {

// Where the aircraft is and where its nose points; the instruments depend on nothing else.
struct AircraftState {
    host::nav::Point position;
    double headingDeg = 0.0;
};

// What one instrument shows, as angles on its face so that painting needs no navigation.
// Screen angles are degrees clockwise from the top of the dial.
struct InstrumentReading {
    InstrumentKind kind = InstrumentKind::Dg;
    // The compass card is turned by this much: its graduation g is drawn at g + cardDeg.
    double cardDeg = 0.0;
    // HSI course arrow, RMI and ADF needle: where the head points.
    double pointerDeg = 0.0;
    // Course deviation as a share of full scale, -1..1; positive when the bar lies right.
    double deviation = 0.0;
    host::nav::ToFrom flag = host::nav::ToFrom::Off;
    // The setting or value the instrument displays: HSI course, OBS, heading, DME distance.
    double value = 0.0;
    QString station; // identifier of the station it is tuned to
    bool valid = true; // false: nothing to receive, the instrument shows its warning flag
};

// The instruments of the situation in the order they are drawn: what the session lists, or
// the type's usual set when it lists none. The relative-bearing variants read their ADF on a
// fixed card even where a session asks for an RMI.
std::vector<InstrumentKind> instrumentsFor(const host::Session &session, int type);

InstrumentReading readInstrument(InstrumentKind kind, const host::Session &session, const AircraftState &aircraft);

QString instrumentName(InstrumentKind kind);

} // namespace orvik3::trainer
