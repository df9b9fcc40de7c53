#include "platform/file_system_calls.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {
namespace {

errors::RuntimeError systemError(const QString& path, int error = errno)
{
    if (error == ENOSPC || error == EDQUOT)
        return diskFullError(path);
    return accessError(path, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

// 0666 less the umask, as open() would have given it.
void permitLikeANewFile(QFileDevice& file, const QString& path)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(file.handle(), 0666 & ~mask) != 0)
        throw systemError(path);
}

// Straight to the descriptor: Qt's buffered write loses the system's reason for a short write.
void writeAndSync(QFileDevice& file, const QByteArray& bytes, const QString& path)
{
    const int fd = file.handle();
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t chunk = ::write(fd, bytes.constData() + written, std::size_t(bytes.size() - written));
        if (chunk < 0 && errno == EINTR)
            continue;
        if (chunk <= 0)
            throw systemError(path);
        written += chunk;
    }
    if (::fsync(fd) != 0)
        throw systemError(path);
}

bool nameTaken(const QString& path)
{
    struct stat entry;
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0;
}

// File systems that cannot sync a folder say EINVAL.
void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw systemError(folder);
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    if (error != 0 && error != EINVAL)
        throw systemError(folder, error);
}

} // namespace platform
