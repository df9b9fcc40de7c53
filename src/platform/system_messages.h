#pragma once

#include <QString>

namespace platform {

// Makes the system's error texts (strerror, and Qt's errorString() built on it) English for the
// rest of the run, whatever the user's locale: they end up inside error descriptions, which are
// English. To run at start-up, after QCoreApplication has set the locale from the environment.
void useEnglishSystemMessages();

// The system's English text for an error code of this system (errno; GetLastError() on
// Windows). Where the system has no English text for it, the number: "system error 1234".
QString systemMessage(long code);

} // namespace platform
