// Scanning a folder of puzzle files for the new-game browser.
#include "library/puzzle_folder_scan.h"

#include "library/solved_records.h"
#include "model/byte_layout.h"
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

// A row needs the record's head up to the Width field and its tail from Creator on; the
// 32 KiB solution between them is never read.
namespace Offset {
using namespace PuzzleOffset;
constexpr std::size_t HeadEnd = Width;
} // namespace Offset

constexpr std::size_t TailSize = PuzzleRecordSize - Offset::Creator;
constexpr std::size_t ShortStringCapacity = 80;

using Head = std::array<std::uint8_t, Offset::HeadEnd>;
using Tail = std::array<std::uint8_t, TailSize>;

std::string AsciiUpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// Key names compare without regard to case, and GUID texts are ASCII, so upper-casing the ASCII
// letters is enough to match them against GuidText.
std::unordered_set<std::string> SolvedIds(RegistryStore& registry) {
    std::unordered_set<std::string> ids;
    if (const std::unique_ptr<RegistryKey> key = registry.OpenKey(SolvedRecordsKey, false))
        for (std::string& name : key->SubkeyNames())
            ids.insert(AsciiUpperCase(std::move(name)));
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

struct FileParts {
    Head HeadBytes;
    Tail TailBytes;
};

// Two reads, head and tail; reading the tail to its end proves the file holds a whole record.
// The stream is unbuffered so that no more than the two parts comes off the disk.
std::optional<FileParts> ReadParts(const std::filesystem::path& path, std::uintmax_t& bytesRead) {
    std::ifstream file;
    file.rdbuf()->pubsetbuf(nullptr, 0);
    file.open(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    FileParts parts;
    file.read(reinterpret_cast<char*>(parts.HeadBytes.data()), parts.HeadBytes.size());
    bytesRead += static_cast<std::uintmax_t>(file.gcount());
    if (!file)
        return std::nullopt;
    file.seekg(static_cast<std::streamoff>(Offset::Creator));
    file.read(reinterpret_cast<char*>(parts.TailBytes.data()), parts.TailBytes.size());
    bytesRead += static_cast<std::uintmax_t>(file.gcount());
    if (!file)
        return std::nullopt;
    return parts;
}

std::optional<PuzzleFolderRow> ReadRow(const std::filesystem::path& path,
                                       const std::unordered_set<std::string>& solvedIds,
                                       std::uintmax_t& bytesRead) {
    const std::optional<FileParts> parts = ReadParts(path, bytesRead);
    if (!parts || GuidAt(parts->HeadBytes, Offset::Signature) != PuzzleSignature)
        return std::nullopt;
    const std::span<const std::uint8_t> tail = parts->TailBytes;
    PuzzleFolderRow row;
    row.Path = path;
    row.FileName = path.filename().string();
    row.Name = ShortStringAt(parts->HeadBytes, Offset::Name);
    row.Level = ByteLayout::Get<std::int32_t>(parts->HeadBytes, Offset::Level);
    row.Creator = ShortStringAt(tail, 0);
    row.DateCreated = ByteLayout::Get<double>(tail, Offset::DateCreated - Offset::Creator);
    row.PuzzleId = GuidAt(parts->HeadBytes, Offset::PuzzleId);
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
    // A file that vanished or cannot be read is passed over; only a failing listing ends it.
    for (const std::filesystem::directory_iterator end; !error && entries != end;
         entries.increment(error)) {
        const std::filesystem::path& path = entries->path();
        if (!IsPuzzleFileName(path))
            continue;
        if (std::optional<PuzzleFolderRow> row = ReadRow(path, solvedIds, scan.BytesRead))
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
