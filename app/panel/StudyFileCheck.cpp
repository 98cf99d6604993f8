#include "panel/StudyFileCheck.h"

#include <orvik3/BoundedFile.h>
#include <orvik3/ExerciseCatalog.h>
#include <orvik3/Paths.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvik3::trainer {

QString StudyFileCheck::message() const
{
    switch (state) {
    case StudyFileState::Missing:
        return QCoreApplication::translate("StudyFileCheck", "The study file %1 is missing, so this exercise has no questions.\n"
                                                    "Look for it in %2 or choose another installation.")
            .arg(fileName, QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
    case StudyFileState::Unreadable:
        return QCoreApplication::translate("StudyFileCheck", "The study file %1 cannot be read, so this exercise has no questions.")
                   .arg(fileName)
               + (reason.isEmpty() ? QString() : QStringLiteral("\n") + reason);
    case StudyFileState::Empty:
        return QCoreApplication::translate("StudyFileCheck", "The study file %1 is empty, so this exercise has no questions.")
            .arg(fileName);
    case StudyFileState::NoQuestions:
        return QCoreApplication::translate("StudyFileCheck", "The study file %1 holds no complete question.").arg(fileName);
    }
    return {};
}

StudyFileCheck checkStudyFile(const QString &basePath, int type, Language language)
{
    StudyFileCheck check;
    const ExerciseType *t = exerciseType(qint16(type));
    if (!t) {
        check.state = StudyFileState::Missing;
        return check;
    }
    check.fileName = QString::fromLatin1(language == Language::German ? t->germanFile : t->otherFile);
    // Found as the control finds it, whatever the letter case of the folders and the file.
    check.path = paths::resolve(basePath, {QStringLiteral("default"), QStringLiteral("study"), check.fileName});
    const QFileInfo info(check.path);
    // A link that leads nowhere (or round in a loop) is not missing: the reader says which.
    if (basePath.isEmpty() || (!info.exists() && !info.isSymLink())) {
        check.state = StudyFileState::Missing;
        return check;
    }
    // Read as the control reads it: a pipe, a device or an oversized file is refused at once.
    BoundedFile::Result file = BoundedFile::read(check.path, limits::kStudyFile);
    if (!file.ok()) {
        check.state = file.status == BoundedFile::Status::Missing ? StudyFileState::Missing : StudyFileState::Unreadable;
        check.reason = file.error;
        return check;
    }
    if (file.bytes.trimmed().isEmpty())
        check.state = StudyFileState::Empty;
    return check;
}

} // namespace orvik3::trainer
