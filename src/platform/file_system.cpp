#include "platform/file_system.h"

namespace platform {
namespace {

FileSystem*& installed()
{
    static FileSystem* fileSystem = nullptr;
    return fileSystem;
}

} // namespace

FileSystem& fileSystem()
{
    return installed() ? *installed() : systemFileSystem();
}

ScopedFileSystem::ScopedFileSystem(FileSystem& fileSystem) : ScopedOverride(installed(), &fileSystem) {}

} // namespace platform
