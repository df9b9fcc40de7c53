#pragma once

#include <QString>

namespace platform {

// Starts the file at path as the system's file manager would when it is opened there, in the
// folder that holds it (viewers look for their own files beside them): a program runs by exactly
// that path, with no arguments, no shell, no splitting at blanks and no search of PATH; on Windows
// a file that is no .exe (a shortcut, a batch file) is opened through the shell. Does not wait for
// it. Throws errors::RuntimeError naming path exactly as given: 53 when no file is there, 70 when
// it cannot be started.
void startProgramDetached(const QString& path);

// The system call behind it, in one file per system (process_posix.cpp, process_win32.cpp):
// starts the file at the absolute path file with no arguments, in workingFolder, without waiting
// for it, its window minimized where the system lets the starter say so. Returns the system's
// English reason when it cannot be started, a file it speaks of named as shownAs; else an empty
// string.
QString launchDetached(const QString& file, const QString& workingFolder, const QString& shownAs);

} // namespace platform
