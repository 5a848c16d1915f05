#include "ui/display_dpi.h"

namespace {

// The calls a newer system has, looked up once: a program that linked them directly would not
// start on an older one.
struct DpiCalls {
    UINT(WINAPI* ForWindow)(HWND) = nullptr;
    UINT(WINAPI* ForSystem)() = nullptr;
    int(WINAPI* MetricsForDpi)(int, UINT) = nullptr;
    BOOL(WINAPI* AdjustForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;
};

template <typename F>
void Load(HMODULE user32, const char* name, F& call) {
    // The usual way of taking a function from a module: its address is cast to its type.
    call = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

const DpiCalls& Calls() {
    static const DpiCalls calls = [] {
        DpiCalls found;
        if (const HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
            Load(user32, "GetDpiForWindow", found.ForWindow);
            Load(user32, "GetDpiForSystem", found.ForSystem);
            Load(user32, "GetSystemMetricsForDpi", found.MetricsForDpi);
            Load(user32, "AdjustWindowRectExForDpi", found.AdjustForDpi);
        }
        return found;
    }();
    return calls;
}

} // namespace

int WindowDpi(HWND window) {
    const DpiCalls& calls = Calls();
    if (window != nullptr && calls.ForWindow != nullptr)
        if (const UINT dpi = calls.ForWindow(window); dpi > 0)
            return static_cast<int>(dpi);
    if (calls.ForSystem != nullptr)
        if (const UINT dpi = calls.ForSystem(); dpi > 0)
            return static_cast<int>(dpi);
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : DisplayScale::DesignedDpi;
}

DisplayScale ScaleOf(HWND window) {
    return DisplayScale(WindowDpi(window));
}

int SystemMetricForDpi(int index, int dpi) {
    if (Calls().MetricsForDpi != nullptr)
        return Calls().MetricsForDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) {
    if (Calls().AdjustForDpi != nullptr)
        Calls().AdjustForDpi(&rect, style, menu, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&rect, style, menu, exStyle);
}
