// Drop-down menus drawn by the window: a dark band down their left edge with the window's name
// running up it, an image beside the items that have one, and the shortcuts on the right.
#pragma once

#include "board/display_scale.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

class BannerMenus {
public:
    // Draws an item's 16 × 16 image, each pixel a multiple × multiple square, at (x, y) when it
    // has one; false when it has none.
    using ItemImage =
        std::function<bool(HDC dc, UINT id, int x, int y, bool disabled, int multiple)>;

    // Every item of every drop-down menu of the bar, submenus included, becomes the window's to
    // draw; the bar's own items stay the system's.
    BannerMenus(HMENU bar, std::wstring banner, ItemImage image);
    ~BannerMenus();
    BannerMenus(const BannerMenus&) = delete;
    BannerMenus& operator=(const BannerMenus&) = delete;

    // The window's WM_MEASUREITEM and WM_DRAWITEM; false for an item that is not a menu's.
    bool Measure(MEASUREITEMSTRUCT& item) const;
    bool Draw(const DRAWITEMSTRUCT& item) const;
    // WM_MENUCHAR: the item of the drop-down whose mnemonic is the key, chosen as the system
    // would choose an item it draws; 0 (the system's beep) when none has it.
    LRESULT MenuChar(wchar_t key, HMENU menu) const;

private:
    struct Item {
        std::wstring Caption; // with its mnemonic
        std::wstring Keys;    // the shortcut's text
        bool Separator;
        HMENU Menu; // the drop-down it stands in
    };

    void Take(HMENU menu);
    int HeightOf(const Item& item) const;

    // Drop-down menus stand at the system's density, whichever screen shows them.
    DisplayScale Scale;
    std::wstring Banner;
    ItemImage Image;
    HFONT BannerFont;
    std::vector<Item> Items;          // an item's data is its index plus one
    std::map<HMENU, int> MenuHeights; // the sum of a drop-down's item heights
};
