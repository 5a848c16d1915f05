// What a window whose commands come from a core table has around its client area: the menu bar
// with drawn drop-down menus and the window's name running up their band, the shortcuts, and
// the tool band, each item and button sending its command's id.
#pragma once

#include "base/menu_table.h"
#include "ui/banner_menus.h"
#include "ui/menu_bar.h"
#include "ui/tool_band.h"

#include <optional>
#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

class CommandFrame {
public:
    // The glyph of a command's tool button and its menu item's image; none for most items.
    using GlyphOf = std::optional<ToolGlyph> (*)(int id);

    // Takes the window's menu bar, made from the same table (CreateMenuBar), for drawing.
    template <typename C, typename IdOf>
    CommandFrame(HWND window, const std::vector<MenuEntry<C>>& menus,
                 const std::vector<ToolButtonRow<C>>& buttons, IdOf idOf, GlyphOf glyphOf,
                 const std::wstring& banner, SIZE buttonSize)
        : Shortcuts(CreateAccelerators(menus, idOf)),
          Menus(GetMenu(window), banner,
                [glyphOf](HDC dc, UINT id, int x, int y, bool disabled, int multiple) {
                    const auto glyph = glyphOf(static_cast<int>(id));
                    if (glyph)
                        DrawToolGlyph(dc, *glyph, x, y, disabled, multiple);
                    return glyph.has_value();
                }),
          Band(window, ButtonSpecs(buttons, idOf, glyphOf), buttonSize) {}
    ~CommandFrame();
    CommandFrame(const CommandFrame&) = delete;
    CommandFrame& operator=(const CommandFrame&) = delete;

    const ToolBand& Tools() const { return Band; }
    ToolBand& Tools() { return Band; }
    // The table's shortcuts, for messages to this window or any of its children.
    bool TranslateShortcut(HWND window, MSG& message) const;
    // The window's WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR for its menus and buttons;
    // nothing for any other message or item.
    std::optional<LRESULT> Message(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    template <typename C, typename IdOf>
    static std::vector<ToolButtonSpec> ButtonSpecs(const std::vector<ToolButtonRow<C>>& buttons,
                                                   IdOf idOf, GlyphOf glyphOf) {
        std::vector<ToolButtonSpec> specs;
        for (const ToolButtonRow<C>& button : buttons)
            specs.push_back({idOf(button.Command), button.X,
                             glyphOf(idOf(button.Command)).value_or(ToolGlyph::Help), button.Hint});
        return specs;
    }

    HACCEL Shortcuts;
    BannerMenus Menus;
    ToolBand Band;
};
