#include "support/file_size_limit.h"

namespace testsupport {

struct ScopedFileSizeLimit::Previous
{
};

bool ScopedFileSizeLimit::supported()
{
    return false;
}

ScopedFileSizeLimit::ScopedFileSizeLimit(long long) {}

ScopedFileSizeLimit::~ScopedFileSizeLimit() = default;

} // namespace testsupport
