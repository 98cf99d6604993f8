#pragma once

// Between the skill catalogue and the generator's kinds of situation: which kind words make a
// situation exercise a wanted skill, and which skills a situation's rows review.

#include <orvik3/Skills.h>

#include <QString>
#include <QStringList>

#include <optional>

namespace orvik3::study {

// The kind words a situation of `type` must have to exercise `skill` (none for a skill every
// situation of the type exercises); empty with *error when the type does not train it.
std::optional<QStringList> wishForSkill(qint16 type, const Skill &skill, QString *error);

// The holding entry and hand of a situation, from its kind words.
RowSituation rowSituationOf(const QStringList &kinds);

} // namespace orvik3::study
