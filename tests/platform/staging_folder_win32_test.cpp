#include "platform/staging_folder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Held open without delete sharing: while in use, the folder can be neither removed nor moved
// away, so no link can take its place.
TEST(StagingFolder, FolderInUseCannotBeRemovedOrMoved)
{
    QTemporaryDir program;
    const QString temp = program.filePath("Temp");
    const QString moved = program.filePath("Moved");
    {
        platform::StagingFolder folder = platform::StagingFolder::open(temp);
        EXPECT_FALSE(QDir().rmdir(temp));
        EXPECT_FALSE(QDir().rename(temp, moved));
    }
    EXPECT_TRUE(QDir().rename(temp, moved));
}

} // namespace
