#include "platform/single_instance.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(SingleInstance, SecondInstanceOfTheSameFolderIsRefused)
{
    QTemporaryDir folder;
    platform::SingleInstance first(folder.path());
    platform::SingleInstance second(folder.path());
    platform::SingleInstance elsewhere(folder.path() + "/other");
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(elsewhere.acquire());
}

TEST(SingleInstance, LockLeftByACrashedInstanceIsTakenOver)
{
    QTemporaryDir folder;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::SingleInstance crashing(folder.path());
        // _exit runs no destructors: the lock file stays behind, as after a crash.
        _exit(crashing.acquire() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    platform::SingleInstance restarted(folder.path());
    EXPECT_TRUE(restarted.acquire());
}

} // namespace
