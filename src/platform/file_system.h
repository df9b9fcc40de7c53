#pragma once

#include "platform/scoped_override.h"
#include "runtime_errors/runtime_error.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

// The few operating-system calls that Lumvik's file writes stand on (platform/file_writes.cpp builds
// the new request file and the replacement of Settings.ini from them). One implementation per
// system, picked by CMake (file_system_posix.cpp, file_system_win32.cpp); tests put a scripted one in its
// place to reach a full disk, a refused write or a name taken at the last moment.
//
// Contract for every implementation:
// - Paths are Qt paths ("/" separators, or native ones; absolute or relative to the working
//   folder). A folder argument may end in a separator.
// - No operation throws. Each reports a FileStatus, the system's error already sorted into what
//   the user will read: DiskFull for a full disk or quota, the inodes or directory entries of
//   the file system included (POSIX ENOSPC, EDQUOT; Windows ERROR_DISK_FULL,
//   ERROR_HANDLE_DISK_FULL, ERROR_DISK_QUOTA_EXCEEDED); PermissionDenied when the user may not do
//   it (EACCES, EPERM, EROFS; ERROR_ACCESS_DENIED, ERROR_WRITE_PROTECT); NameTaken only where an
//   operation says so; anything else is Failed with the system's own reason in English
//   ("Input/output error"), whatever the user's locale.
// - An operation that fails leaves nothing of its own behind (no half-created file).
namespace platform {

struct FileStatus
{
    enum class Kind {
        Ok,
        DiskFull,
        PermissionDenied,
        NameTaken,
        Interrupted, // a write stopped by a signal before it wrote anything: try again
        Failed,
    };
    Kind kind = Kind::Ok;
    QString reason; // the system's English text; for Failed always set

    bool ok() const { return kind == Kind::Ok; }
    static FileStatus failed(Kind kind, const QString& reason = {}) { return {kind, reason}; }
};

// A file opened for writing by createTemporaryFile. handle means something only to the
// implementation that made it (a descriptor, a HANDLE), and is -1 when no file is open; path is
// the file's full name.
struct OpenFile
{
    QString path;
    qintptr handle = -1;
};

// What one look at a directory entry found. A folder that is gone, cannot be read or does not
// answer makes its entries Unknown, never Absent: a request on a share that went away has not
// been taken.
struct EntryLook
{
    enum class Kind { Present, Absent, Unknown };
    Kind kind = Kind::Unknown;
    // For Present: tells this file from every other one, also after a rename: device and inode
    // (volume and file index), with size and time of the last write, since a file written after
    // another was deleted may get its number. Empty where the system cannot say.
    QByteArray identity;
};

class FileSystem
{
public:
    virtual ~FileSystem() = default;

    // Creates a new, empty file in folder and opens it for writing. Its name starts with "." and
    // stem, then some characters that make it unique, and ends in ".part", so it can never be
    // mistaken for a finished file. It gets the permissions any new file of this user in that
    // folder gets (readable by the device that reads the folder, which may run as another user).
    // Not inherited by started programs. On success fills file; close it with closeFile.
    virtual FileStatus createTemporaryFile(const QString& folder, const QString& stem, OpenFile& file) = 0;

    // Writes a first part of bytes at the file's current end: Ok with written > 0 (fewer than
    // asked is a short write; call again with the rest), Interrupted with written == 0, or an
    // error. bytes is never empty.
    virtual FileStatus writeSome(const OpenFile& file, QByteArrayView bytes, qsizetype& written) = 0;

    // Puts the file's bytes on the disk itself (not only in the system's cache).
    virtual FileStatus flushToDisk(const OpenFile& file) = 0;

    // Closes the file; the handle is invalid afterwards whatever the outcome.
    virtual FileStatus closeFile(OpenFile& file) = 0;

    // Gives the closed file from the name to, in the same folder, only if no entry of any kind
    // (file, folder, link, a dangling link included) stands at to: NameTaken otherwise, and from
    // is left as it was. Atomic: no moment at which to exists half-written.
    virtual FileStatus renameWithoutReplacing(const QString& from, const QString& to) = 0;

    // Gives the closed file from the name to, in the same folder, replacing a file at to in one
    // step: a reader sees the old file or the new one, never neither. The new file keeps the
    // access rights of the one it replaces (a Settings.ini an administrator has restricted).
    virtual FileStatus renameReplacing(const QString& from, const QString& to) = 0;

    // Removes the file (not a folder) at path.
    virtual FileStatus removeFile(const QString& path) = 0;

    // Puts the folder's entries on the disk, so that a name just given survives a power cut.
    // Ok without doing anything where the system or file system has no such operation (Windows:
    // the rename itself is written through).
    virtual FileStatus syncFolder(const QString& folder) = 0;

    // Whether any entry stands at path: file, folder or link, a dangling link included.
    virtual bool entryExists(const QString& path) = 0;

    // Whether an entry stands at path (a link is not followed), and which file it is. May block for
    // as long as the folder's share does not answer, so the window never calls it itself.
    virtual EntryLook lookAt(const QString& path) = 0;

    // The names of folder's entries ("." and ".." left out), or nullopt when it cannot be read.
    // May block as lookAt does.
    virtual std::optional<QStringList> entryNames(const QString& folder) = 0;
};

// "<folder>/.<stem>.<unique>.part", a new unique part at every call: the name that
// createTemporaryFile tries, in every implementation.
QString temporaryFilePath(const QString& folder, const QString& stem);

// Writes all of bytes at the end of file through files: short and interrupted writes are
// continued, and a write that takes nothing is a full disk.
FileStatus writeAll(FileSystem& files, const OpenFile& file, QByteArrayView bytes);

// The error a failed operation on path gives the user: 61 for a full disk, 70 for a refusal, else
// 75 with the system's reason.
errors::RuntimeError errorOf(const FileStatus& status, const QString& path);

// The file system in use: the system's own unless a test has put another in place.
FileSystem& fileSystem();

// Puts fileSystem in place of the current one for the guard's lifetime.
class ScopedFileSystem : public ScopedOverride<FileSystem*>
{
public:
    explicit ScopedFileSystem(FileSystem& fileSystem);
};

// The system's own file system (the files_<system>.cpp file defines it).
FileSystem& systemFileSystem();

} // namespace platform
