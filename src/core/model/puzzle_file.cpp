#include "model/puzzle_file.h"

#include "base/atomic_file.h"
#include "base/byte_layout.h"
#include "model/puzzle_layout.h"

#include <algorithm>
#include <array>

namespace {

namespace Offset = PuzzleOffset;

using Bytes = std::span<std::uint8_t, PuzzleRecordSize>;
using ConstBytes = std::span<const std::uint8_t, PuzzleRecordSize>;

template <std::size_t Capacity>
void PutString(Bytes bytes, std::size_t offset, const ShortString<Capacity>& text) {
    bytes[offset] = text.Length;
    ByteLayout::PutArray(bytes, offset + 1, text.Chars);
}

template <std::size_t Capacity>
void GetString(ConstBytes bytes, std::size_t offset, ShortString<Capacity>& text) {
    text.Length = bytes[offset];
    ByteLayout::GetArray(bytes, offset + 1, text.Chars);
}

Guid GetGuid(ConstBytes bytes, std::size_t offset) {
    return Guid::FromBytes(bytes.subspan(offset).first<Guid::ByteSize>());
}

} // namespace

void EncodePuzzleRecord(const PuzzleRecord& record, Bytes bytes) {
    record.Signature.ToBytes(bytes.subspan(Offset::Signature).first<Guid::ByteSize>());
    record.PuzzleId.ToBytes(bytes.subspan(Offset::PuzzleId).first<Guid::ByteSize>());
    PutString(bytes, Offset::Name, record.Name);
    PutString(bytes, Offset::Comments, record.Comments);
    ByteLayout::PutArray(bytes, Offset::ReservedAfterComments, record.ReservedAfterComments);
    ByteLayout::Put(bytes, Offset::Level, record.Level);
    ByteLayout::Put(bytes, Offset::Width, record.Width);
    ByteLayout::Put(bytes, Offset::Height, record.Height);
    ByteLayout::PutArray(bytes, Offset::Solution, record.Solution.Cells);
    PutString(bytes, Offset::Creator, record.Creator);
    ByteLayout::PutArray(bytes, Offset::ReservedAfterCreator, record.ReservedAfterCreator);
    ByteLayout::Put(bytes, Offset::DateCreated, record.DateCreated);
}

PuzzleRecord DecodePuzzleRecord(ConstBytes bytes) {
    PuzzleRecord record;
    record.Signature = GetGuid(bytes, Offset::Signature);
    record.PuzzleId = GetGuid(bytes, Offset::PuzzleId);
    GetString(bytes, Offset::Name, record.Name);
    GetString(bytes, Offset::Comments, record.Comments);
    ByteLayout::GetArray(bytes, Offset::ReservedAfterComments, record.ReservedAfterComments);
    record.Level = ByteLayout::Get<std::int32_t>(bytes, Offset::Level);
    record.Width = ByteLayout::Get<std::int32_t>(bytes, Offset::Width);
    record.Height = ByteLayout::Get<std::int32_t>(bytes, Offset::Height);
    ByteLayout::GetArray(bytes, Offset::Solution, record.Solution.Cells);
    GetString(bytes, Offset::Creator, record.Creator);
    ByteLayout::GetArray(bytes, Offset::ReservedAfterCreator, record.ReservedAfterCreator);
    record.DateCreated = ByteLayout::Get<double>(bytes, Offset::DateCreated);
    return record;
}

bool IsGamePuzzle(const Guid& signature, std::int32_t width, std::int32_t height,
                  std::uintmax_t fileLength) {
    return signature == PuzzleSignature && IsValidGridSide(width) && IsValidGridSide(height) &&
           fileLength >= PuzzleRecordSize;
}

FileReadStatus DecodeGamePuzzle(std::span<const std::uint8_t> content, PuzzleRecord& into) {
    // A short file fails the test anyway; it is turned away first because decoding needs a record.
    if (content.size() < PuzzleRecordSize)
        return FileReadStatus::Corrupted;
    const PuzzleRecord record = DecodePuzzleRecord(content.first<PuzzleRecordSize>());
    if (!IsGamePuzzle(record.Signature, record.Width, record.Height, content.size()))
        return FileReadStatus::Corrupted;
    into = record;
    return FileReadStatus::Ok;
}

FileReadStatus ReadGamePuzzleFile(const std::filesystem::path& path, PuzzleRecord& into) {
    const auto content = ReadFilePrefix(path, PuzzleRecordSize);
    if (!content)
        return FileReadStatus::CannotOpen;
    return DecodeGamePuzzle(*content, into);
}

std::string WritePuzzleFile(const std::filesystem::path& path, const PuzzleRecord& record) {
    std::array<std::uint8_t, PuzzleRecordSize> bytes;
    EncodePuzzleRecord(record, bytes);
    return WriteFileAtomically(path, bytes);
}
