// ChangeLanguage's work on rows already fetched (applyLanguage, Language) on the real windows:
// the key tables, first row wins, defaults, NULL and empty texts. No database file is involved.

#include "language/change_language.h"
#include "language_windows.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QMap>

#include <gtest/gtest.h>

using language::LanguageRow;
using language::LanguageRows;
using testsupport::allTexts;
using testsupport::textOf;

namespace {

const QString kMsg1English = QStringLiteral("GDT-file has been created.");
const QString kMsg2English =
    QStringLiteral("The path for Orvane.exe is not correct.\r\nDo you want to continue without Orvane?");

// Control -> key of each window, written out here rather than taken from the code's tables.
const QMap<QString, QString> kMainKeys = {{"mnuFile", "mnuFile"},
                                          {"mnuClose", "mnuClose"},
                                          {"mnuView", "mnuView"},
                                          {"mnuSettings", "mnuSettings"},
                                          {"fraData", "fraData"},
                                          {"LblID", "lblID"},
                                          {"lblName", "lblName"},
                                          {"lblSurname", "lblSurname"},
                                          {"lblBirthday", "lblBirthday"},
                                          {"lblGender", "lblGender"},
                                          {"lblDate", "lblDate"},
                                          {"lblTime", "lblTime"},
                                          {"lblSchedPhysician", "lblSchedPhysician"},
                                          {"cmdClear", "cmdClear"},
                                          {"cmdCreate", "cmdCreateGDT"},
                                          {"lblModality", "lblModality"}};
const QMap<QString, QString> kSettingsKeys = {{"fraOptionen", "fraOption"},     {"lblPath", "lblPath"},
                                              {"chkRunOrvane", "chkRunOrvane"}, {"lblOrvanePath", "lblOrvanePath"},
                                              {"frmSettings", "mnuSettings"},   {"lblLanguage", "lblLanguage"},
                                              {"chkImport", "chkImport"},       {"cmdSave", "cmdSave"},
                                              {"cmdCancel", "cmdCancel"},       {"chkModality", "chkModality"}};

LanguageRow row(const QString& key, const QString& value)
{
    return {key, value};
}
LanguageRow nullRow(const QString& key)
{
    return {key, std::nullopt};
}
QString inEnglish(const QString& key)
{
    return key + QStringLiteral(" in English");
}

// Every key of both windows and the messages, each value "<key> in English".
LanguageRows allKeys()
{
    LanguageRows rows;
    for (const QString& key : kMainKeys.values() + kSettingsKeys.values() + QStringList{"Msg_1", "Msg_2"})
        rows.append(row(key, inEnglish(key)));
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
        modGlobal::Msg_1 = QStringLiteral("old message 1");
        modGlobal::Msg_2 = QStringLiteral("old message 2");
    }

    testsupport::TempProgramFolder folder;
    testsupport::ScriptedMessages messages;
    std::unique_ptr<frmMain> mainWindow = testsupport::makeMainWindow();
    std::unique_ptr<frmSettings> settingsWindow = testsupport::makeSettingsWindow();
};

