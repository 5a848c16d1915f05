// Opens the program's help file for the user.
#pragma once

#include <filesystem>

// An interface so that windows can ask for help without knowing which viewer the desktop has, and
// tests can see what was asked for.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    // Starts a viewer on the help file and returns at once; whether it shows is not looked at.
    virtual void ShowHelp(const std::filesystem::path& helpFile) = 0;
};
