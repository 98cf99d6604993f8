#include "statistics/QueuedStore.h"

#include <orvik3/Error.h>
#include <orvik3/StatisticsKeys.h>

#include <QFileInfo>

namespace orvik3::trainer {

namespace {

// How long the thread waits for the lock in one go: it looks whether it should stop between.
constexpr int kThreadWaitMs = 100;

std::optional<qint64> counterValue(const QString &text)
{
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(v) : std::nullopt;
}

} // namespace

QueuedStore::QueuedStore(std::shared_ptr<IniSettingsStore> disk)
    : m_disk(std::move(disk))
    , m_directory(QFileInfo(m_disk->fileName(QStringLiteral("x"))).path())
{
    m_thread = std::thread([this] { work(); });
}

QueuedStore::~QueuedStore()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

bool QueuedStore::isCounter(const Key &key)
{
    return std::get<0>(key) == StatisticsKeys::app() && std::get<1>(key) == StatisticsKeys::section()
        && StatisticsKeys::parse(std::get<2>(key)).has_value();
}

QString QueuedStore::applied(const QString &current, const Operation &o)
{
    switch (o.kind) {
    case Operation::Set:
        return o.value;
    case Operation::Remove:
        return {};
    case Operation::Add:
        break;
    }
    const std::optional<qint64> v = counterValue(current);
    return v ? QString::number(*v + o.delta) : o.value;
}

QString QueuedStore::seen(const Key &key) const
{
    QString value = m_disk->read(std::get<0>(key), std::get<1>(key), std::get<2>(key));
    if (const auto p = m_pending.find(key); p != m_pending.end())
        for (const auto &[batch, o] : p->second)
            value = applied(value, o);
    return value;
}

QString QueuedStore::readQueued(const Key &key)
{
    return touch(key).now;
}

QueuedStore::Touched &QueuedStore::touch(const Key &key)
{
    auto t = m_change.find(key);
    if (t == m_change.end()) {
        // The first look fixes the value for the whole change: its difference is then the
        // change's own, whatever another program writes meanwhile.
        const std::lock_guard lock(m_mutex);
        const QString value = seen(key);
        t = m_change.emplace(key, Touched{value, value}).first;
    }
    return t->second;
}

QString QueuedStore::read(const QString &app, const QString &section, const QString &key)
{
    if (m_mode == Mode::Direct)
        return m_disk->read(app, section, key);
    if (m_mode == Mode::Queued)
        return readQueued({app, section, key});
    const std::lock_guard lock(m_mutex);
    return seen({app, section, key});
}

void QueuedStore::write(const QString &app, const QString &section, const QString &key, const QString &value)
{
    update(app, [&] {
        if (m_mode == Mode::Direct) {
            m_disk->write(app, section, key, value);
            return;
        }
        Touched &t = touch({app, section, key});
        t.now = value;
        t.written = true;
    });
}

void QueuedStore::remove(const QString &app, const QString &section, const QString &key)
{
    update(app, [&] {
        if (m_mode == Mode::Direct) {
            m_disk->remove(app, section, key);
            return;
        }
        Touched &t = touch({app, section, key});
        t.now.clear();
        t.written = true;
    });
}

QStringList QueuedStore::keys(const QString &app, const QString &section)
{
    if (m_mode == Mode::Direct)
        return m_disk->keys(app, section);
    QStringList names = m_disk->keys(app, section);
    std::vector<Key> candidates;
    {
        const std::lock_guard lock(m_mutex);
        for (const auto &[key, operations] : m_pending)
            if (std::get<0>(key) == app && std::get<1>(key) == section && !names.contains(std::get<2>(key)))
                names << std::get<2>(key);
    }
    for (const auto &[key, t] : m_change)
        if (std::get<0>(key) == app && std::get<1>(key) == section && !names.contains(std::get<2>(key)))
            names << std::get<2>(key);
    names.removeIf([&](const QString &name) { return read(app, section, name).isEmpty(); });
    return names;
}

void QueuedStore::update(const QString &app, const std::function<void()> &change)
{
    if (m_mode != Mode::Outside) { // inside an update already
        change();
        return;
    }
    if (waiting() == 0) {
        m_mode = Mode::Direct;
        bool done = false;
        try {
            done = m_disk->tryUpdate(app, change, 0);
        } catch (...) {
            m_mode = Mode::Outside;
            throw;
        }
        m_mode = Mode::Outside;
        if (done)
            return;
    }
    m_mode = Mode::Queued;
    m_change.clear();
    try {
        change();
    } catch (...) {
        m_mode = Mode::Outside;
        m_change.clear();
        throw;
    }
    m_mode = Mode::Outside;
    queue(app);
}

void QueuedStore::queue(const QString &app)
{
    Batch batch{0, app, {}};
    for (const auto &[key, t] : std::exchange(m_change, {})) {
        // A sum written as it was may still owe what its questions added (see below).
        if (t.now == t.before && !(t.written && isCounter(key)))
            continue;
        if (t.now.isEmpty()) {
            batch.operations.push_back({key, Operation::Remove, {}, 0});
            continue;
        }
        const std::optional<qint64> before = counterValue(t.before), now = counterValue(t.now);
        if (isCounter(key) && before && now)
            batch.operations.push_back({key, Operation::Add, t.now, *now - *before});
        else
            batch.operations.push_back({key, Operation::Set, t.now, 0});
    }
    // A sum is read key by key, so another program writing between those looks would shift
    // its difference; what the change added to a sum is what it added to the sum's questions.
    std::map<std::pair<QString, StatisticsKeys::Counter>, qint64> added;
    for (const Operation &o : batch.operations)
        if (const auto k = StatisticsKeys::parse(std::get<2>(o.key)); o.kind == Operation::Add && k && k->question)
            added[{k->prefix, k->counter}] += o.delta;
    for (Operation &o : batch.operations)
        if (const auto k = StatisticsKeys::parse(std::get<2>(o.key)); o.kind == Operation::Add && k && !k->question) {
            if (const auto a = added.find({k->prefix, k->counter}); a != added.end())
                o.delta = a->second;
        }
    std::erase_if(batch.operations, [](const Operation &o) { return o.kind == Operation::Add && o.delta == 0; });
    if (batch.operations.empty())
        return;
    int waiting = 0;
    {
        const std::lock_guard lock(m_mutex);
        batch.number = m_next++;
        for (const Operation &o : batch.operations)
            m_pending[o.key].emplace_back(batch.number, o);
        m_lockFile = m_disk->fileName(app) + QStringLiteral(".update-lock");
        m_batches.push_back(std::move(batch));
        waiting = int(m_batches.size());
    }
    m_wake.notify_all();
    emit waitingChanged(waiting);
}

int QueuedStore::waiting() const
{
    const std::lock_guard lock(m_mutex);
    return int(m_batches.size());
}

QString QueuedStore::lockFile() const
{
    const std::lock_guard lock(m_mutex);
    return m_lockFile;
}

void QueuedStore::work()
{
    // A store of the thread's own: the window's is not shared across threads.
    IniSettingsStore disk(m_directory);
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_batches.empty(); });
        if (m_stop)
            return;
        const Batch batch = m_batches.front();
        lock.unlock();
        bool written = false;
        QString error;
        try {
            written = disk.tryUpdate(batch.app, [&] {
                for (const Operation &o : batch.operations) {
                    const auto &[app, section, key] = o.key;
                    const QString value = applied(disk.read(app, section, key), o);
                    if (value.isEmpty())
                        disk.remove(app, section, key);
                    else
                        disk.write(app, section, key, value);
                }
                // Held until the file is replaced: the window sees the batch either waiting
                // or on disk, never both.
                lock.lock();
            }, kThreadWaitMs);
        } catch (const std::exception &e) {
            error = Error::from(e).message();
        }
        if (!lock.owns_lock())
            lock.lock();
        if (!written && error.isEmpty())
            continue; // the lock is still held elsewhere: again, unless told to stop
        int dropped = 0;
        if (written) {
            m_batches.pop_front();
            for (const Operation &o : batch.operations) {
                auto &list = m_pending[o.key];
                std::erase_if(list, [&](const auto &entry) { return entry.first == batch.number; });
                if (list.empty())
                    m_pending.erase(o.key);
            }
        } else {
            dropped = int(m_batches.size());
            m_batches.clear();
            m_pending.clear();
        }
        const int left = int(m_batches.size());
        lock.unlock();
        if (error.isEmpty())
            emit waitingChanged(left);
        else
            emit failed(error, dropped);
        lock.lock();
    }
}

} // namespace orvik3::trainer
