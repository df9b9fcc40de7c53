#pragma once

#include <QString>

namespace platform {

// The folder that holds the executable, without a trailing separator. Settings.ini,
// Language.mdb, Logs/ and Temp/ live here.
QString programFolder();

// Lets tests (and tools) point the program at a folder of their own.
class ScopedProgramFolder
{
public:
    explicit ScopedProgramFolder(const QString& folder);
    ~ScopedProgramFolder();
    ScopedProgramFolder(const ScopedProgramFolder&) = delete;
    ScopedProgramFolder& operator=(const ScopedProgramFolder&) = delete;

private:
    QString m_previous;
};

} // namespace platform
