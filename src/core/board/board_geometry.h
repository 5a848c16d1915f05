// Where everything of the board lies, in board pixels from its top-left corner: cell boxes, clue
// areas, rules, interiors and the hit test.
#pragma once

#include "base/pixel_rect.h"
#include "board/board_target.h"

#include <optional>
#include <vector>

struct GameState;

enum class BoardSize { Small = 0, Large = 1 };

struct CellPitch {
    int Width;
    int Height;

    bool operator==(const CellPitch&) const = default;
};

constexpr CellPitch PitchOf(BoardSize size) {
    return size == BoardSize::Small ? CellPitch{15, 14} : CellPitch{18, 18};
}

enum class RuleKind { Thin, Thick };

// A rule at coordinate At: a thin one covers pixel At, a thick one At - 1 and At. It runs from
// From up to the board's far edge.
struct Rule {
    RuleKind Kind;
    int At;
    int From;

    bool operator==(const Rule&) const = default;
};

class BoardGeometry {
public:
    // columns and rows of the puzzle, clue slots on the left and on top.
    BoardGeometry(int columns, int rows, int rowClueSlots, int columnClueSlots, CellPitch pitch);
    static BoardGeometry Of(const GameState& game, BoardSize size);

    int Columns() const { return Columns_; }
    int Rows() const { return Rows_; }
    int RowClueSlots() const { return Left_; }
    int ColumnClueSlots() const { return Top_; }

    // The bitmap: one pixel more than the cells for the closing right and bottom rules.
    int Width() const { return (Left_ + Columns_) * Pitch_.Width + 1; }
    int Height() const { return (Top_ + Rows_) * Pitch_.Height + 1; }
    // Board cell (i, j) counted in cells from the top-left corner of the bitmap.
    PixelRect CellBox(int i, int j) const;
    // The board cell box of a grid cell or clue slot.
    PixelRect BoxOf(const BoardTarget& target) const;
    // The part of the box no rule ever covers: one pixel less on a side with a thick rule.
    PixelRect InteriorOf(const BoardTarget& target) const;
    // The small block of an excluded grid cell.
    PixelRect ExcludedBlock(int column, int row) const;
    // Where text of this size starts so that it sits centred in the box.
    std::pair<int, int> TextOrigin(const PixelRect& box, int textWidth, int textHeight) const;

    PixelRect CornerBlock() const;
    PixelRect LeftClueArea() const;
    PixelRect TopClueArea() const;

    // Vertical rules k = 0 .. L + C (running down), horizontal rules k = 0 .. T + R (running
    // right).
    std::vector<Rule> VerticalRules() const;
    std::vector<Rule> HorizontalRules() const;

    // The target under a press at a board point, if any; the caller checks the game is running.
    std::optional<BoardTarget> HitTest(int x, int y) const;

    bool operator==(const BoardGeometry&) const = default;

private:
    int Columns_;
    int Rows_;
    int Left_; // row clue slots
    int Top_;  // column clue slots
    CellPitch Pitch_;
};
