#pragma once

#include "practice/LearningSession.h"
#include "practice/PracticeFlow.h"

#include <PracticePlanner.h>

#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace orvik3::trainer {

class PracticeMemory;

// "Heute üben": a set of the skills due now, planned from the trainee's memory of every skill
// (interleaved across families, a few new skills at a time), each question made fresh for
// its skill in a private installation. The answers count in the review log only. At the end
// it says when the skills of the set come back.
class TodayPractice : public PracticeFlow
{
    Q_DECLARE_TR_FUNCTIONS(TodayPractice)
public:
    TodayPractice(PracticeMemory &memory, quint64 seed);

    bool begin(Practice &practice, QString *error) override;
    void closed(Practice &practice, int question, bool answered, bool right) override;
    bool ends(Practice &practice) override;
    void languageChanged(Practice &practice) override;
    void stop(Practice &practice) override;
    bool countsInStatistics() const override { return false; }
    QString statusLine() const override;
    // "seed S": the generator's seed of the question.
    QString questionName(int type, int question) const override;

    const std::vector<practice::PlannedQuestion> &plan() const { return m_plan; }
    // The set's progress, question by question (the panel sees one question at a time).
    const LearningSession &progress() const { return m_progress; }
    // After the set: when its skills come back.
    const QString &comebackText() const { return m_comeback; }

    // "tomorrow", "in 3 days", ... from `now` to `at`, by calendar days.
    static QString whenText(qint64 now, qint64 at);

private:
    bool show(Practice &practice, QString *error);

    PracticeMemory &m_memory;
    quint64 m_seed;
    std::vector<practice::PlannedQuestion> m_plan;
    std::size_t m_at = 0; // the question on display
    LearningSession m_progress;
    QTemporaryDir m_dir;
    QString m_fixedBase;
    QString m_comeback;
};

} // namespace orvik3::trainer
