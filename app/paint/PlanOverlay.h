#pragma once

#include "situation/PathBuilder.h"
#include "situation/Situation.h"

#include <QString>

namespace orvik3::trainer {

// The lines of the plan view besides stations, wind and aircraft: what the question is about
// (holding pattern, DME arc and its final course, the bearing to intercept) and, once the
// solution is on, how to fly it.
struct PlanOverlay {
    Path holding;
    bool holdingRight = true;
    double holdingInboundDeg = 0.0;
    host::nav::Point holdingLabel; // where the pattern's caption goes
    Path arc;         // the whole DME circle
    Path finalCourse; // from the arc in to the station
    Path target;      // the bearing line to intercept
    QString targetLabel;
    Path solution;
    QString solutionLabel;
};

PlanOverlay planOverlay(const Situation &situation);

// Every point the plan must show, so that the view can be fitted around them.
Path planExtent(const Situation &situation, const PlanOverlay &overlay);

} // namespace orvik3::trainer
