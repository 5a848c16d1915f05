// Drawing boards and grids box by box, and finding what changed since the last drawing.
#include "render/board_renderer.h"

#include "model/game_state.h"
#include "render/glyph_text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace {

// How thick the outline of a cell that differs between two solutions is.
constexpr int OutlineWidth = 2;

Pixel Colour(const BoardScene& scene, ColourRole role) {
    return PixelOf(scene.Colours[static_cast<std::size_t>(role)]);
}

ColourRole ClueColourRole(std::uint16_t state) {
    switch (static_cast<ClueState>(state)) {
    case ClueState::Marked:
        return ColourRole::MarkedAxisFont;
    case ClueState::Finalised:
        return ColourRole::FinalisedAxisFont;
    case ClueState::Normal:
        break;
    }
    return ColourRole::NormalAxisFont;
}

PixelRect WholeOf(const PixelImage& image) {
    return {0, 0, image.Width, image.Height};
}

// The part of the rectangle inside the clip; empty when they do not meet.
PixelRect Clipped(const PixelRect& rect, const PixelRect& clip) {
    return {std::max(rect.Left, clip.Left), std::max(rect.Top, clip.Top),
            std::min(rect.Right, clip.Right), std::min(rect.Bottom, clip.Bottom)};
}

// Text centred in a box, drawn opaque over its own extent.
void DrawCentred(PixelImage& image, const BoardScene& scene, const PixelRect& box,
                 std::string_view text, ColourRole colour, ColourRole background,
                 const PixelRect& clip) {
    const TextSize size = MeasureText(scene.Face, text);
    const auto [x, y] = scene.Geometry.TextOrigin(box, size.Width, size.Height);
    DrawText(image, x, y, scene.Face, text, Colour(scene, colour), Colour(scene, background), clip);
}

const ClueTable& TableOf(const BoardScene& scene, BoardArea area) {
    return area == BoardArea::RowClueSlot ? *scene.RowClues : *scene.ColumnClues;
}

// A row clue slot's Col is its slot and Row its row; a column clue slot's Row is its slot.
const ClueEntry& EntryOf(const ClueTable& table, const BoardTarget& target) {
    return target.Area == BoardArea::RowClueSlot
               ? table[target.Row][static_cast<std::size_t>(target.Col)]
               : table[target.Col][static_cast<std::size_t>(target.Row)];
}

void DrawClue(PixelImage& image, const BoardScene& scene, const BoardTarget& target,
              const PixelRect& clip) {
    const ClueEntry& entry = EntryOf(TableOf(scene, target.Area), target);
    if (entry.Value == 0)
        return;
    char digits[8];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), entry.Value).ptr;
    DrawCentred(image, scene, scene.Geometry.BoxOf(target),
                std::string_view(digits, static_cast<std::size_t>(end - digits)),
                ClueColourRole(entry.State), ColourRole::LeftAndTopBoard, clip);
}

// Outlines come from a check of a picture that may since have been resized.
bool Inside(const BoardGeometry& geometry, const CellPos& cell) {
    return cell.Col >= 0 && cell.Row >= 0 && cell.Col < geometry.Columns() &&
           cell.Row < geometry.Rows();
}

bool IsOutlined(const BoardScene& scene, int column, int row) {
    return std::ranges::find(scene.Outlined, CellPos{column, row}) != scene.Outlined.end();
}

// A frame inside the cell's interior, so the rules stay as they are.
void DrawOutline(PixelImage& image, const BoardScene& scene, int column, int row,
                 const PixelRect& clip) {
    const PixelRect inside = scene.Geometry.InteriorOf({BoardArea::GridCell, column, row});
    const Pixel colour = Colour(scene, ColourRole::ExcludedCell);
    const PixelRect sides[] = {
        {inside.Left, inside.Top, inside.Right, inside.Top + OutlineWidth},
        {inside.Left, inside.Bottom - OutlineWidth, inside.Right, inside.Bottom},
        {inside.Left, inside.Top, inside.Left + OutlineWidth, inside.Bottom},
        {inside.Right - OutlineWidth, inside.Top, inside.Right, inside.Bottom},
    };
    for (const PixelRect& side : sides)
        image.Fill(Clipped(side, clip), colour);
}

// A cell's whole box in the colour it shows, the filled box or the empty one: its rules come later.
void FillCellBox(PixelImage& image, const BoardScene& scene, int column, int row,
                 const PixelRect& clip) {
    const bool filled = static_cast<CellState>(scene.Cells.At(column, row)) == CellState::Filled;
    image.Fill(Clipped(scene.Geometry.BoxOf({BoardArea::GridCell, column, row}), clip),
               Colour(scene, filled ? ColourRole::FinalisedCell : ColourRole::CentralBoard));
}

