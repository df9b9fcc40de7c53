#pragma once

#include "byte_buffer.h"

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace jet4 {

// Column types as a Jet 4 table definition numbers them (mdbtools' HACKING, "Column Type").
enum class ColumnType : std::uint8_t {
    Boolean = 0x01, // stored in the row's null bitmap, no bytes in the row
    Byte = 0x02,
    Integer = 0x03,  // 16 bits
    Long = 0x04,     // 32 bits
    DateTime = 0x08, // double: days since 1899-12-30
    Binary = 0x09,   // variable, up to 255 bytes
    Text = 0x0A,     // variable, UTF-16LE or Jet 4 compressed, up to 255 characters
    Ole = 0x0B,      // long binary
    Memo = 0x0C,     // long text
};

struct Column
{
    std::string name;
    ColumnType type;
    // Text: Access's default, one byte per character where the text allows it.
    bool compressedText = true;
};

// A long value (OLE or memo) small enough to sit inside the row.
struct LongValue
{
    Bytes bytes;
};

// NULL, or one value of the column's type: Byte/Integer/Long as int64, Boolean as bool,
// DateTime as double, Binary as Bytes, Text as UTF-16, Ole/Memo as LongValue.
using Value = std::variant<std::monostate, bool, std::int64_t, double, Bytes, std::u16string, LongValue>;
using Row = std::vector<Value>;

struct Table
{
    std::string name;
    bool system = false; // MSys* tables: table type 0x53 and system column flags
    std::vector<Column> columns;
    std::vector<Row> rows;
};

bool isFixedLength(ColumnType type);
bool isLongValue(ColumnType type);
bool isTextual(ColumnType type);
// Bytes the column takes in the fixed part of a row (0 for variable columns and Boolean).
int fixedSize(ColumnType type);
// The length written into the column definition: Text 510 (255 UTF-16 units), Binary 255.
int definedLength(ColumnType type);

} // namespace jet4
