// The editor's rules: what a new puzzle holds, what a press does, and what Open takes.
#include "editor/editor_puzzle.h"
#include "model/puzzle_file.h"
#include "base/ole_date.h"
#include "support/puzzle_pictures.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

const Guid Fresh{0xABCDEF01, 0x2345, 0x6789, {1, 2, 3, 4, 5, 6, 7, 8}};

std::vector<std::uint8_t> Encoded(const PuzzleRecord& record) {
    std::vector<std::uint8_t> bytes(PuzzleRecordSize);
    EncodePuzzleRecord(record, std::span<std::uint8_t, PuzzleRecordSize>(bytes));
    return bytes;
}

PuzzleRecord Held() {
    PuzzleRecord held = PuzzleFromPicture({"#..", ".#.", "..#"});
    held.Name.Assign("Held");
    held.Level = 4;
    return held;
}

} // namespace

TEST(EditorPuzzle, NewPuzzleIsAnEmptySixteenSquareStampedWithTheTime) {
    const double now = *OleDateFromCivil({2026, 12, 6, 15, 7, 42});
    const PuzzleRecord puzzle = NewEditorPuzzle({now, Fresh, "zo\xC3\xAB"});
    EXPECT_EQ(puzzle.Signature, PuzzleSignature);
    EXPECT_EQ(puzzle.PuzzleId, Fresh);
    EXPECT_EQ(puzzle.Name.Text(), "New Puzzle 061220261507");
    EXPECT_EQ(puzzle.Comments.Text(), "No comments");
    EXPECT_EQ(puzzle.Creator.Text(), "zo\xEB"); // the login name in the file's code page
    EXPECT_EQ(puzzle.Level, 0);
    EXPECT_EQ(puzzle.Width, 16);
    EXPECT_EQ(puzzle.Height, 16);
    EXPECT_EQ(puzzle.DateCreated, now);
    EXPECT_EQ(puzzle.Solution, CellGrid{});

    EXPECT_EQ(NewEditorPuzzle({now, Fresh, ""}).Creator.Text(), "Nobody");
    EXPECT_EQ(NewEditorPuzzle({now, Fresh, std::string(90, 'a')}).Creator.Text(),
              std::string(80, 'a'));
}

TEST(EditorPuzzle, PressTogglesEmptyAndFilledAndEmptiesAnyOtherValue) {
    struct Case {
        std::uint16_t Before;
        ButtonKind Button;
        std::uint16_t After;
    };
    for (const Case& press :
         {Case{0, ButtonKind::Left, 1}, Case{1, ButtonKind::Left, 0}, Case{0, ButtonKind::Right, 1},
          Case{1, ButtonKind::Right, 0}, Case{2, ButtonKind::Left, 0},
          Case{3, ButtonKind::Right, 0}, Case{0xFFFF, ButtonKind::Left, 0},
          Case{0, ButtonKind::Other, 0}, Case{3, ButtonKind::Other, 3}}) {
        CellGrid cells;
        cells.At(127, 5) = press.Before;
        EXPECT_EQ(ToggleEditorCell(cells, 127, 5, press.Button), press.Button != ButtonKind::Other);
        EXPECT_EQ(cells.At(127, 5), press.After) << press.Before;
        cells.At(127, 5) = 0;
        EXPECT_EQ(cells, CellGrid{});
    }
}

TEST(EditorPuzzle, OpenTakesAShortFileButRefusesAnotherSignatureOrSize) {
    struct Damage {
        std::size_t Offset;
        std::int32_t Value;
    };
    for (const Damage& damage :
         {Damage{0, 0x4D42}, Damage{380, 0}, Damage{384, 129}, Damage{380, -1}}) {
        std::vector<std::uint8_t> bytes = Encoded(PuzzleFromPicture({"##", "##"}));
        std::memcpy(bytes.data() + damage.Offset, &damage.Value, sizeof damage.Value);
        PuzzleRecord into = Held();
        EXPECT_EQ(OverlayOpenedPuzzle(bytes, into), FileReadStatus::Corrupted) << damage.Offset;
        EXPECT_EQ(into, Held());
    }
    // A short file replaces only the start of the record: here signature, identity and name.
    PuzzleRecord other = PuzzleFromPicture({"#"});
    other.Name.Assign("Short");
    std::vector<std::uint8_t> bytes = Encoded(other);
    bytes.resize(200);
    PuzzleRecord into = Held();
    ASSERT_EQ(OverlayOpenedPuzzle(bytes, into), FileReadStatus::Ok);
    PuzzleRecord expected = Held();
    expected.Name.Assign("Short");
    EXPECT_EQ(into, expected);
}

// An empty file, or one cut inside its signature, overlaid the editor's own signature and so
// passed the test it never took.
TEST(EditorPuzzle, OpenRefusesAFileTooShortToHoldItsSignature) {
    const std::vector<std::uint8_t> whole = Encoded(PuzzleFromPicture({"#"}));
    for (const std::size_t size : {std::size_t{0}, std::size_t{15}}) {
        PuzzleRecord into = Held();
        EXPECT_EQ(OverlayOpenedPuzzle(std::span(whole).first(size), into),
                  FileReadStatus::Corrupted)
            << size;
        EXPECT_EQ(into, Held());
    }
}
