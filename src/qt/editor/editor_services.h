// What the puzzle editor is given: the platform's services once, and the main window's settings
// at each opening.
#pragma once

#include "appearance/colour_scheme.h"
#include "board/board_geometry.h"

#include <filesystem>
#include <functional>

class Clock;
class FileDialogs;
class GuidSource;
class MessageDialogs;
class PictureChooser;
class UserNameSource;

struct EditorServices {
    MessageDialogs& Messages;
    FileDialogs& Files;
    PictureChooser& Pictures;
    GuidSource& Guids;
    UserNameSource& UserName;
    Clock& Time;
    // Starts the help viewer on the help file, without waiting.
    std::function<void(const std::filesystem::path& helpFile)> ShowHelp;
    // Shows the about box modally.
    std::function<void()> ShowAbout;
};

// Copied from the main window each time the editor opens.
struct EditorSettings {
    CellPitch Pitch;
    ColourSet Colours;
    std::filesystem::path PuzzleFolder;
    std::filesystem::path ProgramFolder;
};
