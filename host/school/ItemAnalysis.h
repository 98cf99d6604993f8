#pragma once

// Item analysis of the study files' questions from the students' first tries. Every answer
// row of a question is an item of its own (a question of four rows may be keyed wrong in one
// of them only); a question's line sums its rows up.
//
// - Difficulty: the share of students right at their first try.
// - Discrimination: the point-biserial correlation between right at the first try (0/1) and
//   the student's score on every other row tried (share right at the first try, the row
//   itself left out: the corrected item-total correlation). Strong students should get a
//   row right more often than weak ones; a negative value says the opposite, the mark of a
//   wrong key or an ambiguous question.
// - Flags, once at least kMinStudents tried the row:
//   "negative-discrimination": discrimination below kNegativeDiscrimination;
//   "distractor-above-key": one wrong answer given more often than all right answers;
//   "unchosen-distractor": an option of a choice row (the answers right in some question of
//   the same study file for rows of that kind) that nobody chose, once the wrong answers are
//   enough to give every option kMinExpected of them if they fell evenly.

#include "ClassData.h"

#include <vector>

namespace orvik3::school {

inline constexpr int kMinStudents = 20;
inline constexpr double kNegativeDiscrimination = -0.1;
inline constexpr int kMinExpected = 5;

// The figures of every row from the students' first tries.
std::vector<RowFigures> rowFigures(const std::vector<StudentRecord> &students);
// The statistics and flags of every question from its rows' figures, by type and question.
std::vector<ItemStats> analyseItems(std::vector<RowFigures> rows);
inline std::vector<ItemStats> analyseItems(const std::vector<StudentRecord> &students) { return analyseItems(rowFigures(students)); }

// Pearson's correlation of two equally long series; empty when either is constant or
// fewer than three pairs.
std::optional<double> correlation(const std::vector<double> &x, const std::vector<double> &y);

} // namespace orvik3::school
