// The browser, the solved list, the congratulations and the about box, wired to their controls.
#include "library/about.h"
#include "library/completed.h"
#include "library/congrats.h"
#include "library/glyph_picture.h"
#include "library/newgame.h"
#include "library/puzzle_folder_fixture.h"
#include "library/solved_records.h"
#include "settings/memory_registry.h"
#include "ui/controls.h"
#include "windows/dialogs/dialog_steps.h"

#include <commctrl.h>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::wstring>;

// The colour of an image list's picture at a point, as the list draws it.
COLORREF ImagePixel(HIMAGELIST images, int index, int x, int y) {
    const HDC screen = GetDC(nullptr);
    const HDC context = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
    const HGDIOBJ previous = SelectObject(context, bitmap);
    ImageList_Draw(images, index, context, 0, 0, ILD_NORMAL);
    const COLORREF pixel = GetPixel(context, x, y);
    SelectObject(context, previous);
    DeleteObject(bitmap);
    DeleteDC(context);
    ReleaseDC(nullptr, screen);
    return pixel;
}

COLORREF GlyphPixel(PuzzleGlyphShade shade, int x, int y) {
    const Pixel pixel = PuzzleGlyphPicture(shade).At(x, y);
    return RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF);
}

// Level 10 in January 2019, level 2 in April 2020 and solved, level 33 in July 2009.
struct ThreePuzzles {
    ThreePuzzles() {
        WriteTestPuzzle(folder, {"a.qvf", "Anchor", 10, "Cy", 43480.0, 1});
        WriteTestPuzzle(folder, {"c.qvf", "Cart", 33, "Bo", 40000.0, 3});
        WriteTestPuzzle(folder, {"b.qvf", "Bell", 2, "Ann", 43922.4375, 2});
        WriteSolvedRecord(registry, TestPuzzle({"", "Bell", 2, "", 0, 2}), 60, 0);
    }
    std::wstring Location(const char* file) const { return (folder / file).wstring(); }

    TempFolder folder;
    MemoryRegistry registry;
};

} // namespace

TEST(WinNewgame, ListsByNameWithSolvedIconsSortsByHeaderAndStartsTheSelectedPuzzle) {
    ThreePuzzles puzzles;
    Tfnewgame dialog(nullptr, puzzles.registry);
    ASSERT_NE(dialog.Handle(), nullptr);
    const HWND list = GetDlgItem(dialog.Handle(), NewgameControl::ListView1);
    WhileShown({
        [&] {
            EXPECT_EQ(ListColumn(list, 0), (Texts{L"Anchor", L"Bell", L"Cart"}));
            EXPECT_EQ(ListIcons(list), (std::vector<int>{0, 1, 0}));
            EXPECT_EQ(ListColumn(list, 3)[1], L"Apr 01 2020 10:30");
            EXPECT_EQ(ListColumn(list, 4)[1], puzzles.Location("b.qvf"));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog.Handle(), NewgameControl::Button2)));
            const auto images =
                reinterpret_cast<HIMAGELIST>(SendMessageW(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
            EXPECT_EQ(ImagePixel(images, 0, 7, 7), GlyphPixel(PuzzleGlyphShade::Colour, 7, 7));
            EXPECT_EQ(ImagePixel(images, 1, 7, 7), GlyphPixel(PuzzleGlyphShade::Grey, 7, 7));
            SelectRow(list, 0);
            PostHeaderClick(list, PuzzleColumn::Level);
        },
        [&] {
            EXPECT_EQ(ListColumn(list, 1), (Texts{L"2", L"10", L"33"}));
            EXPECT_EQ(ListIcons(list), (std::vector<int>{1, 0, 0}));
            PostHeaderClick(list, PuzzleColumn::Date);
        },
        [&] {
            // By text, month name first; a second click keeps the order.
            EXPECT_EQ(ListColumn(list, 0), (Texts{L"Bell", L"Anchor", L"Cart"}));
            PostHeaderClick(list, PuzzleColumn::Date);
        },
        [&] {
            EXPECT_EQ(ListColumn(list, 0), (Texts{L"Bell", L"Anchor", L"Cart"}));
            // The row selected before the sorting is still the one selected.
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog.Handle(), NewgameControl::Button2)));
            PostClick(dialog.Handle(), NewgameControl::Button2);
        },
    });
    EXPECT_EQ(dialog.ChooseFrom(puzzles.folder.Path()), puzzles.folder / "a.qvf");
}

