#include "board/board_renderer.h"

#include "appearance/qt_colour.h"
#include "model/game_state.h"
#include "platform/text_face.h"

#include <QPainter>

namespace {

QColor Colour(const BoardScene& scene, ColourRole role) {
    return ToQColor(scene.Colours[static_cast<std::size_t>(role)]);
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
void DrawCentred(QPainter& painter, const BoardScene& scene, const PixelRect& box,
                 const QString& text, ColourRole colour, ColourRole background) {
    const QSize size = scene.ClueFace.Measure(text);
    const auto [x, y] = scene.Geometry.TextOrigin(box, size.width(), size.height());
    scene.ClueFace.Draw(painter, QPoint(x, y), text, Colour(scene, colour),
                        Colour(scene, background));
}

const ClueEntry& EntryOf(const GameState& game, const BoardTarget& target) {
    return target.Area == BoardArea::RowClueSlot
               ? game.RowClues[target.Row][static_cast<std::size_t>(target.Col)]
               : game.ColumnClues[target.Col][static_cast<std::size_t>(target.Row)];
}

void DrawClue(QPainter& painter, const BoardScene& scene, const BoardTarget& target) {
    const ClueEntry& entry = EntryOf(scene.Game, target);
    if (entry.Value > 0)
        DrawCentred(painter, scene, scene.Geometry.BoxOf(target), QString::number(entry.Value),
                    ClueColourRole(entry.State), ColourRole::LeftAndTopBoard);
}

// What a cell shows over its background: the filled box, the excluded block or the "?".
void DrawCellMark(QPainter& painter, const BoardScene& scene, int column, int row,
                  const PixelRect& fillArea) {
    const BoardTarget target{BoardArea::GridCell, column, row};
    switch (static_cast<CellState>(scene.Game.PlayerGrid.At(column, row))) {
    case CellState::Empty:
        Fill(painter, fillArea, Colour(scene, ColourRole::CentralBoard));
        break;
    case CellState::Filled:
        Fill(painter, fillArea, Colour(scene, ColourRole::FinalisedCell));
        break;
    case CellState::Excluded:
        Fill(painter, scene.Geometry.ExcludedBlock(column, row),
             Colour(scene, ColourRole::ExcludedCell));
        break;
    case CellState::Marked:
        DrawCentred(painter, scene, scene.Geometry.BoxOf(target), QStringLiteral("?"),
                    ColourRole::MarkedCell, ColourRole::CentralBoard);
        break;
    }
}

void DrawRules(QPainter& painter, const BoardScene& scene) {
    const BoardGeometry& geometry = scene.Geometry;
    const QColor thin = Colour(scene, ColourRole::SingleLine);
    const QColor thick = Colour(scene, ColourRole::DoubleLine);
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
    const BoardGeometry& geometry = scene.Geometry;
    QImage bitmap(geometry.Width(), geometry.Height(), QImage::Format_RGB32);
    QPainter painter(&bitmap);
    const PixelRect whole{0, 0, geometry.Width(), geometry.Height()};
    Fill(painter, whole, Colour(scene, ColourRole::WindowBackground));
    Fill(painter, whole, Colour(scene, ColourRole::CentralBoard));
    Fill(painter, geometry.CornerBlock(), Colour(scene, ColourRole::WindowBackground));
    Fill(painter, geometry.LeftClueArea(), Colour(scene, ColourRole::LeftAndTopBoard));
    Fill(painter, geometry.TopClueArea(), Colour(scene, ColourRole::LeftAndTopBoard));

    for (int k = 0; k < geometry.RowClueSlots(); ++k)
        for (int row = 0; row < geometry.Rows(); ++row)
            DrawClue(painter, scene, {BoardArea::RowClueSlot, k, row});
    for (int k = 0; k < geometry.ColumnClueSlots(); ++k)
        for (int column = 0; column < geometry.Columns(); ++column)
            DrawClue(painter, scene, {BoardArea::ColumnClueSlot, column, k});
    for (int column = 0; column < geometry.Columns(); ++column)
        for (int row = 0; row < geometry.Rows(); ++row)
            DrawCellMark(painter, scene, column, row,
                         geometry.BoxOf({BoardArea::GridCell, column, row}));
    DrawRules(painter, scene);
    return bitmap;
}

void RedrawBox(QImage& bitmap, const BoardScene& scene, const BoardTarget& target) {
    QPainter painter(&bitmap);
    const PixelRect interior = scene.Geometry.InteriorOf(target);
    if (target.Area == BoardArea::GridCell) {
        Fill(painter, interior, Colour(scene, ColourRole::CentralBoard));
        DrawCellMark(painter, scene, target.Col, target.Row, interior);
        return;
    }
    if (EntryOf(scene.Game, target).Value == 0)
        return;
    Fill(painter, interior, Colour(scene, ColourRole::LeftAndTopBoard));
    DrawClue(painter, scene, target);
}
