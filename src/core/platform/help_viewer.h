// Opens the program's help file for the user.
#pragma once

#include <filesystem>

// An interface so that windows can ask for help without knowing what shows it (on Linux the
// program's own help window, on Windows the system's viewer hh.exe), and tests can see what was
// asked for.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    // Shows the help file and returns without waiting for the reader to be done with it.
    virtual void ShowHelp(const std::filesystem::path& helpFile) = 0;
};
