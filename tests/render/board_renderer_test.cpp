// The board as drawn into its image: colours by role, rules, cells, clues, and redraws of only what
// changed.
#include "support/board_scene_fixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// Ten columns, seven rows; the first row has three runs, the others fewer.
const std::vector<std::string> TenBySeven = {
    "##.#.#....", "##########", "..........", "#.........",
    ".#.#.#.#.#", "#####.....", ".........#",
};

// A redrawn box changes its pixels up to its rules on the right and below, never those left of it
// and above.
PixelRect Redrawn(const BoardGeometry& geometry, const BoardTarget& target) {
    const PixelRect box = geometry.BoxOf(target);
    return {box.Left + 1, box.Top + 1, box.Right, box.Bottom};
}

} // namespace

TEST(BoardRenderer, RulesLieInTheirColoursAndSkipTheCorner) {
    const BoardSceneFixture scene(TenBySeven, BoardSize::Small);
    const PixelImage image = scene.Draw();
    const BoardGeometry geometry = scene.Geometry();
    const int l = geometry.RowClueSlots() * 15;
    const int t = geometry.ColumnClueSlots() * 14;
    ASSERT_EQ(image.Width, geometry.Width());
    ASSERT_EQ(image.Height, geometry.Height());

    const Pixel thick = RolePixel(ColourRole::DoubleLine);
    const Pixel thin = RolePixel(ColourRole::SingleLine);
    // The clue/grid boundary, two pixels wide, from the top of the board.
    EXPECT_EQ(image.At(l - 1, 3), thick);
    EXPECT_EQ(image.At(l, 3), thick);
    // Grid offset 5 is thick and runs on through the top clue area; offset 1 is thin.
    EXPECT_EQ(image.At(l + 5 * 15, 1), thick);
    EXPECT_EQ(image.At(l + 5 * 15 - 1, t + 20), thick);
    EXPECT_EQ(image.At(l + 15, t + 31), thin);
    EXPECT_EQ(image.At(l + 15 - 1, t + 31), RolePixel(ColourRole::CentralBoard));
    // The closing rule of C = 10 is thick and reaches the last pixel; R = 7 closes thin.
    EXPECT_EQ(image.At(geometry.Width() - 1, geometry.Height() - 5), thick);
    EXPECT_EQ(image.At(l + 3, geometry.Height() - 1), thin);
    // The outer left edge of the left clue area is thick, starting below the corner.
    EXPECT_EQ(image.At(0, t + 3), thick);
    EXPECT_EQ(CountPixel(image, geometry.CornerBlock(), RolePixel(ColourRole::WindowBackground)),
              (l - 1) * (t - 1));
}

TEST(BoardRenderer, ExcludedCellShowsItsSmallBlock) {
    // Column 1 and rows 1 and 2 have no clue, so cell (1, 1) starts excluded.
    const BoardSceneFixture scene({"#...", "....", "...."}, BoardSize::Small);
    const PixelImage image = scene.Draw();
    const BoardGeometry geometry = scene.Geometry();
    const PixelRect box = geometry.BoxOf({BoardArea::GridCell, 1, 1});
    const PixelRect block{box.Left + 6, box.Top + 5, box.Left + 10, box.Top + 10};
    EXPECT_EQ(CountPixel(image, block, RolePixel(ColourRole::ExcludedCell)), 4 * 5);
    EXPECT_EQ(CountPixel(image, geometry.InteriorOf({BoardArea::GridCell, 1, 1}),
                         RolePixel(ColourRole::ExcludedCell)),
              20);
}

// The number's glyphs side by side, read straight from the face, each pixel ink or background.
TEST(BoardRenderer, NumbersAreCentredInTheGlyphsOwnPixels) {
    const BoardSceneFixture scene({std::string(12, '#') + "...", "#.#############"},
                                  BoardSize::Small);
    const PixelImage image = scene.Draw();
    const BoardGeometry geometry = scene.Geometry();
    const RasterFont& face = scene.Face;
    const auto& one = face.Glyphs[face.GlyphIndex('1')];
    const auto& two = face.Glyphs[face.GlyphIndex('2')];
    const auto [x, y] = geometry.TextOrigin(geometry.BoxOf({BoardArea::RowClueSlot, 0, 0}),
                                            one.Width + two.Width, face.PixelHeight);
    const Pixel ink = RolePixel(ColourRole::NormalAxisFont);
    const Pixel paper = RolePixel(ColourRole::LeftAndTopBoard);
    int inked = 0;
    for (int row = 0; row < face.PixelHeight; ++row)
        for (int column = 0; column < one.Width + two.Width; ++column) {
            const bool expected =
                column < one.Width ? one.Ink(column, row) : two.Ink(column - one.Width, row);
            ASSERT_EQ(image.At(x + column, y + row), expected ? ink : paper)
                << column << "," << row;
            inked += expected;
        }
    EXPECT_GT(inked, 10);
}

