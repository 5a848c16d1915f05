// The registry that copies of the game share in the test of two players: the registry file on
// Linux, the real registry on Windows below a key of the test's own. A text names it to the
// helper programs.
#pragma once

#include "settings/registry_store.h"

#include <memory>
#include <string>

#ifdef _WIN32
#include "settings/test_registry_key.h"
#include "settings/windows_registry.h"

inline std::unique_ptr<RegistryStore> OpenSharedRegistry(const std::string& where) {
    return std::make_unique<WindowsRegistry>(where);
}

class SharedRegistryPlace {
public:
    std::string Where() const { return Key.Path(); }

private:
    TestRegistryKey Key;
};
#else
#include "settings/file_registry.h"
#include "support/temp_folder.h"

inline std::unique_ptr<RegistryStore> OpenSharedRegistry(const std::string& where) {
    return std::make_unique<FileRegistry>(where);
}

class SharedRegistryPlace {
public:
    std::string Where() const { return (Folder / "HKCU.reg").string(); }

private:
    TempFolder Folder;
};
#endif