TEST_F(LanguageLookup, EveryKeyReachesItsControlAndNoOtherTextChanges)
{
    const struct
    {
        const char* formKey;
        QObject* window;
        const QMap<QString, QString>& keys;
        QString msg1After;
    } windows[] = {{"Settings", settingsWindow.get(), kSettingsKeys, "old message 1"},
                   {"Main", mainWindow.get(), kMainKeys, inEnglish("Msg_1")}};
    for (const auto& w : windows) {
        QString expected;
        for (const QString& line : allTexts(*w.window).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString name = line.section(QLatin1Char('='), 0, 0);
            expected +=
                (w.keys.contains(name) ? name + QLatin1Char('=') + inEnglish(w.keys[name]) : line) + QLatin1Char('\n');
        }
        language::applyLanguage(QLatin1String(w.formKey), *w.window, allKeys());
        EXPECT_EQ(allTexts(*w.window), expected) << w.formKey;
        EXPECT_EQ(modGlobal::Msg_1, w.msg1After) << w.formKey;
    }
    EXPECT_EQ(modGlobal::Msg_2, inEnglish("Msg_2"));
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(LanguageLookup, MissingRowKeepsTheDesignedTextAlsoInEnglish)
{
    language::applyLanguage(QStringLiteral("Main"), *mainWindow, without(allKeys(), QStringLiteral("cmdClear")));
    EXPECT_EQ(textOf(*mainWindow, "cmdClear"), "Felder löschen");
    EXPECT_EQ(textOf(*mainWindow, "lblName"), "lblName in English");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(LanguageLookup, MessagesFallBackToOneEnglishTextEach)
{
    // German rows, but none for the messages.
    language::applyLanguage(QStringLiteral("Main"), *mainWindow, {row(QStringLiteral("cmdClear"), "Felder löschen")});
    EXPECT_EQ(modGlobal::Msg_1, kMsg1English);
    EXPECT_EQ(modGlobal::Msg_2, kMsg2English);

    // Before any language is loaded the windows show the same texts.
    modGlobal::Msg_1.clear();
    modGlobal::Msg_2.clear();
    EXPECT_EQ(language::msg1ToShow(), kMsg1English);
    EXPECT_EQ(language::msg2ToShow(), kMsg2English);
}

TEST_F(LanguageLookup, FirstRowOfARepeatedKeyWins)
{
    const LanguageRows rows = {row(QStringLiteral("cmdClear"), QStringLiteral("first")),
                               row(QStringLiteral("cmdClear"), QStringLiteral("second")),
                               nullRow(QStringLiteral("Msg_1")), row(QStringLiteral("Msg_1"), QStringLiteral("later"))};
    EXPECT_EQ(modGlobal::Language(rows, QStringLiteral("cmdClear"), QStringLiteral("default")), "first");
    language::applyLanguage(QStringLiteral("Main"), *mainWindow, rows);
    EXPECT_EQ(textOf(*mainWindow, "cmdClear"), "first");
    EXPECT_EQ(modGlobal::Msg_1, ""); // the first Msg_1 row is NULL
}

TEST_F(LanguageLookup, KeysCompareExactly)
{
    const LanguageRows rows = {row(QStringLiteral("cmdclear"), QStringLiteral("lower case")),
                               row(QStringLiteral(" cmdClear"), QStringLiteral("blank in front")),
                               row(QStringLiteral("cmdClear'"), QStringLiteral("quote behind"))};
    EXPECT_EQ(modGlobal::Language(rows, QStringLiteral("cmdClear"), QStringLiteral("default")), "default");
}

TEST_F(LanguageLookup, NullValueIsAnErrorUnderLanguageAndEmptiesTheText)
{
    LanguageRows rows = without(allKeys(), QStringLiteral("lblName"));
    rows.prepend(nullRow(QStringLiteral("lblName")));
    language::applyLanguage(QStringLiteral("Main"), *mainWindow, rows);

    EXPECT_EQ(textOf(*mainWindow, "lblName"), "");
    EXPECT_EQ(textOf(*mainWindow, "lblSurname"), "lblSurname in English"); // goes on with the next row
    ASSERT_EQ(messages.texts(), QStringList{" # 94 - Invalid use of Null - Language"});
    EXPECT_EQ(messages.shown().first().caption, "Warning");
    ASSERT_EQ(folder.logLines().size(), 1);
    EXPECT_TRUE(folder.logLines().first().endsWith(" # 94 - Invalid use of Null - Language"));
}

TEST_F(LanguageLookup, ZeroLengthTextIsNoError)
{
    const LanguageRows rows = {row(QStringLiteral("lblName"), QString()), row(QStringLiteral("Msg_2"), QString())};
    language::applyLanguage(QStringLiteral("Main"), *mainWindow, rows);
    EXPECT_EQ(textOf(*mainWindow, "lblName"), "");
    EXPECT_EQ(modGlobal::Msg_2, "");
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(LanguageLookup, OtherFormKeysChangeNothing)
{
    const QString before = allTexts(*mainWindow) + allTexts(*settingsWindow);
    for (const QString& key : {QStringLiteral("main"), QStringLiteral("MAIN"), QStringLiteral("settings"),
                               QStringLiteral("Main "), QString()}) {
        language::applyLanguage(key, *mainWindow, allKeys());
        language::applyLanguage(key, *settingsWindow, allKeys());
        EXPECT_EQ(allTexts(*mainWindow) + allTexts(*settingsWindow), before) << qPrintable(key);
        EXPECT_EQ(modGlobal::Msg_1, "old message 1") << qPrintable(key);
    }
}

TEST_F(LanguageLookup, MissingControlIsLeftOutButItsNullRowIsStillReported)
{
    QObject bare; // a window without any of the controls
    bare.setObjectName(QStringLiteral("frmMain"));
    language::applyLanguage(QStringLiteral("Main"), bare, {nullRow(QStringLiteral("mnuFile"))});
    EXPECT_EQ(messages.texts(), QStringList{" # 94 - Invalid use of Null - Language"});
    EXPECT_EQ(modGlobal::Msg_1, kMsg1English);
}

} // namespace
