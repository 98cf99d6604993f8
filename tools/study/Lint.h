#pragma once

// Checks a study file the way the control will read and judge it: where loading stops, how
// many questions load, missing question texts, and every stored answer that the trainee can
// never get right or that the control cannot show. Each finding names the line of the value.

#include "study/StudyLayout.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orvik3::study {

struct Finding {
    QString file;
    int line = 0;
    QString message;
    QString toString() const; // "file:line: message"
};

// Past this many findings a file is not worth reading line by line; the rest are counted.
inline constexpr int kMaxFindings = 100;

struct LintReport {
    int records = 0; // questions the control loads
    std::vector<Finding> findings; // by line, at most kMaxFindings; control characters escaped
    int unshown = 0;               // findings past kMaxFindings
};

struct LintOptions {
    qint16 type = 0;                   // 0: by the file name
    std::optional<Language> language;  // empty: by the file name
    // The installation holding default/sessions/; empty: the folder above default/study/
    // when the file lies there, otherwise sessions are not checked.
    QString base;
};

// Lints bytes already read. displayName labels the findings; sessionBase empty skips the
// session check.
LintReport lintStudyData(const QByteArray &bytes, const QString &displayName, qint16 type, Language language,
                         const QString &sessionBase);

// The installation a study file belongs to: the folder holding its default/study/, or empty.
QString installationOf(const QString &path);

// A study file read for checking, with its type, language and installation settled by the
// options or, where they say nothing, by its name and place.
struct StudyFileInput {
    QByteArray bytes;
    qint16 type = 0;
    Language language = Language::German;
    QString base;
};
std::optional<StudyFileInput> readStudyFileInput(const QString &path, const LintOptions &options, QString *error);

// Reads and lints one file. Empty with *error set when the file cannot be read or its type
// cannot be told from its name.
std::optional<LintReport> lintStudyFile(const QString &path, const LintOptions &options, QString *error);

} // namespace orvik3::study
