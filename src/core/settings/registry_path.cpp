// How a key path of the per-user registry splits into key names, and the names Windows allows.
#include "settings/registry_path.h"

#include "base/code_page.h"
#include "settings/registry_hive.h"

std::optional<std::vector<std::string>> SplitKeyPath(std::string_view utf8Path) {
    const std::string path = Cp1252FromUtf8(utf8Path);
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start) {
            names.push_back(path.substr(start, end - start));
            if (!IsKeyName(names.back()) || names.size() > RegistryHive::MaxDepth)
                return std::nullopt;
        }
        start = end + 1;
    }
    return names;
}

bool IsKeyName(std::string_view cp1252Name) {
    return !cp1252Name.empty() && cp1252Name.size() <= MaxKeyNameLength &&
           cp1252Name.find_first_of(std::string_view("\\\0", 2)) == std::string_view::npos;
}

bool IsValueName(std::string_view cp1252Name) {
    return cp1252Name.size() <= MaxValueNameLength &&
           cp1252Name.find('\0') == std::string_view::npos;
}
