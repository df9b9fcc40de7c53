#include "platform/process.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QThread>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// The viewer's path is the program, blanks and all; it gets no arguments and starts in its own
// folder, where viewers look for their files.
TEST(StartProgram, StartsExactlyThePathGivenEvenWithBlanksInItsFolder)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("Program Files/Viewer");
    QDir().mkpath(folder);
    const QString program = folder + "/viewer app";
    const QString marker = dir.filePath("started");
    QFile script(program);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QString("#!/bin/sh\necho \"$# $(pwd -P)\" > '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    platform::startProgramDetached(program);
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(marker) && !deadline.hasExpired())
        QThread::msleep(20);
    QThread::msleep(50);
    QFile result(marker);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll().trimmed(), "0 " + QDir(folder).canonicalPath().toUtf8());
}

// A file that is there but cannot be run gives the system's English reason, even with Qt's own
// texts in German, which once turned it into "execv: Zugriff verweigert".
TEST(StartProgram, ProgramThatCannotBeRunGivesTheSystemsEnglishReason)
{
    QTranslator german;
    if (german.load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&german);
    QTemporaryDir dir;
    const struct
    {
        const char* content;
        QFile::Permissions permissions;
        QString reason;
    } cases[] = {{"#!/bin/sh\n", QFile::ReadOwner | QFile::WriteOwner, "Permission denied"},
                 {"#!/no/such/shell\n", QFile::ReadOwner | QFile::ExeOwner, "No such file or directory"},
                 {"no program\n", QFile::ReadOwner | QFile::ExeOwner, "Exec format error"}};
    for (const auto& row : cases) {
        const QString program = dir.filePath(row.reason);
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(row.content);
        file.close();
        file.setPermissions(row.permissions);
        try {
            platform::startProgramDetached(program);
            ADD_FAILURE() << "started: " << row.content;
        } catch (const errors::RuntimeError& error) {
            EXPECT_EQ(error.number(), errors::kPermissionDenied);
            EXPECT_EQ(error.description(), "Permission denied: " + program + " (cannot start it: " + row.reason + ")");
        }
    }
    QCoreApplication::removeTranslator(&german);
}

} // namespace
