// Reading the solved records for the solved-puzzles list.
#include "library/solved_list.h"

#include "library/solved_records.h"
#include "base/byte_layout.h"
#include "base/clock_text.h"
#include "settings/registry_store.h"

#include <memory>

namespace {

// Date Completed is eight bytes holding a little-endian double; any other length is no date.
std::optional<double> DateValue(const RegistryKey& key) {
    const std::optional<std::vector<std::uint8_t>> bytes = key.ReadBinary("Date Completed");
    if (!bytes || bytes->size() != sizeof(double))
        return std::nullopt;
    return ByteLayout::Get<double>(*bytes, 0);
}

} // namespace

std::vector<SolvedListRow> ReadSolvedList(RegistryStore& registry) {
    std::vector<std::string> names;
    if (const std::unique_ptr<RegistryKey> parent = registry.OpenKey(SolvedRecordsKey, true))
        names = parent->SubkeyNames();
    std::vector<SolvedListRow> rows;
    rows.reserve(names.size());
    for (const std::string& name : names) {
        const std::unique_ptr<RegistryKey> key =
            registry.OpenKey(std::string(SolvedRecordsKey) + "\\" + name, false);
        if (key == nullptr)
            continue;
        rows.push_back({key->ReadString("Puzzlename").value_or(std::string()),
                        key->ReadInteger("Time"), key->ReadInteger("Level"), DateValue(*key)});
    }
    return rows;
}

std::string SolvedTimeText(std::int32_t seconds) {
    return ClockText(seconds);
}
