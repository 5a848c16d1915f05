// Reading the XML puzzle format of the web puzzle collections.
#include "webpbn_format.h"

#include "model/bounds.h"
#include "text_lines.h"
#include "xml_tokens.h"

namespace {

using Kind = XmlToken::Kind;

// Where the reader is inside the first <puzzle>.
struct ReaderState {
    std::vector<std::vector<int>>* Table = nullptr; // the <clues> being read
    bool InLine = false;
    bool InCount = false;
    std::string* TextField = nullptr; // <title> or <author>
    std::string DefaultColour = "black";
};

bool ReadToken(const XmlToken& token, ClueFile& puzzle, ReaderState& state, std::string& error) {
    NonogramClues& clues = puzzle.Clues;
    if (token.Type == Kind::Text) {
        if (state.InCount) {
            const auto run = ParseNumber(TrimSpaces(token.Text), 0, MaxGridSide);
            if (!run) {
                error = QuotedForMessage(TrimSpaces(token.Text)) + " is no run length of 1.." +
                        std::to_string(MaxGridSide);
                return false;
            }
            // A count of 0 is how some files write an empty line.
            if (*run > 0)
                state.Table->back().push_back(*run);
        } else if (state.TextField) {
            *state.TextField += token.Text;
        }
        return true;
    }
    const bool open = token.Type == Kind::Open;
    if (token.Name == "puzzle" && open) {
        const std::string type = token.Attribute("type");
        if (!type.empty() && type != "grid") {
            error = "only grid puzzles can be imported, not " + QuotedForMessage(type);
            return false;
        }
        if (!token.Attribute("defaultcolor").empty())
            state.DefaultColour = token.Attribute("defaultcolor");
    } else if (token.Name == "clues") {
        const std::string type = token.Attribute("type");
        state.Table = !open               ? nullptr
                      : type == "rows"    ? &clues.Rows
                      : type == "columns" ? &clues.Columns
                                          : nullptr;
        state.InLine = state.InCount = false;
        if (open && !state.Table) {
            error = "<clues> of an unknown type " + QuotedForMessage(type);
            return false;
        }
        if (state.Table && !state.Table->empty()) {
            error = "the " + type + " are given twice";
            return false;
        }
    } else if (token.Name == "line" && state.Table) {
        state.InLine = open && !token.SelfClosing;
        if (open) {
            if (state.Table->size() == static_cast<std::size_t>(MaxGridSide)) {
                error = "more than " + std::to_string(MaxGridSide) + " lines of clues";
                return false;
            }
            state.Table->emplace_back();
        }
    } else if (token.Name == "count" && state.InLine) {
        state.InCount = open && !token.SelfClosing;
        const std::string colour = token.Attribute("color");
        if (open && !colour.empty() && colour != state.DefaultColour) {
            error = "puzzles in more than one colour cannot be imported";
            return false;
        }
    } else if (token.Name == "title" || token.Name == "author") {
        state.TextField = open ? (token.Name == "title" ? &puzzle.Title : &puzzle.Author) : nullptr;
        if (open && !token.SelfClosing)
            state.TextField->clear();
        else
            state.TextField = nullptr;
    }
    return true;
}

} // namespace

std::optional<ClueFile> ParseWebpbnFile(std::string_view text, std::string& error) {
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (text.find('\0') != std::string_view::npos || start == std::string_view::npos ||
        (text[start] != '<' && !text.substr(start).starts_with("\xEF\xBB\xBF<"))) {
        error = "this is not an XML file";
        return std::nullopt;
    }
    const auto tokens = TokenizeXml(text, error);
    if (!tokens)
        return std::nullopt;
    ClueFile puzzle;
    ReaderState state;
    bool inPuzzle = false;
    for (const XmlToken& token : *tokens) {
        if (token.Name == "puzzle") {
            if (token.Type == Kind::Close)
                break; // only the first puzzle of a set is read
            inPuzzle = true;
        }
        if (inPuzzle && !ReadToken(token, puzzle, state, error))
            return std::nullopt;
    }
    if (!inPuzzle || puzzle.Clues.Rows.empty() || puzzle.Clues.Columns.empty()) {
        error = "no <puzzle> with row and column <clues> found";
        return std::nullopt;
    }
    puzzle.Clues.Width = static_cast<int>(puzzle.Clues.Columns.size());
    puzzle.Clues.Height = static_cast<int>(puzzle.Clues.Rows.size());
    error = OverlongClueLine(puzzle.Clues);
    if (!error.empty())
        return std::nullopt;
    return puzzle;
}
