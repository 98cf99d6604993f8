#include "InstallationWriter.h"

#include "platform/Fd.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik3::study {

namespace {

QString why(int err)
{
    if (err == ENOSPC)
        return QStringLiteral("the disk is full (%1)").arg(QString::fromLocal8Bit(std::strerror(err)));
    if (err == EDQUOT)
        return QStringLiteral("the disk quota is used up (%1)").arg(QString::fromLocal8Bit(std::strerror(err)));
    if (err == EFBIG)
        return QStringLiteral("no room for the file (%1)").arg(QString::fromLocal8Bit(std::strerror(err)));
    return QString::fromLocal8Bit(std::strerror(err));
}

// The kind of what stands at name in dir, without following a link; 0 when nothing does.
mode_t kindAt(int dir, const QByteArray &name)
{
    struct stat st{};
    return ::fstatat(dir, name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 ? (st.st_mode & S_IFMT) : 0;
}

class Writer
{
public:
    Writer(const QString &outDir, const WriteOptions &options, QString *error)
        : m_outDir(outDir), m_options(options), m_error(error)
    {
    }

    bool run(const Generated &generated);

private:
    bool fail(const QString &relative, const QString &reason)
    {
        *m_error = QStringLiteral("%1: %2").arg(relative.isEmpty() ? m_outDir : QDir(m_outDir).filePath(relative), reason);
        return false;
    }
    // The folder holding the file at relative, below the root; with create, missing folders
    // are made. Invalid with *m_error set when a part is a link or no folder; invalid without
    // it when a part is missing and create is off.
    Fd folderOf(const QString &relative, bool create);
    bool check(const GeneratedFile &f, int *existing);
    bool write(const GeneratedFile &f);

    QString m_outDir;
    WriteOptions m_options;
    QString *m_error;
    Fd m_root;
    std::set<QString> m_folders; // written to, synced at the end
    std::vector<QString> m_made; // files that did not exist before, removed again on a failure
};

Fd Writer::folderOf(const QString &relative, bool create)
{
    const QStringList parts = relative.split(u'/', Qt::SkipEmptyParts);
    Fd dir(::dup(m_root.get()));
    QString walked;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        walked += (walked.isEmpty() ? QString() : QStringLiteral("/")) + parts[i];
        const QByteArray name = QFile::encodeName(parts[i]);
        if (create && ::mkdirat(dir.get(), name.constData(), 0755) != 0 && errno != EEXIST) {
            fail(walked, QStringLiteral("cannot create the folder: %1").arg(why(errno)));
            return Fd();
        }
        Fd next(::openat(dir.get(), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0) {
            const int err = errno;
            const mode_t kind = kindAt(dir.get(), name);
            if (kind == S_IFLNK)
                fail(walked, QStringLiteral("is a symbolic link; nothing is written through it"));
            else if (kind != 0 || err != ENOENT)
                fail(walked, kind != S_IFDIR ? QStringLiteral("is in the way of a folder") : why(err));
            return Fd();
        }
        dir = std::move(next);
    }
    return dir;
}

bool Writer::check(const GeneratedFile &f, int *existing)
{
    m_error->clear();
    const Fd dir = folderOf(f.path, false);
    if (dir.get() < 0)
        return m_error->isEmpty(); // a folder still to be made holds nothing yet
    const mode_t kind = kindAt(dir.get(), QFile::encodeName(f.path.section(u'/', -1)));
    if (kind == S_IFLNK && !m_options.replace)
        return fail(f.path, QStringLiteral("is a symbolic link; nothing is written through it (--force replaces the link)"));
    if (kind != 0 && kind != S_IFREG && kind != S_IFLNK)
        return fail(f.path, QStringLiteral("is in the way of a file"));
    if (kind != 0 && !m_options.replace && (*existing)++ == 0)
        fail(f.path, QStringLiteral("exists"));
    return true;
}

bool Writer::write(const GeneratedFile &f)
{
    const Fd dir = folderOf(f.path, true);
    if (dir.get() < 0)
        return false;
    const QByteArray name = QFile::encodeName(f.path.section(u'/', -1));
    const QByteArray temp = '.' + name + ".orvik3-new";
    ::unlinkat(dir.get(), temp.constData(), 0); // left by a write that was killed
    const bool existed = kindAt(dir.get(), name) != 0;
    Fd out(::openat(dir.get(), temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (out.get() < 0)
        return fail(f.path, QStringLiteral("cannot write: %1").arg(why(errno)));
    auto abandon = [&](int err) {
        out = Fd();
        ::unlinkat(dir.get(), temp.constData(), 0);
        return fail(f.path, QStringLiteral("cannot write: %1").arg(why(err)));
    };
    if (!writeAll(out.get(), f.bytes.constData(), f.bytes.size()))
        return abandon(errno);
    if (m_options.durable && ::fsync(out.get()) != 0)
        return abandon(errno);
    if (::close(out.release()) != 0)
        return abandon(errno);
    // Without leave to replace, a file that appeared since the check is not overwritten.
    int renamed = ::renameat2(dir.get(), temp.constData(), dir.get(), name.constData(), m_options.replace ? 0 : RENAME_NOREPLACE);
    if (renamed != 0 && errno == EINVAL && kindAt(dir.get(), name) == 0) // a file system without that flag
        renamed = ::renameat(dir.get(), temp.constData(), dir.get(), name.constData());
    if (renamed != 0)
        return abandon(errno);
    m_folders.insert(f.path.section(u'/', 0, -2));
    if (!existed)
        m_made.push_back(f.path);
    return true;
}

bool Writer::run(const Generated &generated)
{
    if (!QDir().mkpath(m_outDir))
        return fail(QString(), QStringLiteral("cannot create the folder"));
    // The folder itself is the user's choice, link or not; below it nothing is followed.
    m_root = Fd(::open(QFile::encodeName(m_outDir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (m_root.get() < 0)
        return fail(QString(), why(errno));
    int existing = 0;
    QString first;
    for (const GeneratedFile &f : generated.files) {
        if (!check(f, &existing))
            return false;
        if (first.isEmpty())
            first = *m_error;
    }
    if (existing > 0) {
        *m_error = first + (existing > 1 ? QStringLiteral(" (and %1 more files)").arg(existing - 1) : QString())
                 + QStringLiteral("; nothing was written, --force replaces them");
        return false;
    }
    for (const GeneratedFile &f : generated.files) {
        if (!write(f)) {
            // Half an installation is worse than none: what this run made goes again.
            for (const QString &made : m_made)
                if (const Fd dir = folderOf(made, false); dir.valid())
                    ::unlinkat(dir.get(), QFile::encodeName(made.section(u'/', -1)).constData(), 0);
            return false;
        }
    }
    if (m_options.durable)
        for (const QString &folder : m_folders)
            if (const Fd dir = folderOf(folder + QStringLiteral("/x"), false); dir.get() < 0 || ::fsync(dir.get()) != 0)
                return fail(folder, QStringLiteral("cannot sync the folder: %1").arg(why(errno)));
    return true;
}

} // namespace

bool writeGenerated(const Generated &generated, const QString &outDir, QString *error, const WriteOptions &options)
{
    return Writer(outDir, options, error).run(generated);
}

} // namespace orvik3::study
