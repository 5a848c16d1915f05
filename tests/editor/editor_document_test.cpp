// The editor's document: when it saves and under which identity, what a refused file or picture
// leaves, which presses it takes, and how long a check's outlines last.
#include "editor/editor_document.h"
#include "editor/editor_grid.h"
#include "model/puzzle_file.h"
#include "support/puzzle_pictures.h"
#include "support/temp_folder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const Guid NewId{7, 0, 0, {}};
const PuzzleCheckResult TwoDiffer{CheckVerdict::Several, {{0, 1}, {1, 0}}};

// A document showing a 3 x 2 picture, as the information dialog of New gave it.
EditorDocument Drawn() {
    EditorDocument document;
    document.TakeNewPuzzle(PuzzleFromPicture({".#.", "###"}));
    return document;
}

// A document whose last check left outlines.
EditorDocument Outlined() {
    EditorDocument document = Drawn();
    document.StartCheck();
    document.TakeCheckResult(TwoDiffer);
    return document;
}

} // namespace

TEST(EditorDocument, SavesOnlyAShownGridAndAsksANameForSaveAsOrBeforeTheFirstSave) {
    using Mode = EditorDocument::SaveMode;
    TempFolder folder;
    EditorDocument document;
    EXPECT_EQ(document.SaveTarget(Mode::Save), std::nullopt);
    EXPECT_FALSE(document.SaveUnder(folder / "hidden.qvf", NewId).Accepted);
    EXPECT_FALSE(std::filesystem::exists(folder / "hidden.qvf"));

    document = Drawn();
    EXPECT_EQ(document.SaveTarget(Mode::Save), std::filesystem::path());
    ASSERT_TRUE(document.SaveUnder(folder / "a.qvf", NewId).CaptionChanged);
    EXPECT_EQ(document.SaveTarget(Mode::Save), folder / "a.qvf");
    EXPECT_EQ(document.SaveTarget(Mode::SaveAs), std::filesystem::path());

    // A new opening hides the grid and forgets the file.
    const EditorChange shown = document.EditorShown();
    EXPECT_TRUE(shown.GridHidden && shown.CaptionChanged && shown.CommandsChanged);
    EXPECT_EQ(document.SaveTarget(Mode::SaveAs), std::nullopt);
    EXPECT_EQ(document.FileName(), std::filesystem::path());
}

TEST(EditorDocument, SaveTakesTheNewIdentityAndNameOnlyOnceTheFileIsWritten) {
    TempFolder folder;
    EditorDocument document = Drawn();
    const PuzzleRecord before = document.Record();
    const EditorChange failed = document.SaveUnder(folder / "missing" / "a.qvf", NewId);
    EXPECT_FALSE(failed.Accepted);
    EXPECT_FALSE(failed.Failure.empty());
    EXPECT_EQ(document.Record(), before);
    EXPECT_EQ(document.FileName(), std::filesystem::path());

    ASSERT_TRUE(document.SaveUnder(folder / "a.qvf", NewId).Accepted);
    PuzzleRecord written;
    ASSERT_EQ(ReadGamePuzzleFile(folder / "a.qvf", written), FileReadStatus::Ok);
    EXPECT_EQ(written.PuzzleId, NewId);
    EXPECT_EQ(written, document.Record());
    EXPECT_EQ(document.FileName(), folder / "a.qvf");
}

TEST(EditorDocument, RefusedFileOrPictureKeepsTheRecordAndSaysWhy) {
    TempFolder folder;
    const std::filesystem::path damaged = folder / "notes.qvf";
    WriteBytes(damaged, std::vector<std::uint8_t>(40, 'x'));
    EditorDocument document = Outlined();
    ASSERT_TRUE(document.SaveUnder(folder / "kept.qvf", NewId).Accepted);
    const PuzzleRecord before = document.Record();

    const std::vector<std::function<EditorChange()>> refused = {
        [&] { return document.OpenFile(damaged); },
        [&] { return document.OpenFile(folder / "absent.qvf"); },
        [&] {
            return document.ImportPicture({129, 1, std::vector<std::uint32_t>(129, 0)});
        },
    };
    for (const auto& operation : refused) {
        const EditorChange change = operation();
        EXPECT_FALSE(change.Accepted);
        EXPECT_FALSE(change.Failure.empty());
        EXPECT_EQ(document.Record(), before);
        EXPECT_EQ(document.FileName(), folder / "kept.qvf");
        EXPECT_EQ(document.Outlined(), TwoDiffer.Differences);
    }
    EXPECT_EQ(document.OpenFile(damaged).Failure,
              FileReadMessage(FileReadStatus::Corrupted, damaged.string()));

    const EditorChange opened = document.OpenFile(folder / "kept.qvf");
    EXPECT_TRUE(opened.GridRedrawn && opened.CaptionChanged && opened.CommandsChanged);
    EXPECT_EQ(document.FileName(), folder / "kept.qvf");
}

