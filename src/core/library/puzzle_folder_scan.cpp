// Scanning a folder of puzzle files for the new-game browser.
#include "library/puzzle_folder_scan.h"

#include "base/text.h"
#include "library/solved_records.h"
#include "base/byte_layout.h"
#include "model/puzzle_file.h"
#include "model/puzzle_layout.h"
#include "platform/code_page.h"
#include "platform/registry_store.h"

#include <array>
#include <fstream>
#include <memory>
#include <optional>
#include <unordered_set>

namespace {

namespace Offset = PuzzleOffset;

// The bytes a row and the game's test need: the head up to the comments, the Level and size
// fields, and the tail from Creator on. The comments and the 32 KiB solution are never read.
struct RecordPart {
    std::size_t Offset;
    std::size_t Size;
};
constexpr std::array<RecordPart, 3> RowParts{{
    {Offset::Signature, Offset::Comments - Offset::Signature},
    {Offset::Level, Offset::Solution - Offset::Level},
    {Offset::Creator, PuzzleRecordSize - Offset::Creator},
}};
constexpr std::size_t ShortStringCapacity = 80;

// The parts sit at their own offsets in a record-sized buffer, so fields are read where the
// layout puts them; the bytes between the parts are never looked at.
using RecordBytes = std::array<std::uint8_t, PuzzleRecordSize>;

// Key names compare without regard to case, and GUID texts are ASCII, so upper-casing the ASCII
// letters is enough to match them against GuidText.
std::unordered_set<std::string> SolvedIds(RegistryStore& registry) {
    std::unordered_set<std::string> ids;
    if (const std::unique_ptr<RegistryKey> key = registry.OpenKey(SolvedRecordsKey, false))
        for (const std::string& name : key->SubkeyNames())
            ids.insert(AsciiUpperCase(name));
    return ids;
}

bool IsPuzzleFileName(const std::filesystem::path& path) {
    return AsciiUpperCase(path.extension().string()) == ".QVF";
}

std::string ShortStringAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const std::size_t length = std::min<std::size_t>(bytes[offset], ShortStringCapacity);
    return Utf8FromCp1252(
        std::string_view(reinterpret_cast<const char*>(bytes.data() + offset + 1), length));
}

Guid GuidAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return Guid::FromBytes(bytes.subspan(offset).first<Guid::ByteSize>());
}

// The file's length comes from the file system, so a file shorter than a record is turned away
// before any of it is read. The stream is unbuffered so that no more than the parts comes off the
// disk.
bool ReadParts(const std::filesystem::directory_entry& entry, RecordBytes& bytes,
               std::uintmax_t& bytesRead) {
    std::error_code error;
    const std::uintmax_t length = entry.file_size(error);
    if (error || length < PuzzleRecordSize)
        return false;
    std::ifstream file;
    file.rdbuf()->pubsetbuf(nullptr, 0);
    file.open(entry.path(), std::ios::binary);
    for (const RecordPart& part : RowParts) {
        if (!file.seekg(static_cast<std::streamoff>(part.Offset)))
            return false;
        file.read(reinterpret_cast<char*>(bytes.data() + part.Offset),
                  static_cast<std::streamsize>(part.Size));
        bytesRead += static_cast<std::uintmax_t>(file.gcount());
        if (!file)
            return false;
    }
    return IsGamePuzzle(GuidAt(bytes, Offset::Signature),
                        ByteLayout::Get<std::int32_t>(bytes, Offset::Width),
                        ByteLayout::Get<std::int32_t>(bytes, Offset::Height), length);
}

std::optional<PuzzleFolderRow> ReadRow(const std::filesystem::directory_entry& entry,
                                       const std::unordered_set<std::string>& solvedIds,
                                       RecordBytes& bytes, std::uintmax_t& bytesRead) {
    if (!ReadParts(entry, bytes, bytesRead))
        return std::nullopt;
    const std::filesystem::path& path = entry.path();
    PuzzleFolderRow row;
    row.Path = path;
    row.FileName = path.filename().string();
    row.Name = ShortStringAt(bytes, Offset::Name);
    row.Level = ByteLayout::Get<std::int32_t>(bytes, Offset::Level);
    row.Creator = ShortStringAt(bytes, Offset::Creator);
    row.DateCreated = ByteLayout::Get<double>(bytes, Offset::DateCreated);
    row.PuzzleId = GuidAt(bytes, Offset::PuzzleId);
    row.Solved = solvedIds.contains(GuidText(row.PuzzleId));
    return row;
}

} // namespace

PuzzleFolderScan ScanPuzzleFolder(const std::filesystem::path& folder, RegistryStore& registry) {
    PuzzleFolderScan scan;
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error)
        return scan;
    const std::unordered_set<std::string> solvedIds = SolvedIds(registry);
    auto bytes = std::make_unique<RecordBytes>();
    // A file that vanished or cannot be read is passed over; only a failing listing ends it.
    for (const std::filesystem::directory_iterator end; !error && entries != end;
         entries.increment(error)) {
        if (!IsPuzzleFileName(entries->path()))
            continue;
        if (std::optional<PuzzleFolderRow> row =
                ReadRow(*entries, solvedIds, *bytes, scan.BytesRead))
            scan.Rows.push_back(std::move(*row));
    }
    return scan;
}

std::string PuzzleLocation(std::string_view folderText, std::string_view fileName) {
    std::string location(folderText);
    location += static_cast<char>(std::filesystem::path::preferred_separator);
    location += fileName;
    return location;
}
