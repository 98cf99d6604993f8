#pragma once

// What the trainer asks of its chart module. The module is linked to the chart library and
// loaded only when the statistics window first shows a chart, so that starting the trainer
// never loads that library (nor the OpenGL libraries it needs).

#include <QList>
#include <QString>
#include <QStringList>
#include <QtPlugin>

class QWidget;

namespace orvik3::trainer {

// A bar per category, with the value written above it.
struct BarChartData {
    QString title;
    QStringList categories;
    QList<double> values;
    QString valueAxis;    // what the values are ("%", "reviews")
    double maximum = 0;   // top of the value axis; 0: from the values
    int decimals = 0;     // of the values written above the bars
};

class ChartViews
{
public:
    virtual ~ChartViews() = default;
    // A new chart view of the data, owned by `parent`.
    virtual QWidget *barChart(const BarChartData &data, QWidget *parent) = 0;
};

} // namespace orvik3::trainer

#define ORVIK3_CHART_VIEWS_IID "org.orvik3.trainer.ChartViews/1"
Q_DECLARE_INTERFACE(orvik3::trainer::ChartViews, ORVIK3_CHART_VIEWS_IID)
