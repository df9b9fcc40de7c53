#include "properties.h"

namespace jet4 {

Bytes textPropertyBlock(const std::vector<std::pair<std::string, std::string>>& properties)
{
    constexpr std::uint16_t kNamesChunk = 0x80;
    constexpr std::uint16_t kObjectValuesChunk = 0x00;
    constexpr std::uint8_t kTextType = 0x0A;

    ByteBuffer out;
    out.bytes(Bytes{'M', 'R', '2', 0});

    ByteBuffer names;
    for (const auto& property : properties) {
        const Bytes name = utf16le(fromUtf8(property.first));
        names.u16(static_cast<std::uint32_t>(name.size()));
        names.bytes(name);
    }
    out.u32(static_cast<std::uint32_t>(6 + names.size()));
    out.u16(kNamesChunk);
    out.bytes(names.data());

    ByteBuffer values;
    values.u32(6); // block header: its own length, then a name of length 0 (the object itself)
    values.u16(0);
    for (std::size_t i = 0; i < properties.size(); ++i) {
        const Bytes value = utf16le(fromUtf8(properties[i].second));
        values.u16(static_cast<std::uint32_t>(8 + value.size()));
        values.u8(0); // not a DDL property
        values.u8(kTextType);
        values.u16(static_cast<std::uint32_t>(i));
        values.u16(static_cast<std::uint32_t>(value.size()));
        values.bytes(value);
    }
    out.u32(static_cast<std::uint32_t>(6 + values.size()));
    out.u16(kObjectValuesChunk);
    out.bytes(values.data());
    return out.take();
}

} // namespace jet4
