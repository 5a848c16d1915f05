// The registry interface answered from a RegistryHive, wherever that hive is kept.
#include "settings/hive_store.h"

#include "base/code_page.h"
#include "settings/registry_path.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace {

using KeyPath = std::vector<std::string>;

// A value as the hive keeps it: names and strings in Windows-1252, integers as REG_DWORD data.
RegistryValue StoredValue(const RegistryWrite& write) {
    RegistryValue value{Cp1252FromUtf8(write.Name), RegistryValueType::Binary, {}};
    if (const auto* text = std::get_if<std::string_view>(&write.Value)) {
        value.Type = RegistryValueType::String;
        value.Data = Cp1252FromUtf8(*text);
    } else if (const auto* number = std::get_if<std::int32_t>(&write.Value)) {
        value.Type = RegistryValueType::Integer;
        value.Data = DwordData(static_cast<std::uint32_t>(*number));
    } else {
        const auto bytes = std::get<std::span<const std::uint8_t>>(write.Value);
        value.Data.assign(bytes.begin(), bytes.end());
    }
    return value;
}

} // namespace

class HiveStore::Key final : public RegistryKey {
public:
    Key(HiveStore& store, KeyPath path) : Store(store), Path(std::move(path)) {}

    std::optional<std::string> ReadString(std::string_view name) const override {
        const RegistryValue* value = Find(name, RegistryValueType::String);
        return value ? std::optional(Utf8FromCp1252(value->Data)) : std::nullopt;
    }

    std::optional<std::int32_t> ReadInteger(std::string_view name) const override {
        const RegistryValue* value = Find(name, RegistryValueType::Integer);
        if (value == nullptr || value->Data.size() != 4)
            return std::nullopt;
        return static_cast<std::int32_t>(DwordOf(value->Data));
    }

    std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) const override {
        const RegistryValue* value = Find(name, RegistryValueType::Binary);
        if (value == nullptr)
            return std::nullopt;
        return std::vector<std::uint8_t>(value->Data.begin(), value->Data.end());
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
        if (const RegistryHive* key = Store.CurrentHive().FindKey(Path))
            for (const auto& entry : key->Subkeys())
                names.push_back(Utf8FromCp1252(entry.second->Name()));
        return names;
    }

    std::vector<bool> HasSubkeys(std::span<const std::string> names) const override {
        std::vector<bool> found(names.size(), false);
        if (const RegistryHive* key = Store.CurrentHive().FindKey(Path))
            for (std::size_t i = 0; i < names.size(); ++i) {
                const std::string name = Cp1252FromUtf8(names[i]);
                found[i] = key->FindKey(std::span(&name, 1)) != nullptr;
            }
        return found;
    }

private:
    const RegistryValue* Find(std::string_view name, RegistryValueType type) const {
        const RegistryHive* key = Store.CurrentHive().FindKey(Path);
        const RegistryValue* value = key ? key->FindValue(Cp1252FromUtf8(name)) : nullptr;
        return value != nullptr && value->Type == type ? value : nullptr;
    }

    bool Write(const RegistryWrite& write) {
        RegistryValue value = StoredValue(write);
        if (!IsValueName(value.Name))
            return false;
        return Store.ChangeHive([&](RegistryHive& hive) {
            RegistryHive* key = hive.FindKey(Path);
            if (key == nullptr)
                return HiveChange::Refused;
            return key->SetValue(std::move(value)) ? HiveChange::Changed : HiveChange::Unchanged;
        });
    }

    HiveStore& Store;
    const KeyPath Path;
};

std::unique_ptr<RegistryKey> HiveStore::OpenKey(std::string_view path, bool create) {
    std::optional<KeyPath> names = SplitKeyPath(path);
    if (!names)
        return nullptr;
    // Most opens find the key already there and need neither the lock nor a write.
    if (CurrentHive().FindKey(*names) == nullptr) {
        const bool created =
            create && ChangeHive([&](RegistryHive& hive) {
                if (hive.FindKey(*names) != nullptr)
                    return HiveChange::Unchanged;
                return hive.CreateKey(*names) ? HiveChange::Changed : HiveChange::Refused;
            });
        if (!created)
            return nullptr;
    }
    return std::make_unique<Key>(*this, std::move(*names));
}

bool HiveStore::KeyExists(std::string_view path) {
    const std::optional<KeyPath> names = SplitKeyPath(path);
    return names && CurrentHive().FindKey(*names) != nullptr;
}

bool HiveStore::DeleteKey(std::string_view path) {
    const std::optional<KeyPath> names = SplitKeyPath(path);
    return names && !names->empty() && ChangeHive([&](RegistryHive& hive) {
               return hive.DeleteKey(*names) ? HiveChange::Changed : HiveChange::Refused;
           });
}

bool HiveStore::WriteValues(std::string_view path, std::span<const RegistryWrite> values) {
    const std::optional<KeyPath> names = SplitKeyPath(path);
    if (!names)
        return false;
    std::vector<RegistryValue> stored;
    for (const RegistryWrite& write : values)
        stored.push_back(StoredValue(write));
    // Checked before anything changes, so a refusal leaves no value behind.
    if (!std::ranges::all_of(stored, [](const auto& value) { return IsValueName(value.Name); }))
        return false;
    return ChangeHive([&](RegistryHive& hive) {
        const bool existed = hive.FindKey(*names) != nullptr;
        RegistryHive* key = hive.CreateKey(*names);
        if (key == nullptr)
            return HiveChange::Refused;
        bool changed = !existed;
        for (RegistryValue& value : stored)
            changed = key->SetValue(std::move(value)) || changed;
        return changed ? HiveChange::Changed : HiveChange::Unchanged;
    });
}
