// A face of text asked for by name, drawing board text pixel by pixel.
#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

class QPainter;

class TextFace {
public:
    virtual ~TextFace() = default;
    // The pixel width and height of the text's box.
    virtual QSize Measure(const QString& text) const = 0;
    // Draws opaquely: the text's box at topLeft is filled with the background, then the glyphs'
    // pixels in the colour.
    virtual void Draw(QPainter& painter, QPoint topLeft, const QString& text, const QColor& colour,
                      const QColor& background) const = 0;
};
