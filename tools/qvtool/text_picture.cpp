// Reading and writing pictures drawn as text.
#include "text_picture.h"

#include "base/text.h"
#include "model/bounds.h"
#include "text_lines.h"

#include <algorithm>
#include <cctype>

std::string TextPicture::Field(std::string_view key) const {
    for (const auto& [name, value] : Header)
        if (name == key)
            return value;
    return {};
}

namespace {

bool IsPictureRow(std::string_view line) {
    return line.find_first_not_of("#.") == std::string_view::npos;
}

} // namespace

std::optional<TextPicture> ParseTextPicture(std::string_view text, std::string& error) {
    TextPicture result;
    std::vector<std::string_view> rows;
    int lineNumber = 0;
    for (const std::string_view rawLine : SplitLines(text)) {
        ++lineNumber;
        const std::string_view line = TrimSpaces(rawLine);
        if (line.empty())
            continue;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (IsPictureRow(line)) {
            if (!rows.empty() && line.size() != rows.front().size()) {
                error = where + "the row is " + std::to_string(line.size()) +
                        " cells wide, the first one " + std::to_string(rows.front().size());
                return std::nullopt;
            }
            if (line.size() > static_cast<std::size_t>(MaxGridSide)) {
                error = where + "the row is wider than " + std::to_string(MaxGridSide) + " cells";
                return std::nullopt;
            }
            if (rows.size() == static_cast<std::size_t>(MaxGridSide)) {
                error =
                    where + "the picture is taller than " + std::to_string(MaxGridSide) + " rows";
                return std::nullopt;
            }
            rows.push_back(line);
            continue;
        }
        const std::size_t colon = line.find(':');
        if (!rows.empty() || colon == std::string_view::npos || colon == 0) {
            error = where + "expected a row of '#' and '.'" +
                    (rows.empty() ? std::string(" or a \"key: value\" line") : std::string());
            return std::nullopt;
        }
        result.Header.emplace_back(AsciiLowerCase(TrimSpaces(line.substr(0, colon))),
                                   std::string(TrimSpaces(line.substr(colon + 1))));
    }
    if (rows.empty()) {
        error = "the picture has no rows";
        return std::nullopt;
    }
    result.Image =
        Picture::Blank(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int y = 0; y < result.Image.Height; ++y)
        for (int x = 0; x < result.Image.Width; ++x)
            result.Image.Set(x, y,
                             rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#');
    return result;
}

std::string PictureRowsText(const Picture& picture) {
    std::string text;
    text.reserve(static_cast<std::size_t>(picture.Width + 1) * picture.Height);
    for (int y = 0; y < picture.Height; ++y) {
        for (int x = 0; x < picture.Width; ++x)
            text += picture.Filled(x, y) ? '#' : '.';
        text += '\n';
    }
    return text;
}
