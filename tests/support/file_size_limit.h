#pragma once

#include <memory>

namespace testsupport {

// While it lives, writes past `bytes` in any file of this process fail as they do on a full disk,
// without root or a mount (POSIX: RLIMIT_FSIZE, EFBIG instead of a signal). Windows has no such
// limit: supported() is false there, and the scripted file system stands in for a full disk.
class ScopedFileSizeLimit
{
public:
    static bool supported();

    explicit ScopedFileSizeLimit(long long bytes);
    ~ScopedFileSizeLimit();
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

private:
    struct Previous;
    std::unique_ptr<Previous> m_previous;
};

} // namespace testsupport
