#include "platform/files.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <fcntl.h>
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

// The run-time error for a failed system call on path.
RuntimeError systemError(const QString& path, int error = errno)
{
    const QString where = QDir::toNativeSeparators(path);
    if (error == ENOSPC || error == EDQUOT)
        return RuntimeError(errors::kDiskFull, QStringLiteral("Disk full: %1").arg(where));
    return RuntimeError(
        errors::kPathFileAccessError,
        QStringLiteral("Path/File access error: %1 (%2)").arg(where, QString::fromLocal8Bit(std::strerror(error))));
}

// Straight to the descriptor: Qt's buffered write loses the system's reason for a short write.
void writeAndSync(int fd, const QByteArray& bytes, const QString& path)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t chunk = ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (chunk < 0 && errno == EINTR)
            continue;
        if (chunk <= 0)
            throw systemError(path);
        written += chunk;
    }
    if (::fsync(fd) != 0)
        throw systemError(path);
}

// QTemporaryFile creates its file for the owner alone; the new file gets the permissions any
// newly created file gets (0666 less the umask), since the device reading the folder may run as
// another user.
void permitLikeANewFile(int fd, const QString& path)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(fd, 0666 & ~mask) != 0)
        throw systemError(path);
}

// Any directory entry counts, a dangling symbolic link or a folder included.
bool nameTaken(const QString& path)
{
    struct stat entry;
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0;
}

// A renamed file survives a power cut only once its folder's entry is on disk too. File systems
// that cannot sync a folder say EINVAL; there is nothing more to do on them.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw systemError(folder);
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (error != 0 && error != EINVAL)
        throw systemError(folder, error);
}

} // namespace

QString writeNewFileAtomically(const QString& folder, const QString& stem, const QString& suffix,
                               const QByteArray& bytes)
{
    const QString openableFolder = folderForOpening(folder);
    // Errors name the file the user asked for: the temporary one is hidden and gone afterwards.
    const QString requested = folder + stem + suffix;
    QTemporaryFile temporary(openableFolder + QStringLiteral("/.") + stem + QStringLiteral(".XXXXXX.part"));
    if (!temporary.open())
        throw fileError(temporary, requested);
    permitLikeANewFile(temporary.handle(), requested);
    writeAndSync(temporary.handle(), bytes, requested);

    for (int attempt = 1;; ++attempt) {
        const QString name =
            attempt == 1 ? stem + suffix : QStringLiteral("%1_%2%3").arg(stem).arg(attempt).arg(suffix);
        const QString target = folder + name;
        if (nameTaken(target))
            continue;
        // rename never replaces an existing entry; one created meanwhile just costs one more try.
        if (temporary.rename(target)) {
            temporary.setAutoRemove(false);
            try {
                syncFolder(openableFolder);
            } catch (const RuntimeError&) {
                QFile::remove(target); // not known to be on disk: the user must write it again
                throw;
            }
            return target;
        }
        if (!nameTaken(target))
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
