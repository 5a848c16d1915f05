#include "appearance/scheme_preview.h"

#include "appearance/qt_colour.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

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

class PreviewPainter {
public:
    PreviewPainter(QImage& bitmap, const ColourSet& colours, CellPitch pitch)
        : Painter(&bitmap), Colours(colours), W(pitch.Width), H(pitch.Height),
          Metrics(PreviewFont()) {
        Painter.setFont(PreviewFont());
    }

    QColor Colour(ColourRole role) const {
        return ToQColor(Colours[static_cast<std::size_t>(role)]);
    }

    void Fill(int left, int top, int right, int bottom, ColourRole role) {
        Painter.fillRect(left, top, right - left, bottom - top, Colour(role));
    }

    QPoint Cell(int column, int row) const {
        return {X0 + (LeftSlots + column) * W, Y0 + (TopSlots + row) * H};
    }
    QPoint LeftSlot(int slot, int row) const { return {X0 + slot * W, Y0 + (TopSlots + row) * H}; }
    QPoint TopSlot(int slot, int column) const {
        return {X0 + (LeftSlots + column) * W, Y0 + slot * H};
    }

    // Text is opaque over its own extent and kept inside it.
    void Centred(QPoint box, const QString& text, ColourRole colour, ColourRole background) {
        const int width = Metrics.horizontalAdvance(text);
        const int height = Metrics.height();
        const QRect extent(box.x() + 1 + (W - width) / 2, box.y() + 1 + (H - height) / 2, width,
                           height);
        Painter.fillRect(extent, Colour(background));
        Painter.setPen(Colour(colour));
        Painter.setClipRect(extent);
        Painter.drawText(extent, Qt::AlignLeft | Qt::AlignTop, text);
        Painter.setClipping(false);
    }

    // A thick rule at x covers x - 1 and x, as on the board.
    void VerticalRule(int x, int from, bool thick) {
        Painter.fillRect(thick ? x - 1 : x, from, thick ? 2 : 1, PreviewHeight - from,
                         Colour(thick ? ColourRole::DoubleLine : ColourRole::SingleLine));
    }
    void HorizontalRule(int y, int from, bool thick) {
        Painter.fillRect(from, thick ? y - 1 : y, PreviewWidth - from, thick ? 2 : 1,
                         Colour(thick ? ColourRole::DoubleLine : ColourRole::SingleLine));
    }

    QPainter Painter;
    const ColourSet& Colours;
    const int W;
    const int H;
    const QFontMetrics Metrics;
};

} // namespace

QFont PreviewFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(11);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void PaintPreview(QImage& previewBitmap, const ColourSet& colours, CellPitch pitch) {
    PreviewPainter p(previewBitmap, colours, pitch);
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
        const QPoint filled = p.Cell(column, 1);
        p.Fill(filled.x(), filled.y(), filled.x() + w, filled.y() + h, ColourRole::FinalisedCell);
        const QPoint excluded = p.Cell(column, 2);
        p.Fill(excluded.x() + tw + 1, excluded.y() + th + 1, excluded.x() + w - tw,
               excluded.y() + h - th, ColourRole::ExcludedCell);
    }
    const QString mark = QStringLiteral("?");
    for (int column = 0; column < ShownColumns; ++column)
        p.Centred(p.Cell(column, 3), mark, ColourRole::MarkedCell, ColourRole::CentralBoard);

    const QString one = QStringLiteral("1");
    const QString eleven = QStringLiteral("11");
    const ColourRole states[] = {ColourRole::NormalAxisFont, ColourRole::FinalisedAxisFont,
                                 ColourRole::MarkedAxisFont};
    for (int state = 0; state < 3; ++state) {
        p.Centred(p.LeftSlot(0, state + 1), state == 1 ? one : eleven, states[state],
                  ColourRole::LeftAndTopBoard);
        for (int column = 0; column < ShownColumns; ++column)
            p.Centred(p.TopSlot(state, column), one, states[state], ColourRole::LeftAndTopBoard);
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
