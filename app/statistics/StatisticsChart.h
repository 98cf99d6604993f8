#pragma once

#include "statistics/StatisticsData.h"

#include <QWidget>

namespace orvik3::trainer {

// Bars of attempts and wrong answers per question, and the rate of right answers as a line
// on a percent scale on the right, painted directly.
class StatisticsChart : public QWidget
{
    Q_OBJECT
public:
    explicit StatisticsChart(QWidget *parent = nullptr);
    void show(const ExerciseStats &stats, bool german);

    // The points of the rate line: (question index, percent right) for the questions tried at
    // least once. A question never tried has no rate; drawing it as 0 % would read as failed.
    static QList<QPointF> ratePoints(const ExerciseStats &stats);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ExerciseStats m_stats;
};

} // namespace orvik3::trainer
