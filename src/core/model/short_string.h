// A length byte followed by a fixed capacity of single-byte (Windows-1252) characters.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

template <std::size_t Capacity> struct ShortString {
    static_assert(Capacity <= 255, "the length is one byte");

    // Kept as stored, so a record read from a file writes back the same bytes; a length byte
    // larger than the capacity is only ever read through Text().
    std::uint8_t Length = 0;
    std::array<char, Capacity> Chars{};

    std::string Text() const {
        return std::string(Chars.data(), std::min<std::size_t>(Length, Capacity));
    }

    // A longer text is cut to the capacity.
    void Assign(std::string_view text) {
        const std::size_t length = std::min(text.size(), Capacity);
        std::copy_n(text.begin(), length, Chars.begin());
        Length = static_cast<std::uint8_t>(length);
    }

    bool operator==(const ShortString&) const = default;
};
