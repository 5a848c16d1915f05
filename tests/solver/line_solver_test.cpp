// The line solver and its fit check against hand-made lines and against every arrangement of
// random short lines.
#include "solver/line_solver.h"
#include "solver/nonogram.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// Lines are written as text: '#' filled, '.' empty, '?' unknown.
std::vector<LineCell> LineFromText(const std::string& text) {
    std::vector<LineCell> cells;
    for (char c : text)
        cells.push_back(c == '#'   ? LineCell::Filled
                        : c == '.' ? LineCell::Empty
                                   : LineCell::Unknown);
    return cells;
}

std::string TextOf(const std::vector<LineCell>& cells) {
    std::string text;
    for (LineCell cell : cells)
        text += cell == LineCell::Filled ? '#' : cell == LineCell::Empty ? '.' : '?';
    return text;
}

// The line solved, or nothing when the solver finds no arrangement.
std::optional<std::string> Solved(const std::vector<int>& runs, const std::string& text) {
    std::vector<LineCell> cells = LineFromText(text);
    if (!SolveLine(runs, cells))
        return std::nullopt;
    return TextOf(cells);
}

// Whether the one-sweep check finds an arrangement that keeps the known cells.
bool Fits(const std::vector<int>& runs, const std::string& text) {
    LineState line;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        if (text[i] == '#')
            line.Filled |= CellBit(i);
        else if (text[i] == '.')
            line.Empty |= CellBit(i);
    }
    return LineFits(runs, static_cast<int>(text.size()), line);
}

struct LineCase {
    std::vector<int> Runs;
    std::string Known;
    std::optional<std::string> Expected; // nothing: no arrangement fits
};

// The runs of a complete line, for the brute-force reference.
std::vector<int> RunsOfMask(unsigned mask, int length) {
    std::vector<int> runs;
    int current = 0;
    for (int i = 0; i <= length; ++i) {
        if (i < length && (mask >> i & 1U) != 0) {
            ++current;
        } else if (current > 0) {
            runs.push_back(current);
            current = 0;
        }
    }
    return runs;
}

// What every complete line with these runs that keeps the known cells agrees on.
std::optional<std::string> SolvedByEnumeration(const std::vector<int>& runs,
                                               const std::string& known) {
    const int length = static_cast<int>(known.size());
    std::optional<std::string> agreed;
    for (unsigned mask = 0; mask < 1U << length; ++mask) {
        std::string line;
        for (int i = 0; i < length; ++i)
            line += (mask >> i & 1U) != 0 ? '#' : '.';
        bool keepsKnown = true;
        for (int i = 0; i < length; ++i)
            keepsKnown = keepsKnown && (known[i] == '?' || known[i] == line[i]);
        if (!keepsKnown || RunsOfMask(mask, length) != runs)
            continue;
        if (!agreed) {
            agreed = line;
            continue;
        }
        for (int i = 0; i < length; ++i)
            if ((*agreed)[i] != line[i])
                (*agreed)[i] = '?';
    }
    return agreed;
}

// Whether some arrangement of the runs keeps the known cells, by memoised recursion over
// (position, runs placed): a check too slow for the solver but plainly right.
bool Arrangeable(const std::vector<int>& runs, const std::string& known) {
    const int length = static_cast<int>(known.size());
    const int count = static_cast<int>(runs.size());
    std::vector<int> memo((length + 1) * (count + 1), -1);
    auto fits = [&](auto& self, int position, int placed) -> bool {
        if (position >= length)
            return placed == count;
        int& seen = memo[position * (count + 1) + placed];
        if (seen >= 0)
            return seen != 0;
        bool result = known[position] != '#' && self(self, position + 1, placed);
        const int end = placed < count ? position + runs[placed] : length + 1;
        if (!result && end <= length &&
            known.find('.', position) >= static_cast<std::size_t>(end) &&
            (end == length || known[end] != '#'))
            result = self(self, end + 1, placed + 1);
        seen = result ? 1 : 0;
        return result;
    };
    return fits(fits, 0, 0);
}

} // namespace

TEST(SolveLine, HandMadeLinesGiveTheirForcedCells) {
    const std::vector<LineCase> cases = {
        {{}, "?????", "....."},
        {{5}, "?????", "#####"},
        {{3}, "?????", "??#??"},
        {{1, 1}, "???", "#.#"},
        {{2, 2}, "?????", "##.##"},
        {{1}, "????", "????"},
        {{4, 1}, "???????", "?###???"},
        {{1}, "?#???", ".#..."},
        {{2}, "#????", "##..."},
        {{3}, "??.???", "...###"},
        {{1, 2}, "????.?", "#.##.."},
        {{1, 1}, "#????", "#.???"},
        {{2, 1}, "???#?", "##.#."},
        {{1, 3}, "?????#??", "?????#??"},
        {{1}, "#", "#"},
        {{}, "", ""},
    };
    for (const LineCase& line : cases)
        EXPECT_EQ(Solved(line.Runs, line.Known), line.Expected) << line.Known;
}

