#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

// The tests run with German regional settings, whose ANSI code page is 1252: ü and € have bytes
// of their own there, and a character it lacks becomes "?".
TEST(SystemCodePage, IsTheAnsiCodePageOfWindows)
{
    ASSERT_EQ(::GetACP(), 1252u);
    const QString text = QString::fromUtf8("Jürgen Weiß 5 €");
    EXPECT_EQ(platform::toSystemCodePage(text), QByteArray("J\xFCrgen Wei\xDF 5 \x80"));
    EXPECT_EQ(platform::fromSystemCodePage("J\xFCrgen Wei\xDF 5 \x80"), text);
    EXPECT_EQ(platform::toSystemCodePage(QString::fromUtf8("Петров")), QByteArray("??????"));
    // Windows writes Ł as L: a loss all the same.
    EXPECT_EQ(platform::encodeSystemCodePage(text), platform::toSystemCodePage(text));
    EXPECT_EQ(platform::encodeSystemCodePage(QString::fromUtf8("Łukasz")), std::nullopt);
}

} // namespace
