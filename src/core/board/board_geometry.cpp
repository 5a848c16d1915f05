#include "board/board_geometry.h"

#include "model/game_state.h"

#include <algorithm>

namespace {

// The table of rules, tested top to bottom with the last match winning: the outer edge of the
// clue area, the thin lines inside it, then every fifth grid line thick and running on through
// the clue area beside it.
Rule RuleAt(int k, int clueSlots, int pitch, int clueExtent) {
    Rule rule{RuleKind::Thin, k * pitch, clueExtent};
    if (k == 0)
        rule.Kind = RuleKind::Thick;
    if (k >= clueSlots) {
        rule.Kind = (k - clueSlots) % 5 == 0 ? RuleKind::Thick : RuleKind::Thin;
        rule.From = 0;
    }
    return rule;
}

} // namespace

BoardGeometry::BoardGeometry(int columns, int rows, int rowClueSlots, int columnClueSlots,
                             CellPitch pitch)
    : Columns_(columns), Rows_(rows), Left_(rowClueSlots), Top_(columnClueSlots), Pitch_(pitch) {}

BoardGeometry BoardGeometry::Of(const GameState& game, BoardSize size) {
    return BoardGeometry(std::clamp(game.Puzzle.Width, 0, MaxGridSide),
                         std::clamp(game.Puzzle.Height, 0, MaxGridSide), game.RowClueSlots,
                         game.ColumnClueSlots, PitchOf(size));
}

PixelRect BoardGeometry::CellBox(int i, int j) const {
    return {i * Pitch_.Width, j * Pitch_.Height, (i + 1) * Pitch_.Width, (j + 1) * Pitch_.Height};
}

PixelRect BoardGeometry::BoxOf(const BoardTarget& target) const {
    switch (target.Area) {
    case BoardArea::RowClueSlot:
        return CellBox(target.Col, Top_ + target.Row);
    case BoardArea::ColumnClueSlot:
        return CellBox(Left_ + target.Col, target.Row);
    case BoardArea::GridCell:
        break;
    }
    return CellBox(Left_ + target.Col, Top_ + target.Row);
}

PixelRect BoardGeometry::InteriorOf(const BoardTarget& target) const {
    bool thickRight = false;
    bool thickBottom = false;
    switch (target.Area) {
    case BoardArea::GridCell:
        thickRight = target.Col % 5 == 4;
        thickBottom = target.Row % 5 == 4;
        break;
    case BoardArea::RowClueSlot:
        thickRight = target.Col == Left_ - 1;
        thickBottom = target.Row % 5 == 4;
        break;
    case BoardArea::ColumnClueSlot:
        thickRight = target.Col % 5 == 4;
        thickBottom = target.Row == Top_ - 1;
        break;
    }
    const PixelRect box = BoxOf(target);
    return {box.Left + 1, box.Top + 1, box.Right - (thickRight ? 1 : 0),
            box.Bottom - (thickBottom ? 1 : 0)};
}

PixelRect BoardGeometry::ExcludedBlock(int column, int row) const {
    const PixelRect box = BoxOf({BoardArea::GridCell, column, row});
    const int thirdWidth = Pitch_.Width / 3;
    const int thirdHeight = Pitch_.Height / 3;
    return {box.Left + 1 + thirdWidth, box.Top + 1 + thirdHeight, box.Right - thirdWidth,
            box.Bottom - thirdHeight};
}

std::pair<int, int> BoardGeometry::TextOrigin(const PixelRect& box, int textWidth,
                                              int textHeight) const {
    // Integer division drops the fraction toward zero, also for text wider than the box.
    return {box.Left + 1 + (Pitch_.Width - textWidth) / 2,
            box.Top + (Pitch_.Height - textHeight) / 2};
}

PixelRect BoardGeometry::CornerBlock() const {
    return {0, 0, Left_ * Pitch_.Width, Top_ * Pitch_.Height};
}

PixelRect BoardGeometry::LeftClueArea() const {
    return {0, Top_ * Pitch_.Height, Left_ * Pitch_.Width, Height()};
}

PixelRect BoardGeometry::TopClueArea() const {
    return {Left_ * Pitch_.Width, 0, Width(), Top_ * Pitch_.Height};
}

std::vector<Rule> BoardGeometry::VerticalRules() const {
    std::vector<Rule> rules;
    for (int k = 0; k <= Left_ + Columns_; ++k)
        rules.push_back(RuleAt(k, Left_, Pitch_.Width, Top_ * Pitch_.Height));
    return rules;
}

std::vector<Rule> BoardGeometry::HorizontalRules() const {
    std::vector<Rule> rules;
    for (int k = 0; k <= Top_ + Rows_; ++k)
        rules.push_back(RuleAt(k, Top_, Pitch_.Height, Left_ * Pitch_.Width));
    return rules;
}

std::optional<BoardTarget> BoardGeometry::HitTest(int x, int y) const {
    if (x < 0 || y < 0 || x > Width() || y > Height())
        return std::nullopt;
    const int i = x / Pitch_.Width;
    const int j = y / Pitch_.Height;
    // The closing rules and the pixel past them lie outside every box.
    if (i >= Left_ + Columns_ || j >= Top_ + Rows_)
        return std::nullopt;
    if (i < Left_ && j < Top_)
        return std::nullopt;
    if (j < Top_)
        return BoardTarget{BoardArea::ColumnClueSlot, i - Left_, j};
    if (i < Left_)
        return BoardTarget{BoardArea::RowClueSlot, i, j - Top_};
    return BoardTarget{BoardArea::GridCell, i - Left_, j - Top_};
}
