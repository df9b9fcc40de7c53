// ChangeLanguage's work on rows already fetched (applyLanguage, Language): the key tables,
// first row wins, defaults, NULL and empty texts. No database file is involved.

#include "fake_windows.h"
#include "language/change_language.h"
#include "language/form_texts.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <gtest/gtest.h>

using language::LanguageRow;
using language::LanguageRows;
using testsupport::textOf;

namespace {

LanguageRow row(const QString& key, const QString& value)
{
    return {key, value};
}
LanguageRow nullRow(const QString& key)
{
    return {key, std::nullopt};
}

// Every key of both windows and the messages, each value "<key> in English".
LanguageRows allKeys()
{
    LanguageRows rows;
    for (const auto& text : language::mainWindowTexts())
        rows.append(row(text.key, text.key + QStringLiteral(" in English")));
    for (const auto& text : language::settingsWindowTexts())
        rows.append(row(text.key, text.key + QStringLiteral(" in English")));
    rows.append(row(QStringLiteral("Msg_1"), QStringLiteral("Msg_1 in English")));
    rows.append(row(QStringLiteral("Msg_2"), QStringLiteral("Msg_2 in English")));
    return rows;
}

LanguageRows without(LanguageRows rows, const QString& key)
{
    rows.removeIf([&](const LanguageRow& r) { return r.key == key; });
    return rows;
}

class LanguageLookup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        language::Msg_1 = QStringLiteral("old message 1");
        language::Msg_2 = QStringLiteral("old message 2");
    }

    testsupport::TempProgramFolder folder;
    testsupport::ScriptedMessages messages;
};

