// readLanguageRows on files, on every system: Access files written by an independent library, the
// shipped Language.mdb, files made by the project's writer, and files that are no database.

#include "language/mdb_language_table.h"
#include "language_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using language::LanguageRows;
using language::readLanguageRows;
using namespace testsupport;

namespace {

errors::RuntimeError errorOfFile(const QByteArray& bytes, const QString& language = QStringLiteral("English"))
{
    return errorOf([&] { (void)rowsOfFile(bytes, language); });
}

TEST(LanguageTable, ReadsAnAccess2000FileWithIdKeyIndexesCompressionNullAndDuplicates)
{
    const QString file = accessFixture(QStringLiteral("access2000-id-index.mdb"));
    const QString tsv = accessFixture(QStringLiteral("rows-access2000.tsv"));
    const LanguageRows deutsch = readLanguageRows(file, QStringLiteral("Deutsch"));
    EXPECT_EQ(deutsch, rowsFromTsv(tsv, 1));
    const LanguageRows english = readLanguageRows(file, QStringLiteral("English"));
    EXPECT_EQ(english, rowsFromTsv(tsv, 2));

    // The cases the fixture was made for, spelled out.
    ASSERT_EQ(deutsch.size(), 7);
    EXPECT_EQ(deutsch[1].value, std::nullopt);                                    // lblName: NULL in German
    EXPECT_EQ(english[1].value, QString());                                       // ... and zero-length in English
    EXPECT_EQ(deutsch[2].value, QString::fromUtf8("Zeile eins\r\nZeile zwei ß")); // CR LF, ß
    EXPECT_EQ(deutsch[3].value, QString::fromUtf8("Löschen (erste)"));            // first of two cmdClear rows
    EXPECT_EQ(english[6].value, QString::fromUtf8("Modality ✓ €"));               // plain UTF-16, not Latin-1
}

TEST(LanguageTable, ReadsAnAccess2003FileWithAThirdLanguage)
{
    const QString file = accessFixture(QStringLiteral("access2003-extra-language.mdb"));
    const QString tsv = accessFixture(QStringLiteral("rows-access2003-extra-language.tsv"));
    EXPECT_EQ(readLanguageRows(file, QStringLiteral("Deutsch")), rowsFromTsv(tsv, 1));
    EXPECT_EQ(readLanguageRows(file, QStringLiteral("English")), rowsFromTsv(tsv, 2));
    EXPECT_EQ(readLanguageRows(file, QStringLiteral("Italiano")), rowsFromTsv(tsv, 3));
    EXPECT_EQ(readLanguageRows(file, QStringLiteral("Deutsch")).at(2).value, std::nullopt); // Msg_2
}

TEST(LanguageTable, ShippedFileHoldsEveryRowOfTheTextTableInEachLanguage)
{
    const QStringList header = {QStringLiteral("ComponentName"), QStringLiteral("DeutschValue"),
                                QStringLiteral("EnglishValue")};
    const LanguageRows deutsch = readLanguageRows(shippedLanguageMdb(), QStringLiteral("Deutsch"));
    EXPECT_EQ(deutsch, rowsFromTsv(shippedTextTable(), 1, header));
    EXPECT_EQ(readLanguageRows(shippedLanguageMdb(), QStringLiteral("English")),
              rowsFromTsv(shippedTextTable(), 2, header));
    // Both key tables ("mnuSettings" once, and the names of the three controls without a label),
    // the messages, the pickup minutes' label and "off", and the status line's name and texts.
    EXPECT_EQ(deutsch.size(), 16 + 1 + 9 + 2 + 3 + 2 + 9);
}

TEST(LanguageTable, ColumnAndTableNamesCompareWithoutLetterCaseLikeJet)
{
    const LanguageRows rows = readLanguageRows(shippedLanguageMdb(), QStringLiteral("english"));
    EXPECT_EQ(rows.first().value, QStringLiteral("File"));
    const QByteArray upper = makeDatabase(QStringLiteral("TBLCOMPONENTS"), {QStringLiteral("English")},
                                          {{QStringLiteral("mnuFile"), QStringLiteral("File")}});
    EXPECT_EQ(rowsOfFile(upper, QStringLiteral("English")).size(), 1);
}

TEST(LanguageTable, NullAndZeroLengthTextStayApart)
{
    const QByteArray bytes =
        makeDatabase(QStringLiteral("tblComponents"), {QStringLiteral("Deutsch"), QStringLiteral("English")},
                     {{QStringLiteral("a"), std::nullopt, QString()},
                      {QStringLiteral("b"), QString(), std::nullopt},
                      {std::nullopt, QStringLiteral("no key"), QStringLiteral("no key")},
                      {QStringLiteral("c"), QString::fromUtf8("Größe"), QString::fromUtf8("size ✓")}});
    const LanguageRows deutsch = rowsOfFile(bytes, QStringLiteral("Deutsch"));
    const LanguageRows expected = {{QStringLiteral("a"), std::nullopt},
                                   {QStringLiteral("b"), QString()},
                                   {QStringLiteral("c"), QString::fromUtf8("Größe")}};
    EXPECT_EQ(deutsch, expected); // a row with a NULL key can never be found, so it is left out
    const LanguageRows english = rowsOfFile(bytes, QStringLiteral("English"));
    EXPECT_EQ(english.at(0).value, QString());
    EXPECT_EQ(english.at(1).value, std::nullopt);
    EXPECT_EQ(english.at(2).value, QString::fromUtf8("size ✓"));
}

TEST(LanguageTable, LanguageWithoutColumnIsTheNoColumnError)
{
    for (const QString& language : {QStringLiteral("Klingon"), QString(), QStringLiteral("English ")}) {
        const auto error = errorOf([&] { (void)readLanguageRows(shippedLanguageMdb(), language); });
        EXPECT_EQ(error.number(), errors::kItemNotFound);
        EXPECT_TRUE(error.description().startsWith("No column for the language '" + language + "'"))
            << qPrintable(error.description());
    }
}

TEST(LanguageTable, CraftedLanguageNameIsOnlyEverAColumnName)
{
    const QString crafted = QStringLiteral("EnglishValue from tblComponents; drop table tblComponents; --");
    EXPECT_EQ(errorOf([&] { (void)readLanguageRows(shippedLanguageMdb(), crafted); }).number(), errors::kItemNotFound);
    EXPECT_EQ(readLanguageRows(shippedLanguageMdb(), QStringLiteral("English")).size(), 42);
}

TEST(LanguageTable, DatabaseWithoutTblComponents)
{
    const QByteArray bytes = makeDatabase(QStringLiteral("tblTexts"), {QStringLiteral("English")},
                                          {{QStringLiteral("mnuFile"), QStringLiteral("File")}});
    const auto error = errorOfFile(bytes);
    EXPECT_EQ(error.number(), errors::kTableNotFound);
    EXPECT_TRUE(error.description().contains("tblComponents"));
}

TEST(LanguageTable, MissingFileIsFileNotFoundAndNoOtherFolderIsSearched)
{
    QTemporaryDir elsewhere;
    ASSERT_TRUE(QFile::copy(shippedLanguageMdb(), elsewhere.filePath(QStringLiteral("Language.mdb"))));
    // libmdb would look for a missing file in the folders of MDBPATH.
    qputenv("MDBPATH", elsewhere.path().toLocal8Bit());
    QTemporaryDir empty;
    const QString missing = empty.filePath(QStringLiteral("Language.mdb"));
    const auto error = errorOf([&] { (void)readLanguageRows(missing, QStringLiteral("English")); });
    qunsetenv("MDBPATH");
    EXPECT_EQ(error.number(), errors::kFileNotFound);
    EXPECT_EQ(error.description(), "File not found: " + QDir::toNativeSeparators(missing));
    // A folder of that name is no file either.
    ASSERT_TRUE(QDir(empty.path()).mkdir(QStringLiteral("Language.mdb")));
    EXPECT_EQ(errorOf([&] { (void)readLanguageRows(missing, QStringLiteral("English")); }).number(),
              errors::kFileNotFound);
}

// A program folder under a user's profile may carry any letter; no ANSI code page holds all of these.
TEST(LanguageTable, FolderNamedOutsideTheSystemsCodePage)
{
    QTemporaryDir parent;
    const QString folder = parent.filePath(QString::fromUtf8("Łukasz Петров 李"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/Language.mdb");
    ASSERT_TRUE(QFile::copy(shippedLanguageMdb(), path));
    EXPECT_EQ(readLanguageRows(path, QStringLiteral("English")).first().value, QStringLiteral("File"));
}

TEST(LanguageTable, EmptyAndTextFilesAreUnrecognizedFormats)
{
    EXPECT_EQ(errorOfFile({}).number(), errors::kUnrecognizedFormat);
    EXPECT_TRUE(errorOfFile({}).description().contains("empty"));
    EXPECT_EQ(errorOfFile("ComponentName;EnglishValue\r\nmnuFile;File\r\n").number(), errors::kUnrecognizedFormat);
}

} // namespace
