#pragma once

#include "ExerciseCatalog.h"

#include <QCoreApplication>
#include <QMap>
#include <QString>

namespace orvik3::trainer {

// The score of endless practice, kept apart from the statistics of the study files: the run
// of right answers, the share right, and the same per family.
class EndlessScore
{
    Q_DECLARE_TR_FUNCTIONS(EndlessScore)
public:
    struct Count {
        int answered = 0;
        int right = 0;
    };

    void record(Family family, bool right);
    int streak() const { return m_streak; }
    int bestStreak() const { return m_best; }
    Count total() const { return m_total; }
    Count of(Family family) const { return m_families.value(int(family)); }
    // Whole per cent, rounded; 0 before the first answer.
    static int percent(Count c) { return c.answered ? (200 * c.right + c.answered) / (2 * c.answered) : 0; }

    // "Streak 3 (best 7) · 12 of 16 right (75 %)"
    QString line() const;
    // One line per family practised, under a heading.
    QString familyLines(Language language) const;

    QString save() const;
    void load(const QString &text);

private:
    int m_streak = 0, m_best = 0;
    Count m_total;
    QMap<int, Count> m_families;
};

} // namespace orvik3::trainer
