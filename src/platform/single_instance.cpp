#include "platform/single_instance.h"

namespace platform {

SingleInstance::SingleInstance(const QString& programFolder) : m_path(programFolder + QStringLiteral("/Lumvik.lock")) {}

errors::RuntimeError SingleInstance::unavailableError() const
{
    // Lumvik starts without the lock, so the message says what is lost.
    const QString consequence = QStringLiteral("a second Lumvik started from this folder is not stopped");
    switch (failure()) {
    case Failure::AccessDenied:
        return errors::permissionDenied(m_path, consequence);
    case Failure::NotARegularFile:
        return errors::pathFileAccessError(m_path,
                                           QStringLiteral("not a regular file, never followed; ") + consequence);
    case Failure::Other:
        break;
    }
    return errors::pathFileAccessError(m_path, consequence);
}

} // namespace platform
