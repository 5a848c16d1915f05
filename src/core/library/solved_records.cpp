// Reading and improving a puzzle's solved record.
#include "library/solved_records.h"

#include "model/puzzle_record.h"
#include "platform/code_page.h"
#include "platform/registry_store.h"

#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <optional>

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
    // A key created here holds no Time, so it reads as absent like a record without one.
    const std::unique_ptr<RegistryKey> key = registry.OpenKey(path, true);
    if (key == nullptr)
        return RecordWrite::Failed;
    const std::optional<std::int32_t> stored = StoredTime(*key);
    if (stored.has_value() && elapsedSeconds >= *stored)
        return RecordWrite::Kept;

    const bool written = key->WriteInteger("Time", elapsedSeconds) &&
                         key->WriteString("Puzzlename", Utf8FromCp1252(puzzle.Name.Text())) &&
                         key->WriteBinary("Date Completed", LittleEndianBytes(oleNow)) &&
                         key->WriteInteger("Level", puzzle.Level);
    return written ? RecordWrite::Written : RecordWrite::Failed;
}

bool SolvedRecordExists(RegistryStore& registry, const Guid& puzzleId) {
    return registry.KeyExists(SolvedRecordKey(puzzleId));
}
