#include "platform/BoundedFile.h"

#include "platform/VisibleText.h"

#include <orvik3/Error.h>

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvik3 {

namespace {

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("orvik3::Error", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("orvik3::Error", "a pipe (FIFO)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("orvik3::Error", "a device");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("orvik3::Error", "a socket");
    return QCoreApplication::translate("orvik3::Error", "not a plain file");
}

QString systemError(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

} // namespace

QString BoundedFile::limitText(qint64 bytes)
{
    if (bytes >= limits::kMiB && bytes % limits::kMiB == 0)
        return QCoreApplication::translate("orvik3::Error", "%1 MB").arg(bytes / limits::kMiB);
    return QCoreApplication::translate("orvik3::Error", "%1 bytes").arg(bytes);
}

BoundedFile::Result BoundedFile::read(const QString &path, const FileLimit &limit)
{
    Result r;
    const QString what = QCoreApplication::translate("orvik3::Error", limit.what);
    auto failed = [&](Status status, const QString &why) {
        r.status = status;
        r.bytes.clear();
        r.error = QStringLiteral("%1: %2").arg(visibleText(path), why);
        return r;
    };
    if (path.isEmpty())
        return failed(Status::Missing, QCoreApplication::translate("orvik3::Error", "no %1 named").arg(what));

    // Non-blocking, so that opening a FIFO with no writer returns at once instead of waiting.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        return failed(err == ENOENT || err == ENOTDIR ? Status::Missing : Status::Unreadable,
                      QCoreApplication::translate("orvik3::Error", "cannot open the %1: %2").arg(what, systemError(err)));
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    struct stat st{};
    if (::fstat(fd, &st) != 0)
        return failed(Status::Unreadable, QCoreApplication::translate("orvik3::Error", "cannot read the %1: %2").arg(what, systemError(errno)));
    if (!S_ISREG(st.st_mode))
        return failed(Status::NotRegular, QCoreApplication::translate("orvik3::Error", "is %1, not a %2").arg(kindOf(st.st_mode), what));
    if (st.st_size > limit.bytes)
        return failed(Status::TooLarge, QCoreApplication::translate("orvik3::Error", "larger than %1, the limit for a %2")
                                            .arg(limitText(limit.bytes), what));

    // The size reported is only a hint (a file may grow meanwhile, some file systems say 0);
    // the limit holds for what is actually read.
    QByteArray bytes;
    bytes.reserve(qsizetype(st.st_size) + 1);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failed(Status::Unreadable, QCoreApplication::translate("orvik3::Error", "cannot read the %1: %2").arg(what, systemError(errno)));
        if (n == 0)
            break;
        if (bytes.size() + n > limit.bytes)
            return failed(Status::TooLarge, QCoreApplication::translate("orvik3::Error", "larger than %1, the limit for a %2")
                                                .arg(limitText(limit.bytes), what));
        bytes.append(buffer, n);
    }
    r.bytes = std::move(bytes);
    return r;
}

QByteArray BoundedFile::readOrThrow(const QString &path, const FileLimit &limit)
{
    Result r = read(path, limit);
    if (!r.ok())
        throw Error(ErrorKind::FileFailure, r.error);
    return std::move(r.bytes);
}

} // namespace orvik3
