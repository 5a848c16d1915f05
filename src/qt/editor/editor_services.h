// What the puzzle editor is given: the platform's services and its dialogs once, and the main
// window's settings at each opening.
#pragma once

#include "editor/editor_settings.h"

#include <filesystem>
#include <functional>

class Clock;
class FileDialogs;
class GuidSource;
class MessageDialogs;
class PictureChooser;
class Tffeditor;
class Tfpuzzleinfo;
class UserNameSource;

struct EditorServices {
    MessageDialogs& Messages;
    FileDialogs& Files;
    GuidSource& Guids;
    UserNameSource& UserName;
    Clock& Time;
    // Starts the help viewer on the help file, without waiting.
    std::function<void(const std::filesystem::path& helpFile)> ShowHelp;
    // Shows the about box modally.
    std::function<void()> ShowAbout;
};

// The dialogs the editor shows, created after it and owned by it. Both are given.
struct EditorDialogs {
    Tfpuzzleinfo* PuzzleInfo = nullptr; // shown by New and Edit Puzzle Information
    PictureChooser* Pictures = nullptr;
};

// Makes the editor's dialogs, with the editor as their owner, once it is built.
using EditorDialogMaker = std::function<EditorDialogs(Tffeditor& owner)>;