TEST(BoardRenderer, CluesTakeTheColourOfTheirState) {
    BoardSceneFixture scene({"#.#.#", "#####"}, BoardSize::Large);
    scene.Game.RowClues[0][1].State = 1;
    scene.Game.RowClues[0][2].State = 2;
    scene.Game.ColumnClues[0][0].State = 7; // not a state: drawn as normal
    const PixelImage image = scene.Draw();
    const BoardGeometry geometry = scene.Geometry();
    const struct {
        BoardTarget Target;
        ColourRole Shown;
    } cases[] = {
        {{BoardArea::RowClueSlot, 0, 0}, ColourRole::NormalAxisFont},
        {{BoardArea::RowClueSlot, 1, 0}, ColourRole::MarkedAxisFont},
        {{BoardArea::RowClueSlot, 2, 0}, ColourRole::FinalisedAxisFont},
        {{BoardArea::ColumnClueSlot, 0, 0}, ColourRole::NormalAxisFont},
    };
    for (const auto& c : cases) {
        const PixelRect interior = geometry.InteriorOf(c.Target);
        for (const ColourRole role : {ColourRole::NormalAxisFont, ColourRole::MarkedAxisFont,
                                      ColourRole::FinalisedAxisFont})
            EXPECT_EQ(CountPixel(image, interior, RolePixel(role)) > 0, role == c.Shown);
    }
    // Row 1 has one clue: slots 1 and 2, next to the grid, hold nothing.
    for (const int slot : {1, 2}) {
        const PixelRect interior = geometry.InteriorOf({BoardArea::RowClueSlot, slot, 1});
        EXPECT_EQ(CountPixel(image, interior, RolePixel(ColourRole::LeftAndTopBoard)),
                  interior.Width() * interior.Height());
    }
}

// Each press redraws its one box, and the boxes redrawn one by one leave exactly the pixels a
// drawing from scratch gives.
TEST(BoardRenderer, BoxRedrawsEndWhereAFullDrawingWould) {
    BoardSceneFixture scene(TenBySeven, BoardSize::Small);
    PixelImage image;
    BoardRenderer renderer;
    renderer.Update(scene.Scene(), image);
    const std::vector<std::pair<BoardTarget, std::uint16_t>> changes = {
        {{BoardArea::GridCell, 0, 0}, 1},    {{BoardArea::GridCell, 4, 4}, 2},
        {{BoardArea::GridCell, 9, 1}, 3},    {{BoardArea::GridCell, 0, 0}, 0},
        {{BoardArea::GridCell, 5, 6}, 1},    {{BoardArea::RowClueSlot, 0, 0}, 1},
        {{BoardArea::RowClueSlot, 2, 0}, 2}, {{BoardArea::ColumnClueSlot, 9, 0}, 2},
        {{BoardArea::RowClueSlot, 0, 2}, 1}, // a slot without a number shows nothing
    };
    for (const auto& [target, value] : changes) {
        if (target.Area == BoardArea::GridCell)
            scene.Game.PlayerGrid.At(target.Col, target.Row) = value;
        else if (target.Area == BoardArea::RowClueSlot)
            scene.Game.RowClues[target.Row][static_cast<std::size_t>(target.Col)].State = value;
        else
            scene.Game.ColumnClues[target.Col][static_cast<std::size_t>(target.Row)].State = value;
        EXPECT_EQ(renderer.Update(scene.Scene(), image), Redrawn(scene.Geometry(), target));
    }
    EXPECT_EQ(renderer.Update(scene.Scene(), image), PixelRect{});
    EXPECT_EQ(image, scene.Draw());
}

