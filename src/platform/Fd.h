#pragma once

#include <utility>

#include <unistd.h>

namespace orvik3 {

// A file descriptor that closes itself. A close that must be checked (after writing) is done
// by hand on release().
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(Fd &&other) noexcept : m_fd(other.release()) {}
    Fd &operator=(Fd &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_fd = other.release();
        }
        return *this;
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// Writes all of bytes, going on after interruptions; false with errno set when the file takes
// no more (a full disk reports ENOSPC).
bool writeAll(int fd, const char *bytes, long long size);

} // namespace orvik3
