// The picture open dialog: the system's dialog with the preview part beside its file list, which
// shows the size of the bitmap selected there.
#include "editor/bmp_writer.h"
#include "editor/picture_open_dialog.h"
#include "support/temp_folder.h"
#include "windows/dialogs/dialog_steps.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

// The first descendant window of a class.
HWND FindDescendant(HWND parent, const wchar_t* className) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, static_cast<int>(std::size(name)));
        if (lstrcmpiW(name, className) == 0)
            return child;
        if (const HWND inner = FindDescendant(child, className))
            return inner;
    }
    return nullptr;
}

// The row of the file list showing a name.
int RowOf(HWND list, const std::wstring& name) {
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = name.c_str();
    return static_cast<int>(
        SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
}

} // namespace

TEST(WinPictureOpenDialog, PreviewShowsTheSelectedBitmapsSizeAndOpenReturnsIt) {
    TempFolder folder;
    PixelPicture picture{20, 15, std::vector<std::uint32_t>(20 * 15, 0xFFFFFF)};
    picture.Pixels[3] = 0;
    BmpForm form{};
    form.Bits = 24;
    WriteBytes(folder / "drawing.bmp", BmpBytes(picture, form));
    WriteBytes(folder / "notes.bmp", std::vector<std::uint8_t>{'n', 'o', 't', 'e'});
    // No start folder is given, so the dialog opens in the current one.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());

    PictureOpenDialog dialog(nullptr);
    HWND list = nullptr;
    const auto select = [&](const wchar_t* name) {
        list = FindDescendant(GetParent(dialog.PreviewPanel()), WC_LISTVIEWW);
        ASSERT_NE(list, nullptr);
        const int row = RowOf(list, name);
        ASSERT_GE(row, 0);
        SelectRow(list, row);
    };
    WhileShown({
        [&] {
            ASSERT_NE(dialog.PreviewPanel(), nullptr);
            EXPECT_EQ(ControlText(dialog.PreviewPanel(), PictureOpenControl::PreviewSize), L"");
            select(L"drawing.bmp");
        },
        [&] {
            EXPECT_EQ(ControlText(dialog.PreviewPanel(), PictureOpenControl::PreviewSize),
                      L"20 x 15");
            select(L"notes.bmp");
        },
        [&] {
            // A file that is no bitmap leaves the preview empty.
            EXPECT_EQ(ControlText(dialog.PreviewPanel(), PictureOpenControl::PreviewSize), L"");
            select(L"drawing.bmp");
        },
        [&] { PostMessageW(GetParent(dialog.PreviewPanel()), WM_COMMAND, IDOK, 0); },
    });
    const std::filesystem::path chosen = dialog.OpenPictureName("Bitmaps (*.bmp)|*.bmp");
    std::filesystem::current_path(before);
    EXPECT_EQ(chosen, folder / "drawing.bmp");
    EXPECT_EQ(dialog.PreviewPanel(), nullptr);
}
