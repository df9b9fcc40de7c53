#pragma once

#include "runtime_errors/runtime_error.h"

#include <QString>

namespace platform {

// One running Lumvik per program folder, decided by that folder alone: the lock is the file
// Lumvik.lock beside the program, where only the users of this Lumvik can write, so neither the
// environment (TMPDIR, USER) nor a file another user plants in a shared folder has a say. The
// lock is the operating system's lock on that file, which ends with the process that holds it,
// so a file left by a crashed instance is simply locked again; the file is removed at a normal end.
class SingleInstance
{
public:
    enum class Outcome {
        Acquired,
        AnotherRuns,
        Unavailable, // the lock cannot be created (read-only program folder); no instance holds it
    };

    explicit SingleInstance(const QString& programFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    Outcome acquire();
    // Why acquire() gave Unavailable: 70 for a folder the user may not write, else 75.
    errors::RuntimeError unavailableError() const;

private:
    // What the system error behind Unavailable amounts to (single_instance_<system>.cpp).
    enum class Failure { AccessDenied, NotARegularFile, Other };
    Failure failure() const;

    QString m_path;
    qintptr m_lock = -1;    // the open, locked file (descriptor or handle) while this instance holds it
    long m_systemError = 0; // errno or GetLastError() of the failure behind Unavailable
};

} // namespace platform
