// Saving, cancelling and closing the settings window, checked in the Settings.ini they leave.

#include "settings_window_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSpinBox>

using modGlobal::Config;
using platform::MessageAnswer;

namespace {

enum class Program { Empty, Missing, Folder, Existing };

struct SaveCase
{
    const char* name;
    bool runOrvane;
    Program program;
    std::optional<MessageAnswer> answer; // nullopt: no question is expected
    const char* savedRunOrvane;
    bool pathSaved; // false: saved empty
};

void PrintTo(const SaveCase& row, std::ostream* out)
{
    *out << row.name;
}

class SaveTest : public SettingsWindowTest, public ::testing::WithParamInterface<SaveCase>
{
protected:
    QString programPath(Program program) const
    {
        switch (program) {
        case Program::Empty:
            return {};
        case Program::Missing:
            return folder.filePath(QStringLiteral("orvane"));
        case Program::Folder:
            return folder.path();
        case Program::Existing:
            folder.write(QStringLiteral("orvane"), "#!/bin/sh\n");
            return folder.filePath(QStringLiteral("orvane"));
        }
        return {};
    }
};

TEST_P(SaveTest, AsksOnlyForAMissingProgramAndSavesTheAnswer)
{
    const SaveCase& row = GetParam();
    Config.RunOrvane = row.runOrvane;
    Config.OrvanePath = programPath(row.program);
    const QString pathBefore = Config.OrvanePath;
    modGlobal::Msg_2 = QStringLiteral("Orvane fehlt. Weiter?");
    if (row.answer)
        messages.answerNext(*row.answer);
    open();
    click("cmdSave");

    ASSERT_EQ(messages.shown().size(), row.answer ? 1 : 0);
    if (row.answer) {
        const auto& question = messages.shown().front();
        EXPECT_EQ(question.text, modGlobal::Msg_2);
        EXPECT_EQ(question.caption, QStringLiteral("Lumvik"));
        EXPECT_EQ(question.icon, platform::MessageIcon::None);
        EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
        EXPECT_EQ(question.defaultAnswer, MessageAnswer::Yes);
    }
    EXPECT_EQ(iniValue(QStringLiteral("RunOrvane")), QLatin1String(row.savedRunOrvane));
    EXPECT_EQ(iniValue(QStringLiteral("OrvanePath")), row.pathSaved ? pathBefore : QString());
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    OrvaneCheck, SaveTest,
    ::testing::Values(SaveCase{"EmptyPathYes", true, Program::Empty, MessageAnswer::Yes, "0", false},
                      SaveCase{"EmptyPathNo", true, Program::Empty, MessageAnswer::No, "1", true},
                      SaveCase{"MissingFileYesForgetsPath", true, Program::Missing, MessageAnswer::Yes, "0", false},
                      SaveCase{"FolderIsNoProgram", true, Program::Folder, MessageAnswer::No, "1", true},
                      SaveCase{"ExistingProgram", true, Program::Existing, std::nullopt, "1", true},
                      SaveCase{"OrvaneOffKeepsPath", false, Program::Missing, std::nullopt, "0", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, QuestionFallsBackToEnglishWithoutALanguage)
{
    Config.RunOrvane = true;
    messages.answerNext(MessageAnswer::No);
    open();
    click("cmdSave");
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_EQ(messages.texts().front(),
              QStringLiteral("The path for Orvane.exe is not correct.\r\nDo you want to continue without Orvane?"));
}

// Blanks around the typed folder are not saved; a folder that does not exist is saved only when
// the user says so, and the question comes in English without a language.
TEST_F(SettingsWindowTest, TargetFolderIsSavedTrimmedAndAMissingOneOnlyWhenTheUserSaysSo)
{
    const QString existing = folder.path() + "/";
    const QString missing = folder.path() + "/missing/";
    const struct
    {
        QString typed;
        std::optional<MessageAnswer> answer; // nullopt: no question is expected
        std::optional<QString> saved;        // nullopt: nothing saved, the window stays open
    } cases[] = {{"  " + existing + "  ", std::nullopt, existing},
                 {"", std::nullopt, ""},
                 {missing + " ", MessageAnswer::Yes, missing},
                 {missing, MessageAnswer::No, std::nullopt}};
    for (const auto& row : cases) {
        QFile::remove(folder.filePath(QStringLiteral("Settings.ini")));
        const qsizetype boxesBefore = messages.shown().size();
        if (row.answer)
            messages.answerNext(*row.answer);
        open();
        find<QLineEdit>("txtPath")->setText(row.typed);
        click("cmdSave");
        ASSERT_EQ(messages.shown().size() - boxesBefore, row.answer ? 1 : 0) << qPrintable(row.typed);
        if (row.answer) {
            const auto& question = messages.shown().last();
            EXPECT_EQ(question.text, "The target path does not exist.\r\nDo you want to save it anyway?");
            EXPECT_EQ(question.buttons, platform::MessageButtons::YesNo);
            EXPECT_EQ(question.defaultAnswer, MessageAnswer::No);
        }
        EXPECT_EQ(iniValue(QStringLiteral("Path")), row.saved) << qPrintable(row.typed);
        EXPECT_EQ(window->isVisible(), !row.saved) << qPrintable(row.typed);
    }
}

TEST_F(SettingsWindowTest, SavesEveryKeyWithLanguageFromTheBox)
{
    Config.Path = folder.path() + "/";
    Config.TxtImport = true;
    open();
    QTest::keyClick(find<QComboBox>("cboLanguage"), Qt::Key_Up); // "Deutsch" from the list
    click("chkModality");
    QTest::keyClick(find<QSpinBox>("txtPickupMinutes"), Qt::Key_Down);
    click("cmdSave");
    EXPECT_EQ(iniValue(QStringLiteral("PickupMinutes")), QStringLiteral("2"));
    EXPECT_EQ(iniValue(QStringLiteral("Path")), folder.path() + "/");
    EXPECT_EQ(iniValue(QStringLiteral("TxtImport")), QStringLiteral("1"));
    EXPECT_EQ(iniValue(QStringLiteral("Language")), QStringLiteral("Deutsch"));
    EXPECT_EQ(iniValue(QStringLiteral("Modality")), QStringLiteral("1"));
}

TEST_F(SettingsWindowTest, FailedSaveKeepsTheWindowOpenForARetryOrACancel)
{
    QDir(folder.path()).mkdir(QStringLiteral("Settings.ini")); // a folder where the file belongs
    allowedWarning = QStringLiteral(" - SaveConfig");
    open();
    QTest::keyClicks(find<QLineEdit>("txtPath"), folder.path() + "/");
    click("cmdSave");
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(window->isVisible()) << "the user can retry or cancel";
    EXPECT_EQ(Config.Path, folder.path() + "/");

    // The cause mended, the same window saves and closes.
    QDir(folder.path()).rmdir(QStringLiteral("Settings.ini"));
    click("cmdSave");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(iniValue(QStringLiteral("Path")), folder.path() + "/");
}

TEST_F(SettingsWindowTest, CancelAfterAFailedSaveTakesTheEditsBack)
{
    QDir(folder.path()).mkdir(QStringLiteral("Settings.ini"));
    allowedWarning = QStringLiteral(" - SaveConfig");
    open();
    QTest::keyClicks(find<QLineEdit>("txtPath"), folder.path() + "/");
    click("cmdSave");
    click("cmdCancel");
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(Config.Path.isEmpty()) << "a folder that was never saved is not used";
}

class CloseWithoutSavingTest : public SettingsWindowTest, public ::testing::WithParamInterface<bool>
{
};

TEST_P(CloseWithoutSavingTest, LeavesTheFileAndPutsConfigBackAsItWasOpened)
{
    const QByteArray before = "[Lumvik]\r\nTxtImport=1\r\n";
    folder.write(QStringLiteral("Settings.ini"), before);
    Config = {
        QStringLiteral("/data/gdt/"), QStringLiteral("/opt/orvane"), true, true, QStringLiteral("English"), false};
    const modGlobal::ConfigRecord opened = Config;
    open();
    // Every kind of edit: typed folder and language, a check box, a number, and one that forgets the
    // path.
    QTest::keyClicks(find<QLineEdit>("txtPath"), QStringLiteral("elsewhere"));
    QTest::keyClick(find<QSpinBox>("txtPickupMinutes"), Qt::Key_Up);
    click("chkImport");
    click("chkModality");
    click("chkRunOrvane");
    QTest::keyClicks(find<QComboBox>("cboLanguage")->lineEdit(), QStringLiteral("x"));
    ASSERT_FALSE(Config == opened);
    if (GetParam())
        click("cmdCancel");
    else
        window->close(); // the close box
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("Settings.ini")), before);
    EXPECT_TRUE(Config == opened);
}

INSTANTIATE_TEST_SUITE_P(CancelOrCloseBox, CloseWithoutSavingTest, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "Cancel" : "CloseBox"); });

} // namespace
