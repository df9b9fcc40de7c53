#include "platform/files_posix.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <cerrno>

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

} // namespace
