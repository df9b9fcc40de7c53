#pragma once

#include "platform/file_system.h"

namespace platform {

// What the system's errno value means for a file operation: a full disk (space, quota or inodes),
// a refusal, or any other failure with the system's English text.
FileStatus fileStatusOfSystemError(int error);

} // namespace platform
