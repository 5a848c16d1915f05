// A line of up to 128 cells as a bit set: bit i stands for the cell at position i. Two 64-bit
// words rather than a 128-bit integer, which compilers for 32-bit targets do not have.
#pragma once

#include <bit>
#include <cstdint>

struct LineBits {
    std::uint64_t Low_;  // cells 0 to 63
    std::uint64_t High_; // cells 64 to 127

    // Left unset, so the line solver's arrays of them cost nothing to make; give a value to use.
    LineBits() = default;
    // A set of the first 64 cells, so 0 and 1 read as they would for an integer.
    constexpr LineBits(std::uint64_t low) : Low_(low), High_(0) {}
    constexpr LineBits(std::uint64_t high, std::uint64_t low) : Low_(low), High_(high) {}

    constexpr std::uint64_t Low() const { return Low_; }
    constexpr std::uint64_t High() const { return High_; }

    friend constexpr bool operator==(const LineBits&, const LineBits&) = default;

    friend constexpr LineBits operator~(LineBits a) { return {~a.High(), ~a.Low()}; }
    friend constexpr LineBits operator&(LineBits a, LineBits b) {
        return {a.High() & b.High(), a.Low() & b.Low()};
    }
    friend constexpr LineBits operator|(LineBits a, LineBits b) {
        return {a.High() | b.High(), a.Low() | b.Low()};
    }
    friend constexpr LineBits operator^(LineBits a, LineBits b) {
        return {a.High() ^ b.High(), a.Low() ^ b.Low()};
    }
    // Addition and subtraction carry between the words, as a flood through a stretch needs.
    friend constexpr LineBits operator+(LineBits a, LineBits b) {
        const std::uint64_t low = a.Low() + b.Low();
        return {a.High() + b.High() + (low < a.Low() ? 1 : 0), low};
    }
    friend constexpr LineBits operator-(LineBits a, LineBits b) {
        return {a.High() - b.High() - (a.Low() < b.Low() ? 1 : 0), a.Low() - b.Low()};
    }
    // Distances from 0 to 127, without branches: the bits that cross between the words are
    // shifted in two steps, so a distance of 0 moves none.
    friend constexpr LineBits operator<<(LineBits a, int distance) {
        const int within = distance & 63;
        const std::uint64_t low = a.Low() << within;
        const std::uint64_t high = a.High() << within | a.Low() >> 1 >> (63 - within);
        return distance >= 64 ? LineBits{low, 0} : LineBits{high, low};
    }
    friend constexpr LineBits operator>>(LineBits a, int distance) {
        const int within = distance & 63;
        const std::uint64_t high = a.High() >> within;
        const std::uint64_t low = a.Low() >> within | a.High() << 1 << (63 - within);
        return distance >= 64 ? LineBits{0, high} : LineBits{high, low};
    }

    // One cell at a time touches only the word that holds it.
    constexpr bool Has(int position) const {
        return ((position >= 64 ? High_ : Low_) >> (position & 63) & 1) != 0;
    }
    constexpr void Add(int position) {
        (position >= 64 ? High_ : Low_) |= std::uint64_t{1} << (position & 63);
    }
    constexpr void Remove(int position) {
        (position >= 64 ? High_ : Low_) &= ~(std::uint64_t{1} << (position & 63));
    }

    constexpr LineBits& operator&=(LineBits other) { return *this = *this & other; }
    constexpr LineBits& operator|=(LineBits other) { return *this = *this | other; }
};

constexpr int MaxLineCells = 128;

constexpr LineBits CellBit(int position) {
    const std::uint64_t bit = std::uint64_t{1} << (position & 63);
    return position >= 64 ? LineBits{bit, 0} : LineBits{0, bit};
}

// The bits of the first `count` cells.
constexpr LineBits FirstCells(int count) {
    return count >= MaxLineCells ? ~LineBits{0} : CellBit(count) - 1;
}

// Shifts that give nothing, rather than undefined behaviour, when the distance is the whole width.
constexpr LineBits ShiftUp(LineBits bits, int distance) {
    return distance >= MaxLineCells ? 0 : bits << distance;
}
constexpr LineBits ShiftDown(LineBits bits, int distance) {
    return distance >= MaxLineCells ? 0 : bits >> distance;
}

constexpr int CountCells(LineBits bits) {
    return std::popcount(bits.Low()) + std::popcount(bits.High());
}

constexpr std::uint64_t Reversed64(std::uint64_t word) {
    word = (word >> 1 & 0x5555555555555555ULL) | (word & 0x5555555555555555ULL) << 1;
    word = (word >> 2 & 0x3333333333333333ULL) | (word & 0x3333333333333333ULL) << 2;
    word = (word >> 4 & 0x0F0F0F0F0F0F0F0FULL) | (word & 0x0F0F0F0F0F0F0F0FULL) << 4;
    return __builtin_bswap64(word);
}

// The position of the lowest cell in a non-empty set.
constexpr int LowestCell(LineBits bits) {
    return bits.Low() != 0 ? std::countr_zero(bits.Low()) : 64 + std::countr_zero(bits.High());
}

// The line read from its other end: the cell at position i moves to length - 1 - i.
constexpr LineBits ReversedLine(LineBits bits, int length) {
    return ShiftDown({Reversed64(bits.Low()), Reversed64(bits.High())}, MaxLineCells - length);
}
