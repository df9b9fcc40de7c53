// readLanguageRows on real files: Access files written by an independent library, the
// shipped Language.mdb, files made by the project's writer, and broken files.

#include "language/mdb_language_table.h"
#include "language_files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace language {
// Lets gtest print rows that differ.
void PrintTo(const LanguageRow& row, std::ostream* out)
{
    *out << row.key.toStdString() << " = " << (row.value ? '"' + row.value->toStdString() + '"' : "NULL");
}
} // namespace language

using language::LanguageRows;
using language::readLanguageRows;
using language::readLanguageRowsFromBytes;
using namespace testsupport;

namespace {

// Runs the read and returns the error it threw; fails the test when it did not throw.
errors::RuntimeError errorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const errors::RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no error";
    return {0, {}};
}

errors::RuntimeError errorOfBytes(const QByteArray& bytes, const QString& language = QStringLiteral("English"))
{
    return errorOf([&] { (void)readLanguageRowsFromBytes(bytes, language, QStringLiteral("Language.mdb")); });
}

TEST(MdbReader, ReadsAnAccess2000FileWithIdKeyIndexesCompressionNullAndDuplicates)
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

TEST(MdbReader, ReadsAnAccess2003FileWithAThirdLanguage)
{
    const QString file = accessFixture(QStringLiteral("access2003-extra-language.mdb"));
    const QString tsv = accessFixture(QStringLiteral("rows-access2003-extra-language.tsv"));
    EXPECT_EQ(readLanguageRows(file, QStringLiteral("Deutsch")), rowsFromTsv(tsv, 1));
    EXPECT_EQ(readLanguageRows(file, QStringLiteral("English")), rowsFromTsv(tsv, 2));
    EXPECT_EQ(readLanguageRows(file, QStringLiteral("Italiano")), rowsFromTsv(tsv, 3));
    EXPECT_EQ(readLanguageRows(file, QStringLiteral("Deutsch")).at(2).value, std::nullopt); // Msg_2
}

TEST(MdbReader, ShippedFileHoldsEveryRowOfTheTextTableInEachLanguage)
{
    const QStringList header = {QStringLiteral("ComponentName"), QStringLiteral("DeutschValue"),
                                QStringLiteral("EnglishValue")};
    const LanguageRows deutsch = readLanguageRows(shippedLanguageMdb(), QStringLiteral("Deutsch"));
    EXPECT_EQ(deutsch, rowsFromTsv(shippedTextTable(), 1, header));
    EXPECT_EQ(readLanguageRows(shippedLanguageMdb(), QStringLiteral("English")),
              rowsFromTsv(shippedTextTable(), 2, header));
    // Both key tables ("mnuSettings" once, and the names of the three controls without a label)
    // and the messages.
    EXPECT_EQ(deutsch.size(), 16 + 1 + 9 + 2 + 2);
}

TEST(MdbReader, ColumnAndTableNamesCompareWithoutLetterCaseLikeJet)
{
    const LanguageRows rows = readLanguageRows(shippedLanguageMdb(), QStringLiteral("english"));
    EXPECT_EQ(rows.first().value, QStringLiteral("File"));
    const QByteArray upper = makeDatabase(QStringLiteral("TBLCOMPONENTS"), {QStringLiteral("English")},
                                          {{QStringLiteral("mnuFile"), QStringLiteral("File")}});
    EXPECT_EQ(readLanguageRowsFromBytes(upper, QStringLiteral("English"), QStringLiteral("x")).size(), 1);
}

TEST(MdbReader, NullAndZeroLengthTextStayApart)
{
    const QByteArray bytes =
        makeDatabase(QStringLiteral("tblComponents"), {QStringLiteral("Deutsch"), QStringLiteral("English")},
                     {{QStringLiteral("a"), std::nullopt, QString()},
                      {QStringLiteral("b"), QString(), std::nullopt},
                      {std::nullopt, QStringLiteral("no key"), QStringLiteral("no key")},
                      {QStringLiteral("c"), QString::fromUtf8("Größe"), QString::fromUtf8("size ✓")}});
    const LanguageRows deutsch = readLanguageRowsFromBytes(bytes, QStringLiteral("Deutsch"), QStringLiteral("x"));
    const LanguageRows expected = {{QStringLiteral("a"), std::nullopt},
                                   {QStringLiteral("b"), QString()},
                                   {QStringLiteral("c"), QString::fromUtf8("Größe")}};
    EXPECT_EQ(deutsch, expected); // a row with a NULL key can never be found, so it is left out
    const LanguageRows english = readLanguageRowsFromBytes(bytes, QStringLiteral("English"), QStringLiteral("x"));
    EXPECT_EQ(english.at(0).value, QString());
    EXPECT_EQ(english.at(1).value, std::nullopt);
    EXPECT_EQ(english.at(2).value, QString::fromUtf8("size ✓"));
}

TEST(MdbReader, LanguageWithoutColumnIsTheNoColumnError)
{
    for (const QString& language : {QStringLiteral("Klingon"), QString(), QStringLiteral("English ")}) {
        const auto error = errorOf([&] { (void)readLanguageRows(shippedLanguageMdb(), language); });
        EXPECT_EQ(error.number(), language::kItemNotFound);
        EXPECT_TRUE(error.description().startsWith("No column for the language '" + language + "'"))
            << qPrintable(error.description());
    }
}

