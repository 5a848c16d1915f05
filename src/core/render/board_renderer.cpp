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

// Text centred in a box, drawn opaque over its own extent.
void DrawCentred(PixelImage& image, const BoardScene& scene, const PixelRect& box,
                 std::string_view text, ColourRole colour, ColourRole background) {
    const TextSize size = MeasureText(scene.Face, text);
    const auto [x, y] = scene.Geometry.TextOrigin(box, size.Width, size.Height);
    DrawText(image, x, y, scene.Face, text, Colour(scene, colour), Colour(scene, background));
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

void DrawClue(PixelImage& image, const BoardScene& scene, const BoardTarget& target) {
    const ClueEntry& entry = EntryOf(TableOf(scene, target.Area), target);
    if (entry.Value == 0)
        return;
    char digits[8];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), entry.Value).ptr;
    DrawCentred(image, scene, scene.Geometry.BoxOf(target),
                std::string_view(digits, static_cast<std::size_t>(end - digits)),
                ClueColourRole(entry.State), ColourRole::LeftAndTopBoard);
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
void DrawOutline(PixelImage& image, const BoardScene& scene, int column, int row) {
    const PixelRect inside = scene.Geometry.InteriorOf({BoardArea::GridCell, column, row});
    const Pixel colour = Colour(scene, ColourRole::ExcludedCell);
    image.Fill({inside.Left, inside.Top, inside.Right, inside.Top + OutlineWidth}, colour);
    image.Fill({inside.Left, inside.Bottom - OutlineWidth, inside.Right, inside.Bottom}, colour);
    image.Fill({inside.Left, inside.Top, inside.Left + OutlineWidth, inside.Bottom}, colour);
    image.Fill({inside.Right - OutlineWidth, inside.Top, inside.Right, inside.Bottom}, colour);
}

// What a cell shows over its background: the filled box, the excluded block or the "?".
void DrawCellMark(PixelImage& image, const BoardScene& scene, int column, int row,
                  const PixelRect& fillArea) {
    switch (static_cast<CellState>(scene.Cells.At(column, row))) {
    case CellState::Empty:
        image.Fill(fillArea, Colour(scene, ColourRole::CentralBoard));
        break;
    case CellState::Filled:
        image.Fill(fillArea, Colour(scene, ColourRole::FinalisedCell));
        break;
    case CellState::Excluded:
        image.Fill(scene.Geometry.ExcludedBlock(column, row),
                   Colour(scene, ColourRole::ExcludedCell));
        break;
    case CellState::Marked:
        DrawCentred(image, scene, scene.Geometry.BoxOf({BoardArea::GridCell, column, row}), "?",
                    ColourRole::MarkedCell, ColourRole::CentralBoard);
        break;
    }
}

void RedrawCell(PixelImage& image, const BoardScene& scene, int column, int row) {
    const PixelRect interior = scene.Geometry.InteriorOf({BoardArea::GridCell, column, row});
    image.Fill(interior, Colour(scene, ColourRole::CentralBoard));
    DrawCellMark(image, scene, column, row, interior);
    if (IsOutlined(scene, column, row))
        DrawOutline(image, scene, column, row);
}

void RedrawClue(PixelImage& image, const BoardScene& scene, const BoardTarget& target) {
    image.Fill(scene.Geometry.InteriorOf(target), Colour(scene, ColourRole::LeftAndTopBoard));
    DrawClue(image, scene, target);
}

void DrawRules(PixelImage& image, const BoardScene& scene) {
    const BoardGeometry& geometry = scene.Geometry;
    const Pixel thin = Colour(scene, ColourRole::SingleLine);
    const Pixel thick = Colour(scene, ColourRole::DoubleLine);
    for (const Rule& rule : geometry.VerticalRules()) {
        const bool isThick = rule.Kind == RuleKind::Thick;
        const int left = rule.At - (isThick ? 1 : 0);
        image.Fill({left, rule.From, left + (isThick ? 2 : 1), geometry.Height()},
                   isThick ? thick : thin);
    }
    for (const Rule& rule : geometry.HorizontalRules()) {
        const bool isThick = rule.Kind == RuleKind::Thick;
        const int top = rule.At - (isThick ? 1 : 0);
        image.Fill({rule.From, top, geometry.Width(), top + (isThick ? 2 : 1)},
                   isThick ? thick : thin);
    }
}

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
    image.Resize(geometry.Width(), geometry.Height());
    // The cells' boxes cover the grid, so only the areas beside it are filled first.
    image.Fill(geometry.CornerBlock(), Colour(scene, ColourRole::WindowBackground));
    image.Fill(geometry.LeftClueArea(), Colour(scene, ColourRole::LeftAndTopBoard));
    image.Fill(geometry.TopClueArea(), Colour(scene, ColourRole::LeftAndTopBoard));
    if (scene.RowClues != nullptr) {
        for (int k = 0; k < geometry.RowClueSlots(); ++k)
            for (int row = 0; row < geometry.Rows(); ++row)
                DrawClue(image, scene, {BoardArea::RowClueSlot, k, row});
        for (int k = 0; k < geometry.ColumnClueSlots(); ++k)
            for (int column = 0; column < geometry.Columns(); ++column)
                DrawClue(image, scene, {BoardArea::ColumnClueSlot, column, k});
        DrawnRowClues = *scene.RowClues;
        DrawnColumnClues = *scene.ColumnClues;
    }
    // Row by row, so each box is written next to the last one.
    for (int row = 0; row < geometry.Rows(); ++row)
        for (int column = 0; column < geometry.Columns(); ++column) {
            const PixelRect box = geometry.BoxOf({BoardArea::GridCell, column, row});
            image.Fill(box, Colour(scene, ColourRole::CentralBoard));
            DrawCellMark(image, scene, column, row, box);
        }
    DrawRules(image, scene);
    for (const CellPos& cell : scene.Outlined)
        if (Inside(geometry, cell))
            DrawOutline(image, scene, cell.Col, cell.Row);

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
