#pragma once

// What makes a question fit for teaching, beyond a stored answer the panel can judge: the
// answer must follow from the picture the trainee sees, without a textbook rule the question
// does not name, and the numbers must be those of a real flight. The study generator refuses
// situations that break a rule and the study linter reports them in hand-written files; each
// rule names the situation so that the author can mend it.

#include "nav/Geometry.h"
#include "session/SessionFile.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace orvik3::teaching {

// Within this many degrees of a holding sector line either entry is taught as correct, but
// the panel accepts only the solver's.
inline constexpr double kSectorMarginDeg = 5.0;

// The usual intercept angles; the first turn must not depend on which one the trainee uses.
inline constexpr double kInterceptAngles[] = {30.0, 45.0, 60.0, 90.0};

// Within this many degrees of abeam the TO/FROM flag of an HSI or VOR indicator shows OFF.
inline constexpr double kFlagDeg = 1.0;

// Below this deviation the needle reads centred.
inline constexpr double kCentredDeg = 0.5;

// Realistic values for a student pilot's aircraft and exercises.
struct Range {
    double low;
    double high;
    bool contains(double v) const { return v >= low && v <= high; }
};
inline constexpr Range kTasKt{70.0, 250.0};
inline constexpr Range kWindKt{0.0, 60.0};
inline constexpr Range kDistanceNm{4.0, 60.0}; // aircraft from the station or the fix
inline constexpr Range kLegNm{10.0, 200.0};
inline constexpr Range kDmeRadiusNm{5.0, 30.0};
inline constexpr Range kDmeLeadNm{0.5, 3.0};

// A holding heading (0..359) within kSectorMarginDeg of an entry sector line of the holding
// with that inbound course, for right- or left-hand patterns alike: the entries the holding
// solver gives around the heading differ.
std::optional<QString> holdingSectorProblem(int headingDeg, int inboundDeg, bool rightHand);

enum class Bearing { Qdm, Qdr };

// The first turn towards a QDM inbound or a QDR outbound, from the present heading and the
// actual and required bearing, for each usual intercept angle larger than the offset: a
// problem when they do not all agree (a "maintain" under one rule is a turn under another).
// On the bearing already (within half a degree) there is nothing to intercept.
std::optional<QString> interceptTurnProblem(Bearing kind, double actualDeg, double requiredDeg, double headingDeg);

// What the course deviation indicator shows on `radialDeg` with `courseDeg` set: a problem
// when it cannot answer a position question (which radial, within 5 degrees): the bar at its
// stop, the flag in view abeam, or, where the question asks for a side, the needle centred.
std::optional<QString> instrumentProblem(double radialDeg, double courseDeg, bool asksSide);

// Speeds, distances and DME figures outside realistic ranges, one message each.
QStringList rangeProblems(const host::Session &session);

// Every rule the exercise type's question depends on, checked against its session: the
// holding sector, the intercept turn, the instrument reading and the ranges. `asksSide`: the
// position question asks for a side of the needle (standard VOR, needle left or right).
QStringList sessionProblems(int exerciseType, const host::Session &session, bool asksSide = false);

} // namespace orvik3::teaching
