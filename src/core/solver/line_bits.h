// A line of up to 128 cells as a bit set: bit i stands for the cell at position i.
#pragma once

#include <bit>
#include <cstdint>

__extension__ typedef unsigned __int128 LineBits;

constexpr int MaxLineCells = 128;

constexpr LineBits CellBit(int position) {
    return LineBits{1} << position;
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
    return std::popcount(static_cast<std::uint64_t>(bits)) +
           std::popcount(static_cast<std::uint64_t>(bits >> 64));
}

constexpr std::uint64_t Reversed64(std::uint64_t word) {
    word = (word >> 1 & 0x5555555555555555ULL) | (word & 0x5555555555555555ULL) << 1;
    word = (word >> 2 & 0x3333333333333333ULL) | (word & 0x3333333333333333ULL) << 2;
    word = (word >> 4 & 0x0F0F0F0F0F0F0F0FULL) | (word & 0x0F0F0F0F0F0F0F0FULL) << 4;
    return __builtin_bswap64(word);
}

// The position of the lowest cell in a non-empty set.
constexpr int LowestCell(LineBits bits) {
    const auto low = static_cast<std::uint64_t>(bits);
    return low != 0 ? std::countr_zero(low)
                    : 64 + std::countr_zero(static_cast<std::uint64_t>(bits >> 64));
}

// The line read from its other end: the cell at position i moves to length - 1 - i.
constexpr LineBits ReversedLine(LineBits bits, int length) {
    const LineBits whole = LineBits{Reversed64(static_cast<std::uint64_t>(bits))} << 64 |
                           Reversed64(static_cast<std::uint64_t>(bits >> 64));
    return ShiftDown(whole, MaxLineCells - length);
}
