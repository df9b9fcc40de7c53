#include "language/jet_file_check.h"

namespace language {
namespace {

// Page 0 starts with 00 01 00 00 and the format name; byte 0x14 is the version that decides
// the page size (0 = Jet 3 with 2 KiB pages, 1 = Jet 4, 2 and up = ACE, both with 4 KiB pages).
constexpr int kVersionOffset = 0x14;
constexpr int kJet3PageSize = 2048;
constexpr int kJet4PageSize = 4096;
constexpr int kHighestKnownVersion = 6;
// Page 0 (header), page 1 (global usage map) and page 2 (the catalog's table definition) exist
// in every database, and the catalog has at least one data page.
constexpr qsizetype kMinimumPages = 4;
// A language file holds a few dozen short rows; far larger files are not language files, and
// libmdb would only spend time and memory on them.
constexpr qsizetype kMaximumBytes = 64 * 1024 * 1024;

bool hasJetSignature(const QByteArray& bytes)
{
    static const QByteArray jet = QByteArrayLiteral("\x00\x01\x00\x00Standard Jet DB");
    static const QByteArray ace = QByteArrayLiteral("\x00\x01\x00\x00Standard ACE DB");
    return bytes.startsWith(jet) || bytes.startsWith(ace);
}

} // namespace

QString jetFileProblem(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("the file is empty");
    if (bytes.size() <= kVersionOffset || !hasJetSignature(bytes))
        return QStringLiteral("the file is not an Access database");
    const int version = static_cast<unsigned char>(bytes.at(kVersionOffset));
    if (version > kHighestKnownVersion)
        return QStringLiteral("unknown Access file version %1").arg(version);
    const qsizetype pageSize = version == 0 ? kJet3PageSize : kJet4PageSize;
    if (bytes.size() > kMaximumBytes)
        return QStringLiteral("the file is too large for a language database");
    if (bytes.size() % pageSize != 0 || bytes.size() < kMinimumPages * pageSize)
        return QStringLiteral("the file is truncated");
    return {};
}

} // namespace language
