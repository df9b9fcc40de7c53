#pragma once

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

// While it lives, writes past `bytes` in any file fail as they do on a full disk (EFBIG instead
// of a signal), without root or a mount.
class ScopedFileSizeLimit
{
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~ScopedFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_previous); }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    rlimit m_previous{};
};

} // namespace testsupport
