#include "editor/puzzle_info_fields.h"

#include <algorithm>

int ShownSide(int side) {
    return std::clamp(side, PuzzleInfoField::MinSide, PuzzleInfoField::MaxSide);
}

int ShownLevel(int level) {
    return std::clamp(level, 0, PuzzleInfoField::MaxLevel);
}

std::string CommentsShown(std::string_view comments) {
    std::string shown;
    shown.reserve(comments.size());
    for (std::size_t i = 0; i < comments.size(); ++i) {
        const char c = comments[i];
        if (c != '\r' && c != '\n') {
            shown.push_back(c);
            continue;
        }
        shown += "\r\n";
        if (c == '\r' && i + 1 < comments.size() && comments[i + 1] == '\n')
            ++i;
    }
    return shown;
}
