#pragma once

// The teaching rules applied to a study file written by hand, with what the file stores and
// what its sessions show: holding headings on a sector line, interception turns that depend
// on the intercept angle, positions the instrument cannot show, wind figures the panel's
// band refuses, unrealistic figures. They are warnings: the control can judge these
// questions, but a trainee may be marked wrong for a sound answer.

#include "Lint.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orvik3::study {

struct TeachingWarning {
    QString file;
    int line = 0;     // the question's first line
    int question = 0; // 1-based, as the panel counts
    QString reason;
    QString toString() const; // "file:line: warning: question N: reason"
};

// sessionBase: the installation holding default/sessions/; empty: only what the study file
// itself holds is checked (holding headings, interception turns).
std::vector<TeachingWarning> teachingWarnings(const QByteArray &bytes, const QString &displayName, qint16 type,
                                              Language language, const QString &sessionBase);

// Reads one file, its type, language and installation found as lintStudyFile() finds them.
std::optional<std::vector<TeachingWarning>> teachingLintFile(const QString &path, const LintOptions &options,
                                                              QString *error);

} // namespace orvik3::study
