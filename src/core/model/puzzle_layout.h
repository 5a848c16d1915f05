// Where each field of a puzzle record lies in a puzzle file (and at the start of a saved game).
#pragma once

#include <cstddef>

namespace PuzzleOffset {
constexpr std::size_t Signature = 0;
constexpr std::size_t PuzzleId = 16;
constexpr std::size_t Name = 32; // a length byte, then 80 characters
constexpr std::size_t Comments = 113;
constexpr std::size_t ReservedAfterComments = 369;
constexpr std::size_t Level = 376;
constexpr std::size_t Width = 380;
constexpr std::size_t Height = 384;
constexpr std::size_t Solution = 388;
constexpr std::size_t Creator = 33156; // a length byte, then 80 characters
constexpr std::size_t ReservedAfterCreator = 33237;
constexpr std::size_t DateCreated = 33240;
} // namespace PuzzleOffset
