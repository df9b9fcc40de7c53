#include "import/import_folder.h"
#include "import/import_lines.h"
#include "import/layouts.h"
#include "import/text_cuts.h"
#include "runtime_errors/runtime_error.h"
#include "support/qstring_printer.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

using namespace import;

// The cut's text, or "#<error number>" when it fails.
QString outcome(const std::function<QString()>& cut)
{
    try {
        return cut();
    } catch (const errors::RuntimeError& error) {
        return QStringLiteral("#%1").arg(error.number());
    }
}

TEST(TextCuts, FailOnNegativeLengthsAndStartsBeforeOne)
{
    const QString abc = QStringLiteral("abc");
    const struct
    {
        const char* what;
        std::function<QString()> cut;
        const char* expected;
    } rows[] = {
        {"left beyond the end", [&] { return cuts::left(abc, 5); }, "abc"},
        {"left of zero", [&] { return cuts::left(abc, 0); }, ""},
        {"left of -1", [&] { return cuts::left(abc, -1); }, "#5"},
        {"right beyond the end", [&] { return cuts::right(abc, 9); }, "abc"},
        {"right of -1", [&] { return cuts::right(abc, -1); }, "#5"},
        {"mid just past the end", [&] { return cuts::mid(abc, 4); }, ""},
        {"mid from 0", [&] { return cuts::mid(abc, 0); }, "#5"},
        {"mid with a length past the end", [&] { return cuts::mid(abc, 2, 5); }, "bc"},
        {"mid with a length of -1", [&] { return cuts::mid(abc, 2, -1); }, "#5"},
        {"mid from 0 with a length", [&] { return cuts::mid(abc, 0, 1); }, "#5"},
        {"mid far past the end with a length", [&] { return cuts::mid(abc, 30000, 1); }, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(outcome(row.cut), QString::fromUtf8(row.expected));
    }
}

TEST(TextCuts, PositionsAreSixteenBitSigned)
{
    EXPECT_EQ(cuts::find(QStringLiteral("a,b,c"), QStringLiteral(",")), 2);
    EXPECT_EQ(cuts::findLast(QStringLiteral("a,b,c"), QStringLiteral(",")), 4);
    EXPECT_EQ(cuts::find(QStringLiteral("abc"), QStringLiteral(",")), 0);
    EXPECT_EQ(cuts::find(QString(32766, u'x') + u',', QStringLiteral(",")), 32767);
    EXPECT_EQ(outcome([] { return QString::number(cuts::find(QString(32767, u'x') + u',', QStringLiteral(","))); }),
              QStringLiteral("#6"));
    EXPECT_EQ(cuts::int16(-32768), -32768);
    EXPECT_EQ(outcome([] { return QString::number(cuts::int16(-32769)); }), QStringLiteral("#6"));
}

TEST(ImportLinesTest, EndAtCrLfOrLoneCrButNotAtLoneLf)
{
    const struct
    {
        const char* bytes;
        QStringList lines;
    } rows[] = {
        {"", {}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\rb", {"a", "b"}},
        {"a\nb\r\nc\n", {"a\nb", "c\n"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n\r\n", {"", ""}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.bytes);
        const ImportLines lines = ImportLines::fromFileBytes(row.bytes);
        for (int n = 1; n <= row.lines.size(); ++n)
            EXPECT_EQ(lines.line(n), row.lines.at(n - 1));
        EXPECT_EQ(outcome([&] { return lines.line(int(row.lines.size()) + 1); }), QStringLiteral("#62"));
    }
}

TEST(BirthDate, RebuiltByPositionWithOneDigitMonthsAndDaysPadded)
{
    const std::pair<const char*, const char*> rows[] = {
        {"12/24/1960", "24.12.1960"}, {"1/5/1960", "05.01.1960"},   {"12/5/1960", "05.12.1960"},
        {"1/25/1960", "25.01.1960"},  {"24.12.1960", "12.24.1960"}, // day first: swapped, as cut
        {"1/5/60", "/6.1/.5/60"},     {"1/2", ".1/.1/2"},           {"", ".."},
    };
    for (const auto& [token, date] : rows)
        EXPECT_EQ(birthDateFromToken(QString::fromUtf8(token)), QString::fromUtf8(date)) << token;
}

TEST(ImportFileName, LastThreeCharactersAreTxtInAnyCase)
{
    for (const char* name : {"x.TxT", "notestxt", "061220260745.txt", "TXT", ".hidden.txt"})
        EXPECT_TRUE(isImportFileName(QString::fromUtf8(name))) << name;
    for (const char* name : {"keep.dat", "a.tx", "notes.txt.bak", "a.text", "xt"})
        EXPECT_FALSE(isImportFileName(QString::fromUtf8(name))) << name;
}

} // namespace
