// Reading the tool's inputs and writing its outputs, each failure a ToolError naming the file.
#include "tool_files.h"

#include "base/atomic_file.h"
#include "base/code_page.h"
#include "base/path_text.h"
#include "model/file_read.h"
#include "model/puzzle_file.h"
#include "non_format.h"
#include "solver/puzzle_picture.h"
#include "tool_error.h"
#include "webpbn_format.h"

#include <fstream>

std::string ReadInputFile(const std::filesystem::path& path) {
    const std::string name = PathText(path);
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        throw ToolError(name + " is a folder, not a file");
    const auto bytes = ReadFilePrefix(path, MaxInputBytes + 1);
    if (!bytes)
        throw ToolError("cannot open " + name);
    if (bytes->size() > MaxInputBytes)
        throw ToolError(name + " is larger than " + std::to_string(MaxInputBytes >> 20) +
                        " MB; no puzzle is that large");
    return std::string(bytes->begin(), bytes->end());
}

void WriteOutputFile(const std::filesystem::path& path, std::string_view content) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(content.data());
    const std::string error = WriteFileAtomically(path, {data, content.size()});
    if (!error.empty())
        throw ToolError("cannot write " + PathText(path) + ": " + error);
}

PuzzleRecord ReadPuzzle(const std::filesystem::path& path) {
    PuzzleRecord record;
    switch (ReadGamePuzzleFile(path, record)) {
    case FileReadStatus::Ok:
        return record;
    case FileReadStatus::CannotOpen:
        throw ToolError("cannot open " + PathText(path));
    case FileReadStatus::Corrupted:
        break;
    }
    throw ToolError(PathText(path) + " is not a puzzle file (.qvf) the game can open");
}

void WritePuzzle(const std::filesystem::path& path, const PuzzleRecord& record) {
    const std::string error = WritePuzzleFile(path, record);
    if (!error.empty())
        throw ToolError("cannot write " + PathText(path) + ": " + error);
}

std::string WrittenSummary(const std::filesystem::path& path, const PuzzleRecord& record) {
    return PathText(path) + ": " + std::to_string(record.Width) + " x " +
           std::to_string(record.Height) + ", level " + std::to_string(record.Level);
}

ClueFile ReadClueFile(const std::filesystem::path& path) {
    const std::string text = ReadInputFile(path);
    PuzzleRecord record;
    if (DecodeGamePuzzle({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()},
                         record) == FileReadStatus::Ok) {
        ClueFile puzzle;
        puzzle.Goal = PictureOfRecord(record);
        puzzle.Clues = CluesOf(*puzzle.Goal);
        puzzle.Title = Utf8FromCp1252(record.Name.Text());
        puzzle.Author = Utf8FromCp1252(record.Creator.Text());
        return puzzle;
    }
    std::string error;
    const std::size_t start = text.find_first_not_of(" \t\r\n\xEF\xBB\xBF");
    const bool xml = start != std::string::npos && text[start] == '<';
    auto puzzle = xml ? ParseWebpbnFile(text, error) : ParseNonFile(text, error);
    if (!puzzle)
        throw ToolError(PathText(path) + ": " + error);
    return std::move(*puzzle);
}
