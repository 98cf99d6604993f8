#include "platform/StoreLock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>

namespace orvik3 {

StoreLock::StoreLock(const QString &lockPath, int timeoutMs)
    : m_fd(::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666))
{
    if (!m_fd.valid()) {
        m_error = errno;
        return;
    }
    const QDeadlineTimer deadline(std::max(timeoutMs, 0));
    // A count holds the lock for a few milliseconds: poll often at first, then less.
    unsigned long pauseUs = 500;
    while (::flock(m_fd.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_error = errno;
            return;
        }
        if (deadline.hasExpired())
            return;
        QThread::usleep(std::min<qint64>(qint64(pauseUs), std::max<qint64>(deadline.remainingTime(), 0) * 1000 + 1));
        pauseUs = std::min(pauseUs * 2, 20000ul);
    }
    m_held = true;
}

} // namespace orvik3
