#include "statistics/StatisticsChart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace orvik3::trainer {

namespace {

const QColor kAttempts(0x3b, 0x7d, 0xc4);
const QColor kWrong(0xd6, 0x4b, 0x3c);
const QColor kRate(0x1e, 0x9e, 0x4a);

} // namespace

StatisticsChart::StatisticsChart(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(560, 320);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void StatisticsChart::show(const ExerciseStats &stats, bool)
{
    m_stats = stats;
    update();
}

QList<QPointF> StatisticsChart::ratePoints(const ExerciseStats &stats)
{
    QList<QPointF> points;
    for (const QuestionStats &q : stats.questions)
        if (q.attempts > 0)
            points.append(QPointF(q.question, q.rightPercent()));
    return points;
}

void StatisticsChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int line = fm.height();
    // The plot between a count scale on the left, a percent scale on the right, the question
    // numbers and the legend below.
    const QRectF plot(fm.horizontalAdvance(QStringLiteral("0000")) + 8, line, width() - 2 * fm.horizontalAdvance(QStringLiteral("100%")) - 16,
                      height() - 4 * line - 8);
    double top = 1.0;
    for (const QuestionStats &q : m_stats.questions)
        top = std::max(top, q.attempts);
    top = std::ceil(top);
    const int n = std::max<int>(1, int(m_stats.questions.size()));
    const double slot = plot.width() / n;
    auto y = [&](double value, double full) { return plot.bottom() - value / full * plot.height(); };

    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(plot);
    p.setPen(palette().color(QPalette::WindowText));
    const int ticks = std::min(int(top), 5);
    for (int k = 0; k <= ticks; ++k) {
        const double value = top * k / ticks;
        p.drawText(QRectF(0, y(value, top) - line / 2.0, plot.left() - 4, line), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(std::lround(value)));
        p.drawText(QRectF(plot.right() + 4, y(25.0 * k * 4 / ticks, 100) - line / 2.0, width() - plot.right(), line),
                   Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("%1%").arg(std::lround(100.0 * k / ticks)));
    }
    const int every = std::max(1, int(std::ceil(fm.horizontalAdvance(QStringLiteral("000 ")) / slot)));
    for (int i = 0; i < int(m_stats.questions.size()); ++i) {
        const QuestionStats &q = m_stats.questions[std::size_t(i)];
        const double left = plot.left() + i * slot + slot * 0.1, bar = slot * 0.4;
        p.fillRect(QRectF(left, y(q.attempts, top), bar, plot.bottom() - y(q.attempts, top)), kAttempts);
        p.fillRect(QRectF(left + bar, y(q.wrong, top), bar, plot.bottom() - y(q.wrong, top)), kWrong);
        if (i % every == 0)
            p.drawText(QRectF(plot.left() + (i + 0.5) * slot - slot * every / 2.0, plot.bottom() + 2, slot * every, line),
                       Qt::AlignHCenter, QString::number(q.question + 1));
    }
    QPainterPath rate;
    for (const QPointF &pt : ratePoints(m_stats)) {
        const QPointF at(plot.left() + (pt.x() + 0.5) * slot, y(pt.y(), 100));
        rate.elementCount() == 0 ? rate.moveTo(at) : rate.lineTo(at);
        p.setBrush(kRate);
        p.setPen(Qt::NoPen);
        p.drawEllipse(at, 3, 3);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRate, 2.5));
    p.drawPath(rate);

    // Legend: the axis below, then the three series.
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(plot.left(), plot.bottom() + line + 2, plot.width(), line), Qt::AlignHCenter, tr("Question"));
    double x = plot.left();
    const double legendY = plot.bottom() + 2 * line + 6;
    for (const auto &[colour, text] : {std::pair{kAttempts, tr("Attempts")}, {kWrong, tr("Wrong")}, {kRate, tr("Right %")}}) {
        p.fillRect(QRectF(x, legendY + line / 4.0, line, line / 2.0), colour);
        p.drawText(QPointF(x + line + 4, legendY + fm.ascent()), text);
        x += line + 16 + fm.horizontalAdvance(text);
    }
}

} // namespace orvik3::trainer
