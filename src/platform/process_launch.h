#pragma once

#include <QString>

// The system call behind startProgramDetached, in one file per system (process_posix.cpp,
// process_win32.cpp), which CMake picks.
namespace platform {

// Starts the file at the absolute path file with no arguments, in workingFolder, without waiting
// for it, its window minimized where the system lets the starter say so. Returns the system's
// English reason when it cannot be started, a file it speaks of named as shownAs; else an empty
// string.
QString launchDetached(const QString& file, const QString& workingFolder, const QString& shownAs);

} // namespace platform
