#pragma once

#include "errors/runtime_error.h"

#include <QLockFile>
#include <QString>

namespace platform {

// One running Lumvik per program folder, decided by that folder alone: the lock is the file
// Lumvik.lock beside the program, where only the users of this Lumvik can write, so neither the
// environment (TMPDIR, USER) nor a file another user plants in a shared folder has a say. The
// lock carries the owner's process id, so one left by a crashed instance is taken over.
class SingleInstance
{
public:
    enum class Outcome {
        Acquired,
        AnotherRuns,
        Unavailable, // the lock cannot be created (read-only program folder); no instance holds it
    };

    explicit SingleInstance(const QString& programFolder);
    Outcome acquire();
    // Why acquire() gave Unavailable: 70 for a folder the user may not write, else 75.
    errors::RuntimeError unavailableError() const;

private:
    QString m_path;
    QLockFile m_lock;
};

} // namespace platform
