#pragma once

#include "ExerciseCatalog.h"

#include <QString>

namespace orvik3::trainer {

// What the trainer says when an exercise has no questions to show. The control itself stays
// silent about a missing or empty study file (it shows an empty count), so the window names
// the file and the reason.
enum class StudyFileState { Usable, Missing, Unreadable, Empty, NoQuestions };

struct StudyFileCheck {
    StudyFileState state = StudyFileState::Usable;
    QString fileName; // the study file the control reads for the type and language
    QString path;
    QString reason; // with Unreadable: what the reader said (file and why)

    bool usable() const { return state == StudyFileState::Usable; }
    // A sentence for the view and the status bar, in the current language; empty when usable.
    QString message() const;
};

// Looks at the study file the control reads for `type` in `language` below `basePath`.
// A type outside 1..14 is reported as Missing with an empty file name.
StudyFileCheck checkStudyFile(const QString &basePath, int type, Language language);

} // namespace orvik3::trainer
