#include "platform/single_instance.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// flock() rather than QLockFile: QLockFile writes the owner's process id and host name into the
// file and syncs it to disk, which costs a journal commit at every start (milliseconds on a busy
// disk). A kernel lock needs neither: it is released when its holder ends, however it ends.
// O_CLOEXEC keeps programs that Lumvik starts (Orvane) from inheriting, and so keeping, the lock.

namespace platform {
namespace {

// A symbolic link standing at the lock's name is never followed (ELOOP), and anything else that
// is no regular file (a FIFO would block the start) is refused as kNotRegularFile.
constexpr int kNoFollow = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
constexpr int kNotRegularFile = -1; // no errno is negative

int openLockFile(const QByteArray& path, int& error)
{
    // Read-write where possible: on network file systems an exclusive lock needs a writable file.
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | kNoFollow, 0644);
    if (fd < 0 && (errno == EACCES || errno == EROFS)) {
        error = errno;
        // Another user's lock file, or one in a folder that has become read-only: reading it is
        // enough to lock it locally.
        fd = ::open(path.constData(), O_RDONLY | kNoFollow);
        if (fd < 0 && errno != ENOENT)
            error = errno;
    } else if (fd < 0) {
        error = errno;
    }
    struct stat opened;
    if (fd >= 0 && (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))) {
        ::close(fd);
        error = kNotRegularFile;
        return -1;
    }
    return fd;
}

bool entryExists(const QByteArray& path)
{
    struct stat entry;
    return ::lstat(path.constData(), &entry) == 0;
}

enum class Named { Same, Gone, Unknown };

// Whether the locked file is still the one at path: its holder may have removed it (and another
// start made a new one) between our open and our lock.
Named stillNamed(int fd, const QByteArray& path, int& error)
{
    struct stat opened;
    struct stat named;
    if (::fstat(fd, &opened) != 0) {
        error = errno;
        return Named::Unknown;
    }
    if (::lstat(path.constData(), &named) != 0) {
        error = errno;
        return errno == ENOENT ? Named::Gone : Named::Unknown;
    }
    return opened.st_dev == named.st_dev && opened.st_ino == named.st_ino ? Named::Same : Named::Gone;
}

} // namespace

SingleInstance::~SingleInstance()
{
    if (m_lock < 0)
        return;
    // Removed while still locked, so that a start that opened this file meanwhile finds it gone
    // once it gets the lock, and tries again with a new file.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(int(m_lock));
}

SingleInstance::Outcome SingleInstance::acquire()
{
    const QByteArray path = QFile::encodeName(m_path);
    for (;;) {
        int error = 0;
        const int fd = openLockFile(path, error);
        if (fd < 0) {
            // A lock file that exists but that this user may not even read belongs to another
            // user's Lumvik: the folder is not free.
            if (error == EACCES && entryExists(path))
                return Outcome::AnotherRuns;
            m_systemError = error;
            return Outcome::Unavailable;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK)
                return Outcome::AnotherRuns;
            m_systemError = error;
            return Outcome::Unavailable;
        }
        const Named named = stillNamed(fd, path, error);
        if (named == Named::Same) {
            m_lock = fd;
            return Outcome::Acquired;
        }
        ::close(fd);
        if (named == Named::Unknown) {
            m_systemError = error;
            return Outcome::Unavailable;
        }
    }
}

SingleInstance::Failure SingleInstance::failure() const
{
    if (m_systemError == EACCES || m_systemError == EROFS)
        return Failure::AccessDenied;
    if (m_systemError == ELOOP || m_systemError == kNotRegularFile)
        return Failure::NotARegularFile;
    return Failure::Other;
}

} // namespace platform
