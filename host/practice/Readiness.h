#pragma once

#include "SkillMemory.h"

#include <orvik3/ExerciseCatalog.h>

#include <QtGlobal>

#include <vector>

namespace orvik3::practice {

struct FamilyReadiness {
    Family family = Family::Position;
    double share = 0; // predicted share of the family's skills answered right, 0..1
    int skills = 0;
};

struct Readiness {
    std::vector<FamilyReadiness> families; // in the order of Family
    double overall = 0;                    // over all skills
};

// How ready the trainee is at `exam` (ms since the epoch) without further practice: the
// predicted recall of every skill then, a skill never reviewed counting as not known.
Readiness readinessAt(const SkillMemory &memory, qint64 exam);

// Reviews due on each of the next `days` days from `dayStart` (the start of today, ms since
// the epoch), when every due skill is reviewed on its day and answered right; what is
// overdue counts for today.
std::vector<int> reviewForecast(const SkillMemory &memory, qint64 dayStart, int days = 14, double target = 0.9);

} // namespace orvik3::practice
