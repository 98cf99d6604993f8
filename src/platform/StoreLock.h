#pragma once

#include "platform/Fd.h"

#include <QString>

namespace orvik3 {

// The lock of one settings file across processes: a kernel lock (flock) on a lock file beside
// it, so that a holder that dies never leaves the store locked. Waiting is bounded.
class StoreLock
{
public:
    // Takes the lock, waiting at most timeoutMs (0: not at all) while another process holds it.
    StoreLock(const QString &lockPath, int timeoutMs);

    // Whether the lock was taken; false when another process held it all the time allowed,
    // or when the lock file could not be opened or locked (then error() is its errno).
    bool held() const { return m_held; }
    int error() const { return m_error; }

private:
    Fd m_fd;
    bool m_held = false;
    int m_error = 0;
};

} // namespace orvik3
