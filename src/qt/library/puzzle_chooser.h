// The new-game browser as the main window uses it.
#pragma once

#include <filesystem>
#include <optional>

class PuzzleChooser {
public:
    virtual ~PuzzleChooser() = default;
    // Lists the folder and lets the player pick a puzzle file; none when cancelled.
    virtual std::optional<std::filesystem::path>
    ChooseFrom(const std::filesystem::path& folder) = 0;
    // The folder the browser ended on, which browsing may have changed even when cancelled.
    virtual std::filesystem::path ShownFolder() const = 0;
};
