#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>

#include "platform/BoundedFile.h"
#include "platform/Fd.h"
#include "platform/SettingsStoreIni.h"
#include "platform/StoreLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik3 {

SettingsStore::~SettingsStore() = default;

void SettingsStore::update(const QString &, const std::function<void()> &change)
{
    change();
}

// ---------------------------------------------------------------------------------------------

QString MemorySettingsStore::read(const QString &app, const QString &section, const QString &key)
{
    const auto a = m_values.find(app);
    if (a == m_values.end())
        return {};
    const auto s = a->second.find(section);
    if (s == a->second.end())
        return {};
    const auto k = s->second.find(key);
    return k == s->second.end() ? QString() : k->second;
}

void MemorySettingsStore::write(const QString &app, const QString &section, const QString &key, const QString &value)
{
    if (m_failWrites)
        throw Error(ErrorKind::StoreFailure, QCoreApplication::translate("orvik3::Error", "cannot write %1/%2/%3").arg(app, section, key));
    ++m_writes;
    m_values[app][section][key] = value;
}

void MemorySettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    const auto a = m_values.find(app);
    if (a == m_values.end())
        return;
    const auto s = a->second.find(section);
    if (s != a->second.end())
        s->second.erase(key);
}

QStringList MemorySettingsStore::keys(const QString &app, const QString &section)
{
    QStringList result;
    const auto a = m_values.find(app);
    if (a != m_values.end()) {
        const auto s = a->second.find(section);
        if (s != a->second.end())
            for (const auto &entry : s->second)
                result.append(entry.first);
    }
    result.sort();
    return result;
}

// ---------------------------------------------------------------------------------------------

namespace {

[[noreturn]] void fail(const QString &what, const QString &path, int err)
{
    throw Error(ErrorKind::StoreFailure,
                QStringLiteral("%1 %2: %3").arg(what, path, QString::fromLocal8Bit(std::strerror(err))));
}

// What identifies one version of a settings file. Every write makes a new file (new inode)
// whose modification time is later than that of the file it replaces, so an equal stamp means
// the same content.
struct FileStamp {
    bool exists = false;
    dev_t dev = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec mtime{};
    timespec ctime{};

    explicit FileStamp(const struct stat *st = nullptr)
    {
        if (!st)
            return;
        exists = true;
        dev = st->st_dev;
        inode = st->st_ino;
        size = st->st_size;
        mtime = st->st_mtim;
        ctime = st->st_ctim;
    }
    bool operator==(const FileStamp &o) const
    {
        return exists == o.exists && dev == o.dev && inode == o.inode && size == o.size
            && mtime.tv_sec == o.mtime.tv_sec && mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec
            && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

// Temporary files are named so that nothing a person keeps beside the store (avx1.ini.bak,
// avx1.ini.backup, avx1.ini.2024v1) looks like one: a prefix and a suffix of our own.
QString temporaryPrefix(const QString &fileName) { return QStringLiteral(".orvik3-") + fileName + QLatin1Char('-'); }
constexpr char kTemporarySuffix[] = ".tmp";
constexpr int kTemporaryRandom = 6; // the XXXXXX of mkostemps

} // namespace

class IniSettingsStore::Private
{
public:
    struct AppFile {
        SettingsIni ini;
        FileStamp stamp;      // the version on disk that ini shows
        bool loaded = false;  // ini holds a version read from disk (or the file is missing)
        bool changed = false; // ini has changes not yet written
        int depth = 0;        // nesting of update() on this application
    };

    QString directory;
    std::map<QString, AppFile> apps;
    int lockTimeoutMs = IniSettingsStore::kDefaultLockTimeoutMs;

