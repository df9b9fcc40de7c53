#include "row.h"

#include <stdexcept>

namespace jet4 {
namespace {

constexpr std::size_t kMaxTextLength = 255;
constexpr std::size_t kMaxBinaryLength = 255;
// A long value kept inside its row: 3-byte length, flag 0x80 ("in this row"), 8 zero bytes,
// then the bytes. Only small values are written, so no LVAL pages are needed.
constexpr std::size_t kMaxInlineLongValue = 1024;

std::string where(const Table& table, const Column& column)
{
    return table.name + "." + column.name;
}

void encodeFixed(ByteBuffer& out, const Table& table, const Column& column, const Value& value)
{
    if (std::holds_alternative<std::monostate>(value)) {
        out.zeros(fixedSize(column.type));
        return;
    }
    if (column.type == ColumnType::DateTime) {
        out.f64(std::get<double>(value));
        return;
    }
    const auto* number = std::get_if<std::int64_t>(&value);
    if (!number)
        throw std::runtime_error("wrong value type for " + where(table, column));
    const auto bits = static_cast<std::uint32_t>(*number);
    switch (column.type) {
    case ColumnType::Byte:
        out.u8(bits);
        break;
    case ColumnType::Integer:
        out.u16(bits);
        break;
    default:
        out.u32(bits);
        break;
    }
}

Bytes encodeVariable(const Table& table, const Column& column, const Value& value)
{
    switch (column.type) {
    case ColumnType::Text: {
        const auto& text = std::get<std::u16string>(value);
        if (text.size() > kMaxTextLength)
            throw std::runtime_error("text longer than 255 characters in " + where(table, column));
        return encodeText(text, column.compressedText);
    }
    case ColumnType::Binary: {
        const auto& bytes = std::get<Bytes>(value);
        if (bytes.size() > kMaxBinaryLength)
            throw std::runtime_error("binary value longer than 255 bytes in " + where(table, column));
        return bytes;
    }
    default: {
        const auto& bytes = std::get<LongValue>(value).bytes;
        if (bytes.size() > kMaxInlineLongValue)
            throw std::runtime_error("long value too large to keep in its row in " + where(table, column));
        ByteBuffer out;
        out.u24(static_cast<std::uint32_t>(bytes.size()));
        out.u8(0x80);
        out.zeros(8);
        out.bytes(bytes);
        return out.take();
    }
    }
}

} // namespace

Bytes encodeText(const std::u16string& text, bool compress)
{
    bool compressible = compress && !text.empty();
    for (char16_t unit : text)
        compressible = compressible && unit >= 0x0001 && unit <= 0x00FF;
    if (!compressible)
        return utf16le(text);
    Bytes out{0xFF, 0xFE};
    for (char16_t unit : text)
        out.push_back(static_cast<std::uint8_t>(unit));
    return out;
}

Bytes encodeRow(const Table& table, const Row& row)
{
    const auto& columns = table.columns;
    if (row.size() != columns.size())
        throw std::runtime_error("row with a wrong number of values in " + table.name);

    ByteBuffer out;
    out.u16(static_cast<std::uint32_t>(columns.size()));
    std::vector<std::uint8_t> nullMask((columns.size() + 7) / 8, 0);
    auto setBit = [&](std::size_t column) { nullMask[column / 8] |= static_cast<std::uint8_t>(1u << (column % 8)); };

    // Fixed part, in column order (the column definitions give the same offsets).
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        const Value& value = row[i];
        if (column.type == ColumnType::Boolean) {
            const auto* flag = std::get_if<bool>(&value);
            if (!flag)
                throw std::runtime_error("a Boolean needs a value in " + where(table, column));
            if (*flag)
                setBit(i);
        } else if (isFixedLength(column.type)) {
            encodeFixed(out, table, column, value);
            if (!std::holds_alternative<std::monostate>(value))
                setBit(i);
        }
    }

    // Variable part: each present value in column order; a NULL takes no bytes.
    std::vector<std::uint32_t> offsets;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (isFixedLength(columns[i].type))
            continue;
        offsets.push_back(static_cast<std::uint32_t>(out.size()));
        if (!std::holds_alternative<std::monostate>(row[i])) {
            out.bytes(encodeVariable(table, columns[i], row[i]));
            setBit(i);
        }
    }
    if (!offsets.empty()) {
        out.u16(static_cast<std::uint32_t>(out.size())); // end of data
        for (auto it = offsets.rbegin(); it != offsets.rend(); ++it)
            out.u16(*it);
        out.u16(static_cast<std::uint32_t>(offsets.size()));
    }
    out.bytes(nullMask);
    return out.take();
}

} // namespace jet4