// What an excluded or marked cell shows over its empty box: the small block or the "?".
void DrawCellMark(PixelImage& image, const BoardScene& scene, int column, int row,
                  const PixelRect& clip) {
    switch (static_cast<CellState>(scene.Cells.At(column, row))) {
    case CellState::Excluded:
        image.Fill(Clipped(scene.Geometry.ExcludedBlock(column, row), clip),
                   Colour(scene, ColourRole::ExcludedCell));
        break;
    case CellState::Marked:
        DrawCentred(image, scene, scene.Geometry.BoxOf({BoardArea::GridCell, column, row}), "?",
                    ColourRole::MarkedCell, ColourRole::CentralBoard, clip);
        break;
    case CellState::Empty:
    case CellState::Filled:
        break;
    }
}

void RedrawCell(PixelImage& image, const BoardScene& scene, int column, int row) {
    const PixelRect interior = scene.Geometry.InteriorOf({BoardArea::GridCell, column, row});
    FillCellBox(image, scene, column, row, interior);
    DrawCellMark(image, scene, column, row, WholeOf(image));
    if (IsOutlined(scene, column, row))
        DrawOutline(image, scene, column, row, WholeOf(image));
}

void RedrawClue(PixelImage& image, const BoardScene& scene, const BoardTarget& target) {
    image.Fill(scene.Geometry.InteriorOf(target), Colour(scene, ColourRole::LeftAndTopBoard));
    DrawClue(image, scene, target, WholeOf(image));
}

// A rule as the pixels it covers across itself: a thin one its own, a thick one that and the one
// before.
struct RuleSpan {
    int From;  // along the rule, up to the board's far edge
    int First; // across it
    int Last;  // across it, exclusive
    Pixel Colour;
};

std::vector<RuleSpan> RuleSpans(const std::vector<Rule>& rules, int acrossEnd, Pixel thin,
                                Pixel thick) {
    std::vector<RuleSpan> spans;
    spans.reserve(rules.size());
    for (const Rule& rule : rules) {
        const bool isThick = rule.Kind == RuleKind::Thick;
        const int first = rule.At - (isThick ? 1 : 0);
        spans.push_back({rule.From, std::max(first, 0), std::min(rule.At + 1, acrossEnd),
                         isThick ? thick : thin});
    }
    return spans;
}

// A whole drawing's steps, each cut to a band of rows: the clue areas, the clues, the cells, the
// rules down and then across, and the outlines. Every pixel of a band ends as the whole drawing
// leaves it, since each step writes the same pixels into the band in the same order; a step that
// cannot reach the band is passed over. Text may stand taller than its box, so the clues and cells
// of the rows around a band are drawn into it too.
class BandPainter {
public:
    BandPainter(const BoardScene& scene, PixelImage& image)
        : Scene(scene), Geometry(scene.Geometry), Image(image),
          Down(RuleSpans(Geometry.VerticalRules(), image.Width,
                         Colour(scene, ColourRole::SingleLine),
                         Colour(scene, ColourRole::DoubleLine))),
          Across(RuleSpans(Geometry.HorizontalRules(), image.Height,
                           Colour(scene, ColourRole::SingleLine),
                           Colour(scene, ColourRole::DoubleLine))),
          RowHeight(Geometry.CellBox(0, 1).Top),
          Reach(scene.Face.PixelHeight > RowHeight
                    ? (scene.Face.PixelHeight - RowHeight) / RowHeight + 1
                    : 0) {}

    int BandHeight() const { return RowHeight; }

