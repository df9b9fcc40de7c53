#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace jet4 {

using Bytes = std::vector<std::uint8_t>;

// Little-endian appends and patches; every multi-byte number in a Jet file is little-endian.
class ByteBuffer
{
public:
    void u8(std::uint32_t value) { m_bytes.push_back(static_cast<std::uint8_t>(value)); }
    void u16(std::uint32_t value)
    {
        u8(value);
        u8(value >> 8);
    }
    void u24(std::uint32_t value)
    {
        u16(value);
        u8(value >> 16);
    }
    void u32(std::uint32_t value)
    {
        u16(value);
        u16(value >> 16);
    }
    void f64(double value);
    void bytes(const Bytes& more) { m_bytes.insert(m_bytes.end(), more.begin(), more.end()); }
    void zeros(std::size_t count) { m_bytes.insert(m_bytes.end(), count, 0); }

    void put16(std::size_t at, std::uint32_t value);
    void put32(std::size_t at, std::uint32_t value);

    std::size_t size() const { return m_bytes.size(); }
    const Bytes& data() const { return m_bytes; }
    Bytes take() { return std::move(m_bytes); }

private:
    Bytes m_bytes;
};

// UTF-8 to UTF-16 (the tool's input is UTF-8 text); throws std::runtime_error on bad UTF-8.
std::u16string fromUtf8(const std::string& text);
// UTF-16 code units as UTF-16LE bytes, the way Jet 4 stores names and plain text.
Bytes utf16le(const std::u16string& text);

} // namespace jet4
