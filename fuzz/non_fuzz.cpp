// The ".non" reader: a file is refused with a reason, or gives clues that fit their lines and
// write out as text that reads back the same and writes out byte for byte again.
#include "clue_file_checks.h"
#include "fuzz_check.h"
#include "non_format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string error;
    const std::optional<ClueFile> puzzle = ParseNonFile(text, error);
    if (!puzzle) {
        Require(!error.empty(), "a refusal says why");
        return 0;
    }
    const NonogramClues& clues = puzzle->Clues;
    RequireCluesFitTheirGrid(clues);
    Require(
        !puzzle->Goal ||
            (puzzle->Goal->Width == clues.Width && puzzle->Goal->Height == clues.Height &&
             puzzle->Goal->Cells.size() == static_cast<std::size_t>(clues.Width * clues.Height)),
        "a goal has the puzzle's size");

    const std::string written = NonFileText(*puzzle);
    const std::optional<ClueFile> again = ParseNonFile(written, error);
    Require(again && again->Clues == clues && again->Goal == puzzle->Goal &&
                again->Title == puzzle->Title && again->Author == puzzle->Author,
            "written text reads back the same puzzle");
    Require(NonFileText(*again) == written, "the puzzle writes out the same text again");
    return 0;
}
