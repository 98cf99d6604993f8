#pragma once

#include "ExerciseCatalog.h"

#include <QString>

namespace orvik3::trainer {

// What the trainer says when an exercise has no questions to show. The control itself stays
// silent about a missing or empty study file (it shows an empty count), so the window names
// the file and the reason.
enum class StudyFileState { Missing, Unreadable, Empty, NoQuestions };

struct StudyFileCheck {
    StudyFileState state = StudyFileState::NoQuestions;
    QString fileName; // the study file the control reads for the type and language
    QString path;
    QString reason; // with Unreadable: what the reader said (file and why)

    // A sentence for the view and the status bar, in the current language.
    QString message() const;
};

// Why the study file the control reads for `type` in `language` below `basePath` gave it no
// question: missing, unreadable, empty, or else none of its records complete. A type outside
// 1..14 is reported as Missing with an empty file name.
StudyFileCheck checkStudyFile(const QString &basePath, int type, Language language);

} // namespace orvik3::trainer
