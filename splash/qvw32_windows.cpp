// The splash library's entry points on Windows, which own the one splash window: a borderless
// popup of the calling thread, painted with GDI.
#include "qvw32.h"

#include "gdi_splash_picture.h"
#include "splash_design.h"

namespace {

constexpr const wchar_t* SplashClassName = L"QuorvaneSplash";

// Set while the window exists; cleared when it is destroyed, however that happens.
HWND shownSplash = nullptr;
// Watches the windows of the splash's thread while it is shown.
HHOOK dialogWatch = nullptr;

bool IsDialogBox(HWND window) {
    wchar_t name[8] = {};
    return GetClassNameW(window, name, 8) > 0 && lstrcmpW(name, L"#32770") == 0;
}

// The splash stays above every window, so a message box (or any dialog box) that the program opens
// while it starts would open under it. The splash gives way to it, going as the box is activated.
LRESULT CALLBACK WatchDialogs(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK watch = dialogWatch;
    if (code == HCBT_ACTIVATE && IsDialogBox(reinterpret_cast<HWND>(wParam)))
        hidesplash();
    return CallNextHookEx(watch, code, wParam, lParam);
}

LRESULT CALLBACK SplashProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(window, &paint);
        PaintSplashPicture(dc);
        EndPaint(window, &paint);
        return 0;
    }
    // So that PrintWindow and window animations get the picture too.
    case WM_PRINTCLIENT:
        PaintSplashPicture(reinterpret_cast<HDC>(wParam));
        return 0;
    // The picture covers the whole window; erasing first would only flicker.
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        if (window == shownSplash) {
            shownSplash = nullptr;
            if (dialogWatch != nullptr)
                UnhookWindowsHookEx(dialogWatch);
            dialogWatch = nullptr;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The library's own module, which owns its window class, whatever name it was loaded under.
HINSTANCE LibraryModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&SplashProcedure), &module);
    return module;
}

bool RegisterSplashClass(HINSTANCE module) {
    WNDCLASSEXW splashClass{};
    splashClass.cbSize = sizeof(splashClass);
    splashClass.lpfnWndProc = SplashProcedure;
    splashClass.hInstance = module;
    splashClass.hCursor = LoadCursorW(nullptr, IDC_APPSTARTING);
    splashClass.lpszClassName = SplashClassName;
    return RegisterClassExW(&splashClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

void showsplash() {
    if (shownSplash != nullptr)
        return;
    const HINSTANCE module = LibraryModule();
    if (!RegisterSplashClass(module))
        return;
    RECT workArea{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    const int left = (workArea.left + workArea.right - SplashDesign::WindowWidth) / 2;
    const int top = (workArea.top + workArea.bottom - SplashDesign::WindowHeight) / 2;
    // A tool window has no taskbar button; the splash never takes the focus from the program.
    shownSplash =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, SplashClassName,
                        L"Quorvane", WS_POPUP, left, top, SplashDesign::WindowWidth,
                        SplashDesign::WindowHeight, nullptr, nullptr, module, nullptr);
    if (shownSplash == nullptr)
        return;
    dialogWatch = SetWindowsHookExW(WH_CBT, WatchDialogs, nullptr, GetCurrentThreadId());
    ShowWindow(shownSplash, SW_SHOWNOACTIVATE);
    // The program goes on loading before it reads its messages again, so the picture is painted
    // now rather than when the paint message would come.
    UpdateWindow(shownSplash);
}

void hidesplash() {
    // Sent rather than destroyed here, so a call from another thread still reaches the window's
    // own thread, which alone may destroy it.
    if (shownSplash != nullptr)
        SendMessageW(shownSplash, WM_CLOSE, 0, 0);
}
