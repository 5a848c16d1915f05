// The splash picture drawn with GDI: the same places and colours as the Qt window's.
#include "gdi_splash_picture.h"

#include "splash_design.h"

#include <string>

namespace {

using namespace SplashDesign;

COLORREF ToColorRef(Colour colour) {
    return RGB(colour.Red, colour.Green, colour.Blue);
}

// A GDI object selected into a device context for a scope, then put back and deleted.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : Dc(dc), Object(object), Previous(SelectObject(dc, object)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    ~Selected() {
        SelectObject(Dc, Previous);
        DeleteObject(Object);
    }

private:
    HDC Dc;
    HGDIOBJ Object;
    HGDIOBJ Previous;
};

HFONT ArialFont(int pixelSize, int weight) {
    return CreateFontW(-pixelSize, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, L"Arial");
}

void FillBox(HDC dc, RECT box, Colour colour) {
    SetDCBrushColor(dc, ToColorRef(colour));
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A one-pixel outline along the inside of the box.
void OutlineBox(HDC dc, RECT box, Colour colour) {
    SetDCBrushColor(dc, ToColorRef(colour));
    FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawLine(HDC dc, int fromX, int fromY, int toX, int toY) {
    MoveToEx(dc, fromX, fromY, nullptr);
    LineTo(dc, toX, toY);
}

void DrawNumbers(HDC dc, const std::vector<int>& numbers, RECT box, UINT alignment) {
    std::wstring text;
    for (const int number : numbers)
        text += (text.empty() ? L"" : L" ") + std::to_wstring(number);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              alignment | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void PaintBoard(HDC dc) {
    for (int row = 0; row < BoardRows; ++row)
        for (int column = 0; column < BoardColumns; ++column)
            if (IsFilled(row, column)) {
                const CellSquare cell = CellAt(row, column);
                FillBox(dc, {cell.Left, cell.Top, cell.Left + CellSide, cell.Top + CellSide},
                        FilledCellColour);
            }

    // A GDI line leaves out its last pixel, so each one is drawn a pixel past its end.
    {
        const Selected pen(dc, CreatePen(PS_SOLID, 1, ToColorRef(GridLineColour)));
        for (int column = 1; column < BoardColumns; ++column) {
            const int x = GridLeft + column * CellSide;
            DrawLine(dc, x, GridTop, x, GridBottom + 1);
        }
        for (int row = 1; row < BoardRows; ++row) {
            const int y = GridTop + row * CellSide;
            DrawLine(dc, GridLeft, y, GridRight + 1, y);
        }
    }
    OutlineBox(dc, {GridLeft, GridTop, GridRight + 1, GridBottom + 1}, GridBorderColour);

    const Selected font(dc, ArialFont(ClueLineHeight, FW_NORMAL));
    SetTextColor(dc, ToColorRef(ClueColour));
    for (int row = 0; row < BoardRows; ++row) {
        const int top = CellAt(row, 0).Top;
        DrawNumbers(dc, RowClue(row), {0, top, GridLeft - ClueGap, top + CellSide}, DT_RIGHT);
    }
    for (int column = 0; column < BoardColumns; ++column) {
        const std::vector<int> runs = ColumnClue(column);
        const int left = CellAt(0, column).Left;
        int lineTop = GridTop - ClueGap / 2 - static_cast<int>(runs.size()) * ClueLineHeight;
        for (const int run : runs) {
            DrawNumbers(dc, {run}, {left, lineTop, left + CellSide, lineTop + ClueLineHeight},
                        DT_CENTER);
            lineTop += ClueLineHeight;
        }
    }
}

void PaintName(HDC dc) {
    const Selected font(dc, ArialFont(NamePixelSize, FW_BOLD));
    SetTextColor(dc, ToColorRef(NameColour));
    const std::wstring name(Name.begin(), Name.end());
    RECT whole{0, 0, WindowWidth, WindowHeight};
    DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &whole,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace

void PaintSplashPicture(HDC dc) {
    const int savedState = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    FillBox(dc, {0, 0, WindowWidth, WindowHeight}, BackgroundColour);
    PaintBoard(dc);
    PaintName(dc);
    OutlineBox(dc, {0, 0, WindowWidth, WindowHeight}, FrameColour);
    RestoreDC(dc, savedState);
}
