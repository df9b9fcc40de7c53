#pragma once

#include "platform/file_system.h"

namespace platform {

// What Windows' error code (GetLastError) means for a file operation: a full disk, a refusal (an
// access list that denies it, a write-protected medium), or any other failure with the system's
// English text.
FileStatus fileStatusOfSystemError(unsigned long error);

} // namespace platform
