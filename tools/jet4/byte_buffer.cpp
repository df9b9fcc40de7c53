#include "byte_buffer.h"

#include <cstring>
#include <stdexcept>

namespace jet4 {

void ByteBuffer::f64(double value)
{
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    u32(static_cast<std::uint32_t>(bits));
    u32(static_cast<std::uint32_t>(bits >> 32));
}

void ByteBuffer::put16(std::size_t at, std::uint32_t value)
{
    m_bytes.at(at) = static_cast<std::uint8_t>(value);
    m_bytes.at(at + 1) = static_cast<std::uint8_t>(value >> 8);
}

void ByteBuffer::put32(std::size_t at, std::uint32_t value)
{
    put16(at, value);
    put16(at + 2, value >> 16);
}

std::u16string fromUtf8(const std::string& text)
{
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            code = lead & 0x07;
        } else {
            throw std::runtime_error("invalid UTF-8 in the text table");
        }
        if (extra > 0 && i + extra >= text.size())
            throw std::runtime_error("truncated UTF-8 in the text table");
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                throw std::runtime_error("invalid UTF-8 in the text table");
            code = (code << 6) | (next & 0x3F);
        }
        const char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            throw std::runtime_error("invalid UTF-8 in the text table");
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += 1 + extra;
    }
    return out;
}

Bytes utf16le(const std::u16string& text)
{
    Bytes out;
    out.reserve(text.size() * 2);
    for (char16_t unit : text) {
        out.push_back(static_cast<std::uint8_t>(unit));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return out;
}

} // namespace jet4
