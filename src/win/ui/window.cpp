#include "ui/window.h"

#include "ui/display_dpi.h"

#include <algorithm>

Window::~Window() {
    if (Handle_ != nullptr) {
        // The object is going: no later message may reach it.
        SetWindowLongPtrW(Handle_, GWLP_USERDATA, 0);
        DestroyWindow(Handle_);
    }
}

void Window::Create(const wchar_t* className, const std::wstring& caption, DWORD style,
                    DWORD exStyle, int clientWidth, int clientHeight, HWND owner, HMENU menu) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, className, &windowClass) == 0) {
        windowClass.cbSize = sizeof(windowClass);
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &Window::Procedure;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, L"MAINICON");
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
    }
    const DisplayScale scale = ScaleOf(owner);
    RECT outer{0, 0, scale.Length(clientWidth), scale.Length(clientHeight)};
    // A child's menu is its identifier: it has no menu bar to make room for.
    AdjustWindowRectEx(&outer, style, menu != nullptr && (style & WS_CHILD) == 0, exStyle);
    CreateWindowExW(exStyle, className, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                    outer.right - outer.left, outer.bottom - outer.top, owner, menu, instance,
                    this);
    if ((style & WS_CHILD) == 0)
        CentreOnWorkArea(Handle_, owner);
}

LRESULT Window::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(Handle_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->Handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->Handle_ = nullptr;
    }
    return self->Message(message, wParam, lParam);
}

void CentreOnWorkArea(HWND window, HWND owner) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const HMONITOR screen = owner != nullptr ? MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY)
                                             : MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
    GetMonitorInfoW(screen, &monitor);
    const RECT& area = monitor.rcWork;
    RECT own{};
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void KeepOnWorkArea(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& area = monitor.rcWork;
    RECT own{};
    GetWindowRect(window, &own);
    const LONG left = std::max(area.left, std::min(own.left, area.right - (own.right - own.left)));
    const LONG top = std::max(area.top, std::min(own.top, area.bottom - (own.bottom - own.top)));
    if (left != own.left || top != own.top)
        SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE OuterSize(HWND window, int clientWidth, int clientHeight) {
    RECT outer{0, 0, clientWidth, clientHeight};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    // A window on a screen of another density than the system's has its frame at that density.
    AdjustWindowRectForDpi(outer, style, GetMenu(window) != nullptr, exStyle, WindowDpi(window));
    return {outer.right - outer.left, outer.bottom - outer.top};
}
