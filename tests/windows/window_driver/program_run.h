// One start of the Windows program as a player starts it: in a program folder of its own made
// from the build's, on the driver's display, with a probe that watches it. Both end with the run.
#pragma once

#include "support/temp_folder.h"
#include "window_driver/window_probe_client.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What the driver is given: the program, the probe, the build's program folder, the wine prefix.
struct DriverPaths {
    std::filesystem::path Program;
    std::filesystem::path Probe;
    std::filesystem::path ProgramFolder;
    std::filesystem::path Prefix;
};
DriverPaths& Driver();

inline constexpr const char* MainWindowClass = "Tfmainform";

class ProgramRun {
public:
    // The program's DLLs and clue fonts are copied beside it unless `alone`; the arguments
    // follow the program on its command line.
    explicit ProgramRun(const std::vector<std::string>& arguments, bool alone = false);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    const std::filesystem::path& Folder() const { return Folder_.Path(); }
    WindowProbe& Probe() { return Probe_; }
    // The main window once it shows the caption.
    std::optional<ClientArea> MainWindow(const std::string& caption);
    // Where the program writes its paint times.
    std::filesystem::path PaintTimes() const { return Scratch / "paint_times.txt"; }
    // Where the program writes each fault of its own code as it is raised, those that the message
    // dispatch swallows among them.
    std::filesystem::path FaultLog() const { return Scratch / "faults.txt"; }
    // Fails the test on each fault the program has written since the last check. The run checks
    // once more when it ends.
    void CheckFaults();
    // The program's exit status once it has ended by itself within the limit.
    std::optional<int> Ended(std::chrono::milliseconds limit);

private:
    TempFolder Folder_;
    TempFolder Scratch_;
    std::filesystem::path Scratch = Scratch_.Path();
    WindowProbe Probe_;
    ChildId Child = NoChild;
    bool Exited = false;
    bool Alone = false;
    std::size_t FaultBytesChecked = 0;
};
