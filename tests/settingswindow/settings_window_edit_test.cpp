// Edits in the settings window and the chooser dialogs: each goes into Config at once.

#include "settings_window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using modGlobal::Config;

namespace {

struct FolderCase
{
    const char* name;
    QString pathBefore;
    std::optional<QString> chosen; // nullopt: the user cancels
    QString pathAfter;
};

void PrintTo(const FolderCase& row, std::ostream* out)
{
    *out << row.name;
}

class FolderChooserTest : public SettingsWindowTest, public ::testing::WithParamInterface<FolderCase>
{
};

TEST_P(FolderChooserTest, StoresAndShowsTheFolderWithOneFinalSeparator)
{
    Config.Path = GetParam().pathBefore;
    dialogs.answerFolder(GetParam().chosen);
    open();
    click("cmdPath");
    EXPECT_EQ(Config.Path, GetParam().pathAfter);
    EXPECT_EQ(find<QLineEdit>("txtPath")->text(), GetParam().pathAfter);
    EXPECT_EQ(dialogs.folderTitles, QStringList{QStringLiteral("Bitte wählen Sie einen Ordner...")});
    EXPECT_EQ(dialogs.folderStarts, QStringList{GetParam().pathBefore}) << "opens at the folder in force";
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FolderChooserTest,
    ::testing::Values(
        FolderCase{"PlainFolder", {}, QStringLiteral("/data/gdt"), QStringLiteral("/data/gdt") + QDir::separator()},
        FolderCase{"Root", QStringLiteral("/old/"), QStringLiteral("/"), QStringLiteral("/")},
        FolderCase{"CancelAddsMissingSeparator", QStringLiteral("/data/gdt"), std::nullopt,
                   QStringLiteral("/data/gdt") + QDir::separator()},
        FolderCase{"CancelLeavesEmptyFolderEmpty", {}, std::nullopt, {}},
        FolderCase{"NoFileSystemPathIsACancel", QStringLiteral("/data/gdt/"), QString(), QStringLiteral("/data/gdt/")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsWindowTest, TypedFolderIsStoredAsTyped)
{
    open();
    QTest::keyClicks(find<QLineEdit>("txtPath"), QStringLiteral("/data/gdt"));
    EXPECT_EQ(Config.Path, QStringLiteral("/data/gdt"));
}

TEST_F(SettingsWindowTest, ClearingAndRecheckingOrvaneStartForgetsThePath)
{
    Config.RunOrvane = true;
    Config.OrvanePath = QStringLiteral("/opt/orvane/orvane");
    open();
    auto* pathBox = find<QLineEdit>("txtOrvanePath");
    ASSERT_EQ(pathBox->text(), Config.OrvanePath);

    click("chkRunOrvane");
    EXPECT_FALSE(Config.RunOrvane);
    EXPECT_TRUE(Config.OrvanePath.isEmpty());
    EXPECT_FALSE(pathBox->isEnabled());
    EXPECT_FALSE(find<QPushButton>("cmdOrvanePath")->isEnabled());

    click("chkRunOrvane");
    EXPECT_TRUE(Config.RunOrvane);
    EXPECT_TRUE(pathBox->isEnabled());
    EXPECT_TRUE(pathBox->text().isEmpty());
    EXPECT_TRUE(Config.OrvanePath.isEmpty());
}

TEST_F(SettingsWindowTest, OpeningWithOrvaneStartOffHidesButKeepsThePath)
{
    Config.OrvanePath = QStringLiteral("/opt/orvane/orvane");
    open();
    EXPECT_TRUE(find<QLineEdit>("txtOrvanePath")->text().isEmpty());
    EXPECT_FALSE(find<QLineEdit>("txtOrvanePath")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("cmdOrvanePath")->isEnabled());
    EXPECT_EQ(Config.OrvanePath, QStringLiteral("/opt/orvane/orvane"));
}

TEST_F(SettingsWindowTest, ChosenProgramGoesIntoBoxAndConfigAndCancelKeepsIt)
{
    Config.RunOrvane = true;
    Config.OrvanePath = QStringLiteral("/usr/bin/old");
    dialogs.answerFile(QStringLiteral("/opt/orvane/orvane"));
    dialogs.answerFile(std::nullopt);
    open();

    click("cmdOrvanePath");
    EXPECT_EQ(Config.OrvanePath, QStringLiteral("/opt/orvane/orvane"));
    click("cmdOrvanePath");
    EXPECT_EQ(Config.OrvanePath, QStringLiteral("/opt/orvane/orvane"));
    EXPECT_EQ(find<QLineEdit>("txtOrvanePath")->text(), QStringLiteral("/opt/orvane/orvane"));
    // Programs here carry no ".exe", so every file must be choosable as well.
    const QStringList filters{QStringLiteral("Ausführbare Dateien (.exe) (*.exe)"), QStringLiteral("Alle Dateien (*)")};
    EXPECT_EQ(dialogs.fileFilters, (QList<QStringList>{filters, filters}));
}

TEST_F(SettingsWindowTest, TypedLanguageCountsAtOnceAndIsSavedAsTypedAChoiceFromTheListOnlyOnSave)
{
    open();
    auto* languageBox = find<QComboBox>("cboLanguage");
    QTest::keyClick(languageBox, Qt::Key_Up);
    EXPECT_EQ(languageBox->currentText(), QStringLiteral("Deutsch"));
    EXPECT_EQ(Config.Language, QStringLiteral("English"));

    QTest::keyClick(languageBox->lineEdit(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(languageBox->lineEdit(), QStringLiteral("Klingonisch"));
    EXPECT_EQ(Config.Language, QStringLiteral("Klingonisch"));
    click("cmdSave");
    EXPECT_EQ(iniValue(QStringLiteral("Language")), QStringLiteral("Klingonisch"));
}

} // namespace