TEST(WinNewgame, HidesSolvedPuzzlesAndKeepsABrowsedFolderAfterCancel) {
    ThreePuzzles puzzles;
    TempFolder other;
    WriteTestPuzzle(other, {"d.qvf", "Drum", 1, "Ann", 0, 4});
    Tfnewgame dialog(nullptr, puzzles.registry);
    ASSERT_NE(dialog.Handle(), nullptr);
    dialog.UseFolderChooser([&](HWND) { return other.Path(); });
    const HWND list = GetDlgItem(dialog.Handle(), NewgameControl::ListView1);
    WhileShown({
        [&] { PostClick(dialog.Handle(), NewgameControl::CheckBox1); },
        [&] {
            EXPECT_EQ(ListColumn(list, 0), (Texts{L"Anchor", L"Cart"}));
            PostClick(dialog.Handle(), NewgameControl::Button3);
        },
        [&] {
            EXPECT_EQ(ControlText(dialog.Handle(), NewgameControl::Edit1), other.Path().wstring());
            EXPECT_EQ(ListColumn(list, 0), (Texts{L"Drum"}));
            PostClick(dialog.Handle(), NewgameControl::Button1);
        },
    });
    EXPECT_EQ(dialog.ChooseFrom(puzzles.folder.Path()), std::nullopt);
    EXPECT_EQ(dialog.ShownFolder(), other.Path());
    EXPECT_TRUE(IsTicked(dialog.Handle(), NewgameControl::CheckBox1));
}

TEST(WinCompleted, ShowsRecordsInRegistryOrderAndSortsLevelsAsNumbers) {
    MemoryRegistry registry;
    WriteSolvedRecord(registry, TestPuzzle({"", "Zeppelin", 10, "", 0, 1}), 3725, 43922.4375);
    WriteSolvedRecord(registry, TestPuzzle({"", "Acorn", 2, "", 0, 2}), 0, 43922.4375);
    Tfcompleted dialog(nullptr, registry);
    ASSERT_NE(dialog.Handle(), nullptr);
    const HWND list = GetDlgItem(dialog.Handle(), CompletedControl::ListView1);
    WhileShown({
        [&] {
            EXPECT_EQ(ListColumn(list, 0), (Texts{L"Zeppelin", L"Acorn"}));
            EXPECT_EQ(ListColumn(list, 1), (Texts{L"01:02:05", L"00:00:00"}));
            EXPECT_EQ(ListColumn(list, 3)[0], L"Wed 01 April 2020 10:30");
            PostHeaderClick(list, SolvedColumn::Level);
        },
        [&] {
            EXPECT_EQ(ListColumn(list, 2), (Texts{L"2", L"10"}));
            PostClose(dialog.Handle());
        },
    });
    dialog.ShowList();
}

TEST(WinCongrats, ShowsTheTextTickedEachTimeAndReportsTheTick) {
    Tfcongrats dialog(nullptr);
    ASSERT_NE(dialog.Handle(), nullptr);
    WhileShown({[&] {
        EXPECT_EQ(ControlText(dialog.Handle(), CongratsControl::StaticText1),
                  L"Well done: 1 minute");
        EXPECT_TRUE(IsTicked(dialog.Handle(), CongratsControl::CheckBox1));
        PostClick(dialog.Handle(), CongratsControl::CheckBox1);
        PostClose(dialog.Handle());
    }});
    EXPECT_FALSE(dialog.Congratulate("Well done: 1 minute"));

    WhileShown({[&] {
        EXPECT_TRUE(IsTicked(dialog.Handle(), CongratsControl::CheckBox1));
        PostClick(dialog.Handle(), CongratsControl::Button1);
    }});
    EXPECT_TRUE(dialog.Congratulate("Again"));
}

TEST(WinAbout, ShowsTheReadmeInTheFilesCodePageWithoutTitleBarButtons) {
    TempFolder folder;
    std::ofstream(folder / "Readme.txt", std::ios::binary) << "Quorvane\r\ncaf\xE9\n";
    Tfabout dialog(nullptr, folder.Path());
    ASSERT_NE(dialog.Handle(), nullptr);
    EXPECT_EQ(ControlText(dialog.Handle(), AboutControl::Memo1), L"Quorvane\r\ncaf\u00E9");
    EXPECT_EQ(GetWindowLongPtrW(dialog.Handle(), GWL_STYLE) & WS_SYSMENU, 0);
    WhileShown({[&] { PostClick(dialog.Handle(), AboutControl::Button1); }});
    dialog.ShowAbout();
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
}

