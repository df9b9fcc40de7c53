#include "platform/file_system.h"

#include <QDir>
#include <QRandomGenerator>

namespace platform {

QString temporaryFilePath(const QString& folder, const QString& stem)
{
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString unique;
    for (int i = 0; i < 6; ++i)
        unique += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return QDir(folder).filePath(QStringLiteral(".%1.%2.part").arg(stem, unique));
}

FileStatus writeAll(FileSystem& files, const OpenFile& file, QByteArrayView bytes)
{
    for (QByteArrayView rest = bytes; !rest.isEmpty();) {
        qsizetype written = 0;
        const FileStatus status = files.writeSome(file, rest, written);
        if (status.kind == FileStatus::Kind::Interrupted)
            continue;
        if (!status.ok())
            return status;
        if (written == 0)
            return FileStatus::failed(FileStatus::Kind::DiskFull);
        rest = rest.sliced(written);
    }
    return {};
}

errors::RuntimeError errorOf(const FileStatus& status, const QString& path)
{
    switch (status.kind) {
    case FileStatus::Kind::DiskFull:
        return errors::diskFull(path);
    case FileStatus::Kind::PermissionDenied:
        return errors::permissionDenied(path);
    default:
        return errors::pathFileAccessError(path, status.reason);
    }
}

namespace {

FileSystem*& installedFileSystem()
{
    static FileSystem* fileSystem = &systemFileSystem();
    return fileSystem;
}

} // namespace

FileSystem& fileSystem()
{
    return *installedFileSystem();
}

ScopedFileSystem::ScopedFileSystem(FileSystem& fileSystem) : ScopedOverride(installedFileSystem(), &fileSystem) {}

} // namespace platform
