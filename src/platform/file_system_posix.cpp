#include "platform/file_system_posix.h"

#include "platform/file_writes.h"
#include "platform/system_messages.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace platform {

FileStatus fileStatusOfSystemError(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return FileStatus::failed(FileStatus::Kind::DiskFull);
    case EACCES:
    case EPERM:
    case EROFS:
        return FileStatus::failed(FileStatus::Kind::PermissionDenied);
    default:
        return FileStatus::failed(FileStatus::Kind::Failed, systemMessage(error));
    }
}

namespace {

FileStatus lastError()
{
    return fileStatusOfSystemError(errno);
}

FileStatus okUnless(bool failed)
{
    return failed ? lastError() : FileStatus{};
}

// renameat2 and link both say EEXIST for an entry of any kind at the new name.
FileStatus notReplacing()
{
    return errno == EEXIST ? FileStatus::failed(FileStatus::Kind::NameTaken) : lastError();
}

QByteArray encoded(const QString& path)
{
    return QFile::encodeName(path);
}

class PosixFileSystem : public FileSystem
{
public:
    FileStatus createTemporaryFile(const QString& folder, const QString& stem, OpenFile& file) override
    {
        for (;;) {
            const QString path = temporaryFilePath(folder, stem);
            // 0666 less the umask, as for any new file: the device reading the folder may be another user.
            const int fd = ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                file = {path, fd};
                return {};
            }
            if (errno != EEXIST && errno != EINTR)
                return lastError();
        }
    }

    FileStatus writeSome(const OpenFile& file, QByteArrayView bytes, qsizetype& written) override
    {
        const ssize_t count = ::write(int(file.handle), bytes.data(), std::size_t(bytes.size()));
        written = count > 0 ? count : 0;
        if (count < 0 && errno == EINTR)
            return FileStatus::failed(FileStatus::Kind::Interrupted);
        return okUnless(count < 0);
    }

    FileStatus flushToDisk(const OpenFile& file) override { return okUnless(::fsync(int(file.handle)) != 0); }

    FileStatus closeFile(OpenFile& file) override
    {
        const int fd = int(std::exchange(file.handle, -1));
        // After close() the descriptor is gone even when it reports EINTR: never close it twice.
        return okUnless(::close(fd) != 0 && errno != EINTR);
    }

    FileStatus renameWithoutReplacing(const QString& from, const QString& to) override
    {
        const QByteArray source = encoded(from);
        const QByteArray target = encoded(to);
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
            return {};
        if (errno != EINVAL && errno != ENOSYS)
            return notReplacing();
        // A file system without the flag: a hard link never replaces either.
        if (::link(source.constData(), target.constData()) != 0)
            return notReplacing();
        if (::unlink(source.constData()) != 0) {
            const FileStatus failed = lastError();
            ::unlink(target.constData());
            return failed;
        }
        return {};
    }

    FileStatus renameReplacing(const QString& from, const QString& to) override
    {
        const QByteArray source = encoded(from);
        const QByteArray target = encoded(to);
        struct stat replaced;
        if (::stat(target.constData(), &replaced) == 0 && ::chmod(source.constData(), replaced.st_mode & 07777) != 0)
            return lastError();
        return okUnless(::rename(source.constData(), target.constData()) != 0);
    }

    FileStatus removeFile(const QString& path) override { return okUnless(::unlink(encoded(path).constData()) != 0); }

    // File systems that cannot sync a folder say EINVAL.
    FileStatus syncFolder(const QString& folder) override
    {
        const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return lastError();
        const int error = ::fsync(fd) == 0 ? 0 : errno;
        ::close(fd);
        return error == 0 || error == EINVAL ? FileStatus{} : fileStatusOfSystemError(error);
    }

    bool entryExists(const QString& path) override
    {
        struct stat entry;
        return ::lstat(encoded(path).constData(), &entry) == 0;
    }

