// The project's Jet 4 writer: its text table, text compression, and a language added as a column.
// That the shipped file holds the text table is language_table_test's to show.

#include "database.h"
#include "language/mdb_language_table.h"
#include "language_files.h"
#include "row.h"
#include "text_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

jet4::Bytes fromTextTable(const std::string& text)
{
    return jet4::writeDatabase({jet4::componentsTable(jet4::parseTextTable(text))});
}

QByteArray toQByteArray(const jet4::Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

TEST(Jet4Writer, AddingALanguageColumnAddsALanguage)
{
    const std::string tsv = "# comment\n"
                            "ComponentName\tDeutschValue\tEnglishValue\tItalianoValue\n"
                            "mnuFile\tDatei\tFile\tFile\n"
                            "mnuClose\tSchließen\tClose\tChiudi\n"
                            "Msg_2\tZeile\\r\\nzwei\tline\\r\\ntwo\t\\N\n";
    const QByteArray bytes = toQByteArray(fromTextTable(tsv));
    const auto italiano = testsupport::rowsOfFile(bytes, QStringLiteral("Italiano"));
    const language::LanguageRows expected = {{QStringLiteral("mnuFile"), QStringLiteral("File")},
                                             {QStringLiteral("mnuClose"), QStringLiteral("Chiudi")},
                                             {QStringLiteral("Msg_2"), std::nullopt}};
    EXPECT_EQ(italiano, expected);
    const auto deutsch = testsupport::rowsOfFile(bytes, QStringLiteral("Deutsch"));
    EXPECT_EQ(deutsch.at(1).value, QString::fromUtf8("Schließen"));
    EXPECT_EQ(deutsch.at(2).value, QStringLiteral("Zeile\r\nzwei"));
}

TEST(Jet4Writer, ManyRowsSpreadOverSeveralDataPages)
{
    std::string tsv = "ComponentName\tEnglishValue\n";
    for (int i = 0; i < 400; ++i)
        tsv += "key" + std::to_string(i) + "\t" + std::string(100, static_cast<char>('a' + i % 26)) + "\n";
    const QByteArray bytes = toQByteArray(fromTextTable(tsv));
    const auto rows = testsupport::rowsOfFile(bytes, QStringLiteral("English"));
    ASSERT_EQ(rows.size(), 400);
    EXPECT_EQ(rows.at(399).key, QStringLiteral("key399"));
}

TEST(Jet4Writer, TextIsCompressedWhenEveryCharacterFitsOneByte)
{
    EXPECT_EQ(jet4::encodeText(u"Größe", true), (jet4::Bytes{0xFF, 0xFE, 'G', 'r', 0xF6, 0xDF, 'e'}));
    EXPECT_EQ(jet4::encodeText(u"Größe", false), (jet4::Bytes{'G', 0, 'r', 0, 0xF6, 0, 0xDF, 0, 'e', 0}));
    EXPECT_EQ(jet4::encodeText(u"✓", true), (jet4::Bytes{0x13, 0x27}));
    EXPECT_EQ(jet4::encodeText(u"", true), jet4::Bytes{});
}

TEST(Jet4Writer, MalformedTextTablesAreRefusedWithTheirLine)
{
    const auto message = [](const std::string& tsv) {
        try {
            jet4::parseTextTable(tsv);
        } catch (const std::runtime_error& error) {
            return std::string(error.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message("ComponentName\tEnglishValue\na\tA\na\tB\n"), "line 3: the key \"a\" is repeated");
    EXPECT_EQ(message("ComponentName\tEnglishValue\na\tA\tB\n"), "line 2: expected 2 fields, found 3");
    EXPECT_EQ(message("ComponentName\tEnglish\n"), "line 1: language column \"English\" is not <Language>Value");
    EXPECT_EQ(message("ComponentName\tEnglishValue\n\\N\tA\n"), "line 2: the key is empty");
    EXPECT_EQ(message("ComponentName\tEnglishValue\na\tA\\x\n"), "line 2: unknown escape \\x");
    EXPECT_THROW(fromTextTable("ComponentName\tEnglishValue\na\t" + std::string(256, 'x') + "\n"), std::runtime_error);
}

} // namespace
