// The help file shown by the system's compiled-help viewer, hh.exe.
#pragma once

#include "platform/help_viewer.h"

#include <filesystem>

class WindowsHelpViewer final : public HelpViewer {
public:
    // The viewer is hh.exe in the given folder, by default the Windows folder; tests give one of
    // their own.
    explicit WindowsHelpViewer(const std::filesystem::path& viewerFolder = WindowsFolder())
        : Viewer_(viewerFolder / L"hh.exe") {}

    // Starts the viewer with the command line "hh.exe <help file>" in a normal window and returns
    // at once. A viewer that cannot be started is not reported.
    void ShowHelp(const std::filesystem::path& helpFile) override;

    const std::filesystem::path& Viewer() const { return Viewer_; }

private:
    static std::filesystem::path WindowsFolder();

    std::filesystem::path Viewer_;
};
