#include "board/board_renderer.h"

#include "appearance/qt_colour.h"
#include "model/game_state.h"
#include "platform/text_face.h"

#include <QPainter>

namespace {

// What every drawing step reads, whether it draws a whole board or a bare grid.
struct Canvas {
    const BoardGeometry& Geometry;
    const ColourSet& Colours;
    const TextFace& Face;

    QColor Colour(ColourRole role) const {
        return ToQColor(Colours[static_cast<std::size_t>(role)]);
    }
};

Canvas CanvasOf(const BoardScene& scene) {
    return {scene.Geometry, scene.Colours, scene.ClueFace};
}

Canvas CanvasOf(const GridScene& scene) {
    return {scene.Geometry, scene.Colours, scene.MarkFace};
}

void Fill(QPainter& painter, const PixelRect& rect, const QColor& colour) {
    painter.fillRect(rect.Left, rect.Top, rect.Width(), rect.Height(), colour);
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
void DrawCentred(QPainter& painter, const Canvas& canvas, const PixelRect& box, const QString& text,
                 ColourRole colour, ColourRole background) {
    const QSize size = canvas.Face.Measure(text);
    const auto [x, y] = canvas.Geometry.TextOrigin(box, size.width(), size.height());
    canvas.Face.Draw(painter, QPoint(x, y), text, canvas.Colour(colour), canvas.Colour(background));
}

const ClueEntry& EntryOf(const GameState& game, const BoardTarget& target) {
    return target.Area == BoardArea::RowClueSlot
               ? game.RowClues[target.Row][static_cast<std::size_t>(target.Col)]
               : game.ColumnClues[target.Col][static_cast<std::size_t>(target.Row)];
}

void DrawClue(QPainter& painter, const BoardScene& scene, const BoardTarget& target) {
    const ClueEntry& entry = EntryOf(scene.Game, target);
    if (entry.Value > 0)
        DrawCentred(painter, CanvasOf(scene), scene.Geometry.BoxOf(target),
                    QString::number(entry.Value), ClueColourRole(entry.State),
                    ColourRole::LeftAndTopBoard);
}

// What a cell shows over its background: the filled box, the excluded block or the "?".
void DrawCellMark(QPainter& painter, const Canvas& canvas, const CellGrid& cells, int column,
                  int row, const PixelRect& fillArea) {
    const BoardTarget target{BoardArea::GridCell, column, row};
    switch (static_cast<CellState>(cells.At(column, row))) {
    case CellState::Empty:
        Fill(painter, fillArea, canvas.Colour(ColourRole::CentralBoard));
        break;
    case CellState::Filled:
        Fill(painter, fillArea, canvas.Colour(ColourRole::FinalisedCell));
        break;
    case CellState::Excluded:
        Fill(painter, canvas.Geometry.ExcludedBlock(column, row),
             canvas.Colour(ColourRole::ExcludedCell));
        break;
    case CellState::Marked:
        DrawCentred(painter, canvas, canvas.Geometry.BoxOf(target), QStringLiteral("?"),
                    ColourRole::MarkedCell, ColourRole::CentralBoard);
        break;
    }
}

void DrawCells(QPainter& painter, const Canvas& canvas, const CellGrid& cells) {
    const BoardGeometry& geometry = canvas.Geometry;
    for (int column = 0; column < geometry.Columns(); ++column)
        for (int row = 0; row < geometry.Rows(); ++row)
            DrawCellMark(painter, canvas, cells, column, row,
                         geometry.BoxOf({BoardArea::GridCell, column, row}));
}

void RedrawCell(QImage& bitmap, const Canvas& canvas, const CellGrid& cells, int column, int row) {
    QPainter painter(&bitmap);
    const PixelRect interior = canvas.Geometry.InteriorOf({BoardArea::GridCell, column, row});
    Fill(painter, interior, canvas.Colour(ColourRole::CentralBoard));
    DrawCellMark(painter, canvas, cells, column, row, interior);
}

void DrawRules(QPainter& painter, const Canvas& canvas) {
    const BoardGeometry& geometry = canvas.Geometry;
    const QColor thin = canvas.Colour(ColourRole::SingleLine);
    const QColor thick = canvas.Colour(ColourRole::DoubleLine);
    for (const Rule& rule : geometry.VerticalRules()) {
        const bool isThick = rule.Kind == RuleKind::Thick;
        painter.fillRect(rule.At - (isThick ? 1 : 0), rule.From, isThick ? 2 : 1,
                         geometry.Height() - rule.From, isThick ? thick : thin);
    }
    for (const Rule& rule : geometry.HorizontalRules()) {
        const bool isThick = rule.Kind == RuleKind::Thick;
        painter.fillRect(rule.From, rule.At - (isThick ? 1 : 0), geometry.Width() - rule.From,
                         isThick ? 2 : 1, isThick ? thick : thin);
    }
}

} // namespace

QImage DrawBoard(const BoardScene& scene) {
    const Canvas canvas = CanvasOf(scene);
    const BoardGeometry& geometry = scene.Geometry;
    QImage bitmap(geometry.Width(), geometry.Height(), QImage::Format_RGB32);
    QPainter painter(&bitmap);
    const PixelRect whole{0, 0, geometry.Width(), geometry.Height()};
    Fill(painter, whole, canvas.Colour(ColourRole::WindowBackground));
    Fill(painter, whole, canvas.Colour(ColourRole::CentralBoard));
    Fill(painter, geometry.CornerBlock(), canvas.Colour(ColourRole::WindowBackground));
    Fill(painter, geometry.LeftClueArea(), canvas.Colour(ColourRole::LeftAndTopBoard));
    Fill(painter, geometry.TopClueArea(), canvas.Colour(ColourRole::LeftAndTopBoard));

    for (int k = 0; k < geometry.RowClueSlots(); ++k)
        for (int row = 0; row < geometry.Rows(); ++row)
            DrawClue(painter, scene, {BoardArea::RowClueSlot, k, row});
    for (int k = 0; k < geometry.ColumnClueSlots(); ++k)
        for (int column = 0; column < geometry.Columns(); ++column)
            DrawClue(painter, scene, {BoardArea::ColumnClueSlot, column, k});
    DrawCells(painter, canvas, scene.Game.PlayerGrid);
    DrawRules(painter, canvas);
    return bitmap;
}

void RedrawBox(QImage& bitmap, const BoardScene& scene, const BoardTarget& target) {
    if (target.Area == BoardArea::GridCell) {
        RedrawCell(bitmap, CanvasOf(scene), scene.Game.PlayerGrid, target.Col, target.Row);
        return;
    }
    if (EntryOf(scene.Game, target).Value == 0)
        return;
    QPainter painter(&bitmap);
    Fill(painter, scene.Geometry.InteriorOf(target),
         CanvasOf(scene).Colour(ColourRole::LeftAndTopBoard));
    DrawClue(painter, scene, target);
}

QImage DrawGrid(const GridScene& scene) {
    const Canvas canvas = CanvasOf(scene);
    QImage bitmap(scene.Geometry.Width(), scene.Geometry.Height(), QImage::Format_RGB32);
    QPainter painter(&bitmap);
    Fill(painter, {0, 0, bitmap.width(), bitmap.height()}, canvas.Colour(ColourRole::CentralBoard));
    DrawCells(painter, canvas, scene.Cells);
    DrawRules(painter, canvas);
    return bitmap;
}

void RedrawGridCell(QImage& bitmap, const GridScene& scene, int column, int row) {
    RedrawCell(bitmap, CanvasOf(scene), scene.Cells, column, row);
}
