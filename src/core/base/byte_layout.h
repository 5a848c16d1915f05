// Little-endian fields at fixed offsets: how the puzzle and saved-game files are laid out.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <span>

namespace ByteLayout {

template <typename T> T Get(std::span<const std::uint8_t> bytes, std::size_t offset) {
    static_assert(std::endian::native == std::endian::little, "files are little-endian");
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

template <typename T> void Put(std::span<std::uint8_t> bytes, std::size_t offset, T value) {
    static_assert(std::endian::native == std::endian::little, "files are little-endian");
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

template <typename Array>
void GetArray(std::span<const std::uint8_t> bytes, std::size_t offset, Array& into) {
    std::memcpy(into.data(), bytes.data() + offset, sizeof into);
}

template <typename Array>
void PutArray(std::span<std::uint8_t> bytes, std::size_t offset, const Array& from) {
    std::memcpy(bytes.data() + offset, from.data(), sizeof from);
}

} // namespace ByteLayout
