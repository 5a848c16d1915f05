#include "ui/menu_bar.h"

#include "ui/wide_text.h"

namespace {

struct KeyName {
    ShortcutKey Key;
    WORD VirtualKey;
    const wchar_t* Name;
};

constexpr KeyName KeyNames[] = {
    {ShortcutKey::F1, VK_F1, L"F1"}, {ShortcutKey::F2, VK_F2, L"F2"},
    {ShortcutKey::F5, VK_F5, L"F5"}, {ShortcutKey::F12, VK_F12, L"F12"},
    {ShortcutKey::I, 'I', L"I"},     {ShortcutKey::K, 'K', L"K"},
    {ShortcutKey::O, 'O', L"O"},     {ShortcutKey::S, 'S', L"S"},
    {ShortcutKey::Z, 'Z', L"Z"},     {ShortcutKey::Delete, VK_DELETE, L"Del"},
};

const KeyName* NameOf(ShortcutKey key) {
    for (const KeyName& name : KeyNames)
        if (name.Key == key)
            return &name;
    return nullptr;
}

} // namespace

std::wstring MenuItemText(const char* caption, Shortcut keys) {
    std::wstring text = Wide(caption);
    if (const KeyName* key = NameOf(keys.Key))
        text += L'\t' + std::wstring(keys.Control ? L"Ctrl+" : L"") + key->Name;
    return text;
}

bool AcceleratorOf(Shortcut keys, WORD id, ACCEL& accelerator) {
    const KeyName* key = NameOf(keys.Key);
    if (key == nullptr)
        return false;
    accelerator = {static_cast<BYTE>(FVIRTKEY | (keys.Control ? FCONTROL : 0)), key->VirtualKey,
                   id};
    return true;
}
