#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

using errors::RuntimeError;

errors::RuntimeError fileError(const QFileDevice& file, const QString& path)
{
    const QString where = QDir::toNativeSeparators(path);
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return RuntimeError(errors::kPermissionDenied, QStringLiteral("Permission denied: %1").arg(where));
    case QFileDevice::ResourceError:
        return RuntimeError(errors::kDiskFull, QStringLiteral("Disk full: %1").arg(where));
    default:
        return RuntimeError(errors::kPathFileAccessError,
                            QStringLiteral("Path/File access error: %1 (%2)").arg(where, file.errorString()));
    }
}

namespace {

QString folderForOpening(const QString& folder)
{
    const QString effective = folder.isEmpty() ? QDir::currentPath() : folder;
    const QFileInfo info(effective);
    if (!info.isDir())
        throw RuntimeError(errors::kPathNotFound,
                           QStringLiteral("Path not found: %1").arg(QDir::toNativeSeparators(effective)));
    if (!info.isWritable())
        throw RuntimeError(errors::kPermissionDenied,
                           QStringLiteral("Permission denied: %1").arg(QDir::toNativeSeparators(effective)));
    return effective;
}

void writeAndSync(QFileDevice& file, const QByteArray& bytes, const QString& path)
{
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
        throw fileError(file, path);
}

// QTemporaryFile creates its file for the owner alone; the new file gets the permissions any
// newly created file gets (0666 less the umask), since the device reading the folder may run as
// another user.
void permitLikeANewFile(const QFileDevice& file, const QString& path)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(file.handle(), 0666 & ~mask) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        const QString where = QDir::toNativeSeparators(path);
        throw RuntimeError(errors::kPathFileAccessError,
                           QStringLiteral("Path/File access error: %1 (%2)").arg(where, reason));
    }
}

} // namespace

QString writeNewFileAtomically(const QString& folder, const QString& stem, const QString& suffix,
                               const QByteArray& bytes)
{
    const QString openableFolder = folderForOpening(folder);
    QTemporaryFile temporary(openableFolder + QStringLiteral("/.") + stem + QStringLiteral(".XXXXXX.part"));
    if (!temporary.open())
        throw fileError(temporary, folder + stem + suffix);
    permitLikeANewFile(temporary, temporary.fileName());
    writeAndSync(temporary, bytes, temporary.fileName());

    for (int attempt = 1;; ++attempt) {
        const QString name =
            attempt == 1 ? stem + suffix : QStringLiteral("%1_%2%3").arg(stem).arg(attempt).arg(suffix);
        const QString target = folder + name;
        if (QFileInfo::exists(target))
            continue;
        // rename never replaces an existing file; a file created meanwhile just costs one more try.
        if (temporary.rename(target)) {
            temporary.setAutoRemove(false);
            return target;
        }
        if (!QFileInfo::exists(target))
            throw fileError(temporary, target);
    }
}

void replaceFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw fileError(file, path);
    // commit() ignores a failure of its own final flush and would rename a cut file over the old
    // one (a full disk mid-write): flush first; a file never committed is dropped.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        throw fileError(file, path);
}

} // namespace platform
