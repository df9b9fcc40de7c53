#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>

namespace platform {

SingleInstance::SingleInstance(const QString& programFolder)
{
    const QByteArray key = QCryptographicHash::hash(programFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name =
        QStringLiteral("lumvik-%1-%2.lock").arg(qEnvironmentVariable("USER"), QString::fromLatin1(key));
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(name));
    // Only a dead owner makes a lock stale, however old it is.
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock->tryLock(0);
}

} // namespace platform
