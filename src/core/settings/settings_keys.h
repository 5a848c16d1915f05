// Where the program keeps its settings in the per-user registry, and the one write of a setting.
#pragma once

#include <string_view>

class RegistryStore;

// Holds ColorSet and LastPuzzleDir; start-up creates it.
inline constexpr std::string_view SettingsKey = "Software\\Quorvane";
// One subkey per colour scheme, named after it.
inline constexpr std::string_view SchemesKey = "Software\\Quorvane\\Color sets";
// One subkey per solved puzzle, named after its identity, and nothing else.
inline constexpr std::string_view SolvedRecordsKey = "Software\\Quorvane\\Completed";

// Writes a string value of the settings key without creating the key; false when the key is
// missing or the registry refused the write.
bool StoreSetting(RegistryStore& registry, std::string_view name, std::string_view value);
