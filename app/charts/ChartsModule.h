#pragma once

#include "charts/ChartViews.h"

#include <QObject>

namespace orvik3::trainer {

// The chart views drawn with Qt Charts.
class ChartsModule : public QObject, public ChartViews
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ORVIK3_CHART_VIEWS_IID)
    Q_INTERFACES(orvik3::trainer::ChartViews)
public:
    QWidget *barChart(const BarChartData &data, QWidget *parent) override;
};

} // namespace orvik3::trainer
