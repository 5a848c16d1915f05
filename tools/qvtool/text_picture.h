// Pictures drawn as text: '#' a filled cell, '.' an empty one, one row per line, after optional
// "key: value" header lines.
#pragma once

#include "solver/nonogram.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TextPicture {
    std::vector<std::pair<std::string, std::string>> Header; // keys in lower case, in order
    Picture Image;

    // The value of the first header line with this key; empty when there is none.
    std::string Field(std::string_view key) const;
};

// Header lines come first; blank lines anywhere are skipped. Every row must be as wide as the
// first and both sides must lie in 1..128. Nothing, with the reason in `error`, otherwise.
std::optional<TextPicture> ParseTextPicture(std::string_view text, std::string& error);

// The picture's rows of '#' and '.', each ending with a newline.
std::string PictureRowsText(const Picture& picture);
