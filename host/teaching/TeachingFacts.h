#pragma once

// What a question shows and stores, as far as a teaching rule looks at it. The generator
// takes the facts from the session it makes; the linter from a study file and its session,
// the file's own values first. A rule whose facts are missing does not apply.

#include "session/SessionFile.h"

#include <optional>

namespace orvik3::teaching {

enum class Bearing { Qdm, Qdr };

struct HoldingFacts {
    int headingDeg = 0; // the heading flown to the fix, 0..359
    int inboundDeg = 0;
    bool rightHand = true;
};

struct InterceptFacts {
    Bearing kind = Bearing::Qdm;
    double actualDeg = 0.0; // as stored: whole degrees
    double requiredDeg = 0.0;
    double headingDeg = 0.0;
};

// The course deviation indicator on the aircraft's radial with a course set.
struct InstrumentFacts {
    double radialDeg = 0.0;
    double courseDeg = 0.0;
    bool asksSide = false; // the question asks which way the needle moves
};

// A number the trainee types into a wind row: the exact working and the number stored.
struct WindFigure {
    double exact = 0.0; // magnitude
    double stored = 0.0;
};

struct WindFacts {
    WindFigure headTail;  // knots
    WindFigure crosswind; // knots
    WindFigure wca;       // degrees
};

struct Facts {
    std::optional<HoldingFacts> holding;
    std::optional<InterceptFacts> intercept;
    std::optional<InstrumentFacts> instrument;
    std::optional<double> stationBearingDeg; // relative bearing, where the station's quarter is asked
    std::optional<WindFacts> wind;
    const host::Session *session = nullptr;  // the flight's figures
};

// The facts a session shows for the exercise type. The wind figures are stored as the
// generator stores them, to whole knots and degrees. `asksSide`: the position question asks
// which way the needle moves (standard VOR, needle left or right).
Facts sessionFacts(int exerciseType, const host::Session &session, bool asksSide = false);

} // namespace orvik3::teaching
