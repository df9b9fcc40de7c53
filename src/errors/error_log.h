#pragma once

#include "runtime_errors/runtime_error.h"

#include <QDateTime>

namespace errors {

// " # 53 - File not found - cmdCreate_Click": the message-box text, and the log line's tail.
QString errorSummary(const QString& procedureName, const RuntimeError& error);

// One log line without its line end: "06.12.2016 - 07:40:18 # 53 - File not found - cmdCreate_Click".
QString logLine(const QDateTime& when, const QString& procedureName, const RuntimeError& error);

// Creates Logs/ and the log file when missing and appends one CR LF-terminated line in the
// system code page, a character it lacks written as "<U+0416>". Returns false when the folder or
// file could not be created or written, when either is a link (never followed), and when the
// program folder itself is gone (it is never made anew).
bool appendToErrorLog(const QString& line);

QString errorLogPath();

} // namespace errors
