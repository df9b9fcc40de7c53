#include "errors/runtime_error.h"
#include "platform/files.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <cstring>
#include <string>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
QStringList syncedPaths; // every fsync of this program, by the path of its descriptor
} // namespace

// Takes the C library's place for this program, so a test sees what was synced and in which order.
extern "C" int fsync(int fd)
{
    char path[4096];
    const ssize_t length =
        ::readlink(QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), path, sizeof path);
    syncedPaths.append(QString::fromLocal8Bit(path, length > 0 ? length : 0));
    return int(::syscall(SYS_fsync, fd));
}

namespace {

class WriteNewFileTest : public ::testing::Test
{
protected:
    QString write() { return platform::writeNewFileAtomically(dir.path() + "/", "06122026_081530", ".gdt", "new"); }
    QString path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

TEST_F(WriteNewFileTest, AnyEntryAtTheNameCountsAsTaken)
{
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

TEST_F(WriteNewFileTest, FolderIsSyncedAfterTheRename)
{
    syncedPaths.clear();
    write();
    ASSERT_EQ(syncedPaths.size(), 2) << qPrintable(syncedPaths.join('\n'));
    const QString folder = QDir(dir.path()).canonicalPath();
    EXPECT_TRUE(syncedPaths[0].startsWith(folder + "/")) << "first the bytes, in a file of the folder";
    EXPECT_EQ(syncedPaths[1], folder) << "then the folder that holds the new name";
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
