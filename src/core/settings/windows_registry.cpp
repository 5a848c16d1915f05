// The per-user registry of Windows itself, which holds the program's settings there.
#include "settings/windows_registry.h"

#include "base/code_page.h"
#include "settings/registry_path.h"
#include "settings/registry_value.h"

#include <cstring>
#include <type_traits>
#include <utility>

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX // the C++ library of MinGW-w64 defines it already
#define NOMINMAX
#endif
#include <windows.h>

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { ::RegCloseKey(key); }
};
using KeyHandle = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

constexpr REGSAM KeyAccess = KEY_READ | KEY_WRITE;

// UTF-16 of Windows-1252 text: each byte's character, by way of the code page's UTF-8.
std::wstring WideOf(std::string_view cp1252) {
    const std::string utf8 = Utf8FromCp1252(cp1252);
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(length));
    return wide;
}

// UTF-8 of registry text, through the code page: a character it lacks becomes '?'.
std::string Utf8Of(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return Utf8FromCp1252(Cp1252FromUtf8(utf8));
}

std::wstring WidePath(std::span<const std::string> names) {
    std::wstring path;
    for (const std::string& name : names)
        path += (path.empty() ? L"" : L"\\") + WideOf(name);
    return path;
}

KeyHandle OpenWide(HKEY parent, const std::wstring& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(parent, path.c_str(), 0, KeyAccess, &key) != ERROR_SUCCESS)
        return nullptr;
    return KeyHandle(key);
}

// The key at the names, made with the keys above it where missing. Top is how many names lead to
// the first key it made, or nothing when it made none.
struct CreatedKey {
    KeyHandle Handle;
    std::optional<std::size_t> Top;
};

CreatedKey CreateKey(std::span<const std::string> names) {
    CreatedKey created{OpenWide(HKEY_CURRENT_USER, L""), std::nullopt};
    for (std::size_t i = 0; i < names.size() && created.Handle; ++i) {
        HKEY key = nullptr;
        DWORD disposition = 0;
        const LONG result =
            ::RegCreateKeyExW(created.Handle.get(), WideOf(names[i]).c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KeyAccess, nullptr, &key, &disposition);
        created.Handle.reset(result == ERROR_SUCCESS ? key : nullptr);
        if (result == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY && !created.Top)
            created.Top = i + 1;
    }
    if (!created.Handle && created.Top)
        ::RegDeleteTreeW(HKEY_CURRENT_USER, WidePath(names.first(*created.Top)).c_str());
    return created;
}

// A value as the registry holds it.
struct WideValue {
    DWORD Type = REG_NONE;
    std::vector<BYTE> Bytes;
};

// ERROR_FILE_NOT_FOUND when the key has no value of that name.
LONG QueryValue(HKEY key, const std::wstring& name, WideValue& value) {
    DWORD size = 0;
    LONG result = ::RegQueryValueExW(key, name.c_str(), nullptr, &value.Type, nullptr, &size);
    // Another process may lengthen the value between asking its size and reading it.
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        value.Bytes.resize(size);
        result =
            ::RegQueryValueExW(key, name.c_str(), nullptr, &value.Type, value.Bytes.data(), &size);
        if (result == ERROR_SUCCESS) {
            value.Bytes.resize(size);
            break;
        }
    }
    return result;
}

std::optional<WideValue> ReadValue(HKEY key, std::string_view utf8Name, DWORD type) {
    const std::string name = Cp1252FromUtf8(utf8Name);
    WideValue value;
    if (!IsValueName(name) || QueryValue(key, WideOf(name), value) != ERROR_SUCCESS ||
        value.Type != type)
        return std::nullopt;
    return value;
}

bool SetValue(HKEY key, const std::wstring& name, const WideValue& value) {
    static const BYTE nothing = 0;
    return ::RegSetValueExW(key, name.c_str(), 0, value.Type,
                            value.Bytes.empty() ? &nothing : value.Bytes.data(),
                            static_cast<DWORD>(value.Bytes.size())) == ERROR_SUCCESS;
}

// A REG_SZ's data: the text up to its first NUL, with the NUL that ends it.
WideValue StringValue(std::string_view cp1252) {
    std::wstring text = WideOf(cp1252.substr(0, cp1252.find('\0')));
    text += L'\0';
    const auto* bytes = reinterpret_cast<const BYTE*>(text.data());
    return {REG_SZ, std::vector<BYTE>(bytes, bytes + text.size() * sizeof(wchar_t))};
}

WideValue ValueOf(const RegistryWrite& write) {
    if (const auto* text = std::get_if<std::string_view>(&write.Value))
        return StringValue(Cp1252FromUtf8(*text));
    if (const auto* number = std::get_if<std::int32_t>(&write.Value)) {
        const std::string data = DwordData(static_cast<std::uint32_t>(*number));
        return {REG_DWORD, std::vector<BYTE>(data.begin(), data.end())};
    }
    const auto bytes = std::get<std::span<const std::uint8_t>>(write.Value);
    return {REG_BINARY, std::vector<BYTE>(bytes.begin(), bytes.end())};
}

// A value of the key as it was before a write, to put back if a later write fails.
struct Replaced {
    std::wstring Name;
    std::optional<WideValue> Before; // nothing when the value was new
};

// Writes the value after noting what it replaces; false, noting nothing, when the old value could
// not be read or the write failed.
bool ReplaceValue(HKEY key, const RegistryWrite& write, std::vector<Replaced>& replaced) {
    const std::string name = Cp1252FromUtf8(write.Name);
    if (!IsValueName(name))
        return false;
    Replaced entry{WideOf(name), WideValue{}};
    const LONG found = QueryValue(key, entry.Name, *entry.Before);
    if (found == ERROR_FILE_NOT_FOUND)
        entry.Before.reset();
    else if (found != ERROR_SUCCESS)
        return false;
    if (!SetValue(key, entry.Name, ValueOf(write)))
        return false;
    replaced.push_back(std::move(entry));
    return true;
}

