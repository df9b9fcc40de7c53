#include "global/mod_global.h"
#include "settings/settings_file.h"
#include "support/fresh_globals.h"
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

QStringList entriesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

// An administrator keeps one Settings.ini and links it into each program folder: a save writes
// that file, replaced in its own folder with its mode, and the link stays, so every workstation
// keeps following it.
TEST(SettingsFileLink, SaveGoesThroughTheLinkIntoTheFileItNames)
{
    testsupport::FreshGlobals globals;
    testsupport::TempProgramFolder program;
    testsupport::ScriptedMessages messages;
    QTemporaryDir central;
    const QString file = central.filePath("Settings.ini");
    QFile settings(file);
    const QByteArray before = "; central\r\n[Lumvik]\r\nPath=/srv/gdt/\r\n[Device]\r\nPort=3\r\n";
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly) && settings.write(before) == before.size());
    settings.close();
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(file, settings::settingsFilePath()));

    modGlobal::LoadConfig();
    EXPECT_EQ(modGlobal::Config.Path, "/srv/gdt/");
    modGlobal::Config.Language = "Deutsch";
    modGlobal::SaveConfig();

    EXPECT_TRUE(messages.shown().isEmpty()) << qPrintable(messages.texts().join('\n'));
    EXPECT_EQ(QFileInfo(settings::settingsFilePath()).symLinkTarget(), file);
    EXPECT_EQ(program.read("Settings.ini"),
              "; central\r\n[Lumvik]\r\nPath=/srv/gdt/\r\nOrvanePath=\r\nRunOrvane=0\r\n"
              "TxtImport=0\r\nLanguage=Deutsch\r\nModality=0\r\nPickupMinutes=3\r\n[Device]\r\nPort=3\r\n");
    struct stat mode;
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &mode), 0);
    EXPECT_EQ(mode.st_mode & 07777, mode_t(0640));
    EXPECT_EQ(entriesIn(central.path()), QStringList{"Settings.ini"});
    EXPECT_EQ(entriesIn(program.path()), QStringList{"Settings.ini"});
}

} // namespace