TEST(EditorDocument, PressTogglesOnlyCellsOfTheShownPicture) {
    EditorDocument hidden;
    hidden.TakeNewPuzzle(PuzzleFromPicture({"#"}));
    hidden.EditorShown();
    EXPECT_FALSE(hidden.Press(0, 0, ButtonKind::Left).Accepted);

    EditorDocument document = Drawn();
    for (const CellPos outside : {CellPos{3, 0}, CellPos{0, 2}, CellPos{-1, 0}, CellPos{0, -1}})
        EXPECT_FALSE(document.Press(outside.Col, outside.Row, ButtonKind::Left).Accepted);
    EXPECT_FALSE(document.Press(0, 0, ButtonKind::Other).Accepted);
    EXPECT_EQ(document.Record(), PuzzleFromPicture({".#.", "###"}));

    const EditorChange pressed = document.Press(2, 1, ButtonKind::Right);
    EXPECT_EQ(pressed.Cell, (CellPos{2, 1}));
    EXPECT_FALSE(pressed.GridRedrawn);
    EXPECT_EQ(document.Record(), PuzzleFromPicture({".#.", "##."}));
}

TEST(EditorDocument, EveryChangeOfThePictureEndsTheOutlines) {
    TempFolder folder;
    WritePuzzleFile(folder / "other.qvf", PuzzleFromPicture({"##"}));
    PixelPicture dot{2, 2, {0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}};
    const std::vector<std::function<EditorChange(EditorDocument&)>> changes = {
        [](EditorDocument& d) { return d.Press(0, 0, ButtonKind::Left); },
        [](EditorDocument& d) { return d.Clear(); },
        [&](EditorDocument& d) { return d.ImportPicture(dot); },
        [](EditorDocument& d) { return d.TakeInformation(d.Record()); },
        [&](EditorDocument& d) { return d.OpenFile(folder / "other.qvf"); },
        [](EditorDocument& d) { return d.TakeNewPuzzle(PuzzleFromPicture({"#"})); },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        EditorDocument document = Outlined();
        ASSERT_EQ(document.Outlined(), TwoDiffer.Differences);
        EXPECT_TRUE(changes[i](document).OutlinesChanged) << i;
        EXPECT_TRUE(document.Outlined().empty()) << i;
    }
    // A record with a size no grid has is refused whole.
    EditorDocument document = Outlined();
    PuzzleRecord tooWide = document.Record();
    tooWide.Width = 129;
    EXPECT_FALSE(document.TakeInformation(tooWide).Accepted);
    EXPECT_EQ(document.Record(), PuzzleFromPicture({".#.", "###"}));
    EXPECT_EQ(document.Outlined(), TwoDiffer.Differences);
}

// A puzzle newly made or opened starts at the grid's top-left corner; a change of the one shown
// leaves the grid scrolled where it was.
TEST(EditorDocument, OnlyANewOrOpenedPuzzleReplacesTheOneShown) {
    TempFolder folder;
    WritePuzzleFile(folder / "other.qvf", PuzzleFromPicture({"##"}));
    PixelPicture dot{2, 2, {0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}};
    EditorDocument document = Drawn();
    EXPECT_TRUE(document.OpenFile(folder / "other.qvf").PuzzleReplaced);
    EXPECT_TRUE(document.TakeNewPuzzle(PuzzleFromPicture({"#."})).PuzzleReplaced);
    EXPECT_FALSE(document.Press(0, 0, ButtonKind::Left).PuzzleReplaced);
    EXPECT_FALSE(document.Clear().PuzzleReplaced);
    EXPECT_FALSE(document.ImportPicture(dot).PuzzleReplaced);
    EXPECT_FALSE(document.TakeInformation(document.Record()).PuzzleReplaced);
    EXPECT_FALSE(document.OpenFile(folder / "missing.qvf").PuzzleReplaced);
}

TEST(EditorDocument, TheFirstOutlinedCellIsTheOneBroughtIntoSight) {
    const EditorDocument document = Outlined();
    const CellPitch small = PitchOf(BoardSize::Small);
    // (0, 1): the first column, the second row of 14-pixel cells.
    EXPECT_EQ(FirstOutlineBox(document.Record(), small, document.Outlined()),
              (PixelRect{0, 14, 15, 28}));
    EXPECT_TRUE(FirstOutlineBox(document.Record(), small, {}).Empty());
}

TEST(EditorDocument, OutlinesAreTakenOnlyForThePictureTheLastCheckRead) {
    EditorDocument document = Drawn();
    EXPECT_FALSE(document.TakeCheckResult(TwoDiffer).Accepted); // no check started

    ASSERT_TRUE(document.StartCheck().Accepted);
    document.Press(0, 0, ButtonKind::Left);
    EXPECT_FALSE(document.TakeCheckResult(TwoDiffer).Accepted);
    EXPECT_TRUE(document.Outlined().empty());

    ASSERT_TRUE(document.StartCheck().Accepted);
    EXPECT_TRUE(document.TakeCheckResult(TwoDiffer).OutlinesChanged);
    EXPECT_EQ(document.Outlined(), TwoDiffer.Differences);
    EXPECT_FALSE(document.TakeCheckResult({CheckVerdict::Several, {{2, 0}}}).Accepted);
    EXPECT_EQ(document.Outlined(), TwoDiffer.Differences);

    // Nor for a grid since hidden, and nothing is checked while none is shown.
    ASSERT_TRUE(document.StartCheck().Accepted);
    document.EditorShown();
    EXPECT_FALSE(document.TakeCheckResult(TwoDiffer).Accepted);
    EXPECT_TRUE(document.Outlined().empty());
    EXPECT_FALSE(document.StartCheck().Accepted);
}
