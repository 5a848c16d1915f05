#include "appearance/scheme_list.h"

#include "appearance/scheme_store.h"
#include "platform/code_page.h"

#include <algorithm>

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(Cp1252FromUtf8(a), Cp1252FromUtf8(b), [](char x, char y) {
        return Cp1252UpperCase(x) == Cp1252UpperCase(y);
    });
}

} // namespace

SchemeList::SchemeList(std::vector<std::string> storedNames) {
    Entries_ = {std::string(CurrentSchemeEntry), std::string(DefaultSchemeEntry)};
    Entries_.insert(Entries_.end(), storedNames.begin(), storedNames.end());
}

std::optional<std::size_t> SchemeList::Find(std::string_view text) const {
    const auto found = std::ranges::find_if(
        Entries_, [&](const std::string& entry) { return SameName(entry, text); });
    if (found == Entries_.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - Entries_.begin());
}

std::size_t SchemeList::Add(std::string_view name) {
    if (const std::optional<std::size_t> listed = Find(name); listed && *listed >= FirstStored)
        return *listed;
    Entries_.emplace_back(name);
    return Entries_.size() - 1;
}

std::optional<std::size_t> SchemeList::Remove(std::string_view name) {
    const std::optional<std::size_t> listed = Find(name);
    if (!listed || *listed < FirstStored)
        return std::nullopt;
    Entries_.erase(Entries_.begin() + static_cast<std::ptrdiff_t>(*listed));
    return listed;
}

std::optional<std::string> SchemeList::StoredSchemeOf(std::string_view text) const {
    const std::optional<std::size_t> listed = Find(text);
    if (!listed || *listed < FirstStored)
        return std::nullopt;
    return Entries_[*listed];
}

std::optional<ColourSet> SchemeColours(RegistryStore& registry, std::string_view name,
                                       const ColourSet& boardColours) {
    if (name.empty() || name == CurrentSchemeEntry)
        return boardColours;
    if (name == DefaultSchemeEntry)
        return DefaultScheme;
    return ReadStoredScheme(registry, name);
}
