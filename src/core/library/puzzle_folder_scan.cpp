// Scanning a folder of puzzle files for the new-game browser.
#include "library/puzzle_folder_scan.h"

#include "base/byte_layout.h"
#include "base/code_page.h"
#include "base/text.h"
#include "library/folder_files.h"
#include "library/solved_records.h"
#include "model/puzzle_file.h"
#include "model/puzzle_layout.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace {

namespace Offset = PuzzleOffset;

// The bytes a row and the game's test need, in two reads: the tail from Creator on, which a file
// shorter than a record cannot fill, and the head up to the solution. The head brings the
// comments along, since a few hundred bytes more cost less than a third call into the system;
// the 32 KiB solution is never read.
constexpr std::array<FilePart, 2> RowParts{{
    {Offset::Creator, PuzzleRecordSize - Offset::Creator},
    {Offset::Signature, Offset::Solution - Offset::Signature},
}};
constexpr std::size_t ShortStringCapacity = 80;

// The parts sit at their own offsets in a record-sized buffer, so fields are read where the
// layout puts them; the bytes between the parts are never looked at.
using RecordBytes = std::array<std::uint8_t, PuzzleRecordSize>;

// A name with a stem before ".qvf" in any case; ".qvf" alone names a hidden file of no extension.
bool IsPuzzleFileName(std::string_view name) {
    constexpr std::string_view Extension = ".QVF";
    return name.size() > Extension.size() &&
           AsciiUpperCase(name.substr(name.size() - Extension.size())) == Extension;
}

std::string ShortStringAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const std::size_t length = std::min<std::size_t>(bytes[offset], ShortStringCapacity);
    return Utf8FromCp1252(
        std::string_view(reinterpret_cast<const char*>(bytes.data() + offset + 1), length));
}

Guid GuidAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return Guid::FromBytes(bytes.subspan(offset).first<Guid::ByteSize>());
}

// Every part was there, so the file holds at least a whole record.
bool IsGamePuzzleRecord(const RecordBytes& bytes) {
    return IsGamePuzzle(GuidAt(bytes, Offset::Signature),
                        ByteLayout::Get<std::int32_t>(bytes, Offset::Width),
                        ByteLayout::Get<std::int32_t>(bytes, Offset::Height), PuzzleRecordSize);
}

PuzzleFolderRow RowOf(const char* fileName, const RecordBytes& bytes) {
    PuzzleFolderRow row;
    row.FileName = fileName;
    row.Name = ShortStringAt(bytes, Offset::Name);
    row.Level = ByteLayout::Get<std::int32_t>(bytes, Offset::Level);
    row.Creator = ShortStringAt(bytes, Offset::Creator);
    row.DateCreated = ByteLayout::Get<double>(bytes, Offset::DateCreated);
    row.PuzzleId = GuidAt(bytes, Offset::PuzzleId);
    return row;
}

// The rows are marked once they are all read: looking up their few thousand keys at once costs
// far less than listing every solved record, of which a player may have tens of thousands.
void MarkSolved(std::vector<PuzzleFolderRow>& rows, RegistryStore& registry) {
    std::vector<Guid> puzzleIds;
    puzzleIds.reserve(rows.size());
    for (const PuzzleFolderRow& row : rows)
        puzzleIds.push_back(row.PuzzleId);
    const std::vector<bool> solved = SolvedRecordsExist(registry, puzzleIds);
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].Solved = solved[i];
}

} // namespace

PuzzleFolderScan ScanPuzzleFolder(const std::filesystem::path& folder, RegistryStore& registry) {
    PuzzleFolderScan scan;
    FolderFiles files(folder);
    auto bytes = std::make_unique<RecordBytes>();
    // A file that vanished or cannot be read is passed over; only a failing listing ends it.
    while (const char* name = files.Next()) {
        if (IsPuzzleFileName(name) && files.ReadParts(RowParts, *bytes) &&
            IsGamePuzzleRecord(*bytes))
            scan.Rows.push_back(RowOf(name, *bytes));
    }
    scan.BytesRead = files.BytesRead();
    MarkSolved(scan.Rows, registry);
    return scan;
}

std::string PuzzleLocation(std::string_view folderText, std::string_view fileName) {
    std::string location(folderText);
    location += static_cast<char>(std::filesystem::path::preferred_separator);
    location += fileName;
    return location;
}
