#include "platform/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using Outcome = platform::SingleInstance::Outcome;

// Run by the test below in a second process: holds the lock of the folder named in
// LUMVIK_LOCK_FOLDER until it is killed.
TEST(SingleInstanceWindows, DISABLED_HoldTheLockUntilKilled)
{
    platform::SingleInstance instance(qEnvironmentVariable("LUMVIK_LOCK_FOLDER"));
    ASSERT_EQ(instance.acquire(), Outcome::Acquired);
    QThread::sleep(60);
}

TEST(SingleInstanceWindows, AnotherProcessHoldsTheFolderUntilItEndsHoweverItEnds)
{
    QTemporaryDir folder;
    QProcess holder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMVIK_LOCK_FOLDER"), folder.path());
    holder.setProcessEnvironment(environment);
    holder.start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--gtest_also_run_disabled_tests"),
                  QStringLiteral("--gtest_filter=SingleInstanceWindows.DISABLED_HoldTheLockUntilKilled")});
    ASSERT_TRUE(holder.waitForStarted());
    const QString lock = folder.filePath(QStringLiteral("Lumvik.lock"));
    for (int i = 0; i < 200 && !QFile::exists(lock); ++i)
        QThread::msleep(50);
    ASSERT_TRUE(QFile::exists(lock));

    {
        platform::SingleInstance second(folder.path());
        EXPECT_EQ(second.acquire(), Outcome::AnotherRuns);
    }
    // Killed, as by a crash: the system closes its handle, and nothing blocks the next start.
    holder.kill();
    ASSERT_TRUE(holder.waitForFinished());
    {
        platform::SingleInstance next(folder.path());
        EXPECT_EQ(next.acquire(), Outcome::Acquired);
        platform::SingleInstance third(folder.path());
        EXPECT_EQ(third.acquire(), Outcome::AnotherRuns);
    }
    EXPECT_FALSE(QFile::exists(lock)) << "the lock file outlives the instance that held it";
}

// Where no lock can be made, Lumvik starts unguarded and says why, naming the lock as Windows
// shows paths.
TEST(SingleInstanceWindows, LockThatCannotBeMadeIsReportedByItsKind)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("taken/Lumvik.lock")));
    const struct
    {
        QString folder;
        errors::ErrorNumber number;
        const char* text;
    } cases[] = {
        {folder.filePath(QStringLiteral("missing")), errors::kPathFileAccessError, "Path/File access error"},
        {folder.filePath(QStringLiteral("taken")), errors::kPermissionDenied,
         "Permission denied"}, // a folder at the lock's name
    };
    for (const auto& c : cases) {
        platform::SingleInstance instance(c.folder);
        ASSERT_EQ(instance.acquire(), Outcome::Unavailable) << c.text;
        const errors::RuntimeError error = instance.unavailableError();
        EXPECT_EQ(error.number(), c.number);
        EXPECT_EQ(error.description(),
                  QStringLiteral("%1: %2\\Lumvik.lock (a second Lumvik started from this folder is not stopped)")
                      .arg(QLatin1String(c.text), QDir::toNativeSeparators(c.folder)));
    }
}

} // namespace
