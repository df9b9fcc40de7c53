#include "platform/file_writes.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"
#include "support/scripted_file_system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <string>

namespace {

using platform::FileStatus;
using Operation = testsupport::ScriptedFileSystem::Operation;

QStringList entriesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

QByteArray content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class WriteNewFileTest : public ::testing::Test
{
protected:
    QString write() { return platform::writeNewFileAtomically(dir.path() + "/", "06122026_081530", ".gdt", "new"); }
    QString path(const char* name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

// Both writers take the same steps: bytes on the disk before the name, the folder after it.
TEST_F(WriteNewFileTest, StepsInOrderForANewFileAndAReplacement)
{
    const std::vector<Operation> steps = {Operation::Create, Operation::Write, Operation::Flush, Operation::Close};
    {
        testsupport::ScriptedFileSystem files;
        write();
        std::vector<Operation> expected = steps;
        expected.insert(expected.end(), {Operation::RenameWithoutReplacing, Operation::SyncFolder});
        EXPECT_EQ(files.operations(), expected);
        EXPECT_EQ(files.calls().back().path, dir.path() + "/");
        // Written under a hidden name that no reader of *.gdt takes for a request.
        const QString temporary = QFileInfo(files.calls()[1].path).fileName();
        EXPECT_TRUE(QRegularExpression(R"(^\.06122026_081530\.\w+\.part$)").match(temporary).hasMatch())
            << temporary.toStdString();
    }
    {
        testsupport::ScriptedFileSystem files;
        platform::replaceFileAtomically(path("Settings.ini"), "[Lumvik]\r\n");
        std::vector<Operation> expected = steps;
        expected.insert(expected.end(), {Operation::RenameReplacing, Operation::SyncFolder});
        EXPECT_EQ(files.operations(), expected);
        EXPECT_EQ(files.calls().back().path, dir.path());
        EXPECT_EQ(content(path("Settings.ini")), "[Lumvik]\r\n");
    }
}

struct FailedStep
{
    const char* what;
    Operation operation;
    FileStatus status;
    qint32 number;
    const char* description; // after the path it names
};

const FailedStep kFailedSteps[] = {
    {"no inode left for the temporary file", Operation::Create, FileStatus::failed(FileStatus::Kind::DiskFull),
     errors::kDiskFull, ""},
    {"creating refused", Operation::Create, FileStatus::failed(FileStatus::Kind::PermissionDenied),
     errors::kPermissionDenied, ""},
    {"disk full while writing", Operation::Write, FileStatus::failed(FileStatus::Kind::DiskFull), errors::kDiskFull,
     ""},
    {"i/o error while writing", Operation::Write, FileStatus::failed(FileStatus::Kind::Failed, "Input/output error"),
     errors::kPathFileAccessError, " (Input/output error)"},
    {"disk full at the flush", Operation::Flush, FileStatus::failed(FileStatus::Kind::DiskFull), errors::kDiskFull, ""},
    {"quota hit at the close", Operation::Close, FileStatus::failed(FileStatus::Kind::DiskFull), errors::kDiskFull, ""},
};

TEST_F(WriteNewFileTest, FailureAtAnyStepLeavesNothingAndSaysWhy)
{
    std::vector<FailedStep> steps(std::begin(kFailedSteps), std::end(kFailedSteps));
    steps.push_back({"disk full at the rename", Operation::RenameWithoutReplacing,
                     FileStatus::failed(FileStatus::Kind::DiskFull), errors::kDiskFull, ""});
    for (const FailedStep& step : steps) {
        testsupport::ScriptedFileSystem files;
        files.failNext(step.operation, step.status);
        try {
            write();
            ADD_FAILURE() << step.what << ": no error";
        } catch (const errors::RuntimeError& error) {
            EXPECT_EQ(error.number(), step.number) << step.what;
            EXPECT_TRUE(
                error.description().endsWith(QDir::toNativeSeparators(path("06122026_081530.gdt")) + step.description))
                << step.what << ": " << qPrintable(error.description());
        }
        EXPECT_EQ(entriesIn(dir.path()), QStringList{}) << step.what;
    }
}

TEST_F(WriteNewFileTest, FolderThatCannotBeSyncedTakesTheNewFileAwayAgain)
{
    testsupport::ScriptedFileSystem files;
    files.failNext(Operation::SyncFolder, FileStatus::failed(FileStatus::Kind::DiskFull));
    try {
        write();
        ADD_FAILURE() << "no error";
    } catch (const errors::RuntimeError& error) {
        EXPECT_EQ(error.description(), "Disk full: " + QDir::toNativeSeparators(dir.path() + "/"));
    }
    EXPECT_EQ(entriesIn(dir.path()), QStringList{});
}

TEST_F(WriteNewFileTest, NameTakenBetweenTheLookAndTheRenameGoesToTheNextName)
{
    testsupport::ScriptedFileSystem files;
    files.takeNameBeforeNextRename();
    EXPECT_EQ(write(), path("06122026_081530_2.gdt"));
    EXPECT_EQ(content(path("06122026_081530.gdt")), "other") << "the other program's file stays";
    EXPECT_EQ(content(path("06122026_081530_2.gdt")), "new");
    EXPECT_EQ(entriesIn(dir.path()).size(), 2);
}

TEST_F(WriteNewFileTest, InterruptedAndShortWritesGoOnUntilAllIsWritten)
{
    testsupport::ScriptedFileSystem files;
    files.failNext(Operation::Write, FileStatus::failed(FileStatus::Kind::Interrupted));
    files.shortenNextWrite(1);
    const QByteArray bytes(5000, 'g');
    const QString written = platform::writeNewFileAtomically(dir.path() + "/", "06122026_081530", ".gdt", bytes);
    EXPECT_EQ(content(written), bytes);
    const std::vector<Operation> operations = files.operations();
    EXPECT_EQ(std::count(operations.begin(), operations.end(), Operation::Write), 3);
}

// A write that takes nothing would take nothing again: the disk is full, not tried for ever.
TEST_F(WriteNewFileTest, WriteThatTakesNothingIsAFullDisk)
{
    testsupport::ScriptedFileSystem files;
    files.shortenNextWrite(0);
    try {
        write();
        ADD_FAILURE() << "no error";
    } catch (const errors::RuntimeError& error) {
        EXPECT_EQ(error.number(), errors::kDiskFull);
    }
    EXPECT_EQ(entriesIn(dir.path()), QStringList{});
}

TEST_F(WriteNewFileTest, ReplacementThatFailsKeepsTheOldFileByteForByte)
{
    const QByteArray old = "; by hand\r\n[Lumvik]\r\nPath=/srv/old/\r\n";
    std::vector<FailedStep> steps(std::begin(kFailedSteps), std::end(kFailedSteps));
    steps.push_back({"refused at the rename", Operation::RenameReplacing,
                     FileStatus::failed(FileStatus::Kind::PermissionDenied), errors::kPermissionDenied, ""});
    for (const FailedStep& step : steps) {
        QFile settings(path("Settings.ini"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write(old) == old.size());
        settings.close();
        testsupport::ScriptedFileSystem files;
        files.failNext(step.operation, step.status);
        try {
            platform::replaceFileAtomically(path("Settings.ini"), "[Lumvik]\r\nPath=/srv/new/\r\n");
            ADD_FAILURE() << step.what << ": no error";
        } catch (const errors::RuntimeError& error) {
            EXPECT_EQ(error.number(), step.number) << step.what;
            EXPECT_TRUE(error.description().endsWith(QDir::toNativeSeparators(path("Settings.ini")) + step.description))
                << step.what << ": " << qPrintable(error.description());
        }
        EXPECT_EQ(content(path("Settings.ini")), old) << step.what;
        EXPECT_EQ(entriesIn(dir.path()), QStringList{"Settings.ini"}) << step.what;
    }
}

} // namespace
