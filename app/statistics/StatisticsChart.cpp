#include "statistics/StatisticsChart.h"

#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QBarSeries>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

StatisticsChart::StatisticsChart(QWidget *parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(560, 320);
}

void StatisticsChart::show(const ExerciseStats &stats, bool)
{
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);

    auto *attempts = new QBarSet(tr("Attempts"));
    auto *wrong = new QBarSet(tr("Wrong"));
    attempts->setColor(QColor(0x3b, 0x7d, 0xc4));
    wrong->setColor(QColor(0xd6, 0x4b, 0x3c));
    auto *rate = new QLineSeries;
    rate->setName(tr("Right %"));
    rate->setPen(QPen(QColor(0x1e, 0x9e, 0x4a), 2.5));
    rate->setPointsVisible(true);

    QStringList categories;
    double top = 1.0;
    for (const QuestionStats &q : stats.questions) {
        categories << QString::number(q.question + 1);
        *attempts << q.attempts;
        *wrong << q.wrong;
        top = std::max(top, q.attempts);
    }
    rate->append(ratePoints(stats));
    auto *bars = new QBarSeries;
    bars->append(attempts);
    bars->append(wrong);
    chart->addSeries(bars);
    chart->addSeries(rate);

    auto *questions = new QBarCategoryAxis;
    questions->append(categories);
    questions->setTitleText(tr("Question"));
    auto *counts = new QValueAxis;
    counts->setRange(0, std::ceil(top));
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setTickCount(std::min(int(std::ceil(top)) + 1, 6));
    auto *percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setLabelFormat(QStringLiteral("%d%%"));
    chart->addAxis(questions, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    chart->addAxis(percent, Qt::AlignRight);
    bars->attachAxis(questions);
    bars->attachAxis(counts);
    rate->attachAxis(questions);
    rate->attachAxis(percent);

    QChart *old = this->chart();
    setChart(chart);
    delete old;
}

QList<QPointF> StatisticsChart::ratePoints(const ExerciseStats &stats)
{
    QList<QPointF> points;
    for (const QuestionStats &q : stats.questions)
        if (q.attempts > 0)
            points.append(QPointF(q.question, q.rightPercent()));
    return points;
}

} // namespace orvik3::trainer
