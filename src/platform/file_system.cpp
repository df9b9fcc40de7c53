#include "platform/file_system.h"

namespace platform {

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