    // Brings the cached file up to date with the disk. No lock is needed: files are only ever
    // replaced whole, so an open file is one complete version.
    void refresh(const QString &path, AppFile &f)
    {
        const QByteArray name = QFile::encodeName(path);
        struct stat st{};
        if (::stat(name.constData(), &st) != 0) {
            if (errno != ENOENT && errno != ENOTDIR)
                fail(QCoreApplication::translate("orvik3::Error", "cannot read the settings file"), path, errno);
            if (!f.loaded || f.stamp.exists) {
                f.ini = SettingsIni();
                f.stamp = FileStamp();
                f.loaded = true;
            }
            return;
        }
        if (f.loaded && f.stamp == FileStamp(&st))
            return;
        BoundedFile::Result file = BoundedFile::read(path, limits::kSettingsStore);
        if (file.status == BoundedFile::Status::Missing) { // replaced away between stat and open
            f.ini = SettingsIni();
            f.stamp = FileStamp();
            f.loaded = true;
            return;
        }
        if (!file.ok())
            throw Error(ErrorKind::StoreFailure, file.error);
        f.ini = SettingsIni::parse(file.bytes);
        // The stamp of what was read: taken before the read, so a newer version replaced in
        // meanwhile is read again next time rather than missed.
        f.stamp = FileStamp(&st);
        f.loaded = true;
    }

    // A writer killed between creating its temporary file and renaming it leaves the file
    // behind. Temporaries are made only under the lock, so whatever is there when the lock
    // is taken belongs to a holder that is gone. Only our own names are touched.
    static void removeStaleTemporaries(const QString &target)
    {
        const QFileInfo info(target);
        const QString prefix = temporaryPrefix(info.fileName());
        const QString suffix = QLatin1String(kTemporarySuffix);
        const QStringList names = QDir(info.path()).entryList({prefix + QStringLiteral("*") + suffix},
                                                              QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &n : names) {
            const QString middle = n.mid(prefix.size(), n.size() - prefix.size() - suffix.size());
            const bool made = middle.size() == kTemporaryRandom && std::all_of(middle.begin(), middle.end(), [](QChar c) {
                return c.isLetterOrNumber() && c.unicode() < 0x80;
            });
            if (made)
                ::unlink(QFile::encodeName(info.path() + QLatin1Char('/') + n).constData());
        }
    }

    // The file a write replaces: the store's own, or, when that is a symbolic link, the file
    // it leads to, so that the link and whoever else reads through it keep getting the counts.
    static QString writeTarget(const QString &path)
    {
        struct stat st{};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        const QString target = QFileInfo(path).canonicalFilePath();
        if (target.isEmpty())
            throw Error(ErrorKind::StoreFailure,
                        QCoreApplication::translate("orvik3::Error", "the settings file %1 is a symbolic link that leads nowhere; nothing was written")
                            .arg(path));
        return target;
    }

