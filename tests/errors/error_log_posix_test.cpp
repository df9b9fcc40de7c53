#include "errors/error_handler.h"
#include "support/qstring_printer.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Another user who may write a shared program folder plants an entry at Logs or at the log: the
// error lines never go through it, and the box says that the log could not be written.
TEST(ErrorLog, NeverWrittenThroughALinkOrIntoAnythingButAFile)
{
    const struct
    {
        const char* what;
        const char* at;     // in the program folder
        const char* target; // in the other folder; nullptr: a FIFO
    } plantings[] = {
        {"the log a link to another file", "Logs/ErrorLog.log", "victim.log"},
        {"the log a link to no file yet", "Logs/ErrorLog.log", "new.log"},
        {"Logs a link to another folder", "Logs", ""},
        {"Logs a link to no folder yet", "Logs", "new"},
        {"the log a FIFO", "Logs/ErrorLog.log", nullptr},
    };
    for (const auto& planting : plantings) {
        SCOPED_TRACE(planting.what);
        testsupport::TempProgramFolder program;
        testsupport::ScriptedMessages messages;
        QTemporaryDir other;
        QFile victim(other.filePath("victim.log"));
        ASSERT_TRUE(victim.open(QIODevice::WriteOnly) && victim.write("keep\r\n") == 6);
        victim.close();
        ASSERT_TRUE(QDir(program.path()).mkpath("Logs"));
        const QString at = program.filePath(planting.at);
        if (planting.target == nullptr) {
            ASSERT_EQ(::mkfifo(QFile::encodeName(at).constData(), 0600), 0);
        } else {
            QDir(program.path()).rmdir(planting.at);
            ASSERT_TRUE(QFile::link(other.filePath(planting.target), at));
        }

        errors::Error_Handler("cmdCreate_Click", errors::RuntimeError(76, "Path not found: /srv/gdt/"));

        ASSERT_EQ(messages.texts().size(), 1);
        EXPECT_TRUE(messages.texts()[0].endsWith("\nThe error log could not be written: " +
                                                 QDir::toNativeSeparators(program.filePath("Logs/ErrorLog.log"))))
            << qPrintable(messages.texts()[0]);
        EXPECT_EQ(QDir(other.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"victim.log"});
        ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
        EXPECT_EQ(victim.readAll(), "keep\r\n");
        EXPECT_EQ(QFileInfo(at).isSymLink(), planting.target != nullptr);
    }
}

} // namespace
