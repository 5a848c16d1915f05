// Looks at another program's windows for the tests that drive it: reads one command a line from
// standard input and answers each with lines ending in a line "." (or "error <why>"), so one
// start under wine serves a whole test. Links nothing but the system.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const std::string& text) {
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        length);
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                        length, nullptr, nullptr);
    return text;
}

std::string TextOf(HWND window) {
    wchar_t text[512] = {};
    // WM_GETTEXT with a time limit: a program stuck in a long operation must not stop the probe.
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return Utf8(text);
}

std::string ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return Utf8(name);
}

// The top-level window of the class, waiting up to the timeout for it to appear and show and,
// when a caption is given, to take that caption.
HWND FindShown(const std::string& className, int timeoutMs, const std::string* caption = nullptr) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        HWND window = FindWindowW(Wide(className).c_str(), nullptr);
        if (window && IsWindowVisible(window) && (!caption || TextOf(window) == *caption))
            return window;
        if (GetTickCount64() >= end)
            return nullptr;
        Sleep(50);
    }
}

// "x y w h caption": the client area in screen pixels. The caption waited for, if any, follows
// the timeout.
void Find(std::istream& words, std::ostream& out) {
    std::string className, caption;
    int timeoutMs = 0;
    words >> className >> timeoutMs;
    const bool captioned = static_cast<bool>(std::getline(words >> std::ws, caption));
    HWND window = FindShown(className, timeoutMs, captioned ? &caption : nullptr);
    if (!window) {
        out << "error no window\n";
        return;
    }
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    out << origin.x << ' ' << origin.y << ' ' << client.right << ' ' << client.bottom << ' '
        << TextOf(window) << "\n.\n";
}

// The client area's pixels as the window shows them, into a binary PPM file. The class "-"
// stands for the screen, which shows whichever window is in front.
void Grab(std::istream& words, std::ostream& out) {
    std::string className, path;
    int x = 0, y = 0, width = 0, height = 0;
    words >> className >> x >> y >> width >> height;
    std::getline(words >> std::ws, path);
    const bool screen = className == "-";
    HWND window = screen ? nullptr : FindShown(className, 0);
    if ((!screen && !window) || width <= 0 || height <= 0) {
        out << "error no window\n";
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY) != 0;
    GdiFlush();
    std::string image = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; copied && i < width * height; ++i) {
        image.push_back(static_cast<char>(pixels[i] >> 16 & 0xFF));
        image.push_back(static_cast<char>(pixels[i] >> 8 & 0xFF));
        image.push_back(static_cast<char>(pixels[i] & 0xFF));
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    if (!copied) {
        out << "error the copy failed\n";
        return;
    }
    FILE* file = _wfopen(Wide(path).c_str(), L"wb");
    const bool written =
        file && std::fwrite(image.data(), 1, image.size(), file) == image.size();
    if (file)
        std::fclose(file);
    out << (written ? ".\n" : "error cannot write the file\n");
}

// "id enabled checked" for every command item of the window's menu bar, depth first in menu
// order. Wine keeps menus to their process, so the hook library beside the probe reads them
// inside the program, on the window's own thread, and writes them into a file.
void Menu(std::istream& words, std::ostream& out) {
    std::string className;
    words >> className;
    HWND window = FindShown(className, 0);
    static HMODULE library = LoadLibraryW(L"window_probe_hook.dll");
    auto* hookProc = library ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void (*)()>(
                                   GetProcAddress(library, "MenuHookProc")))
                             : nullptr;
    if (!window || !hookProc) {
        out << "error no window or no hook library\n";
        return;
    }
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"window_probe_menu_" +
                              std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(path.c_str());
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, hookProc, library,
                                   GetWindowThreadProcessId(window, nullptr));
    DWORD_PTR result = 0;
    if (hook)
        SendMessageTimeoutW(window, RegisterWindowMessageW(L"QuorvaneWindowProbeMenu"),
                            GetCurrentProcessId(), 0, SMTO_ABORTIFHUNG, 5000, &result);
    if (hook)
        UnhookWindowsHookEx(hook);
    std::string lines;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
            lines.append(buffer, read);
        CloseHandle(file);
        DeleteFileW(path.c_str());
    }
    if (lines.empty() || lines == "none\n") {
        out << "error no menu\n";
        return;
    }
    out << lines << ".\n";
}

