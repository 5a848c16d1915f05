// The colour schemes kept under Software\Quorvane\Color sets: the one in force, listing, reading,
// saving, deleting.
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

// Why no scheme can be stored under a name.
enum class SchemeNameFault {
    None,
    Missing,        // empty, or exactly "[Current]" or "[Default]", which are no stored schemes
    HoldsSeparator, // '\' separates keys: the name would reach a key below another
    TooLong,        // over MaxSchemeNameLength characters once written in the registry's code page
};

// Whether a scheme may be stored under the name, and if not, why. Any other letter case of a
// bracketed entry is a name like any other.
SchemeNameFault SchemeNameFaultOf(std::string_view name);

// What the player is told of a refused name; empty for None.
std::string SchemeNameFaultText(SchemeNameFault fault);

enum class SchemeSave { Saved, NameRefused, WriteFailed };

struct SchemeSaveResult {
    SchemeSave Outcome;
    // The name as the registry keeps it: a character its code page lacks reads back as '?'.
    std::string StoredName;
    // Why the name was refused; None unless the outcome is NameRefused.
    SchemeNameFault Fault = SchemeNameFault::None;
};

// Writes all eleven colours in role order under the name, creating the key or overwriting the
// scheme there. A write that fails part-way leaves what was written.
SchemeSaveResult SaveScheme(RegistryStore& registry, std::string_view name,
                            const ColourSet& colours);

// Removes the scheme's key and everything below it; false when there was none or it could not be
// removed. Only a single key below the schemes key is ever touched, and only under a name a scheme
// can be stored under: "[Default]" is no scheme, even where the key "[default]" is one.
bool DeleteStoredScheme(RegistryStore& registry, std::string_view name);

struct LoadedColours {
    ColourSet BoardColours;
    std::string ActiveSchemeName; // as read from ColorSet; empty when there is none
};

// Reads ColorSet from Software\Quorvane (creating that key when missing, and writing nothing
// else) and the scheme it names from Software\Quorvane\Color sets\<name>. No value, a value of
// another type, an empty name, exactly "[Default]" or a missing scheme key give DefaultScheme; a
// scheme key lacking a value, or holding it as another type, takes that role's default.
LoadedColours LoadBoardColours(RegistryStore& registry);
