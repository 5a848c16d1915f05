// A window's menus and tool buttons described as a table, which both programs build their menu
// bars, shortcuts and buttons from.
#pragma once

#include <vector>

enum class ShortcutKey { None, F1, F2, F5, F12, I, K, O, S, Z, Delete };

struct Shortcut {
    ShortcutKey Key = ShortcutKey::None;
    bool Control = false;
};

// A menu item (Command set), a menu (Items not empty) or a separator (no Name).
template <typename C> struct MenuEntry {
    const char* Name = nullptr; // the item's member name, "StartanewGame1"
    const char* Caption = nullptr;
    C Command{};
    Shortcut Keys;
    std::vector<MenuEntry> Items;

    bool IsSeparator() const { return Name == nullptr; }
    bool IsMenu() const { return !Items.empty(); }
};

template <typename C> struct ToolButtonRow {
    const char* Name; // "SpeedButton1"
    const char* Hint;
    int X; // left edge in the tool panel
    C Command;
};

template <typename C>
MenuEntry<C> TableItem(C command, const char* name, const char* caption, Shortcut keys = {}) {
    return {name, caption, command, keys, {}};
}

template <typename C>
MenuEntry<C> TableMenu(const char* name, const char* caption, std::vector<MenuEntry<C>> items) {
    return {name, caption, {}, {}, std::move(items)};
}

template <typename C> MenuEntry<C> TableSeparator() {
    return {};
}
