#pragma once

#include "StudentRecord.h"

#include <QString>

#include <variant>

namespace orvik3::school {

// One snapshot summed up by SQLite itself (reviews per skill and per day, the first try of
// every row), opened read-only; a problem when it is no snapshot of ours or not whole. Rows
// that make no sense (an unknown skill, outcome or type) are left out and counted in
// *skipped. Safe to call from several threads at once.
struct SnapshotSummary {
    StudentRecord student;
    std::map<qint64, int> days;
    QString skipped; // what was left out, empty when nothing
};
std::variant<SnapshotSummary, SourceProblem> readSnapshot(const QString &path);

} // namespace orvik3::school
