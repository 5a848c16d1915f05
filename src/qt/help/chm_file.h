// A compiled help file (CHM) opened with chmlib: the files inside it, read by name.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct chmFile;

class ChmFile {
public:
    // None when the file is missing or is not a help file chmlib can open.
    static std::unique_ptr<ChmFile> Open(const std::filesystem::path& file);

    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    // The files inside whose names end in the suffix, compared without regard to case, in name
    // order ("/Quorvane.hhc" for ".hhc").
    std::vector<std::string> NamesEndingIn(std::string_view suffix) const;

    // The bytes of the file inside at the path ("/index.html"); none when it is not there or
    // cannot be read whole.
    std::optional<std::string> Read(const std::string& name) const;

private:
    explicit ChmFile(chmFile* file) : File(file) {}

    chmFile* File;
};
