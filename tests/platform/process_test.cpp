#include "errors/runtime_error.h"
#include "platform/process.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(StartProgram, PathThatNamesNoProgramIsAnError)
{
    QTemporaryDir dir;
    EXPECT_THROW(platform::startProgramDetached(dir.filePath("missing")), errors::RuntimeError);
    EXPECT_THROW(platform::startProgramDetached(""), errors::RuntimeError);
    EXPECT_THROW(platform::startProgramDetached(dir.path()), errors::RuntimeError) << "a folder is no program";
}

} // namespace
