#include "gdt/request_file.h"
#include "global/mod_global.h"
#include "platform/clock.h"
#include "runtime_errors/runtime_error.h"
#include "support/file_size_limit.h"
#include "support/fresh_globals.h"
#include "support/qstring_printer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class RequestFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        modGlobal::Config.Path = target.path() + "/";
        fields.patientId = "4711";
    }
    QStringList files() const { return QDir(target.path()).entryList(QDir::Files | QDir::Hidden); }

    testsupport::FreshGlobals globals;
    QTemporaryDir target;
    platform::ScopedFixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(8, 15, 30))};
    fields::RequestFields fields;
};

TEST_F(RequestFileTest, NamedAfterTheMomentOfWriting)
{
    const QString path = gdt::CreateGDTFile(fields);
    EXPECT_EQ(path, target.path() + "/06122026_081530.gdt");
    EXPECT_EQ(files(), QStringList{"06122026_081530.gdt"});
}

TEST_F(RequestFileTest, SecondRequestInTheSameSecondGetsItsOwnNameAndTheFirstStays)
{
    const QString first = gdt::CreateGDTFile(fields);
    const QByteArray firstBytes = [&] {
        QFile f(first);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    fields.patientId = "4712";
    const QString second = gdt::CreateGDTFile(fields);
    const QString third = gdt::CreateGDTFile(fields);
    EXPECT_TRUE(second.endsWith("/06122026_081530_2.gdt"));
    EXPECT_TRUE(third.endsWith("/06122026_081530_3.gdt"));
    QFile f(first);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), firstBytes);
    EXPECT_EQ(files().size(), 3);
}

TEST_F(RequestFileTest, FolderWithoutFinalSeparatorGetsTheFileInside)
{
    modGlobal::Config.Path = target.path();
    EXPECT_EQ(gdt::CreateGDTFile(fields), target.path() + QDir::separator() + "06122026_081530.gdt");
}

TEST_F(RequestFileTest, EmptyFolderMeansTheWorkingFolder)
{
    modGlobal::Config.Path.clear();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(target.path());
    const QString path = gdt::CreateGDTFile(fields);
    QDir::setCurrent(previous);
    EXPECT_EQ(path, "06122026_081530.gdt");
    EXPECT_EQ(files(), QStringList{"06122026_081530.gdt"});
}

struct FailingFolder
{
    const char* what;
    QString (*folder)(const QString& target);
    qint32 number;     // 0: whatever the system says
    const char* shown; // the folder the message names, after the target
    const char* message;
};

TEST_F(RequestFileTest, FolderThatCannotTakeTheFileLeavesNothingBehind)
{
    QFile plainFile(target.filePath("not-a-folder"));
    ASSERT_TRUE(plainFile.open(QIODevice::WriteOnly));
    plainFile.close();
    const FailingFolder cases[] = {
        {"missing folder", [](const QString& t) { return t + "/gone/"; }, errors::kPathNotFound, "/gone/",
         "Path not found: %1"},
        {"a file, not a folder", [](const QString& t) { return t + "/not-a-folder/"; }, errors::kPathFileAccessError,
         "/not-a-folder", "Path/File access error: %1 is a file, not a folder"},
        {"a file, typed without final separator", [](const QString& t) { return t + "/not-a-folder"; },
         errors::kPathFileAccessError, "/not-a-folder", "Path/File access error: %1 is a file, not a folder"},
        // /proc refuses new files even to root, where a read-only mode bit would not.
        {"folder that refuses writing", [](const QString&) { return QStringLiteral("/proc/"); }, 0, nullptr, nullptr},
    };
    for (const FailingFolder& c : cases) {
        modGlobal::Config.Path = c.folder(target.path());
        try {
            gdt::CreateGDTFile(fields);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const errors::RuntimeError& error) {
            if (c.number != 0) {
                EXPECT_EQ(error.number(), c.number) << c.what;
                EXPECT_EQ(error.description(),
                          QString(c.message).arg(QDir::toNativeSeparators(target.path() + c.shown)))
                    << c.what;
            }
        }
    }
    EXPECT_EQ(files(), QStringList{"not-a-folder"});
}

TEST_F(RequestFileTest, DiskFullDuringTheWriteLeavesNoPartialFile)
{
    if (!testsupport::ScopedFileSizeLimit::supported())
        GTEST_SKIP() << "no file-size limit on this system; the scripted file system fills the disk";
    fields.referringPhysician = QString(300, 'x');
    QString description;
    try {
        const testsupport::ScopedFileSizeLimit fullAfter(100);
        gdt::CreateGDTFile(fields);
    } catch (const errors::RuntimeError& error) {
        description = error.description();
    }
    // The hidden temporary file means nothing to the user; the system's text is English like the rest.
    EXPECT_EQ(description, "Path/File access error: " + target.path() + "/06122026_081530.gdt (File too large)");
    EXPECT_EQ(files(), QStringList{});
}

TEST_F(RequestFileTest, RefusedContentWritesNothing)
{
    fields.surname = QString(991, 'x');
    EXPECT_THROW(gdt::CreateGDTFile(fields), errors::RuntimeError);
    EXPECT_EQ(files(), QStringList{});
}

} // namespace