void PutBack(HKEY key, const std::vector<Replaced>& replaced) {
    for (auto entry = replaced.rbegin(); entry != replaced.rend(); ++entry) {
        if (entry->Before)
            SetValue(key, entry->Name, *entry->Before);
        else
            ::RegDeleteValueW(key, entry->Name.c_str());
    }
}

} // namespace

class WindowsRegistry::Key final : public RegistryKey {
public:
    explicit Key(KeyHandle handle) : Handle(std::move(handle)) {}

    std::optional<std::string> ReadString(std::string_view name) const override {
        const std::optional<WideValue> value = ReadValue(Handle.get(), name, REG_SZ);
        if (!value)
            return std::nullopt;
        std::wstring text(value->Bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), value->Bytes.data(), text.size() * sizeof(wchar_t));
        return Utf8Of(text.substr(0, text.find(L'\0')));
    }

    std::optional<std::int32_t> ReadInteger(std::string_view name) const override {
        const std::optional<WideValue> value = ReadValue(Handle.get(), name, REG_DWORD);
        if (!value || value->Bytes.size() != 4)
            return std::nullopt;
        return static_cast<std::int32_t>(
            DwordOf(std::string(value->Bytes.begin(), value->Bytes.end())));
    }

    std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) const override {
        std::optional<WideValue> value = ReadValue(Handle.get(), name, REG_BINARY);
        if (!value)
            return std::nullopt;
        return std::move(value->Bytes);
    }

    bool WriteString(std::string_view name, std::string_view value) override {
        return Write({name, value});
    }

    bool WriteInteger(std::string_view name, std::int32_t value) override {
        return Write({name, value});
    }

    bool WriteBinary(std::string_view name, std::span<const std::uint8_t> value) override {
        return Write({name, value});
    }

    std::vector<std::string> SubkeyNames() const override {
        std::vector<std::string> names;
        std::wstring buffer(MaxKeyNameLength + 1, L'\0');
        for (DWORD index = 0;;) {
            auto length = static_cast<DWORD>(buffer.size());
            const LONG result = ::RegEnumKeyExW(Handle.get(), index, buffer.data(), &length,
                                                nullptr, nullptr, nullptr, nullptr);
            // Room for a name longer than Windows allows, which another program may have made.
            if (result == ERROR_MORE_DATA && buffer.size() < 32768) {
                buffer.resize(buffer.size() * 2);
                continue;
            }
            if (result != ERROR_SUCCESS)
                return names;
            names.push_back(Utf8Of(std::wstring_view(buffer.data(), length)));
            ++index;
        }
    }

    std::vector<bool> HasSubkeys(std::span<const std::string> names) const override {
        std::vector<bool> found(names.size(), false);
        for (std::size_t i = 0; i < names.size(); ++i) {
            const std::string name = Cp1252FromUtf8(names[i]);
            found[i] = IsKeyName(name) && OpenWide(Handle.get(), WideOf(name)) != nullptr;
        }
        return found;
    }

private:
    bool Write(const RegistryWrite& write) {
        std::vector<Replaced> replaced;
        return ReplaceValue(Handle.get(), write, replaced);
    }

    KeyHandle Handle;
};

WindowsRegistry::WindowsRegistry(std::string_view root) : Root(SplitKeyPath(root)) {}

std::optional<std::vector<std::string>> WindowsRegistry::FullPath(std::string_view path) const {
    std::optional<std::vector<std::string>> names = SplitKeyPath(path);
    if (!Root || !names)
        return std::nullopt;
    names->insert(names->begin(), Root->begin(), Root->end());
    return names;
}

std::unique_ptr<RegistryKey> WindowsRegistry::OpenKey(std::string_view path, bool create) {
    const std::optional<std::vector<std::string>> names = FullPath(path);
    if (!names)
        return nullptr;
    KeyHandle handle =
        create ? CreateKey(*names).Handle : OpenWide(HKEY_CURRENT_USER, WidePath(*names));
    return handle ? std::make_unique<Key>(std::move(handle)) : nullptr;
}

bool WindowsRegistry::KeyExists(std::string_view path) {
    const std::optional<std::vector<std::string>> names = FullPath(path);
    return names && OpenWide(HKEY_CURRENT_USER, WidePath(*names)) != nullptr;
}

bool WindowsRegistry::DeleteKey(std::string_view path) {
    // The root itself is never deleted: RegDeleteTreeW would take all of HKEY_CURRENT_USER.
    const std::optional<std::vector<std::string>> names = FullPath(path);
    return names && names->size() > Root->size() &&
           ::RegDeleteTreeW(HKEY_CURRENT_USER, WidePath(*names).c_str()) == ERROR_SUCCESS;
}

bool WindowsRegistry::WriteValues(std::string_view path, std::span<const RegistryWrite> values) {
    const std::optional<std::vector<std::string>> names = FullPath(path);
    if (!names)
        return false;
    const CreatedKey key = CreateKey(*names);
    if (!key.Handle)
        return false;
    std::vector<Replaced> replaced;
    for (const RegistryWrite& write : values) {
        if (ReplaceValue(key.Handle.get(), write, replaced))
            continue;
        PutBack(key.Handle.get(), replaced);
        if (key.Top)
            ::RegDeleteTreeW(HKEY_CURRENT_USER,
                             WidePath(std::span(*names).first(*key.Top)).c_str());
        return false;
    }
    return true;
}
