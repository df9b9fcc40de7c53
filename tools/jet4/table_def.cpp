#include "table_def.h"

#include <stdexcept>

namespace jet4 {
namespace {

constexpr std::uint8_t kPageTypeTableDefinition = 0x02;
// Access writes this constant after the length and again into every column definition.
constexpr std::uint32_t kMagicTableNumber = 1625;
constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
constexpr std::uint16_t kGeneralSortOrder = 1033;
// Column flags: 0x01 fixed length, 0x02 updatable (set on every column); Access marks the
// columns of its system tables with 0x10 as well.
constexpr std::uint8_t kFixedFlag = 0x01;
constexpr std::uint8_t kUpdatableFlag = 0x02;
constexpr std::uint8_t kSystemColumnFlag = 0x10;
constexpr std::uint8_t kCompressedUnicodeFlag = 0x01;

void putRowPointer(ByteBuffer& out, RowPointer pointer)
{
    out.u8(pointer.row);
    out.u24(pointer.page);
}

} // namespace

Bytes encodeTableDefinition(const Table& table, const UsageMapPair& tableMaps,
                            const std::vector<UsageMapPair>& longValueMaps)
{
    const auto& columns = table.columns;
    std::uint32_t variableCount = 0;
    for (const Column& column : columns)
        variableCount += isFixedLength(column.type) ? 0 : 1;

    ByteBuffer out;
    out.u8(kPageTypeTableDefinition);
    out.u8(0x01);
    out.u16(0); // free space, patched below
    out.u32(0); // no next definition page
    out.u32(0); // length of the definition, patched below
    out.u32(kMagicTableNumber);
    out.u32(static_cast<std::uint32_t>(table.rows.size()));
    out.u32(0); // next AutoNumber: the tables have no AutoNumber column
    out.u8(1);  // AutoNumber flag, as Access writes it
    out.zeros(15);
    out.u8(table.system ? kSystemTable : kUserTable);
    out.u16(static_cast<std::uint32_t>(columns.size())); // highest column count a row can have
    out.u16(variableCount);
    out.u16(static_cast<std::uint32_t>(columns.size()));
    out.u32(0); // logical indexes
    out.u32(0); // physical indexes
    putRowPointer(out, tableMaps.owned);
    putRowPointer(out, tableMaps.free);

    std::uint32_t fixedOffset = 0;
    std::uint32_t variableIndex = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        const bool fixed = isFixedLength(column.type);
        out.u8(static_cast<std::uint8_t>(column.type));
        out.u32(kMagicTableNumber);
        out.u16(static_cast<std::uint32_t>(i));
        out.u16(fixed ? 0 : variableIndex);
        out.u16(static_cast<std::uint32_t>(i));
        out.u16(isTextual(column.type) ? kGeneralSortOrder : 0);
        out.u16(0); // sort order version 0 ("General" of Access 2000-2007)
        out.u8((fixed ? kFixedFlag : 0) | kUpdatableFlag | (table.system ? kSystemColumnFlag : 0));
        out.u8(column.type == ColumnType::Text && column.compressedText ? kCompressedUnicodeFlag : 0);
        out.u32(0);
        out.u16(fixed ? fixedOffset : 0);
        out.u16(static_cast<std::uint32_t>(definedLength(column.type)));
        if (fixed)
            fixedOffset += static_cast<std::uint32_t>(fixedSize(column.type));
        else
            ++variableIndex;
    }
    for (const Column& column : columns) {
        const Bytes name = utf16le(fromUtf8(column.name));
        out.u16(static_cast<std::uint32_t>(name.size()));
        out.bytes(name);
    }

    std::size_t longValue = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (!isLongValue(columns[i].type))
            continue;
        if (longValue >= longValueMaps.size())
            throw std::runtime_error("missing usage maps for the long-value columns of " + table.name);
        out.u16(static_cast<std::uint32_t>(i));
        putRowPointer(out, longValueMaps[longValue].owned);
        putRowPointer(out, longValueMaps[longValue].free);
        ++longValue;
    }
    out.u16(0xFFFF);

    const std::size_t length = out.size();
    if (length > kPageSize)
        throw std::runtime_error("the definition of " + table.name + " does not fit one page");
    out.put32(8, static_cast<std::uint32_t>(length));
    out.put16(2, static_cast<std::uint32_t>(kPageSize - length - 8));
    out.zeros(kPageSize - length);
    return out.take();
}

} // namespace jet4
