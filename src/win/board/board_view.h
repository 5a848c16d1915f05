// The board on screen: the core's image blitted straight from its pixels, which lie as a top-down
// 32-bit DIB's do, with blank room around it, scroll bars where it does not fit, and presses
// turned into board targets. What shows where, and what a press hits, is the core's viewport's.
#pragma once

#include "board/board_action.h"
#include "board/board_viewport.h"
#include "board/display_scale.h"
#include "render/pixel_image.h"
#include "ui/window.h"

#include <functional>
#include <optional>

struct BoardPress {
    std::optional<BoardTarget> Target; // empty where the press missed the board
    ButtonKind Button = ButtonKind::Other;
};

class BoardView : public Window {
public:
    // Maps a point in board pixels, from the image's top-left corner, to what lies there.
    using HitTest = std::function<std::optional<BoardTarget>(int x, int y)>;
    using PressHandler = std::function<void(const BoardPress&)>;

    // A child of the parent, hidden until placed; margins are the blank room around the board, at
    // 96 dots per inch. The board shows at the whole zoom of the parent's display density.
    BoardView(HWND parent, ViewMargins margins);
    ~BoardView() override;

    // Shows the image, which stays the caller's and must outlive its showing, and repaints only
    // the changed rectangle (all of it when its size changed), at once.
    void ShowImage(const PixelImage& image, PixelRect changed);
    // A hidden board keeps its room while the parent's painting shows in its place.
    void SetBoardHidden(bool hidden);
    void SetHitTest(HitTest hitTest) { TargetAt = std::move(hitTest); }
    void OnPress(PressHandler pressed, std::function<void()> released);
    void SetBackground(COLORREF colour);
    // The content is never narrower than this; the extra room lies right of the board.
    void SetLeastContentWidth(int width);
    // The size to give the view where at most available fits.
    SIZE SizeFor(SIZE available) const;
    // A new density: margins, the board's zoom and the bars' thickness follow it. Place follows.
    void SetScale(const DisplayScale& scale);
    int Zoom() const { return Viewport.Zoom(); }
    // Places the view; its scroll bars follow from its size.
    void Place(int x, int y, SIZE size);
    // Back to the top-left corner, as a board newly loaded starts.
    void ScrollHome();
    // Scrolls so that the board rectangle shows.
    void Reveal(const PixelRect& board);

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LayOutBars();
    void Scroll(bool across, int request, int wheelSteps = 0);
    void Paint();
    void Press(LPARAM where, ButtonKind button);

    ViewMargins DesignedMargins;
    BoardViewport Viewport;
    bool Hidden = true;
    HitTest TargetAt;
    PressHandler Pressed;
    std::function<void()> Released;
    HBRUSH Background = nullptr;
    const PixelImage* Image = nullptr;
    HWND AcrossBar = nullptr;
    HWND DownBar = nullptr;
};
