// Starts the compiled-help viewer on the help file, without waiting for it.
#include "platform/windows_help_viewer.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

void WindowsHelpViewer::ShowHelp(const std::filesystem::path& helpFile) {
    // What WinExec does, through the wide call: WinExec takes its command line in the ANSI code
    // page, where a folder named in other characters cannot be spelt. The path follows the
    // viewer's name unquoted, as WinExec's caller formed it; the viewer takes the rest of its
    // command line as the file, blanks and all.
    std::wstring commandLine = Viewer + L" " + helpFile.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
