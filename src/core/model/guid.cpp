#include "model/guid.h"

#include <cstdio>

Guid Guid::FromBytes(std::span<const std::uint8_t, ByteSize> bytes) {
    Guid guid;
    guid.Data1 = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                 std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    guid.Data2 = static_cast<std::uint16_t>(bytes[4] | bytes[5] << 8);
    guid.Data3 = static_cast<std::uint16_t>(bytes[6] | bytes[7] << 8);
    for (std::size_t i = 0; i < guid.Data4.size(); ++i)
        guid.Data4[i] = bytes[8 + i];
    return guid;
}

void Guid::ToBytes(std::span<std::uint8_t, ByteSize> bytes) const {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(Data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) {
        bytes[4 + i] = static_cast<std::uint8_t>(Data2 >> (8 * i));
        bytes[6 + i] = static_cast<std::uint8_t>(Data3 >> (8 * i));
    }
    for (std::size_t i = 0; i < Data4.size(); ++i)
        bytes[8 + i] = Data4[i];
}

std::string GuidText(const Guid& guid) {
    char text[39];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return text;
}
