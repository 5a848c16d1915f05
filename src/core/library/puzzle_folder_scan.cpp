// Scanning a folder of puzzle files for the new-game browser.
#include "library/puzzle_folder_scan.h"

#include "base/byte_layout.h"
#include "base/text.h"
#include "library/solved_records.h"
#include "model/puzzle_file.h"
#include "model/puzzle_layout.h"
#include "base/code_page.h"

#include <array>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace Offset = PuzzleOffset;

// The bytes a row and the game's test need, in two reads: the tail from Creator on, which a file
// shorter than a record cannot fill, and the head up to the solution. The head brings the
// comments along, since a few hundred bytes more cost less than a third call into the system;
// the 32 KiB solution is never read.
struct RecordPart {
    std::size_t Offset;
    std::size_t Size;
};
constexpr std::array<RecordPart, 2> RowParts{{
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

// The folder's listing and each file are reached through descriptors rather than paths: a folder
// of thousands of puzzles spends most of its scan in the system, and a path walked anew for each
// file, or a separate stat for its length, costs as much again as the open and reads themselves.
struct ClosesFolder {
    void operator()(DIR* listing) const { ::closedir(listing); }
};
using FolderListing = std::unique_ptr<DIR, ClosesFolder>;

class OpenFile {
public:
    explicit OpenFile(int descriptor) : Descriptor(descriptor) {}
    ~OpenFile() {
        if (Descriptor >= 0)
            ::close(Descriptor);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int Descriptor;
};

// A file the listing could not type, or a link, is asked whether it is a regular file; only those
// are puzzle files.
bool IsRegularFile(const dirent& entry, int descriptor) {
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

std::string ShortStringAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    const std::size_t length = std::min<std::size_t>(bytes[offset], ShortStringCapacity);
    return Utf8FromCp1252(
        std::string_view(reinterpret_cast<const char*>(bytes.data() + offset + 1), length));
}

Guid GuidAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return Guid::FromBytes(bytes.subspan(offset).first<Guid::ByteSize>());
}

// Opening without blocking keeps a pipe that bears the name from holding up the scan until
// something writes to it.
bool ReadParts(DIR& listing, const dirent& entry, RecordBytes& bytes, std::uintmax_t& bytesRead) {
    const OpenFile file(
        ::openat(::dirfd(&listing), entry.d_name, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Descriptor < 0 || !IsRegularFile(entry, file.Descriptor))
        return false;
    for (const RecordPart& part : RowParts) {
        const ssize_t read = ::pread(file.Descriptor, bytes.data() + part.Offset, part.Size,
                                     static_cast<off_t>(part.Offset));
        if (read < 0)
            return false;
        bytesRead += static_cast<std::uintmax_t>(read);
        if (static_cast<std::size_t>(read) != part.Size)
            return false;
    }
    // Every part was there, so the file holds at least a whole record.
    return IsGamePuzzle(GuidAt(bytes, Offset::Signature),
                        ByteLayout::Get<std::int32_t>(bytes, Offset::Width),
                        ByteLayout::Get<std::int32_t>(bytes, Offset::Height), PuzzleRecordSize);
}

std::optional<PuzzleFolderRow> ReadRow(DIR& listing, const dirent& entry, RecordBytes& bytes,
                                       std::uintmax_t& bytesRead) {
    if (!ReadParts(listing, entry, bytes, bytesRead))
        return std::nullopt;
    PuzzleFolderRow row;
    row.FileName = entry.d_name;
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
    const FolderListing listing(::opendir(folder.c_str()));
    if (!listing)
        return scan;
    auto bytes = std::make_unique<RecordBytes>();
    // A file that vanished or cannot be read is passed over; only a failing listing ends it.
    while (const dirent* entry = ::readdir(listing.get())) {
        if (!IsPuzzleFileName(entry->d_name))
            continue;
        if (std::optional<PuzzleFolderRow> row = ReadRow(*listing, *entry, *bytes, scan.BytesRead))
            scan.Rows.push_back(std::move(*row));
    }
    MarkSolved(scan.Rows, registry);
    return scan;
}

std::string PuzzleLocation(std::string_view folderText, std::string_view fileName) {
    std::string location(folderText);
    location += static_cast<char>(std::filesystem::path::preferred_separator);
    location += fileName;
    return location;
}
