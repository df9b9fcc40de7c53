#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <langinfo.h>

namespace {

// The tests run under a UTF-8 locale, whose charset is the system code page of a POSIX system.
TEST(SystemCodePage, IsUtf8UnderAUtf8Locale)
{
    ASSERT_STREQ(nl_langinfo(CODESET), "UTF-8") << "the tests run under a UTF-8 locale";
    const QString text = QString::fromUtf8("Ü/ß");
    EXPECT_EQ(platform::toSystemCodePage(text), QByteArray("\xC3\x9C/\xC3\x9F"));
    EXPECT_EQ(platform::fromSystemCodePage("\xC3\x9C/\xC3\x9F"), text);
}

} // namespace
