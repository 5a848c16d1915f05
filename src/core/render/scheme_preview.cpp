// The preferences preview, step by step, later steps over earlier ones.
#include "render/scheme_preview.h"

#include "render/glyph_text.h"

#include <string_view>

namespace {

// Where the board starts, and how many clue slots lie left of the grid and above it.
constexpr int X0 = 40;
constexpr int Y0 = 10;
constexpr int LeftSlots = 4;
constexpr int TopSlots = 3;
// The grid columns and rows that show a cell state; the rest stay empty.
constexpr int ShownColumns = 11;
constexpr int VerticalRules = 25;
constexpr int HorizontalRules = 14;

struct Point {
    int X;
    int Y;
};

class PreviewPainter {
public:
    PreviewPainter(PixelImage& image, const ColourSet& colours, CellPitch pitch,
                   const RasterFont& face)
        : Image(image), Colours(colours), W(pitch.Width), H(pitch.Height), Face(face) {}

    Pixel Colour(ColourRole role) const { return PixelOf(Colours[static_cast<std::size_t>(role)]); }

    void Fill(int left, int top, int right, int bottom, ColourRole role) {
        Image.Fill({left, top, right, bottom}, Colour(role));
    }

    Point Cell(int column, int row) const {
        return {X0 + (LeftSlots + column) * W, Y0 + (TopSlots + row) * H};
    }
    Point LeftSlot(int slot, int row) const { return {X0 + slot * W, Y0 + (TopSlots + row) * H}; }
    Point TopSlot(int slot, int column) const {
        return {X0 + (LeftSlots + column) * W, Y0 + slot * H};
    }

    // Text is opaque over its own extent, one pixel in from the box's corner and centred.
    void Centred(Point box, std::string_view text, ColourRole colour, ColourRole background) {
        const TextSize size = MeasureText(Face, text);
        DrawText(Image, box.X + 1 + (W - size.Width) / 2, box.Y + 1 + (H - size.Height) / 2, Face,
                 text, Colour(colour), Colour(background));
    }

    // A thick rule at x covers x - 1 and x, as on the board.
    void VerticalRule(int x, int from, bool thick) {
        const int left = thick ? x - 1 : x;
        Fill(left, from, left + (thick ? 2 : 1), PreviewHeight,
             thick ? ColourRole::DoubleLine : ColourRole::SingleLine);
    }
    void HorizontalRule(int y, int from, bool thick) {
        const int top = thick ? y - 1 : y;
        Fill(from, top, PreviewWidth, top + (thick ? 2 : 1),
             thick ? ColourRole::DoubleLine : ColourRole::SingleLine);
    }

private:
    PixelImage& Image;
    const ColourSet& Colours;
    const int W;
    const int H;
    const RasterFont& Face;
};

} // namespace

void DrawSchemePreview(PixelImage& image, const ColourSet& colours, CellPitch pitch,
                       const RasterFont& face) {
    image.Resize(PreviewWidth, PreviewHeight);
    PreviewPainter p(image, colours, pitch, face);
    const int w = pitch.Width;
    const int h = pitch.Height;
    const int clueRight = X0 + LeftSlots * w;
    const int clueBottom = Y0 + TopSlots * h;

    p.Fill(0, 0, PreviewWidth, PreviewHeight, ColourRole::WindowBackground);
    p.Fill(X0, Y0, PreviewWidth, PreviewHeight, ColourRole::CentralBoard);
    p.Fill(X0, Y0, clueRight, clueBottom, ColourRole::WindowBackground);
    p.Fill(X0, clueBottom, clueRight, PreviewHeight, ColourRole::LeftAndTopBoard);
    p.Fill(clueRight, Y0, PreviewWidth, clueBottom, ColourRole::LeftAndTopBoard);

    const int tw = w / 3;
    const int th = h / 3;
    for (int column = 0; column < ShownColumns; ++column) {
        const Point filled = p.Cell(column, 1);
        p.Fill(filled.X, filled.Y, filled.X + w, filled.Y + h, ColourRole::FinalisedCell);
        const Point excluded = p.Cell(column, 2);
        p.Fill(excluded.X + tw + 1, excluded.Y + th + 1, excluded.X + w - tw, excluded.Y + h - th,
               ColourRole::ExcludedCell);
    }
    for (int column = 0; column < ShownColumns; ++column)
        p.Centred(p.Cell(column, 3), "?", ColourRole::MarkedCell, ColourRole::CentralBoard);

    const ColourRole states[] = {ColourRole::NormalAxisFont, ColourRole::FinalisedAxisFont,
                                 ColourRole::MarkedAxisFont};
    for (int state = 0; state < 3; ++state) {
        p.Centred(p.LeftSlot(0, state + 1), state == 1 ? "1" : "11", states[state],
                  ColourRole::LeftAndTopBoard);
        for (int column = 0; column < ShownColumns; ++column)
            p.Centred(p.TopSlot(state, column), "1", states[state], ColourRole::LeftAndTopBoard);
    }

    for (int i = 0; i < VerticalRules; ++i) {
        const int x = X0 + i * w;
        if (i < LeftSlots)
            p.VerticalRule(x, clueBottom, i == 0);
        else
            p.VerticalRule(x, Y0, (i - LeftSlots) % 5 == 0);
    }
    for (int i = 0; i < HorizontalRules; ++i) {
        const int y = Y0 + i * h;
        if (i < TopSlots)
            p.HorizontalRule(y, clueRight, i == 0);
        else
            p.HorizontalRule(y, X0, (i - TopSlots) % 5 == 0);
    }
}
