// The colour schemes kept under Software\Quorvane\Color sets: listing, reading, saving, deleting.
#pragma once

#include "appearance/colour_scheme.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RegistryStore;

// A registry key name holds at most this many characters.
inline constexpr std::size_t MaxSchemeNameLength = 255;

// The stored schemes' names in the registry's enumeration order. The schemes key is created when
// missing; a registry that cannot open it lists none.
std::vector<std::string> StoredSchemeNames(RegistryStore& registry);

// The colours of the scheme stored under this name (letter case ignored), or none when there is no
// such key. A value that is missing, or held as another type, takes that role's default.
std::optional<ColourSet> ReadStoredScheme(RegistryStore& registry, std::string_view name);

// Whether a scheme may be stored under the name: not empty, neither bracketed entry in any letter
// case (the list could not tell them apart), no '\' (it would name a nested key), and at most
// MaxSchemeNameLength characters once written in the registry's code page.
bool IsStorableSchemeName(std::string_view name);

enum class SchemeSave { Saved, NameRefused, WriteFailed };

struct SchemeSaveResult {
    SchemeSave Outcome;
    // The name as the registry keeps it: a character its code page lacks reads back as '?'.
    std::string StoredName;
};

// Writes all eleven colours in role order under the name, creating the key or overwriting the
// scheme there. A write that fails part-way leaves what was written.
SchemeSaveResult SaveScheme(RegistryStore& registry, std::string_view name,
                            const ColourSet& colours);

// Removes the scheme's key and everything below it; false when there was none or it could not be
// removed. Only a single key below the schemes key is ever touched.
bool DeleteStoredScheme(RegistryStore& registry, std::string_view name);
