#pragma once

#include <QString>

namespace platform {

// Starts exactly the executable at path: no arguments, no shell, no splitting at blanks, no
// search of PATH. Does not wait for it. Throws errors::RuntimeError when it cannot be started.
void startProgramDetached(const QString& path);

} // namespace platform
