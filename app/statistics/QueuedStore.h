#pragma once

#include <orvik3/SettingsStore.h>

#include <QObject>

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <tuple>
#include <vector>

namespace orvik3::trainer {

// The statistics store of the trainer's window: the per-user store on disk, without ever
// waiting for its lock on the window thread. An update tries the lock once; when another
// program holds it (or earlier updates still wait), the change runs against what is on disk
// plus what waits, is kept as operations on keys and written in order by a thread of its
// own as soon as the lock is free. Counters are kept as the difference the change made, so
// that what another program counted meanwhile stays; other values are set or removed, the
// last writer winning. Reads see what waits. Errors of the window's own updates are raised
// as the store raises them; those of the thread are announced by failed(), the updates that
// wait then being dropped.
class QueuedStore : public QObject, public SettingsStore
{
    Q_OBJECT
public:
    explicit QueuedStore(std::shared_ptr<IniSettingsStore> disk);
    // Whatever still waits is dropped: the window says so at quit.
    ~QueuedStore() override;

    QString read(const QString &app, const QString &section, const QString &key) override;
    void write(const QString &app, const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &app, const QString &section, const QString &key) override;
    QStringList keys(const QString &app, const QString &section) override;
    void update(const QString &app, const std::function<void()> &change) override;

    // Updates waiting for the lock.
    int waiting() const;
    // The lock file the last update waited for.
    QString lockFile() const;

signals:
    // How many updates wait now; 0 when the last one was written.
    void waitingChanged(int updates);
    // The thread could not write: the message names the file; the `dropped` updates that
    // waited were lost, none waits now.
    void failed(const QString &message, int dropped);

private:
    using Key = std::tuple<QString, QString, QString>; // application, section, key
    struct Operation {
        Key key;
        enum Kind { Set, Remove, Add } kind;
        QString value;     // Set; for Add the value written over a text that is no number
        qint64 delta = 0;  // Add
    };
    struct Batch {
        quint64 number;
        QString app;
        std::vector<Operation> operations;
    };
    struct Touched {
        QString before, now; // empty: missing
        bool written = false;
    };
    enum class Mode { Outside, Direct, Queued };

    static QString applied(const QString &current, const Operation &o);
    static bool isCounter(const Key &key);
    // Disk plus what waits; the caller holds m_mutex.
    QString seen(const Key &key) const;
    QString readQueued(const Key &key);
    Touched &touch(const Key &key);
    void queue(const QString &app);
    void work();

    std::shared_ptr<IniSettingsStore> m_disk;
    QString m_directory;
    Mode m_mode = Mode::Outside;
    std::map<Key, Touched> m_change; // the queued change running on the window thread

    // Guards what follows; held around the window's reads of the disk too, so that a batch
    // the thread writes is seen either waiting or on disk.
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Batch> m_batches;
    std::map<Key, std::vector<std::pair<quint64, Operation>>> m_pending; // per key, in order
    quint64 m_next = 0;
    QString m_lockFile;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace orvik3::trainer
