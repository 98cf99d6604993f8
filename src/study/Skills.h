#pragma once

#include <orvik3/ExerciseCatalog.h>
#include <orvik3/HoldingAnswer.h>
#include <orvik3/orvik3_export.h>

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <span>
#include <vector>

namespace orvik3 {

// The hand of a holding pattern (right-hand: standard turns). Only holding entry skills
// depend on it and on the entry.
enum class PatternHand { None, Right, Left };

// One skill the exercises train: what a trainee must be able to do to get one kind of answer
// row right. Types that ask the same thing share the skill (a parallel entry is the same
// skill in all three holding types), so that practice on one counts for all of them.
struct Skill {
    const char *id;   // stable key for logs and files: "holding.entry.parallel.left"
    const char *name; // English; translate with QCoreApplication::translate("orvik3::Skill", name)
    Family family;
    RowKind row;
    quint16 types;    // bit t set: exercise type t trains it
    std::optional<HoldingEntry> entry;
    PatternHand hand = PatternHand::None;

    bool trainedBy(qint16 type) const { return type >= 1 && type <= 14 && (types >> type & 1u); }
    // Holding entry skills: a question trains them only in that entry and hand.
    bool needsSituation() const { return entry.has_value(); }
};

// What a row's question held beyond its type: the holding's entry (from the solver) and hand.
struct RowSituation {
    std::optional<HoldingEntry> entry;
    PatternHand hand = PatternHand::None;
};

// Every skill, in a fixed order (families in turn, the rows of a panel in order); a skill's
// place in it is its index.
ORVIK3_EXPORT std::span<const Skill> skills();
// The skill of that id, or nullptr.
ORVIK3_EXPORT const Skill *skillById(QStringView id);
// The index of a skill of skills(), or -1 for any other pointer.
ORVIK3_EXPORT int skillIndex(const Skill *skill);
// The skill a judged row reviews: nullptr for a type or row outside the catalogue and for a
// holding entry row whose entry or hand is unknown.
ORVIK3_EXPORT const Skill *skillOfRow(qint16 type, RowKind row, const RowSituation &situation = {});
// The skills one question of the type reviews, one per answer row in order.
ORVIK3_EXPORT std::vector<const Skill *> skillsOfQuestion(qint16 type, const RowSituation &situation = {});
// The types that train the skill, ascending.
ORVIK3_EXPORT std::vector<qint16> typesTraining(const Skill &skill);
// The holding solver's entry word ("direct", "parallel", "offset", any letter case), or none.
ORVIK3_EXPORT std::optional<HoldingEntry> holdingEntryFromWord(QStringView word);

} // namespace orvik3
