#include "platform/staging_folder.h"
#include "platform/staging_folder_system.h"

#include "platform/file_system_posix.h"
#include "platform/system_messages.h"

#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

// Every call works relative to the folder's own descriptor, opened with O_NOFOLLOW: once it is
// open, no link put in its place or inside it can lead a call elsewhere.

namespace platform::staging {
namespace {

FileStatus lastError()
{
    return fileStatusOfSystemError(errno);
}

Entry::Kind kindOf(const struct stat& entry)
{
    if (S_ISLNK(entry.st_mode))
        return Entry::Kind::Link;
    if (S_ISDIR(entry.st_mode))
        return Entry::Kind::Folder;
    return S_ISREG(entry.st_mode) ? Entry::Kind::RegularFile : Entry::Kind::Other;
}

Entry entryOf(const struct stat& entry)
{
    return {kindOf(entry), entry.st_uid == ::geteuid(), !(entry.st_mode & S_IWUSR)};
}

} // namespace

FileStatus openFolder(const QString& path, Entry::Kind& found, qintptr& folder)
{
    const QByteArray encoded = QFile::encodeName(path);
    const int fd = ::open(encoded.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        found = Entry::Kind::Folder;
        folder = fd;
        return {};
    }
    const int error = errno;
    struct stat entry;
    if (error == ENOENT)
        found = Entry::Kind::Missing;
    else if (error == ENOTDIR || error == ELOOP)
        found = ::lstat(encoded.constData(), &entry) == 0 && S_ISLNK(entry.st_mode) ? Entry::Kind::Link
                                                                                    : Entry::Kind::Other;
    return fileStatusOfSystemError(error);
}

void closeFolder(qintptr folder)
{
    ::close(int(folder));
}

QString createFolder(const QString& path)
{
    if (::mkdir(QFile::encodeName(path).constData(), S_IRWXU) != 0 && errno != EEXIST)
        return systemMessage(errno);
    return {};
}

// Users who may write the program folder share this one like /tmp; a folder only its owner can
// write stays private. Only the folder's owner can change it; anyone else takes it as it is.
FileStatus shareLikeTheProgramFolder(qintptr folder, const QString& path)
{
    const int fd = int(folder);
    struct stat own;
    struct stat program;
    if (::fstat(fd, &own) != 0)
        return lastError();
    if (own.st_uid != ::geteuid() ||
        ::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &program) != 0)
        return {};
    mode_t wanted = S_IRWXU;
    if (program.st_mode & S_IWGRP)
        wanted |= S_IRWXG | S_ISVTX;
    if (program.st_mode & S_IWOTH)
        wanted |= S_IRWXO | S_ISVTX;
    // Group members reach the folder only when it has the program folder's group. A user outside
    // that group cannot give it, and shares it through the bits for others alone.
    if ((wanted & S_IRWXG) && own.st_gid != program.st_gid)
        (void)::fchown(fd, uid_t(-1), program.st_gid);
    if ((own.st_mode & 07777) != wanted && ::fchmod(fd, wanted) != 0)
        return lastError();
    return {};
}

FileStatus listEntries(qintptr folder, const QString&, QList<std::pair<QString, Entry>>& entries)
{
    // A descriptor of its own: reading a folder moves the position of the descriptor it reads.
    const int fd = ::openat(int(folder), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (dir == nullptr) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        return fileStatusOfSystemError(error);
    }
    while (const dirent* found = ::readdir(dir)) {
        struct stat entry;
        if (::fstatat(int(folder), found->d_name, &entry, AT_SYMLINK_NOFOLLOW) == 0)
            entries.append({QFile::decodeName(found->d_name), entryOf(entry)});
    }
    ::closedir(dir);
    return {};
}

FileStatus lookAt(qintptr folder, const QString& name, const QString&, Entry& entry)
{
    struct stat info;
    if (::fstatat(int(folder), QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return lastError();
    entry = entryOf(info);
    return {};
}

FileStatus removeEntry(qintptr folder, const QString& name, const QString&)
{
    return ::unlinkat(int(folder), QFile::encodeName(name).constData(), 0) == 0 ? FileStatus{} : lastError();
}

FileStatus createPrivateFile(qintptr folder, const QString& name, const QString& path, OpenFile& file)
{
    const QByteArray encoded = QFile::encodeName(name);
    const int fd = ::openat(int(folder), encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            S_IRUSR | S_IWUSR);
    if (fd < 0)
        return lastError();
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0) { // whatever the umask took away
        const FileStatus failed = lastError();
        ::close(fd);
        ::unlinkat(int(folder), encoded.constData(), 0);
        return failed;
    }
    file = {path, fd};
    return {};
}

FileStatus openForReading(qintptr folder, const QString& name, const QString& path, Entry::Kind& found, OpenFile& file)
{
    // O_NONBLOCK: a FIFO at the name must not hold Lumvik until someone writes it.
    const int fd =
        ::openat(int(folder), QFile::encodeName(name).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP)
            found = Entry::Kind::Link;
        return lastError();
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        found = Entry::Kind::Other;
        return FileStatus::failed(FileStatus::Kind::Failed, QStringLiteral("not a regular file"));
    }
    file = {path, fd};
    return {};
}

FileStatus readSome(const OpenFile& file, char* buffer, qsizetype size, qsizetype& read)
{
    const ssize_t chunk = ::read(int(file.handle), buffer, std::size_t(size));
    read = chunk > 0 ? chunk : 0;
    if (chunk >= 0)
        return {};
    return errno == EINTR ? FileStatus::failed(FileStatus::Kind::Interrupted) : lastError();
}

} // namespace platform::staging

namespace platform {

QString StagingFolder::userTag()
{
    return QString::number(::geteuid());
}

} // namespace platform
