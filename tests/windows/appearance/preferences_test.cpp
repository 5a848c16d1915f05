// The preferences dialog wired to its controls: the scheme box, the swatch and its picker, Save,
// Delete, OK and Cancel, and the preview on screen.
#include "appearance/preferences.h"
#include "appearance/scheme_store.h"
#include "render/scheme_preview.h"
#include "settings/memory_registry.h"
#include "settings/settings_keys.h"
#include "ui/dib_section.h"
#include "windows/dialogs/dialog_steps.h"

#include <gtest/gtest.h>

namespace {

namespace Id = PreferencesControl;
using Texts = std::vector<std::wstring>;

ColourSet Numbered(ColourValue first) {
    ColourSet colours{};
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        colours[role] = first + static_cast<ColourValue>(role) * 0x010101;
    return colours;
}

std::string SchemeKey(const std::string& name) {
    return std::string(SchemesKey) + "\\" + name;
}

// Two stored schemes and the settings key that start-up makes.
struct StoredSchemes {
    StoredSchemes() {
        registry.OpenKey(SettingsKey, true);
        SaveScheme(registry, "Bright", Numbered(0x200000));
        SaveScheme(registry, "Autumn", Numbered(0x10));
    }
    std::optional<std::string> ColorSet() {
        return registry.OpenKey(SettingsKey, false)->ReadString("ColorSet");
    }
    MemoryRegistry registry;
};

Texts Entries(HWND box) {
    Texts entries;
    const auto count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.emplace_back(text);
    }
    return entries;
}

