#include "statistics/StatisticsWindow.h"

#include "statistics/ReadinessView.h"
#include "statistics/StatisticsChart.h"

#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace orvik3::trainer {

namespace {

// The plain names of the exercises that count under `prefix`.
QString prefixTitle(const QString &prefix, Language language)
{
    QStringList names;
    for (const ExerciseInfo &info : exerciseCatalog())
        if (statisticsPrefix(info.type) == prefix)
            names << info.name(language);
    return names.join(QStringLiteral(" / "));
}

} // namespace

StatisticsWindow::StatisticsWindow(SettingsStore &store, const QString &prefix, int questionCount, Language language,
                                   QWidget *parent)
    : QDialog(parent), m_store(store), m_loadedPrefix(prefix), m_loadedCount(questionCount), m_language(language)
{
    setWindowTitle(tr("Statistics"));
    m_choice = new QComboBox(this);
    for (const QString &p : statisticsPrefixes())
        m_choice->addItem(prefixTitle(p, language), p);
    m_choice->setCurrentIndex(std::max(0, m_choice->findData(prefix)));
    m_chart = new StatisticsChart(this);
    m_totals = new QLabel(this);
    m_totals->setTextFormat(Qt::PlainText);
    m_reset = new QPushButton(tr("Reset …"), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_choice);
    layout->addWidget(m_chart, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_totals, 1);
    bottom->addWidget(m_reset);
    m_practiseButton = new QPushButton(tr("Practise my mistakes"), this);
    m_practiseButton->setObjectName(QStringLiteral("practiseMistakes"));
    bottom->addWidget(m_practiseButton);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    m_endless = new QLabel(this);
    m_endless->setTextFormat(Qt::PlainText);
    m_endless->setObjectName(QStringLiteral("endlessScore"));
    m_endless->hide();
    layout->addWidget(m_endless);

    connect(m_choice, &QComboBox::currentIndexChanged, this, &StatisticsWindow::refresh);
    connect(m_reset, &QPushButton::clicked, this, &StatisticsWindow::askReset);
    connect(m_practiseButton, &QPushButton::clicked, this, [this] {
        m_practise = true;
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(760, 480);
    refresh();
}

QString StatisticsWindow::prefix() const { return m_choice->currentData().toString(); }

void StatisticsWindow::refresh()
{
    const QString p = prefix();
    m_stats = readStatistics(m_store, p, p == m_loadedPrefix ? m_loadedCount : -1);
    const bool de = m_language == Language::German;
    m_chart->show(m_stats, de);
    m_totals->setText(tr("Attempts: %1   Wrong: %2   Right: %3%")
                          .arg(m_stats.attempts)
                          .arg(m_stats.wrong)
                          .arg(std::lround(m_stats.rightPercent())));
}

void StatisticsWindow::resetShown()
{
    resetStatistics(m_store, prefix());
    refresh();
}

void StatisticsWindow::askReset()
{
    const QString question = tr("Clear all counters of “%1”?");
    if (QMessageBox::question(this, windowTitle(), question.arg(m_choice->currentText())) == QMessageBox::Yes) {
        try {
            resetShown();
        } catch (const std::exception &e) {
            QMessageBox box(QMessageBox::Warning, windowTitle(), Error::from(e).message(), QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText); // it quotes the store's file name
            box.exec();
        }
    }
}

void StatisticsWindow::setEndlessSummary(const QString &text)
{
    m_endless->setText(text);
    m_endless->setVisible(!text.isEmpty());
}

void StatisticsWindow::setPractice(const practice::SkillMemory &memory, qint64 now, qint64 exam)
{
    if (!m_readiness) {
        m_readiness = new ReadinessView(this);
        static_cast<QVBoxLayout *>(layout())->addWidget(m_readiness, 1);
        resize(width(), std::max(height(), 820));
    }
    m_readiness->show(memory, now, exam, m_language);
}

} // namespace orvik3::trainer
