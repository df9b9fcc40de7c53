#include "platform/files.h"
#include "platform/files_posix.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstring>
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

TEST(WriteNewFile, AnyEntryAtTheNameCountsAsTaken)
{
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return dir.filePath(name); };
    const auto write = [&] {
        return platform::writeNewFileAtomically(dir.path() + "/", "06122026_081530", ".gdt", "new");
    };
    const std::pair<const char*, bool (*)(const QString&)> entries[] = {
        {"a folder", [](const QString& at) { return QDir().mkdir(at); }},
        {"a dangling symbolic link", [](const QString& at) { return QFile::link("/nonexistent/gdt", at); }},
        {"a link to a folder", [](const QString& at) { return QFile::link(QDir::tempPath(), at); }},
    };
    for (const auto& [what, make] : entries) {
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
        ASSERT_TRUE(make(path("06122026_081530.gdt"))) << what;
        EXPECT_EQ(write(), path("06122026_081530_2.gdt")) << what;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                  (QStringList{"06122026_081530.gdt", "06122026_081530_2.gdt"}))
            << what;
    }
}

TEST(SystemErrorText, EnglishUnderAGermanLocale)
{
    // The test can only fail where the C library speaks German (see LOCPATH in the test setup).
    const std::string messages = std::setlocale(LC_MESSAGES, nullptr);
    ASSERT_NE(std::setlocale(LC_MESSAGES, "de_DE.UTF-8"), nullptr) << "no German C locale";
    const std::string german = std::strerror(ENOTDIR);
    std::setlocale(LC_MESSAGES, messages.c_str());
    EXPECT_NE(german, "Not a directory") << "no German system messages";

    QTemporaryDir dir;
    QFile plain(dir.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    QFile inside(dir.filePath("plain/x"));
    EXPECT_FALSE(inside.open(QIODevice::WriteOnly));
    EXPECT_EQ(platform::fileError(inside, inside.fileName()).description(),
              "Path/File access error: " + inside.fileName() + " (Not a directory)");
}

} // namespace
