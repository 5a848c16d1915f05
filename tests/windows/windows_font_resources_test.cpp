// Adding and removing a font file tells every top-level window that the fonts have changed; that
// the faces then come and go is gdi_font_test's.
#include "base/path_text.h"
#include "platform/windows_font_resources.h"

#define WIN32_LEAN_AND_MEAN
#include <gtest/gtest.h>
#include <windows.h>

namespace {

// A top-level window of its own that counts the font-change notices it is sent.
class FontChangeListener {
public:
    FontChangeListener() {
        WNDCLASSW listenerClass{};
        listenerClass.lpfnWndProc = Procedure;
        listenerClass.hInstance = GetModuleHandleW(nullptr);
        listenerClass.lpszClassName = L"QuorvaneFontChangeListener";
        RegisterClassW(&listenerClass);
        Handle = CreateWindowExW(0, listenerClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10,
                                 nullptr, nullptr, listenerClass.hInstance, nullptr);
        Notices = 0;
    }
    FontChangeListener(const FontChangeListener&) = delete;
    FontChangeListener& operator=(const FontChangeListener&) = delete;
    ~FontChangeListener() { DestroyWindow(Handle); }

    HWND Handle;
    static inline int Notices = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_FONTCHANGE)
            ++Notices;
        return DefWindowProcW(window, message, wParam, lParam);
    }
};

TEST(WindowsFontResources, AddingAndRemovingTellEveryTopLevelWindow) {
    const FontChangeListener listener;
    ASSERT_NE(listener.Handle, nullptr);
    const std::filesystem::path file = PathFromText(QUORVANE_PROGRAM_DIR) / "qvsmall.fnt";
    WindowsFontResources fonts;
    fonts.AddFontFile(file);
    EXPECT_EQ(FontChangeListener::Notices, 1);
    fonts.RemoveFontFile(file);
    EXPECT_EQ(FontChangeListener::Notices, 2);
}

} // namespace
