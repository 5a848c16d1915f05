// The board on screen: the core's image shown without copying, with blank room around it,
// scrolled where it does not fit, and presses turned into board targets and button kinds.
#pragma once

#include "board/board_press.h"
#include "board/board_viewport.h"
#include "render/pixel_image.h"

#include <QAbstractScrollArea>
#include <QImage>
#include <QMargins>
#include <functional>

class BoardView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // Maps a point in board pixels, from the image's top-left corner, to what lies there.
    using HitTest = std::function<std::optional<BoardTarget>(int x, int y)>;

    explicit BoardView(QWidget* parent = nullptr);

    // The image stays the caller's and must outlive its showing; nullptr shows no board. Only
    // the changed board rectangle repaints, unless the image's size changed.
    void ShowImage(const PixelImage* image, PixelRect changed);
    // A hidden board keeps its room and its scroll bars, while the owner's painting shows in its
    // place and presses hit nothing.
    void SetBoardHidden(bool hidden);
    void SetHitTest(HitTest hitTest);
    // Blank room around the board inside the scrolled content.
    void SetMargins(QMargins margins);
    // The content is never narrower than this; the extra room lies right of the board.
    void SetLeastContentWidth(int width);
    // A view that does not scroll shows the content's top-left part, without bars.
    void SetScrolls(bool scrolls);

    // The size to give the view where at most available fits: the whole content when it fits,
    // else capped to available with room for the bars it then needs.
    QSize SizeFor(QSize available) const;
    QPoint ScrollOffset() const;
    // Back to the top-left corner, as a board newly loaded starts.
    void ScrollHome();
    // Scrolls so that the board rectangle shows.
    void Reveal(const PixelRect& board);

signals:
    // Every press and double click in the view, on the board or beside it.
    void Pressed(const BoardPress& press);
    void Released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void LayOutBars();
    void LayOutBarsOnce();
    void ScrollBarsTo(ViewPoint offset);
    QPoint BoardOrigin() const; // the image's top-left corner in the viewport
    void Press(const QMouseEvent& event);

    const PixelImage* Image = nullptr;
    QImage Wrap; // reads the image's pixels in place
    bool Hidden = false;
    bool Scrolls = true;
    HitTest TargetAt;
    BoardViewport Viewport{{}, {}};
    bool LayingOut = false;
    bool LayOutAgain = false;
};
