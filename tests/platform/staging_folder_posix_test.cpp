#include "platform/staging_folder.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using platform::StagingFolder;

mode_t modeOf(const QString& path)
{
    struct stat entry;
    return ::lstat(QFile::encodeName(path).constData(), &entry) == 0 ? entry.st_mode & 07777 : 0;
}

// Users who may write the program folder can all use Temp, and none can delete another's files;
// a program folder only its owner writes keeps Temp private. A Temp made private by an earlier
// start is opened up by its owner.
TEST(StagingFolder, IsSharedLikeTmpExactlyWhenTheProgramFolderIs)
{
    const std::pair<mode_t, mode_t> rows[] = {
        {0700, 0700}, {0755, 0700}, {0770, 01770}, {0775, 01770}, {0777, 01777},
    };
    for (const bool existedPrivate : {false, true}) {
        for (const auto& [programMode, tempMode] : rows) {
            SCOPED_TRACE((QString::number(programMode, 8) + (existedPrivate ? " existing" : " new")).toStdString());
            QTemporaryDir program;
            ASSERT_EQ(::chmod(QFile::encodeName(program.path()).constData(), programMode), 0);
            const QString temp = program.filePath("Temp");
            if (existedPrivate) {
                ASSERT_EQ(::mkdir(QFile::encodeName(temp).constData(), 0700), 0);
            }
            StagingFolder folder = StagingFolder::open(temp);
            EXPECT_EQ(modeOf(temp), tempMode);
            folder.replaceOwnFile("a.txt", "patient");
            EXPECT_EQ(modeOf(folder.filePath("a.txt")), mode_t(0600));
        }
    }
}

// Nothing is read, written, listed or deleted through a link inside the folder.
TEST(StagingFolder, LinksInsideAreNeverFollowed)
{
    QTemporaryDir program;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("victim.txt");
    QFile victim(target);
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("keep");
    victim.close();
    StagingFolder folder = StagingFolder::open(program.filePath("Temp"));
    folder.replaceOwnFile("own.txt", "mine");
    ASSERT_TRUE(QFile::link(target, folder.filePath("link.txt")));

    EXPECT_EQ(folder.ownFileNames(), QStringList{"own.txt"});
    EXPECT_THROW(folder.readFile("link.txt"), errors::RuntimeError);
    EXPECT_THROW(folder.removeFile("link.txt"), errors::RuntimeError);
    EXPECT_THROW(folder.replaceOwnFile("link.txt", "overwritten"), errors::RuntimeError);
    EXPECT_EQ(folder.readFile("own.txt"), "mine");
    ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
    EXPECT_EQ(victim.readAll(), "keep");
    EXPECT_TRUE(QFileInfo(folder.filePath("link.txt")).isSymLink());
}

// Two users of a program folder everyone may write: the second stages beside the first, sees and
// may delete only their own files, and their files are theirs alone (only root can be two users).
TEST(StagingFolder, EveryUserOfASharedProgramFolderStagesTheirOwnFiles)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can act as a second user";
    QTemporaryDir program;
    ASSERT_EQ(::chmod(QFile::encodeName(program.path()).constData(), 0777), 0);
    const QString temp = program.filePath("Temp");
    StagingFolder::open(temp).replaceOwnFile("first.txt", "first patient");

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        bool ok = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        try {
            StagingFolder folder = StagingFolder::open(temp);
            folder.replaceOwnFile("second.txt", "second patient");
            ok = ok && folder.ownFileNames() == QStringList{"second.txt"};
            ok = ok && folder.readFile("second.txt") == "second patient";
            try {
                folder.removeFile("first.txt");
                ok = false;
            } catch (const errors::RuntimeError&) {
            }
        } catch (const errors::RuntimeError&) {
            ok = false;
        }
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(QDir(temp).entryList(QDir::Files, QDir::Name), (QStringList{"first.txt", "second.txt"}));
    EXPECT_EQ(modeOf(program.filePath("Temp/second.txt")), mode_t(0600));
}

} // namespace
