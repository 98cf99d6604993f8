#pragma once

#include "MemoryModel.h"

#include <QString>
#include <QtGlobal>

namespace orvik3::practice {

// How one answer row ended: answered right or wrong, or its solution shown before an answer.
enum class Outcome { Right = 0, Wrong = 1, Shown = 2 };

// One answered row: one review of its skill.
struct Review {
    qint64 at = 0;     // ms since the epoch
    QString skill;     // the skill's id
    qint16 type = 0;   // the exercise type the row belonged to
    QString question;  // the question: "hsihld 7" from a study file, "seed 1234" when generated
    QString answer;    // as given; empty when the solution was shown
    Outcome outcome = Outcome::Wrong;
    qint32 millis = 0; // time taken for the row; 0: not measured
    qint64 id = 0;     // its number in the log, rising; 0 before it is appended
};

// A right answer that took longer than this was hard to find.
inline constexpr qint32 kHardMillis = 45000;

// The grade of a review: a wrong answer and a shown solution are lapses; a right answer is
// "good", or "hard" when it took long. No answer counts as "easy": a quick answer may be a
// lucky guess between two options.
inline Grade gradeOf(Outcome outcome, qint32 millis)
{
    if (outcome != Outcome::Right)
        return Grade::Again;
    return millis > kHardMillis ? Grade::Hard : Grade::Good;
}

} // namespace orvik3::practice
