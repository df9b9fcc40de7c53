#include "platform/file_system_posix.h"
#include "platform/file_writes.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// A link at the name stays a link: the file it names (however many links on, relative ones
// included) is replaced in its own folder. A link that names no file is refused, and nothing is
// touched.
TEST(ReplaceFile, ALinkIsFollowedToTheFileItNamesOrRefused)
{
    const struct
    {
        const char* what;
        const char* target; // of the link Settings.ini, relative to it
        bool replaced;      // else refused
    } links[] = {
        {"a link to a file elsewhere", "central/Settings.ini", true},
        {"a link to a link", "chain", true},
        {"a dangling link", "central/missing.ini", false},
        {"a link to a folder", "central", false},
    };
    for (const auto& link : links) {
        SCOPED_TRACE(link.what);
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir("central") && QDir(dir.path()).mkdir("program"));
        QFile central(dir.filePath("central/Settings.ini"));
        ASSERT_TRUE(central.open(QIODevice::WriteOnly) && central.write("old") == 3);
        central.close();
        ASSERT_TRUE(QFile::link("central/Settings.ini", dir.filePath("chain")));
        const QString path = dir.filePath("program/Settings.ini");
        ASSERT_TRUE(QFile::link("../" + QString(link.target), path));

        bool refused = false;
        try {
            platform::replaceFileAtomically(path, "new");
        } catch (const errors::RuntimeError& error) {
            refused = true;
            EXPECT_EQ(error.number(), errors::kPathFileAccessError);
            EXPECT_TRUE(error.description().contains(QDir::toNativeSeparators(path) + " (a symbolic link to"))
                << qPrintable(error.description());
        }
        EXPECT_EQ(refused, !link.replaced);
        ASSERT_TRUE(central.open(QIODevice::ReadOnly));
        EXPECT_EQ(central.readAll(), link.replaced ? "new" : "old");
        EXPECT_EQ(QFileInfo(path).symLinkTarget(), QFileInfo(dir.filePath(link.target)).absoluteFilePath());
        EXPECT_EQ(QDir(dir.filePath("central")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"Settings.ini"});
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
