#include "platform/single_instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Outcome = platform::SingleInstance::Outcome;

TEST(SingleInstance, OnlyTheProgramFolderDecidesNotTheEnvironment)
{
    QTemporaryDir folder;
    QTemporaryDir otherTemp;
    ASSERT_TRUE(QDir(folder.path()).mkdir("other"));
    platform::SingleInstance first(folder.path());
    ASSERT_EQ(first.acquire(), Outcome::Acquired);

    const QByteArray tmpdir = qgetenv("TMPDIR");
    const QByteArray user = qgetenv("USER");
    qputenv("TMPDIR", otherTemp.path().toLocal8Bit());
    qputenv("USER", "someone-else");
    platform::SingleInstance second(folder.path());
    platform::SingleInstance elsewhere(folder.path() + "/other");
    EXPECT_EQ(second.acquire(), Outcome::AnotherRuns);
    EXPECT_EQ(elsewhere.acquire(), Outcome::Acquired);
    qputenv("TMPDIR", tmpdir);
    qputenv("USER", user);
}

TEST(SingleInstance, LockLeftByACrashedInstanceIsTakenOver)
{
    QTemporaryDir folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::SingleInstance crashing(folder.path());
        // _exit runs no destructors: the lock file stays behind, as after a crash.
        _exit(crashing.acquire() == Outcome::Acquired ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFile::exists(folder.filePath("Lumvik.lock")));
    platform::SingleInstance restarted(folder.path());
    EXPECT_EQ(restarted.acquire(), Outcome::Acquired);
}

TEST(SingleInstance, ProgramStartedByACrashedInstanceDoesNotKeepTheLock)
{
    QTemporaryDir folder;
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::SingleInstance crashing(folder.path());
        qint64 started = 0;
        const bool ok = crashing.acquire() == Outcome::Acquired &&
                        QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("30")}, {}, &started);
        (void)!write(pipeEnds[1], &started, sizeof started);
        _exit(ok ? 0 : 1);
    }
    qint64 sleeper = 0;
    ASSERT_EQ(read(pipeEnds[0], &sleeper, sizeof sleeper), static_cast<ssize_t>(sizeof sleeper));
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    platform::SingleInstance restarted(folder.path());
    EXPECT_EQ(restarted.acquire(), Outcome::Acquired) << "the started program holds the lock";
    kill(static_cast<pid_t>(sleeper), SIGKILL);
}

TEST(SingleInstance, FolderWhereNoLockCanBeMadeIsUnavailableNotTaken)
{
    // Nobody, root included, can create a file in /proc/self.
    platform::SingleInstance instance(QStringLiteral("/proc/self"));
    EXPECT_EQ(instance.acquire(), Outcome::Unavailable);
    const errors::RuntimeError error = instance.unavailableError();
    EXPECT_TRUE(error.number() == errors::kPermissionDenied || error.number() == errors::kPathFileAccessError);
    EXPECT_TRUE(error.description().contains("/proc/self/Lumvik.lock")) << qPrintable(error.description());
}

// A link at the lock's name, planted by someone who may write the program folder, must not make
// Lumvik create or lock a file elsewhere; Lumvik then starts unguarded and says so.
TEST(SingleInstance, LinkAtTheLocksNameIsNeverFollowed)
{
    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    const QString existing = elsewhere.filePath("existing");
    QFile(existing).open(QIODevice::WriteOnly);
    for (const QString& target : {existing, elsewhere.filePath("created")}) {
        QFile::remove(folder.filePath("Lumvik.lock"));
        ASSERT_TRUE(QFile::link(target, folder.filePath("Lumvik.lock")));
        platform::SingleInstance instance(folder.path());
        EXPECT_EQ(instance.acquire(), Outcome::Unavailable) << qPrintable(target);
        EXPECT_TRUE(instance.unavailableError().description().contains("not a regular file, never followed"));
    }
    EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::Files), QStringList{"existing"});
    EXPECT_EQ(QFileInfo(existing).size(), 0);
}

} // namespace
