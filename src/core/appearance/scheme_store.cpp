#include "appearance/scheme_store.h"

#include "base/code_page.h"
#include "settings/registry_store.h"
#include "settings/settings_keys.h"

#include <array>
#include <memory>

namespace {

// An empty name would open the schemes key itself, and a '\' a key further down.
bool IsKeyName(std::string_view name) {
    return !name.empty() && name.find('\\') == std::string_view::npos;
}

std::string SchemePath(std::string_view name) {
    return std::string(SchemesKey) + "\\" + std::string(name);
}

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

std::vector<std::string> StoredSchemeNames(RegistryStore& registry) {
    const std::unique_ptr<RegistryKey> schemes = registry.OpenKey(SchemesKey, true);
    return schemes ? schemes->SubkeyNames() : std::vector<std::string>{};
}

std::optional<ColourSet> ReadStoredScheme(RegistryStore& registry, std::string_view name) {
    if (!IsKeyName(name))
        return std::nullopt;
    const std::unique_ptr<RegistryKey> scheme = registry.OpenKey(SchemePath(name), false);
    if (!scheme)
        return std::nullopt;
    ColourSet colours = DefaultScheme;
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        if (std::optional<std::int32_t> colour =
                scheme->ReadInteger(ColourRoleName(static_cast<ColourRole>(role))))
            colours[role] = *colour;
    return colours;
}

SchemeNameFault SchemeNameFaultOf(std::string_view name) {
    if (name.empty() || name == CurrentSchemeEntry || name == DefaultSchemeEntry)
        return SchemeNameFault::Missing;
    if (name.find('\\') != std::string_view::npos)
        return SchemeNameFault::HoldsSeparator;
    // The registry counts the characters of its code page, one byte each.
    if (Cp1252FromUtf8(name).size() > MaxSchemeNameLength)
        return SchemeNameFault::TooLong;
    return SchemeNameFault::None;
}

std::string SchemeNameFaultText(SchemeNameFault fault) {
    switch (fault) {
    case SchemeNameFault::None:
        break;
    case SchemeNameFault::Missing:
        return "You must provide a name for this color scheme.";
    case SchemeNameFault::HoldsSeparator:
        return "A color scheme name cannot contain \"\\\".";
    case SchemeNameFault::TooLong:
        return "A color scheme name can be at most " + std::to_string(MaxSchemeNameLength) +
               " characters long.";
    }
    return {};
}

SchemeSaveResult SaveScheme(RegistryStore& registry, std::string_view name,
                            const ColourSet& colours) {
    if (const SchemeNameFault fault = SchemeNameFaultOf(name); fault != SchemeNameFault::None)
        return {SchemeSave::NameRefused, {}, fault};
    const std::string stored = Utf8FromCp1252(Cp1252FromUtf8(name));
    std::array<RegistryWrite, ColourRoleCount> values;
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        values[role] = {ColourRoleName(static_cast<ColourRole>(role)), colours[role]};
    if (!registry.WriteValues(SchemePath(stored), values))
        return {SchemeSave::WriteFailed, stored};
    return {SchemeSave::Saved, stored};
}

bool DeleteStoredScheme(RegistryStore& registry, std::string_view name) {
    return SchemeNameFaultOf(name) == SchemeNameFault::None && registry.DeleteKey(SchemePath(name));
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
