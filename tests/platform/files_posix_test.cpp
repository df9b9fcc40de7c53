#include "platform/files.h"
#include "platform/files_posix.h"
#include "support/qstring_printer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace {

using Kind = platform::FileStatus::Kind;

TEST(FileStatusOfSystemError, FullDiskRefusalOrTheSystemsEnglishReason)
{
    const std::pair<int, Kind> sorted[] = {
        {ENOSPC, Kind::DiskFull}, // space, and the inodes a new file needs
        {EDQUOT, Kind::DiskFull},        {EACCES, Kind::PermissionDenied},
        {EPERM, Kind::PermissionDenied}, {EROFS, Kind::PermissionDenied},
        {EFBIG, Kind::Failed},
    };
    for (const auto& [error, kind] : sorted)
        EXPECT_EQ(platform::fileStatusOfSystemError(error).kind, kind) << error;
    // The German C library (LOCPATH in the test setup) would say "Eingabe-/Ausgabefehler".
    EXPECT_EQ(platform::fileStatusOfSystemError(EIO).reason, "Input/output error");
}

mode_t modeOf(const QString& path)
{
    struct stat entry;
    return ::stat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode & 07777 : 0;
}

// The device that reads the target folder may run as another user; an administrator may have
// narrowed who reads Settings.ini.
TEST(FilePermissions, NewFileAsAnyNewFileReplacementAsTheOldOne)
{
    QTemporaryDir dir;
    const mode_t umask = ::umask(022);
    const QString request = platform::writeNewFileAtomically(dir.path() + "/", "06122026_081530", ".gdt", "new");
    const QString settings = dir.filePath("Settings.ini");
    platform::replaceFileAtomically(settings, "old");
    ::chmod(QFile::encodeName(settings).constData(), 0640);
    platform::replaceFileAtomically(settings, "new");
    ::umask(umask);
    EXPECT_EQ(modeOf(request), 0644u);
    EXPECT_EQ(modeOf(settings), 0640u);
}

} // namespace
