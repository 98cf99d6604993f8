#include "SkillWish.h"

namespace orvik3::study {

std::optional<QStringList> wishForSkill(qint16 type, const Skill &skill, QString *error)
{
    if (!skill.trainedBy(type)) {
        *error = QStringLiteral("exercise type %1 does not train %2").arg(type).arg(QLatin1String(skill.id));
        return std::nullopt;
    }
    QStringList wish;
    if (skill.entry) {
        switch (*skill.entry) {
        case HoldingEntry::Direct: wish << QStringLiteral("direct"); break;
        case HoldingEntry::Parallel: wish << QStringLiteral("parallel"); break;
        case HoldingEntry::Offset: wish << QStringLiteral("offset"); break;
        }
    }
    if (skill.hand != PatternHand::None)
        wish << (skill.hand == PatternHand::Left ? QStringLiteral("left-hand") : QStringLiteral("right-hand"));
    return wish;
}

RowSituation rowSituationOf(const QStringList &kinds)
{
    RowSituation s;
    for (const QString &k : kinds) {
        if (const std::optional<HoldingEntry> e = holdingEntryFromWord(k))
            s.entry = e;
        else if (k == QLatin1String("left-hand"))
            s.hand = PatternHand::Left;
        else if (k == QLatin1String("right-hand"))
            s.hand = PatternHand::Right;
    }
    return s;
}

} // namespace orvik3::study
