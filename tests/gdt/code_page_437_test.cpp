#include "gdt/code_page_437.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

TEST(CodePage437, LettersHaveTheirOwnBytes)
{
    EXPECT_EQ(gdt::toCodePage437(QString::fromUtf8("ÄÖÜäöüßéë")), QByteArray("\x8E\x99\x9A\x84\x94\x81\xE1\x82\x89"));
    EXPECT_EQ(gdt::toCodePage437("plain ASCII 0-9 ~"), QByteArray("plain ASCII 0-9 ~"));
}

TEST(CodePage437, MissingCharactersBecomeTheirBaseLetterOrAQuestionMark)
{
    EXPECT_EQ(gdt::toCodePage437(QString::fromUtf8("ČŠŽ ł € 😀")), QByteArray("CSZ ? ? ?"));
    EXPECT_EQ(gdt::toCodePage437(QString(QChar(0xDC00)) + "a" + QChar(0xD800)), QByteArray("?a?"))
        << "half a surrogate pair";
}

} // namespace
