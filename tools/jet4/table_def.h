#pragma once

#include "schema.h"

namespace jet4 {

constexpr std::size_t kPageSize = 4096;

// Where a usage map row lives: (page << 8) | row, as table definitions point at rows.
struct RowPointer
{
    std::uint32_t page = 0;
    std::uint8_t row = 0;
};

struct UsageMapPair
{
    RowPointer owned; // pages that belong to the table (or to a long-value column)
    RowPointer free;  // of those, pages with room for more rows
};

// The table definition page (type 0x02) of a table without indexes: header with the row
// count and the table's usage maps, one 25-byte definition per column, the column names as
// UTF-16LE with a 2-byte length, the usage maps of each long-value column, and FF FF.
// longValueMaps holds one pair per OLE/memo column, in column order. Throws
// std::runtime_error when the definition does not fit one page.
Bytes encodeTableDefinition(const Table& table, const UsageMapPair& tableMaps,
                            const std::vector<UsageMapPair>& longValueMaps);

} // namespace jet4
