#pragma once

#include "StudentRecord.h"

#include <QString>

#include <span>
#include <variant>

namespace orvik3::school {

// The sums a snapshot carries for its readers (reviews per skill and per day, the first try
// of every row, the malformed reviews left out), made by SQLite when the snapshot is
// published, so that a report of many snapshots reads a few hundred rows of each. A snapshot
// without them is summed up by its reader with the same statements.
struct SummaryTable {
    const char *name;
    const char *select;
};
std::span<const SummaryTable> summaryTables();

// One snapshot's sums, opened read-only; a problem when it is no snapshot of ours or not
// whole. Rows that make no sense (an unknown skill, outcome or type) are left out and named
// in `skipped`. Safe to call from several threads at once.
struct SnapshotSummary {
    StudentRecord student;
    std::map<qint64, int> days;
    QString skipped; // what was left out, empty when nothing
};
std::variant<SnapshotSummary, SourceProblem> readSnapshot(const QString &path);

} // namespace orvik3::school
