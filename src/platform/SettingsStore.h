#pragma once

#include <orvik3/orvik3_export.h>

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <unordered_map>

namespace orvik3 {

// The user's persistent settings, addressed by application, section and key.
class ORVIK3_EXPORT SettingsStore
{
public:
    virtual ~SettingsStore();

    // The stored text, or an empty text when the key does not exist.
    virtual QString read(const QString &app, const QString &section, const QString &key) = 0;
    // Creates or replaces the value; raises a store error when it cannot be kept.
    virtual void write(const QString &app, const QString &section, const QString &key, const QString &value) = 0;
    virtual void remove(const QString &app, const QString &section, const QString &key) = 0;
    virtual QStringList keys(const QString &app, const QString &section) = 0;

    // Runs a read-modify-write on one application's settings as one unit: no other process
    // updates them meanwhile, and what was written is on disk when update returns.
    virtual void update(const QString &app, const std::function<void()> &change);
};

// A cheap hash for the short keys of a settings file; the stores look keys up hundreds of times
// per count.
struct SettingsKeyHash {
    std::size_t operator()(const QString &text) const noexcept
    {
        std::size_t h = 14695981039346656037ull;
        for (QChar c : text)
            h = (h ^ c.unicode()) * 1099511628211ull;
        return h;
    }
};

// A store that lives as long as the object: for tests and for hosts that keep nothing.
class ORVIK3_EXPORT MemorySettingsStore : public SettingsStore
{
public:
    QString read(const QString &app, const QString &section, const QString &key) override;
    void write(const QString &app, const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &app, const QString &section, const QString &key) override;
    QStringList keys(const QString &app, const QString &section) override;

    int writeCount() const { return m_writes; }
    // Makes every later write fail with a store error, as a full or read-only disk would.
    void setFailWrites(bool fail) { m_failWrites = fail; }

private:
    template <typename T>
    using Map = std::unordered_map<QString, T, SettingsKeyHash>;
    Map<Map<Map<QString>>> m_values; // application -> section -> key -> value
    int m_writes = 0;
    bool m_failWrites = false;
};

// The per-user store on disk: one INI file per application (application.ini, in the dialect
// QSettings reads) in a folder, by default the user's configuration folder ("orvik3" below it).
// Sections are INI groups. Several processes may share a folder: an update holds a lock on the
// application's file for its whole read-modify-write, and every write replaces the file
// atomically and durably (file and folder synced) before it returns. A write that cannot be
// made raises a StoreFailure and leaves the previous file as it was: so does a file whose mode
// forbids writing. A file that is a symbolic link is written through: its target is replaced
// and the link stays. Temporary files are named .orvik3-<file>-XXXXXX.tmp and only such
// names are ever removed. Reads take no lock.
class ORVIK3_EXPORT IniSettingsStore : public SettingsStore
{
public:
    explicit IniSettingsStore(const QString &directory = defaultDirectory());
    ~IniSettingsStore() override;

    static QString defaultDirectory();
    QString fileName(const QString &app) const;

    QString read(const QString &app, const QString &section, const QString &key) override;
    void write(const QString &app, const QString &section, const QString &key, const QString &value) override;
    void remove(const QString &app, const QString &section, const QString &key) override;
    QStringList keys(const QString &app, const QString &section) override;
    // Waits for another process's update at most lockTimeout(), then raises a StoreFailure
    // that names the lock file.
    void update(const QString &app, const std::function<void()> &change) override;

    // update() waiting at most timeoutMs for the lock (0: not at all): false, with change not
    // run and nothing written, when another process held it all that time. A host that must
    // not stall its window calls it from another thread, or with a short timeout, and says
    // that the statistics are busy when it returns false.
    bool tryUpdate(const QString &app, const std::function<void()> &change, int timeoutMs);

    static constexpr int kDefaultLockTimeoutMs = 1000;
    // How long update(), write() and remove() wait for the lock.
    void setLockTimeout(int milliseconds);
    int lockTimeout() const;

private:
    class Private;
    std::unique_ptr<Private> d;
};

} // namespace orvik3
