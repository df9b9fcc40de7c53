#include "platform/codepage.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

#include <langinfo.h>

namespace {

TEST(CodePage437, LettersHaveTheirOwnBytes)
{
    EXPECT_EQ(platform::toCodePage437(QString::fromUtf8("ÄÖÜäöüßéë")),
              QByteArray("\x8E\x99\x9A\x84\x94\x81\xE1\x82\x89"));
    EXPECT_EQ(platform::toCodePage437("plain ASCII 0-9 ~"), QByteArray("plain ASCII 0-9 ~"));
}

TEST(CodePage437, MissingCharactersBecomeTheirBaseLetterOrAQuestionMark)
{
    EXPECT_EQ(platform::toCodePage437(QString::fromUtf8("ČŠŽ ł € 😀")), QByteArray("CSZ ? ? ?"));
    EXPECT_EQ(platform::toCodePage437(QString(QChar(0xDC00)) + "a" + QChar(0xD800)), QByteArray("?a?"))
        << "half a surrogate pair";
}

TEST(SystemCodePage, IsUtf8UnderAUtf8Locale)
{
    ASSERT_STREQ(nl_langinfo(CODESET), "UTF-8") << "the tests run under a UTF-8 locale";
    const QString text = QString::fromUtf8("Ü/ß");
    EXPECT_EQ(platform::toSystemCodePage(text), QByteArray("\xC3\x9C/\xC3\x9F"));
    EXPECT_EQ(platform::fromSystemCodePage("\xC3\x9C/\xC3\x9F"), text);
}

} // namespace