    // Replaces the file by the cached content: a new file beside it, synced, renamed over the
    // old one, and the folder synced so that the new name survives a power loss too.
    void commit(const QString &path, AppFile &f)
    {
        const QString target = writeTarget(path);
        const QByteArray name = QFile::encodeName(target);
        struct stat old{};
        const bool hadFile = ::stat(name.constData(), &old) == 0;
        // A store made read-only stays as it is; root passes access(), so the mode is asked too.
        if (hadFile && (::access(name.constData(), W_OK) != 0 || (old.st_mode & 0222) == 0))
            throw Error(ErrorKind::StoreFailure,
                        QCoreApplication::translate("orvik3::Error", "the settings file %1 is read-only; nothing was written").arg(target));
        const QFileInfo info(target);
        QByteArray tempName = QFile::encodeName(info.path() + QLatin1Char('/') + temporaryPrefix(info.fileName()))
                            + QByteArray(kTemporaryRandom, 'X') + kTemporarySuffix;
        Fd fd(::mkostemps(tempName.data(), int(sizeof kTemporarySuffix - 1), O_CLOEXEC));
        if (fd.get() < 0)
            fail(QCoreApplication::translate("orvik3::Error", "cannot write the settings file"), target, errno);
        auto abandon = [&](int err) {
            fd.reset();
            ::unlink(tempName.constData());
            fail(QCoreApplication::translate("orvik3::Error", "cannot write the settings file"), target, err);
        };
        const QByteArray bytes = f.ini.serialize();
        if (!writeAll(fd.get(), bytes.constData(), bytes.size()))
            abandon(errno);
        if (::fchmod(fd.get(), hadFile ? (old.st_mode & 07777) : 0644) != 0)
            abandon(errno);
        // Within one clock tick two versions would share their time; step past the old one so
        // that readers in other processes never mistake the new file for the one they cached.
        // QSettings compares times in whole milliseconds, so the step is to the next one.
        struct stat now{};
        if (::fstat(fd.get(), &now) != 0)
            abandon(errno);
        const auto millis = [](const timespec &t) { return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000; };
        if (hadFile && millis(now.st_mtim) <= millis(old.st_mtim)) {
            const qint64 next = millis(old.st_mtim) + 1;
            timespec times[2] = {{0, UTIME_OMIT}, {time_t(next / 1000), long(next % 1000) * 1000000}};
            if (::futimens(fd.get(), times) != 0)
                abandon(errno);
        }
        if (::fdatasync(fd.get()) != 0)
            abandon(errno);
        if (::close(fd.release()) != 0)
            abandon(errno);
        if (::rename(tempName.constData(), name.constData()) != 0)
            abandon(errno);

        Fd dir(::open(QFile::encodeName(info.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (dir.get() < 0 || (::fsync(dir.get()) != 0 && errno != EINVAL))
            fail(QCoreApplication::translate("orvik3::Error", "cannot make the settings file durable"), target, errno);
        struct stat st{};
        if (::stat(QFile::encodeName(path).constData(), &st) == 0)
            f.stamp = FileStamp(&st);
        else
            f.loaded = false;
    }
};

IniSettingsStore::IniSettingsStore(const QString &directory)
    : d(std::make_unique<Private>())
{
    d->directory = directory;
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/orvik3");
}

QString IniSettingsStore::fileName(const QString &app) const
{
    return d->directory + QLatin1Char('/') + app + QStringLiteral(".ini");
}

void IniSettingsStore::update(const QString &app, const std::function<void()> &change)
{
    if (!tryUpdate(app, change, d->lockTimeoutMs))
        throw Error(ErrorKind::StoreFailure,
                    QCoreApplication::translate("orvik3::Error", "the settings file is locked by another program (%1); gave up after %2 ms")
                        .arg(fileName(app) + QStringLiteral(".update-lock"))
                        .arg(d->lockTimeoutMs));
}

bool IniSettingsStore::tryUpdate(const QString &app, const std::function<void()> &change, int timeoutMs)
{
    Private::AppFile &f = d->apps[app];
    if (f.depth > 0) { // already inside an update of this application
        change();
        return true;
    }
    const QString path = fileName(app);
    if (!QDir().mkpath(d->directory))
        fail(QCoreApplication::translate("orvik3::Error", "cannot create the settings folder"), d->directory, errno ? errno : EACCES);

    // The lock covers the whole read-modify-write.
    const QString lockPath = path + QStringLiteral(".update-lock");
    const StoreLock lock(lockPath, timeoutMs);
    if (lock.error())
        fail(QCoreApplication::translate("orvik3::Error", "cannot lock the settings file"), lockPath, lock.error());
    if (!lock.held())
        return false;
    const QString target = QFileInfo(path).canonicalFilePath();
    Private::removeStaleTemporaries(target.isEmpty() ? path : target);
    d->refresh(path, f);
    f.depth = 1;
    try {
        change();
        f.depth = 0;
        if (f.changed)
            d->commit(path, f);
        f.changed = false;
    } catch (...) {
        // Whatever was not written is dropped: later reads show what is on disk.
        f.depth = 0;
        f.changed = false;
        f.loaded = false;
        throw;
    }
    return true;
}

void IniSettingsStore::setLockTimeout(int milliseconds) { d->lockTimeoutMs = std::max(milliseconds, 0); }

int IniSettingsStore::lockTimeout() const { return d->lockTimeoutMs; }

QString IniSettingsStore::read(const QString &app, const QString &section, const QString &key)
{
    Private::AppFile &f = d->apps[app];
    if (f.depth == 0)
        d->refresh(fileName(app), f);
    const QString *value = f.ini.value(section, key);
    return value ? *value : QString();
}

void IniSettingsStore::write(const QString &app, const QString &section, const QString &key, const QString &value)
{
    update(app, [&] {
        Private::AppFile &f = d->apps[app];
        f.ini.setValue(section, key, value);
        f.changed = true;
    });
}

void IniSettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    update(app, [&] {
        Private::AppFile &f = d->apps[app];
        if (f.ini.value(section, key)) {
            f.ini.remove(section, key);
            f.changed = true;
        }
    });
}

QStringList IniSettingsStore::keys(const QString &app, const QString &section)
{
    Private::AppFile &f = d->apps[app];
    if (f.depth == 0)
        d->refresh(fileName(app), f);
    return f.ini.keys(section);
}

} // namespace orvik3
