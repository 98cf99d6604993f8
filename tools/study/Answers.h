#pragma once

// The navigation behind every stored answer of the generated study files. Pure functions
// on the host kit's flat-plane geometry, so the tests can hold them against textbook rules.

#include "nav/Geometry.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace orvik3::study {

using host::nav::ArcDirection;
using host::nav::Point;
using host::nav::Side;
using host::nav::Trend;
using host::nav::Turn;

// Whole degrees in 0..359.
int wholeDegrees(double deg);
// The nearest multiple of 5 in 0..355, when deg lies within toleranceDeg of it.
std::optional<int> multipleOf5(double deg, double toleranceDeg = 1.0);
// "005", "090", "270"; 0 is written as "000" or, with northAs360, "360".
QString threeDigits(int deg, bool northAs360 = false);

// --- position ---------------------------------------------------------------------------

// Where the station lies seen from the nose, by relative bearing: ahead within 45 deg of
// the nose, behind within 45 deg of the tail, else left or right.
enum class Quarter { Ahead, Right, Behind, Left };
// The quarter of a relative bearing; two quarters when it lies within marginDeg of the
// 45-degree line between them, so that either reading is accepted.
std::vector<Quarter> stationQuarters(double relativeBearingDeg, double marginDeg = 5.0);

// Which way the CDI needle of a VOR indicator (OBS set to obsDeg) moves while the aircraft
// flies straight on its heading. Empty when the answer is not clear-cut: the needle at full
// scale, or the aircraft within 15 deg of abeam where the TO/FROM flag changes.
enum class NeedleMove { Left, Right, Same };
std::optional<NeedleMove> needleMovement(Point aircraft, double headingDeg, Point station, double obsDeg);

// How a bearing to or from the station develops along the track, when clear-cut: constant
// only when flying (within half a degree) straight to or from the station, and no answer
// within 5 deg of that line, where the instrument barely moves.
std::optional<Trend> clearBearingTrend(Point aircraft, double trackDeg, Point station);

// --- QDM / QDR interception ---------------------------------------------------------------

enum class BearingKind { Qdm, Qdr };

struct Interception {
    int actual = 0;                  // actual QDM or QDR, whole degrees
    Trend difference = Trend::Constant; // angle between actual and required bearing, on the present heading
    int interceptHeading = 0;        // heading of the intercept
    Turn firstTurn = Turn::Maintain; // from the present heading to the intercept heading
    // The intercept heading against the reference (the actual QDM, or the required QDR):
    // Increase = greater, Decrease = less, Constant = the same (already on the bearing).
    Trend firstHeading = Trend::Constant;
};

// Intercepting a QDM inbound or a QDR outbound. Intercept angle: twice the difference between
// actual and required bearing, at least 30 and at most 90 degrees. Empty, with *why set,
// when the situation has no clear-cut answer (difference above 80 degrees, a turn of less
// than 5 degrees or near a reversal, a bearing trend that barely moves). Whether the turn
// holds for every usual intercept angle is a teaching rule, checked with the session.
std::optional<Interception> intercept(BearingKind kind, Point aircraft, double headingDeg, Point station,
                                      double requiredDeg, QString *why = nullptr);

// --- DME arc ------------------------------------------------------------------------------

struct ArcAnswer {
    ArcDirection direction = ArcDirection::Clockwise;
    Turn firstTurn = Turn::Maintain;
    int firstHeading = 0;
    int leadRadial = 0;
};

// Joining the arc on `radialDeg` from `headingDeg` and leaving it for the inbound
// `finalCourseDeg`; direction the given one or the shorter way round. Empty, with *why,
// when the first turn is a reversal or nearly none.
std::optional<ArcAnswer> dmeArc(double radialDeg, double headingDeg, double finalCourseDeg, double radiusNm,
                                double leadNm, std::optional<ArcDirection> direction, QString *why = nullptr);

// --- wind ---------------------------------------------------------------------------------

struct WindAnswer {
    int headwind = 0;           // whole knots, negative for a tailwind
    int crosswind = 0;          // whole knots
    Side crosswindFrom = Side::None;
    int wca = 0;                // whole degrees
    Side wcaSide = Side::None;  // the side the heading is corrected to
    int groundspeed = 0;
    int minutes = 0, seconds = 0; // time for the leg
};

std::optional<WindAnswer> windAnswer(double courseDeg, double tasKt, double windFromDeg, double windSpeedKt,
                                     double legNm);
// "12.30" for twelve minutes thirty seconds.
QString minutesSeconds(int minutes, int seconds);

// --- ADF distractors ----------------------------------------------------------------------

struct AdfAnswer {
    int qdr = 0, qdm = 0, rb = 0;
    Trend trend = Trend::Constant; // QDM and QDR always move together
    std::array<int, 4> qdrOptions{}, qdmOptions{}, rbOptions{};
};

// The right values and four candidates each: the right QDR, QDM and relative bearing at the
// slots `places` (0..3), the others plausible mistakes: the reciprocal, the station mirrored
// to the other side of the nose, the heading or the relative bearing taken for the bearing.
// Empty, with *why, when the trend is not clear-cut.
std::optional<AdfAnswer> adfAnswer(Point aircraft, double headingDeg, Point station, std::array<int, 3> places,
                                   QString *why = nullptr);

} // namespace orvik3::study
