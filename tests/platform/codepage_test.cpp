#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage437, GermanLettersHaveTheirOwnBytes)
{
    EXPECT_EQ(platform::toCodePage437(QString::fromUtf8("ÄÖÜäöüß")), QByteArray("\x8E\x99\x9A\x84\x94\x81\xE1"));
    EXPECT_EQ(platform::toCodePage437("plain ASCII 0-9 ~"), QByteArray("plain ASCII 0-9 ~"));
}

TEST(CodePage437, MissingCharactersBecomeTheirBaseLetterOrAQuestionMark)
{
    EXPECT_EQ(platform::toCodePage437(QString::fromUtf8("ČŠŽ ł € 😀")), QByteArray("CSZ ? ? ?"));
}

TEST(SystemCodePage, RoundTripsUnderAUtf8Locale)
{
    const QString text = QString::fromUtf8("Zielpfad: /srv/Überweisungen");
    EXPECT_EQ(platform::fromSystemCodePage(platform::toSystemCodePage(text)), text);
}

} // namespace
