// The XML puzzle reader: a file is refused with a reason, or gives clues that fit their lines,
// whose sizes are the numbers of lines, and that the ".non" writer and reader carry unchanged.
#include "clue_file_checks.h"
#include "fuzz_check.h"
#include "non_format.h"
#include "webpbn_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<ClueFile> puzzle = ParseWebpbnFile(text, error);
    if (!puzzle) {
        Require(!error.empty(), "a refusal says why");
        return 0;
    }
    const NonogramClues& clues = puzzle->Clues;
    RequireCluesFitTheirGrid(clues);
    for (const auto* table : {&clues.Rows, &clues.Columns})
        for (const std::vector<int>& runs : *table)
            for (const int run : runs)
                Require(run >= 1, "an empty line has no runs, not runs of 0");

    // Titles may hold line breaks, which ".non" cannot carry: the clues alone go across.
    ClueFile cluesOnly;
    cluesOnly.Clues = clues;
    const std::optional<ClueFile> converted = ParseNonFile(NonFileText(cluesOnly), error);
    Require(converted && converted->Clues == clues, "the clues convert to .non unchanged");
    return 0;
}
