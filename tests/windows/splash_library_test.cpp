// qvw32.dll as the program loads it: its two exports by their plain names, one borderless window
// shown painted and centred, and removed on request.
#include "base/path_text.h"
#include "splash_design.h"

#define WIN32_LEAN_AND_MEAN
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <windows.h>

namespace {

using Entry = void (*)();

BOOL CALLBACK CollectVisible(HWND window, LPARAM found) {
    if (IsWindowVisible(window))
        reinterpret_cast<std::set<HWND>*>(found)->insert(window);
    return TRUE;
}

std::set<HWND> VisibleThreadWindows() {
    std::set<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The windows the call opened on this thread.
std::set<HWND> WindowsOpenedBy(Entry call) {
    const std::set<HWND> before = VisibleThreadWindows();
    call();
    std::set<HWND> opened;
    std::ranges::set_difference(VisibleThreadWindows(), before,
                                std::inserter(opened, opened.begin()));
    return opened;
}

COLORREF ColorRefOf(SplashDesign::Colour colour) {
    return RGB(colour.Red, colour.Green, colour.Blue);
}

// The window's client area as it paints it for printing, pixel by pixel.
class PrintedWindow {
public:
    explicit PrintedWindow(HWND window) : Dc(CreateCompatibleDC(nullptr)) {
        RECT client;
        GetClientRect(window, &client);
        Bitmap = CreateCompatibleBitmap(GetDC(nullptr), client.right, client.bottom);
        Previous = SelectObject(Dc, Bitmap);
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(Dc), PRF_CLIENT);
    }
    PrintedWindow(const PrintedWindow&) = delete;
    PrintedWindow& operator=(const PrintedWindow&) = delete;
    ~PrintedWindow() {
        SelectObject(Dc, Previous);
        DeleteObject(Bitmap);
        DeleteDC(Dc);
    }
    COLORREF At(int x, int y) const { return GetPixel(Dc, x, y); }

private:
    HDC Dc;
    HBITMAP Bitmap;
    HGDIOBJ Previous;
};

class SplashLibrary : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::filesystem::path library = PathFromText(QUORVANE_PROGRAM_DIR) / "qvw32.dll";
        Module = LoadLibraryW(library.c_str());
        ASSERT_NE(Module, nullptr) << PathText(library);
        // Plain names: a decorated export (_showsplash@0) would not be found by the program.
        Show = reinterpret_cast<Entry>(GetProcAddress(Module, "showsplash"));
        Hide = reinterpret_cast<Entry>(GetProcAddress(Module, "hidesplash"));
        ASSERT_NE(Show, nullptr);
        ASSERT_NE(Hide, nullptr);
    }
    void TearDown() override { Hide(); }

    static inline HMODULE Module = nullptr;
    static inline Entry Show = nullptr;
    static inline Entry Hide = nullptr;
};

TEST_F(SplashLibrary, ShowOpensOnePaintedBorderlessWindowCentredOnTheWorkArea) {
    const std::set<HWND> opened = WindowsOpenedBy(Show);
    ASSERT_EQ(opened.size(), 1u);
    const HWND splash = *opened.begin();
    EXPECT_EQ(GetWindowLongW(splash, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    // Painted before the call returned: nothing is left for a paint message to do.
    EXPECT_FALSE(GetUpdateRect(splash, nullptr, FALSE));

    RECT frame;
    GetWindowRect(splash, &frame);
    EXPECT_EQ(frame.right - frame.left, SplashDesign::WindowWidth);
    EXPECT_EQ(frame.bottom - frame.top, SplashDesign::WindowHeight);
    RECT workArea;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (workArea.left + workArea.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (workArea.top + workArea.bottom)), 2);
}

TEST_F(SplashLibrary, PictureIsTheNameOverTheFadedBoard) {
    const std::set<HWND> opened = WindowsOpenedBy(Show);
    ASSERT_EQ(opened.size(), 1u);
    const PrintedWindow picture(*opened.begin());
    using namespace SplashDesign;
    EXPECT_EQ(picture.At(0, 0), ColorRefOf(FrameColour));
    EXPECT_EQ(picture.At(3, WindowHeight - 3), ColorRefOf(BackgroundColour));
    // Row 0 lies above the name: its first cell is empty, its second filled.
    ASSERT_FALSE(IsFilled(0, 0));
    ASSERT_TRUE(IsFilled(0, 1));
    EXPECT_EQ(picture.At(CellAt(0, 0).Left + CellSide / 2, CellAt(0, 0).Top + CellSide / 2),
              ColorRefOf(BackgroundColour));
    EXPECT_EQ(picture.At(CellAt(0, 1).Left + CellSide / 2, CellAt(0, 1).Top + CellSide / 2),
              ColorRefOf(FilledCellColour));
    EXPECT_EQ(picture.At(GridLeft, GridTop + 1), ColorRefOf(GridBorderColour));

    // The name's strokes, in its own colour, only across the middle.
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < WindowHeight; ++y)
        for (int x = 0; x < WindowWidth; ++x)
            if (picture.At(x, y) == ColorRefOf(NameColour))
                ++(y >= WindowHeight * 3 / 10 && y < WindowHeight * 7 / 10 ? inside : outside);
    EXPECT_GT(inside, 500);
    EXPECT_EQ(outside, 0);
}

TEST_F(SplashLibrary, ShowTwiceKeepsOneWindow) {
    EXPECT_EQ(WindowsOpenedBy(Show).size(), 1u);
    EXPECT_EQ(WindowsOpenedBy(Show).size(), 0u);
}

// Hiding twice must not touch a destroyed window, and a later show must not be blocked by it;
// hiding leaves the program's own windows alone.
TEST_F(SplashLibrary, HideRemovesOnlyTheSplashAndRepeatsHarmlessly) {
    const HWND own = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                     nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(own, nullptr);
    const std::set<HWND> opened = WindowsOpenedBy(Show);
    ASSERT_EQ(opened.size(), 1u);
    Hide();
    EXPECT_FALSE(IsWindow(*opened.begin()));
    Hide();
    EXPECT_TRUE(IsWindowVisible(own));
    EXPECT_EQ(WindowsOpenedBy(Show).size(), 1u);
    DestroyWindow(own);
}

} // namespace
