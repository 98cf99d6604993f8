#include "practice/EndlessScore.h"

#include <QStringList>

namespace orvik3::trainer {

void EndlessScore::record(Family family, bool right)
{
    Count &f = m_families[int(family)];
    for (Count *c : {&m_total, &f}) {
        ++c->answered;
        c->right += right ? 1 : 0;
    }
    m_streak = right ? m_streak + 1 : 0;
    m_best = std::max(m_best, m_streak);
}

QString EndlessScore::line() const
{
    return tr("Streak %1 (best %2) · %3 of %4 right (%5 %)")
        .arg(m_streak)
        .arg(m_best)
        .arg(m_total.right)
        .arg(m_total.answered)
        .arg(percent(m_total));
}

QString EndlessScore::familyLines(Language language) const
{
    QStringList lines{tr("Endless practice: %1").arg(line())};
    for (const Family f : families()) {
        const Count c = of(f);
        if (c.answered > 0)
            lines << tr("%1: %2 of %3 right (%4 %)").arg(familyName(f, language)).arg(c.right).arg(c.answered).arg(percent(c));
    }
    return lines.join(u'\n');
}

QString EndlessScore::save() const
{
    QStringList parts{QString::number(m_streak), QString::number(m_best), QString::number(m_total.answered),
                      QString::number(m_total.right)};
    for (auto it = m_families.cbegin(); it != m_families.cend(); ++it)
        parts << QStringLiteral("%1:%2:%3").arg(it.key()).arg(it.value().answered).arg(it.value().right);
    return parts.join(u';');
}

void EndlessScore::load(const QString &text)
{
    *this = EndlessScore();
    const QStringList parts = text.split(u';');
    if (parts.size() < 4)
        return;
    bool ok[4] = {};
    const int streak = parts[0].toInt(&ok[0]), best = parts[1].toInt(&ok[1]), answered = parts[2].toInt(&ok[2]),
              right = parts[3].toInt(&ok[3]);
    // A score that cannot be true is dropped whole rather than shown half.
    if (!(ok[0] && ok[1] && ok[2] && ok[3]) || streak < 0 || best < streak || right < 0 || right > answered)
        return;
    m_streak = streak;
    m_best = best;
    m_total = {answered, right};
    for (qsizetype i = 4; i < parts.size(); ++i) {
        const QStringList f = parts[i].split(u':');
        const int family = f.value(0).toInt(), a = f.value(1).toInt(), r = f.value(2).toInt();
        if (f.size() == 3 && family >= 0 && family <= int(Family::Wind) && r >= 0 && r <= a)
            m_families.insert(family, {a, r});
    }
}

} // namespace orvik3::trainer
