// The borderless start-up window: the product name over a faded nonogram board.
#pragma once

#include <QWidget>

class QPainter;

class SplashWindow : public QWidget {
public:
    SplashWindow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static void PaintBoard(QPainter& painter);
    static void PaintName(QPainter& painter, const QRect& area);
};
