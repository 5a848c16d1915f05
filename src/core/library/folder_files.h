// The entries of one folder, listed and read in place as cheaply as the system allows. Used by the
// puzzle folder scan, which reads a few hundred bytes of thousands of files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

struct FilePart {
    std::size_t Offset;
    std::size_t Size;
};

class FolderFiles {
public:
    // A folder that cannot be listed lists nothing.
    explicit FolderFiles(const std::filesystem::path& folder);
    ~FolderFiles();
    FolderFiles(const FolderFiles&) = delete;
    FolderFiles& operator=(const FolderFiles&) = delete;

    // The next entry's name in UTF-8, null at the end of the listing.
    const char* Next();

    // Reads each part of the entry last listed into the bytes at the part's own offset, when the
    // entry is a regular file, or a link to one. True when every part was read whole; BytesRead
    // counts what was read either way.
    bool ReadParts(std::span<const FilePart> parts, std::span<std::uint8_t> bytes);

    std::uintmax_t BytesRead() const { return BytesRead_; }

private:
    struct Listing;
    std::unique_ptr<Listing> Listing_;
    std::uintmax_t BytesRead_ = 0;
};
