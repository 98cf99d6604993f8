#include "practice/EndlessSets.h"

#include "PracticeSet.h"

#include <QDir>

namespace orvik3::trainer {

EndlessSets::EndlessSets(int type, bool weakestFirst, quint64 firstSeed)
    : m_type(type), m_weakestFirst(weakestFirst), m_seed(firstSeed)
{
}

bool EndlessSets::makeSet(int type, Language language, std::vector<QStringList> wishes, QString *error)
{
    if (!m_dir.isValid()) {
        *error = m_dir.errorString();
        return false;
    }
    // A folder per set: the panel reads the new files, never a mix with the last set's.
    const QString base = m_dir.filePath(QStringLiteral("set-%1").arg(m_set + 1));
    const std::optional<std::vector<QStringList>> kinds = study::writePracticeSet(
        {qint16(type), kSetSize, m_seed + quint64(m_set), language == Language::German, wishes, {}}, base, error);
    if (!kinds)
        return false;
    if (!m_base.isEmpty())
        QDir(m_base).removeRecursively();
    ++m_set;
    m_type = type;
    m_base = base;
    m_kinds = *kinds;
    m_wishes = std::move(wishes);
    m_counted.clear();
    return true;
}

QString EndlessSets::kindName(const QString &kind)
{
    static const struct {
        const char *word;
        const char *text;
    } names[] = {
        {"direct", QT_TR_NOOP("direct entry")},
        {"parallel", QT_TR_NOOP("parallel entry")},
        {"offset", QT_TR_NOOP("offset entry")},
        {"right-hand", QT_TR_NOOP("right-hand pattern")},
        {"left-hand", QT_TR_NOOP("left-hand pattern")},
        {"left", QT_TR_NOOP("intercept turning left")},
        {"right", QT_TR_NOOP("intercept turning right")},
        {"crosswind-left", QT_TR_NOOP("crosswind from the left")},
        {"crosswind-right", QT_TR_NOOP("crosswind from the right")},
        {"headwind", QT_TR_NOOP("headwind")},
        {"tailwind", QT_TR_NOOP("tailwind")},
    };
    for (const auto &n : names)
        if (kind == QLatin1String(n.word))
            return tr(n.text);
    return kind;
}

QStringList EndlessSets::kindsOf(int question) const
{
    return question >= 0 && question < int(m_kinds.size()) ? m_kinds[std::size_t(question)] : QStringList();
}

bool EndlessSets::firstClosing(int question)
{
    if (m_counted.contains(question))
        return false;
    m_counted.insert(question);
    return true;
}

} // namespace orvik3::trainer
