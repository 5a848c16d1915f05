// The per-user registry as the rest of the program is given it: keys opened by path.
#pragma once

#include "platform/registry_key.h"

#include <memory>
#include <string_view>

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
};
