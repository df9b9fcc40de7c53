// ChangeLanguage end to end on the real windows: Language.mdb in a temporary program folder,
// Config.Language, the error handler's message box and log.

#include "global/mod_global.h"
#include "language/change_language.h"
#include "language_files.h"
#include "language_forms.h"
#include "support/fresh_globals.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <gtest/gtest.h>

using testsupport::allTexts;
using testsupport::textOf;

namespace {

class ChangeLanguageTest : public ::testing::Test
{
protected:
    void SetUp() override { modGlobal::Config.Language = QStringLiteral("English"); }

    void installShippedFile() const
    {
        folder.write(QStringLiteral("Language.mdb"), testsupport::readBytes(testsupport::shippedLanguageMdb()));
    }

    // Runs ChangeLanguage for both windows and expects nothing changed and one message per call.
    void expectFailureUnchanged(const QString& messageStart)
    {
        modGlobal::Msg_1 = QStringLiteral("kept 1");
        modGlobal::Msg_2 = QStringLiteral("kept 2");
        const QString before = allTexts(*mainWindow) + allTexts(*settingsWindow);
        modGlobal::ChangeLanguage(QStringLiteral("Main"), *mainWindow);
        modGlobal::ChangeLanguage(QStringLiteral("Settings"), *settingsWindow);
        EXPECT_EQ(allTexts(*mainWindow) + allTexts(*settingsWindow), before);
        EXPECT_EQ(modGlobal::Msg_1, "kept 1");
        EXPECT_EQ(modGlobal::Msg_2, "kept 2");
        ASSERT_EQ(messages.texts().size(), 2);
        for (const QString& text : messages.texts()) {
            EXPECT_TRUE(text.startsWith(messageStart)) << qPrintable(text);
            EXPECT_TRUE(text.endsWith(QStringLiteral(" - ChangeLanguage"))) << qPrintable(text);
        }
        EXPECT_EQ(folder.logLines().size(), 2);
    }

    testsupport::FreshGlobals globals;
    testsupport::TempProgramFolder folder;
    testsupport::ScriptedMessages messages;
    std::unique_ptr<frmMain> mainWindow = testsupport::makeMainWindow();
    std::unique_ptr<frmSettings> settingsWindow = testsupport::makeSettingsWindow();
};

TEST_F(ChangeLanguageTest, EnglishFromTheShippedFile)
{
    installShippedFile();
    modGlobal::ChangeLanguage(QStringLiteral("Main"), *mainWindow);
    EXPECT_EQ(textOf(*mainWindow, "mnuFile"), "File");
    EXPECT_EQ(textOf(*mainWindow, "LblID"), "Patient ID:");
    EXPECT_EQ(textOf(*mainWindow, "cmdClear"), "Clear fields");
    EXPECT_EQ(textOf(*mainWindow, "cmdCreate"), "Create GDT");
    EXPECT_EQ(modGlobal::Msg_1, "GDT-file has been created.");
    EXPECT_EQ(modGlobal::Msg_2, "The path for Orvane.exe is not correct.\r\nDo you want to continue without Orvane?");

    modGlobal::ChangeLanguage(QStringLiteral("Settings"), *settingsWindow);
    EXPECT_EQ(textOf(*settingsWindow, "frmSettings"), "Settings");
    EXPECT_EQ(textOf(*settingsWindow, "fraOptionen"), "Options");
    EXPECT_EQ(textOf(*settingsWindow, "chkModality"), "Add modality");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ChangeLanguageTest, DeutschFromTheShippedFileIsTheDesignedText)
{
    installShippedFile();
    modGlobal::Config.Language = QStringLiteral("Deutsch");
    const QString designed = allTexts(*mainWindow) + allTexts(*settingsWindow);
    modGlobal::ChangeLanguage(QStringLiteral("Main"), *mainWindow);
    modGlobal::ChangeLanguage(QStringLiteral("Settings"), *settingsWindow);
    EXPECT_EQ(allTexts(*mainWindow) + allTexts(*settingsWindow), designed);
    EXPECT_EQ(modGlobal::Msg_1, "GDT-Datei wurde erstellt.");
    EXPECT_EQ(modGlobal::Msg_2, QString::fromUtf8("Der Pfad für Orvane.exe ist nicht korrekt.\r\n"
                                                  "Möchten Sie ohne Orvane fortfahren?"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ChangeLanguageTest, LowerCaseMainChangesNothing)
{
    installShippedFile();
    const QString before = allTexts(*mainWindow);
    modGlobal::ChangeLanguage(QStringLiteral("main"), *mainWindow);
    EXPECT_EQ(allTexts(*mainWindow), before);
    EXPECT_EQ(modGlobal::Msg_1, "");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ChangeLanguageTest, NullValueInTheFileIsReportedUnderLanguage)
{
    folder.write(QStringLiteral("Language.mdb"),
                 testsupport::makeDatabase(QStringLiteral("tblComponents"), {QStringLiteral("English")},
                                           {{QStringLiteral("mnuFile"), std::nullopt},
                                            {QStringLiteral("mnuClose"), QString()},
                                            {QStringLiteral("mnuView"), QStringLiteral("View")}}));
    modGlobal::ChangeLanguage(QStringLiteral("Main"), *mainWindow);
    EXPECT_EQ(textOf(*mainWindow, "mnuFile"), "");
    EXPECT_EQ(textOf(*mainWindow, "mnuClose"), "");
    EXPECT_EQ(textOf(*mainWindow, "mnuView"), "View");
    EXPECT_EQ(textOf(*mainWindow, "cmdClear"), "Felder löschen");
    const QStringList nullMessage{" # 94 - Invalid use of Null - Language"};
    EXPECT_EQ(messages.texts(), nullMessage);
}

TEST_F(ChangeLanguageTest, MissingFile)
{
    expectFailureUnchanged(QStringLiteral(" # 53 - File not found: "));
}

TEST_F(ChangeLanguageTest, ZeroByteFile)
{
    folder.write(QStringLiteral("Language.mdb"), {});
    expectFailureUnchanged(QStringLiteral(" # 3343 - Unrecognized database format"));
}

TEST_F(ChangeLanguageTest, TextFileNamedLanguageMdb)
{
    folder.write(QStringLiteral("Language.mdb"), "ComponentName\tEnglishValue\r\nmnuFile\tFile\r\n");
    expectFailureUnchanged(QStringLiteral(" # 3343 - Unrecognized database format"));
}

TEST_F(ChangeLanguageTest, TruncatedFile)
{
    const QByteArray whole = testsupport::readBytes(testsupport::shippedLanguageMdb());
    folder.write(QStringLiteral("Language.mdb"), whole.left(whole.size() - 4096));
    expectFailureUnchanged(QStringLiteral(" # 3343 - Unrecognized database format"));
}

TEST_F(ChangeLanguageTest, DatabaseWithoutTblComponents)
{
    folder.write(QStringLiteral("Language.mdb"),
                 testsupport::makeDatabase(QStringLiteral("tblOther"), {QStringLiteral("English")},
                                           {{QStringLiteral("mnuFile"), QStringLiteral("File")}}));
    expectFailureUnchanged(QStringLiteral(" # 3078 - The table 'tblComponents' was not found"));
}

TEST_F(ChangeLanguageTest, UnknownLanguage)
{
    installShippedFile();
    modGlobal::Config.Language = QStringLiteral("Français");
    expectFailureUnchanged(QString::fromUtf8(" # 3265 - No column for the language 'Français'"));
}

} // namespace