    // Everything but the outlines, in the rows from top to bottom.
    void Paint(int top, int bottom) const {
        const PixelRect band{0, top, Image.Width, bottom};
        // The board's rows of boxes that can reach the band, the closing rule's row past the
        // last one counted among them.
        const int first = top / RowHeight - Reach;
        const int last = (bottom - 1) / RowHeight + Reach;
        const int topSlots = Geometry.ColumnClueSlots();
        const int firstGridRow = std::max(first - topSlots, 0);
        const int lastGridRow = std::min(last - topSlots, Geometry.Rows() - 1);

        Image.Fill(Clipped(Geometry.CornerBlock(), band),
                   Colour(Scene, ColourRole::WindowBackground));
        Image.Fill(Clipped(Geometry.LeftClueArea(), band),
                   Colour(Scene, ColourRole::LeftAndTopBoard));
        Image.Fill(Clipped(Geometry.TopClueArea(), band),
                   Colour(Scene, ColourRole::LeftAndTopBoard));
        if (Scene.RowClues != nullptr) {
            for (int k = 0; k < Geometry.RowClueSlots(); ++k)
                for (int row = firstGridRow; row <= lastGridRow; ++row)
                    DrawClue(Image, Scene, {BoardArea::RowClueSlot, k, row}, band);
            for (int k = std::max(first, 0); k <= std::min(last, topSlots - 1); ++k)
                for (int column = 0; column < Geometry.Columns(); ++column)
                    DrawClue(Image, Scene, {BoardArea::ColumnClueSlot, column, k}, band);
        }
        for (int row = firstGridRow; row <= lastGridRow; ++row)
            for (int column = 0; column < Geometry.Columns(); ++column) {
                FillCellBox(Image, Scene, column, row, band);
                DrawCellMark(Image, Scene, column, row, band);
            }
        // Along each row, so the rules down are written where the row's other pixels were.
        for (int y = top; y < bottom; ++y) {
            Pixel* line = Image.Row(y);
            for (const RuleSpan& rule : Down)
                if (rule.From <= y)
                    std::fill(line + rule.First, line + rule.Last, rule.Colour);
        }
        for (const RuleSpan& rule : Across)
            Image.Fill(Clipped({rule.From, rule.First, Image.Width, rule.Last}, band), rule.Colour);
    }

    void PaintOutlines(int top, int bottom) const {
        for (const CellPos& cell : Scene.Outlined)
            if (Inside(Geometry, cell)) {
                const PixelRect box = Geometry.BoxOf({BoardArea::GridCell, cell.Col, cell.Row});
                if (box.Bottom > top && box.Top < bottom)
                    DrawOutline(Image, Scene, cell.Col, cell.Row, {0, top, Image.Width, bottom});
            }
    }

private:
    const BoardScene& Scene;
    const BoardGeometry& Geometry;
    PixelImage& Image;
    const std::vector<RuleSpan> Down;
    const std::vector<RuleSpan> Across;
    const int RowHeight;
    // How many rows of boxes above and below its own a box's text may reach into.
    const int Reach;
};

// What a box redraw changes: the box without its left and top rule.
PixelRect ChangedArea(const BoardGeometry& geometry, const BoardTarget& target) {
    const PixelRect box = geometry.BoxOf(target);
    return {box.Left + 1, box.Top + 1, box.Right, box.Bottom};
}

// The slots of a clue line in use, as bytes to compare.
std::size_t LineBytes(int slots) {
    return static_cast<std::size_t>(slots) * sizeof(ClueEntry);
}

} // namespace

BoardScene GameBoardScene(const GameState& game, BoardSize size, const ColourSet& colours,
                          const RasterFont& face) {
    return {BoardGeometry::Of(game, size),
            game.PlayerGrid,
            &game.RowClues,
            &game.ColumnClues,
            colours,
            face};
}

BoardScene GridScene(const CellGrid& cells, int columns, int rows, CellPitch pitch,
                     const ColourSet& colours, const RasterFont& face,
                     std::span<const CellPos> outlined) {
    return {BoardGeometry(std::clamp(columns, 0, MaxGridSide), std::clamp(rows, 0, MaxGridSide), 0,
                          0, pitch),
            cells,
            nullptr,
            nullptr,
            colours,
            face,
            outlined};
}

void DrawBoardRows(const BoardScene& scene, PixelImage& image, int top, int bottom) {
    top = std::clamp(top, 0, image.Height);
    bottom = std::clamp(bottom, top, image.Height);
    const BandPainter painter(scene, image);
    painter.Paint(top, bottom);
    painter.PaintOutlines(top, bottom);
}

PixelRect BoardRenderer::Update(const BoardScene& scene, PixelImage& image) {
    if (NeedsWholeDrawing(scene, image)) {
        DrawWhole(scene, image);
        return {0, 0, image.Width, image.Height};
    }
    PixelRect changed = RedrawChangedCells(scene, image);
    if (DrawnClues) {
        changed = changed.United(RedrawChangedClues(scene, image, BoardArea::RowClueSlot));
        changed = changed.United(RedrawChangedClues(scene, image, BoardArea::ColumnClueSlot));
    }
    return changed.United(RedrawChangedOutlines(scene, image));
}

