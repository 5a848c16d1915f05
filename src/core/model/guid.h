// A GUID held as its four fields, stored and shown the way the Windows platform does.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

struct Guid {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::array<std::uint8_t, 8> Data4{};

    static constexpr std::size_t ByteSize = 16;

    // The in-memory layout of Windows: the first three fields little-endian, then Data4 as is.
    static Guid FromBytes(std::span<const std::uint8_t, ByteSize> bytes);
    void ToBytes(std::span<std::uint8_t, ByteSize> bytes) const;

    bool operator==(const Guid&) const = default;
};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}": 38 characters, upper-case hexadecimal.
std::string GuidText(const Guid& guid);

// The identifier every puzzle file and saved game starts with.
constexpr Guid PuzzleSignature{
    0x5B905E20, 0x12B8, 0x11D8, {0xB8, 0xBC, 0x00, 0x40, 0x05, 0xAA, 0x98, 0xB3}};
