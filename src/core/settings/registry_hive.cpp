// A registry key with its values and the keys below it: the whole tree as plain data.
#include "settings/registry_hive.h"

#include "base/code_page.h"

#include <algorithm>
#include <utility>

namespace {

// In UTF-8, whose bytes compare as the characters' Unicode numbers do: Windows orders names by
// those, so "€" (0x80 in the code page) comes after "É" (0xC9).
std::string FoldedName(std::string_view name) {
    std::string folded(name);
    std::ranges::transform(folded, folded.begin(), Cp1252UpperCase);
    return Utf8FromCp1252(folded);
}

bool IsKeyName(const std::string& name) {
    return !name.empty() && name.find('\\') == std::string::npos;
}

} // namespace

const RegistryHive* RegistryHive::FindKey(std::span<const std::string> path) const {
    const RegistryHive* key = this;
    for (const std::string& name : path) {
        const auto found = key->Subkeys_.find(FoldedName(name));
        if (found == key->Subkeys_.end())
            return nullptr;
        key = found->second.get();
    }
    return key;
}

RegistryHive* RegistryHive::FindKey(std::span<const std::string> path) {
    return const_cast<RegistryHive*>(std::as_const(*this).FindKey(path));
}

RegistryHive* RegistryHive::CreateKey(std::span<const std::string> path) {
    if (path.size() > MaxDepth || !std::ranges::all_of(path, IsKeyName))
        return nullptr;
    RegistryHive* key = this;
    for (const std::string& name : path) {
        std::unique_ptr<RegistryHive>& subkey = key->Subkeys_[FoldedName(name)];
        if (!subkey)
            subkey = std::make_unique<RegistryHive>(name);
        key = subkey.get();
    }
    return key;
}

bool RegistryHive::DeleteKey(std::span<const std::string> path) {
    if (path.empty())
        return false;
    RegistryHive* parent = FindKey(path.first(path.size() - 1));
    return parent != nullptr && parent->Subkeys_.erase(FoldedName(path.back())) > 0;
}

const RegistryValue* RegistryHive::FindValue(std::string_view name) const {
    const auto found = Values_.find(FoldedName(name));
    return found == Values_.end() ? nullptr : &found->second;
}

bool RegistryHive::SetValue(RegistryValue value) {
    if (value.Type == RegistryValueType::String)
        value.Data.resize(std::min(value.Data.size(), value.Data.find('\0')));
    const auto [entry, added] = Values_.try_emplace(FoldedName(value.Name), value);
    if (added)
        return true;
    RegistryValue& existing = entry->second;
    if (existing.Type == value.Type && existing.Data == value.Data)
        return false;
    existing.Type = value.Type;
    existing.Data = std::move(value.Data);
    return true;
}

bool RegistryHive::operator==(const RegistryHive& other) const {
    return Name_ == other.Name_ && Values_ == other.Values_ &&
           std::ranges::equal(Subkeys_, other.Subkeys_, [](const auto& left, const auto& right) {
               return left.first == right.first && *left.second == *right.second;
           });
}