TEST_F(LanguageLookup, MainWindowTakesEveryTextOfItsTableThroughTheKeyTable)
{
    auto window = testsupport::makeMainWindow();
    language::applyLanguage(QStringLiteral("Main"), *window, allKeys());

    EXPECT_EQ(textOf(*window, "mnuFile"), "mnuFile in English");
    EXPECT_EQ(textOf(*window, "mnuClose"), "mnuClose in English");
    EXPECT_EQ(textOf(*window, "mnuSettings"), "mnuSettings in English");
    EXPECT_EQ(textOf(*window, "fraData"), "fraData in English");
    // The three rows whose key differs from the control's name.
    EXPECT_EQ(textOf(*window, "LblID"), "lblID in English");
    EXPECT_EQ(textOf(*window, "cmdCreate"), "cmdCreateGDT in English");
    EXPECT_EQ(textOf(*window, "lblModality"), "lblModality in English");
    EXPECT_EQ(textOf(*window, "lblDateExample"), "TT.MM.JJJJ");
    EXPECT_EQ(textOf(*window, "frmMain"), "Lumvik Version 1.0.4");
    EXPECT_EQ(language::Msg_1, "Msg_1 in English");
    EXPECT_EQ(language::Msg_2, "Msg_2 in English");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(LanguageLookup, SettingsWindowTakesItsTitleFromMnuSettingsAndLeavesTheMessages)
{
    auto window = testsupport::makeSettingsWindow();
    language::applyLanguage(QStringLiteral("Settings"), *window, allKeys());

    EXPECT_EQ(textOf(*window, "frmSettings"), "mnuSettings in English");
    EXPECT_EQ(textOf(*window, "fraOptionen"), "fraOption in English");
    EXPECT_EQ(textOf(*window, "chkRunOrvane"), "chkRunOrvane in English");
    EXPECT_EQ(textOf(*window, "chkModality"), "chkModality in English");
    EXPECT_EQ(textOf(*window, "cmdCancel"), "cmdCancel in English");
    EXPECT_EQ(language::Msg_1, "old message 1");
}

TEST_F(LanguageLookup, MnuSettingsServesTheMenuEntryAndTheSettingsTitle)
{
    const LanguageRows rows = {row(QStringLiteral("mnuSettings"), QStringLiteral("Optionen…"))};
    auto main = testsupport::makeMainWindow();
    auto settings = testsupport::makeSettingsWindow();
    language::applyLanguage(QStringLiteral("Main"), *main, rows);
    language::applyLanguage(QStringLiteral("Settings"), *settings, rows);
    EXPECT_EQ(textOf(*main, "mnuSettings"), "Optionen…");
    EXPECT_EQ(textOf(*settings, "frmSettings"), "Optionen…");
}

TEST_F(LanguageLookup, MissingRowKeepsTheDesignedTextAlsoInEnglish)
{
    auto window = testsupport::makeMainWindow();
    language::applyLanguage(QStringLiteral("Main"), *window, without(allKeys(), QStringLiteral("cmdClear")));
    EXPECT_EQ(textOf(*window, "cmdClear"), "Felder löschen");
    EXPECT_EQ(textOf(*window, "lblName"), "lblName in English");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(LanguageLookup, MissingMessageRowsGiveTheEnglishDefaultsWhateverTheLanguage)
{
    // German rows, but none for the messages.
    const LanguageRows rows = {row(QStringLiteral("cmdClear"), QStringLiteral("Felder löschen"))};
    auto window = testsupport::makeMainWindow();
    language::applyLanguage(QStringLiteral("Main"), *window, rows);
    EXPECT_EQ(language::Msg_1, "GDT-file has been created.");
    EXPECT_EQ(language::Msg_2, "The path for Orvane.exe is not correct.\r\nDo you want to continue without Orvane?");
}

TEST_F(LanguageLookup, FirstRowOfARepeatedKeyWins)
{
    const LanguageRows rows = {row(QStringLiteral("cmdClear"), QStringLiteral("first")),
                               row(QStringLiteral("cmdClear"), QStringLiteral("second")),
                               nullRow(QStringLiteral("Msg_1")), row(QStringLiteral("Msg_1"), QStringLiteral("later"))};
    EXPECT_EQ(language::Language(rows, QStringLiteral("cmdClear"), QStringLiteral("default")), "first");
    auto window = testsupport::makeMainWindow();
    language::applyLanguage(QStringLiteral("Main"), *window, rows);
    EXPECT_EQ(textOf(*window, "cmdClear"), "first");
    EXPECT_EQ(language::Msg_1, ""); // the first Msg_1 row is NULL
}

TEST_F(LanguageLookup, KeysCompareExactly)
{
    const LanguageRows rows = {row(QStringLiteral("cmdclear"), QStringLiteral("lower case")),
                               row(QStringLiteral(" cmdClear"), QStringLiteral("blank in front")),
                               row(QStringLiteral("cmdClear'"), QStringLiteral("quote behind"))};
    EXPECT_EQ(language::Language(rows, QStringLiteral("cmdClear"), QStringLiteral("default")), "default");
}

TEST_F(LanguageLookup, NullValueIsAnErrorUnderLanguageAndEmptiesTheText)
{
    LanguageRows rows = without(allKeys(), QStringLiteral("lblName"));
    rows.prepend(nullRow(QStringLiteral("lblName")));
    auto window = testsupport::makeMainWindow();
    language::applyLanguage(QStringLiteral("Main"), *window, rows);

    EXPECT_EQ(textOf(*window, "lblName"), "");
    EXPECT_EQ(textOf(*window, "lblSurname"), "lblSurname in English"); // goes on with the next row
    ASSERT_EQ(messages.texts(), QStringList{" # 94 - Invalid use of Null - Language"});
    EXPECT_EQ(messages.shown().first().caption, "Warning");
    ASSERT_EQ(folder.logLines().size(), 1);
    EXPECT_TRUE(folder.logLines().first().endsWith(" # 94 - Invalid use of Null - Language"));
}

TEST_F(LanguageLookup, ZeroLengthTextIsNoError)
{
    const LanguageRows rows = {row(QStringLiteral("lblName"), QString()), row(QStringLiteral("Msg_2"), QString())};
    auto window = testsupport::makeMainWindow();
    language::applyLanguage(QStringLiteral("Main"), *window, rows);
    EXPECT_EQ(textOf(*window, "lblName"), "");
    EXPECT_EQ(language::Msg_2, "");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(LanguageLookup, OtherFormKeysChangeNothing)
{
    for (const QString& key : {QStringLiteral("main"), QStringLiteral("MAIN"), QStringLiteral("settings"),
                               QStringLiteral("Main "), QString()}) {
        auto main = testsupport::makeMainWindow();
        auto settings = testsupport::makeSettingsWindow();
        language::applyLanguage(key, *main, allKeys());
        language::applyLanguage(key, *settings, allKeys());
        EXPECT_EQ(textOf(*main, "mnuFile"), "Datei") << qPrintable(key);
        EXPECT_EQ(textOf(*main, "cmdCreate"), "Erstelle GDT") << qPrintable(key);
        EXPECT_EQ(textOf(*settings, "frmSettings"), "Einstellungen") << qPrintable(key);
        EXPECT_EQ(language::Msg_1, "old message 1") << qPrintable(key);
    }
}

TEST_F(LanguageLookup, MissingControlIsLeftOutButItsNullRowIsStillReported)
{
    QObject bare; // a window without any of the controls
    bare.setObjectName(QStringLiteral("frmMain"));
    language::applyLanguage(QStringLiteral("Main"), bare, {nullRow(QStringLiteral("mnuFile"))});
    EXPECT_EQ(messages.texts(), QStringList{" # 94 - Invalid use of Null - Language"});
    EXPECT_EQ(language::Msg_1, "GDT-file has been created.");
}

} // namespace
