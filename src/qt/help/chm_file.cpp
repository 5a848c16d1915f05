#include "help/chm_file.h"

#include <algorithm>
#include <cctype>
#include <chm_lib.h>

namespace {

// A damaged file can claim any length for a file inside; none of a help file's pages or pictures
// comes near this, and a claim beyond it is not worth the memory.
constexpr LONGUINT64 MaxFileLength = 64 * 1024 * 1024;

bool EndsInWithoutCase(std::string_view name, std::string_view suffix) {
    return name.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), name.end() - suffix.size(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

struct NameSearch {
    std::string_view Suffix;
    std::vector<std::string> Found;
};

int AddMatchingName(chmFile*, chmUnitInfo* unit, void* context) {
    auto* search = static_cast<NameSearch*>(context);
    if (EndsInWithoutCase(unit->path, search->Suffix))
        search->Found.emplace_back(unit->path);
    return CHM_ENUMERATOR_CONTINUE;
}

} // namespace

std::unique_ptr<ChmFile> ChmFile::Open(const std::filesystem::path& file) {
    chmFile* opened = chm_open(file.c_str());
    if (opened == nullptr)
        return nullptr;
    return std::unique_ptr<ChmFile>(new ChmFile(opened));
}

ChmFile::~ChmFile() { chm_close(File); }

std::vector<std::string> ChmFile::NamesEndingIn(std::string_view suffix) const {
    NameSearch search{suffix, {}};
    chm_enumerate(File, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, &AddMatchingName, &search);
    std::sort(search.Found.begin(), search.Found.end());
    return search.Found;
}

std::optional<std::string> ChmFile::Read(const std::string& name) const {
    chmUnitInfo unit{};
    if (chm_resolve_object(File, name.c_str(), &unit) != CHM_RESOLVE_SUCCESS ||
        unit.length > MaxFileLength)
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(unit.length), '\0');
    if (bytes.empty())
        return bytes;
    const LONGINT64 read =
        chm_retrieve_object(File, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                            static_cast<LONGINT64>(unit.length));
    if (read != static_cast<LONGINT64>(unit.length))
        return std::nullopt;
    return bytes;
}
