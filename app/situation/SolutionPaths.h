#pragma once

#include "situation/PathBuilder.h"

#include "session/SessionFile.h"

#include <QString>

namespace orvik3::trainer {

// The racetrack of a holding, starting and ending at the fix: turn to outbound, one minute
// outbound, turn to inbound, one minute back to the fix.
Path holdingPattern(host::nav::Point fix, double inboundDeg, host::HoldingTurn turn, double tasKt);

// The entry from an aircraft flying `headingDeg` to the fix: the leg to the fix and then the
// direct, parallel or offset entry that the control's solver picks. `entry` receives
// "direct", "parallel" or "offset".
Path holdingEntry(host::nav::Point aircraft, double headingDeg, host::nav::Point fix, double inboundDeg,
                  host::HoldingTurn turn, double tasKt, QString *entry = nullptr);

// Interception of a bearing line: a turn onto an intercept heading, the straight leg to the
// line and the turn onto the course; then along it to the station (QDM, inbound) or away
// from it (QDR). `interceptHeading` receives the heading flown to the line.
Path interceptPath(host::nav::Point aircraft, double headingDeg, host::nav::Point station, double courseDeg,
                   bool inbound, double tasKt, double *interceptHeading = nullptr);

// The points of a bearing line: from the station outward along `radialDeg` for `lengthNm`.
Path radialLine(host::nav::Point station, double radialDeg, double lengthNm);

// Arc points around `centre` from one radial to another in the given direction.
Path arcPoints(host::nav::Point centre, double radiusNm, double fromRadialDeg, double toRadialDeg,
               host::nav::ArcDirection direction);

// Joining a DME arc: to the arc along the present radial, around it to the lead radial,
// then the turn onto the final course and in to the station.
Path dmeArcPath(host::nav::Point aircraft, host::nav::Point station, const host::DmeArc &arc);
host::nav::ArcDirection arcDirection(host::nav::Point aircraft, host::nav::Point station, const host::DmeArc &arc);

} // namespace orvik3::trainer
