#include "statistics/StatisticsSaving.h"

#include "statistics/QueuedStore.h"

#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace orvik3::trainer {

StatisticsSaving::StatisticsSaving(QueuedStore &store, QStatusBar &bar, QObject *parent)
    : QObject(parent), m_store(store), m_label(new QLabel(&bar))
{
    m_label->setObjectName(QStringLiteral("statisticsSaving"));
    m_label->hide();
    m_hide = new QTimer(m_label);
    m_hide->setSingleShot(true);
    m_hide->setInterval(5000);
    connect(m_hide, &QTimer::timeout, m_label, &QLabel::hide);
    // Beside the status bar's messages: the next question's file name must not hide it.
    bar.addPermanentWidget(m_label);
    connect(&store, &QueuedStore::waitingChanged, this, &StatisticsSaving::waitingChanged);
    // The window reports the failure; the note would only repeat the lock.
    connect(&store, &QueuedStore::failed, m_label, &QLabel::hide);
}

QString StatisticsSaving::note() const { return m_label->isHidden() ? QString() : m_label->text(); }

void StatisticsSaving::waitingChanged(int updates)
{
    if (updates > 0)
        m_label->setText(tr("Statistics wait for the lock %1, which another program holds; counts kept until it is free: %2.")
                             .arg(QDir::toNativeSeparators(m_store.lockFile()))
                             .arg(updates));
    else
        m_label->setText(tr("Statistics saved."));
    m_label->show();
    if (updates == 0)
        m_hide->start();
    else
        m_hide->stop();
}

QString StatisticsSaving::finish()
{
    if (m_store.waiting() == 0)
        return {};
    m_hide->stop();
    m_label->setText(tr("Saving the statistics: waiting for the lock %1 …").arg(QDir::toNativeSeparators(m_store.lockFile())));
    m_label->show();
    QEventLoop loop;
    QTimer::singleShot(m_quitWaitMs, &loop, &QEventLoop::quit);
    connect(&m_store, &QueuedStore::waitingChanged, &loop, [&loop](int updates) {
        if (updates == 0)
            loop.quit();
    });
    connect(&m_store, &QueuedStore::failed, &loop, &QEventLoop::quit);
    if (m_store.waiting() > 0)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const int lost = m_store.waiting();
    if (lost == 0)
        return {};
    const QString message = tr("Counts of the statistics not saved (%1): another program held the lock %2 all the time.")
                                .arg(lost)
                                .arg(QDir::toNativeSeparators(m_store.lockFile()));
    m_label->setText(message);
    return message;
}

} // namespace orvik3::trainer
