#pragma once

#include "runtime_errors/runtime_error.h"

namespace errors {

// Appends the log line to Logs/ErrorLog.log beside the program, then shows the modal "Warning"
// box. The line is on disk before the box appears. A log that cannot be written never swallows
// the error: the box still comes, with a line saying so.
void Error_Handler(const QString& procedureName, const RuntimeError& error);

// The error trap every working procedure uses: runs body; a RuntimeError coming out of it is
// reported under procedureName and the procedure ends there. Returns true when body finished.
template <typename Body> bool trap(const QString& procedureName, Body&& body)
{
    try {
        body();
        return true;
    } catch (const RuntimeError& error) {
        Error_Handler(procedureName, error);
        return false;
    }
}

} // namespace errors
