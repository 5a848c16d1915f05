// The board fixture's role colours and pixel images as the toolkit's, and presses delivered where
// the window system would deliver them, for window tests that read pixels from grabbed images.
#pragma once

#include "appearance/qt_colour.h"
#include "board/board_view.h"
#include "support/board_scene_fixture.h"

#include <QImage>
#include <QTest>
#include <QWidget>

inline QColor RoleColour(ColourRole role) {
    return ToQColor(DistinctColours()[static_cast<std::size_t>(role)]);
}

// How many pixels of the colour the rectangle holds.
inline int CountColour(const QImage& image, const PixelRect& rect, const QColor& colour) {
    int count = 0;
    for (int y = rect.Top; y < rect.Bottom; ++y)
        for (int x = rect.Left; x < rect.Right; ++x)
            count += image.pixelColor(x, y) == colour;
    return count;
}

// A copy of the image in the format a grabbed client area is compared in.
inline QImage ToQImage(const PixelImage& image) {
    return QImage(reinterpret_cast<const uchar*>(image.Pixels.data()), image.Width, image.Height,
                  image.Width * static_cast<int>(sizeof(Pixel)), QImage::Format_RGB32)
        .copy();
}

// A click at a client point, on the board view's viewport when the point lies at or beyond the
// view's top-left corner, as unscrolled board points of a board larger than the screen do, whether
// the window has been shown or not.
inline void ClickClient(QWidget& client, Qt::MouseButton button, QPoint point,
                        Qt::KeyboardModifiers modifiers = {}) {
    QWidget* target = &client;
    for (BoardView* view : client.findChildren<BoardView*>())
        if (point.x() >= view->x() && point.y() >= view->y())
            target = view->viewport();
    QTest::mouseClick(target, button, modifiers, target->mapFrom(&client, point));
}
