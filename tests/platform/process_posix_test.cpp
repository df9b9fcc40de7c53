#include "platform/process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

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

} // namespace
