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

} // namespace platform
