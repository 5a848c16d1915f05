// A folder's entries on POSIX, reached through descriptors rather than paths: a folder of thousands
// of puzzles spends most of its scan in the system, and a path walked anew for each file, or a
// separate stat for its length, costs as much again as the open and reads themselves.
#include "library/folder_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct FolderFiles::Listing {
    DIR* Folder = nullptr;
    const dirent* Entry = nullptr;
};

namespace {

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

// A file the listing could not type, or a link, is asked whether it is a regular file.
bool IsRegularFile(const dirent& entry, int descriptor) {
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN)
        return false;
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

FolderFiles::FolderFiles(const std::filesystem::path& folder)
    : Listing_(std::make_unique<Listing>()) {
    Listing_->Folder = ::opendir(folder.c_str());
}

FolderFiles::~FolderFiles() {
    if (Listing_->Folder != nullptr)
        ::closedir(Listing_->Folder);
}

const char* FolderFiles::Next() {
    if (Listing_->Folder == nullptr)
        return nullptr;
    Listing_->Entry = ::readdir(Listing_->Folder);
    return Listing_->Entry != nullptr ? Listing_->Entry->d_name : nullptr;
}

// Opening without blocking keeps a pipe that bears the name from holding up the scan until
// something writes to it.
bool FolderFiles::ReadParts(std::span<const FilePart> parts, std::span<std::uint8_t> bytes) {
    const dirent& entry = *Listing_->Entry;
    const OpenFile file(::openat(::dirfd(Listing_->Folder), entry.d_name,
                                 O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (file.Descriptor < 0 || !IsRegularFile(entry, file.Descriptor))
        return false;
    for (const FilePart& part : parts) {
        const ssize_t read = ::pread(file.Descriptor, bytes.data() + part.Offset, part.Size,
                                     static_cast<off_t>(part.Offset));
        if (read < 0)
            return false;
        BytesRead_ += static_cast<std::uintmax_t>(read);
        if (static_cast<std::size_t>(read) != part.Size)
            return false;
    }
    return true;
}