TEST(SolveLine, ContradictionsAreRefused) {
    const std::vector<LineCase> cases = {
        {{}, "??#??", std::nullopt},
        {{6}, "?????", std::nullopt},
        {{2, 3}, "?????", std::nullopt},
        {{3}, "?.?.?", std::nullopt},
        {{2}, "#.#", std::nullopt},
        {{1, 1}, "##?", std::nullopt},
        {{1}, "#?#", std::nullopt},
        {{2}, "...", std::nullopt},
        {{1}, "", std::nullopt},
        {{2147483647}, "???", std::nullopt},
        {{2147483647, 2147483647}, "???", std::nullopt},
    };
    for (const LineCase& line : cases)
        EXPECT_EQ(Solved(line.Runs, line.Known), line.Expected) << line.Known;
}

TEST(SolveLine, RunsOfZeroAreAbsentAndNegativeRunsFitNothing) {
    EXPECT_EQ(Solved({0}, "???"), "...");
    EXPECT_EQ(Solved({0}, "?#?"), std::nullopt);
    EXPECT_EQ(Solved({3, 0, 1}, "?????"), "###.#");
    EXPECT_EQ(Solved({0, 0, 2}, "??"), "##");
    EXPECT_EQ(Solved({-1}, "???"), std::nullopt);
    EXPECT_EQ(Solved({2, -1}, "???"), std::nullopt);
}

// Random known cells, taken from a random complete line or not, against every complete line.
TEST(SolveLine, AgreesWithEveryArrangementOnRandomLines) {
    std::mt19937 random(20240611);
    int contradictions = 0;
    for (int round = 0; round < 3000; ++round) {
        const int length = 1 + static_cast<int>(random() % 10);
        const unsigned picture = random() & ((1U << length) - 1);
        const std::vector<int> runs = RunsOfMask(picture, length);
        const bool fromPicture = random() % 4 != 0;
        std::string known;
        for (int i = 0; i < length; ++i) {
            const bool filled = fromPicture ? (picture >> i & 1U) != 0 : random() % 2 == 0;
            known += random() % 3 == 0 ? (filled ? '#' : '.') : '?';
        }
        const std::optional<std::string> expected = SolvedByEnumeration(runs, known);
        contradictions += expected ? 0 : 1;
        EXPECT_EQ(Solved(runs, known), expected) << known;
        EXPECT_EQ(Fits(runs, known), expected.has_value()) << known;
    }
    // The rounds must also have exercised refusals, not only lines that fit.
    EXPECT_GT(contradictions, 50);
}

// Lines up to the longest, where the solver's sets span two machine words: each unknown cell is
// forced exactly when an arrangement exists with one of its values and none with the other. One
// line in four has known cells drawn at random, which mostly contradict.
TEST(SolveLine, LongLinesAgreeWithAFeasibilityCheck) {
    std::mt19937 random(128);
    int contradictions = 0;
    for (int round = 0; round < 300; ++round) {
        const int length = 50 + static_cast<int>(random() % 79);
        const int density = 30 + static_cast<int>(random() % 50);
        Picture line = Picture::Blank(length, 1);
        for (std::uint8_t& cell : line.Cells)
            cell = static_cast<int>(random() % 100) < density ? 1 : 0;
        const std::vector<int> runs = CluesOf(line).Rows[0];
        const bool fromPicture = round % 4 != 0;
        std::string known;
        for (int x = 0; x < length; ++x) {
            const bool filled = fromPicture ? line.Filled(x, 0) : random() % 2 == 0;
            known += random() % 4 == 0 ? (filled ? '#' : '.') : '?';
        }
        const std::optional<std::string> solved = Solved(runs, known);
        ASSERT_EQ(solved.has_value(), Arrangeable(runs, known)) << known;
        ASSERT_EQ(Fits(runs, known), solved.has_value()) << known;
        if (!solved) {
            ++contradictions;
            continue;
        }
        for (int i = 0; i < length; ++i) {
            if (known[i] != '?')
                continue;
            std::string filled = known;
            std::string empty = known;
            filled[i] = '#';
            empty[i] = '.';
            const bool mayFill = Arrangeable(runs, filled);
            const bool mayEmpty = Arrangeable(runs, empty);
            EXPECT_EQ((*solved)[i], mayFill && mayEmpty ? '?'
                                    : mayFill           ? '#'
                                                        : '.')
                << i << " in " << known;
        }
    }
    EXPECT_GT(contradictions, 30);
}
