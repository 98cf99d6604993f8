#include "statistics/ReadinessView.h"

#include "charts/ChartViews.h"
#include "statistics/ChartLoader.h"

#include <Readiness.h>
#include <SkillMemory.h>

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace orvik3::trainer {

ReadinessView::ReadinessView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("readiness"));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("readinessSummary"));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("chartProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    column->addWidget(m_summary);
    column->addWidget(m_problem);
    column->addLayout(new QHBoxLayout);
}

QString ReadinessView::problem() const { return m_problem->isHidden() ? QString() : m_problem->text(); }

void ReadinessView::show(const practice::SkillMemory &memory, qint64 now, qint64 exam, Language language)
{
    const QLocale locale(language == Language::German ? QLocale::German : QLocale::English);
    const QDate examDay = QDateTime::fromMSecsSinceEpoch(exam).date();
    const practice::Readiness readiness = practice::readinessAt(memory, exam);
    m_summary->setText(tr("Ready for the exam on %1: %2% of the skills right, if you stop practising today.")
                           .arg(locale.toString(examDay, QLocale::ShortFormat))
                           .arg(qRound(readiness.overall * 100)));
    qDeleteAll(m_charts);
    m_charts.clear();
    QString error;
    ChartViews *views = ChartLoader::views(&error);
    m_problem->setText(error);
    m_problem->setHidden(views != nullptr);
    if (!views)
        return;

    BarChartData ready;
    ready.title = tr("Readiness at the exam");
    ready.valueAxis = QStringLiteral("%");
    ready.maximum = 100;
    for (const practice::FamilyReadiness &f : readiness.families) {
        ready.categories << familyName(f.family, language);
        ready.values << f.share * 100;
    }
    ready.categories << tr("Overall");
    ready.values << readiness.overall * 100;

    BarChartData forecast;
    forecast.title = tr("Reviews due in the next two weeks");
    forecast.valueAxis = tr("reviews");
    const QDate today = QDateTime::fromMSecsSinceEpoch(now).date();
    const std::vector<int> perDay = practice::reviewForecast(memory, today.startOfDay().toMSecsSinceEpoch());
    for (std::size_t d = 0; d < perDay.size(); ++d) {
        forecast.categories << locale.toString(today.addDays(qint64(d)), QStringLiteral("d.M."));
        forecast.values << perDay[d];
    }
    auto *row = static_cast<QHBoxLayout *>(layout()->itemAt(2)->layout());
    for (const BarChartData &data : {ready, forecast}) {
        QWidget *chart = views->barChart(data, this);
        chart->setObjectName(m_charts.isEmpty() ? QStringLiteral("readinessChart") : QStringLiteral("forecastChart"));
        row->addWidget(chart, 1);
        m_charts << chart;
    }
}

} // namespace orvik3::trainer
