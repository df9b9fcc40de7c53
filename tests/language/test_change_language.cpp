// ChangeLanguage end to end: Language.mdb in a temporary program folder, Config.Language,
// the error handler's message box and log.

#include "fake_windows.h"
#include "language/change_language.h"
#include "language_files.h"
#include "settings/config.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <gtest/gtest.h>

using testsupport::textOf;

namespace {

class ChangeLanguageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        language::Msg_1.clear();
        language::Msg_2.clear();
        settings::Config.Language = QStringLiteral("English");
    }
    void TearDown() override { settings::Config = {}; }

    void installShippedFile() const
    {
        folder.write(QStringLiteral("Language.mdb"), testsupport::readBytes(testsupport::shippedLanguageMdb()));
    }

    // Every text of both fake windows, to compare before and after.
    static QStringList allTexts(const QObject& main, const QObject& settings)
    {
        QStringList texts;
        for (const QObject* window : {&main, &settings})
            for (const QObject* child : window->findChildren<QObject*>())
                texts.append(textOf(*window, child->objectName()));
        texts.append(textOf(settings, QStringLiteral("frmSettings")));
        return texts;
    }

    // Runs ChangeLanguage for both windows and expects nothing changed and one message per call.
    void expectFailureUnchanged(const QString& messageStart)
    {
        language::Msg_1 = QStringLiteral("kept 1");
        language::Msg_2 = QStringLiteral("kept 2");
        auto main = testsupport::makeMainWindow();
        auto settingsWindow = testsupport::makeSettingsWindow();
        const QStringList before = allTexts(*main, *settingsWindow);
        language::ChangeLanguage(QStringLiteral("Main"), *main);
        language::ChangeLanguage(QStringLiteral("Settings"), *settingsWindow);
        EXPECT_EQ(allTexts(*main, *settingsWindow), before);
        EXPECT_EQ(language::Msg_1, "kept 1");
        EXPECT_EQ(language::Msg_2, "kept 2");
        ASSERT_EQ(messages.texts().size(), 2);
        for (const QString& text : messages.texts()) {
            EXPECT_TRUE(text.startsWith(messageStart)) << qPrintable(text);
            EXPECT_TRUE(text.endsWith(QStringLiteral(" - ChangeLanguage"))) << qPrintable(text);
        }
        EXPECT_EQ(folder.logLines().size(), 2);
    }

    testsupport::TempProgramFolder folder;
    testsupport::ScriptedMessages messages;
};

TEST_F(ChangeLanguageTest, EnglishFromTheShippedFile)
{
    installShippedFile();
    auto main = testsupport::makeMainWindow();
    language::ChangeLanguage(QStringLiteral("Main"), *main);
    EXPECT_EQ(textOf(*main, "mnuFile"), "File");
    EXPECT_EQ(textOf(*main, "LblID"), "Patient ID:");
    EXPECT_EQ(textOf(*main, "cmdClear"), "Clear fields");
    EXPECT_EQ(textOf(*main, "cmdCreate"), "Create GDT");
    EXPECT_EQ(language::Msg_1, "GDT-file has been created.");
    EXPECT_EQ(language::Msg_2, "The path for Orvane.exe is not correct.\r\nDo you want to continue without Orvane?");

    auto settingsWindow = testsupport::makeSettingsWindow();
    language::ChangeLanguage(QStringLiteral("Settings"), *settingsWindow);
    EXPECT_EQ(textOf(*settingsWindow, "frmSettings"), "Settings");
    EXPECT_EQ(textOf(*settingsWindow, "fraOptionen"), "Options");
    EXPECT_EQ(textOf(*settingsWindow, "chkModality"), "Add modality");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ChangeLanguageTest, DeutschFromTheShippedFileIsTheDesignedText)
{
    installShippedFile();
    settings::Config.Language = QStringLiteral("Deutsch");
    auto main = testsupport::makeMainWindow();
    auto settingsWindow = testsupport::makeSettingsWindow();
    const QStringList designed = allTexts(*main, *settingsWindow);
    language::ChangeLanguage(QStringLiteral("Main"), *main);
    language::ChangeLanguage(QStringLiteral("Settings"), *settingsWindow);
    EXPECT_EQ(allTexts(*main, *settingsWindow), designed);
    EXPECT_EQ(language::Msg_1, "GDT-Datei wurde erstellt.");
    EXPECT_EQ(language::Msg_2, QString::fromUtf8("Der Pfad für Orvane.exe ist nicht korrekt.\r\n"
                                                 "Möchten Sie ohne Orvane fortfahren?"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ChangeLanguageTest, LowerCaseMainChangesNothing)
{
    installShippedFile();
    auto main = testsupport::makeMainWindow();
    auto settingsWindow = testsupport::makeSettingsWindow();
    const QStringList before = allTexts(*main, *settingsWindow);
    language::ChangeLanguage(QStringLiteral("main"), *main);
    EXPECT_EQ(allTexts(*main, *settingsWindow), before);
    EXPECT_EQ(language::Msg_1, "");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(ChangeLanguageTest, NullValueInTheFileIsReportedUnderLanguage)
{
    folder.write(QStringLiteral("Language.mdb"),
                 testsupport::makeDatabase(QStringLiteral("tblComponents"), {QStringLiteral("English")},
                                           {{QStringLiteral("mnuFile"), std::nullopt},
                                            {QStringLiteral("mnuClose"), QString()},
                                            {QStringLiteral("mnuView"), QStringLiteral("View")}}));
    auto main = testsupport::makeMainWindow();
    language::ChangeLanguage(QStringLiteral("Main"), *main);
    EXPECT_EQ(textOf(*main, "mnuFile"), "");
    EXPECT_EQ(textOf(*main, "mnuClose"), "");
    EXPECT_EQ(textOf(*main, "mnuView"), "View");
    EXPECT_EQ(textOf(*main, "cmdClear"), "Felder löschen");
    EXPECT_EQ(messages.texts(), QStringList{" # 94 - Invalid use of Null - Language"});
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
    settings::Config.Language = QStringLiteral("Français");
    expectFailureUnchanged(QString::fromUtf8(" # 3265 - No column for the language 'Français'"));
}

} // namespace