// A saved game opened over a game of the same puzzle redraws only the boxes that differ; another
// scheme or another size redraws everything.
TEST(BoardRenderer, OnlyWhatDiffersIsDrawnAgainUntilTheLookChanges) {
    BoardSceneFixture scene(TenBySeven, BoardSize::Small);
    PixelImage image;
    BoardRenderer renderer;
    renderer.Update(scene.Scene(), image);

    scene.Game.PlayerGrid.At(1, 2) = 1;
    scene.Game.PlayerGrid.At(7, 5) = 3;
    scene.Game.ColumnClues[3][0].State = 1;
    const BoardGeometry geometry = scene.Geometry();
    const PixelRect expected = Redrawn(geometry, {BoardArea::GridCell, 1, 2})
                                   .United(Redrawn(geometry, {BoardArea::GridCell, 7, 5}))
                                   .United(Redrawn(geometry, {BoardArea::ColumnClueSlot, 3, 0}));
    EXPECT_EQ(renderer.Update(scene.Scene(), image), expected);
    EXPECT_EQ(image, scene.Draw());

    const PixelRect whole{0, 0, image.Width, image.Height};
    scene.Colours[static_cast<std::size_t>(ColourRole::SingleLine)] = RgbColour(1, 2, 3);
    EXPECT_EQ(renderer.Update(scene.Scene(), image), whole);
    EXPECT_EQ(image, scene.Draw());

    scene.Size = BoardSize::Large;
    scene.Face = BuiltClueFace(BoardSize::Large);
    const PixelRect large = renderer.Update(scene.Scene(), image);
    EXPECT_EQ(large, (PixelRect{0, 0, scene.Geometry().Width(), scene.Geometry().Height()}));
    EXPECT_EQ(image, scene.Draw());
}

// The editor's grid is the board without clue areas; the outlines of a check lie inside the cells'
// interiors and go again as a cell at a time.
TEST(BoardRenderer, GridOutlinesComeAndGoInsideTheirCells) {
    const BoardSceneFixture fixture({"#.#", "..#"}, BoardSize::Small);
    const CellGrid& cells = fixture.Game.Puzzle.Solution;
    const std::vector<CellPos> outlined = {{1, 0}, {2, 1}};
    const auto grid = [&](std::span<const CellPos> outlines) {
        return GridScene(cells, 3, 2, PitchOf(BoardSize::Small), fixture.Colours, fixture.Face,
                         outlines);
    };
    PixelImage image;
    BoardRenderer renderer;
    renderer.Update(grid({}), image);
    EXPECT_EQ(image.Width, 3 * 15 + 1);
    EXPECT_EQ(image.At(15 + 7, 7), RolePixel(ColourRole::CentralBoard));

    const BoardGeometry geometry = grid({}).Geometry;
    EXPECT_EQ(renderer.Update(grid(outlined), image),
              Redrawn(geometry, {BoardArea::GridCell, 1, 0})
                  .United(Redrawn(geometry, {BoardArea::GridCell, 2, 1})));
    const PixelRect inside = geometry.InteriorOf({BoardArea::GridCell, 1, 0});
    EXPECT_EQ(image.At(inside.Left, inside.Top + 5), RolePixel(ColourRole::ExcludedCell));
    EXPECT_EQ(image.At(inside.Left + 1, inside.Top + 5), RolePixel(ColourRole::ExcludedCell));
    EXPECT_EQ(image.At(inside.Left + 2, inside.Top + 5), RolePixel(ColourRole::CentralBoard));
    PixelImage fresh;
    BoardRenderer().Update(grid(outlined), fresh);
    EXPECT_EQ(image, fresh);

    renderer.Update(grid({}), image);
    PixelImage plain;
    BoardRenderer().Update(grid({}), plain);
    EXPECT_EQ(image, plain);
}

namespace {

// Every cell state, every clue state and numbers of two digits, on a board with thick rules.
BoardSceneFixture EveryStateBoard(BoardSize size) {
    BoardSceneFixture scene(TenBySeven, size);
    for (int column = 0; column < 10; ++column)
        for (int row = 0; row < 7; ++row)
            scene.Game.PlayerGrid.At(column, row) =
                static_cast<std::uint16_t>((column * 3 + row) % 4);
    scene.Game.RowClues[1][0].State = 1;
    scene.Game.ColumnClues[3][0].State = 2;
    return scene;
}

// A face taller than a row of boxes and wider than a box, so its text reaches into the boxes
// around its own: ink on every third pixel.
RasterFont OversizedFace() {
    RasterFont face;
    face.FaceName = "Oversized";
    face.PixelHeight = 40;
    face.Ascent = 30;
    face.FirstChar = '0';
    face.LastChar = '?';
    face.DefaultChar = '0';
    for (int code = face.FirstChar; code <= face.LastChar; ++code) {
        RasterFont::Glyph glyph;
        glyph.Width = 9;
        for (int y = 0; y < face.PixelHeight; ++y)
            for (int x = 0; x < glyph.Width; ++x)
                glyph.Pixels.push_back((x + y + code) % 3 == 0 ? 1 : 0);
        face.Glyphs.push_back(glyph);
    }
    return face;
}

} // namespace

