// Starts the compiled-help viewer on the help file, without waiting for it.
#include "platform/windows_help_viewer.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

std::filesystem::path WindowsHelpViewer::WindowsFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length > folder.size()) {
        folder.resize(length);
        length = GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    }
    folder.resize(length);
    return folder;
}

void WindowsHelpViewer::ShowHelp(const std::filesystem::path& helpFile) {
    // What WinExec does, through the wide call: WinExec takes its command line in the ANSI code
    // page, where a folder named in other characters cannot be spelt. The path follows the
    // viewer's name unquoted, as WinExec's caller formed it; the viewer takes the rest of its
    // command line as the file, blanks and all. The viewer itself is named in full: a command
    // line's program is looked for beside the running program and in the current folder before
    // the Windows folder, so any hh.exe lying there would run in its place.
    std::wstring commandLine = L"hh.exe " + helpFile.wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(Viewer_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}
