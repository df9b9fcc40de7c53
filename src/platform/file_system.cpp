#include "platform/file_system.h"

namespace platform {
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
