// Reading and improving a puzzle's solved record.
#include "library/solved_records.h"

#include "model/puzzle_record.h"
#include "base/code_page.h"
#include "settings/registry_store.h"

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// -1 has always meant "no time"; a missing value or one of another type means the same.
std::optional<std::int32_t> StoredTime(const RegistryKey& key) {
    const std::optional<std::int32_t> time = key.ReadInteger("Time");
    if (time == -1)
        return std::nullopt;
    return time;
}

std::array<std::uint8_t, 8> LittleEndianBytes(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::array<std::uint8_t, 8> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return bytes;
}

} // namespace

std::string SolvedRecordKey(const Guid& puzzleId) {
    return std::string(SolvedRecordsKey) + "\\" + GuidText(puzzleId);
}

RecordWrite WriteSolvedRecord(RegistryStore& registry, const PuzzleRecord& puzzle,
                              int elapsedSeconds, double oleNow) {
    const std::string path = SolvedRecordKey(puzzle.PuzzleId);
    // A key without a Time reads as absent, like a record without one.
    const std::unique_ptr<RegistryKey> key = registry.OpenKey(path, false);
    const std::optional<std::int32_t> stored = key ? StoredTime(*key) : std::nullopt;
    if (stored.has_value() && elapsedSeconds >= *stored)
        return RecordWrite::Kept;

    const std::string name = Utf8FromCp1252(puzzle.Name.Text());
    const std::array<std::uint8_t, 8> date = LittleEndianBytes(oleNow);
    const RegistryWrite values[] = {{"Time", elapsedSeconds},
                                    {"Puzzlename", name},
                                    {"Date Completed", date},
                                    {"Level", puzzle.Level}};
    return registry.WriteValues(path, values) ? RecordWrite::Written : RecordWrite::Failed;
}

bool SolvedRecordExists(RegistryStore& registry, const Guid& puzzleId) {
    return registry.KeyExists(SolvedRecordKey(puzzleId));
}

std::vector<bool> SolvedRecordsExist(RegistryStore& registry, std::span<const Guid> puzzleIds) {
    const std::unique_ptr<RegistryKey> records = registry.OpenKey(SolvedRecordsKey, false);
    if (records == nullptr)
        return std::vector<bool>(puzzleIds.size(), false);
    std::vector<std::string> names;
    names.reserve(puzzleIds.size());
    for (const Guid& puzzleId : puzzleIds)
        names.push_back(GuidText(puzzleId));
    return records->HasSubkeys(names);
}
