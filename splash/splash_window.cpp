// The borderless start-up window: the product name over a faded nonogram board.
#include "splash_window.h"

#include "splash_design.h"

#include <QPainter>

namespace {

using namespace SplashDesign;

QColor ToQColor(Colour colour) {
    return {colour.Red, colour.Green, colour.Blue};
}

QRect CellRect(int row, int column) {
    const CellSquare cell = CellAt(row, column);
    return {cell.Left, cell.Top, CellSide, CellSide};
}

} // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(WindowWidth, WindowHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SplashWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(BackgroundColour));
    PaintBoard(painter);
    PaintName(painter, rect());
    painter.setPen(ToQColor(FrameColour));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SplashWindow::PaintBoard(QPainter& painter) {
    for (int row = 0; row < BoardRows; ++row) {
        for (int column = 0; column < BoardColumns; ++column) {
            if (IsFilled(row, column)) {
                painter.fillRect(CellRect(row, column), ToQColor(FilledCellColour));
            }
        }
    }

    painter.setPen(ToQColor(GridLineColour));
    for (int column = 1; column < BoardColumns; ++column) {
        const int x = GridLeft + column * CellSide;
        painter.drawLine(x, GridTop, x, GridBottom);
    }
    for (int row = 1; row < BoardRows; ++row) {
        const int y = GridTop + row * CellSide;
        painter.drawLine(GridLeft, y, GridRight, y);
    }
    painter.setPen(ToQColor(GridBorderColour));
    painter.drawRect(GridLeft, GridTop, GridRight - GridLeft, GridBottom - GridTop);

    QFont clueFont = painter.font();
    clueFont.setPixelSize(ClueLineHeight);
    painter.setFont(clueFont);
    painter.setPen(ToQColor(ClueColour));
    for (int row = 0; row < BoardRows; ++row) {
        QStringList numbers;
        for (int run : RowClue(row)) {
            numbers.append(QString::number(run));
        }
        const QRect cell = CellRect(row, 0);
        const QRect clueArea(0, cell.top(), GridLeft - ClueGap, CellSide);
        painter.drawText(clueArea, Qt::AlignRight | Qt::AlignVCenter, numbers.join(u' '));
    }
    for (int column = 0; column < BoardColumns; ++column) {
        const std::vector<int> runs = ColumnClue(column);
        const QRect cell = CellRect(0, column);
        int lineTop = GridTop - ClueGap / 2 - static_cast<int>(runs.size()) * ClueLineHeight;
        for (int run : runs) {
            painter.drawText(QRect(cell.left(), lineTop, CellSide, ClueLineHeight), Qt::AlignCenter,
                             QString::number(run));
            lineTop += ClueLineHeight;
        }
    }
}

void SplashWindow::PaintName(QPainter& painter, const QRect& area) {
    QFont nameFont = painter.font();
    nameFont.setPixelSize(NamePixelSize);
    nameFont.setBold(true);
    painter.setFont(nameFont);
    painter.setPen(ToQColor(NameColour));
    painter.drawText(area, Qt::AlignCenter, QString::fromUtf8(Name.data(), Name.size()));
}
