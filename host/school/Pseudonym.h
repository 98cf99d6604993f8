#pragma once

#include <QString>

namespace orvik3::school {

// A name a student chooses for the class: the only thing that tells students apart there.
// It names a snapshot file too, so it holds no path characters: 1 to 40 letters, digits,
// blanks, '-', '_' and '.', not starting with a dot or a blank. Empty when fine, else why not.
QString pseudonymProblem(const QString &pseudonym);

// The snapshot file of a pseudonym in a class folder.
QString snapshotFileName(const QString &pseudonym);
inline constexpr char kSnapshotSuffix[] = ".class.sqlite";

} // namespace orvik3::school
