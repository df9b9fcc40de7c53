#pragma once

#include "errors/runtime_error.h"

#include <QByteArray>
#include <QString>

class QFileDevice;

// The operating-system calls behind files.cpp, in one file per system (files_posix.cpp), which
// CMake picks. Each throws errors::RuntimeError naming path.
namespace platform {

// The two errors a failed file operation gives besides 70 (permission denied): 61 for a full
// disk, else 75 with the system's reason in brackets.
errors::RuntimeError diskFullError(const QString& path);
errors::RuntimeError accessError(const QString& path, const QString& reason);

// Gives file, which was created for its owner alone, the permissions any newly created file gets:
// the device that reads the folder may run as another user.
void permitLikeANewFile(QFileDevice& file, const QString& path);

// Writes all of bytes through file's own descriptor and flushes them to the disk.
void writeAndSync(QFileDevice& file, const QByteArray& bytes, const QString& path);

// Whether any directory entry stands at path: file, folder or link, a dangling one included.
bool nameTaken(const QString& path);

// Puts the folder's entries on the disk, so that a file just renamed into it survives a power cut.
// A file system that cannot sync a folder has nothing more to do: that is no error.
void syncFolder(const QString& folder);

} // namespace platform
