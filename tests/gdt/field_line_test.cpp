#include "gdt/field_line.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

struct LineCase
{
    const char* what;
    QString id;
    QString content;
    QString expected;
};

class FieldLineTest : public ::testing::TestWithParam<LineCase>
{
};

TEST_P(FieldLineTest, EncodesLengthIdentifierContentAndCrLf)
{
    EXPECT_EQ(gdt::CreateGDTLine(GetParam().id, GetParam().content), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FieldLineTest,
    ::testing::Values(LineCase{"empty content leaves no line", "3102", "", ""},
                      LineCase{"a lone blank is content", "3102", " ", "0103102 \r\n"},
                      LineCase{"first name", "3102", "Anna", "0133102Anna\r\n"},
                      LineCase{"umlauts count as one character", "3101", QString::fromUtf8("Müller"),
                               QString::fromUtf8("0153101Müller\r\n")},
                      LineCase{"90 characters", "4603", QString(90, 'x'), "0994603" + QString(90, 'x') + "\r\n"},
                      LineCase{"91 characters", "4603", QString(91, 'x'), "1004603" + QString(91, 'x') + "\r\n"},
                      LineCase{"990 characters, the longest line", "4603", QString(990, 'x'),
                               "9994603" + QString(990, 'x') + "\r\n"},
                      LineCase{"an unpaired surrogate is one character", "3101", QString("a") + QChar(0xDC00),
                               QString("0113101a") + QChar(0xDC00) + "\r\n"},
                      LineCase{"identifier placed as passed", "31", "x", "01031x\r\n"}));

} // namespace
