// The start-up pauses: the whole time passes while the thread's windows paint and get their posted
// messages and timers, and a quit message ends the pause and is left for the message loop.
#include "platform/message_pump_waiter.h"

#define WIN32_LEAN_AND_MEAN
#include <gtest/gtest.h>
#include <windows.h>

namespace {

using namespace std::chrono_literals;

// A visible window of its own that counts what reaches it.
class CountingWindow {
public:
    CountingWindow() {
        WNDCLASSW countingClass{};
        countingClass.lpfnWndProc = Procedure;
        countingClass.hInstance = GetModuleHandleW(nullptr);
        countingClass.lpszClassName = L"QuorvaneCountingWindow";
        RegisterClassW(&countingClass);
        Handle = CreateWindowExW(0, countingClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                 50, 50, nullptr, nullptr, countingClass.hInstance, nullptr);
        ValidateRect(Handle, nullptr);
        Paints = Posted = Ticks = 0;
    }
    CountingWindow(const CountingWindow&) = delete;
    CountingWindow& operator=(const CountingWindow&) = delete;
    ~CountingWindow() { DestroyWindow(Handle); }

    HWND Handle;
    static inline int Paints = 0;
    static inline int Posted = 0;
    static inline int Ticks = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            ++Paints;
            return 0;
        }
        case WM_APP:
            ++Posted;
            return 0;
        case WM_TIMER:
            ++Ticks;
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }
};

TEST(MessagePumpWaiter, WaitsTheWholeTimeWhileWindowsPaintAndGetTheirMessages) {
    const CountingWindow window;
    ASSERT_NE(window.Handle, nullptr);
    InvalidateRect(window.Handle, nullptr, FALSE);
    PostMessageW(window.Handle, WM_APP, 0, 0);
    SetTimer(window.Handle, 1, 10, nullptr);

    const auto start = std::chrono::steady_clock::now();
    MessagePumpWaiter().Wait(200ms);
    const auto waited = std::chrono::steady_clock::now() - start;
    KillTimer(window.Handle, 1);

    EXPECT_GE(waited, 200ms);
    EXPECT_LT(waited, 5s);
    EXPECT_EQ(CountingWindow::Paints, 1);
    EXPECT_EQ(CountingWindow::Posted, 1);
    EXPECT_GE(CountingWindow::Ticks, 2);
}

TEST(MessagePumpWaiter, QuitEndsTheWaitAndStaysForTheMessageLoop) {
    PostQuitMessage(7);
    const auto start = std::chrono::steady_clock::now();
    MessagePumpWaiter().Wait(30s);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 10s);

    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

} // namespace
