// ChangeLanguage's work on rows already fetched (applyLanguage, Language) on the real windows:
// the key tables, first row wins, defaults, NULL and empty texts. No database file is involved.

#include "language/change_language.h"
#include "language_files.h"
#include "language_forms.h"
#include "support/fresh_globals.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QMap>
#include <QVariant>

#include <algorithm>

#include <gtest/gtest.h>

using language::LanguageRow;
using language::LanguageRows;
using testsupport::allTexts;
using testsupport::textOf;

namespace {

const QString kMsg1English = QStringLiteral("GDT-file has been created.");
const QString kMsg2English =
    QStringLiteral("The path for Orvane.exe is not correct.\r\nDo you want to continue without Orvane?");

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

// Every key of the shipped text table, each value "<key> in English".
LanguageRows allKeys()
{
    LanguageRows rows;
    const QStringList header = {"ComponentName", "DeutschValue", "EnglishValue"};
    for (const LanguageRow& shipped : testsupport::rowsFromTsv(testsupport::shippedTextTable(), 2, header))
        rows.append(row(shipped.key, inEnglish(shipped.key)));
    return rows;
}

// The texts each named object of window shows to the eye or to a screen reader, or keeps for the
// status line, by name; the shown text first.
QMap<QString, QStringList> shownTexts(const QObject& window)
{
    QList<const QObject*> objects = {&window};
    for (const QObject* child : window.findChildren<QObject*>())
        objects.append(child);
    const QList<const char*> properties =
        QList<const char*>{"text", "title", "windowTitle"} + testsupport::keyTableProperties();
    QMap<QString, QStringList> texts;
    for (const QObject* object : objects) {
        for (const char* property : properties) {
            if (const QVariant value = object->property(property); value.isValid() && !object->objectName().isEmpty())
                texts[object->objectName()].append(value.toString());
        }
    }
    return texts;
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

    testsupport::FreshGlobals globals;
    testsupport::TempProgramFolder folder;
    testsupport::ScriptedMessages messages;
    std::unique_ptr<frmMain> mainWindow = testsupport::makeMainWindow();
    std::unique_ptr<frmSettings> settingsWindow = testsupport::makeSettingsWindow();
};

// Every key reaches a message or one control of a window (the settings window's title shares its
// key with the menu entry), and every control with a designed caption in words shows the text of
// some key afterwards: no key is lost and no caption forgotten.
TEST_F(LanguageLookup, EveryKeyReachesOneControlAndEveryCaptionHasAKey)
{
    const LanguageRows rows = allKeys();
    QMap<QString, QStringList> reached; // key -> "<form key>:<control>" or the message
    for (const auto& [formKey, window] : {std::pair<QString, QObject*>{"Settings", settingsWindow.get()},
                                          std::pair<QString, QObject*>{"Main", mainWindow.get()}}) {
        const QMap<QString, QStringList> before = shownTexts(*window);
        language::applyLanguage(formKey, *window, rows);
        if (formKey == QStringLiteral("Settings")) {
            EXPECT_EQ(modGlobal::Msg_1, "old message 1"); // the main window's message alone
        }
        const QMap<QString, QStringList> after = shownTexts(*window);
        for (auto control = after.cbegin(); control != after.cend(); ++control) {
            for (const LanguageRow& r : rows) {
                if (control.value().contains(r.value))
                    reached[r.key].append(formKey + u':' + control.key());
            }
            const QString caption = before[control.key()].first();
            if (std::any_of(caption.begin(), caption.end(), [](QChar c) { return c.isLetter(); })) {
                EXPECT_TRUE(control.value().first().endsWith(QStringLiteral(" in English")))
                    << qPrintable(control.key() + QStringLiteral(" keeps its caption ") + caption);
            }
        }
    }
    for (const auto& [key, message] : {std::pair{"Msg_1", &modGlobal::Msg_1}, std::pair{"Msg_2", &modGlobal::Msg_2},
                                       std::pair{"Msg_3", &modGlobal::Msg_3}}) {
        if (*message == inEnglish(QLatin1String(key)))
            reached[QLatin1String(key)].append(QLatin1String(key));
    }
    for (const LanguageRow& r : rows) {
        const QStringList& controls = reached[r.key];
        EXPECT_FALSE(controls.isEmpty()) << qPrintable(r.key);
        for (const QString& window : {QStringLiteral("Main:"), QStringLiteral("Settings:")})
            EXPECT_LE(controls.filter(window).size(), 1)
                << qPrintable(r.key + QStringLiteral(" reaches ") + controls.join(u' '));
    }
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