bool BoardRenderer::NeedsWholeDrawing(const BoardScene& scene, const PixelImage& image) const {
    return DrawnGeometry != scene.Geometry || DrawnColours != scene.Colours ||
           DrawnFace != &scene.Face || DrawnClues != (scene.RowClues != nullptr) ||
           DrawnPixels != image.Pixels.data() || image.Width != scene.Geometry.Width() ||
           image.Height != scene.Geometry.Height();
}

void BoardRenderer::DrawWhole(const BoardScene& scene, PixelImage& image) {
    const BoardGeometry& geometry = scene.Geometry;
    // Every pixel is drawn below, so the image keeps its memory and clears nothing first.
    image.Reshape(geometry.Width(), geometry.Height());
    // A row of boxes at a time, so each pixel is written over while its rows are in the cache
    // rather than once per step of the drawing.
    const BandPainter painter(scene, image);
    for (int top = 0; top < image.Height; top += painter.BandHeight())
        painter.Paint(top, std::min(top + painter.BandHeight(), image.Height));
    painter.PaintOutlines(0, image.Height);
    if (scene.RowClues != nullptr) {
        DrawnRowClues = *scene.RowClues;
        DrawnColumnClues = *scene.ColumnClues;
    }

    DrawnGeometry = geometry;
    DrawnColours = scene.Colours;
    DrawnFace = &scene.Face;
    DrawnPixels = image.Pixels.data();
    DrawnClues = scene.RowClues != nullptr;
    DrawnCells = scene.Cells;
    DrawnOutlines.assign(scene.Outlined.begin(), scene.Outlined.end());
}

PixelRect BoardRenderer::RedrawChangedCells(const BoardScene& scene, PixelImage& image) {
    const BoardGeometry& geometry = scene.Geometry;
    const std::size_t columnBytes =
        static_cast<std::size_t>(geometry.Rows()) * sizeof(std::uint16_t);
    PixelRect changed;
    for (int column = 0; column < geometry.Columns(); ++column) {
        const std::size_t first = CellIndex(column, 0);
        if (std::memcmp(&scene.Cells.Cells[first], &DrawnCells.Cells[first], columnBytes) == 0)
            continue;
        for (int row = 0; row < geometry.Rows(); ++row) {
            if (scene.Cells.At(column, row) == DrawnCells.At(column, row))
                continue;
            DrawnCells.At(column, row) = scene.Cells.At(column, row);
            RedrawCell(image, scene, column, row);
            changed = changed.United(ChangedArea(geometry, {BoardArea::GridCell, column, row}));
        }
    }
    return changed;
}

PixelRect BoardRenderer::RedrawChangedClues(const BoardScene& scene, PixelImage& image,
                                            BoardArea area) {
    const BoardGeometry& geometry = scene.Geometry;
    const bool rows = area == BoardArea::RowClueSlot;
    const ClueTable& wanted = TableOf(scene, area);
    ClueTable& drawn = rows ? DrawnRowClues : DrawnColumnClues;
    const int lines = rows ? geometry.Rows() : geometry.Columns();
    const int slots = rows ? geometry.RowClueSlots() : geometry.ColumnClueSlots();
    PixelRect changed;
    for (int line = 0; line < lines; ++line) {
        if (std::memcmp(wanted[line].data(), drawn[line].data(), LineBytes(slots)) == 0)
            continue;
        for (int slot = 0; slot < slots; ++slot) {
            const auto k = static_cast<std::size_t>(slot);
            if (wanted[line][k] == drawn[line][k])
                continue;
            drawn[line][k] = wanted[line][k];
            const BoardTarget target =
                rows ? BoardTarget{area, slot, line} : BoardTarget{area, line, slot};
            RedrawClue(image, scene, target);
            changed = changed.United(ChangedArea(geometry, target));
        }
    }
    return changed;
}

PixelRect BoardRenderer::RedrawChangedOutlines(const BoardScene& scene, PixelImage& image) {
    if (std::ranges::equal(scene.Outlined, DrawnOutlines))
        return {};
    const BoardGeometry& geometry = scene.Geometry;
    PixelRect changed;
    // A cell leaving the outlines and one joining them are both drawn again.
    for (const auto& cells : {std::span<const CellPos>(DrawnOutlines), scene.Outlined})
        for (const CellPos& cell : cells)
            if (Inside(geometry, cell)) {
                RedrawCell(image, scene, cell.Col, cell.Row);
                changed = changed.United(
                    ChangedArea(geometry, {BoardArea::GridCell, cell.Col, cell.Row}));
            }
    DrawnOutlines.assign(scene.Outlined.begin(), scene.Outlined.end());
    return changed;
}
