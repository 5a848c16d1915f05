// The per-user registry of Windows itself, which holds the program's settings there.
#pragma once

#include "settings/registry_store.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Paths are taken below a root key of HKEY_CURRENT_USER: none for the program, a key of their own
// for tests, so that they never touch the player's settings. Names and strings reach the
// registry's UTF-16 through Windows-1252, as RegistryKey describes, and a key holds an open handle,
// so once its key is deleted it fails even if the key is made again. Subkeys enumerate in the
// registry's own order.
//
// The registry has no change of several values at once, so WriteValues makes it one: before each
// value is written its old data is read (or its absence noted), and when a write fails the values
// already written get their old data back, or are deleted, in reverse order, and a key the call
// created is deleted again. Another process may see the values appear one by one, in the order
// given, and a failed call's part until it is undone.
class WindowsRegistry final : public RegistryStore {
public:
    explicit WindowsRegistry(std::string_view root = {});

    std::unique_ptr<RegistryKey> OpenKey(std::string_view path, bool create) override;
    bool KeyExists(std::string_view path) override;
    bool DeleteKey(std::string_view path) override;
    bool WriteValues(std::string_view path, std::span<const RegistryWrite> values) override;

private:
    class Key;

    // The Windows-1252 names from HKEY_CURRENT_USER down to the key at the path; nothing when the
    // path or the root is not one the registry allows.
    std::optional<std::vector<std::string>> FullPath(std::string_view path) const;

    std::optional<std::vector<std::string>> Root;
};