TEST(MdbReader, CraftedLanguageNameIsOnlyEverAColumnName)
{
    const QString crafted = QStringLiteral("EnglishValue from tblComponents; drop table tblComponents; --");
    EXPECT_EQ(errorOf([&] { (void)readLanguageRows(shippedLanguageMdb(), crafted); }).number(),
              language::kItemNotFound);
    EXPECT_EQ(readLanguageRows(shippedLanguageMdb(), QStringLiteral("English")).size(), 30);
}

TEST(MdbReader, DatabaseWithoutTblComponents)
{
    const QByteArray bytes = makeDatabase(QStringLiteral("tblTexts"), {QStringLiteral("English")},
                                          {{QStringLiteral("mnuFile"), QStringLiteral("File")}});
    const auto error = errorOfBytes(bytes);
    EXPECT_EQ(error.number(), language::kTableNotFound);
    EXPECT_TRUE(error.description().contains("tblComponents"));
}

TEST(MdbReader, MissingFileIsFileNotFoundAndNoOtherFolderIsSearched)
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

TEST(MdbReader, EmptyTextAndRandomFilesAreUnrecognizedFormats)
{
    EXPECT_EQ(errorOfBytes({}).number(), language::kUnrecognizedFormat);
    EXPECT_TRUE(errorOfBytes({}).description().contains("empty"));
    EXPECT_EQ(errorOfBytes("ComponentName;EnglishValue\r\nmnuFile;File\r\n").number(), language::kUnrecognizedFormat);

    QRandomGenerator random(20260101);
    const QByteArray shipped = readBytes(shippedLanguageMdb());
    for (int round = 0; round < 50; ++round) {
        QByteArray noise(static_cast<qsizetype>(random.bounded(1, 5 * 4096)), '\0');
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        EXPECT_EQ(errorOfBytes(noise).number(), language::kUnrecognizedFormat);
        // A genuine header page followed by noise gets past the first check.
        QByteArray withHeader = shipped.left(4096) + noise.left(noise.size() / 4096 * 4096 + 4096 * 3);
        withHeader.resize(withHeader.size() / 4096 * 4096);
        try {
            (void)readLanguageRowsFromBytes(withHeader, QStringLiteral("English"), QStringLiteral("x"));
        } catch (const errors::RuntimeError& error) {
            EXPECT_TRUE(error.number() == language::kUnrecognizedFormat || error.number() == language::kTableNotFound)
                << error.number();
        }
    }
}

TEST(MdbReader, PropertyBlocksOfTheCatalogAreNeverHandedToLibmdb)
{
    // libmdb's catalog reader loops forever on a property chunk of length 0 and reads past a
    // signature without its zero; the reader skips MSysObjects.LvProp, so both files read.
    const QByteArray shipped = readBytes(shippedLanguageMdb());
    const qsizetype block = shipped.indexOf(QByteArray("MR2\0", 4));
    ASSERT_GT(block, 0);
    QByteArray zeroChunk = shipped;
    zeroChunk.replace(block + 4, 4, QByteArray(4, '\0'));
    EXPECT_EQ(readLanguageRowsFromBytes(zeroChunk, QStringLiteral("English"), QStringLiteral("x")).size(), 30);
    QByteArray noTerminator = shipped;
    noTerminator[block + 3] = 'A';
    EXPECT_EQ(readLanguageRowsFromBytes(noTerminator, QStringLiteral("English"), QStringLiteral("x")).size(), 30);
}

TEST(MdbReader, EmptyUsageMapOfTheCatalogIsRefusedBeforeLibmdbDereferencesIt)
{
    // MSysObjects (definition on page 2) points at usage-map row 1 of page 3, made zero bytes
    // long by letting it start where row 0 starts.
    QByteArray bytes = readBytes(shippedLanguageMdb());
    constexpr qsizetype page2 = 2 * 4096, page3 = 3 * 4096;
    bytes[page2 + 55] = 1;
    bytes[page3 + 16] = bytes[page3 + 14];
    bytes[page3 + 17] = bytes[page3 + 15];
    EXPECT_EQ(errorOfBytes(bytes).number(), language::kUnrecognizedFormat);
}

TEST(MdbReader, TruncatedFilesAreUnrecognizedFormats)
{
    for (const QString& file : {shippedLanguageMdb(), accessFixture(QStringLiteral("access2000-id-index.mdb")),
                                accessFixture(QStringLiteral("access2003-extra-language.mdb"))}) {
        const QByteArray whole = readBytes(file);
        for (const qsizetype size :
             {qsizetype(1), qsizetype(20), qsizetype(100), qsizetype(4095), qsizetype(4096), qsizetype(4097),
              qsizetype(3 * 4096), qsizetype(4 * 4096), whole.size() / 2, whole.size() - 4096, whole.size() - 1}) {
            const auto error = errorOfBytes(whole.left(size), QStringLiteral("Deutsch"));
            EXPECT_TRUE(error.number() == language::kUnrecognizedFormat || error.number() == language::kTableNotFound)
                << qPrintable(file) << " cut at " << size << ": " << error.number();
        }
    }
}

} // namespace
