#pragma once

#include "ClassStore.h"

namespace orvik3::school {

// A shared folder (a network share or a synced folder) of snapshots, one file per student
// named by the pseudonym. A snapshot is a whole copy of the student's review log, written to
// a temporary name in the folder, synced and renamed over the last one: a reader sees the
// old snapshot or the new one, never half of one.
class SnapshotFolder : public ClassStore
{
public:
    explicit SnapshotFolder(const QString &folder) : m_folder(folder) {}

    QString name() const override { return m_folder; }
    bool publish(practice::ReviewLog &log, const QString &pseudonym, QString *error) override;
    bool withdraw(const QString &pseudonym, int *removed, QString *error) override;
    // Reads the snapshots on up to four threads, each with its own connections.
    bool read(ClassRecords &records, QString *error) override;

private:
    QString m_folder;
};

} // namespace orvik3::school
