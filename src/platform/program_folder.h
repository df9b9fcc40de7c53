#pragma once

#include "platform/scoped_override.h"

#include <QString>

namespace platform {

// The folder that holds the executable, without a trailing separator. Settings.ini,
// Language.mdb, Logs/ and Temp/ live here.
QString programFolder();

// Lets tests (and tools) point the program at a folder of their own.
class ScopedProgramFolder : public ScopedOverride<QString>
{
public:
    explicit ScopedProgramFolder(const QString& folder);
};

} // namespace platform
