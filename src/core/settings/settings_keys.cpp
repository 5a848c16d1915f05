#include "settings/settings_keys.h"

#include "settings/registry_store.h"

bool StoreSetting(RegistryStore& registry, std::string_view name, std::string_view value) {
    const auto settings = registry.OpenKey(SettingsKey, false);
    return settings != nullptr && settings->WriteString(name, value);
}
