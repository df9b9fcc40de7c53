#include "settings/ini_document.h"

#include <gtest/gtest.h>

namespace {

using settings::IniDocument;

const QString kName = QStringLiteral("Settings.ini");

TEST(IniRead, ValuesAsHandWrittenFilesExpectThem)
{
    const IniDocument ini(";comment=1\r\n"
                          "[Other]\r\nPath=wrong section\r\n"
                          "  [ lumvik ]  trailing text\r\n"
                          "  PATH  =  \"C:\\Program Files\\x\\\"  \r\n"
                          "orvanepath='/opt/o v/viewer'\n"
                          "Language=Deutsch ; not a comment # either\r\n"
                          "just some words\r\n"
                          "Modality=\r\n"
                          "Path=second duplicate\r\n"
                          "; RunOrvane=1\r\n"
                          "[Lumvik]\r\nTxtImport=1\r\n",
                          kName);
    EXPECT_EQ(ini.value("Lumvik", "Path"), QString("C:\\Program Files\\x\\"));
    EXPECT_EQ(ini.value("LUMVIK", "OrvanePath"), QString("/opt/o v/viewer"));
    EXPECT_EQ(ini.value("Lumvik", "Language"), QString("Deutsch ; not a comment # either"));
    EXPECT_EQ(ini.value("Lumvik", "Modality"), QString(""));
    EXPECT_EQ(ini.value("Lumvik", "RunOrvane"), std::nullopt) << "a comment is no key";
    EXPECT_EQ(ini.value("Lumvik", "just some words"), std::nullopt) << "a line without = is no key";
    EXPECT_EQ(ini.value("Lumvik", "TxtImport"), std::nullopt) << "only the first of duplicate sections counts";
    EXPECT_EQ(ini.value("Missing", "Path"), std::nullopt);
    EXPECT_EQ(IniDocument("Path=x", kName).value("Lumvik", "Path"), std::nullopt) << "a key before any section";
}

TEST(IniWrite, ChangesOnlyTheKeysLineAndKeepsItsSpelling)
{
    const QByteArray before = "; Lumvik settings\n\n[Device]\r\n  Port = 3\r\n\r\n[LUMVIK]\r\n"
                              "   path = old\r\nLanguage=Deutsch\n[Tail]\r\nx=1";
    IniDocument ini(before, kName);
    ini.setValue("Lumvik", "Path", "/srv/gdt/");
    EXPECT_EQ(ini.bytes(), QByteArray("; Lumvik settings\n\n[Device]\r\n  Port = 3\r\n\r\n[LUMVIK]\r\n"
                                      "path=/srv/gdt/\r\nLanguage=Deutsch\n[Tail]\r\nx=1"));
}

TEST(IniWrite, MissingKeyGoesAfterTheLastFilledLineOfItsSection)
{
    IniDocument ini("[Lumvik]\r\nPath=a\r\n\r\n; note\r\n\r\n\r\n[Other]\r\nk=v\r\n", kName);
    ini.setValue("Lumvik", "Modality", "0");
    EXPECT_EQ(ini.bytes(), QByteArray("[Lumvik]\r\nPath=a\r\n\r\n; note\r\nModality=0\r\n\r\n\r\n[Other]\r\nk=v\r\n"));

    IniDocument unterminated("[Lumvik]\r\nPath=a", kName);
    unterminated.setValue("lumvik", "Language", "English");
    EXPECT_EQ(unterminated.bytes(), QByteArray("[Lumvik]\r\nPath=a\r\nLanguage=English\r\n"));
}

TEST(IniWrite, MissingSectionGoesAtTheEnd)
{
    IniDocument ini("[Other]\nk=v", kName);
    ini.setValue("Lumvik", "Path", "x");
    EXPECT_EQ(ini.bytes(), QByteArray("[Other]\nk=v\r\n[Lumvik]\r\nPath=x\r\n"));

    IniDocument empty("", kName);
    empty.setValue("Lumvik", "Path", "x");
    empty.setValue("Lumvik", "OrvanePath", "");
    EXPECT_EQ(empty.bytes(), QByteArray("[Lumvik]\r\nPath=x\r\nOrvanePath=\r\n"));
}

TEST(IniWrite, DuplicateKeyUpdatesTheFirst)
{
    IniDocument ini("[Lumvik]\r\nPath=1\r\nPath=2\r\n", kName);
    ini.setValue("Lumvik", "Path", "3");
    EXPECT_EQ(ini.bytes(), QByteArray("[Lumvik]\r\nPath=3\r\nPath=2\r\n"));
}

} // namespace
