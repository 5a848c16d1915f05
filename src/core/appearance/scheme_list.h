// The entries of the preferences dialog's scheme box and what each of them stands for.
#pragma once

#include "appearance/colour_scheme.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class RegistryStore;

// "[Current]", "[Default]", then the stored schemes. Entries compare as the registry compares key
// names, without regard to letter case, so one scheme never shows twice.
class SchemeList {
public:
    static constexpr std::size_t FirstStored = 2;

    explicit SchemeList(std::vector<std::string> storedNames = {});

    const std::vector<std::string>& Entries() const { return Entries_; }

    // The entry spelt as the text; else the entry equal to it when letter case is ignored, a
    // stored scheme before a bracketed entry.
    std::optional<std::size_t> Find(std::string_view text) const;
    // A stored scheme's name is added unless it is there already; either way its position.
    std::size_t Add(std::string_view name);
    // A stored scheme's entry goes; the position it had, if it was listed.
    std::optional<std::size_t> Remove(std::string_view name);

    // The stored scheme an entry is, or none for a bracketed entry or a text not listed.
    std::optional<std::string> StoredSchemeOf(std::string_view text) const;

private:
    std::vector<std::string> Entries_;
};

// The colours a scheme name stands for: the board's in force for an empty name or exactly
// "[Current]", DefaultScheme for exactly "[Default]", else the stored scheme of that name, if any.
std::optional<ColourSet> SchemeColours(RegistryStore& registry, std::string_view name,
                                       const ColourSet& boardColours);
