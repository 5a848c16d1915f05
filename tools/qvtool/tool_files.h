// Reading the tool's inputs and writing its outputs, each failure a ToolError naming the file.
#pragma once

#include "clue_file.h"
#include "model/puzzle_record.h"

#include <filesystem>
#include <string>
#include <string_view>

// Inputs are small; anything over this is refused before it is read.
constexpr std::uintmax_t MaxInputBytes = 16 * 1024 * 1024;

std::string ReadInputFile(const std::filesystem::path& path);
void WriteOutputFile(const std::filesystem::path& path, std::string_view content);

// A puzzle file the game would open.
PuzzleRecord ReadPuzzle(const std::filesystem::path& path);
void WritePuzzle(const std::filesystem::path& path, const PuzzleRecord& record);
// "PATH: W x H, level L", the line that tells what a command wrote.
std::string WrittenSummary(const std::filesystem::path& path, const PuzzleRecord& record);

// Clues from a puzzle file, a ".non" file or an XML puzzle, told apart by their content.
ClueFile ReadClueFile(const std::filesystem::path& path);
