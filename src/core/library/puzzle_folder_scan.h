// The puzzle files of one folder as the new-game browser lists them, read only as far as a row
// needs.
#pragma once

#include "model/guid.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class RegistryStore;

// What one valid puzzle file shows in the browser. Texts are UTF-8.
struct PuzzleFolderRow {
    std::string FileName;
    std::string Name;
    std::int32_t Level = 0;
    std::string Creator;
    double DateCreated = 0.0; // OLE Automation date
    Guid PuzzleId;
    bool Solved = false;
};

struct PuzzleFolderScan {
    std::vector<PuzzleFolderRow> Rows; // in the order the folder lists its files
    std::uintmax_t BytesRead = 0;      // over every file looked at, left-out ones included
};

// Every *.qvf file of the folder (the extension in any case) that passes the game's test
// (IsGamePuzzle), marked solved when the registry has a record for its PuzzleId. A file that
// cannot be read or fails the test is left out; a missing folder gives no rows. The registry is
// read once for the whole scan.
PuzzleFolderScan ScanPuzzleFolder(const std::filesystem::path& folder, RegistryStore& registry);

// The row's "Location": the folder as shown, a separator and the file name. A folder that already
// ends in a separator, such as a drive root, gets a second one, which file systems accept.
std::string PuzzleLocation(std::string_view folderText, std::string_view fileName);
