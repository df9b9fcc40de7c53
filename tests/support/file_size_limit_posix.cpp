#include "support/file_size_limit.h"

#include <csignal>
#include <sys/resource.h>

namespace testsupport {

struct ScopedFileSizeLimit::Previous
{
    rlimit limit{};
};

bool ScopedFileSizeLimit::supported()
{
    return true;
}

ScopedFileSizeLimit::ScopedFileSizeLimit(long long bytes) : m_previous(std::make_unique<Previous>())
{
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_previous->limit);
    rlimit limited = m_previous->limit;
    limited.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limited);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous->limit);
}

} // namespace testsupport
