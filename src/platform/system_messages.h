#pragma once

#include <QString>

namespace platform {

// Makes the system's error texts (strerror, and Qt's errorString() built on it) English for the
// rest of the run, whatever the user's locale: they end up inside error descriptions, which are
// English. To run at start-up, after QCoreApplication has set the locale from the environment.
void useEnglishSystemMessages();

// The system's English text for an error code of this system (errno; GetLastError() on
// Windows). Where the system has no English text for it, the number: "system error 1234". Windows'
// texts hold places for the file they speak of ("%1 is not a valid Win32 application"): subject
// fills them, "it" where none is given, so that no "%1" is ever shown.
QString systemMessage(long code, const QString& subject = {});

// Where the system keeps its own copy of the toolkit's translated texts (qtbase_<language>.qm),
// which a distribution ships with its Qt; empty where there is none (Windows: the program folder
// carries them).
QString systemQtTranslationsFolder();

} // namespace platform
