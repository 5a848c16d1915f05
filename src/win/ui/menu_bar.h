// A window's menu bar and shortcuts, built from a core table of commands: every menu, item and
// separator in the table's order, each item sending its command's id, its shortcut written after
// a tab.
#pragma once

#include "base/menu_table.h"

#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// The item's text: its caption and, after a tab, its shortcut ("Ctrl+O").
std::wstring MenuItemText(const char* caption, Shortcut keys);
// The accelerator of a shortcut; false for none.
bool AcceleratorOf(Shortcut keys, WORD id, ACCEL& accelerator);

template <typename C, typename IdOf>
HMENU FillMenu(HMENU menu, const std::vector<MenuEntry<C>>& entries, IdOf idOf) {
    for (const MenuEntry<C>& entry : entries) {
        if (entry.IsSeparator())
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else if (entry.IsMenu())
            AppendMenuW(menu, MF_POPUP,
                        reinterpret_cast<UINT_PTR>(FillMenu(CreatePopupMenu(), entry.Items, idOf)),
                        MenuItemText(entry.Caption, {}).c_str());
        else
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(idOf(entry.Command)),
                        MenuItemText(entry.Caption, entry.Keys).c_str());
    }
    return menu;
}

template <typename C, typename IdOf>
void CollectShortcuts(std::vector<ACCEL>& shortcuts, const std::vector<MenuEntry<C>>& entries,
                      IdOf idOf) {
    for (const MenuEntry<C>& entry : entries) {
        CollectShortcuts(shortcuts, entry.Items, idOf);
        ACCEL accelerator{};
        if (!entry.IsMenu() && !entry.IsSeparator() &&
            AcceleratorOf(entry.Keys, static_cast<WORD>(idOf(entry.Command)), accelerator))
            shortcuts.push_back(accelerator);
    }
}

template <typename C, typename IdOf>
HMENU CreateMenuBar(const std::vector<MenuEntry<C>>& menus, IdOf idOf) {
    return FillMenu(CreateMenu(), menus, idOf);
}

template <typename C, typename IdOf>
HACCEL CreateAccelerators(const std::vector<MenuEntry<C>>& menus, IdOf idOf) {
    std::vector<ACCEL> shortcuts;
    CollectShortcuts(shortcuts, menus, idOf);
    return CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
}
