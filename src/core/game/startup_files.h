// The folders the main window works with and the file named on the command line.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class RegistryStore;

struct ProgramFolders {
    std::filesystem::path ProgramFolder; // the executable's folder
    std::filesystem::path PuzzleFolder;
    std::filesystem::path SavedGamesFolder;
};

// PuzzleFolder is LastPuzzleDir from Software\Quorvane (created when missing) when that names an
// existing folder, else "Puzzles" beside the program; SavedGamesFolder is "Saved Games" beside it.
ProgramFolders ResolveProgramFolders(RegistryStore& registry,
                                     const std::filesystem::path& programFolder);

// Creates the folder (one level) when it does not exist; false when it could not be made.
bool EnsureFolder(const std::filesystem::path& folder);

// Makes the puzzle folder and the saved-games folder when they are missing and returns how many
// could not be made. Saved games stay beside the program when they can be written there, as in the
// portable program folder; an installed program's folder is read-only, so they then go to
// "Saved Games" in the user's data folder, which is made with its parents. An empty data folder
// leaves no such way out.
int PrepareFolders(ProgramFolders& folders, const std::filesystem::path& userDataFolder);

// Shown once for each folder that could not be made.
inline constexpr const char* FolderCreationMessage =
    "Could not create \"puzzles\" directory in current file system. Please check drive free space.";

// The arguments joined with single blanks, so a path with blanks that arrived split is whole
// again; a trailing blank is dropped.
std::string JoinArguments(const std::vector<std::string>& arguments);

enum class StartupFileKind { None, Puzzle, SavedGame };

// An existing file whose extension, upper-cased and trimmed of blanks, is ".QVF" or ".QVS".
StartupFileKind StartupFileKindOf(const std::filesystem::path& path);
