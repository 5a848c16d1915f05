#include "appearance/scheme_list.h"

#include "appearance/scheme_store.h"
#include "base/code_page.h"

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

// A scheme stored as "[default]" stands beside the bracketed "[Default]": each keeps its own
// spelling, and a stored scheme is found before a bracketed entry in another letter case.
std::optional<std::size_t> SchemeList::Find(std::string_view text) const {
    const auto sameAmong = [&](std::size_t first, std::size_t end) -> std::optional<std::size_t> {
        for (std::size_t entry = first; entry < end; ++entry)
            if (SameName(Entries_[entry], text))
                return entry;
        return std::nullopt;
    };
    if (const auto exact = std::ranges::find(Entries_, text); exact != Entries_.end())
        return static_cast<std::size_t>(exact - Entries_.begin());
    if (const std::optional<std::size_t> stored = sameAmong(FirstStored, Entries_.size()))
        return stored;
    return sameAmong(0, FirstStored);
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