// One line per visible top-level window: class, owner's class ("-" for none), tab, caption.
BOOL CALLBACK ListWindow(HWND window, LPARAM lines) {
    if (IsWindowVisible(window)) {
        HWND owner = GetWindow(window, GW_OWNER);
        *reinterpret_cast<std::ostream*>(lines)
            << ClassOf(window) << ' ' << (owner ? ClassOf(owner) : "-") << '\t' << TextOf(window)
            << '\n';
    }
    return TRUE;
}

void Windows(std::ostream& out) {
    EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&out));
    out << ".\n";
}

struct ControlSearch {
    std::wstring Text;
    HWND Found = nullptr;
};

BOOL CALLBACK MatchControl(HWND control, LPARAM search) {
    auto& wanted = *reinterpret_cast<ControlSearch*>(search);
    if (IsWindowVisible(control) && Wide(TextOf(control)) == wanted.Text) {
        wanted.Found = control;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK MatchCaption(HWND window, LPARAM search) {
    auto& wanted = *reinterpret_cast<ControlSearch*>(search);
    if (IsWindowVisible(window) && Wide(TextOf(window)) == wanted.Text) {
        wanted.Found = window;
        return FALSE;
    }
    return TRUE;
}

// "x y w h" in screen pixels of the visible control whose text is given, in the visible
// top-level window of the caption given, waiting for the window up to the timeout. Both texts
// follow the timeout, separated by a tab.
void Control(std::istream& words, std::ostream& out) {
    int timeoutMs = 0;
    words >> timeoutMs;
    std::string rest;
    std::getline(words >> std::ws, rest);
    const auto tab = rest.find('\t');
    ControlSearch window{Wide(rest.substr(0, tab))};
    ControlSearch control{Wide(tab == std::string::npos ? "" : rest.substr(tab + 1))};
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!window.Found) {
        EnumWindows(MatchCaption, reinterpret_cast<LPARAM>(&window));
        if (window.Found || GetTickCount64() >= end)
            break;
        Sleep(50);
    }
    if (window.Found)
        EnumChildWindows(window.Found, MatchControl, reinterpret_cast<LPARAM>(&control));
    RECT box{};
    if (!control.Found || !GetWindowRect(control.Found, &box)) {
        out << "error no control\n";
        return;
    }
    out << box.left << ' ' << box.top << ' ' << box.right - box.left << ' '
        << box.bottom - box.top << "\n.\n";
}

// Ends the process that owns the top-level window of the class, without asking it anything.
void Kill(std::istream& words, std::ostream& out) {
    std::string className;
    words >> className;
    HWND window = FindWindowW(Wide(className).c_str(), nullptr);
    DWORD processId = 0;
    if (window)
        GetWindowThreadProcessId(window, &processId);
    HANDLE process = processId ? OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)
                               : nullptr;
    if (!process) {
        out << "error no process\n";
        return;
    }
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    out << ".\n";
}

// Deletes a key of the current user's hive with everything below it; a missing key is no error.
void Forget(std::istream& words, std::ostream& out) {
    std::string key;
    std::getline(words >> std::ws, key);
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, Wide(key).c_str());
    out << (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? ".\n"
                                                                      : "error cannot delete\n");
}

// Waits up to the timeout for the file to exist and to be readable with no writer holding it.
void File(std::istream& words, std::ostream& out) {
    int timeoutMs = 0;
    std::string path;
    words >> timeoutMs;
    std::getline(words >> std::ws, path);
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            out << ".\n";
            return;
        }
        if (GetTickCount64() >= end) {
            out << "error no file\n";
            return;
        }
        Sleep(50);
    }
}

} // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::istringstream words(line);
        std::string command;
        words >> command;
        std::ostringstream out;
        if (command == "find")
            Find(words, out);
        else if (command == "grab")
            Grab(words, out);
        else if (command == "menu")
            Menu(words, out);
        else if (command == "windows")
            Windows(out);
        else if (command == "control")
            Control(words, out);
        else if (command == "kill")
            Kill(words, out);
        else if (command == "forget")
            Forget(words, out);
        else if (command == "file")
            File(words, out);
        else
            out << "error unknown command\n";
        std::cout << out.str() << std::flush;
    }
    return 0;
}
