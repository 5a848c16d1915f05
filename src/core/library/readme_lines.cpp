// Reading the read-me file for the about box.
#include "library/readme_lines.h"

#include "base/code_page.h"

#include <fstream>
#include <iterator>

std::vector<std::string> ReadmeLines(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    std::ifstream stream(file, std::ios::binary);
    if (!stream)
        return {};
    const std::string text =
        Utf8FromCp1252(std::string{std::istreambuf_iterator<char>(stream), {}});
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}
