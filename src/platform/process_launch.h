#pragma once

#include <QString>

// The system call behind startProgramDetached, in one file per system (process_posix.cpp,
// process_win32.cpp), which CMake picks.
namespace platform {

// Starts the executable at the absolute path program with no arguments and without waiting for
// it, its window minimized where the system lets the starter say so. Returns the system's
// English reason when it cannot be started, else an empty string.
QString launchDetached(const QString& program);

} // namespace platform
