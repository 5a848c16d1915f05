#include "model/guid.h"

#include <string_view>

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

// Written digit by digit rather than through a format string: the new-game browser forms the text
// of every puzzle in a folder of thousands each time it is shown.
std::string GuidText(const Guid& guid) {
    constexpr std::string_view Digits = "0123456789ABCDEF";
    std::string text;
    text.reserve(38);
    const auto append = [&](std::uint32_t value, int digits) {
        for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
            text += Digits[(value >> shift) & 0xF];
    };
    text += '{';
    append(guid.Data1, 8);
    text += '-';
    append(guid.Data2, 4);
    text += '-';
    append(guid.Data3, 4);
    text += '-';
    for (std::size_t i = 0; i < guid.Data4.size(); ++i) {
        if (i == 2)
            text += '-';
        append(guid.Data4[i], 2);
    }
    text += '}';
    return text;
}
