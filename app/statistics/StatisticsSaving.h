#pragma once

#include <QObject>

class QLabel;
class QStatusBar;
class QTimer;

namespace orvik3::trainer {

class QueuedStore;

// What the window says about counts waiting for the statistics lock: a note in the status
// bar naming the lock while they wait, "saved" when they are written. At quit it waits a
// little for them, saying so.
class StatisticsSaving : public QObject
{
    Q_OBJECT
public:
    StatisticsSaving(QueuedStore &store, QStatusBar &bar, QObject *parent = nullptr);

    // Waits at most the quit wait for what is still queued; the message for the trainee
    // about the counts that could not be saved, or an empty text when all were.
    QString finish();
    void setQuitWait(int milliseconds) { m_quitWaitMs = milliseconds; }
    QString note() const;

    static constexpr int kQuitWaitMs = 3000;

private:
    void waitingChanged(int updates);

    QueuedStore &m_store;
    QLabel *m_label;
    QTimer *m_hide;
    int m_quitWaitMs = kQuitWaitMs;
};

} // namespace orvik3::trainer
