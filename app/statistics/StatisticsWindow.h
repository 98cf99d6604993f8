#pragma once

#include "ExerciseCatalog.h"
#include "statistics/StatisticsData.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

namespace orvik3 {
class SettingsStore;
}
namespace orvik3::practice {
class SkillMemory;
}

namespace orvik3::trainer {

class ReadinessView;
class StatisticsChart;

// Attempts, wrong answers and the rate of right answers per question of one exercise, with
// the totals, and a way to start that exercise's counting afresh.
class StatisticsWindow : public QDialog
{
    Q_OBJECT
public:
    // `prefix` is shown first; `questionCount` is the number of questions of its loaded
    // study file (-1 when none is loaded, then the store decides).
    StatisticsWindow(SettingsStore &store, const QString &prefix, int questionCount, Language language,
                     QWidget *parent = nullptr);

    const ExerciseStats &shown() const { return m_stats; }
    QString prefix() const;
    // Clears the counters of the shown exercise without asking.
    void resetShown();
    // The trainee asked to practise the weakest questions of the shown exercise.
    bool practiseWanted() const { return m_practise; }
    // The score of endless practice, shown under the chart; empty: nothing shown.
    void setEndlessSummary(const QString &text);
    // The readiness at the exam and the forecast of reviews, from the review log.
    void setPractice(const practice::SkillMemory &memory, qint64 now, qint64 exam);
    ReadinessView *readiness() const { return m_readiness; }

private:
    void refresh();
    void askReset();

    SettingsStore &m_store;
    QString m_loadedPrefix;
    int m_loadedCount;
    Language m_language;
    QComboBox *m_choice;
    StatisticsChart *m_chart;
    QLabel *m_totals;
    QLabel *m_endless;
    ReadinessView *m_readiness = nullptr;
    QPushButton *m_reset;
    QPushButton *m_practiseButton = nullptr;
    bool m_practise = false;
    ExerciseStats m_stats;
};

} // namespace orvik3::trainer
