// The help command starts hh.exe from the Windows folder, whichever hh.exe lies where programs are
// looked for first, with the command line "hh.exe <help file>", the path unquoted and spelt in
// full whatever its characters, in a normal window, and does not wait for it.
#include "base/path_text.h"
#include "platform/windows_help_viewer.h"
#include "support/temp_folder.h"

#define WIN32_LEAN_AND_MEAN
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <sstream>
#include <windows.h>

namespace {

namespace fs = std::filesystem;

// A named event of the test's, its name given to the stand-in through the environment.
class NamedEvent {
public:
    NamedEvent(const wchar_t* variable, const std::wstring& name)
        : Handle(CreateEventW(nullptr, TRUE, FALSE, name.c_str())) {
        SetEnvironmentVariableW(variable, name.c_str());
    }
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;
    ~NamedEvent() { CloseHandle(Handle); }

    HANDLE Handle;
};

// A copy of the stand-in named hh.exe, gone again afterwards.
class StandInViewer {
public:
    explicit StandInViewer(const fs::path& folder) : Path(folder / "hh.exe") {
        fs::copy_file(PathFromText(QUORVANE_HELP_VIEWER_STAND_IN), Path,
                      fs::copy_options::overwrite_existing);
    }
    StandInViewer(const StandInViewer&) = delete;
    StandInViewer& operator=(const StandInViewer&) = delete;
    ~StandInViewer() {
        std::error_code ignored;
        fs::remove(Path, ignored);
    }

    const fs::path Path;
};

// What the stand-in that ran writes: its show mode, its command line and its own path.
struct ViewerReport {
    std::wstring ShowMode;
    std::wstring CommandLine;
    fs::path Program;
};

// Runs the help command and waits for the stand-in that it started to report; the stand-in stays
// for half a minute unless released, so a viewer waited for would hold the call that long.
class HelpCall {
public:
    HelpCall()
        : Call(Suffix()), Reported(L"QUORVANE_STAND_IN_REPORTED", L"QuorvaneReported" + Call),
          Release(L"QUORVANE_STAND_IN_RELEASE", L"QuorvaneRelease" + Call) {
        SetEnvironmentVariableW(L"QUORVANE_STAND_IN_REPORT", ReportFile.c_str());
    }

    // The report, or nothing when no stand-in reported.
    std::optional<ViewerReport> Show(WindowsHelpViewer viewer, const fs::path& helpFile) {
        const auto start = std::chrono::steady_clock::now();
        viewer.ShowHelp(helpFile);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        if (WaitForSingleObject(Reported.Handle, 20000) != WAIT_OBJECT_0)
            return std::nullopt;
        SetEvent(Release.Handle);
        std::ifstream in(ReportFile, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
        std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(text.size() * 2),
                  reinterpret_cast<char*>(text.data()));
        std::wistringstream lines(text);
        ViewerReport report;
        std::wstring program;
        std::getline(lines, report.ShowMode);
        std::getline(lines, report.CommandLine);
        std::getline(lines, program);
        report.Program = program;
        return report;
    }

private:
    // Events of their own for each call: a stand-in that has not yet ended holds the last ones.
    static std::wstring Suffix() {
        static int calls = 0;
        return std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++calls);
    }

    std::wstring Call;
    TempFolder Folder;
    fs::path ReportFile = Folder / "report";
    NamedEvent Reported;
    NamedEvent Release;
};

fs::path ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return fs::path(path).parent_path();
}

TEST(WindowsHelpViewer, StartsTheViewerOnTheFullPathInANormalWindowWithoutWaiting) {
    const TempFolder windows;
    const StandInViewer viewer(windows.Path());
    const TempFolder folder;
    // Blanks, and characters that no ANSI code page holds all of.
    const fs::path helpFile = folder / "Program Files ü€ 帮助" / "Quorvane.chm";

    HelpCall call;
    const auto report = call.Show(WindowsHelpViewer(windows.Path()), helpFile);
    ASSERT_TRUE(report) << "no viewer reported";
    EXPECT_EQ(report->ShowMode, std::to_wstring(SW_SHOWNORMAL));
    EXPECT_EQ(report->CommandLine, L"hh.exe " + helpFile.wstring());
}

// Help ran whichever hh.exe the system found first on the command line, beside the program or in
// the current folder before the Windows folder.
TEST(WindowsHelpViewer, AnHhExeBesideTheProgramOrInTheCurrentFolderDoesNotRun) {
    // Unless told otherwise, the viewer is the system's own.
    EXPECT_TRUE(fs::is_regular_file(WindowsHelpViewer().Viewer()))
        << PathText(WindowsHelpViewer().Viewer());

    const TempFolder windows;
    const StandInViewer system(windows.Path());
    const StandInViewer beside(ProgramFolder());
    const TempFolder current;
    const StandInViewer inCurrent(current.Path());
    wchar_t previous[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, previous);
    SetCurrentDirectoryW(current.Path().c_str());
    const TempFolder folder;
    const fs::path helpFile = folder / "Quorvane.chm";

    HelpCall call;
    const auto report = call.Show(WindowsHelpViewer(windows.Path()), helpFile);
    SetCurrentDirectoryW(previous);
    ASSERT_TRUE(report) << "no viewer reported";
    std::error_code error;
    EXPECT_TRUE(fs::equivalent(report->Program, system.Path, error)) << PathText(report->Program);
    EXPECT_EQ(report->CommandLine, L"hh.exe " + helpFile.wstring());
}

} // namespace
