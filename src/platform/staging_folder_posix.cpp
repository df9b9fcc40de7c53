#include "platform/staging_folder.h"

#include "platform/file_system_posix.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

// Every call works relative to the folder's own descriptor, opened with O_NOFOLLOW: once it is
// open, no link put in its place or inside it can lead a call elsewhere.

namespace platform {
namespace {

errors::RuntimeError systemError(const QString& path, int error)
{
    return errorOf(fileStatusOfSystemError(error), path);
}

// Users who may write the program folder share this one like /tmp; a folder only its owner can
// write stays private. Only the folder's owner can change it; anyone else takes it as it is.
void shareLikeTheProgramFolder(int fd, const QString& path)
{
    struct stat folder;
    struct stat program;
    if (::fstat(fd, &folder) != 0)
        throw systemError(path, errno);
    if (folder.st_uid != ::geteuid() ||
        ::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &program) != 0)
        return;
    mode_t wanted = S_IRWXU;
    if (program.st_mode & S_IWGRP)
        wanted |= S_IRWXG | S_ISVTX;
    if (program.st_mode & S_IWOTH)
        wanted |= S_IRWXO | S_ISVTX;
    // Group members reach the folder only when it has the program folder's group. A user outside
    // that group cannot give it, and shares it through the bits for others alone.
    if ((wanted & S_IRWXG) && folder.st_gid != program.st_gid)
        (void)::fchown(fd, uid_t(-1), program.st_gid);
    if ((folder.st_mode & 07777) != wanted && ::fchmod(fd, wanted) != 0)
        throw systemError(path, errno);
}

struct stat entryOf(int folder, const QByteArray& name, const QString& path)
{
    struct stat entry;
    if (::fstatat(folder, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) != 0)
        throw systemError(path, errno);
    return entry;
}

bool isOwnRegularFile(const struct stat& entry)
{
    return S_ISREG(entry.st_mode) && entry.st_uid == ::geteuid();
}

void writeAll(int fd, const QByteArray& bytes, const QString& path)
{
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t chunk = ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (chunk < 0 && errno == EINTR)
            continue;
        if (chunk <= 0)
            throw systemError(path, errno);
        written += chunk;
    }
}

} // namespace

StagingFolder::StagingFolder(QString path, qintptr handle) : m_path(std::move(path)), m_handle(handle) {}

StagingFolder::StagingFolder(StagingFolder&& other) noexcept : m_path(std::move(other.m_path)), m_handle(other.m_handle)
{
    other.m_handle = -1;
}

StagingFolder::~StagingFolder()
{
    if (m_handle >= 0)
        ::close(int(m_handle));
}

std::optional<StagingFolder> StagingFolder::openExisting(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return std::nullopt;
        if (error != ENOTDIR && error != ELOOP)
            throw systemError(path, error);
        struct stat entry;
        const bool link = ::lstat(QFile::encodeName(path).constData(), &entry) == 0 && S_ISLNK(entry.st_mode);
        throw errors::pathFileAccessError(path, link ? QStringLiteral("a symbolic link, not a folder")
                                                     : QStringLiteral("not a folder"));
    }
    StagingFolder folder(path, fd);
    shareLikeTheProgramFolder(fd, path);
    return folder;
}

void StagingFolder::createFolder(const QString& path)
{
    if (::mkdir(QFile::encodeName(path).constData(), S_IRWXU) != 0 && errno != EEXIST)
        throw errors::pathFileAccessError(
            path, QStringLiteral("cannot create the folder: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
}

QStringList StagingFolder::ownFileNames() const
{
    // A descriptor of its own: reading a folder moves the position of the descriptor it reads.
    const int fd = ::openat(int(m_handle), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd < 0 ? nullptr : ::fdopendir(fd);
    if (dir == nullptr) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        throw systemError(m_path, error);
    }
    QStringList names;
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info;
        if (::fstatat(int(m_handle), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && isOwnRegularFile(info))
            names.append(QFile::decodeName(entry->d_name));
    }
    ::closedir(dir);
    names.sort();
    return names;
}

void StagingFolder::replaceOwnFile(const QString& name, const QByteArray& bytes)
{
    const QByteArray encoded = QFile::encodeName(name);
    const QString path = filePath(name);
    struct stat entry;
    if (::fstatat(int(m_handle), encoded.constData(), &entry, AT_SYMLINK_NOFOLLOW) == 0)
        removeFile(name);
    const int fd = ::openat(int(m_handle), encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            S_IRUSR | S_IWUSR);
    if (fd < 0)
        throw systemError(path, errno);
    try {
        if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0) // whatever the umask took away
            throw systemError(path, errno);
        writeAll(fd, bytes, path);
    } catch (const errors::RuntimeError&) {
        ::close(fd);
        ::unlinkat(int(m_handle), encoded.constData(), 0);
        throw;
    }
    ::close(fd);
}

QByteArray StagingFolder::readFile(const QString& name) const
{
    const QString path = filePath(name);
    const int fd =
        ::openat(int(m_handle), QFile::encodeName(name).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw errno == ELOOP ? errors::pathFileAccessError(path, QStringLiteral("a symbolic link"))
                             : systemError(path, errno);
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw errors::pathFileAccessError(path, QStringLiteral("not a regular file"));
    }
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t chunk = ::read(fd, buffer, sizeof buffer);
        if (chunk < 0 && errno == EINTR)
            continue;
        if (chunk < 0) {
            const int error = errno;
            ::close(fd);
            throw systemError(path, error);
        }
        if (chunk == 0)
            break;
        bytes.append(buffer, chunk);
    }
    ::close(fd);
    return bytes;
}

void StagingFolder::removeFile(const QString& name)
{
    const QByteArray encoded = QFile::encodeName(name);
    const QString path = filePath(name);
    const struct stat entry = entryOf(int(m_handle), encoded, path);
    if (!isOwnRegularFile(entry))
        throw errors::pathFileAccessError(path, QStringLiteral("not a file of this user"));
    if (!(entry.st_mode & S_IWUSR))
        throw errors::pathFileAccessError(path, QStringLiteral("read-only file"));
    if (::unlinkat(int(m_handle), encoded.constData(), 0) != 0)
        throw systemError(path, errno);
}

QString StagingFolder::userTag()
{
    return QString::number(::geteuid());
}

} // namespace platform
