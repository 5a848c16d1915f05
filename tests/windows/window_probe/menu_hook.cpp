// The part of the window probe that runs inside the program it looks at: wine keeps a process's
// menus to that process, so the probe hooks the window's thread with this library and asks
// through a registered message; the hook writes the menu's states into a file the probe names.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace {

// "id enabled checked" for every command item, depth first in menu order.
void ListMenu(HMENU menu, std::string& lines) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item))
            continue;
        if (item.hSubMenu)
            ListMenu(item.hSubMenu, lines);
        else if (!(item.fType & MFT_SEPARATOR))
            lines += std::to_string(item.wID) + ((item.fState & MFS_DISABLED) ? " 0" : " 1") +
                     ((item.fState & MFS_CHECKED) ? " 1\n" : " 0\n");
    }
}

void WriteMenu(HWND window, const wchar_t* path) {
    std::string lines;
    if (HMENU menu = GetMenu(window))
        ListMenu(menu, lines);
    else
        lines = "none\n";
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace

// The message's wParam is the probe's process id, which names the answer's file in the
// temporary folder.
extern "C" __declspec(dllexport) LRESULT CALLBACK MenuHookProc(int code, WPARAM wParam,
                                                               LPARAM lParam) {
    static const UINT ask = RegisterWindowMessageW(L"QuorvaneWindowProbeMenu");
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == ask) {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        const std::wstring path = std::wstring(folder) + L"window_probe_menu_" +
                                  std::to_wstring(static_cast<unsigned long>(call->wParam)) +
                                  L".txt";
        WriteMenu(call->hwnd, path.c_str());
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
