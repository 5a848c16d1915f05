// The program entry: the splash, the windows in their order, and the message loop.
#include "game/mainform.h"
#include "game/program_dialogs.h"
#include "platform/clue_face_library.h"
#include "platform/fault_log.h"
#include "platform/message_pump_waiter.h"
#include "platform/system_clock.h"
#include "platform/windows_font_resources.h"
#include "platform/windows_help_viewer.h"
#include "qvw32.h"
#include "settings/windows_registry.h"
#include "ui/wide_text.h"

// These need the types of windows.h, which the headers above bring in.
#include <commctrl.h>
#include <cstdlib>
#include <ole2.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Utf8(words[i]));
    LocalFree(words);
    return arguments;
}

std::filesystem::path ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return std::filesystem::path(path).parent_path();
}

std::filesystem::path UserDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return std::filesystem::path(folder) / L"Quorvane";
}

std::filesystem::path PaintTimesFile() {
    const wchar_t* named = _wgetenv(L"QUORVANE_PAINT_TIMES");
    return named == nullptr ? std::filesystem::path() : std::filesystem::path(named);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Where a run is watched (the tests play the program so), a fault the message dispatch would
    // swallow still leaves its line.
    if (const std::filesystem::path faultLog = FaultLogNamedByEnvironment(); !faultLog.empty())
        WatchForFaults(faultLog);
    showsplash();
    // The shell's folder browser works through COM on this thread.
    OleInitialize(nullptr);
    MessagePumpWaiter waiter;
    waiter.Wait(std::chrono::milliseconds(1000));
    const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);

    WindowsRegistry registry;
    WindowsFontResources system;
    ClueFaceLibrary fonts(system);
    SystemClock clock;
    WindowsHelpViewer help;
    Tfmainform mainform({registry, fonts, waiter, &hidesplash, clock, help, ProgramFolder(),
                         Arguments(), UserDataFolder(), PaintTimesFile()});
    mainform.UseDialogs(MakeProgramDialogs(mainform, {registry, clock, help}));
    ShowWindow(mainform.Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(mainform.Handle());

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Shortcuts reach the main window whichever of its children has the focus.
        if (mainform.TranslateShortcut(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    OleUninitialize();
    return static_cast<int>(message.wParam);
}
