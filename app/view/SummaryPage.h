#pragma once

#include "practice/LearningSession.h"
#include "statistics/StatisticsData.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace orvik3::trainer {

// The end of a set: each question right or wrong with its tries and time, the questions that
// the statistics call weakest, and the ways on.
class SummaryPage : public QWidget
{
    Q_OBJECT
public:
    explicit SummaryPage(QWidget *parent = nullptr);
    void show(const LearningSession &session, const QString &exerciseName, const ExerciseStats &stats);
    // A text in place of the weakest questions (today's practice: what comes back when).
    void setNote(const QString &note);

signals:
    void againWanted();
    void mistakesWanted();
    void nextExerciseWanted();

private:
    QLabel *m_heading;
    QTableWidget *m_table;
    QLabel *m_weakest;
    QPushButton *m_again;
    QPushButton *m_mistakes;
    QPushButton *m_next;
};

} // namespace orvik3::trainer
