#pragma once

#include "StatisticsData.h"

#include <QtCharts/QChartView>

namespace orvik3::trainer {

// Bars of attempts and wrong answers per question, and the rate of right answers as a line
// on a percent axis.
class StatisticsChart : public QChartView
{
    Q_OBJECT
public:
    explicit StatisticsChart(QWidget *parent = nullptr);
    void show(const ExerciseStats &stats, bool german);
};

} // namespace orvik3::trainer
