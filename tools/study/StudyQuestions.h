#pragma once

// The questions of an installation's study files as a simulated class meets them: every
// answer row with the skill it reviews, the answer that is true, the answers its study file
// marks right (its key) and plausible wrong answers.

#include <orvik3/Skills.h>

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvik3::study {

struct StudyRow {
    const Skill *skill = nullptr;
    QString truth;      // the answer that is right
    QStringList key;    // what the study file marks right
    QStringList wrong;  // wrong answers a student may give, the typical mistake first; never empty
};

struct StudyQuestion {
    qint16 type = 0;
    QString file;     // the type's study file name
    int number = 0;   // 1-based
    QString id;       // as the review log names it: "hsipos 7"
    std::vector<StudyRow> rows;
};

// Every question of the German study file of each of the fourteen types below `base`;
// empty with *error when a file cannot be read.
std::optional<std::vector<StudyQuestion>> studyQuestions(const QString &base, QString *error);

// Stores a wrong key for question `number` of `file` (a name as in the installation, any
// letter case): its first row's key becomes the row's typical mistake. False with
// *error when there is no such question.
bool misKey(std::vector<StudyQuestion> &questions, const QString &file, int number, QString *error);

} // namespace orvik3::study
