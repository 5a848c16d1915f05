#include "game/main_menu_bar.h"

#include "ui/command_ids.h"
#include "ui/wide_text.h"

#include <string>
#include <vector>

namespace {

struct KeyName {
    ShortcutKey Key;
    WORD VirtualKey;
    const wchar_t* Name;
};

constexpr KeyName KeyNames[] = {
    {ShortcutKey::F1, VK_F1, L"F1"},   {ShortcutKey::F2, VK_F2, L"F2"},
    {ShortcutKey::F5, VK_F5, L"F5"},   {ShortcutKey::F12, VK_F12, L"F12"},
    {ShortcutKey::O, 'O', L"O"},       {ShortcutKey::S, 'S', L"S"},
    {ShortcutKey::Z, 'Z', L"Z"},       {ShortcutKey::Delete, VK_DELETE, L"Del"},
};

const KeyName* NameOf(ShortcutKey key) {
    for (const KeyName& name : KeyNames)
        if (name.Key == key)
            return &name;
    return nullptr;
}

std::wstring ItemText(const MainMenuEntry& entry) {
    std::wstring text = Wide(entry.Caption);
    if (const KeyName* key = NameOf(entry.Keys.Key))
        text += L'\t' + std::wstring(entry.Keys.Control ? L"Ctrl+" : L"") + key->Name;
    return text;
}

HMENU Fill(HMENU menu, const std::vector<MainMenuEntry>& entries) {
    for (const MainMenuEntry& entry : entries) {
        if (entry.IsSeparator())
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else if (entry.IsMenu())
            AppendMenuW(menu, MF_POPUP,
                        reinterpret_cast<UINT_PTR>(Fill(CreatePopupMenu(), entry.Items)),
                        Wide(entry.Caption).c_str());
        else
            AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(CommandId(entry.Command)),
                        ItemText(entry).c_str());
    }
    return menu;
}

void AddShortcuts(std::vector<ACCEL>& shortcuts, const std::vector<MainMenuEntry>& entries) {
    for (const MainMenuEntry& entry : entries) {
        AddShortcuts(shortcuts, entry.Items);
        if (const KeyName* key = NameOf(entry.Keys.Key))
            shortcuts.push_back({static_cast<BYTE>(FVIRTKEY | (entry.Keys.Control ? FCONTROL : 0)),
                                 key->VirtualKey, static_cast<WORD>(CommandId(entry.Command))});
    }
}

} // namespace

HMENU CreateMainMenuBar() {
    return Fill(CreateMenu(), MainMenus());
}

HACCEL CreateMainAccelerators() {
    std::vector<ACCEL> shortcuts;
    AddShortcuts(shortcuts, MainMenus());
    return CreateAcceleratorTableW(shortcuts.data(), static_cast<int>(shortcuts.size()));
}
