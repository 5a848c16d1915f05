// The borderless start-up window: the product name over a faded nonogram board.
#include "splash_window.h"

#include <QPainter>
#include <array>
#include <string_view>

namespace {

// The board's solved picture, a heart and a diamond; its clues are derived from it so the faded
// numbers always agree with the faded cells.
constexpr std::array<std::string_view, 7> BoardPicture = {
    ".##.##.....#..", //
    "#######...###.", //
    "#######..#####", //
    ".#####....###.", //
    "..###......#..", //
    "...#..........", //
    ".####..######.", //
};
constexpr int BoardRows = static_cast<int>(BoardPicture.size());
constexpr int BoardColumns = static_cast<int>(BoardPicture[0].size());

constexpr int CellSide = 20;
constexpr int ClueLineHeight = 10;
constexpr int ClueGap = 4;
constexpr int GridLeft = 64;
constexpr int GridTop = 44;

// Everything but the name is washed out, so the board reads as a backdrop rather than a puzzle.
const QColor BackgroundColour(0xFB, 0xFB, 0xF8);
const QColor GridLineColour(0xE4, 0xE7, 0xEB);
const QColor GridBorderColour(0xD3, 0xD8, 0xDF);
const QColor FilledCellColour(0xDC, 0xE2, 0xEA);
const QColor ClueColour(0xC4, 0xCB, 0xD4);
const QColor NameColour(0x1F, 0x2A, 0x38);
const QColor FrameColour(0x6B, 0x74, 0x80);

bool IsFilled(int row, int column) {
    return BoardPicture[row][column] == '#';
}

// The lengths of the runs of filled cells along one line, in order.
template <typename CellFilled> QList<int> RunLengths(int length, CellFilled cellFilled) {
    QList<int> runs;
    int run = 0;
    for (int index = 0; index <= length; ++index) {
        if (index < length && cellFilled(index)) {
            ++run;
        } else if (run > 0) {
            runs.append(run);
            run = 0;
        }
    }
    return runs;
}

QRect CellRect(int row, int column) {
    return {GridLeft + column * CellSide, GridTop + row * CellSide, CellSide, CellSide};
}

} // namespace

SplashWindow::SplashWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(WindowWidth, WindowHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SplashWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), BackgroundColour);
    PaintBoard(painter);
    PaintName(painter, rect());
    painter.setPen(FrameColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SplashWindow::PaintBoard(QPainter& painter) {
    for (int row = 0; row < BoardRows; ++row) {
        for (int column = 0; column < BoardColumns; ++column) {
            if (IsFilled(row, column)) {
                painter.fillRect(CellRect(row, column), FilledCellColour);
            }
        }
    }

    const int gridRight = GridLeft + BoardColumns * CellSide;
    const int gridBottom = GridTop + BoardRows * CellSide;
    painter.setPen(GridLineColour);
    for (int column = 1; column < BoardColumns; ++column) {
        const int x = GridLeft + column * CellSide;
        painter.drawLine(x, GridTop, x, gridBottom);
    }
    for (int row = 1; row < BoardRows; ++row) {
        const int y = GridTop + row * CellSide;
        painter.drawLine(GridLeft, y, gridRight, y);
    }
    painter.setPen(GridBorderColour);
    painter.drawRect(GridLeft, GridTop, gridRight - GridLeft, gridBottom - GridTop);

    QFont clueFont = painter.font();
    clueFont.setPixelSize(ClueLineHeight);
    painter.setFont(clueFont);
    painter.setPen(ClueColour);
    for (int row = 0; row < BoardRows; ++row) {
        QStringList numbers;
        for (int run :
             RunLengths(BoardColumns, [row](int column) { return IsFilled(row, column); })) {
            numbers.append(QString::number(run));
        }
        const QRect cell = CellRect(row, 0);
        const QRect clueArea(0, cell.top(), GridLeft - ClueGap, CellSide);
        painter.drawText(clueArea, Qt::AlignRight | Qt::AlignVCenter, numbers.join(u' '));
    }
    for (int column = 0; column < BoardColumns; ++column) {
        const QList<int> runs =
            RunLengths(BoardRows, [column](int row) { return IsFilled(row, column); });
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
    nameFont.setPixelSize(52);
    nameFont.setBold(true);
    painter.setFont(nameFont);
    painter.setPen(NameColour);
    painter.drawText(area, Qt::AlignCenter, QStringLiteral("Quorvane"));
}
