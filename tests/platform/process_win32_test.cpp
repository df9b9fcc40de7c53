#include "platform/process.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// The viewer's path is the program, blanks and all; it gets no arguments and opens minimized.
TEST(StartProgram, StartsExactlyThePathGivenEvenWithBlanksMinimized)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("Program Files/Viewer"));
    const QString program = dir.filePath("Program Files/Viewer/viewer app.exe");
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUMVIK_STARTED_PROGRAM), program));
    // A program whose name is the path's first word must not be the one that runs.
    ASSERT_TRUE(QFile::copy(QStringLiteral(LUMVIK_STARTED_PROGRAM), dir.filePath("Program.exe")));

    platform::startProgramDetached(QDir::toNativeSeparators(program));
    QFile result(program + QStringLiteral(".started"));
    QDeadlineTimer deadline(20000);
    while (!result.exists() && !deadline.hasExpired())
        QThread::msleep(20);
    QThread::msleep(100);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(result.readAll().trimmed(), QByteArray::number(0) + ' ' + QByteArray::number(SW_SHOWMINIMIZED));
    EXPECT_FALSE(QFile::exists(dir.filePath("Program.exe.started")));
}

} // namespace
