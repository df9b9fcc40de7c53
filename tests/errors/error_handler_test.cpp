#include "errors/error_handler.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using errors::RuntimeError;

class ErrorHandlerTest : public ::testing::Test
{
protected:
    testsupport::TempProgramFolder folder;
    testsupport::ScriptedMessages messages;
    platform::ScopedFixedClock clock{QDateTime(QDate(2016, 12, 6), QTime(7, 40, 18))};
};

TEST_F(ErrorHandlerTest, FirstErrorCreatesTheLogWithOneLineThenShowsTheBox)
{
    errors::Error_Handler("cmdCreate_Click", RuntimeError(53, "File not found"));
    EXPECT_EQ(folder.read("Logs/ErrorLog.log"),
              QByteArray("06.12.2016 - 07:40:18 # 53 - File not found - cmdCreate_Click\r\n"));
    ASSERT_EQ(messages.shown().size(), 1);
    const auto& box = messages.shown().first();
    EXPECT_EQ(box.text, " # 53 - File not found - cmdCreate_Click");
    EXPECT_EQ(box.caption, "Warning");
    EXPECT_EQ(box.icon, platform::MessageIcon::Stop);
    EXPECT_EQ(box.buttons, platform::MessageButtons::Ok);
}

TEST_F(ErrorHandlerTest, ErrorsAreAppendedInOrderAndEarlierLinesKept)
{
    folder.write("Logs/ErrorLog.log", "earlier line\r\n");
    errors::Error_Handler("LoadConfig", RuntimeError(13, "Type mismatch"));
    errors::Error_Handler("ChangeLanguage", RuntimeError(-2147467259, QString::fromUtf8("Datei nicht gefunden: Ü")));
    EXPECT_EQ(folder.logLines(), (QStringList{"earlier line", "06.12.2016 - 07:40:18 # 13 - Type mismatch - LoadConfig",
                                              QString::fromUtf8("06.12.2016 - 07:40:18 # -2147467259 - Datei nicht "
                                                                "gefunden: Ü - ChangeLanguage")}));
    EXPECT_EQ(messages.texts(),
              (QStringList{" # 13 - Type mismatch - LoadConfig",
                           QString::fromUtf8(" # -2147467259 - Datei nicht gefunden: Ü - ChangeLanguage")}));
}

// "?" would hide which name or path an error was about.
TEST_F(ErrorHandlerTest, CharacterTheLogsCodePageLacksIsLoggedAsItsCodePoint)
{
    const platform::ScopedLatin1SystemCodePage latin1;
    errors::Error_Handler("cmdCreate_Click", RuntimeError(5, QString::fromUtf8("Жук, Mu\xCC\x88ller 😀?")));
    EXPECT_EQ(
        folder.read("Logs/ErrorLog.log"),
        QByteArray("06.12.2016 - 07:40:18 # 5 - <U+0416><U+0443><U+043A>, M\xFCller <U+1F600>? - cmdCreate_Click\r\n"));
}

// A program folder moved away while Lumvik runs is not made anew at its old place: the settings
// saved there would be gone at the next start.
TEST_F(ErrorHandlerTest, UnwritableLogStillShowsTheErrorAndSaysSo)
{
    const std::pair<const char*, QString> programFolders[] = {
        {"read-only", "/proc/self"},
        {"moved away", folder.filePath("moved")},
    };
    for (const auto& [what, programFolder] : programFolders) {
        const platform::ScopedProgramFolder unwritable(programFolder);
        errors::Error_Handler("SaveConfig", RuntimeError(70, "Permission denied"));
        EXPECT_EQ(messages.texts().last(),
                  " # 70 - Permission denied - SaveConfig\nThe error log could not be written: " +
                      QDir::toNativeSeparators(programFolder + "/Logs/ErrorLog.log"))
            << what;
    }
    EXPECT_EQ(messages.shown().size(), 2);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("moved")));
}

TEST_F(ErrorHandlerTest, TrapReportsUnderTheProcedureNameAndEndsTheBody)
{
    int reached = 0;
    const bool finished = errors::trap("SaveConfig", [&] {
        ++reached;
        throw RuntimeError(75, "Path/File access error");
        ++reached; // never runs
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(reached, 1);
    EXPECT_TRUE(errors::trap("Language", [] {}));
    EXPECT_EQ(messages.texts(), QStringList{" # 75 - Path/File access error - SaveConfig"});
}

} // namespace
