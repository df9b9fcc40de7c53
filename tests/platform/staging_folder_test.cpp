#include "platform/staging_folder.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

using platform::StagingFolder;

// Error 75 as the user reads it: the entry in the system's own separators, and why.
QString accessError(const QString& path)
{
    return "Path/File access error: " + QDir::toNativeSeparators(path);
}

// What the folder refuses, the same on every system: the error names the entry and why.
QString refusal(const std::function<void()>& action)
{
    try {
        action();
    } catch (const errors::RuntimeError& error) {
        return error.number() == errors::kPathFileAccessError ? error.description() : QString::number(error.number());
    }
    return QStringLiteral("no error");
}

TEST(StagingFolder, OpensAFolderOnlyWhereOneIsOrCanBe)
{
    QTemporaryDir program;
    const QString temp = program.filePath("Temp");
    EXPECT_FALSE(StagingFolder::openExisting(temp).has_value());
    EXPECT_EQ(StagingFolder::open(temp).path(), temp);
    EXPECT_TRUE(QFileInfo(temp).isDir());
    EXPECT_TRUE(StagingFolder::openExisting(temp).has_value());

    const QString file = program.filePath("file");
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    EXPECT_EQ(refusal([&] { StagingFolder::open(file); }), accessError(file) + " (not a folder)");
    EXPECT_EQ(refusal([&] { StagingFolder::openExisting(file); }), accessError(file) + " (not a folder)");
    const QString inFile = file + "/Temp";
    EXPECT_TRUE(refusal([&] { StagingFolder::open(inFile); }).startsWith(accessError(inFile)));
}

// The user's regular files are written, listed (hidden ones too, sorted), read, replaced and
// removed; a folder inside and a read-only file are left alone.
TEST(StagingFolder, KeepsTheUsersOwnFilesAndRefusesEverythingElse)
{
    QTemporaryDir program;
    StagingFolder folder = StagingFolder::open(program.filePath("Temp"));
    folder.replaceOwnFile("b.txt", "first");
    folder.replaceOwnFile("b.txt", "second");
    folder.replaceOwnFile(".hidden", "");
    folder.replaceOwnFile("a.txt", QByteArray(200000, 'x'));
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub.txt"));
    folder.replaceOwnFile("locked.txt", "keep");
    ASSERT_TRUE(QFile::setPermissions(folder.filePath("locked.txt"), QFileDevice::ReadOwner));

    EXPECT_EQ(folder.ownFileNames(), (QStringList{".hidden", "a.txt", "b.txt", "locked.txt"}));
    EXPECT_EQ(folder.readFile("b.txt"), "second");
    EXPECT_EQ(folder.readFile("a.txt"), QByteArray(200000, 'x'));
    EXPECT_EQ(folder.readFile(".hidden"), "");

    const auto in = [&](const char* name) { return accessError(folder.filePath(name)); };
    EXPECT_EQ(refusal([&] { folder.removeFile("locked.txt"); }), in("locked.txt") + " (read-only file)");
    EXPECT_EQ(refusal([&] { folder.replaceOwnFile("locked.txt", "new"); }), in("locked.txt") + " (read-only file)");
    EXPECT_EQ(refusal([&] { folder.removeFile("sub.txt"); }), in("sub.txt") + " (not a file of this user)");
    EXPECT_EQ(refusal([&] { folder.replaceOwnFile("sub.txt", "x"); }), in("sub.txt") + " (not a file of this user)");
    EXPECT_EQ(refusal([&] { folder.readFile("sub.txt"); }), in("sub.txt") + " (not a regular file)");
    EXPECT_TRUE(refusal([&] { folder.removeFile("gone.txt"); }).startsWith(in("gone.txt") + " ("));
    EXPECT_TRUE(refusal([&] { folder.readFile("gone.txt"); }).startsWith(in("gone.txt") + " ("));
    EXPECT_EQ(folder.readFile("locked.txt"), "keep");
    EXPECT_TRUE(QFileInfo(folder.filePath("sub.txt")).isDir());

    folder.removeFile("b.txt");
    EXPECT_EQ(folder.ownFileNames(), (QStringList{".hidden", "a.txt", "locked.txt"}));
    ASSERT_TRUE(QFile::setPermissions(folder.filePath("locked.txt"), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
}

// A moved-from folder closes nothing: the one it moved to keeps working.
TEST(StagingFolder, MovedFolderKeepsItsHandle)
{
    QTemporaryDir program;
    std::optional<StagingFolder> moved;
    {
        StagingFolder folder = StagingFolder::open(program.filePath("Temp"));
        moved.emplace(std::move(folder));
    }
    moved->replaceOwnFile("a.txt", "patient");
    EXPECT_EQ(moved->ownFileNames(), QStringList{"a.txt"});
}

} // namespace