// A whole drawing goes down the board a band at a time and clears nothing first, so each band
// must end as one drawing of the whole board in its order leaves it: text that reaches past its
// own row, above and below, and numbers wider than their box included.
TEST(BoardRenderer, BandsOfAnyHeightEndAsOneWholeDrawing) {
    BoardSceneFixture oversized = EveryStateBoard(BoardSize::Small);
    oversized.Face = OversizedFace();
    const BoardSceneFixture large = EveryStateBoard(BoardSize::Large);
    const std::vector<CellPos> outlined = {{0, 0}, {4, 1}, {2, 2}};
    const struct {
        const char* Name;
        BoardScene Scene;
    } cases[] = {
        {"text taller than a row", oversized.Scene()},
        {"large board", large.Scene()},
        {"editor grid with outlines",
         GridScene(large.Game.PlayerGrid, 10, 7, PitchOf(BoardSize::Small), large.Colours,
                   large.Face, outlined)},
    };
    for (const auto& c : cases) {
        const BoardGeometry& geometry = c.Scene.Geometry;
        PixelImage whole;
        whole.Resize(geometry.Width(), geometry.Height());
        DrawBoardRows(c.Scene, whole, 0, whole.Height);
        PixelImage drawn;
        BoardRenderer().Update(c.Scene, drawn);
        EXPECT_EQ(drawn, whole) << c.Name;
        for (const int band : {1, 5, 13, 40}) {
            PixelImage banded;
            banded.Resize(geometry.Width(), geometry.Height());
            for (int top = 0; top < banded.Height; top += band)
                DrawBoardRows(c.Scene, banded, top, top + band);
            EXPECT_EQ(banded, whole) << c.Name << ", bands of " << band;
        }
    }
    // The oversized text does reach past its row: row 2 has no number, yet the numbers of rows 1
    // and 3 show in its first slot.
    const PixelImage image = oversized.Draw();
    const BoardGeometry geometry = oversized.Geometry();
    const PixelRect between = geometry.InteriorOf({BoardArea::RowClueSlot, 0, 2});
    int ink = 0;
    for (const ColourRole role :
         {ColourRole::NormalAxisFont, ColourRole::MarkedAxisFont, ColourRole::FinalisedAxisFont})
        ink += CountPixel(image, between, RolePixel(role));
    EXPECT_GT(ink, 0);
}

// A window keeps one image for its life: a whole drawing takes its memory as it is, smaller
// boards and larger ones again within what it once held, and clears nothing first, so none of
// what the image showed before may show through the new board.
TEST(BoardRenderer, AKeptImageShowsNothingOfWhatItHeldBefore) {
    constexpr Pixel Stale = 0x00ABCDEF; // no colour of a scheme: those are opaque
    const BoardSceneFixture large = EveryStateBoard(BoardSize::Large);
    const BoardSceneFixture small = EveryStateBoard(BoardSize::Small);
    const std::vector<CellPos> outlined = {{1, 1}};
    const BoardScene grid = GridScene(small.Game.PlayerGrid, 10, 7, PitchOf(BoardSize::Small),
                                      small.Colours, small.Face, outlined);
    PixelImage image;
    BoardRenderer().Update(large.Scene(), image);
    const Pixel* const block = image.Pixels.data();
    for (const BoardScene& scene : {small.Scene(), grid, large.Scene()}) {
        // What the image held, at the size the next board takes.
        image.Reshape(scene.Geometry.Width(), scene.Geometry.Height());
        std::ranges::fill(image.Pixels, Stale);
        BoardRenderer().Update(scene, image);
        EXPECT_EQ(CountPixel(image, {0, 0, image.Width, image.Height}, Stale), 0);
        PixelImage fresh;
        BoardRenderer().Update(scene, fresh);
        EXPECT_EQ(image, fresh);
        EXPECT_EQ(image.Pixels.data(), block);
    }
}
