#include "language/mdb_language_table.h"

#include "language/jet_file_check.h"

// libmdb's header brings GLib's types, or on Windows mdbtools' own stand-in for them.
#include <mdbtools.h>

#include <memory>
#include <vector>

namespace language {
namespace {

struct HandleCloser
{
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer
{
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

bool columnNumbersPlausible(MdbTableDef* table);
bool usageMapWithinFile(const MdbTableDef* table, const QByteArray& bytes, qsizetype pageSize);

// The catalog entry of tblComponents, found by reading MSysObjects (table definition on page 2)
// with only the columns Id, Name and Type bound. libmdb's own mdb_read_catalog also parses the
// property blocks in LvProp, and there it loops forever on a block whose chunk length is 0 and
// reads past a block without the terminating zero of its signature; a language file never
// needs those properties, so this reader never hands them to libmdb. Table names compare
// without letter case, as in Jet; the first table of that name wins.
// Returns false when MSysObjects cannot be read (no such table is a found == false).
bool findTableEntry(MdbHandle* mdb, const QByteArray& bytes, MdbCatalogEntry& entry, bool& found)
{
    constexpr int kTypeTable = 1;
    MdbCatalogEntry catalogEntry{};
    catalogEntry.mdb = mdb;
    catalogEntry.object_type = MDB_TABLE;
    catalogEntry.table_pg = 2;
    qstrncpy(catalogEntry.object_name, "MSysObjects", sizeof catalogEntry.object_name);
    Table catalog(mdb_read_table(&catalogEntry));
    // libmdb dereferences the usage map without checking it (an empty map row crashes it).
    if (!catalog || !usageMapWithinFile(catalog.get(), bytes, static_cast<qsizetype>(mdb->fmt->pg_size)) ||
        !mdb_read_columns(catalog.get()) || !columnNumbersPlausible(catalog.get()))
        return false;
    std::vector<char> id(mdb->bind_size + 1, 0);
    std::vector<char> name(mdb->bind_size + 1, 0);
    std::vector<char> type(mdb->bind_size + 1, 0);
    if (mdb_bind_column_by_name(catalog.get(), const_cast<gchar*>("Id"), id.data(), nullptr) < 0 ||
        mdb_bind_column_by_name(catalog.get(), const_cast<gchar*>("Name"), name.data(), nullptr) < 0 ||
        mdb_bind_column_by_name(catalog.get(), const_cast<gchar*>("Type"), type.data(), nullptr) < 0)
        return false;
    found = false;
    mdb_rewind_table(catalog.get());
    while (mdb_fetch_row(catalog.get())) {
        if ((QByteArray(type.data()).toInt() & 0x7F) != kTypeTable ||
            QString::fromUtf8(name.data()).compare(kTableName, Qt::CaseInsensitive) != 0)
            continue;
        entry = MdbCatalogEntry{};
        entry.mdb = mdb;
        entry.object_type = MDB_TABLE;
        entry.table_pg = QByteArray(id.data()).toLong() & 0x00FFFFFF;
        qstrncpy(entry.object_name, name.data(), sizeof entry.object_name);
        found = true;
        return true;
    }
    return true;
}

// libmdb finds a column's null bit at (column number / 8) bytes into the row's null bitmap
// without checking it against the row, so a damaged definition with huge column numbers would
// make it read far past its page buffer. Jet allows 255 columns (deleted ones included until
// the file is compacted); the bound leaves room and keeps the read inside libmdb's handle.
bool columnNumbersPlausible(MdbTableDef* table)
{
    constexpr int kMaxColumnNumber = 1023;
    for (guint i = 0; i < table->columns->len; ++i) {
        const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (column->col_num < 0 || column->col_num > kMaxColumnNumber)
            return false;
    }
    return true;
}

// 0-based index into table->columns, or -1.
int findColumn(MdbTableDef* table, const QString& name)
{
    for (guint i = 0; i < table->columns->len; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (QString::fromUtf8(column->name).compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

// The bound buffers show NULL and a zero-length text alike, so the row that mdb_fetch_row just
// read is cracked once more to see its null bitmap. Returns, per column index, whether it is NULL.
std::vector<bool> nullColumnsOfFetchedRow(MdbTableDef* table)
{
    MdbHandle* mdb = table->entry->mdb;
    std::vector<bool> isNull(table->num_cols, true);
    int start = 0;
    size_t length = 0;
    if (table->cur_row == 0 || mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &length) != 0)
        return isNull;
    std::vector<MdbField> fields(table->num_cols);
    // On success mdb_crack_row fills one field per table column and returns the row's own
    // column count, which a damaged row can make larger than the table's.
    if (mdb_crack_row(table, start & 0x1FFF, length, fields.data()) < 0)
        return isNull;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const int column = fields[i].colnum;
        if (column >= 0 && static_cast<unsigned>(column) < table->num_cols)
            isNull[column] = fields[i].is_null != 0;
    }
    return isNull;
}

// libmdb stops silently at a data page past the end of the file, which would lose rows of a
// truncated file without a word; so every page the table's usage map names must exist. An
// empty map is refused too: libmdb would dereference it.
// Map type 0 is a start page and a bitmap; type 1 lists pages (type 0x05) that hold bitmaps.
bool usageMapWithinFile(const MdbTableDef* table, const QByteArray& bytes, qsizetype pageSize)
{
    const qsizetype pageCount = bytes.size() / pageSize;
    const unsigned char* map = table->usage_map;
    const size_t size = table->map_sz;
    if (!map || size < 1)
        return false;
    auto bitmapWithin = [&](const unsigned char* bitmap, size_t length, qint64 firstPage) {
        for (size_t bit = 0; bit < length * 8; ++bit) {
            if ((bitmap[bit / 8] & (1u << (bit % 8))) && firstPage + static_cast<qint64>(bit) >= pageCount)
                return false;
        }
        return true;
    };
    if (map[0] == 0) {
        if (size < 5)
            return false;
        const qint64 start = mdb_get_int32(const_cast<unsigned char*>(map), 1) & 0xFFFFFFFFll;
        return bitmapWithin(map + 5, size - 5, start);
    }
    if (map[0] != 1)
        return false;
    const qint64 pagesPerMap = (pageSize - 4) * 8;
    for (size_t entry = 0; 1 + entry * 4 + 4 <= size; ++entry) {
        const qint64 mapPage =
            mdb_get_int32(const_cast<unsigned char*>(map), 1 + static_cast<int>(entry) * 4) & 0xFFFFFFFFll;
        if (mapPage == 0)
            continue;
        if (mapPage >= pageCount)
            return false;
        const auto* bitmap = reinterpret_cast<const unsigned char*>(bytes.constData() + mapPage * pageSize + 4);
        if (!bitmapWithin(bitmap, static_cast<size_t>(pageSize - 4), static_cast<qint64>(entry) * pagesPerMap))
            return false;
    }
    return true;
}

LanguageRows fetchRows(MdbTableDef* table, int keyColumn, int valueColumn)
{
    MdbHandle* mdb = table->entry->mdb;
    // libmdb writes each value as UTF-8 into its buffer, cut at bind_size bytes.
    std::vector<char> key(mdb->bind_size + 1, 0);
    std::vector<char> value(mdb->bind_size + 1, 0);
    int keyLength = 0;
    int valueLength = 0;
    mdb_bind_column(table, keyColumn + 1, key.data(), &keyLength);
    mdb_bind_column(table, valueColumn + 1, value.data(), &valueLength);

    LanguageRows rows;
    mdb_rewind_table(table);
    while (mdb_fetch_row(table)) {
        const std::vector<bool> isNull = nullColumnsOfFetchedRow(table);
        if (isNull[keyColumn])
            continue; // a NULL key matches no "ComponentName='...'" filter
        LanguageRow row;
        row.key = QString::fromUtf8(key.data(), keyLength);
        if (!isNull[valueColumn])
            row.value = QString::fromUtf8(value.data(), valueLength);
        rows.append(std::move(row));
    }
    return rows;
}

// From bytes that have passed jetFileProblem().
LanguageRows readCheckedDatabase(const QString& path, QByteArray bytes, const QString& languageName)
{
    // From memory: libmdb never opens a file by name, so it cannot search MDBPATH for one.
    Handle mdb(mdb_open_buffer(bytes.data(), static_cast<size_t>(bytes.size()), MDB_NOFLAGS));
    if (!mdb)
        throw errors::unrecognizedDatabase(path, QStringLiteral("libmdb cannot open it"));
    MdbCatalogEntry entry{}; // outlives table, which points at it
    bool found = false;
    if (!findTableEntry(mdb.get(), bytes, entry, found))
        throw errors::unrecognizedDatabase(path, QStringLiteral("the system catalog cannot be read"));
    if (!found)
        throw errors::tableNotFound(kTableName, path);
    Table table(mdb_read_table(&entry));
    if (!table || !mdb_read_columns(table.get()))
        throw errors::unrecognizedDatabase(path, QStringLiteral("the definition of %1 cannot be read").arg(kTableName));
    if (!usageMapWithinFile(table.get(), bytes, static_cast<qsizetype>(mdb->fmt->pg_size)))
        throw errors::unrecognizedDatabase(
            path, QStringLiteral("the file is truncated: %1 lies partly beyond its end").arg(kTableName));

    if (!columnNumbersPlausible(table.get()))
        throw errors::unrecognizedDatabase(path, QStringLiteral("the definition of %1 is damaged").arg(kTableName));

    const int keyColumn = findColumn(table.get(), kKeyColumn);
    if (keyColumn < 0)
        throw errors::columnNotFound(kTableName, kKeyColumn);
    const int valueColumn = findColumn(table.get(), languageColumn(languageName));
    if (valueColumn < 0)
        throw errors::languageColumnNotFound(languageName, kTableName, languageColumn(languageName));
    return fetchRows(table.get(), keyColumn, valueColumn);
}

} // namespace

LanguageRows readLanguageRowsFromBytes(QByteArray bytes, const QString& languageName, const QString& path)
{
    if (const QString problem = jetFileProblem(bytes); !problem.isEmpty())
        throw errors::unrecognizedDatabase(path, problem);
    return readCheckedDatabase(path, std::move(bytes), languageName);
}

} // namespace language
