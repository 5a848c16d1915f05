// The help file shown by the system's compiled-help viewer, hh.exe.
#pragma once

#include "platform/help_viewer.h"

#include <string>

class WindowsHelpViewer final : public HelpViewer {
public:
    // The viewer is found as the system finds a program named on a command line; tests give one
    // of their own.
    explicit WindowsHelpViewer(std::wstring viewer = L"hh.exe") : Viewer(std::move(viewer)) {}

    // Starts the viewer with the command line "<viewer> <help file>" in a normal window and returns
    // at once. A viewer that cannot be started is not reported.
    void ShowHelp(const std::filesystem::path& helpFile) override;

private:
    std::wstring Viewer;
};
