// The libmdb reader on damaged files: what it must refuse before libmdb, which trusts what it
// reads, walks off the end of a page or loops forever.

#include "language/mdb_language_table.h"
#include "language_files.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using language::LanguageRows;
using language::readLanguageRowsFromBytes;
using namespace testsupport;

namespace {

errors::RuntimeError errorOfBytes(const QByteArray& bytes, const QString& language = QStringLiteral("English"))
{
    return errorOf([&] { (void)readLanguageRowsFromBytes(bytes, language, QStringLiteral("Language.mdb")); });
}

TEST(MdbReader, RandomFilesAreUnrecognizedFormats)
{
    QRandomGenerator random(20260101);
    const QByteArray shipped = readBytes(shippedLanguageMdb());
    for (int round = 0; round < 50; ++round) {
        QByteArray noise(static_cast<qsizetype>(random.bounded(1, 5 * 4096)), '\0');
        random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        EXPECT_EQ(errorOfBytes(noise).number(), errors::kUnrecognizedFormat);
        // A genuine header page followed by noise gets past the first check.
        QByteArray withHeader = shipped.left(4096) + noise.left(noise.size() / 4096 * 4096 + 4096 * 3);
        withHeader.resize(withHeader.size() / 4096 * 4096);
        try {
            (void)readLanguageRowsFromBytes(withHeader, QStringLiteral("English"), QStringLiteral("x"));
        } catch (const errors::RuntimeError& error) {
            EXPECT_TRUE(error.number() == errors::kUnrecognizedFormat || error.number() == errors::kTableNotFound)
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
    const qsizetype rows = language::readLanguageRows(shippedLanguageMdb(), QStringLiteral("English")).size();
    QByteArray zeroChunk = shipped;
    zeroChunk.replace(block + 4, 4, QByteArray(4, '\0'));
    EXPECT_EQ(readLanguageRowsFromBytes(zeroChunk, QStringLiteral("English"), QStringLiteral("x")).size(), rows);
    QByteArray noTerminator = shipped;
    noTerminator[block + 3] = 'A';
    EXPECT_EQ(readLanguageRowsFromBytes(noTerminator, QStringLiteral("English"), QStringLiteral("x")).size(), rows);
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
    EXPECT_EQ(errorOfBytes(bytes).number(), errors::kUnrecognizedFormat);
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
            EXPECT_TRUE(error.number() == errors::kUnrecognizedFormat || error.number() == errors::kTableNotFound)
                << qPrintable(file) << " cut at " << size << ": " << error.number();
        }
    }
}

} // namespace