// Where Impact was missing, the face put in its place was wider and "Beta Version" wrapped, showing
// "Beta". The label keeps its place and grows to the right as far as the box's edge, and a face too
// wide even for that is drawn smaller, only as much as it must.
TEST(WinAbout, BetaVersionShowsWholeOnOneLineInAWiderFace) {
    TempFolder folder;
    Tfabout dialog(nullptr, folder.Path());
    ASSERT_NE(dialog.Handle(), nullptr);
    const HWND label = GetDlgItem(dialog.Handle(), AboutControl::Label5);
    RECT box{};
    GetClientRect(dialog.Handle(), &box);
    RECT place{};
    GetWindowRect(label, &place);
    MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 264);
    EXPECT_EQ(place.top, 114);
    EXPECT_LE(place.right, box.right);

    const auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW look{};
    GetObjectW(font, sizeof(look), &look);
    const std::wstring text = L"Beta Version";
    const HDC context = GetDC(label);
    // The text's width and the height its lines take in the label's width, in a face of the
    // label's name at the pixel size given.
    const auto measure = [&](int pixels, int width) {
        LOGFONTW sized = look;
        sized.lfHeight = -pixels;
        const HFONT face = CreateFontIndirectW(&sized);
        const HGDIOBJ previous = SelectObject(context, face);
        SIZE line{};
        GetTextExtentPoint32W(context, text.c_str(), static_cast<int>(text.size()), &line);
        RECT lines{0, 0, width, 0};
        DrawTextW(context, text.c_str(), static_cast<int>(text.size()), &lines,
                  DT_CALCRECT | DT_WORDBREAK | DT_RIGHT | DT_NOPREFIX);
        SelectObject(context, previous);
        DeleteObject(face);
        return std::pair{line, lines.bottom};
    };
    const int pixels = -look.lfHeight;
    const auto [line, height] = measure(pixels, place.right - place.left);
    EXPECT_LE(line.cx, place.right - place.left);
    EXPECT_EQ(height, line.cy) << "the text wraps in a label " << place.right - place.left
                               << " pixels wide";
    EXPECT_LE(pixels, 19);
    if (pixels < 19) {
        EXPECT_GT(measure(pixels + 1, 0).first.cx, box.right - place.left)
            << "a face of " << pixels + 1 << " pixels would have fitted";
    }
    ReleaseDC(label, context);
}

// Moved to a screen of 144 dpi, a dialog made at 96 takes the rectangle the system suggests, and
// its controls stand half as far again from its corner, half as large again, in fonts half as
// large again: the dialog font of that density, or their own face grown.
TEST(WinAbout, ADensityChangeGrowsTheControlsTheirPlacesAndTheirFonts) {
    TempFolder folder;
    Tfabout dialog(nullptr, folder.Path());
    ASSERT_NE(dialog.Handle(), nullptr);
    const HWND label = GetDlgItem(dialog.Handle(), AboutControl::Label5);
    const HWND memo = GetDlgItem(dialog.Handle(), AboutControl::Memo1);
    const auto placeOf = [&](HWND control) {
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    };
    const auto fontHeight = [](HWND control) {
        LOGFONTW look{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(look),
                   &look);
        return look.lfHeight;
    };
    const RECT before = placeOf(label);
    const LONG labelFont = fontHeight(label);
    ASSERT_EQ(reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0)), DesignedFont(96));

    RECT suggested{100, 50, 100 + 600, 50 + 700};
    SendMessageW(dialog.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT window{};
    GetWindowRect(dialog.Handle(), &window);
    EXPECT_EQ(window.left, 100);
    EXPECT_EQ(window.right - window.left, 600);
    EXPECT_EQ(window.bottom - window.top, 700);
    const RECT after = placeOf(label);
    EXPECT_EQ(after.left, before.left * 3 / 2);
    EXPECT_EQ(after.top, before.top * 3 / 2);
    EXPECT_NEAR(after.right - after.left, (before.right - before.left) * 3 / 2, 1);
    EXPECT_EQ(fontHeight(label), MulDiv(labelFont, 144, 96));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0)), DesignedFont(144));
}
