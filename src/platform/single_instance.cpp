#include "platform/single_instance.h"

namespace platform {

SingleInstance::SingleInstance(const QString& programFolder)
    : m_path(programFolder + QStringLiteral("/Lumvik.lock")), m_lock(m_path)
{
    // Only a dead owner makes a lock stale, however old it is.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::acquire()
{
    if (m_lock.tryLock(0))
        return Outcome::Acquired;
    return m_lock.error() == QLockFile::LockFailedError ? Outcome::AnotherRuns : Outcome::Unavailable;
}

errors::RuntimeError SingleInstance::unavailableError() const
{
    const QString consequence =
        QStringLiteral("%1 (a second Lumvik started from this folder is not stopped)").arg(m_path);
    if (m_lock.error() == QLockFile::PermissionError)
        return {errors::kPermissionDenied, QStringLiteral("Permission denied: ") + consequence};
    return {errors::kPathFileAccessError, QStringLiteral("Path/File access error: ") + consequence};
}

} // namespace platform
