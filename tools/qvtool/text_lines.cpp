// Line and number helpers shared by the text formats the tool reads.
#include "text_lines.h"

#include "base/text.h"

#include <charconv>

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

std::string_view TrimSpaces(std::string_view text) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());
    return TrimmedOf(text, SpacesAndTabs);
}

std::optional<int> ParseNumber(std::string_view text, int min, int max) {
    // from_chars takes a leading minus, so a sign is refused here rather than range-checked.
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    int value = 0;
    const auto [end, code] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (code != std::errc() || end != text.data() + text.size() || value < min || value > max)
        return std::nullopt;
    return value;
}

std::string QuotedForMessage(std::string_view text) {
    constexpr std::size_t MaxShown = 24;
    std::string shown(text.substr(0, MaxShown));
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '?';
    return "\"" + shown + (text.size() > MaxShown ? "...\"" : "\"");
}
