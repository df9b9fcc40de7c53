#include "global/mod_global.h"
#include "platform/codepage.h"
#include "runtime_errors/runtime_error.h"
#include "settings/settings_file.h"
#include "support/file_size_limit.h"
#include "support/fresh_globals.h"
#include "support/scripted_file_system.h"
#include "support/scripted_presenters.h"
#include "support/temp_program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <algorithm>
#include <tuple>

#include <gtest/gtest.h>

namespace {

class SettingsFileTest : public ::testing::Test
{
protected:
    testsupport::FreshGlobals globals;
    testsupport::TempProgramFolder folder;
    testsupport::ScriptedMessages messages;
};

TEST_F(SettingsFileTest, WithoutAFileTheDefaultsApplyAndNothingIsCreated)
{
    modGlobal::LoadConfig();
    EXPECT_EQ(modGlobal::Config.Path, "");
    EXPECT_EQ(modGlobal::Config.OrvanePath, "");
    EXPECT_FALSE(modGlobal::Config.RunOrvane);
    EXPECT_FALSE(modGlobal::Config.TxtImport);
    EXPECT_EQ(modGlobal::Config.Language, "English");
    EXPECT_FALSE(modGlobal::Config.Modality);
    EXPECT_EQ(modGlobal::Config.PickupMinutes, 3);
    EXPECT_TRUE(messages.shown().isEmpty());
    EXPECT_FALSE(QFile::exists(settings::settingsFilePath()));
}

TEST_F(SettingsFileTest, SwitchesReadNumbersAsBasicDoesAndTrueFalseInAnyCase)
{
    // German regional settings: "," is the decimal separator.
    const std::pair<const char*, bool> cases[] = {
        {"1", true},   {"-1", true},  {"2", true},   {"0", false},   {" 1 ", true},  {"1,5", true},   {"0,0", false},
        {"1.5", true}, {"1e3", true}, {"-0", false}, {"True", true}, {"tRUE", true}, {"false", false}};
    for (const auto& [text, on] : cases)
        EXPECT_EQ(settings::toSwitch(text), on) << text;
    for (const char* text : {"", "yes", "on", "1x", "nan", "NaN", "inf", "-inf", "infinity", "Infinity", "1e999"})
        EXPECT_THROW(settings::toSwitch(text), errors::RuntimeError) << text;
}

TEST_F(SettingsFileTest, PickupMinutesAreWholeMinutesUpToADayAndABadValueIsReported)
{
    const std::pair<const char*, int> minutes[] = {{"0", 0}, {" 7 ", 7}, {"+5", 5}, {"1440", 1440}};
    for (const auto& [text, number] : minutes)
        EXPECT_EQ(settings::toMinutes(text), number) << text;
    const std::pair<const char*, qint32> bad[] = {{"", 13},    {"drei", 13}, {"2,5", 13},
                                                  {"2.5", 13}, {"-1", 6},    {"1441", 6}};
    for (const auto& [text, error] : bad) {
        try {
            settings::toMinutes(text);
            ADD_FAILURE() << text;
        } catch (const errors::RuntimeError& thrown) {
            EXPECT_EQ(thrown.number(), error) << text;
        }
    }
    folder.write("Settings.ini", "[Lumvik]\r\nPickupMinutes=0\r\n");
    modGlobal::LoadConfig();
    EXPECT_EQ(modGlobal::Config.PickupMinutes, 0);
    folder.write("Settings.ini", "[Lumvik]\r\nPickupMinutes=drei\r\n");
    modGlobal::Config = {};
    modGlobal::LoadConfig();
    EXPECT_EQ(modGlobal::Config.PickupMinutes, 3) << "the default stays";
    EXPECT_EQ(messages.texts(), QStringList{" # 13 - Type mismatch - LoadConfig"});
}

TEST_F(SettingsFileTest, BadSwitchStopsTheLoadThereAndIsReported)
{
    modGlobal::Config.Language = "before";
    folder.write("Settings.ini", "[Lumvik]\r\nPath=/srv/gdt/\r\nOrvanePath=/opt/o\r\nRunOrvane=\r\n"
                                 "TxtImport=1\r\nLanguage=Deutsch\r\nModality=1\r\n");
    EXPECT_FALSE(modGlobal::LoadConfig().has_value()) << "the file was read; its keys before the bad one count";
    EXPECT_EQ(modGlobal::Config.Path, "/srv/gdt/");
    EXPECT_EQ(modGlobal::Config.OrvanePath, "/opt/o");
    EXPECT_FALSE(modGlobal::Config.TxtImport);
    EXPECT_EQ(modGlobal::Config.Language, "before");
    EXPECT_FALSE(modGlobal::Config.Modality);
    EXPECT_EQ(messages.texts(), QStringList{" # 13 - Type mismatch - LoadConfig"});
}

TEST_F(SettingsFileTest, EverySavedValueIsReadBackWhole)
{
    // A target folder cut on loading would name another folder.
    const QString values[] = {QString(255, 'p'), QString(256, 'p'), QString(311, 'p'), QString(40000, 'p'),
                              " /srv/gdt/ ",     "\"/opt/viewer\"", "'Deutsch'",       "\""};
    for (const QString& value : values) {
        const modGlobal::ConfigRecord saved{value, value, true, true, value, true, 17};
        modGlobal::Config = saved;
        modGlobal::SaveConfig();
        modGlobal::Config = {};
        modGlobal::LoadConfig();
        EXPECT_TRUE(modGlobal::Config == saved) << value.left(20).toStdString() << " of " << value.size();
    }
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(SettingsFileTest, ByteOrderMarkIsNoPartOfTheFileWhichIsUtf8AndKeepsItsMark)
{
    const QByteArray mark = "\xEF\xBB\xBF";
    folder.write("Settings.ini", mark + "[Lumvik]\r\nPath=/srv/\xC3\x9C"
                                        "berweisungen/\r\nLanguage=Deutsch\r\n");
    modGlobal::LoadConfig();
    EXPECT_EQ(modGlobal::Config.Path, QString::fromUtf8("/srv/Überweisungen/"));
    EXPECT_EQ(modGlobal::Config.Language, "Deutsch");
    modGlobal::Config.Language = QString::fromUtf8("Español");
    modGlobal::SaveConfig();
    EXPECT_EQ(folder.read("Settings.ini"), mark + "[Lumvik]\r\nPath=/srv/\xC3\x9C"
                                                  "berweisungen/\r\nLanguage=Espa\xC3\xB1ol\r\nOrvanePath=\r\n"
                                                  "RunOrvane=0\r\nTxtImport=0\r\nModality=0\r\nPickupMinutes=3\r\n");
}

// The file's text in the encoding a Windows editor may have saved it in, mark included.
QByteArray encoded(const QString& text, QStringConverter::Encoding encoding)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder.encode(text);
}

TEST_F(SettingsFileTest, Utf16AndCrOnlyFilesAreReadAndSavedInTheirOwnEncoding)
{
    const QString before = QString::fromUtf8("; von Hand\r\n[Lumvik]\r\nPath=/srv/Überweisungen/\r\nTxtImport=1\r\n"
                                             "Language=Deutsch\r\n[Gerät]\r\nPort=3\r\n");
    const QString after = QString::fromUtf8("; von Hand\r\n[Lumvik]\r\nPath=/srv/Überweisungen/\r\nTxtImport=1\r\n"
                                            "Language=Español\r\nOrvanePath=\r\nRunOrvane=0\r\nModality=0\r\n"
                                            "PickupMinutes=3\r\n[Gerät]\r\nPort=3\r\n");
    const auto crOnly = [](QString text) {
        return platform::toSystemCodePage(text.replace(QStringLiteral("\r\n"), QStringLiteral("\r")));
    };
    const std::tuple<const char*, QByteArray, QByteArray> files[] = {
        {"UTF-16 LE", encoded(before, QStringConverter::Utf16LE), encoded(after, QStringConverter::Utf16LE)},
        {"UTF-16 BE", encoded(before, QStringConverter::Utf16BE), encoded(after, QStringConverter::Utf16BE)},
        {"CR only", crOnly(before), crOnly(after)},
    };
    for (const auto& [name, bytes, saved] : files) {
        folder.write("Settings.ini", bytes);
        modGlobal::Config = {};
        modGlobal::LoadConfig();
        EXPECT_EQ(modGlobal::Config.Path, QString::fromUtf8("/srv/Überweisungen/")) << name;
        EXPECT_TRUE(modGlobal::Config.TxtImport) << name;
        EXPECT_EQ(modGlobal::Config.Language, "Deutsch") << name;
        modGlobal::Config.Language = QString::fromUtf8("Español");
        modGlobal::SaveConfig();
        EXPECT_EQ(folder.read("Settings.ini"), saved) << name;
    }
    EXPECT_TRUE(messages.shown().isEmpty()) << qPrintable(messages.texts().join('\n'));
}

// No saved character is lost, whatever the system's code page: a file in the code page stays so
// while its characters fit and becomes UTF-8 with its mark when one does not; a file Notepad saved
// as UTF-8 without a mark is read as UTF-8 and stays so.
TEST_F(SettingsFileTest, EveryCharacterIsSavedInAnEncodingThatHoldsIt)
{
    const platform::ScopedLatin1SystemCodePage latin1; // Windows-1252's letters: Ü, ü and ñ, no Ł
    const QByteArray mark = "\xEF\xBB\xBF";
    const QByteArray latin1File = "; Praxis M\xFCller\r\n[Lumvik]\r\nPath=/srv/\xDC"
                                  "berweisungen/\r\n";
    const QByteArray utf8File = "; Praxis M\xC3\xBCller\r\n[Lumvik]\r\nPath=/srv/\xC3\x9C"
                                "berweisungen/\r\n";
    const QByteArray rest =
        "\r\nOrvanePath=\r\nRunOrvane=0\r\nTxtImport=0\r\nLanguage=English\r\nModality=0\r\nPickupMinutes=3\r\n";
    const struct
    {
        const char* what;
        QByteArray before;
        const char* path; // UTF-8
        QByteArray after;
    } rows[] = {
        {"code page, a value it holds", latin1File, "/srv/A\xC3\xB1o/",
         "; Praxis M\xFCller\r\n[Lumvik]\r\nPath=/srv/A\xF1o/" + rest},
        {"code page, a value it lacks", latin1File, "C:\\Praxis\\\xC5\x81ukasz\\GDT\\",
         mark + "; Praxis M\xC3\xBCller\r\n[Lumvik]\r\nPath=C:\\Praxis\\\xC5\x81ukasz\\GDT\\" + rest},
        {"no file yet, a value the code page lacks",
         {},
         "/srv/\xC5\x81ukasz/",
         mark + "[Lumvik]\r\nPath=/srv/\xC5\x81ukasz/" + rest},
        {"UTF-8 without a mark", utf8File, "/srv/\xC5\x81ukasz/",
         "; Praxis M\xC3\xBCller\r\n[Lumvik]\r\nPath=/srv/\xC5\x81ukasz/" + rest},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        QFile::remove(settings::settingsFilePath());
        if (!row.before.isEmpty())
            folder.write("Settings.ini", row.before);
        modGlobal::Config = {};
        modGlobal::LoadConfig();
        if (!row.before.isEmpty()) {
            EXPECT_EQ(modGlobal::Config.Path, QString::fromUtf8("/srv/Überweisungen/"));
        }
        modGlobal::Config.Path = QString::fromUtf8(row.path);
        modGlobal::SaveConfig();
        EXPECT_EQ(folder.read("Settings.ini"), row.after);
        const modGlobal::ConfigRecord saved = modGlobal::Config;
        modGlobal::Config = {};
        modGlobal::LoadConfig();
        EXPECT_TRUE(modGlobal::Config == saved) << qPrintable(modGlobal::Config.Path);
    }
    EXPECT_TRUE(messages.shown().isEmpty()) << qPrintable(messages.texts().join('\n'));
}

TEST_F(SettingsFileTest, FileThatIsNoIniTextIsReportedOnLoadAndNeverWrittenOver)
{
    const std::pair<const char*, QByteArray> files[] = {
        {"UTF-16 without its mark", QByteArray("[\0L\0u\0m\0v\0i\0k\0]\0\r\0\n\0", 20)},
        {"a binary file", QByteArray("\x7F"
                                     "ELF\x02\x01\x01\0\0\0",
                                     10)},
#ifndef Q_OS_WIN
        // (Windows' code page 1252 gives every byte a character.)
        {"Latin-1 on a UTF-8 system", "[Lumvik]\r\nPath=/srv/\xDC"
                                      "berweisungen/\r\n"},
#endif
        {"invalid UTF-8 after its mark", "\xEF\xBB\xBF[Lumvik]\r\nPath=/srv/\xC3(\r\n"},
        {"UTF-16 cut inside a character", QByteArray("\xFF\xFE[\0]\0P", 7)},
    };
    for (const auto& [name, bytes] : files) {
        folder.write("Settings.ini", bytes);
        modGlobal::Config = {};
        const qsizetype before = messages.shown().size();
        EXPECT_TRUE(modGlobal::LoadConfig().has_value()) << name;
        modGlobal::SaveConfig();
        EXPECT_EQ(folder.read("Settings.ini"), bytes) << name;
        const QStringList reports = messages.texts().mid(before);
        ASSERT_EQ(reports.size(), 2) << name;
        for (const QString& text : reports)
            EXPECT_TRUE(text.contains("Settings.ini cannot be read as INI text")) << name << ": " << qPrintable(text);
        EXPECT_TRUE(reports[0].endsWith(" - LoadConfig")) << name;
        EXPECT_TRUE(reports[1].endsWith(" - SaveConfig")) << name;
        EXPECT_TRUE(modGlobal::Config.Language.isEmpty()) << name << ": nothing was read";
    }
}

TEST_F(SettingsFileTest, FirstSaveWritesTheWholeFileFromScratch)
{
    modGlobal::Config = {"/srv/gdt/", QString::fromUtf8("/opt/Orvane/bin/orvane"), true, false, "Deutsch", false};
    modGlobal::SaveConfig();
    EXPECT_EQ(folder.read("Settings.ini"),
              QByteArray("[Lumvik]\r\nPath=/srv/gdt/\r\nOrvanePath=/opt/Orvane/bin/orvane\r\n"
                         "RunOrvane=1\r\nTxtImport=0\r\nLanguage=Deutsch\r\nModality=0\r\nPickupMinutes=3\r\n"));
    modGlobal::Config = {};
    modGlobal::LoadConfig();
    EXPECT_EQ(modGlobal::Config.OrvanePath, "/opt/Orvane/bin/orvane");
    EXPECT_TRUE(modGlobal::Config.RunOrvane);
    EXPECT_EQ(modGlobal::Config.Language, "Deutsch");
}

TEST_F(SettingsFileTest, SaveKeepsForeignContentAndKeysInOtherCase)
{
    folder.write("Settings.ini",
                 "; written by hand\n[Lumvik]\r\npath=old\r\nFavourite=blue\r\n\r\n[Device]\r\nPort=3\r\n");
    modGlobal::Config = {"/new/", "", false, true, QString::fromUtf8("Español"), true};
    modGlobal::SaveConfig();
    EXPECT_EQ(folder.read("Settings.ini"),
              "; written by hand\n[Lumvik]\r\npath=/new/\r\nFavourite=blue\r\nOrvanePath=\r\nRunOrvane=0\r\n"
              "TxtImport=1\r\nLanguage=" +
                  platform::toSystemCodePage(QString::fromUtf8("Español")) +
                  "\r\nModality=1\r\nPickupMinutes=3\r\n\r\n[Device]\r\nPort=3\r\n");
}

TEST_F(SettingsFileTest, SaveThatFailsHalfwayLeavesTheOldFileByteForByte)
{
    if (!testsupport::ScopedFileSizeLimit::supported())
        GTEST_SKIP() << "no file-size limit on this system; the scripted file system fills the disk";
    const QByteArray before = "; by hand\r\n[Lumvik]\r\nPath=/srv/old/\r\nLanguage=Deutsch\r\n[Device]\r\nPort=3\r\n";
    folder.write("Settings.ini", before);
    modGlobal::Config = {"/srv/" + QString(3000, 'n') + '/', "", false, false, "English", false};
    {
        const testsupport::ScopedFileSizeLimit diskFullAfter(1000); // the new file stops partway
        modGlobal::SaveConfig();
    }

    EXPECT_EQ(folder.read("Settings.ini"), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Settings.ini"});
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.texts()[0].endsWith(" - SaveConfig")) << qPrintable(messages.texts()[0]);
}

TEST_F(SettingsFileTest, SaveReplacesTheFileAsRequestsAreWrittenFolderSyncIncluded)
{
    testsupport::ScriptedFileSystem files;
    files.failNext(testsupport::ScriptedFileSystem::Operation::SyncFolder,
                   platform::FileStatus::failed(platform::FileStatus::Kind::DiskFull));
    modGlobal::Config = {"/srv/gdt/", "", false, false, "English", false};
    modGlobal::SaveConfig();

    ASSERT_EQ(messages.texts(),
              QStringList{" # 61 - Disk full: " + QDir::toNativeSeparators(folder.path()) + " - SaveConfig"});
    EXPECT_EQ(folder.read("Settings.ini"),
              QByteArray("[Lumvik]\r\nPath=/srv/gdt/\r\nOrvanePath=\r\nRunOrvane=0\r\nTxtImport=0\r\n"
                         "Language=English\r\nModality=0\r\nPickupMinutes=3\r\n"))
        << "renamed in whole, then the sync failed";
    EXPECT_EQ(files.calls()[files.calls().size() - 2].operation,
              testsupport::ScriptedFileSystem::Operation::RenameReplacing);
}

TEST_F(SettingsFileTest, SettingsIniThatCannotBeReadIsReportedOnSaveAndLoad)
{
    // A folder where Settings.ini should be makes every read and write fail, even for root.
    QDir(folder.path()).mkdir("Settings.ini");
    modGlobal::SaveConfig();
    modGlobal::LoadConfig();
    ASSERT_EQ(messages.shown().size(), 2);
    EXPECT_TRUE(messages.texts()[0].endsWith(" - SaveConfig"));
    EXPECT_TRUE(messages.texts()[1].endsWith(" - LoadConfig"));
    EXPECT_EQ(modGlobal::Config.Language, "") << "a load that failed at the first key changes nothing";
}

TEST_F(SettingsFileTest, ValueWithALineBreakCannotInjectKeys)
{
    modGlobal::Config = {"/srv/gdt/", "/opt/viewer\r\nRunOrvane=1", false, false, "English", false};
    modGlobal::SaveConfig();
    EXPECT_EQ(folder.read("Settings.ini"), QByteArray("[Lumvik]\r\nPath=/srv/gdt/\r\n"));
    ASSERT_EQ(messages.shown().size(), 1);
    EXPECT_TRUE(messages.texts()[0].endsWith(" - SaveConfig")) << qPrintable(messages.texts()[0]);
}

// One replacement of the file per save, however many keys: each would flush the disk and the folder.
TEST_F(SettingsFileTest, EachSaveReplacesTheFileOnceOrNotAtAllWhenTheFirstValueIsRefused)
{
    testsupport::ScriptedFileSystem files;
    const auto renames = [&] {
        const auto calls = files.calls();
        return std::count_if(calls.cbegin(), calls.cend(), [](const auto& call) {
            return call.operation == testsupport::ScriptedFileSystem::Operation::RenameReplacing;
        });
    };
    modGlobal::Config = {"/srv/gdt/\n", "", false, false, "English", false};
    modGlobal::SaveConfig();
    EXPECT_EQ(renames(), 0);
    EXPECT_FALSE(QFile::exists(settings::settingsFilePath()));
    modGlobal::Config.Path = "/srv/gdt/";
    modGlobal::SaveConfig(); // creates the file
    modGlobal::SaveConfig(); // replaces it
    modGlobal::Config.Language = "Deutsch\r\n";
    modGlobal::SaveConfig(); // the keys before Language
    EXPECT_EQ(renames(), 3);
    EXPECT_EQ(messages.shown().size(), 2);
}

// Once the error log of the first save had made the folder anew at its old place, the second save
// went there, and the settings were gone at the next start.
TEST_F(SettingsFileTest, ProgramFolderMovedAwayIsNeverMadeAnew)
{
    const QString moved = folder.filePath("moved");
    platform::ScopedProgramFolder gone(moved);
    modGlobal::Config = {"/srv/gdt/", "", false, false, "English", false};
    modGlobal::SaveConfig();
    modGlobal::SaveConfig();
    const QString report = " # 76 - Path not found: " + QDir::toNativeSeparators(moved) + " - SaveConfig\n";
    EXPECT_EQ(messages.texts().size(), 2);
    for (const QString& text : messages.texts())
        EXPECT_TRUE(text.startsWith(report)) << qPrintable(text);
    EXPECT_FALSE(QFileInfo::exists(moved));
}

TEST_F(SettingsFileTest, UnwritableProgramFolderIsReportedUnderSaveConfig)
{
    platform::ScopedProgramFolder unwritable("/proc/self");
    modGlobal::SaveConfig();
    ASSERT_EQ(messages.shown().size(), 1);
    const QStringList lines = messages.texts()[0].split('\n');
    EXPECT_TRUE(lines[0].endsWith(" - SaveConfig")) << qPrintable(lines[0]);
    EXPECT_TRUE(lines.last().startsWith("The error log could not be written")) << "the log lives there too";
}

} // namespace
