#pragma once

#include "practice/LearningSession.h"
#include "statistics/StatisticsData.h"

#include <QWidget>

#include <functional>

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
    // `brief`: a short line on the situation of each question of the study file.
    void show(const LearningSession &session, const QString &exerciseName, const ExerciseStats &stats,
              const std::function<QString(int)> &brief = {});
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
    QLabel *m_mistakesSaid; // which questions "Only my mistakes" takes, and why
    QPushButton *m_again;
    QPushButton *m_mistakes;
    QPushButton *m_next;
};

} // namespace orvik3::trainer
