// Reading and writing the ".non" clue format.
#include "non_format.h"

#include "model/bounds.h"
#include "text_lines.h"

#include <algorithm>

namespace {

// The key is the first word; the value is the rest of the line without surrounding quotes.
struct KeyLine {
    std::string_view Key;
    std::string_view Value;
};

KeyLine SplitKeyLine(std::string_view line) {
    const std::size_t space = line.find_first_of(" \t");
    if (space == std::string_view::npos)
        return {line, {}};
    std::string_view value = TrimSpaces(line.substr(space));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return {line.substr(0, space), value};
}

// One line's runs: "0", nothing, or numbers 1..length separated by commas or spaces.
std::optional<std::vector<int>> ParseRuns(std::string_view text, std::string& error) {
    std::vector<int> runs;
    text = TrimSpaces(text);
    if (text.empty() || text == "0")
        return runs;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(", \t", start), text.size());
        const std::string_view word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty())
            continue;
        const auto run = ParseNumber(word, 1, MaxGridSide);
        if (!run) {
            error =
                QuotedForMessage(word) + " is no run length of 1.." + std::to_string(MaxGridSide);
            return std::nullopt;
        }
        runs.push_back(*run);
    }
    return runs;
}

std::optional<Picture> ParseGoal(std::string_view text, int width, int height, std::string& error) {
    if (text.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) ||
        text.find_first_not_of("01") != std::string_view::npos) {
        error = "the goal must be " + std::to_string(width * height) + " digits 0 or 1";
        return std::nullopt;
    }
    Picture goal = Picture::Blank(width, height);
    for (std::size_t i = 0; i < text.size(); ++i)
        goal.Cells[i] = text[i] == '1';
    return goal;
}

std::string RunsText(const std::vector<int>& runs) {
    if (runs.empty())
        return "0";
    std::string text;
    for (const int run : runs) {
        if (!text.empty())
            text += ',';
        text += std::to_string(run);
    }
    return text;
}

} // namespace

std::optional<ClueFile> ParseNonFile(std::string_view text, std::string& error) {
    if (text.find('\0') != std::string_view::npos) {
        error = "this is not a text file";
        return std::nullopt;
    }
    ClueFile puzzle;
    NonogramClues& clues = puzzle.Clues;
    std::string_view goalText;
    bool hasRows = false;
    bool hasColumns = false;
    const std::vector<std::string_view> lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string where = "line " + std::to_string(i + 1) + ": ";
        const std::string_view line = TrimSpaces(lines[i]);
        if (line.empty() || line.front() == '#')
            continue;
        const auto [key, value] = SplitKeyLine(line);
        if (key == "width" || key == "height") {
            const auto side = ParseNumber(value, 1, MaxGridSide);
            if (!side) {
                error = where + "the " + std::string(key) + " must be a number of 1.." +
                        std::to_string(MaxGridSide);
                return std::nullopt;
            }
            // A size after its lines would leave a table of another length than the size says.
            if (key == "width" ? hasColumns : hasRows) {
                error = where + "the " + std::string(key) + " must come before the " +
                        (key == "width" ? "columns" : "rows");
                return std::nullopt;
            }
            (key == "width" ? clues.Width : clues.Height) = *side;
        } else if (key == "rows" || key == "columns") {
            const bool rows = key == "rows";
            const int count = rows ? clues.Height : clues.Width;
            if (count == 0) {
                error = where + "the " + (rows ? "height" : "width") + " must come before the " +
                        std::string(key);
                return std::nullopt;
            }
            if (rows ? hasRows : hasColumns) {
                error = where + "the " + std::string(key) + " are given twice";
                return std::nullopt;
            }
            if (lines.size() - i - 1 < static_cast<std::size_t>(count)) {
                error = where + "fewer than " + std::to_string(count) + " lines follow";
                return std::nullopt;
            }
            std::vector<std::vector<int>>& table = rows ? clues.Rows : clues.Columns;
            for (int n = 0; n < count; ++n) {
                std::string runError;
                auto runs = ParseRuns(lines[++i], runError);
                if (!runs) {
                    error = "line " + std::to_string(i + 1) + ": " + runError;
                    return std::nullopt;
                }
                table.push_back(std::move(*runs));
            }
            (rows ? hasRows : hasColumns) = true;
        } else if (key == "title") {
            puzzle.Title = std::string(value);
        } else if (key == "by") {
            puzzle.Author = std::string(value);
        } else if (key == "goal") {
            goalText = value;
        }
    }
    if (!hasRows || !hasColumns) {
        error = std::string("the file has no ") + (hasRows ? "columns" : "rows") +
                " section; is it a .non clue file?";
        return std::nullopt;
    }
    error = OverlongClueLine(clues);
    if (!error.empty())
        return std::nullopt;
    if (!goalText.empty()) {
        puzzle.Goal = ParseGoal(goalText, clues.Width, clues.Height, error);
        if (!puzzle.Goal)
            return std::nullopt;
    }
    return puzzle;
}

std::string NonFileText(const ClueFile& puzzle) {
    std::string text;
    if (!puzzle.Title.empty())
        text += "title \"" + puzzle.Title + "\"\n";
    if (!puzzle.Author.empty())
        text += "by \"" + puzzle.Author + "\"\n";
    text += "width " + std::to_string(puzzle.Clues.Width) + "\n";
    text += "height " + std::to_string(puzzle.Clues.Height) + "\n\nrows\n";
    for (const auto& runs : puzzle.Clues.Rows)
        text += RunsText(runs) + "\n";
    text += "\ncolumns\n";
    for (const auto& runs : puzzle.Clues.Columns)
        text += RunsText(runs) + "\n";
    if (puzzle.Goal) {
        text += "\ngoal \"";
        for (const std::uint8_t cell : puzzle.Goal->Cells)
            text += cell ? '1' : '0';
        text += "\"\n";
    }
    return text;
}
