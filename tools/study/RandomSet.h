#pragma once

// Fresh practice situations: a seeded set of questions of one exercise type, each drawn at
// random within realistic values, kept only when the generator finds a clear-cut answer and
// every teaching rule holds, and written as a complete installation (the type's study file
// in the chosen language and one session per question). The same request gives the same
// bytes on every machine.

#include "Generator.h"
#include "InstallationWriter.h"
#include "SkillWish.h"
#include "study/StudyLayout.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvik3::study {

inline constexpr int kMaxRandomQuestions = 301; // the panel loads no more

struct RandomRequest {
    qint16 type = 0;
    int count = 24;
    quint64 seed = 0;
    Language language = Language::German;
    // Kinds of situation wanted, one per question in turn (cycled); each a set of kind words
    // (see situationKinds) that the question must all have. Empty: any situation.
    std::vector<QStringList> wishes;
    QString powerTips; // a file copied to the installation's pwr.rtf; empty: none
    // Skills wanted, one per question in turn (cycled), added to its wish; nullptr: any.
    std::vector<const Skill *> skills;
};

struct RandomSet {
    Generated files;                 // study file, sessions (and pwr.rtf), in a fixed order
    QString studyFile;               // its name below default/study/
    std::vector<QStringList> kinds;  // the kind words of each question, in order
};

// The kind words the type's situations carry, for wishes: the holding entry and side, the
// QDM/QDR first turn, the wind's crosswind side and head or tail wind, the arc's direction.
// Empty for types whose situations come in no kinds.
QStringList situationKinds(qint16 type);

// The kind words of one situation of the type (given as scenario values), when its answer
// is clear-cut.
QStringList kindsOf(qint16 type, const Situation &situation);

// The set, or empty with *error: a bad request, a wish no situation meets, an unreadable
// power-tips file.
std::optional<RandomSet> randomSet(const RandomRequest &request, QString *error);

// Files written below outDir without the per-file flush of writeGenerated(): for throwaway
// practice installations.
bool writePracticeFiles(const Generated &generated, const QString &outDir, QString *error);

// randomSet() written below outDir by writePracticeFiles().
bool writeRandomSet(const RandomRequest &request, const QString &outDir, QString *error);

} // namespace orvik3::study
