// A registry key with its values and the keys below it: the whole tree as plain data.
#pragma once

#include "settings/registry_value.h"

#include <cstddef>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

// Names are Windows-1252. Lookups ignore case by keying each map on the upper-case form of the
// name, which also makes iteration follow the registry's order: case-insensitive, by Unicode
// character number. The entry keeps the name as it was first spelled.
class RegistryHive {
public:
    // Windows refuses keys nested deeper than this; the limit also bounds every walk of the tree.
    static constexpr std::size_t MaxDepth = 512;

    using ValueMap = std::map<std::string, RegistryValue>;
    using SubkeyMap = std::map<std::string, std::unique_ptr<RegistryHive>>;

    RegistryHive() = default;
    explicit RegistryHive(std::string name) : Name_(std::move(name)) {}

    const std::string& Name() const { return Name_; }
    const ValueMap& Values() const { return Values_; }
    const SubkeyMap& Subkeys() const { return Subkeys_; }

    // The key at the path below this one; an empty path is this key.
    const RegistryHive* FindKey(std::span<const std::string> path) const;
    RegistryHive* FindKey(std::span<const std::string> path);
    // Finds the key, creating it and the missing keys above it; null when the path is deeper
    // than MaxDepth or a name is empty or holds the separator '\'.
    RegistryHive* CreateKey(std::span<const std::string> path);
    // Removes the key at a non-empty path with everything below it; false when there was none.
    bool DeleteKey(std::span<const std::string> path);

    const RegistryValue* FindValue(std::string_view name) const;
    // Adds or replaces the value of that name, keeping an existing value's spelling of the name.
    // A string is cut at its first NUL. Returns whether the hive changed.
    bool SetValue(RegistryValue value);

    bool operator==(const RegistryHive& other) const;

private:
    std::string Name_;
    ValueMap Values_;
    SubkeyMap Subkeys_;
};
