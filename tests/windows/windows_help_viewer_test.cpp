// The help command starts the viewer with "<viewer> <help file>", the path unquoted and spelt in
// full whatever its characters, in a normal window, and does not wait for it.
#include "base/path_text.h"
#include "platform/windows_help_viewer.h"
#include "support/temp_folder.h"

#define WIN32_LEAN_AND_MEAN
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <windows.h>

namespace {

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

std::wstring ReadReport(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(text.size() * 2),
              reinterpret_cast<char*>(text.data()));
    return text;
}

TEST(WindowsHelpViewer, StartsTheViewerOnTheFullPathInANormalWindowWithoutWaiting) {
    const TempFolder folder;
    // Blanks, and characters that no ANSI code page holds all of.
    const std::filesystem::path helpFile = folder / "Program Files ü€ 帮助" / "Quorvane.chm";
    const std::filesystem::path report = folder / "report";
    SetEnvironmentVariableW(L"QUORVANE_STAND_IN_REPORT", report.c_str());
    const std::wstring suffix = std::to_wstring(GetCurrentProcessId());
    const NamedEvent reported(L"QUORVANE_STAND_IN_REPORTED", L"QuorvaneReported" + suffix);
    const NamedEvent release(L"QUORVANE_STAND_IN_RELEASE", L"QuorvaneRelease" + suffix);

    const std::wstring viewer = PathFromText(QUORVANE_HELP_VIEWER_STAND_IN).wstring();
    const auto start = std::chrono::steady_clock::now();
    WindowsHelpViewer(viewer).ShowHelp(helpFile);
    // The stand-in stays for half a minute unless released: a viewer waited for would hold the
    // call that long.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    ASSERT_EQ(WaitForSingleObject(reported.Handle, 20000), WAIT_OBJECT_0);
    SetEvent(release.Handle);

    EXPECT_EQ(ReadReport(report),
              std::to_wstring(SW_SHOWNORMAL) + L"\n" + viewer + L" " + helpFile.wstring());
}

} // namespace
