// The built-in board colours and the reading of the scheme the user chose.
#include "appearance/colour_scheme.h"

#include "appearance/scheme_store.h"
#include "platform/registry_store.h"
#include "platform/settings_keys.h"

#include <memory>
#include <optional>

namespace {

constexpr std::array<std::string_view, ColourRoleCount> RoleNames = {
    "Window Background",   "Central Board",    "Left & Top Board", "Single Line",
    "Double Line",         "Excluded Cell",    "Marked Cell",      "Finalised Cell",
    "Finalised Axis Font", "Marked Axis Font", "Normal Axis Font",
};

// A ColorSet of the wrong type is taken as the built-in scheme's name, so the preferences dialog
// shows that scheme as the chosen one.
std::string ActiveSchemeName(RegistryStore& registry) {
    const std::unique_ptr<RegistryKey> settings = registry.OpenKey(SettingsKey, true);
    if (!settings)
        return "";
    if (std::optional<std::string> name = settings->ReadString("ColorSet"))
        return *name;
    if (settings->ReadInteger("ColorSet") || settings->ReadBinary("ColorSet"))
        return std::string(DefaultSchemeEntry);
    return "";
}

} // namespace

const ColourSet DefaultScheme = {
    RgbColour(177, 193, 197), RgbColour(255, 255, 217), RgbColour(192, 192, 192),
    RgbColour(158, 143, 184), RgbColour(121, 109, 70),  RgbColour(255, 0, 0),
    RgbColour(0, 128, 0),     RgbColour(0, 0, 0),       RgbColour(255, 0, 0),
    RgbColour(0, 128, 0),     RgbColour(0, 0, 0),
};

std::string_view ColourRoleName(ColourRole role) {
    return RoleNames.at(static_cast<std::size_t>(role));
}

LoadedColours LoadBoardColours(RegistryStore& registry) {
    LoadedColours loaded{DefaultScheme, ActiveSchemeName(registry)};
    const std::string& name = loaded.ActiveSchemeName;
    // Only this exact spelling is the built-in scheme; "[default]" names a stored one.
    if (name.empty() || name == DefaultSchemeEntry)
        return loaded;
    if (std::optional<ColourSet> stored = ReadStoredScheme(registry, name))
        loaded.BoardColours = *stored;
    return loaded;
}
