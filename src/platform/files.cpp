#include "platform/files.h"

#include "platform/file_system_calls.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace platform {

using errors::RuntimeError;

errors::RuntimeError diskFullError(const QString& path)
{
    return RuntimeError(errors::kDiskFull, QStringLiteral("Disk full: %1").arg(QDir::toNativeSeparators(path)));
}

errors::RuntimeError accessError(const QString& path, const QString& reason)
{
    return RuntimeError(errors::kPathFileAccessError,
                        QStringLiteral("Path/File access error: %1 (%2)").arg(QDir::toNativeSeparators(path), reason));
}

errors::RuntimeError fileError(const QFileDevice& file, const QString& path)
{
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return RuntimeError(errors::kPermissionDenied,
                            QStringLiteral("Permission denied: %1").arg(QDir::toNativeSeparators(path)));
    case QFileDevice::ResourceError:
        return diskFullError(path);
    default:
        return accessError(path, file.errorString());
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
    permitLikeANewFile(temporary, requested);
    writeAndSync(temporary, bytes, requested);

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
