// qvtool generate: a random puzzle that can be solved line by line.
#include "command.h"
#include "model/bounds.h"
#include "puzzle_options.h"
#include "tool_error.h"
#include "tool_files.h"

#include <climits>
#include <random>

namespace {

// The density is drawn from the generator's own bits, so a seed gives the same puzzle with
// every standard library.
Picture RandomPicture(int width, int height, int densityPercent, std::mt19937_64& random) {
    Picture picture = Picture::Blank(width, height);
    for (auto& cell : picture.Cells)
        cell = random() % 100 < static_cast<std::uint64_t>(densityPercent);
    return picture;
}

int RunGenerate(const ToolArguments& arguments, std::ostream& out) {
    arguments.ExpectPositional(1, 1);
    if (!arguments.Has("width") || !arguments.Has("height"))
        throw ToolError("generate needs --width and --height");
    const int width = arguments.Number("width", 1, MaxGridSide, 0);
    const int height = arguments.Number("height", 1, MaxGridSide, 0);
    const int density = arguments.Number("density", 1, 99, 60);
    const int attempts = arguments.Number("attempts", 1, 100000, 1000);
    const int seed =
        arguments.Number("seed", 0, INT_MAX, static_cast<int>(std::random_device()() & INT_MAX));
    std::mt19937_64 random(static_cast<std::uint64_t>(seed));
    // Pictures that need guessing are of no use, so the search gets no budget at all.
    const SolveBudget lineSolvingOnly{0};
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const Picture picture = RandomPicture(width, height, density, random);
        const SolveReport report = SolvePuzzle(CluesOf(picture), lineSolvingOnly);
        if (report.Outcome != Verdict::UniqueByLines)
            continue;
        const std::string name = "Random " + std::to_string(width) + " x " +
                                 std::to_string(height) + " #" + std::to_string(seed);
        const PuzzleRecord record =
            NewPuzzle(picture, arguments, {name, "qvtool", "", "", "auto"}, report);
        WritePuzzle(arguments.PathAt(0), record);
        out << WrittenSummary(arguments.PathAt(0), record) << ", seed " << seed << ", attempt "
            << attempt + 1 << '\n';
        return 0;
    }
    throw ToolError("no picture of " + std::to_string(attempts) +
                    " tries was solvable line by line with a unique solution; try another "
                    "--density, --seed or more --attempts");
}

constexpr OptionSpec Options[] = {{"width"}, {"height"},  {"density"},  {"seed"},  {"attempts"},
                                  {"name"},  {"creator"}, {"comments"}, {"level"}, {"id"}};

} // namespace

const Command GenerateCommand{"generate", "make a random puzzle that is solvable line by line",
                              R"(usage: qvtool generate OUTPUT.qvf --width W --height H [options]

Draws random pictures until one has a unique solution that line solving alone
finds, and writes it as a puzzle file.

options:
  --width W, --height H  the size, 1..128 each
  --density P            the share of filled cells in percent, 1..99 (default 60)
  --seed N               0..2147483647; the same seed gives the same puzzle
                         (default: a random seed, which is printed)
  --attempts N           how many pictures to try before giving up, 1..100000
                         (default 1000)
  --name, --creator, --comments, --level, --id  as for qvtool make
                         (default level: auto)
)",
                              Options, RunGenerate};
