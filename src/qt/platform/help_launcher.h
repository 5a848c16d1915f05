// Opens the help file in whatever this desktop has for it: a CHM viewer, the desktop's own handler
// for CHM files, or else the same pages as HTML in the web browser.
#pragma once

#include "platform/help_viewer.h"

class ProcessStarter;

class HelpLauncher final : public HelpViewer {
public:
    explicit HelpLauncher(ProcessStarter& processes) : Processes(processes) {}

    // The HTML pages are looked for in the folder "html" beside the help file.
    void ShowHelp(const std::filesystem::path& helpFile) override;

private:
    bool DesktopOpensChm();

    ProcessStarter& Processes;
};
