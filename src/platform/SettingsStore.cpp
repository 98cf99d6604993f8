#include <orvik3/Error.h>
#include <orvik3/SettingsStore.h>

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>

namespace orvik3 {

SettingsStore::~SettingsStore() = default;

void SettingsStore::update(const QString &, const std::function<void()> &change)
{
    change();
}

// ---------------------------------------------------------------------------------------------

namespace {
QString memoryKey(const QString &app, const QString &section, const QString &key)
{
    return app + QChar(0) + section + QChar(0) + key;
}
} // namespace

QString MemorySettingsStore::read(const QString &app, const QString &section, const QString &key)
{
    return m_values.value(memoryKey(app, section, key));
}

void MemorySettingsStore::write(const QString &app, const QString &section, const QString &key, const QString &value)
{
    if (m_failWrites)
        throw Error(ErrorKind::StoreFailure, QStringLiteral("cannot write %1/%2/%3").arg(app, section, key));
    ++m_writes;
    m_values.insert(memoryKey(app, section, key), value);
}

void MemorySettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    m_values.remove(memoryKey(app, section, key));
}

QStringList MemorySettingsStore::keys(const QString &app, const QString &section)
{
    const QString prefix = app + QChar(0) + section + QChar(0);
    QStringList result;
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it)
        if (it.key().startsWith(prefix))
            result.append(it.key().mid(prefix.size()));
    result.sort();
    return result;
}

// ---------------------------------------------------------------------------------------------

namespace {

struct FileStamp {
    bool exists = false;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 mtimeMs = 0;
    bool operator==(const FileStamp &) const = default;
};

FileStamp stampOf(const QString &path)
{
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {true, st.st_ino, qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000};
}

} // namespace

class QSettingsStore::Private
{
public:
    struct AppFile {
        std::unique_ptr<QSettings> settings;
        FileStamp seen; // the file as our QSettings last read or wrote it
        int depth = 0;  // nesting of update() on this application
    };

    QString directory;
    std::map<QString, AppFile> apps;

    AppFile &file(const QString &app, const QString &path)
    {
        AppFile &f = apps[app];
        if (!f.settings)
            f.settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
        return f;
    }
};

QSettingsStore::QSettingsStore(const QString &directory)
    : d(std::make_unique<Private>())
{
    d->directory = directory;
}

QSettingsStore::~QSettingsStore() = default;

QString QSettingsStore::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/orvik3");
}

QString QSettingsStore::fileName(const QString &app) const
{
    return d->directory + QLatin1Char('/') + app + QStringLiteral(".ini");
}

void QSettingsStore::update(const QString &app, const std::function<void()> &change)
{
    const QString path = fileName(app);
    Private::AppFile &f = d->file(app, path);
    if (f.depth > 0) { // already inside an update of this application
        change();
        return;
    }
    if (!QDir().mkpath(d->directory))
        throw Error(ErrorKind::StoreFailure, QStringLiteral("cannot create the settings folder %1").arg(d->directory));

    // QSettings' own lock covers one file write; ours covers the whole read-modify-write.
    QLockFile lock(path + QStringLiteral(".update-lock"));
    lock.setStaleLockTime(30000);
    if (!lock.lock())
        throw Error(ErrorKind::StoreFailure, QStringLiteral("cannot lock %1").arg(path));

    // QSettings keeps a parsed copy per file and trusts it while size and modification time
    // (in milliseconds) are unchanged. Another process may have replaced the file within the
    // same millisecond with a file of the same size; a new inode tells, and moving the
    // timestamp on makes QSettings read the file again.
    const FileStamp now = stampOf(path);
    if (now.exists && f.seen.exists && now.inode != f.seen.inode && now.size == f.seen.size
        && now.mtimeMs == f.seen.mtimeMs) {
        const qint64 ms = now.mtimeMs + 1;
        struct timespec times[2] = {{0, UTIME_OMIT}, {time_t(ms / 1000), long(ms % 1000) * 1000000}};
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
    }
    f.settings->sync();

    ++f.depth;
    try {
        change();
    } catch (...) {
        --f.depth;
        throw;
    }
    --f.depth;

    f.settings->sync(); // QSettings writes through a save file, so the old file survives a failure
    const QSettings::Status status = f.settings->status();
    f.seen = stampOf(path);
    if (status != QSettings::NoError) {
        // Drop what could not be written, so that later reads show what is on disk.
        f.settings.reset();
        throw Error(ErrorKind::StoreFailure, QStringLiteral("cannot write the settings file %1").arg(path));
    }
}

QString QSettingsStore::read(const QString &app, const QString &section, const QString &key)
{
    QString value;
    update(app, [&] {
        value = d->file(app, fileName(app)).settings->value(section + QLatin1Char('/') + key).toString();
    });
    return value;
}

void QSettingsStore::write(const QString &app, const QString &section, const QString &key, const QString &value)
{
    update(app, [&] { d->file(app, fileName(app)).settings->setValue(section + QLatin1Char('/') + key, value); });
}

void QSettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    update(app, [&] { d->file(app, fileName(app)).settings->remove(section + QLatin1Char('/') + key); });
}

QStringList QSettingsStore::keys(const QString &app, const QString &section)
{
    QStringList result;
    update(app, [&] {
        QSettings &s = *d->file(app, fileName(app)).settings;
        s.beginGroup(section);
        result = s.childKeys();
        s.endGroup();
    });
    result.sort();
    return result;
}

} // namespace orvik3
