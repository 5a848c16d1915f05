// The per-user registry as the rest of the program is given it: keys opened by path.
#pragma once

#include "settings/registry_key.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <variant>

// One value for RegistryStore::WriteValues: a string, an integer or bytes, as RegistryKey writes
// them.
struct RegistryWrite {
    std::string_view Name;
    std::variant<std::string_view, std::int32_t, std::span<const std::uint8_t>> Value;
};

// Paths are relative to HKEY_CURRENT_USER with '\' between key names, for instance
// "Software\Quorvane\Completed"; names compare without regard to case. Opening is cheap, so a
// caller opens a key for each use and lets it go.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // Null when the key is missing and create is false, or when it cannot be created; creating
    // makes the missing keys above it too.
    virtual std::unique_ptr<RegistryKey> OpenKey(std::string_view path, bool create) = 0;
    virtual bool KeyExists(std::string_view path) = 0;
    // Removes the key with everything below it; false when there was no such key.
    virtual bool DeleteKey(std::string_view path) = 0;
    // Creates the key if need be and writes the values into it as one change, so that a failure
    // part of the way never leaves a record with some of its values: afterwards the key holds
    // them all, or nothing changed.
    virtual bool WriteValues(std::string_view path, std::span<const RegistryWrite> values) = 0;
};