// Picks a list entry as the player does, the notice coming through the dialog's loop.
void PostPick(HWND dialog, int boxId, int entry) {
    const HWND box = GetDlgItem(dialog, boxId);
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(boxId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
}

struct BoxSearch {
    HWND Owner;
    HWND Found;
};

BOOL CALLBACK FindOwnedBox(HWND window, LPARAM search) {
    auto& [owner, found] = *reinterpret_cast<BoxSearch*>(search);
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (GetWindow(window, GW_OWNER) == owner && std::wstring(className) == L"#32770")
        found = window;
    return found == nullptr;
}

// The message box the dialog shows, if any.
HWND OwnedMessageBox(HWND dialog) {
    BoxSearch search{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindOwnedBox, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

// The control's client area as the screen shows it, in PixelImage's layout without the alpha.
std::vector<Pixel> ScreenPixels(HWND control, int width, int height) {
    UpdateWindow(control);
    const DibSection copy = CreateDibSection(width, height);
    const HDC source = GetDC(control);
    const HDC target = CreateCompatibleDC(source);
    const HGDIOBJ previous = SelectObject(target, copy.Bitmap);
    BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<Pixel> pixels(copy.Bits, copy.Bits + static_cast<std::size_t>(width) * height);
    SelectObject(target, previous);
    DeleteDC(target);
    ReleaseDC(control, source);
    DeleteObject(copy.Bitmap);
    for (Pixel& pixel : pixels)
        pixel &= 0xFFFFFFu;
    return pixels;
}

} // namespace

TEST(WinPreferences, OkOnAPickedSchemeWithAnEditGivesItsColoursAndRemembersItButCancelDoesNot) {
    StoredSchemes schemes;
    Tfpreferences dialog(nullptr, schemes.registry);
    ASSERT_NE(dialog.Handle(), nullptr);
    std::vector<COLORREF> pickerStarts;
    dialog.UseColourPicker([&](HWND, COLORREF initial) -> std::optional<COLORREF> {
        pickerStarts.push_back(initial);
        return RGB(1, 2, 3);
    });
    const HWND window = dialog.Handle();
    const HWND schemeBox = GetDlgItem(window, Id::ComboBox1);
    const HWND elements = GetDlgItem(window, Id::ComboBox2);
    const AppearanceChoice board{Numbered(0x300000), "Bright"};
    WhileShown({
        [&] {
            EXPECT_EQ(Entries(schemeBox),
                      (Texts{L"[Current]", L"[Default]", L"Autumn", L"Bright"}));
            EXPECT_EQ(Entries(elements).at(3), L"Single Line ");
            EXPECT_EQ(ControlText(window, Id::ComboBox1), L"[Current]");
            EXPECT_EQ(dialog.DialogColours(), board.BoardColours);
            PostPick(window, Id::ComboBox1, 2);
        },
        [&] {
            EXPECT_EQ(dialog.DialogColours(), Numbered(0x10));
            PostPick(window, Id::ComboBox2, 3);
            PostClick(window, Id::Panel2);
        },
        [&] { PostClick(window, Id::Button2); },
    });
    ColourSet edited = Numbered(0x10);
    edited[3] = RGB(1, 2, 3);
    const AppearanceChoice chosen = dialog.Choose(board, PitchOf(BoardSize::Small));
    EXPECT_EQ(chosen.BoardColours, edited);
    EXPECT_EQ(chosen.ActiveSchemeName, "Autumn");
    EXPECT_EQ(schemes.ColorSet(), "Autumn");
    EXPECT_EQ(pickerStarts, (std::vector<COLORREF>{RGB(0, 0, 0)}));

    // Each showing starts on the board's colours; a cancelled pick of another scheme gives them
    // back and remembers nothing, and the picker starts on the colour last confirmed.
    WhileShown({
        [&] {
            EXPECT_EQ(ControlText(window, Id::ComboBox1), L"[Current]");
            EXPECT_EQ(dialog.DialogColours(), edited);
            PostPick(window, Id::ComboBox1, 3);
            PostClick(window, Id::Panel2);
        },
        [&] {
            EXPECT_NE(dialog.DialogColours(), edited);
            PostClick(window, Id::Button1);
        },
    });
    const AppearanceChoice cancelled = dialog.Choose(chosen, PitchOf(BoardSize::Small));
    EXPECT_EQ(cancelled.BoardColours, edited);
    EXPECT_EQ(cancelled.ActiveSchemeName, "Autumn");
    EXPECT_EQ(schemes.ColorSet(), "Autumn");
    EXPECT_EQ(pickerStarts, (std::vector<COLORREF>{RGB(0, 0, 0), RGB(1, 2, 3)}));
}

TEST(WinPreferences, PreviewOnScreenIsTheCoresDrawingAtTheBoardsCellSize) {
    MemoryRegistry registry;
    Tfpreferences dialog(nullptr, registry);
    ASSERT_NE(dialog.Handle(), nullptr);
    const AppearanceChoice board{Numbered(0x102030), ""};
    const CellPitch large = PitchOf(BoardSize::Large);
    PixelImage expected;
    DrawSchemePreview(expected, board.BoardColours, large, PreviewFace());
    WhileShown({[&] {
        const std::vector<Pixel> shown =
            ScreenPixels(GetDlgItem(dialog.Handle(), Id::PaintBox1), PreviewWidth, 123);
        // The box shows the picture's top rows.
        std::vector<Pixel> top(expected.Pixels.begin(),
                               expected.Pixels.begin() + std::ptrdiff_t{PreviewWidth} * 123);
        std::size_t differing = 0;
        for (std::size_t i = 0; i < top.size(); ++i)
            differing += shown[i] != (top[i] & 0xFFFFFFu) ? 1 : 0;
        EXPECT_EQ(differing, 0u);
        PostClose(dialog.Handle());
    }});
    dialog.Choose(board, large);
    EXPECT_EQ(dialog.PreviewImage(), expected);
}

TEST(WinPreferences, ChildWindowGivenAnIdentifierGetsNoRoomForAMenu) {
    MemoryRegistry registry;
    Tfpreferences dialog(nullptr, registry);
    const HWND preview = GetDlgItem(dialog.Handle(), Id::PaintBox1);
    RECT client{};
    GetClientRect(preview, &client);
    EXPECT_EQ(client.right, PreviewWidth);
    EXPECT_EQ(client.bottom, 123);
}

TEST(WinPreferences, SaveWritesTheElevenColoursAsDwordsAndDeleteRemovesTheScheme) {
    StoredSchemes schemes;
    Tfpreferences dialog(nullptr, schemes.registry);
    ASSERT_NE(dialog.Handle(), nullptr);
    const HWND window = dialog.Handle();
    const HWND schemeBox = GetDlgItem(window, Id::ComboBox1);
    const ColourSet colours = Numbered(0x405060);
    HWND errorBox = nullptr;
    WhileShown({
        [&] {
            SetWindowTextW(schemeBox, L"[Current]");
            PostClick(window, Id::Button6);
        },
        // The error box's own loop runs this step.
        [&] {
            errorBox = OwnedMessageBox(window);
            ASSERT_NE(errorBox, nullptr);
            EXPECT_EQ(ControlText(errorBox, 0xFFFF),
                      L"You must provide a name for this color scheme.");
            PostClick(errorBox, IDOK);
        },
        [&] {
            EXPECT_FALSE(IsWindow(errorBox));
            EXPECT_EQ(ControlText(window, Id::ComboBox1), L"");
            EXPECT_FALSE(schemes.registry.KeyExists(SchemeKey("[Current]")));
            SetWindowTextW(schemeBox, L"Mine");
            PostClick(window, Id::Button6);
        },
        [&] {
            const std::unique_ptr<RegistryKey> key =
                schemes.registry.OpenKey(SchemeKey("Mine"), false);
            ASSERT_NE(key, nullptr);
            for (std::size_t role = 0; role < ColourRoleCount; ++role)
                EXPECT_EQ(key->ReadInteger(ColourRoleName(static_cast<ColourRole>(role))),
                          colours[role]);
            EXPECT_EQ(Entries(schemeBox),
                      (Texts{L"[Current]", L"[Default]", L"Autumn", L"Bright", L"Mine"}));
            EXPECT_EQ(SendMessageW(schemeBox, CB_GETCURSEL, 0, 0), 4);
            PostClick(window, Id::Button5);
        },
        [&] {
            EXPECT_FALSE(schemes.registry.KeyExists(SchemeKey("Mine")));
            EXPECT_TRUE(schemes.registry.KeyExists(SchemeKey("Autumn")));
            EXPECT_EQ(Entries(schemeBox),
                      (Texts{L"[Current]", L"[Default]", L"Autumn", L"Bright"}));
            PostClose(window);
        },
    });
    dialog.Choose({colours, ""}, PitchOf(BoardSize::Small));
    EXPECT_EQ(schemes.ColorSet(), std::nullopt);
}