    EntryLook lookAt(const QString& path) override
    {
        struct stat entry;
        if (::lstat(encoded(path).constData(), &entry) == 0) {
            QByteArray identity;
            for (const qint64 part : {qint64(entry.st_dev), qint64(entry.st_ino), qint64(entry.st_size),
                                      qint64(entry.st_mtim.tv_sec), qint64(entry.st_mtim.tv_nsec)})
                identity += QByteArray::number(part) + ':';
            return {EntryLook::Kind::Present, identity};
        }
        if (errno != ENOENT)
            return {};
        // No such name, also when the folder itself is gone: only a folder still standing says Absent.
        struct stat folder;
        const bool folderStands =
            ::stat(encoded(QFileInfo(path).path()).constData(), &folder) == 0 && S_ISDIR(folder.st_mode);
        return {folderStands ? EntryLook::Kind::Absent : EntryLook::Kind::Unknown, {}};
    }

    std::optional<QStringList> entryNames(const QString& folder) override
    {
        DIR* stream = ::opendir(encoded(folder).constData());
        if (!stream)
            return std::nullopt;
        QStringList names;
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(stream);
            if (!entry)
                break;
            const QString name = QFile::decodeName(entry->d_name);
            if (name != QLatin1String(".") && name != QLatin1String(".."))
                names.append(name);
        }
        const int error = errno;
        ::closedir(stream);
        if (error != 0)
            return std::nullopt;
        return names;
    }
};

} // namespace

FileSystem& systemFileSystem()
{
    static PosixFileSystem fileSystem;
    return fileSystem;
}

namespace {

errors::RuntimeError systemError(const QString& path, int error)
{
    return errorOf(fileStatusOfSystemError(error), path);
}

// A descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

// Why the entry name in folder could not be opened as the kind wanted: a link or another kind of
// entry is named as such, anything else by the system's reason.
errors::RuntimeError refusal(int folder, const QByteArray& name, const QString& path, int error)
{
    struct stat entry;
    if ((error == ELOOP || error == ENOTDIR) && ::fstatat(folder, name.constData(), &entry, AT_SYMLINK_NOFOLLOW) == 0)
        return errors::pathFileAccessError(path, S_ISLNK(entry.st_mode)
                                                     ? QStringLiteral("a symbolic link, never followed")
                                                     : QStringLiteral("not a folder"));
    return systemError(path, error);
}

} // namespace

// Each step opens one name relative to the descriptor of the folder before it, with O_NOFOLLOW:
// no link put at either name, before or meanwhile, can lead the bytes elsewhere.
OpenFile openToAppendInSubfolder(const QString& folder, const QString& subfolder, const QString& name)
{
    const QString subfolderPath = folder + QLatin1Char('/') + subfolder;
    const QString path = subfolderPath + QLatin1Char('/') + name;
    const QByteArray subfolderName = encoded(subfolder);
    const QByteArray fileName = encoded(name);

    // The folder itself may well be reached through a link (an installation's own choice).
    const Descriptor parent(::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent.valid())
        throw errno == ENOENT ? errors::pathNotFound(folder) : systemError(folder, errno);
    // 0777 less the umask, as any new folder gets.
    if (::mkdirat(parent.get(), subfolderName.constData(), 0777) != 0 && errno != EEXIST)
        throw systemError(subfolderPath, errno);
    const Descriptor inside(
        ::openat(parent.get(), subfolderName.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!inside.valid())
        throw refusal(parent.get(), subfolderName, subfolderPath, errno);

    // O_NONBLOCK: a FIFO at the name must not hold Lumvik until someone reads it.
    Descriptor file(::openat(inside.get(), fileName.constData(),
                             O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
    if (!file.valid())
        throw refusal(inside.get(), fileName, path, errno);
    struct stat opened;
    if (::fstat(file.get(), &opened) != 0)
        throw systemError(path, errno);
    if (!S_ISREG(opened.st_mode))
        throw errors::pathFileAccessError(path, QStringLiteral("not a regular file"));
    return {path, file.release()};
}

} // namespace platform
