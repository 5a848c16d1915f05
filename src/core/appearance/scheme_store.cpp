#include "appearance/scheme_store.h"

#include "platform/code_page.h"
#include "platform/registry_store.h"
#include "platform/settings_keys.h"

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

std::string FoldedName(std::string_view utf8) {
    std::string folded = Cp1252FromUtf8(utf8);
    for (char& c : folded)
        c = Cp1252UpperCase(c);
    return folded;
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

bool IsStorableSchemeName(std::string_view name) {
    const std::string folded = FoldedName(name);
    return IsKeyName(name) && folded.size() <= MaxSchemeNameLength &&
           folded != FoldedName(CurrentSchemeEntry) && folded != FoldedName(DefaultSchemeEntry);
}

SchemeSaveResult SaveScheme(RegistryStore& registry, std::string_view name,
                            const ColourSet& colours) {
    if (!IsStorableSchemeName(name))
        return {SchemeSave::NameRefused, {}};
    const std::string stored = Utf8FromCp1252(Cp1252FromUtf8(name));
    std::array<RegistryWrite, ColourRoleCount> values;
    for (std::size_t role = 0; role < ColourRoleCount; ++role)
        values[role] = {ColourRoleName(static_cast<ColourRole>(role)), colours[role]};
    if (!registry.WriteValues(SchemePath(stored), values))
        return {SchemeSave::WriteFailed, stored};
    return {SchemeSave::Saved, stored};
}

bool DeleteStoredScheme(RegistryStore& registry, std::string_view name) {
    return IsKeyName(name) && registry.DeleteKey(SchemePath(name));
}
