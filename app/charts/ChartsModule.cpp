#include "charts/ChartsModule.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

QWidget *ChartsModule::barChart(const BarChartData &data, QWidget *parent)
{
    auto *set = new QBarSet(data.title);
    const double scale = std::pow(10.0, data.decimals);
    for (double v : data.values)
        *set << std::round(v * scale) / scale;
    set->setColor(QColor(40, 110, 180));
    auto *series = new QBarSeries;
    series->append(set);
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    series->setLabelsPrecision(6);
    series->setLabelsFormat(QStringLiteral("@value"));

    auto *chart = new QChart;
    chart->addSeries(series);
    chart->setTitle(data.title);
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *categories = new QBarCategoryAxis;
    categories->append(data.categories);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto *values = new QValueAxis;
    const double highest = data.values.isEmpty() ? 1 : *std::max_element(data.values.begin(), data.values.end());
    // Room above the highest bar for its label.
    values->setRange(0, data.maximum > 0 ? data.maximum : std::max(1.0, std::ceil(highest * 1.2)));
    values->setLabelFormat(QStringLiteral("%.0f"));
    values->setTitleText(data.valueAxis);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    auto *view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);
    return view;
}

} // namespace orvik3::trainer
