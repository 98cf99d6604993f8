#pragma once

// Fresh practice sets for the trainer, through a header of its own that needs nothing private
// of the core library: a set of one exercise type written as a complete installation.

#include <orvik3/Skills.h>

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvik3::study {

struct PracticeRequest {
    qint16 type = 0;
    int count = 10;
    quint64 seed = 0;
    bool german = true;
    // Kinds of situation wanted, one per question in turn (see practiceKinds).
    std::vector<QStringList> wishes;
    // Skills wanted, one per question in turn: each question made to exercise its skill.
    std::vector<const Skill *> skills;
};

// Writes the set below `outDir` and gives the kind words of each question, or nothing with
// *error.
std::optional<std::vector<QStringList>> writePracticeSet(const PracticeRequest &request, const QString &outDir,
                                                         QString *error);

// The kind words the type's situations carry, for wishes.
QStringList practiceKinds(qint16 type);

} // namespace orvik3::study
