// A key of its own under HKEY_CURRENT_USER for a test that uses the real registry, removed with
// everything below it at the end; the player's settings are never touched.
#pragma once

#include "settings/windows_registry.h"

#include <random>
#include <string>

class TestRegistryKey {
public:
    TestRegistryKey() {
        std::random_device random;
        Name = std::to_string(random()) + std::to_string(random());
    }
    ~TestRegistryKey() { WindowsRegistry(Parent).DeleteKey(Name); }
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;

    // The key's path below HKEY_CURRENT_USER, to root a WindowsRegistry at.
    std::string Path() const { return std::string(Parent) + "\\" + Name; }

private:
    static constexpr const char* Parent = "Software\\Quorvane Tests";
    std::string Name;
};
