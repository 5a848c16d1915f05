// The folders the main window works with and the file named on the command line.
#include "game/startup_files.h"

#include "base/path_text.h"
#include "base/text.h"
#include "settings/registry_store.h"
#include "settings/settings_keys.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <system_error>

namespace {

// A file made and removed again answers for permissions, ownership and read-only mounts alike,
// where the permission bits alone would not.
bool CanWriteIn(const std::filesystem::path& folder) {
    std::random_device random;
    const std::filesystem::path probe = folder / (".write-probe-" + std::to_string(random()));
    if (!std::ofstream(probe))
        return false;
    std::error_code error;
    std::filesystem::remove(probe, error);
    return true;
}

} // namespace

ProgramFolders ResolveProgramFolders(RegistryStore& registry,
                                     const std::filesystem::path& programFolder) {
    ProgramFolders folders{programFolder, programFolder / "Puzzles", programFolder / "Saved Games"};
    const std::unique_ptr<RegistryKey> settings = registry.OpenKey(SettingsKey, true);
    if (!settings)
        return folders;
    const std::optional<std::string> lastDir = settings->ReadString("LastPuzzleDir");
    std::error_code error;
    if (lastDir && !lastDir->empty() && std::filesystem::is_directory(*lastDir, error))
        folders.PuzzleFolder = *lastDir;
    return folders;
}

bool EnsureFolder(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directory(folder, error);
    return std::filesystem::is_directory(folder, error);
}

int PrepareFolders(ProgramFolders& folders, const std::filesystem::path& userDataFolder) {
    int failed = EnsureFolder(folders.PuzzleFolder) ? 0 : 1;
    if (EnsureFolder(folders.SavedGamesFolder) && CanWriteIn(folders.SavedGamesFolder))
        return failed;
    if (!userDataFolder.empty()) {
        const std::filesystem::path userFolder = userDataFolder / "Saved Games";
        std::error_code error;
        std::filesystem::create_directories(userFolder, error);
        if (std::filesystem::is_directory(userFolder, error)) {
            folders.SavedGamesFolder = userFolder;
            return failed;
        }
    }
    return failed + 1;
}

std::string JoinArguments(const std::vector<std::string>& arguments) {
    std::string joined;
    for (std::size_t i = 0; i < arguments.size(); ++i)
        joined += (i == 0 ? "" : " ") + arguments[i];
    // When nothing but blanks is left, npos + 1 is zero and the whole text goes.
    joined.erase(joined.find_last_not_of(' ') + 1);
    return joined;
}

StartupFileKind StartupFileKindOf(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return StartupFileKind::None;
    const std::string name = PathText(path.filename());
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos)
        return StartupFileKind::None;
    const std::string extension =
        AsciiUpperCase(TrimmedOf(std::string_view(name).substr(dot), " "));
    if (extension == ".QVF")
        return StartupFileKind::Puzzle;
    if (extension == ".QVS")
        return StartupFileKind::SavedGame;
    return StartupFileKind::None;
}
