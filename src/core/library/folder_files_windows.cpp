// A folder's entries on Windows: listed by FindFirstFileW, whose attributes tell folders and
// devices apart without opening them, and read at offsets through one handle per file.
#include "library/folder_files.h"

#include "base/path_text.h"
#include "base/windows_file.h"

#include <string>

struct FolderFiles::Listing {
    std::filesystem::path Folder;
    HANDLE Search = INVALID_HANDLE_VALUE;
    bool Started = false;
    WIN32_FIND_DATAW Found{};
    std::string Name;
};

FolderFiles::FolderFiles(const std::filesystem::path& folder)
    : Listing_(std::make_unique<Listing>()) {
    Listing_->Folder = folder;
    Listing_->Search =
        ::FindFirstFileExW((folder / L"*").c_str(), FindExInfoBasic, &Listing_->Found,
                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
}

FolderFiles::~FolderFiles() {
    if (Listing_->Search != INVALID_HANDLE_VALUE)
        ::FindClose(Listing_->Search);
}

const char* FolderFiles::Next() {
    if (Listing_->Search == INVALID_HANDLE_VALUE)
        return nullptr;
    if (Listing_->Started && !::FindNextFileW(Listing_->Search, &Listing_->Found))
        return nullptr;
    Listing_->Started = true;
    Listing_->Name = PathText(Listing_->Found.cFileName);
    return Listing_->Name.c_str();
}

bool FolderFiles::ReadParts(std::span<const FilePart> parts, std::span<std::uint8_t> bytes) {
    constexpr DWORD NotFiles = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE;
    if ((Listing_->Found.dwFileAttributes & NotFiles) != 0)
        return false;
    const OpenedFile file(Listing_->Folder / Listing_->Found.cFileName, GENERIC_READ,
                          FILE_ATTRIBUTE_NORMAL);
    if (file.Handle == INVALID_HANDLE_VALUE || ::GetFileType(file.Handle) != FILE_TYPE_DISK)
        return false;
    for (const FilePart& part : parts) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(part.Offset);
        DWORD read = 0;
        if (!::ReadFile(file.Handle, bytes.data() + part.Offset, static_cast<DWORD>(part.Size),
                        &read, &at) &&
            ::GetLastError() != ERROR_HANDLE_EOF)
            return false;
        BytesRead_ += read;
        if (read != part.Size)
            return false;
    }
    return true;
}
