#include "platform/Fd.h"

#include <cerrno>

namespace orvik3 {

bool writeAll(int fd, const char *bytes, long long size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) { // nothing taken and no reason given: the disk has no room
            errno = ENOSPC;
            return false;
        }
        bytes += n;
        size -= n;
    }
    return true;
}

} // namespace orvik3
