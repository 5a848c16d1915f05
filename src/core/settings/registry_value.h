// One named, typed value of a registry key, its data held as the bytes Windows would hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The registry's own type codes; a value read from a file may carry any other code, and keeps it.
enum class RegistryValueType : std::uint32_t {
    String = 1,  // REG_SZ: Windows-1252 text, without its terminating NUL
    Binary = 3,  // REG_BINARY
    Integer = 4, // REG_DWORD: four bytes, little-endian
};

struct RegistryValue {
    std::string Name; // Windows-1252, spelled as first written
    RegistryValueType Type = RegistryValueType::Binary;
    std::string Data;

    bool operator==(const RegistryValue&) const = default;
};

// The four little-endian bytes of a REG_DWORD.
inline std::string DwordData(std::uint32_t number) {
    return {static_cast<char>(number), static_cast<char>(number >> 8),
            static_cast<char>(number >> 16), static_cast<char>(number >> 24)};
}

// The number in a REG_DWORD's data, which must be four bytes long.
inline std::uint32_t DwordOf(std::string_view data) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i)
        number |= std::uint32_t{static_cast<unsigned char>(data[i])} << (8 * i);
    return number;
}
